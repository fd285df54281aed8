// The engines built once more with their wipes left to the optimiser; benchmark use only.
#pragma once

#include <cstdint>

#include "md2.h"
#include "md5.h"

namespace nowipe {

void MD5Init(MD5_CTX* context);
void MD5Update(MD5_CTX* context, const uint8_t* input, uint32_t inputLen);
void MD5Final(uint8_t digest[16], MD5_CTX* context);

void MD2Init(MD2_CTX* context);
void MD2Update(MD2_CTX* context, const uint8_t* input, uint32_t inputLen);
void MD2Final(uint8_t digest[16], MD2_CTX* context);

// Zeroes like MD_memset, but through an ordinary pointer: the stores into scratch that is
// never read again are dead, and the compiler removes them.
inline void PlainMemset(void* output, int value, uint32_t len) {
  uint8_t* out = static_cast<uint8_t*>(output);
  for (uint32_t i = 0; i < len; i++) out[i] = static_cast<uint8_t>(value);
}

}  // namespace nowipe
