// Unicode (UTF-16) text hashed as its bytes in an 8-bit code page, converted a piece at a
// time so that a text of any length needs only fixed buffers, and checked on the way: a
// character that has no form of its own in the code page stops the hash and is reported.
#pragma once

#include <cstdint>

#include "hash_text.h"

constexpr uint32_t kPieceUnits = 32768;
// No UTF-16 unit takes more than three bytes in any code page (UTF-8's most for a character
// of the basic plane; a surrogate pair takes four for its two units).
constexpr uint32_t kPieceBytes = 3 * kPieceUnits;

// The code page's two directions, as the platform converts them: whole characters in, the
// number of bytes or units written out, 0 when it fails. Characters without a form of their
// own may come out as a look-alike or a default character; that is what the round trip
// catches.
struct CodePage {
  uint32_t number;
  int32_t (*toBytes)(uint32_t number, const char16_t* units, uint32_t count, char* out,
                     uint32_t capacity);
  int32_t (*toUnits)(uint32_t number, const char* bytes, uint32_t count, char16_t* out,
                     uint32_t capacity);
};

// Held the user's text: the caller wipes it when the command is done.
struct PieceScratch {
  char bytes[kPieceBytes];
  char16_t units[kPieceUnits];
};

// The first character the code page cannot hold, or none.
struct Unrepresentable {
  bool found;
  uint32_t at;         // where it starts, in units
  uint32_t length;     // 2 for a surrogate pair, otherwise 1
  uint32_t codePoint;  // a lone half of a pair counts as its own value
};

// Where the piece that starts at `at` ends: kPieceUnits on, or at the end of the text, but
// never between the two halves of a surrogate pair.
uint32_t PieceEnd(const char16_t* text, uint32_t units, uint32_t at);

// Converts text[from, to), whole characters of at most kPieceUnits units, and adds its bytes
// to hash; or, if some character converts to anything but itself and back, adds only the
// bytes before it and reports it.
Unrepresentable HashPiece(TextHash* hash, const CodePage& page, const char16_t* text,
                          uint32_t from, uint32_t to, PieceScratch* scratch);
