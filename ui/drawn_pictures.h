// The program's pictures at the size for a DPI, drawn by the same code that draws the
// resource's pictures during the build, so that no picture is ever stretched.
#pragma once

#include <windows.h>

// The banner for a screen of that DPI, or nullptr when there is no memory for it.
HBITMAP MakeBannerBitmap(UINT dpi);
// The program's icon at side pixels square: the resource's image of that size, or one drawn
// for it where the resource has none. DestroyIcon frees it.
HICON MakeAppIcon(int side);
