// The dialogs' pictures at the size for the window's DPI: the banner in both, the About box's
// icon, and the icons the main window gives Alt+Tab and the taskbar. The dialog manager
// scales the controls for the DPI, but not the pictures in them.
#pragma once

#include <windows.h>

// Draws the pictures for dpi into the dialog's picture controls. At the start of a dialog at
// 100 % the banner stays the one the control loaded from the resources.
void ShowDialogPictures(HWND dialog, UINT dpi, bool atStart);
// On WM_DPICHANGED: the dialog manager lays the controls out for the new DPI after that
// message, so the dialog posts itself kRedrawPictures, with the new DPI in wParam, and shows
// its pictures for it then.
constexpr UINT kRedrawPictures = WM_APP + 2;
void RedrawPicturesLater(HWND dialog, WPARAM dpiChanged);

// Frees every picture the dialog's controls hold; called as the dialog is destroyed.
void FreeDialogPictures(HWND dialog);

void SetWindowIcons(HWND window, UINT dpi);
void FreeWindowIcons(HWND window);
