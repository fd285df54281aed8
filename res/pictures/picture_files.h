// The two files the resource script embeds, drawn and encoded: the banner bitmap and the icon.
#pragma once

#include <cstdint>

#include "artwork.h"
#include "bmp.h"
#include "ico.h"

constexpr uint32_t kBannerFileSize = BmpFileSize(kBannerWidth, kBannerHeight);

constexpr uint32_t AppIconFileSize() {
  uint32_t size = IcoFileSize(kIconSide);
  for (const int32_t side : kIconAlphaSides) size += kIcoEntrySize + IcoAlphaImageSize(side);
  return size;
}

// Both return the number of bytes written, or 0 when out cannot hold the file.
uint32_t MakeBannerFile(uint8_t* out, uint32_t capacity);
// The 256-colour icon comes first, so that the resource compiler keeps numbering it image 1;
// the 32-bit images follow in the order of kIconAlphaSides.
uint32_t MakeAppIconFile(uint8_t* out, uint32_t capacity);
