// The text the hash field shows for a plaintext.
#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <string>

#include "hash_text.h"
#include "reference_digests.h"

namespace {

std::string Upper(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

std::string ExpectedText(HashAlgorithm algorithm, const std::string& plaintext) {
  const auto* bytes = reinterpret_cast<const uint8_t*>(plaintext.data());
  uint8_t digest[16];
  if (algorithm == HashAlgorithm::MD5)
    ReferenceMD5(bytes, plaintext.size(), digest);
  else
    ReferenceMD2(bytes, plaintext.size(), digest);
  return Upper(ToHex(digest));
}

std::string ShownFor(HashAlgorithm algorithm, const std::string& plaintext) {
  DigestText out = {};
  return OnHashCommand(algorithm, plaintext.c_str(), static_cast<uint32_t>(plaintext.size()), out);
}

TEST(HashCommand, NothingReadGivesThePromptNotTheEmptyDigest) {
  for (HashAlgorithm algorithm : {HashAlgorithm::MD2, HashAlgorithm::MD5}) {
    DigestText out = {};
    EXPECT_STREQ(OnHashCommand(algorithm, "", 0, out), "Type in plaintext");
    EXPECT_EQ(out[0], '\0') << "the output buffer is left alone";
  }
}

TEST(HashCommand, OneCharacterMatchesTheRfcDigests) {
  EXPECT_EQ(ShownFor(HashAlgorithm::MD5, "a"), "0CC175B9C0F1B6A831C399E269772661");
  EXPECT_EQ(ShownFor(HashAlgorithm::MD2, "a"), "32EC01EC4A6DAC72C0AB96FB34C0B5D1");
}

TEST(HashCommand, TextIsHashedAsItsBytes) {
  for (HashAlgorithm algorithm : {HashAlgorithm::MD2, HashAlgorithm::MD5}) {
    EXPECT_EQ(ShownFor(algorithm, "a\r\nb"), ExpectedText(algorithm, std::string("a\r\nb", 4)));
    EXPECT_NE(ShownFor(algorithm, "a\r\nb"), ExpectedText(algorithm, "a\nb"));
    // Bytes above 127 must not be sign-extended on the way into the engine.
    EXPECT_EQ(ShownFor(algorithm, "caf\xE9 \xFF"), ExpectedText(algorithm, "caf\xE9 \xFF"));
    const std::string long_text(100000, 'q');
    EXPECT_EQ(ShownFor(algorithm, long_text), ExpectedText(algorithm, long_text));
  }
}

TEST(HashCommand, DigestTextIs32UppercaseDigitsAndANul) {
  for (HashAlgorithm algorithm : {HashAlgorithm::MD2, HashAlgorithm::MD5}) {
    DigestText out;
    std::memset(out, 0x7F, sizeof(out));
    const char* result = OnHashCommand(algorithm, "message digest", 14, out);
    ASSERT_EQ(result, static_cast<const char*>(out));
    for (int i = 0; i < 32; i++)
      EXPECT_TRUE(std::isdigit(out[i]) || (out[i] >= 'A' && out[i] <= 'F')) << "position " << i;
    EXPECT_EQ(out[32], '\0');
    EXPECT_EQ(out[33], 0x7F) << "nothing is written past the NUL";
  }
  DigestText out = {};
  HashTextMD5("message digest", out);
  EXPECT_STREQ(out, "F96B697D7CB7938D525A2F31AAF161D0");
  HashTextMD2("message digest", out);
  EXPECT_STREQ(out, "AB4F496BFB2A530B219FF33031FE06B0");
}

}  // namespace
