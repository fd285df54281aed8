#include <algorithm>

#include "artwork.h"
#include "emblem.h"

namespace {

// The raster code draws opaque colour only, so the mark is drawn twice, over black and over
// white; the difference between the two is what shows through, which gives the alpha. It is
// done a strip of columns at a time to bound the stack. Columns, because the mark snaps its
// bars to whole rows and that snapping must come out the same in every strip.
constexpr int32_t kStripPixels = 8 * kIconAlphaMaxSide;

constexpr Rgb kBlack = MakeRgb(0x000000);
constexpr Rgb kWhite = MakeRgb(0xFFFFFF);

uint8_t Unblend(uint8_t overBlack, int32_t alpha) {
  return static_cast<uint8_t>(std::min(255, (overBlack * 255 + alpha / 2) / alpha));
}

Rgba Solve(Rgb overBlack, Rgb overWhite) {
  const int32_t through = (overWhite.r - overBlack.r) + (overWhite.g - overBlack.g) +
                          (overWhite.b - overBlack.b);
  const int32_t alpha = std::max(0, std::min(255, 255 - (through + 1) / 3));
  if (alpha == 0) return Rgba{0, 0, 0, 0};
  return Rgba{Unblend(overBlack.r, alpha), Unblend(overBlack.g, alpha), Unblend(overBlack.b, alpha),
              static_cast<uint8_t>(alpha)};
}

}  // namespace

void DrawIconRgba(int32_t side, Rgba* pixels) {
  if (side <= 0 || side > kIconAlphaMaxSide) return;
  // A margin of a 32nd of the side, in whole pixels so that the tile's straight edges stay sharp.
  const float inset = static_cast<float>((side + 16) / 32);
  const float tile = static_cast<float>(side) - 2.0f * inset;
  const int32_t columns = std::min(side, kStripPixels / side);
  Rgb overBlack[kStripPixels];
  Rgb overWhite[kStripPixels];
  for (int32_t left = 0; left < side; left += columns) {
    const int32_t width = std::min(columns, side - left);
    Canvas black{width, side, overBlack};
    Canvas white{width, side, overWhite};
    FillRect(black, 0, 0, width, side, kBlack);
    FillRect(white, 0, 0, width, side, kWhite);
    DrawEmblem(black, inset - static_cast<float>(left), inset, tile);
    DrawEmblem(white, inset - static_cast<float>(left), inset, tile);
    for (int32_t y = 0; y < side; ++y) {
      for (int32_t x = 0; x < width; ++x) {
        pixels[y * side + left + x] = Solve(PixelAt(black, x, y), PixelAt(white, x, y));
      }
    }
  }
}
