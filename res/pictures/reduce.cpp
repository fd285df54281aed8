#include "reduce.h"

#include <algorithm>

// Along each axis the length is counted in units of 1 / (from * to) of it: a target pixel is
// `from` units long and a source pixel `to` units, so every overlap is a whole number and the
// weights of a target pixel add up to exactly from.width * from.height.
void ReduceArea(const Canvas& from, Canvas& to) {
  const uint32_t total = static_cast<uint32_t>(from.width) * static_cast<uint32_t>(from.height);
  for (int32_t y = 0; y < to.height; ++y) {
    const int32_t top = y * from.height;
    const int32_t bottom = top + from.height;
    for (int32_t x = 0; x < to.width; ++x) {
      const int32_t left = x * from.width;
      const int32_t right = left + from.width;
      uint32_t r = total / 2;  // rounds half up
      uint32_t g = total / 2;
      uint32_t b = total / 2;
      for (int32_t sy = top / to.height; sy * to.height < bottom; ++sy) {
        const int32_t high = std::min(bottom, (sy + 1) * to.height) - std::max(top, sy * to.height);
        for (int32_t sx = left / to.width; sx * to.width < right; ++sx) {
          const int32_t wide = std::min(right, (sx + 1) * to.width) - std::max(left, sx * to.width);
          const uint32_t weight = static_cast<uint32_t>(high * wide);
          const Rgb pixel = PixelAt(from, sx, sy);
          r += weight * pixel.r;
          g += weight * pixel.g;
          b += weight * pixel.b;
        }
      }
      to.pixels[y * to.width + x] = Rgb{static_cast<uint8_t>(r / total), static_cast<uint8_t>(g / total),
                                        static_cast<uint8_t>(b / total)};
    }
  }
}
