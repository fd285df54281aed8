// Byte helpers shared by the MD5 and MD2 engines, and the digest type they produce.
#pragma once

#include <cstdint>

// The 16-byte output of either engine.
using Digest = uint8_t[16];

// Copies len bytes one at a time, first to last.
inline void MD_memcpy(uint8_t* output, const uint8_t* input, uint32_t len) {
  for (uint32_t i = 0; i < len; i++) output[i] = input[i];
}

// Sets len bytes to the low 8 bits of value. It exists to wipe secrets, so the writes go
// through a volatile pointer: a plain loop into memory never read again is dropped by the
// optimiser and the wipe would silently not happen.
inline void MD_memset(void* output, int value, uint32_t len) {
  volatile uint8_t* out = static_cast<volatile uint8_t*>(output);
  for (uint32_t i = 0; i < len; i++) out[i] = static_cast<uint8_t>(value);
}
