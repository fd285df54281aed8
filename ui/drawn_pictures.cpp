#include "drawn_pictures.h"

#include <cstdint>

#include "artwork.h"
#include "resource.h"

namespace {

void* HeapBlock(size_t bytes) { return HeapAlloc(GetProcessHeap(), 0, bytes); }
void FreeHeapBlock(void* block) { HeapFree(GetProcessHeap(), 0, block); }

// A top-down DIB section of the given depth; bits receives where its rows are.
HBITMAP MakeDib(int32_t width, int32_t height, WORD bitCount, uint8_t** bits) {
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = bitCount;
  info.bmiHeader.biCompression = BI_RGB;
  void* rows = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &rows, nullptr, 0);
  *bits = static_cast<uint8_t*>(rows);
  return bitmap;
}

bool InResource(int side) {
  if (side == kIconSide) return true;
  for (const int32_t added : kIconAlphaSides)
    if (side == added) return true;
  return false;
}

// Where the icon shows through: set in the mask, for systems that draw the mask rather than
// the alpha (Windows XP at fewer than 32 bits a pixel).
HBITMAP MakeMask(const Rgba* pixels, int side) {
  const int stride = (side + 15) / 16 * 2;
  auto* rows = static_cast<uint8_t*>(HeapBlock(static_cast<size_t>(stride) * side));
  if (rows == nullptr) return nullptr;
  for (int y = 0; y < side; ++y) {
    for (int x = 0; x < side; ++x) {
      uint8_t& byte = rows[y * stride + x / 8];
      const auto bit = static_cast<uint8_t>(0x80u >> (x % 8));
      byte = static_cast<uint8_t>(pixels[y * side + x].a == 0 ? byte | bit : byte & ~bit);
    }
  }
  HBITMAP mask = CreateBitmap(side, side, 1, 1, rows);
  FreeHeapBlock(rows);
  return mask;
}

HICON DrawAppIcon(int side) {
  auto* pixels = static_cast<Rgba*>(HeapBlock(sizeof(Rgba) * side * side));
  if (pixels == nullptr) return nullptr;
  DrawIconRgba(side, pixels);
  uint8_t* bits = nullptr;
  HBITMAP colour = MakeDib(side, side, 32, &bits);
  HBITMAP mask = MakeMask(pixels, side);
  HICON icon = nullptr;
  if (colour != nullptr && mask != nullptr) {
    for (int i = 0; i < side * side; ++i) {
      const Rgba pixel = pixels[i];
      bits[4 * i + 0] = pixel.b;
      bits[4 * i + 1] = pixel.g;
      bits[4 * i + 2] = pixel.r;
      bits[4 * i + 3] = pixel.a;
    }
    ICONINFO parts = {TRUE, 0, 0, mask, colour};
    icon = CreateIconIndirect(&parts);
  }
  if (colour != nullptr) DeleteObject(colour);
  if (mask != nullptr) DeleteObject(mask);
  FreeHeapBlock(pixels);
  return icon;
}

}  // namespace

HBITMAP MakeBannerBitmap(UINT dpi) {
  const PictureSize size = BannerSizeAt(static_cast<int32_t>(dpi));
  const int32_t scale = DrawingScaleAt(static_cast<int32_t>(dpi));
  const size_t outPixels = static_cast<size_t>(size.width) * size.height;
  const bool drawnToSize = size.width == kBannerWidth * scale && size.height == kBannerHeight * scale;
  const size_t workPixels =
      drawnToSize ? 0 : static_cast<size_t>(kBannerWidth * scale) * (kBannerHeight * scale);
  auto* pixels = static_cast<Rgb*>(HeapBlock(sizeof(Rgb) * (outPixels + workPixels)));
  if (pixels == nullptr) return nullptr;
  Canvas out{size.width, size.height, pixels};
  DrawBannerAt(static_cast<int32_t>(dpi), out, drawnToSize ? nullptr : pixels + outPixels);
  uint8_t* bits = nullptr;
  HBITMAP bitmap = MakeDib(size.width, size.height, 24, &bits);
  if (bitmap != nullptr) {
    const int32_t stride = (size.width * 3 + 3) & ~3;
    for (int32_t y = 0; y < size.height; ++y) {
      for (int32_t x = 0; x < size.width; ++x) {
        const Rgb pixel = PixelAt(out, x, y);
        uint8_t* at = bits + y * stride + 3 * x;
        at[0] = pixel.b;
        at[1] = pixel.g;
        at[2] = pixel.r;
      }
    }
  }
  FreeHeapBlock(pixels);
  return bitmap;
}

HICON MakeAppIcon(int side) {
  if (InResource(side) || side < 1 || side > kIconAlphaMaxSide) {
    return static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_APP),
                                         IMAGE_ICON, side, side, LR_DEFAULTCOLOR));
  }
  return DrawAppIcon(side);
}
