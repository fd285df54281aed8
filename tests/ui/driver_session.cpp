#include "driver_session.h"

#include <cstdio>
#include <cstring>

namespace {

struct DialogSearch {
  DWORD processId;
  const char* text;
  HWND owner;
  HWND except;
  HWND found;
};

bool BelongsTo(HWND window, DWORD processId) {
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  return owner == processId && IsWindowVisible(window);
}

bool IsDialogClass(HWND window) {
  char name[16] = {};
  GetClassNameA(window, name, sizeof name);
  return std::strcmp(name, "#32770") == 0;
}

BOOL CALLBACK MatchDialog(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<DialogSearch*>(param);
  if (!BelongsTo(window, search->processId) || !IsDialogClass(window)) return TRUE;
  // GetWindowTextA reads a top-level window's text without sending it a message, so a
  // window whose program hangs cannot stall the search.
  char text[256] = {};
  GetWindowTextA(window, text, sizeof text);
  if (std::strcmp(text, search->text) != 0) return TRUE;
  if (search->owner != nullptr && GetWindow(window, GW_OWNER) != search->owner) return TRUE;
  search->found = window;
  return FALSE;
}

BOOL CALLBACK MatchOther(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<DialogSearch*>(param);
  if (window == search->except || !BelongsTo(window, search->processId)) return TRUE;
  search->found = window;
  return FALSE;
}

// The window's text through the ANSI or the Unicode form of the messages, as send is.
template <typename Char, typename Send>
std::basic_string<Char> ReadTextWith(HWND window, Send send, const Char* noAnswer) {
  DWORD_PTR length = 0;
  if (!send(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kTimeoutMs, &length))
    return noAnswer;
  std::basic_string<Char> text(length + 1, Char{});
  DWORD_PTR copied = 0;
  send(window, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(&text[0]), SMTO_ABORTIFHUNG,
       kTimeoutMs, &copied);
  text.resize(copied);
  return text;
}

}  // namespace

bool StartProgram(const char* exe, const char* arguments, Program* program) {
  *program = {};
  char commandLine[1024] = {};
  std::snprintf(commandLine, sizeof commandLine, "\"%s\" %s", exe, arguments);
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  if (!CreateProcessA(exe, commandLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &program->info)) {
    std::printf("  cannot start %s: error %lu\n", exe, GetLastError());
    return false;
  }
  program->started = true;
  return true;
}

bool WaitForExit(Program* program, uint32_t timeoutMs, DWORD* exitCode) {
  if (!program->started) return false;
  if (WaitForSingleObject(program->info.hProcess, timeoutMs) != WAIT_OBJECT_0) return false;
  GetExitCodeProcess(program->info.hProcess, exitCode);
  return true;
}

bool IsRunning(const Program& program) {
  return program.started && WaitForSingleObject(program.info.hProcess, 0) == WAIT_TIMEOUT;
}

void EndProgram(Program* program) {
  if (!program->started) return;
  if (IsRunning(*program)) {
    TerminateProcess(program->info.hProcess, 1);
    WaitForSingleObject(program->info.hProcess, kTimeoutMs);
  }
  CloseHandle(program->info.hThread);
  CloseHandle(program->info.hProcess);
  *program = {};
}

HWND WaitForDialog(const Program& program, const char* text, uint32_t timeoutMs, HWND owner) {
  DialogSearch search = {program.info.dwProcessId, text, owner, nullptr, nullptr};
  WaitUntil(
      [&] {
        EnumWindows(MatchDialog, reinterpret_cast<LPARAM>(&search));
        return search.found != nullptr || !IsRunning(program);
      },
      timeoutMs);
  return search.found;
}

bool WaitForWindowGone(HWND window, uint32_t timeoutMs) {
  return WaitUntil([&] { return !IsWindow(window) || !IsWindowVisible(window); }, timeoutMs);
}

HWND FindOtherWindow(const Program& program, HWND except) {
  DialogSearch search = {program.info.dwProcessId, nullptr, nullptr, except, nullptr};
  EnumWindows(MatchOther, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND FocusIn(HWND window) {
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
  return info.hwndFocus;
}

std::string ReadText(HWND window) {
  return ReadTextWith<char>(window, SendMessageTimeoutA, "<no answer>");
}

size_t TextLengthOf(HWND window) {
  DWORD_PTR length = 0;
  SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kTimeoutMs, &length);
  return length;
}

std::wstring ReadUnicodeText(HWND window) {
  return ReadTextWith<wchar_t>(window, SendMessageTimeoutW, L"<no answer>");
}

void WriteText(HWND window, const std::string& text) {
  DWORD_PTR ignored = 0;
  SendMessageTimeoutA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                      SMTO_ABORTIFHUNG, kTimeoutMs, &ignored);
}

std::string ReadItemText(HWND dialog, int id) { return ReadText(GetDlgItem(dialog, id)); }

Selection SelectionOf(HWND field) {
  // Through the two pointers: the packed return value holds positions below 65536 only.
  Selection selection = {};
  DWORD_PTR ignored = 0;
  SendMessageTimeoutW(field, EM_GETSEL, reinterpret_cast<WPARAM>(&selection.start),
                      reinterpret_cast<LPARAM>(&selection.end), SMTO_ABORTIFHUNG, kTimeoutMs,
                      &ignored);
  return selection;
}

void WriteItemText(HWND dialog, int id, const std::string& text) {
  WriteText(GetDlgItem(dialog, id), text);
}

void Click(HWND dialog, int id) {
  DWORD_PTR ignored = 0;
  SendMessageTimeoutA(GetDlgItem(dialog, id), BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, kTimeoutMs,
                      &ignored);
}

void ClickLater(HWND dialog, int id) { PostMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }
