// Writes a canvas as a one-image 256-colour icon file (ICONDIR, one entry, a DIB with its
// palette, the colour pixels and the AND mask).
#pragma once

#include <cstdint>

#include "raster.h"

constexpr uint32_t kIcoDirSize = 6;
constexpr uint32_t kIcoEntrySize = 16;
constexpr uint32_t kIcoPaletteEntries = 256;

// Colour rows are one byte per pixel and mask rows one bit per pixel, both padded to four bytes.
constexpr uint32_t IcoColourStride(int32_t side) { return (static_cast<uint32_t>(side) + 3u) & ~3u; }
constexpr uint32_t IcoMaskStride(int32_t side) { return ((static_cast<uint32_t>(side) + 31u) / 32u) * 4u; }

constexpr uint32_t IcoImageSize(int32_t side) {
  return 40u + kIcoPaletteEntries * 4u +
         (IcoColourStride(side) + IcoMaskStride(side)) * static_cast<uint32_t>(side);
}

constexpr uint32_t IcoFileSize(int32_t side) { return kIcoDirSize + kIcoEntrySize + IcoImageSize(side); }

// canvas must be square and at most 255 pixels wide; opaque holds one byte per pixel, non-zero
// where the icon is solid. Transparent pixels take palette entry 0 (black), as the mask
// requires. Returns the number of bytes written, or 0 when out cannot hold the file or the
// solid pixels use more than 255 distinct colours.
uint32_t WriteIco8(const Canvas& canvas, const uint8_t* opaque, uint8_t* out, uint32_t capacity);
