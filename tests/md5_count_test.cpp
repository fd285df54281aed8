// The MD5 bit count is 64 bits kept in two 32-bit words; these cases cross the word boundary.
#include <gtest/gtest.h>

#include <vector>

#include "md5.h"
#include "reference_digests.h"

namespace {

TEST(MD5Count, LowWordWrapCarriesIntoHighWord) {
  MD5_CTX context;
  MD5Init(&context);
  context.count[0] = 0xFFFFFFF8;  // 2^29 - 1 bytes taken in
  const uint8_t byte = 'x';
  MD5Update(&context, &byte, 1);
  EXPECT_EQ(context.count[0], 0u);
  EXPECT_EQ(context.count[1], 1u);
}

TEST(MD5Count, LittleEndianWhateverTheHost) {
  const uint8_t bytes[8] = {0x01, 0x02, 0x03, 0x04, 0xFF, 0x00, 0x00, 0x80};
  uint32_t words[2];
  Decode(words, bytes, 8);
  EXPECT_EQ(words[0], 0x04030201u);
  EXPECT_EQ(words[1], 0x800000FFu);
  uint8_t back[8];
  Encode(back, words, 8);
  EXPECT_EQ(std::vector<uint8_t>(back, back + 8), std::vector<uint8_t>(bytes, bytes + 8));
}

// Over half a gigabyte: the bit length no longer fits the low word, both in one update
// (where inputLen << 3 itself overflows) and when the low word wraps between updates.
TEST(MD5Count, MessagesLongerThan2To29BytesMatchReference) {
  constexpr uint32_t kLength = (1u << 29) + 100;
  std::vector<uint8_t> message(kLength);
  for (uint32_t i = 0; i < kLength; i++) message[i] = static_cast<uint8_t>(i * 2654435761u >> 24);
  uint8_t expected[16];
  ReferenceMD5(message.data(), kLength, expected);

  MD5_CTX context;
  MD5Init(&context);
  MD5Update(&context, message.data(), kLength);
  EXPECT_EQ(context.count[1], 1u);
  EXPECT_EQ(context.count[0], 100u * 8);
  uint8_t digest[16];
  MD5Final(digest, &context);
  EXPECT_EQ(ToHex(digest), ToHex(expected)) << "one update";

  MD5Init(&context);
  MD5Update(&context, message.data(), (1u << 29) - 3);
  EXPECT_EQ(context.count[1], 0u);
  MD5Update(&context, message.data() + (1u << 29) - 3, 103);
  EXPECT_EQ(context.count[1], 1u);
  MD5Final(digest, &context);
  EXPECT_EQ(ToHex(digest), ToHex(expected)) << "low word wrapping between updates";
}

}  // namespace
