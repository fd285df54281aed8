#include "emblem.h"

#include <cmath>

namespace {

constexpr Rgb kTileTop = MakeRgb(0x3A8DEB);
constexpr Rgb kTileBottom = MakeRgb(0x1648A0);
constexpr Rgb kInk = MakeRgb(0xFFFFFF);
constexpr Rgb kAccent = MakeRgb(0xF5B041);

}  // namespace

void DrawEmblem(Canvas& canvas, float x, float y, float side) {
  FillRoundRect(canvas, x, y, side, side, EmblemRadius(side), kTileTop, kTileBottom);

  // The strokes lean like a handwritten hash. The bars are snapped to whole pixels so that
  // their edges stay sharp at icon size.
  const float stroke = std::round(side * 0.12f);
  const float top = y + side * 0.2f;
  const float bottom = y + side * 0.8f;
  const float upperBar = std::floor(y + side * 0.39f - stroke / 2) + stroke / 2;
  const float lowerBar = std::floor(y + side * 0.62f - stroke / 2) + stroke / 2;
  StrokeLine(canvas, x + side * 0.22f, upperBar, x + side * 0.82f, upperBar, stroke, kInk);
  StrokeLine(canvas, x + side * 0.18f, lowerBar, x + side * 0.78f, lowerBar, stroke, kAccent);
  StrokeLine(canvas, x + side * 0.45f, top, x + side * 0.37f, bottom, stroke, kInk);
  StrokeLine(canvas, x + side * 0.69f, top, x + side * 0.61f, bottom, stroke, kInk);
}
