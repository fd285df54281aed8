// A command that may run for seconds on the dialog's one thread (MD2 of a long text) and must
// not look hung meanwhile: now and then it takes a break, in which the dialog handles what
// has come in. Past a moment it shows the wait cursor and how far it is in the hash field,
// and locks what must not act meanwhile: the MD2, MD5 and About buttons are disabled and the
// plaintext field is read-only. A quick command shows nothing.
#pragma once

#include <windows.h>

#include <cstdint>

// How a command ends before its time: Escape stops it, closing the dialog abandons it.
enum class CommandEnd { None, Stopped, Closed };

struct LongCommand {
  HWND dialog;
  DWORD started;
  DWORD lastBreak;
  bool showing;
  int32_t percentShown;
  CommandEnd end;
};

void BeginLongCommand(LongCommand* command, HWND dialog);
// Whether it is time for a break; the caller first puts away what no message may touch.
bool BreakDue(const LongCommand& command);
// Shows the share done, once the command has taken more than a moment, and lets the dialog
// handle what has come in: sent and posted messages and paints, and, once the command shows,
// clicks too, which then find nothing they can change, and keys, which then only stop the
// command (Escape) or end the program (Alt+F4, Alt+C). Returns false when the command is to
// end now, without a result; command->end says why.
bool TakeBreak(LongCommand* command, uint64_t done, uint64_t total);
// Handles what came in since the last break as during the command, then unlocks the buttons
// and the field and puts the cursor back; the caller has shown the result in place of the
// progress.
void EndLongCommand(LongCommand* command);

// For the dialog, whose messages arrive during the breaks.
bool LongCommandRunning();
bool LongCommandShowsWait();
// The running command, if any, ends at its next look at the queue.
void EndLongCommandSoon(CommandEnd why);
