#include "reduce.h"

namespace {

// Along one axis, target pixel i spans [i * from, (i + 1) * from) and source pixel j spans
// [j * to, (j + 1) * to) in units of 1 / (from * to) of the whole length, so every overlap
// is a whole number and the weights of one target pixel add up to exactly `from`.
struct Span {
  int32_t first;  // first source pixel under the target pixel
  int32_t last;   // last one
};

Span SourceSpan(int32_t i, int32_t from, int32_t to) {
  const int64_t start = static_cast<int64_t>(i) * from;
  const int64_t end = start + from;
  return Span{static_cast<int32_t>(start / to), static_cast<int32_t>((end - 1) / to)};
}

int64_t Overlap(int32_t i, int32_t j, int32_t from, int32_t to) {
  const int64_t lo = static_cast<int64_t>(i) * from;
  const int64_t hi = lo + from;
  const int64_t jlo = static_cast<int64_t>(j) * to;
  const int64_t jhi = jlo + to;
  return (hi < jhi ? hi : jhi) - (lo > jlo ? lo : jlo);
}

}  // namespace

void ReduceArea(const Canvas& from, Canvas& to) {
  const uint64_t total = static_cast<uint64_t>(from.width) * static_cast<uint64_t>(from.height);
  for (int32_t y = 0; y < to.height; ++y) {
    const Span rows = SourceSpan(y, from.height, to.height);
    for (int32_t x = 0; x < to.width; ++x) {
      const Span cols = SourceSpan(x, from.width, to.width);
      uint64_t r = total / 2;  // rounds half up
      uint64_t g = total / 2;
      uint64_t b = total / 2;
      for (int32_t sy = rows.first; sy <= rows.last; ++sy) {
        const uint64_t wy = static_cast<uint64_t>(Overlap(y, sy, from.height, to.height));
        for (int32_t sx = cols.first; sx <= cols.last; ++sx) {
          const uint64_t w = wy * static_cast<uint64_t>(Overlap(x, sx, from.width, to.width));
          const Rgb pixel = PixelAt(from, sx, sy);
          r += w * pixel.r;
          g += w * pixel.g;
          b += w * pixel.b;
        }
      }
      to.pixels[y * to.width + x] = Rgb{static_cast<uint8_t>(r / total), static_cast<uint8_t>(g / total),
                                        static_cast<uint8_t>(b / total)};
    }
  }
}
