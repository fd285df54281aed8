// The two pictures of the program, drawn into caller-owned canvases.
#pragma once

#include <cstdint>

#include "raster.h"

constexpr int32_t kBannerWidth = 254;
constexpr int32_t kBannerHeight = 78;
constexpr int32_t kIconSide = 32;

// The canvas is kBannerWidth * scale by kBannerHeight * scale pixels, scale >= 1.
void DrawBanner(Canvas& canvas, int32_t scale);

struct PictureSize {
  int32_t width;
  int32_t height;
};

// The banner's size on a screen of the given DPI (96 is 100 %), rounded half up; DPIs below 96
// count as 96.
PictureSize BannerSizeAt(int32_t dpi);

// The whole-number scale a picture for that DPI is drawn at before it is reduced to size.
int32_t DrawingScaleAt(int32_t dpi);

// out is BannerSizeAt(dpi). Unless that is exactly the drawing scale's size, the banner is drawn
// into work, kBannerWidth * s by kBannerHeight * s pixels with s = DrawingScaleAt(dpi), and
// reduced from there; otherwise work is not used and may be null.
void DrawBannerAt(int32_t dpi, Canvas& out, Rgb* work);

// The 256-colour icon, kIconSide square; opaque receives one byte per pixel, non-zero inside the
// icon's outline.
void DrawIcon(Canvas& canvas, uint8_t* opaque);

// The sides of the 32-bit images the icon resource holds besides the 256-colour one, in the
// order they follow it.
inline constexpr int32_t kIconAlphaSides[] = {16, 20, 24, 40, 48, 64};
constexpr int32_t kIconAlphaMaxSide = 256;

// The same mark with soft, truly transparent edges, for any side up to kIconAlphaMaxSide:
// side * side pixels, rows top first.
void DrawIconRgba(int32_t side, Rgba* pixels);
