// A true-colour drawing surface over caller-owned pixels, and the few shapes the pictures need.
#pragma once

#include <cstdint>

struct Rgb {
  uint8_t r;
  uint8_t g;
  uint8_t b;
};

// Straight, not premultiplied, alpha: the colour is the pixel's own, whatever its opacity.
struct Rgba {
  uint8_t r;
  uint8_t g;
  uint8_t b;
  uint8_t a;
};

// Row 0 is the top row; the file writers flip it for the bottom-up formats.
struct Canvas {
  int32_t width;
  int32_t height;
  Rgb* pixels;  // width * height, owned by the caller
};

constexpr Rgb MakeRgb(uint32_t hex) {
  return Rgb{static_cast<uint8_t>(hex >> 16), static_cast<uint8_t>(hex >> 8),
             static_cast<uint8_t>(hex)};
}

// Linear mix; t = 0 gives a, t = 1 gives b. Rounds to nearest so that drawing is reproducible.
Rgb Mix(Rgb a, Rgb b, float t);

Rgb PixelAt(const Canvas& canvas, int32_t x, int32_t y);
// Blends colour over the pixel with the given coverage in [0, 1]; points off the canvas are ignored.
void BlendPixel(Canvas& canvas, int32_t x, int32_t y, Rgb colour, float coverage);
void FillRect(Canvas& canvas, int32_t x, int32_t y, int32_t w, int32_t h, Rgb colour);

// Fills the canvas with a gradient running from `from` at the top-left corner to `to` at the
// bottom-right, the direction weighted by (dx, dy).
void FillGradient(Canvas& canvas, Rgb from, Rgb to, float dx, float dy);

// Rounded rectangle with anti-aliased edges (4 x 4 samples per pixel); the colour may vary from
// top to bottom.
void FillRoundRect(Canvas& canvas, float x, float y, float w, float h, float radius, Rgb top,
                   Rgb bottom);

// Anti-aliased straight stroke with round caps.
void StrokeLine(Canvas& canvas, float x0, float y0, float x1, float y1, float thickness,
                Rgb colour);
