#include "ico.h"

#include <cstring>

#include "le_bytes.h"

namespace {

struct Palette {
  Rgb colours[kIcoPaletteEntries];
  uint32_t count;
};

// Index of the colour, added when new; -1 when the palette is full.
int32_t PaletteIndex(Palette& palette, Rgb colour) {
  for (uint32_t i = 0; i < palette.count; ++i) {
    const Rgb& c = palette.colours[i];
    if (c.r == colour.r && c.g == colour.g && c.b == colour.b) return static_cast<int32_t>(i);
  }
  if (palette.count == kIcoPaletteEntries) return -1;
  palette.colours[palette.count] = colour;
  return static_cast<int32_t>(palette.count++);
}

}  // namespace

uint32_t WriteIco8(const Canvas& canvas, const uint8_t* opaque, uint8_t* out, uint32_t capacity) {
  const int32_t side = canvas.width;
  if (side != canvas.height || side <= 0 || side > 255) return 0;
  const uint32_t size = IcoFileSize(side);
  if (capacity < size) return 0;
  std::memset(out, 0, size);

  Palette palette{};
  PaletteIndex(palette, Rgb{0, 0, 0});

  PutU16(out + 2, 1);  // type: icon
  PutU16(out + 4, 1);  // one image
  uint8_t* entry = out + kIcoDirSize;
  entry[0] = static_cast<uint8_t>(side);
  entry[1] = static_cast<uint8_t>(side);
  entry[2] = 0;  // 256 colours are written as 0
  PutU16(entry + 4, 1);
  PutU16(entry + 6, 8);
  PutU32(entry + 8, IcoImageSize(side));
  PutU32(entry + 12, kIcoDirSize + kIcoEntrySize);

  uint8_t* info = entry + kIcoEntrySize;
  PutU32(info + 0, 40);
  PutU32(info + 4, static_cast<uint32_t>(side));
  PutU32(info + 8, static_cast<uint32_t>(2 * side));  // colour rows and mask rows together
  PutU16(info + 12, 1);
  PutU16(info + 14, 8);
  PutU32(info + 20, (IcoColourStride(side) + IcoMaskStride(side)) * static_cast<uint32_t>(side));
  PutU32(info + 32, kIcoPaletteEntries);

  uint8_t* colours = info + 40 + kIcoPaletteEntries * 4;
  uint8_t* mask = colours + IcoColourStride(side) * static_cast<uint32_t>(side);
  for (int32_t y = 0; y < side; ++y) {
    const uint32_t row = static_cast<uint32_t>(side - 1 - y);  // bottom-up
    for (int32_t x = 0; x < side; ++x) {
      if (opaque[y * side + x] == 0) {
        mask[row * IcoMaskStride(side) + x / 8] |= static_cast<uint8_t>(0x80u >> (x % 8));
        continue;
      }
      const int32_t index = PaletteIndex(palette, PixelAt(canvas, x, y));
      if (index < 0) return 0;
      colours[row * IcoColourStride(side) + static_cast<uint32_t>(x)] = static_cast<uint8_t>(index);
    }
  }

  uint8_t* quads = info + 40;
  for (uint32_t i = 0; i < palette.count; ++i) {
    quads[4 * i + 0] = palette.colours[i].b;
    quads[4 * i + 1] = palette.colours[i].g;
    quads[4 * i + 2] = palette.colours[i].r;
  }
  return size;
}
