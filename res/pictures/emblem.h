// The program's mark: a blue rounded tile with a white hash sign, shared by the icon and the banner.
#pragma once

#include "raster.h"

// Corner radius of the tile for a given side, so that callers can match its outline.
constexpr float EmblemRadius(float side) { return side * 0.2f; }

void DrawEmblem(Canvas& canvas, float x, float y, float side);
