// Pictures of the program's windows as they appear on the screen.
#pragma once

#include <windows.h>

// Saves what the screen shows inside window's rectangle as a 24-bit BMP file.
bool SaveWindowPicture(HWND window, const char* path);
