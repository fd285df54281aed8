#include "raster.h"

#include <cmath>

namespace {

constexpr int32_t kSamples = 4;  // per axis, for edge coverage

float Clamp01(float v) { return v < 0.0f ? 0.0f : (v > 1.0f ? 1.0f : v); }

// A whole-pixel bound of a shape's loop, cut to the canvas: a picture drawn in strips draws
// every shape into every strip, and most of each shape lies outside any one of them.
int32_t Clip(float edge, int32_t limit) {
  return edge < 0.0f ? 0 : (edge > limit ? limit : static_cast<int32_t>(edge));
}

uint8_t MixChannel(uint8_t a, uint8_t b, float t) {
  return static_cast<uint8_t>(std::lround(a + (b - a) * t));
}

// Inside test of a rounded rectangle at a sample point.
bool InRoundRect(float px, float py, float x, float y, float w, float h, float radius) {
  if (px < x || py < y || px > x + w || py > y + h) return false;
  const float cx = px < x + radius ? x + radius : (px > x + w - radius ? x + w - radius : px);
  const float cy = py < y + radius ? y + radius : (py > y + h - radius ? y + h - radius : py);
  const float ex = px - cx;
  const float ey = py - cy;
  return ex * ex + ey * ey <= radius * radius;
}

float DistanceToSegment(float px, float py, float x0, float y0, float x1, float y1) {
  const float vx = x1 - x0;
  const float vy = y1 - y0;
  const float len2 = vx * vx + vy * vy;
  const float t = len2 > 0.0f ? Clamp01(((px - x0) * vx + (py - y0) * vy) / len2) : 0.0f;
  const float ex = px - (x0 + t * vx);
  const float ey = py - (y0 + t * vy);
  return std::sqrt(ex * ex + ey * ey);
}

}  // namespace

Rgb Mix(Rgb a, Rgb b, float t) {
  t = Clamp01(t);
  return Rgb{MixChannel(a.r, b.r, t), MixChannel(a.g, b.g, t), MixChannel(a.b, b.b, t)};
}

Rgb PixelAt(const Canvas& canvas, int32_t x, int32_t y) {
  return canvas.pixels[y * canvas.width + x];
}

void BlendPixel(Canvas& canvas, int32_t x, int32_t y, Rgb colour, float coverage) {
  if (x < 0 || y < 0 || x >= canvas.width || y >= canvas.height || coverage <= 0.0f) return;
  Rgb& pixel = canvas.pixels[y * canvas.width + x];
  pixel = Mix(pixel, colour, coverage);
}

void FillRect(Canvas& canvas, int32_t x, int32_t y, int32_t w, int32_t h, Rgb colour) {
  for (int32_t row = y; row < y + h; ++row) {
    for (int32_t col = x; col < x + w; ++col) BlendPixel(canvas, col, row, colour, 1.0f);
  }
}

void FillGradient(Canvas& canvas, Rgb from, Rgb to, float dx, float dy) {
  const float span = dx * (canvas.width - 1) + dy * (canvas.height - 1);
  for (int32_t y = 0; y < canvas.height; ++y) {
    for (int32_t x = 0; x < canvas.width; ++x) {
      const float t = span > 0.0f ? (dx * x + dy * y) / span : 0.0f;
      canvas.pixels[y * canvas.width + x] = Mix(from, to, t);
    }
  }
}

void FillRoundRect(Canvas& canvas, float x, float y, float w, float h, float radius, Rgb top,
                   Rgb bottom) {
  const int32_t x0 = Clip(std::floor(x), canvas.width);
  const int32_t y0 = Clip(std::floor(y), canvas.height);
  const int32_t x1 = Clip(std::ceil(x + w), canvas.width);
  const int32_t y1 = Clip(std::ceil(y + h), canvas.height);
  for (int32_t py = y0; py < y1; ++py) {
    const Rgb colour = Mix(top, bottom, h > 1.0f ? (py + 0.5f - y) / h : 0.0f);
    for (int32_t px = x0; px < x1; ++px) {
      int32_t inside = 0;
      for (int32_t sy = 0; sy < kSamples; ++sy) {
        for (int32_t sx = 0; sx < kSamples; ++sx) {
          const float fx = px + (sx + 0.5f) / kSamples;
          const float fy = py + (sy + 0.5f) / kSamples;
          inside += InRoundRect(fx, fy, x, y, w, h, radius) ? 1 : 0;
        }
      }
      BlendPixel(canvas, px, py, colour, static_cast<float>(inside) / (kSamples * kSamples));
    }
  }
}

void StrokeLine(Canvas& canvas, float x0, float y0, float x1, float y1, float thickness,
                Rgb colour) {
  const float half = thickness / 2.0f;
  const int32_t left = Clip(std::floor(std::fmin(x0, x1) - half), canvas.width);
  const int32_t right = Clip(std::ceil(std::fmax(x0, x1) + half), canvas.width);
  const int32_t top = Clip(std::floor(std::fmin(y0, y1) - half), canvas.height);
  const int32_t bottom = Clip(std::ceil(std::fmax(y0, y1) + half), canvas.height);
  for (int32_t py = top; py < bottom; ++py) {
    for (int32_t px = left; px < right; ++px) {
      int32_t inside = 0;
      for (int32_t sy = 0; sy < kSamples; ++sy) {
        for (int32_t sx = 0; sx < kSamples; ++sx) {
          const float fx = px + (sx + 0.5f) / kSamples;
          const float fy = py + (sy + 0.5f) / kSamples;
          inside += DistanceToSegment(fx, fy, x0, y0, x1, y1) <= half ? 1 : 0;
        }
      }
      BlendPixel(canvas, px, py, colour, static_cast<float>(inside) / (kSamples * kSamples));
    }
  }
}
