// A command that may run for seconds on the dialog's one thread (MD2 of a long text) and must
// not look hung meanwhile: now and then it lets the system through, and past a moment it
// shows the wait cursor and how far it is in the hash field. A quick command shows nothing.
#pragma once

#include <windows.h>

#include <cstdint>

struct LongCommand {
  HWND dialog;
  DWORD started;
  DWORD lastBreak;
  bool showing;
  int32_t percentShown;
  HCURSOR cursorBefore;
};

void BeginLongCommand(LongCommand* command, HWND dialog);
// Whether it is time for a break; the caller first puts away what no message may touch.
bool BreakDue(const LongCommand& command);
// Shows the share done, when the command has taken more than a moment, and lets through
// what other programs and the system send, and paints; keys and clicks stay in the queue
// and are handled after the command, in the order they came.
void TakeBreak(LongCommand* command, uint64_t done, uint64_t total);
// Puts the cursor back; the caller has shown the result in place of the progress.
void EndLongCommand(LongCommand* command);
