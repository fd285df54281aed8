#include "picture_files.h"

namespace {

constexpr int32_t kAlphaCount = sizeof kIconAlphaSides / sizeof kIconAlphaSides[0];

constexpr int32_t AlphaPixels() {
  int32_t pixels = 0;
  for (const int32_t side : kIconAlphaSides) pixels += side * side;
  return pixels;
}

}  // namespace

uint32_t MakeBannerFile(uint8_t* out, uint32_t capacity) {
  Rgb pixels[kBannerWidth * kBannerHeight] = {};
  Canvas canvas{kBannerWidth, kBannerHeight, pixels};
  DrawBanner(canvas, 1);
  return WriteBmp24(canvas, out, capacity);
}

uint32_t MakeAppIconFile(uint8_t* out, uint32_t capacity) {
  Rgb pixels[kIconSide * kIconSide] = {};
  uint8_t opaque[kIconSide * kIconSide] = {};
  Canvas canvas{kIconSide, kIconSide, pixels};
  DrawIcon(canvas, opaque);

  Rgba alphaPixels[AlphaPixels()];
  IcoAlphaImage images[kAlphaCount];
  Rgba* next = alphaPixels;
  for (int32_t i = 0; i < kAlphaCount; ++i) {
    const int32_t side = kIconAlphaSides[i];
    DrawIconRgba(side, next);
    images[i] = IcoAlphaImage{side, next};
    next += side * side;
  }
  return WriteIco(canvas, opaque, images, kAlphaCount, out, capacity);
}
