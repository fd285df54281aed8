#include "drawn_pictures.h"

#include <cstdint>
#include <cstring>

#include "artwork.h"
#include "bmp.h"
#include "ico.h"
#include "resource.h"

namespace {

void* HeapBlock(size_t bytes) { return HeapAlloc(GetProcessHeap(), 0, bytes); }
void FreeHeapBlock(void* block) { HeapFree(GetProcessHeap(), 0, block); }

bool InResource(int side) {
  if (side == kIconSide) return true;
  for (const int32_t added : kIconAlphaSides)
    if (side == added) return true;
  return false;
}

// The picture passes through the icon file's own form of an image, which Windows takes as it
// takes a resource's.
HICON DrawAppIcon(int side) {
  const uint32_t imageBytes = IcoAlphaImageSize(side);
  auto* pixels = static_cast<Rgba*>(HeapBlock(sizeof(Rgba) * side * side + imageBytes));
  if (pixels == nullptr) return nullptr;
  auto* image = reinterpret_cast<uint8_t*>(pixels + side * side);
  DrawIconRgba(side, pixels);
  HICON icon = nullptr;
  if (WriteIconImage32(IcoAlphaImage{side, pixels}, image, imageBytes) == imageBytes)
    icon = CreateIconFromResourceEx(image, imageBytes, TRUE, 0x00030000, side, side,
                                    LR_DEFAULTCOLOR);
  FreeHeapBlock(pixels);
  return icon;
}

// The picture passes through the banner file's own form, whose header and rows are a DIB's.
HBITMAP BitmapOf(const Canvas& canvas, uint8_t* file, uint32_t fileBytes) {
  if (WriteBmp24(canvas, file, fileBytes) != fileBytes) return nullptr;
  // Copied out: in the file the header does not stand on a four-byte boundary.
  BITMAPINFO info = {};
  std::memcpy(&info.bmiHeader, file + kBmpFileHeaderSize, sizeof info.bmiHeader);
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (bitmap != nullptr)
    std::memcpy(bits, file + kBmpFileHeaderSize + kBmpInfoHeaderSize, info.bmiHeader.biSizeImage);
  return bitmap;
}

}  // namespace

HBITMAP MakeBannerBitmap(UINT dpi) {
  const PictureSize size = BannerSizeAt(static_cast<int32_t>(dpi));
  const int32_t scale = DrawingScaleAt(static_cast<int32_t>(dpi));
  const size_t outPixels = static_cast<size_t>(size.width) * size.height;
  const bool drawnToSize = size.width == kBannerWidth * scale && size.height == kBannerHeight * scale;
  const size_t workPixels =
      drawnToSize ? 0 : static_cast<size_t>(kBannerWidth * scale) * (kBannerHeight * scale);
  const uint32_t fileBytes = BmpFileSize(size.width, size.height);
  auto* pixels = static_cast<Rgb*>(HeapBlock(sizeof(Rgb) * (outPixels + workPixels) + fileBytes));
  if (pixels == nullptr) return nullptr;
  Canvas out{size.width, size.height, pixels};
  DrawBannerAt(static_cast<int32_t>(dpi), out, drawnToSize ? nullptr : pixels + outPixels);
  HBITMAP bitmap =
      BitmapOf(out, reinterpret_cast<uint8_t*>(pixels + outPixels + workPixels), fileBytes);
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
