// Draws the banner bitmap and the icon and writes them as banner.bmp and app.ico into the
// directory named on the command line.
#include <cstdio>

#include "picture_files.h"

namespace {

bool WriteFile(const char* dir, const char* name, const uint8_t* data, uint32_t size) {
  char path[4096] = {};
  if (std::snprintf(path, sizeof path, "%s/%s", dir, name) >= static_cast<int>(sizeof path)) return false;
  std::FILE* file = std::fopen(path, "wb");
  if (file == nullptr) return false;
  const bool written = std::fwrite(data, 1, size, file) == size;
  return std::fclose(file) == 0 && written;
}

bool MakeBanner(const char* dir) {
  uint8_t file[kBannerFileSize] = {};
  const uint32_t size = MakeBannerFile(file, sizeof file);
  return size != 0 && WriteFile(dir, "banner.bmp", file, size);
}

bool MakeIcon(const char* dir) {
  uint8_t file[AppIconFileSize()] = {};
  const uint32_t size = MakeAppIconFile(file, sizeof file);
  return size != 0 && WriteFile(dir, "app.ico", file, size);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <output directory>\n", argv[0]);
    return 2;
  }
  if (!MakeBanner(argv[1])) {
    std::fprintf(stderr, "make_pictures: cannot write banner.bmp in %s\n", argv[1]);
    return 1;
  }
  if (!MakeIcon(argv[1])) {
    std::fprintf(stderr, "make_pictures: cannot write app.ico in %s\n", argv[1]);
    return 1;
  }
  return 0;
}
