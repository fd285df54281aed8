// The picture files as Windows reads them (BMP and ICO headers, row order, colour order, the
// icon's palette, mask and alpha), the banner at each screen's DPI, and its lettering.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "artwork.h"
#include "bmp.h"
#include "glyphs.h"
#include "ico.h"
#include "le_bytes.h"
#include "picture_files.h"
#include "reduce.h"

namespace {

constexpr Rgb kRed{0xFF, 0x00, 0x00};
constexpr Rgb kGreen{0x00, 0xC0, 0x00};
constexpr Rgb kBlue{0x00, 0x00, 0xFF};

// FNV-1a, to pin pictures that must not change by a single bit.
uint32_t Fingerprint(const uint8_t* data, uint32_t size) {
  uint32_t hash = 2166136261u;
  for (uint32_t i = 0; i < size; ++i) hash = (hash ^ data[i]) * 16777619u;
  return hash;
}

TEST(BannerBitmap, HeaderIsA24BitUncompressedDibOfTheBannerSize) {
  static uint8_t file[kBannerFileSize];
  const uint32_t size = MakeBannerFile(file, sizeof file);

  ASSERT_EQ(size, 14u + 40u + 764u * 78u);  // 254 * 3 = 762 bytes, padded to 764
  EXPECT_EQ(file[0], 'B');
  EXPECT_EQ(file[1], 'M');
  EXPECT_EQ(GetU32(file + 2), size);
  EXPECT_EQ(GetU32(file + 10), 54u);
  const uint8_t* info = file + 14;
  EXPECT_EQ(GetU32(info + 0), 40u);
  EXPECT_EQ(GetU32(info + 4), 254u);
  EXPECT_EQ(GetU32(info + 8), 78u);
  EXPECT_EQ(GetU16(info + 12), 1u);
  EXPECT_EQ(GetU16(info + 14), 24u);
  EXPECT_EQ(GetU32(info + 16), 0u);  // BI_RGB
  EXPECT_EQ(GetU32(info + 20), 764u * 78u);
  EXPECT_EQ(GetU32(info + 24), 2880u);
  EXPECT_EQ(GetU32(info + 28), 2880u);
  EXPECT_EQ(GetU32(info + 32), 0u);  // no palette
  EXPECT_EQ(Fingerprint(file, size), 0x8A19FCD7u) << "the 96-DPI banner is not the one it has always been";
}

TEST(BannerBitmap, RowsAreBottomUpBlueGreenRedAndPadded) {
  Rgb pixels[3 * 2] = {kRed, kGreen, kBlue, kBlue, kBlue, kBlue};
  Canvas canvas{3, 2, pixels};
  uint8_t file[BmpFileSize(3, 2) + 8] = {};
  ASSERT_EQ(WriteBmp24(canvas, file, sizeof file), 54u + 2u * 12u);

  const uint8_t* bottom = file + 54;
  const uint8_t* top = bottom + 12;
  EXPECT_EQ(bottom[0], 0xFF);  // blue first
  EXPECT_EQ(bottom[2], 0x00);
  EXPECT_EQ(top[0], 0x00);
  EXPECT_EQ(top[2], 0xFF);   // the red top-left pixel
  EXPECT_EQ(top[4], 0xC0);   // green
  EXPECT_EQ(top[9], 0x00);   // padding
  EXPECT_EQ(WriteBmp24(canvas, file, BmpFileSize(3, 2) - 1), 0u);
}

// Each Windows DPI gets a banner of its own size, and every such banner is the 96-DPI picture
// with finer detail: box-filtered back down, it differs from that picture only at edges.
TEST(BannerBitmap, AtEveryWindowsDpiTheSamePictureInItsOwnSize) {
  constexpr struct { int32_t dpi, width, height, scale; } kScreens[] = {
      {96, 254, 78, 1},   {120, 318, 98, 2},  {144, 381, 117, 2}, {168, 445, 137, 2},
      {192, 508, 156, 2}, {240, 635, 195, 3}, {288, 762, 234, 3}};
  std::vector<Rgb> at96(kBannerWidth * kBannerHeight);
  Canvas reference{kBannerWidth, kBannerHeight, at96.data()};
  DrawBanner(reference, 1);
  for (const auto& screen : kScreens) {
    SCOPED_TRACE(testing::Message() << screen.dpi << " DPI");
    const PictureSize size = BannerSizeAt(screen.dpi);
    ASSERT_EQ(size.width, screen.width);
    ASSERT_EQ(size.height, screen.height);
    ASSERT_EQ(DrawingScaleAt(screen.dpi), screen.scale);
    // Sized exactly, so that the sanitizers see any stray write.
    std::vector<Rgb> out(size.width * size.height);
    std::vector<Rgb> work(at96.size() * screen.scale * screen.scale);
    Canvas canvas{size.width, size.height, out.data()};
    const bool whole = size.width == kBannerWidth * screen.scale;
    DrawBannerAt(screen.dpi, canvas, whole ? nullptr : work.data());

    Canvas drawn{kBannerWidth * screen.scale, kBannerHeight * screen.scale, work.data()};
    DrawBanner(drawn, screen.scale);
    std::vector<Rgb> back(at96.size());
    Canvas reduced{kBannerWidth, kBannerHeight, back.data()};
    ReduceArea(drawn, reduced);
    int32_t unlike = 0;
    for (size_t i = 0; i < at96.size(); ++i) {
      unlike += std::abs(at96[i].r - back[i].r) + std::abs(at96[i].g - back[i].g) +
                    std::abs(at96[i].b - back[i].b) > 96;
    }
    EXPECT_LT(unlike, kBannerWidth * kBannerHeight / 100);
  }

  // The average is weighted by the area each source pixel has under the target pixel.
  Rgb row[3] = {{0, 0, 0}, {255, 255, 255}, {90, 90, 90}};
  Rgb halves[2] = {};
  Canvas three{3, 1, row};
  Canvas two{2, 1, halves};
  ReduceArea(three, two);
  EXPECT_EQ(halves[0].r, 85);   // (2 * 0 + 255) / 3
  EXPECT_EQ(halves[1].g, 145);  // (255 + 2 * 90) / 3
}

// The 256-colour image comes first, so that the resource compiler numbers it 1.
TEST(AppIcon, DirectoryHoldsThe32By32ImageOf256ColoursThenTheAlphaImages) {
  static uint8_t file[AppIconFileSize()];
  const uint32_t size = MakeAppIconFile(file, sizeof file);

  const uint32_t imageSize = 40u + 256u * 4u + 32u * 32u + 4u * 32u;
  ASSERT_EQ(size, sizeof file);
  EXPECT_EQ(GetU16(file + 0), 0u);
  EXPECT_EQ(GetU16(file + 2), 1u);  // icon, not cursor
  ASSERT_EQ(GetU16(file + 4), 7u);
  const uint8_t* entry = file + 6;
  EXPECT_EQ(entry[0], 32u);
  EXPECT_EQ(entry[1], 32u);
  EXPECT_EQ(entry[2], 0u);  // 256 colours
  EXPECT_EQ(GetU16(entry + 4), 1u);
  EXPECT_EQ(GetU16(entry + 6), 8u);
  EXPECT_EQ(GetU32(entry + 8), imageSize);
  EXPECT_EQ(GetU32(entry + 12), 6u + 7u * 16u);

  const uint8_t* info = file + GetU32(entry + 12);
  EXPECT_EQ(GetU32(info + 0), 40u);
  EXPECT_EQ(GetU32(info + 4), 32u);
  EXPECT_EQ(GetU32(info + 8), 64u);  // colour and mask halves
  EXPECT_EQ(GetU16(info + 14), 8u);
  EXPECT_EQ(GetU32(info + 16), 0u);
  EXPECT_EQ(Fingerprint(info, imageSize), 0x8079C186u) << "the 256-colour image has changed";

  // A rounded tile: the corners show through, the middle does not.
  const uint8_t* mask = info + 40 + 1024 + 1024;
  EXPECT_EQ(mask[31 * 4] & 0x80, 0x80);        // top-left pixel, last row bottom-up
  EXPECT_EQ(mask[16 * 4 + 2] & 0x80, 0x00);    // pixel (16, 15)

  // Each alpha image holds the drawn pixels bottom-up in BGRA, masked where alpha is 0.
  uint32_t end = GetU32(entry + 12) + imageSize;
  for (const int32_t side : kIconAlphaSides) {
    entry += 16;
    SCOPED_TRACE(testing::Message() << side << " x " << side);
    const uint32_t stride = (side + 31) / 32 * 4;
    EXPECT_EQ(entry[0], side);
    EXPECT_EQ(entry[2], 0u);
    EXPECT_EQ(GetU16(entry + 4), 1u);
    EXPECT_EQ(GetU16(entry + 6), 32u);
    ASSERT_EQ(GetU32(entry + 8), 40u + (4u * side + stride) * side);
    ASSERT_EQ(GetU32(entry + 12), end);
    end += GetU32(entry + 8);
    info = file + GetU32(entry + 12);
    EXPECT_EQ(GetU32(info + 8), 2u * side);
    EXPECT_EQ(GetU16(info + 14), 32u);
    std::vector<Rgba> drawn(side * side);
    DrawIconRgba(side, drawn.data());
    const uint8_t* bgra = info + 40;
    mask = bgra + 4 * side * side;
    for (int32_t i = 0; i < side * side; ++i) {
      const int32_t x = i % side;
      const int32_t row = side - 1 - i / side;
      const uint8_t* p = bgra + 4 * (row * side + x);
      const bool clear = (mask[row * stride + x / 8] & (0x80 >> (x % 8))) != 0;
      ASSERT_TRUE(p[0] == drawn[i].b && p[1] == drawn[i].g && p[2] == drawn[i].r && p[3] == drawn[i].a &&
                  clear == (drawn[i].a == 0)) << "pixel " << i;
    }
  }
  EXPECT_EQ(end, size);

  // Clear corners and a solid middle, from the smallest side to the largest.
  for (const int32_t side : {16, 96, 256}) {
    std::vector<Rgba> drawn(side * side);
    DrawIconRgba(side, drawn.data());
    EXPECT_EQ(drawn[0].a + drawn[side - 1].a + drawn[side * side - side].a + drawn.back().a, 0);
    EXPECT_EQ(drawn[side / 2 * side + side / 2].a, 255) << side;
  }
}

TEST(AppIcon, PaletteAndMaskReproduceTheCanvas) {
  Rgb pixels[4 * 4] = {};
  uint8_t opaque[4 * 4] = {};
  for (int i = 0; i < 16; ++i) {
    pixels[i] = i % 2 == 0 ? kGreen : kBlue;
    opaque[i] = i == 5 ? 0 : 1;
  }
  Canvas canvas{4, 4, pixels};
  uint8_t file[IcoFileSize(4)] = {};
  ASSERT_NE(WriteIco(canvas, opaque, nullptr, 0, file, sizeof file), 0u);

  const uint8_t* palette = file + 22 + 40;
  const uint8_t* colours = palette + 1024;
  const uint8_t* mask = colours + 4 * 4;
  EXPECT_EQ(GetU32(palette), 0u);  // index 0 is black, for the see-through pixels
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < 4; ++x) {
      const int row = 3 - y;
      const bool clear = (mask[row * 4] & (0x80 >> x)) != 0;
      const uint8_t index = colours[row * 4 + x];
      SCOPED_TRACE(testing::Message() << "pixel " << x << "," << y);
      EXPECT_EQ(clear, opaque[y * 4 + x] == 0);
      if (clear) {
        EXPECT_EQ(index, 0u);
        continue;
      }
      const Rgb want = pixels[y * 4 + x];
      EXPECT_EQ(palette[4 * index + 0], want.b);
      EXPECT_EQ(palette[4 * index + 1], want.g);
      EXPECT_EQ(palette[4 * index + 2], want.r);
    }
  }
}

TEST(AppIcon, RefusesWhatA256ColourIconCannotHold) {
  Rgb pixels[16 * 16] = {};
  uint8_t opaque[16 * 16] = {};
  for (int i = 0; i < 256; ++i) {
    pixels[i] = Rgb{static_cast<uint8_t>(i), 1, 1};  // 256 colours besides black
    opaque[i] = 1;
  }
  Canvas canvas{16, 16, pixels};
  uint8_t file[IcoFileSize(16)] = {};
  EXPECT_EQ(WriteIco(canvas, opaque, nullptr, 0, file, sizeof file), 0u);
  pixels[0] = Rgb{0, 0, 0};  // now black and 255 others: fits
  EXPECT_EQ(WriteIco(canvas, opaque, nullptr, 0, file, sizeof file), IcoFileSize(16));
  EXPECT_EQ(WriteIco(canvas, opaque, nullptr, 0, file, sizeof file - 1), 0u);

  Canvas oblong{16, 8, pixels};
  EXPECT_EQ(WriteIco(oblong, opaque, nullptr, 0, file, sizeof file), 0u);
}

// Lettering: a canvas of one text line, black on white, and its ink.
constexpr int32_t kLineWidth = 800;
constexpr int32_t kLineHeight = 2 * kGlyphRows + 2;
constexpr Rgb kPaper{0xFF, 0xFF, 0xFF};
constexpr Rgb kInk{0x00, 0x00, 0x00};

struct Line {
  Rgb pixels[kLineWidth * kLineHeight];
};

void DrawLine(Line& line, const char* text, int32_t scale) {
  for (Rgb& pixel : line.pixels) pixel = kPaper;
  Canvas canvas{kLineWidth, kLineHeight, line.pixels};
  DrawText(canvas, 0, 0, text, scale, kInk, 1.0f, 1);
}

bool Inked(const Line& line, int32_t x, int32_t y) {
  if (x < 0 || y < 0 || x >= kLineWidth || y >= kLineHeight) return false;
  return line.pixels[y * kLineWidth + x].r == 0;
}

constexpr const char* kRepertoire =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789&#'-./:";

TEST(Lettering, EveryCharacterOfTheRepertoireHasInkWithinItsAdvance) {
  static Line line;
  for (const char* p = kRepertoire; *p != '\0'; ++p) {
    const char text[2] = {*p, '\0'};
    SCOPED_TRACE(testing::Message() << "character " << text);
    DrawLine(line, text, 1);
    const int32_t advance = TextWidth(text, 1);
    int32_t ink = 0;
    for (int32_t y = 0; y < kLineHeight; ++y) {
      for (int32_t x = 0; x < kLineWidth; ++x) {
        if (!Inked(line, x, y)) continue;
        ++ink;
        EXPECT_LT(x, advance);
        EXPECT_LT(y, kGlyphRows);
      }
    }
    EXPECT_GT(ink, 0) << "drawn as a blank";
  }
}

TEST(Lettering, DoubledTextKeepsEveryPixelAndOnlyFillsDiagonalSteps) {
  static Line single;
  static Line doubled;
  DrawLine(single, kRepertoire, 1);
  DrawLine(doubled, kRepertoire, 2);
  ASSERT_EQ(TextWidth(kRepertoire, 2), 2 * TextWidth(kRepertoire, 1));
  ASSERT_LE(TextWidth(kRepertoire, 2), kLineWidth);
  for (int32_t y = 0; y < kGlyphRows; ++y) {
    for (int32_t x = 0; x < TextWidth(kRepertoire, 1); ++x) {
      const int32_t inked = Inked(doubled, 2 * x, 2 * y) + Inked(doubled, 2 * x + 1, 2 * y) +
                            Inked(doubled, 2 * x, 2 * y + 1) + Inked(doubled, 2 * x + 1, 2 * y + 1);
      SCOPED_TRACE(testing::Message() << "font pixel " << x << "," << y);
      if (Inked(single, x, y)) {
        EXPECT_EQ(inked, 4);  // square corners stay square
        continue;
      }
      // A blank pixel takes ink only in a corner between two inked neighbours.
      const bool up = Inked(single, x, y - 1);
      const bool down = Inked(single, x, y + 1);
      const bool left = Inked(single, x - 1, y);
      const bool right = Inked(single, x + 1, y);
      const bool step = (up || down) && (left || right);
      EXPECT_LE(inked, step ? 2 : 0);
    }
  }
}

}  // namespace
