// The program's one window: plaintext in, digest out.
#pragma once

#include <windows.h>

INT_PTR CALLBACK MainDlgProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
