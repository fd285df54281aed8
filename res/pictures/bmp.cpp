#include "bmp.h"

#include <cstring>

#include "le_bytes.h"

uint32_t WriteBmp24(const Canvas& canvas, uint8_t* out, uint32_t capacity) {
  const uint32_t size = BmpFileSize(canvas.width, canvas.height);
  if (capacity < size) return 0;
  std::memset(out, 0, size);
  const uint32_t stride = BmpRowStride(canvas.width);
  const uint32_t offBits = kBmpFileHeaderSize + kBmpInfoHeaderSize;

  out[0] = 'B';
  out[1] = 'M';
  PutU32(out + 2, size);
  PutU32(out + 10, offBits);

  uint8_t* info = out + kBmpFileHeaderSize;
  PutU32(info + 0, kBmpInfoHeaderSize);
  PutU32(info + 4, static_cast<uint32_t>(canvas.width));
  PutU32(info + 8, static_cast<uint32_t>(canvas.height));  // positive: bottom-up rows
  PutU16(info + 12, 1);                                      // planes
  PutU16(info + 14, 24);                                     // bits per pixel
  PutU32(info + 16, 0);                                      // BI_RGB
  PutU32(info + 20, stride * static_cast<uint32_t>(canvas.height));
  PutU32(info + 24, static_cast<uint32_t>(kBmpPixelsPerMetre));
  PutU32(info + 28, static_cast<uint32_t>(kBmpPixelsPerMetre));

  for (int32_t y = 0; y < canvas.height; ++y) {
    uint8_t* row = out + offBits + stride * static_cast<uint32_t>(canvas.height - 1 - y);
    for (int32_t x = 0; x < canvas.width; ++x) {
      const Rgb pixel = PixelAt(canvas, x, y);
      row[3 * x + 0] = pixel.b;
      row[3 * x + 1] = pixel.g;
      row[3 * x + 2] = pixel.r;
    }
  }
  return size;
}
