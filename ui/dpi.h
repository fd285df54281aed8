// The DPI a window is shown at, and the system's sizes at a DPI. The calls that tell them per
// monitor came with Windows 10; they are looked up at run time, and older systems get their
// one, system-wide DPI.
#pragma once

#include <windows.h>

// The DPI of 100 %, at which the pictures are the resource's own.
constexpr UINT kDefaultDpi = 96;
// What Windows sends when a window moves to a monitor of another DPI (new DPI in wParam).
constexpr UINT kWmDpiChanged = 0x02E0;

UINT WindowDpi(HWND window);
// GetSystemMetrics for a DPI, as SM_CXICON or SM_CXSMICON.
int SystemMetricAt(int index, UINT dpi);
