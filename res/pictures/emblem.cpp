#include "emblem.h"

namespace {

constexpr Rgb kTileTop = MakeRgb(0x3A8DEB);
constexpr Rgb kTileBottom = MakeRgb(0x1648A0);
constexpr Rgb kInk = MakeRgb(0xFFFFFF);
constexpr Rgb kAccent = MakeRgb(0xF5B041);

}  // namespace

void DrawEmblem(Canvas& canvas, float x, float y, float side) {
  FillRoundRect(canvas, x, y, side, side, EmblemRadius(side), kTileTop, kTileBottom);

  // The strokes lean like a handwritten hash, and stay inside the tile's rounded corners.
  const float stroke = side * 0.12f;
  const float top = y + side * 0.2f;
  const float bottom = y + side * 0.8f;
  StrokeLine(canvas, x + side * 0.45f, top, x + side * 0.37f, bottom, stroke, kInk);
  StrokeLine(canvas, x + side * 0.69f, top, x + side * 0.61f, bottom, stroke, kInk);
  StrokeLine(canvas, x + side * 0.22f, y + side * 0.39f, x + side * 0.82f, y + side * 0.39f, stroke,
             kInk);
  StrokeLine(canvas, x + side * 0.18f, y + side * 0.62f, x + side * 0.78f, y + side * 0.62f, stroke,
             kAccent);
}
