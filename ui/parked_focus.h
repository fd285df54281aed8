// The focus of a dialog whose controls a long command disables for a while. A control that
// is disabled while it has the focus leaves the focus nowhere; the dialog manager then has
// nothing to remember as the window is deactivated, and on activation gives the focus to the
// first tab stop with all of that edit field's text selected, where the next key typed
// replaces it. So the focus is parked on a control that stays enabled first, and given back
// afterwards, whether or not the window is active at either moment.
#pragma once

#include <windows.h>

// The control that has the focus, or, while the dialog is not active, the one that the
// dialog manager will give it back to; nullptr if none.
HWND FocusHolder(HWND dialog);
// Moves the focus from `from`, about to be disabled, to `to`: now if the dialog is active,
// or else as it is next activated.
void ParkFocus(HWND dialog, HWND from, HWND to);
// Gives the parked focus back, now if the dialog is active, or else as it is next activated;
// not if the user has put the focus elsewhere meanwhile.
void GiveBackFocus(HWND dialog);
// For WM_ACTIVATE: true when it has set the focus itself, which the dialog manager then must
// not set again.
bool SetFocusOnActivate(HWND dialog, WPARAM wParam);
