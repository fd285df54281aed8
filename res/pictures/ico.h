// Writes an icon file: a 256-colour image first (ICONDIR entry, a DIB with its palette, the
// colour pixels and the AND mask), then any number of 32-bit images with straight alpha.
#pragma once

#include <cstdint>

#include "raster.h"

constexpr uint32_t kIcoDirSize = 6;
constexpr uint32_t kIcoEntrySize = 16;
constexpr uint32_t kIcoInfoSize = 40;
constexpr uint32_t kIcoPaletteEntries = 256;

// Colour rows are one byte per pixel and mask rows one bit per pixel, both padded to four bytes.
constexpr uint32_t IcoColourStride(int32_t side) { return (static_cast<uint32_t>(side) + 3u) & ~3u; }
constexpr uint32_t IcoMaskStride(int32_t side) { return ((static_cast<uint32_t>(side) + 31u) / 32u) * 4u; }

constexpr uint32_t IcoImageSize(int32_t side) {
  return kIcoInfoSize + kIcoPaletteEntries * 4u +
         (IcoColourStride(side) + IcoMaskStride(side)) * static_cast<uint32_t>(side);
}

constexpr uint32_t IcoAlphaImageSize(int32_t side) {
  return kIcoInfoSize + (4u * static_cast<uint32_t>(side) + IcoMaskStride(side)) * static_cast<uint32_t>(side);
}

// A file of the 256-colour image alone; each 32-bit image adds kIcoEntrySize + IcoAlphaImageSize.
constexpr uint32_t IcoFileSize(int32_t side) { return kIcoDirSize + kIcoEntrySize + IcoImageSize(side); }

// side * side pixels, rows top first, side at most 256.
struct IcoAlphaImage {
  int32_t side;
  const Rgba* pixels;
};

// canvas is the 256-colour image: square and at most 255 pixels wide; opaque holds one byte per
// pixel, non-zero where the icon is solid. Its transparent pixels take palette entry 0 (black),
// as the mask requires. The `count` alpha images follow it in the file in their order, each
// masked where its alpha is 0. Returns the number of bytes written, or 0 when out cannot hold
// the file, a side is out of range or the solid pixels use more than 255 distinct colours.
uint32_t WriteIco(const Canvas& canvas, const uint8_t* opaque, const IcoAlphaImage* alpha,
                  int32_t count, uint8_t* out, uint32_t capacity);

// One 32-bit image as it stands in an icon file (its DIB header, the colour rows and the
// mask), which is also the form Windows builds an icon from. Returns the number of bytes
// written, IcoAlphaImageSize(side), or 0 when out cannot hold it or the side is out of range.
uint32_t WriteIconImage32(const IcoAlphaImage& image, uint8_t* out, uint32_t capacity);
