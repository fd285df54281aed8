// Placement and dragging shared by both captionless dialogs.
#pragma once

#include <windows.h>

// Centres window on the desktop window's rectangle (not the work area), keeping its size.
void CenterOnDesktop(HWND window);

// Answers a left-button press on the dialog's body as if it were on a caption bar, so the
// window can be dragged by any free area. pressAt is the press's own lParam.
void BeginBodyDrag(HWND window, LPARAM pressAt);
