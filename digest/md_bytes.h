// Byte helpers shared by the MD5 and MD2 engines, and the digest type they produce.
#pragma once

#include <cstdint>

// The 16-byte output of either engine.
using Digest = uint8_t[16];

// Copies len bytes one at a time, first to last. When the two runs do not overlap, that
// order cannot be observed, so they go eight bytes to a move: the engines copy into a
// buffer that the block function reads back at once in whole words, and a word load that
// spans several byte stores waits for them to reach the cache instead of being forwarded.
inline void MD_memcpy(uint8_t* output, const uint8_t* input, uint32_t len) {
  const uintptr_t out = reinterpret_cast<uintptr_t>(output);
  const uintptr_t in = reinterpret_cast<uintptr_t>(input);
  if (out + len <= in || in + len <= out) {
    for (; len >= 8; len -= 8, output += 8, input += 8) {
      // Compilers turn these eight loads into one, and the eight stores below into one.
      const uint64_t w = uint64_t{input[0]} | uint64_t{input[1]} << 8 |
                         uint64_t{input[2]} << 16 | uint64_t{input[3]} << 24 |
                         uint64_t{input[4]} << 32 | uint64_t{input[5]} << 40 |
                         uint64_t{input[6]} << 48 | uint64_t{input[7]} << 56;
      output[0] = static_cast<uint8_t>(w);
      output[1] = static_cast<uint8_t>(w >> 8);
      output[2] = static_cast<uint8_t>(w >> 16);
      output[3] = static_cast<uint8_t>(w >> 24);
      output[4] = static_cast<uint8_t>(w >> 32);
      output[5] = static_cast<uint8_t>(w >> 40);
      output[6] = static_cast<uint8_t>(w >> 48);
      output[7] = static_cast<uint8_t>(w >> 56);
    }
  }
  for (; len > 0; len--) *output++ = *input++;
}

#if defined(__GNUC__)
// A word that may sit at any address and overlay any object, as bytes may.
typedef uint64_t __attribute__((__may_alias__, __aligned__(1))) MD_WipeWord;
#endif

// Sets len bytes to the low 8 bits of value. It exists to wipe secrets, so the writes go
// through a volatile pointer: a plain loop into memory never read again is dropped by the
// optimiser and the wipe would silently not happen. A compiler may not merge volatile
// stores either, so where it can, the wipe writes whole words: byte by byte it would be
// eight times the stores, and they crowd out the work of the next block.
inline void MD_memset(void* output, int value, uint32_t len) {
  const uint8_t fill = static_cast<uint8_t>(value);
  volatile uint8_t* out = static_cast<volatile uint8_t*>(output);
#if defined(__GNUC__)
  volatile MD_WipeWord* words = static_cast<volatile MD_WipeWord*>(output);
  const uint64_t pattern = fill * uint64_t{0x0101010101010101};
  for (; len >= 32; len -= 32, words += 4) {
    words[0] = pattern;
    words[1] = pattern;
    words[2] = pattern;
    words[3] = pattern;
  }
  for (; len >= 8; len -= 8) *words++ = pattern;
  out = reinterpret_cast<volatile uint8_t*>(words);
#endif
  for (; len > 0; len--) *out++ = fill;
}
