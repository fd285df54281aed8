// A fingerprint of UTF-16 text: whether a text read again is still the one read before,
// told without a copy of it. Two polynomial hashes modulo 2^32 with odd multipliers: a
// change of any one unit always changes both, and other changes of a text of the same length
// go unnoticed only by chance, about once in 2^64.
#pragma once

#include <cstdint>

struct TextFingerprint {
  uint32_t first;
  uint32_t second;
};

// Adds units to the text fingerprinted so far: the result is the same however the text is cut.
void AddToFingerprint(TextFingerprint* fingerprint, const char16_t* units, uint32_t count);

inline bool operator==(const TextFingerprint& a, const TextFingerprint& b) {
  return a.first == b.first && a.second == b.second;
}
