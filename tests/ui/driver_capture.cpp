#include "driver_capture.h"

#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

bool WriteBmp(const char* path, const BITMAPINFOHEADER& info, const std::vector<uint8_t>& bits) {
  BITMAPFILEHEADER file = {};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof file + sizeof info;
  file.bfSize = file.bfOffBits + static_cast<DWORD>(bits.size());
  FILE* out = std::fopen(path, "wb");
  if (out == nullptr) return false;
  const bool written = std::fwrite(&file, sizeof file, 1, out) == 1 &&
                       std::fwrite(&info, sizeof info, 1, out) == 1 &&
                       std::fwrite(bits.data(), bits.size(), 1, out) == 1;
  return std::fclose(out) == 0 && written;
}

}  // namespace

bool SaveWindowPicture(HWND window, const char* path) {
  RECT r = {};
  GetWindowRect(window, &r);
  const int width = r.right - r.left;
  const int height = r.bottom - r.top;
  if (width <= 0 || height <= 0) return false;

  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP picture = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ previous = SelectObject(memory, picture);
  BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
  SelectObject(memory, previous);

  BITMAPINFOHEADER info = {};
  info.biSize = sizeof info;
  info.biWidth = width;
  info.biHeight = height;
  info.biPlanes = 1;
  info.biBitCount = 24;
  info.biCompression = BI_RGB;
  const size_t stride = (static_cast<size_t>(width) * 3 + 3) & ~size_t{3};
  std::vector<uint8_t> bits(stride * height);
  const int rows = GetDIBits(memory, picture, 0, height, bits.data(),
                             reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);

  DeleteObject(picture);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return rows == height && WriteBmp(path, info, bits);
}
