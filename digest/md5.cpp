// MD5 after the reference design of RFC 1321; the block function is in md5_transform.cpp.
#include "md5.h"

namespace {

const uint8_t PADDING[64] = {0x80};

}  // namespace

void Encode(uint8_t* output, const uint32_t* input, uint32_t len) {
  for (uint32_t i = 0, j = 0; j < len; i++, j += 4) {
    // Read once: a byte store might change input[i], so reading it for each byte would
    // keep the compiler from joining the four stores into one.
    const uint32_t word = input[i];
    output[j] = static_cast<uint8_t>(word);
    output[j + 1] = static_cast<uint8_t>(word >> 8);
    output[j + 2] = static_cast<uint8_t>(word >> 16);
    output[j + 3] = static_cast<uint8_t>(word >> 24);
  }
}

void MD5Init(MD5_CTX* context) {
  context->count[0] = context->count[1] = 0;
  context->state[0] = 0x67452301;
  context->state[1] = 0xefcdab89;
  context->state[2] = 0x98badcfe;
  context->state[3] = 0x10325476;
}

void MD5Update(MD5_CTX* context, const uint8_t* input, uint32_t inputLen) {
  uint32_t index = (context->count[0] >> 3) & 0x3F;

  context->count[0] += inputLen << 3;
  if (context->count[0] < (inputLen << 3)) context->count[1]++;
  context->count[1] += inputLen >> 29;

  const uint32_t partLen = 64 - index;
  uint32_t i = 0;
  if (inputLen >= partLen) {
    // With nothing pending the first block is already whole in the caller's memory:
    // copying it into buffer first would only delay its compression, which is what a
    // short message waits on.
    if (index != 0) {
      MD_memcpy(&context->buffer[index], input, partLen);
      MD5Transform(context->state, context->buffer);
      i = partLen;
    }
    for (; i + 63 < inputLen; i += 64) MD5Transform(context->state, &input[i]);
    index = 0;
  }
  MD_memcpy(&context->buffer[index], &input[i], inputLen - i);
}

void MD5Final(uint8_t digest[16], MD5_CTX* context) {
  uint8_t bits[8];
  Encode(bits, context->count, 8);

  const uint32_t index = (context->count[0] >> 3) & 0x3f;
  const uint32_t padLen = (index < 56) ? (56 - index) : (120 - index);
  MD5Update(context, PADDING, padLen);
  MD5Update(context, bits, 8);

  Encode(digest, context->state, 16);
  MD_memset(context, 0, sizeof(*context));
}
