// The two pictures of the program, drawn into caller-owned canvases.
#pragma once

#include <cstdint>

#include "raster.h"

constexpr int32_t kBannerWidth = 254;
constexpr int32_t kBannerHeight = 78;
constexpr int32_t kIconSide = 32;

void DrawBanner(Canvas& canvas);

// opaque receives one byte per pixel, non-zero inside the icon's outline.
void DrawIcon(Canvas& canvas, uint8_t* opaque);
