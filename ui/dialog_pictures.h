// The pictures a dialog's static controls load from the resources.
#pragma once

#include <windows.h>

// Frees the bitmaps the dialog's picture controls loaded; called as the dialog is destroyed.
void FreeDialogBitmaps(HWND dialog);
