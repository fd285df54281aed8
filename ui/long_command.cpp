#include "long_command.h"

#include "parked_focus.h"
#include "plaintext_field.h"
#include "resource.h"

namespace {

// Well inside the second that a user, or the system's test for a hung window, waits.
constexpr DWORD kBreakEveryMs = 50;
// Shorter commands end before anything would be seen to flicker.
constexpr DWORD kShowAfterMs = 300;
// More than any burst of input; what is left waits for the next break. It also bounds a
// window whose paint never validates it.
constexpr int kMostMessages = 256;
constexpr int kLockedButtons[] = {IDC_MD2, IDC_MD5, IDC_ABOUT};

constexpr char kProgressFormat[] = "Hashing: %d%% done";

LongCommand* g_running = nullptr;

void ShowProgress(LongCommand* command, uint64_t done, uint64_t total) {
  const auto percent = static_cast<int32_t>(total == 0 ? 0 : done * 100 / total);
  if (percent == command->percentShown) return;
  command->percentShown = percent;
  char text[sizeof kProgressFormat + 8] = {};
  wsprintfA(text, kProgressFormat, percent);
  SetDlgItemTextA(command->dialog, IDC_HASH, text);
}

// The hash field takes the focus from a button about to be disabled: it stays enabled, and
// it shows the progress, which a screen reader then reads.
void SetLocked(HWND dialog, bool locked) {
  const HWND holder = locked ? FocusHolder(dialog) : nullptr;
  for (const int id : kLockedButtons) {
    HWND button = GetDlgItem(dialog, id);
    if (button == holder) ParkFocus(dialog, button, GetDlgItem(dialog, IDC_HASH));
    EnableWindow(button, !locked);
  }
  SetPlaintextReadOnly(GetDlgItem(dialog, IDC_PLAINTEXT), locked);
  if (!locked) GiveBackFocus(dialog);
}

// A window may set the cursor only while the cursor is over it: the window under the cursor,
// if it is one of the dialog's, is asked to set it, and the dialog answers with the wait
// cursor while the command shows.
void RefreshCursor(HWND dialog) {
  POINT at = {};
  if (!GetCursorPos(&at)) return;
  HWND under = WindowFromPoint(at);
  if (under == nullptr || GetAncestor(under, GA_ROOT) != dialog) return;
  const LRESULT hit = SendMessageW(under, WM_NCHITTEST, 0, MAKELPARAM(at.x, at.y));
  SendMessageW(under, WM_SETCURSOR, reinterpret_cast<WPARAM>(under),
               MAKELPARAM(hit, WM_MOUSEMOVE));
}

constexpr LPARAM kAltDown = LPARAM{1} << 29;

bool IsSystemKey(UINT message) {
  return message == WM_SYSKEYDOWN || message == WM_SYSKEYUP || message == WM_SYSCHAR ||
         message == WM_SYSDEADCHAR;
}

// Wherever the focus is: the plaintext field keeps Escape from the dialog manager, and where
// no control has the focus, keys arrive as system keys.
bool IsEscape(const MSG& message) {
  return message.wParam == VK_ESCAPE &&
         (message.message == WM_KEYDOWN ||
          (message.message == WM_SYSKEYDOWN && (message.lParam & kAltDown) == 0));
}

// Once the command shows, the keyboard only stops it or ends the program. Keys held with Alt
// go to the dialog manager as ever: Alt+F4 closes, Alt+C is Cancel, and the other buttons'
// keys find them disabled. Every other key, typed ahead or typed at the progress, was meant
// for the dialog as it was before: a Tab from the hash field would land on Cancel for the
// Space after it, and a Shift+Tab would select the whole text for the next key to replace.
bool IsKeyToDrop(const MSG& message) {
  if (message.message < WM_KEYFIRST || message.message > WM_KEYLAST) return false;
  return !IsSystemKey(message.message) || (message.lParam & kAltDown) == 0;
}

void StartShowing(LongCommand* command) {
  command->showing = true;
  SetLocked(command->dialog, true);
  RefreshCursor(command->dialog);
}

// Everything that has come in is taken from the queue and handled as the dialog's own loop
// would: a window that leaves input unread for 5 s is shown as not responding. The Unicode
// forms pass a typed character on as it is, not through the ANSI code page. Until the
// command shows, keys and clicks wait, at most that moment, so that those of a quick
// command act after it as always.
void HandleQueue(LongCommand* command) {
  const UINT which = command->showing
                         ? PM_REMOVE
                         : PM_REMOVE | PM_QS_SENDMESSAGE | PM_QS_POSTMESSAGE | PM_QS_PAINT;
  MSG message;
  for (int i = 0; i < kMostMessages && command->end == CommandEnd::None &&
                  PeekMessageW(&message, nullptr, 0, 0, which);
       ++i) {
    if (message.message == WM_QUIT) {
      // Put back for the dialog's own loop, which ends on it.
      PostQuitMessage(static_cast<int>(message.wParam));
      command->end = CommandEnd::Closed;
    } else if (IsEscape(message)) {
      command->end = CommandEnd::Stopped;
    } else if (command->showing && IsKeyToDrop(message)) {
      continue;
    } else if (!IsDialogMessageW(command->dialog, &message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
}

}  // namespace

void BeginLongCommand(LongCommand* command, HWND dialog) {
  const DWORD now = GetTickCount();
  *command = {dialog, now, now, false, -1, CommandEnd::None};
  g_running = command;
}

bool BreakDue(const LongCommand& command) {
  return GetTickCount() - command.lastBreak >= kBreakEveryMs;
}

bool TakeBreak(LongCommand* command, uint64_t done, uint64_t total) {
  if (!command->showing && GetTickCount() - command->started >= kShowAfterMs)
    StartShowing(command);
  if (command->showing) ShowProgress(command, done, total);
  HandleQueue(command);
  command->lastBreak = GetTickCount();
  return command->end == CommandEnd::None;
}

void EndLongCommand(LongCommand* command) {
  // Keys typed since the last break were typed at the progress too, and meet the dialog as
  // it was then, not the buttons about to come back.
  if (command->showing && command->end == CommandEnd::None) HandleQueue(command);
  g_running = nullptr;
  // A dialog that is closing is left as it is.
  if (command->showing && command->end != CommandEnd::Closed) {
    SetLocked(command->dialog, false);
    RefreshCursor(command->dialog);
  }
  *command = {};
}

bool LongCommandRunning() { return g_running != nullptr; }

bool LongCommandShowsWait() { return g_running != nullptr && g_running->showing; }

void EndLongCommandSoon(CommandEnd why) {
  if (g_running != nullptr && (g_running->end == CommandEnd::None || why == CommandEnd::Closed))
    g_running->end = why;
}
