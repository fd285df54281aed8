#include "artwork.h"
#include "emblem.h"
#include "glyphs.h"
#include "reduce.h"

namespace {

constexpr Rgb kSkyLeft = MakeRgb(0x0B1F3A);
constexpr Rgb kSkyRight = MakeRgb(0x1D5592);
constexpr Rgb kTitle = MakeRgb(0xFFFFFF);
constexpr Rgb kShadow = MakeRgb(0x000000);
constexpr Rgb kAccent = MakeRgb(0xF5B041);
constexpr Rgb kSubtle = MakeRgb(0xA9C6EA);

// Digests of "" and "abc" from the two RFCs, as a faint texture behind the lettering.
constexpr const char* kTexture[] = {
    "D41D8CD98F00B204E9800998ECF8427E",
    "8350E5A3E24C153DF2275C9F80692773",
    "900150983CD24FB0D6963F7D28E17F72",
    "DA853B0D3F88D99B30283A69E6DED6BB",
    "D41D8CD98F00B204E9800998ECF8427E",
    "8350E5A3E24C153DF2275C9F80692773",
    "900150983CD24FB0D6963F7D28E17F72",
};

// Every length below is in pixels of the banner at 96 DPI; `k` is the whole-number scale it is
// drawn at, so a larger banner is the same picture with finer detail rather than a stretched one.
void DrawTexture(Canvas& canvas, int32_t k) {
  int32_t y = k;
  int32_t shift = 0;
  for (const char* line : kTexture) {
    for (int32_t x = -shift; x < canvas.width; x += (TextWidth(line, 1) + 6) * k) {
      DrawText(canvas, x, y, line, 1, kTitle, 0.06f, k);
    }
    y += 11 * k;
    shift += 17 * k;
  }
}

void DrawShadowedText(Canvas& canvas, int32_t x, int32_t y, const char* text, Rgb colour,
                      int32_t k) {
  DrawText(canvas, x + k, y + k, text, 1, kShadow, 0.45f, k);
  DrawText(canvas, x, y, text, 1, colour, 1.0f, k);
}

// The title is set a pixel bolder than the font, so that it holds its own against the texture.
void DrawTitleText(Canvas& canvas, int32_t x, int32_t y, const char* text, int32_t k) {
  DrawText(canvas, x + 2 * k, y + 2 * k, text, 2, kShadow, 0.5f, k);
  DrawText(canvas, x, y, text, 2, kTitle, 1.0f, k);
  DrawText(canvas, x + k, y, text, 2, kTitle, 1.0f, k);
}

}  // namespace

void DrawBanner(Canvas& canvas, int32_t scale) {
  const int32_t k = scale;
  const float f = static_cast<float>(k);
  FillGradient(canvas, kSkyLeft, kSkyRight, 1.0f, 0.8f);
  DrawTexture(canvas, k);

  FillRoundRect(canvas, 14.0f * f, 19.0f * f, 44.0f * f, 44.0f * f, EmblemRadius(44.0f * f), kShadow,
                kShadow);
  DrawEmblem(canvas, 12.0f * f, 17.0f * f, 44.0f * f);

  DrawTitleText(canvas, 70 * k, 12 * k, "Message Digest", k);
  DrawTitleText(canvas, 70 * k, 33 * k, "Hasher", k);
  FillRect(canvas, 70 * k, 54 * k, 144 * k, k, kAccent);
  DrawShadowedText(canvas, 70 * k, 60 * k, "MD2 & MD5", kAccent, k);
  const char* rfcs = "RFC 1319 / 1321";
  DrawText(canvas, (70 + 144 - TextWidth(rfcs, 1)) * k, 60 * k, rfcs, 1, kSubtle, 1.0f, k);
}

PictureSize BannerSizeAt(int32_t dpi) {
  if (dpi < 96) dpi = 96;
  return PictureSize{(kBannerWidth * dpi + 48) / 96, (kBannerHeight * dpi + 48) / 96};
}

int32_t DrawingScaleAt(int32_t dpi) { return dpi <= 96 ? 1 : (dpi + 95) / 96; }

void DrawBannerAt(int32_t dpi, Canvas& out, Rgb* work) {
  const int32_t scale = DrawingScaleAt(dpi);
  if (out.width == kBannerWidth * scale && out.height == kBannerHeight * scale) {
    DrawBanner(out, scale);
    return;
  }
  Canvas drawn{kBannerWidth * scale, kBannerHeight * scale, work};
  DrawBanner(drawn, scale);
  ReduceArea(drawn, out);
}
