// Writes a canvas as a 24-bit uncompressed BMP file (BITMAPFILEHEADER + BITMAPINFOHEADER + rows).
#pragma once

#include <cstdint>

#include "raster.h"

constexpr uint32_t kBmpFileHeaderSize = 14;
constexpr uint32_t kBmpInfoHeaderSize = 40;
// 2880 pixels per metre is the 72 dots per inch that paint programs of the time wrote.
constexpr int32_t kBmpPixelsPerMetre = 2880;

// Rows are padded to a multiple of four bytes.
constexpr uint32_t BmpRowStride(int32_t width) {
  return (static_cast<uint32_t>(width) * 3u + 3u) & ~3u;
}

constexpr uint32_t BmpFileSize(int32_t width, int32_t height) {
  return kBmpFileHeaderSize + kBmpInfoHeaderSize + BmpRowStride(width) * static_cast<uint32_t>(height);
}

// Returns the number of bytes written, or 0 when out cannot hold the file.
uint32_t WriteBmp24(const Canvas& canvas, uint8_t* out, uint32_t capacity);
