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

void PutEntry(uint8_t* entry, int32_t side, uint16_t bits, uint32_t size, uint32_t offset) {
  entry[0] = static_cast<uint8_t>(side);  // 256 is written as 0
  entry[1] = static_cast<uint8_t>(side);
  entry[2] = 0;  // no palette, or 256 colours, which are also written as 0
  PutU16(entry + 4, 1);
  PutU16(entry + 6, bits);
  PutU32(entry + 8, size);
  PutU32(entry + 12, offset);
}

// The DIB header of an icon image: its height counts the colour rows and the mask rows together.
void PutInfo(uint8_t* info, int32_t side, uint16_t bits, uint32_t pixelBytes) {
  PutU32(info + 0, kIcoInfoSize);
  PutU32(info + 4, static_cast<uint32_t>(side));
  PutU32(info + 8, static_cast<uint32_t>(2 * side));
  PutU16(info + 12, 1);
  PutU16(info + 14, bits);
  PutU32(info + 20, pixelBytes);
}

void Mask(uint8_t* mask, int32_t side, int32_t x, uint32_t row) {
  mask[row * IcoMaskStride(side) + static_cast<uint32_t>(x) / 8] |= static_cast<uint8_t>(0x80u >> (x % 8));
}

bool PutImage8(uint8_t* info, const Canvas& canvas, const uint8_t* opaque) {
  const int32_t side = canvas.width;
  PutInfo(info, side, 8, (IcoColourStride(side) + IcoMaskStride(side)) * static_cast<uint32_t>(side));
  PutU32(info + 32, kIcoPaletteEntries);

  Palette palette{};
  PaletteIndex(palette, Rgb{0, 0, 0});
  uint8_t* colours = info + kIcoInfoSize + kIcoPaletteEntries * 4;
  uint8_t* mask = colours + IcoColourStride(side) * static_cast<uint32_t>(side);
  for (int32_t y = 0; y < side; ++y) {
    const uint32_t row = static_cast<uint32_t>(side - 1 - y);  // bottom-up
    for (int32_t x = 0; x < side; ++x) {
      if (opaque[y * side + x] == 0) {
        Mask(mask, side, x, row);
        continue;
      }
      const int32_t index = PaletteIndex(palette, PixelAt(canvas, x, y));
      if (index < 0) return false;
      colours[row * IcoColourStride(side) + static_cast<uint32_t>(x)] = static_cast<uint8_t>(index);
    }
  }

  uint8_t* quads = info + kIcoInfoSize;
  for (uint32_t i = 0; i < palette.count; ++i) {
    quads[4 * i + 0] = palette.colours[i].b;
    quads[4 * i + 1] = palette.colours[i].g;
    quads[4 * i + 2] = palette.colours[i].r;
  }
  return true;
}

void PutImage32(uint8_t* info, const IcoAlphaImage& image) {
  const int32_t side = image.side;
  const uint32_t stride = 4u * static_cast<uint32_t>(side);
  PutInfo(info, side, 32, IcoAlphaImageSize(side) - kIcoInfoSize);
  uint8_t* colours = info + kIcoInfoSize;
  uint8_t* mask = colours + stride * static_cast<uint32_t>(side);
  for (int32_t y = 0; y < side; ++y) {
    const uint32_t row = static_cast<uint32_t>(side - 1 - y);
    for (int32_t x = 0; x < side; ++x) {
      const Rgba pixel = image.pixels[y * side + x];
      uint8_t* bgra = colours + row * stride + 4u * static_cast<uint32_t>(x);
      bgra[0] = pixel.b;
      bgra[1] = pixel.g;
      bgra[2] = pixel.r;
      bgra[3] = pixel.a;
      if (pixel.a == 0) Mask(mask, side, x, row);
    }
  }
}

}  // namespace

uint32_t WriteIconImage32(const IcoAlphaImage& image, uint8_t* out, uint32_t capacity) {
  if (image.side <= 0 || image.side > 256) return 0;
  const uint32_t size = IcoAlphaImageSize(image.side);
  if (capacity < size) return 0;
  std::memset(out, 0, size);
  PutImage32(out, image);
  return size;
}

uint32_t WriteIco(const Canvas& canvas, const uint8_t* opaque, const IcoAlphaImage* alpha,
                  int32_t count, uint8_t* out, uint32_t capacity) {
  const int32_t side = canvas.width;
  if (side != canvas.height || side <= 0 || side > 255 || count < 0 || count >= 0xFFFF) return 0;
  uint64_t total = IcoFileSize(side);
  for (int32_t i = 0; i < count; ++i) {
    if (alpha[i].side <= 0 || alpha[i].side > 256) return 0;
    total += kIcoEntrySize + IcoAlphaImageSize(alpha[i].side);
  }
  if (capacity < total) return 0;
  const uint32_t size = static_cast<uint32_t>(total);
  std::memset(out, 0, size);

  PutU16(out + 2, 1);  // type: icon
  PutU16(out + 4, static_cast<uint16_t>(1 + count));
  uint8_t* entry = out + kIcoDirSize;
  uint32_t offset = kIcoDirSize + kIcoEntrySize * static_cast<uint32_t>(1 + count);
  PutEntry(entry, side, 8, IcoImageSize(side), offset);
  if (!PutImage8(out + offset, canvas, opaque)) return 0;
  offset += IcoImageSize(side);
  for (int32_t i = 0; i < count; ++i) {
    entry += kIcoEntrySize;
    PutEntry(entry, alpha[i].side, 32, IcoAlphaImageSize(alpha[i].side), offset);
    PutImage32(out + offset, alpha[i]);
    offset += IcoAlphaImageSize(alpha[i].side);
  }
  return size;
}
