// The About box, run modally over the main dialog.
#pragma once

#include <windows.h>

// Six lines joined by CR LF, shown in the About box's text area.
extern const char ABOUT_TEXT[];

INT_PTR CALLBACK AboutDlgProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
