#include "long_command.h"

#include "resource.h"

namespace {

// Well inside the second that a user, or the system's test for a hung window, waits.
constexpr DWORD kBreakEveryMs = 50;
// Shorter commands end before anything would be seen to flicker.
constexpr DWORD kShowAfterMs = 300;
// Each paint validates its window; the bound only guards against one that does not.
constexpr int kMostPaints = 64;

constexpr char kProgressFormat[] = "Hashing: %d%% done";

void ShowProgress(LongCommand* command, uint64_t done, uint64_t total) {
  if (!command->showing) {
    command->showing = true;
    command->cursorBefore = SetCursor(LoadCursorA(nullptr, IDC_WAIT));
  }
  const auto percent = static_cast<int32_t>(total == 0 ? 0 : done * 100 / total);
  if (percent == command->percentShown) return;
  command->percentShown = percent;
  char text[sizeof kProgressFormat + 8] = {};
  wsprintfA(text, kProgressFormat, percent);
  SetDlgItemTextA(command->dialog, IDC_HASH, text);
}

void LetSystemThrough() {
  MSG message;
  // Sent messages are delivered inside the call; nothing is taken out of the queue.
  PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
  for (int i = 0; i < kMostPaints &&
                  PeekMessageA(&message, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE | PM_QS_PAINT);
       ++i)
    DispatchMessageA(&message);
}

}  // namespace

void BeginLongCommand(LongCommand* command, HWND dialog) {
  const DWORD now = GetTickCount();
  *command = {dialog, now, now, false, -1, nullptr};
}

bool BreakDue(const LongCommand& command) {
  return GetTickCount() - command.lastBreak >= kBreakEveryMs;
}

void TakeBreak(LongCommand* command, uint64_t done, uint64_t total) {
  if (GetTickCount() - command->started >= kShowAfterMs) ShowProgress(command, done, total);
  LetSystemThrough();
  command->lastBreak = GetTickCount();
}

void EndLongCommand(LongCommand* command) {
  if (command->showing) SetCursor(command->cursorBefore);
  *command = {};
}
