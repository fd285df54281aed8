// MD5 message digest (RFC 1321) as a streaming engine with a caller-owned context.
#pragma once

#include <cstdint>

#include "md_bytes.h"

struct MD5_CTX {
  uint32_t state[4];   // chaining value A, B, C, D
  uint32_t count[2];   // message length in bits modulo 2^64, low word first
  uint8_t buffer[64];  // bytes taken in but not yet compressed
};

void MD5Init(MD5_CTX* context);
void MD5Update(MD5_CTX* context, const uint8_t* input, uint32_t inputLen);
// Writes the digest, then zeroes every byte of the context.
void MD5Final(uint8_t digest[16], MD5_CTX* context);
void MD5Transform(uint32_t state[4], const uint8_t block[64]);

// Little-endian conversion between 32-bit words and bytes, whatever the host order.
// len is in bytes and a multiple of 4.
void Encode(uint8_t* output, const uint32_t* input, uint32_t len);
void Decode(uint32_t* output, const uint8_t* input, uint32_t len);
