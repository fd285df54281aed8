#include <cmath>

#include "artwork.h"
#include "emblem.h"

namespace {

// A 256-colour icon has no partial transparency, so the tile's edge pixels are blended towards
// a deep blue instead: on light and dark backgrounds alike they read as a thin rim, not a halo.
constexpr Rgb kMatte = MakeRgb(0x0B1F3A);
constexpr float kInset = 1.0f;
constexpr float kSide = kIconSide - 2 * kInset;

bool InsideTile(int32_t x, int32_t y) {
  const float r = EmblemRadius(kSide);
  const float px = x + 0.5f - kInset;
  const float py = y + 0.5f - kInset;
  if (px < 0.0f || py < 0.0f || px > kSide || py > kSide) return false;
  const float cx = std::fmin(std::fmax(px, r), kSide - r);
  const float cy = std::fmin(std::fmax(py, r), kSide - r);
  return (px - cx) * (px - cx) + (py - cy) * (py - cy) <= (r + 0.35f) * (r + 0.35f);
}

}  // namespace

void DrawIcon(Canvas& canvas, uint8_t* opaque) {
  FillRect(canvas, 0, 0, canvas.width, canvas.height, kMatte);
  DrawEmblem(canvas, kInset, kInset, kSide);
  for (int32_t y = 0; y < canvas.height; ++y) {
    for (int32_t x = 0; x < canvas.width; ++x) opaque[y * canvas.width + x] = InsideTile(x, y) ? 1 : 0;
  }
}
