#include "wide_text.h"

namespace {

bool IsHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

bool StartsPair(const char16_t* text, uint32_t end, uint32_t at) {
  return at + 1 < end && IsHighSurrogate(text[at]) && IsLowSurrogate(text[at + 1]);
}

Unrepresentable CharacterAt(const char16_t* text, uint32_t end, uint32_t at) {
  if (!StartsPair(text, end, at)) return {true, at, 1, text[at]};
  const uint32_t high = text[at] - 0xD800u;
  const uint32_t low = text[at + 1] - 0xDC00u;
  return {true, at, 2, 0x10000u + (high << 10) + low};
}

// A character has a form of its own exactly when converting it there and back gives it
// again; a look-alike or a default character comes back as something else. Characters
// convert one by one, so a run of them comes back whole exactly when each of them does.
bool ConvertsExactly(const CodePage& page, const char16_t* units, uint32_t count,
                     PieceScratch* scratch, int32_t* bytes) {
  *bytes = page.toBytes(page.number, units, count, scratch->bytes, kPieceBytes);
  if (*bytes <= 0) return false;
  const int32_t back = page.toUnits(page.number, scratch->bytes, static_cast<uint32_t>(*bytes),
                                    scratch->units, kPieceUnits);
  if (back != static_cast<int32_t>(count)) return false;
  for (uint32_t i = 0; i < count; ++i)
    if (scratch->units[i] != units[i]) return false;
  return true;
}

}  // namespace

uint32_t PieceEnd(const char16_t* text, uint32_t units, uint32_t at) {
  if (units - at <= kPieceUnits) return units;
  const uint32_t end = at + kPieceUnits;
  return StartsPair(text, units, end - 1) ? end - 1 : end;
}

Unrepresentable HashPiece(TextHash* hash, const CodePage& page, const char16_t* text,
                          uint32_t from, uint32_t to, PieceScratch* scratch) {
  int32_t bytes = 0;
  if (ConvertsExactly(page, text + from, to - from, scratch, &bytes)) {
    AddToTextHash(hash, scratch->bytes, static_cast<uint32_t>(bytes));
    return {};
  }
  // Seldom taken, and only once per command: the characters one at a time, to find the first
  // that does not come back.
  for (uint32_t at = from; at < to;) {
    const Unrepresentable character = CharacterAt(text, to, at);
    if (!ConvertsExactly(page, text + at, character.length, scratch, &bytes)) return character;
    AddToTextHash(hash, scratch->bytes, static_cast<uint32_t>(bytes));
    at += character.length;
  }
  return {};
}
