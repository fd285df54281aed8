// A small proportional bitmap font (7 rows above the baseline, 2 below) for the pictures' lettering.
#pragma once

#include <cstdint>

#include "raster.h"

constexpr int32_t kGlyphRows = 9;
constexpr int32_t kGlyphAscent = 7;

// Width in pixels of the text at the given scale, including the one-column gaps between letters.
int32_t TextWidth(const char* text, int32_t scale);

// Draws the text with its top-left corner at (x, y); each font pixel becomes a scale x scale block,
// except that at scale 2 diagonals are smoothed. A picture drawn `zoom` times larger passes its
// zoom, which turns every pixel of that lettering into a zoom x zoom block, so the smoothing
// keeps its shape at any size. Characters outside the font are drawn as spaces.
void DrawText(Canvas& canvas, int32_t x, int32_t y, const char* text, int32_t scale, Rgb colour,
              float opacity, int32_t zoom);
