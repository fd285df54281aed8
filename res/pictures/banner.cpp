#include "artwork.h"
#include "emblem.h"
#include "glyphs.h"

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

void DrawTexture(Canvas& canvas) {
  int32_t y = 1;
  int32_t shift = 0;
  for (const char* line : kTexture) {
    for (int32_t x = -shift; x < canvas.width; x += TextWidth(line, 1) + 6) {
      DrawText(canvas, x, y, line, 1, kTitle, 0.06f);
    }
    y += 11;
    shift += 17;
  }
}

void DrawShadowedText(Canvas& canvas, int32_t x, int32_t y, const char* text, int32_t scale,
                      Rgb colour) {
  DrawText(canvas, x + 1, y + 1, text, scale, kShadow, 0.45f);
  DrawText(canvas, x, y, text, scale, colour, 1.0f);
}

// The title is set a pixel bolder than the font, so that it holds its own against the texture.
void DrawTitleText(Canvas& canvas, int32_t x, int32_t y, const char* text) {
  DrawText(canvas, x + 2, y + 2, text, 2, kShadow, 0.5f);
  DrawText(canvas, x, y, text, 2, kTitle, 1.0f);
  DrawText(canvas, x + 1, y, text, 2, kTitle, 1.0f);
}

}  // namespace

void DrawBanner(Canvas& canvas) {
  FillGradient(canvas, kSkyLeft, kSkyRight, 1.0f, 0.8f);
  DrawTexture(canvas);

  FillRoundRect(canvas, 14.0f, 19.0f, 44.0f, 44.0f, EmblemRadius(44.0f), kShadow, kShadow);
  DrawEmblem(canvas, 12.0f, 17.0f, 44.0f);

  DrawTitleText(canvas, 70, 12, "Message Digest");
  DrawTitleText(canvas, 70, 33, "Hasher");
  FillRect(canvas, 70, 54, 144, 1, kAccent);
  DrawShadowedText(canvas, 70, 60, "MD2 & MD5", 1, kAccent);
  DrawText(canvas, 70 + 144 - TextWidth("RFC 1319 / 1321", 1), 60, "RFC 1319 / 1321", 1, kSubtle,
           1.0f);
}
