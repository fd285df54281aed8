// MD2 message digest (RFC 1319) as a streaming engine with a caller-owned context.
#pragma once

#include <cstdint>

#include "md_bytes.h"

struct MD2_CTX {
  uint8_t state[16];     // running digest value
  uint8_t checksum[16];  // running checksum
  uint32_t count;        // message bytes modulo 16, the number pending in buffer
  uint8_t buffer[16];    // bytes taken in but not yet compressed
};

void MD2Init(MD2_CTX* context);
void MD2Update(MD2_CTX* context, const uint8_t* input, uint32_t inputLen);
// Writes the digest, then zeroes every byte of the context.
void MD2Final(uint8_t digest[16], MD2_CTX* context);
void MD2Transform(uint8_t state[16], uint8_t checksum[16], const uint8_t block[16]);

// The RFC's substitution table built from the digits of pi.
extern const uint8_t PI_SUBST[256];
