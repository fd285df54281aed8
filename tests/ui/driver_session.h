// Starting the program, finding its windows and talking to them from another process.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

// Generous because 32-bit Wine may run under an emulator; a healthy program answers in well
// under a second, so these only bound how long a broken one can hold the run up.
constexpr uint32_t kStartTimeoutMs = 60000;
constexpr uint32_t kTimeoutMs = 20000;

struct Program {
  PROCESS_INFORMATION info;
  bool started;
};

bool StartProgram(const char* exe, const char* arguments, Program* program);
// Waits for the process to end and reports its exit code.
bool WaitForExit(Program* program, uint32_t timeoutMs, DWORD* exitCode);
bool IsRunning(const Program& program);
// Ends the process if it still runs and releases its handles; safe to call twice.
void EndProgram(Program* program);

// A visible top-level dialog (class "#32770") of the process with exactly this text, or
// nullptr once the timeout has passed. owner, when given, must be the dialog's owner.
HWND WaitForDialog(const Program& program, const char* text, uint32_t timeoutMs,
                   HWND owner = nullptr);
// Waits until window no longer exists or is no longer visible.
bool WaitForWindowGone(HWND window, uint32_t timeoutMs);
// Any visible top-level window of the process other than except.
HWND FindOtherWindow(const Program& program, HWND except);

// The window with the keyboard focus in the thread that owns window; nullptr if none, as
// while that thread has no active window.
HWND FocusIn(HWND window);

std::string ReadText(HWND window);
// The length of the text in UTF-16 units, without reading the text itself.
size_t TextLengthOf(HWND window);
// The text as the window keeps it, before any conversion to the ANSI code page.
std::wstring ReadUnicodeText(HWND window);
void WriteText(HWND window, const std::string& text);
std::string ReadItemText(HWND dialog, int id);
// An edit field's selection in UTF-16 units, however far into a long text it lies.
struct Selection {
  DWORD start;
  DWORD end;
};
Selection SelectionOf(HWND field);
void WriteItemText(HWND dialog, int id, const std::string& text);
// Presses a button the way the keyboard's space bar would, and waits for it to be handled.
void Click(HWND dialog, int id);
// The same, but returns at once: for buttons that open a modal box.
void ClickLater(HWND dialog, int id);

// Polls until done() holds or the timeout passes; returns done()'s last answer.
template <typename Done>
bool WaitUntil(Done done, uint32_t timeoutMs) {
  const DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start > timeoutMs) return done();
    Sleep(50);
  }
  return true;
}
