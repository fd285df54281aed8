// MD2 after the reference design of RFC 1319.
#include "md2.h"

const uint8_t PI_SUBST[256] = {
    41,  46,  67,  201, 162, 216, 124, 1,   61,  54,  84,  161, 236, 240, 6,   19,  98,  167, 5,
    243, 192, 199, 115, 140, 152, 147, 43,  217, 188, 76,  130, 202, 30,  155, 87,  60,  253, 212,
    224, 22,  103, 66,  111, 24,  138, 23,  229, 18,  190, 78,  196, 214, 218, 158, 222, 73,  160,
    251, 245, 142, 187, 47,  238, 122, 169, 104, 121, 145, 21,  178, 7,   63,  148, 194, 16,  137,
    11,  34,  95,  33,  128, 127, 93,  154, 90,  144, 50,  39,  53,  62,  204, 231, 191, 247, 151,
    3,   255, 25,  48,  179, 72,  165, 181, 209, 215, 94,  146, 42,  172, 86,  170, 198, 79,  184,
    56,  210, 150, 164, 125, 182, 118, 252, 107, 226, 156, 116, 4,   241, 69,  157, 112, 89,  100,
    113, 135, 32,  134, 91,  207, 101, 230, 45,  168, 2,   27,  96,  37,  173, 174, 176, 185, 246,
    28,  70,  97,  105, 52,  64,  126, 15,  85,  71,  163, 35,  221, 81,  175, 58,  195, 92,  249,
    206, 186, 197, 234, 38,  44,  83,  13,  110, 133, 40,  132, 9,   211, 223, 205, 244, 65,  129,
    77,  82,  106, 220, 55,  200, 108, 193, 171, 250, 36,  225, 123, 8,   12,  189, 177, 74,  120,
    136, 149, 139, 227, 99,  232, 109, 233, 203, 213, 254, 59,  0,   29,  57,  242, 239, 183, 14,
    102, 88,  208, 228, 166, 119, 114, 248, 235, 117, 75,  10,  49,  68,  80,  180, 143, 237, 31,
    26,  219, 153, 141, 51,  159, 17,  131, 20};

namespace {

// Entry n is the padding of length n: n bytes of value n.
const uint8_t PADDING[17][16] = {
    {},
    {1},
    {2, 2},
    {3, 3, 3},
    {4, 4, 4, 4},
    {5, 5, 5, 5, 5},
    {6, 6, 6, 6, 6, 6},
    {7, 7, 7, 7, 7, 7, 7},
    {8, 8, 8, 8, 8, 8, 8, 8},
    {9, 9, 9, 9, 9, 9, 9, 9, 9},
    {10, 10, 10, 10, 10, 10, 10, 10, 10, 10},
    {11, 11, 11, 11, 11, 11, 11, 11, 11, 11, 11},
    {12, 12, 12, 12, 12, 12, 12, 12, 12, 12, 12, 12},
    {13, 13, 13, 13, 13, 13, 13, 13, 13, 13, 13, 13, 13},
    {14, 14, 14, 14, 14, 14, 14, 14, 14, 14, 14, 14, 14, 14},
    {15, 15, 15, 15, 15, 15, 15, 15, 15, 15, 15, 15, 15, 15, 15},
    {16, 16, 16, 16, 16, 16, 16, 16, 16, 16, 16, 16, 16, 16, 16, 16},
};

}  // namespace

void MD2Init(MD2_CTX* context) {
  context->count = 0;
  MD_memset(context->state, 0, sizeof(context->state));
  MD_memset(context->checksum, 0, sizeof(context->checksum));
}

void MD2Update(MD2_CTX* context, const uint8_t* input, uint32_t inputLen) {
  uint32_t index = context->count;
  context->count = (index + inputLen) & 0xF;

  const uint32_t partLen = 16 - index;
  uint32_t i = 0;
  if (inputLen >= partLen) {
    MD_memcpy(&context->buffer[index], input, partLen);
    MD2Transform(context->state, context->checksum, context->buffer);
    for (i = partLen; i + 15 < inputLen; i += 16)
      MD2Transform(context->state, context->checksum, &input[i]);
    index = 0;
  }
  MD_memcpy(&context->buffer[index], &input[i], inputLen - i);
}

void MD2Final(uint8_t digest[16], MD2_CTX* context) {
  const uint32_t padLen = 16 - context->count;
  MD2Update(context, PADDING[padLen], padLen);
  // The update copies the checksum into buffer before compressing it, so the block
  // function reads a stable copy while it changes checksum.
  MD2Update(context, context->checksum, 16);
  MD_memcpy(digest, context->state, 16);
  MD_memset(context, 0, sizeof(*context));
}

void MD2Transform(uint8_t state[16], uint8_t checksum[16], const uint8_t block[16]) {
  // Words, not bytes: a byte would be XORed into the low part of a wider register, which
  // some cores merge with the rest in an extra operation, or widened again for the next
  // table index, and either sits on the chain below.
  uint32_t x[48];
  for (int i = 0; i < 16; i++) {
    x[i] = state[i];
    x[i + 16] = block[i];
    x[i + 32] = static_cast<uint32_t>(state[i] ^ block[i]);
  }

  // The steps form one chain, each table read indexed by the step before, so a step costs
  // the latency of a load and an XOR and nothing can overlap them. Both operands are
  // below 256, and so t is too: it indexes the table as it is.
  uint32_t t = 0;
  for (uint32_t i = 0; i < 17; i++) {
    for (int j = 0; j < 48; j++) {
      t = PI_SUBST[t] ^ x[j];
      x[j] = t;
    }
    t = (t + i) & 0xFF;
  }
  // The last round stops after the 16 words that become the state: its other 32 steps
  // change only words that are wiped unread, and leaving them out shortens the chain by
  // a twenty-seventh.
  for (int j = 0; j < 16; j++) {
    t = PI_SUBST[t] ^ x[j];
    x[j] = t;
  }
  for (int i = 0; i < 16; i++) state[i] = static_cast<uint8_t>(x[i]);

  uint32_t c = checksum[15];
  for (int i = 0; i < 16; i++) {
    checksum[i] ^= PI_SUBST[block[i] ^ c];
    c = checksum[i];
  }

  MD_memset(x, 0, sizeof(x));
}
