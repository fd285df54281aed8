#include "parked_focus.h"

namespace {

struct ParkedFocus {
  HWND onLeaving;  // as the dialog manager remembers it when the window is deactivated
  HWND from;
  HWND on;
  bool givenBackOnReturn;
};

ParkedFocus g_focus = {};

bool IsActive(HWND dialog) { return GetActiveWindow() == dialog; }

// The dialog manager's own move, which keeps the default button right: a push button given the
// focus becomes the one that Enter presses. It selects all of an edit field's text, which here
// can only be the read-only hash field's.
void MoveFocus(HWND dialog, HWND to) {
  SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(to), TRUE);
}

HWND FocusedControl(HWND dialog) {
  HWND focus = GetFocus();
  return IsChild(dialog, focus) ? focus : nullptr;
}

// The dialog manager remembers the focus only where it is one of the dialog's controls.
void NoteFocusOnLeaving(HWND dialog) {
  if (HWND focus = FocusedControl(dialog)) g_focus.onLeaving = focus;
}

void Unpark() { g_focus = {g_focus.onLeaving, nullptr, nullptr, false}; }

// Where the focus must go as the window is activated, when not where the dialog manager
// would put it: back from where it was parked, if the command ended meanwhile and the user
// had not moved it, or onto the parking place, if the control that had it has since been
// disabled.
HWND FocusOnReturn() {
  HWND left = g_focus.onLeaving;
  if (g_focus.givenBackOnReturn) {
    const ParkedFocus parked = g_focus;
    Unpark();
    return left == nullptr || left == parked.on || left == parked.from ? parked.from : nullptr;
  }
  return left != nullptr && !IsWindowEnabled(left) ? g_focus.on : nullptr;
}

}  // namespace

HWND FocusHolder(HWND dialog) {
  return IsActive(dialog) ? FocusedControl(dialog) : g_focus.onLeaving;
}

void ParkFocus(HWND dialog, HWND from, HWND to) {
  g_focus = {g_focus.onLeaving, from, to, false};
  if (IsActive(dialog)) MoveFocus(dialog, to);
}

void GiveBackFocus(HWND dialog) {
  if (g_focus.from == nullptr) return;
  if (!IsActive(dialog)) {
    g_focus.givenBackOnReturn = true;
    return;
  }
  HWND focus = GetFocus();
  if (focus == nullptr || focus == dialog || focus == g_focus.on)
    MoveFocus(dialog, g_focus.from);
  Unpark();
}

bool SetFocusOnActivate(HWND dialog, WPARAM wParam) {
  if (LOWORD(wParam) == WA_INACTIVE) {
    NoteFocusOnLeaving(dialog);
    return false;
  }
  // A minimized window takes no focus; it is set as the window is restored.
  if (HIWORD(wParam) != 0) return false;
  HWND focus = FocusOnReturn();
  if (focus == nullptr || !IsWindowEnabled(focus)) return false;
  MoveFocus(dialog, focus);
  return true;
}
