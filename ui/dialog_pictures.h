// The dialogs' pictures at the size for the window's DPI: the banner in both, the About box's
// icon, and the icons the main window gives Alt+Tab and the taskbar. The dialog manager
// scales the controls for the DPI, but not the pictures in them.
#pragma once

#include <windows.h>

// Draws the pictures for dpi into the dialog's picture controls. At the start of a dialog at
// 100 % the banner stays the one the control loaded from the resources.
void ShowDialogPictures(HWND dialog, UINT dpi, bool atStart);
// Frees every picture the dialog's controls hold; called as the dialog is destroyed.
void FreeDialogPictures(HWND dialog);

void SetWindowIcons(HWND window, UINT dpi);
void FreeWindowIcons(HWND window);
