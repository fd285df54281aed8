// The text the hash field shows for a plaintext.
#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <string>

#include "hash_text.h"
#include "reference_digests.h"
#include "text_fingerprint.h"
#include "wide_text.h"

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

// Code pages as a platform converts them: what has no form of its own comes out as "?". One
// holds the characters U+0000-U+00FF as single bytes; the other, like UTF-8, holds every
// character but half of a surrogate pair (here as its two UTF-16 bytes).
int32_t Latin1ToBytes(uint32_t, const char16_t* units, uint32_t count, char* out, uint32_t) {
  for (uint32_t i = 0; i < count; ++i) out[i] = units[i] <= 0xFF ? static_cast<char>(units[i]) : '?';
  return static_cast<int32_t>(count);
}

int32_t Latin1ToUnits(uint32_t, const char* bytes, uint32_t count, char16_t* out, uint32_t) {
  for (uint32_t i = 0; i < count; ++i) out[i] = static_cast<uint8_t>(bytes[i]);
  return static_cast<int32_t>(count);
}

bool IsHigh(const char16_t* units, uint32_t count, uint32_t i) {
  return i < count && units[i] >= 0xD800 && units[i] < 0xDC00;
}
bool IsLow(const char16_t* units, uint32_t count, uint32_t i) {
  return i < count && units[i] >= 0xDC00 && units[i] < 0xE000;
}

int32_t PairsToBytes(uint32_t, const char16_t* units, uint32_t count, char* out, uint32_t) {
  for (uint32_t i = 0; i < count; ++i) {
    const bool lone = (IsHigh(units, count, i) && !IsLow(units, count, i + 1)) ||
                      (IsLow(units, count, i) && (i == 0 || !IsHigh(units, count, i - 1)));
    const char16_t unit = lone ? u'?' : units[i];
    out[2 * i] = static_cast<char>(unit & 0xFF);
    out[2 * i + 1] = static_cast<char>(unit >> 8);
  }
  return static_cast<int32_t>(2 * count);
}

int32_t PairsToUnits(uint32_t, const char* bytes, uint32_t count, char16_t* out, uint32_t) {
  for (uint32_t i = 0; i < count / 2; ++i)
    out[i] = static_cast<char16_t>(static_cast<uint8_t>(bytes[2 * i]) |
                                   static_cast<uint8_t>(bytes[2 * i + 1]) << 8);
  return static_cast<int32_t>(count / 2);
}

constexpr CodePage kLatin1 = {28591, Latin1ToBytes, Latin1ToUnits};
constexpr CodePage kAllButHalves = {65001, PairsToBytes, PairsToUnits};

struct PieceResult {
  std::string shown;
  Unrepresentable first;
};

PieceResult HashInPieces(const CodePage& page, HashAlgorithm algorithm, const std::u16string& text) {
  static PieceScratch scratch;
  TextHash hash;
  BeginTextHash(&hash, algorithm);
  const auto units = static_cast<uint32_t>(text.size());
  for (uint32_t at = 0; at < units;) {
    const uint32_t end = PieceEnd(text.data(), units, at);
    const Unrepresentable first = HashPiece(&hash, page, text.data(), at, end, &scratch);
    if (first.found) {
      AbandonTextHash(&hash);
      return {"", first};
    }
    at = end;
  }
  DigestText out = {};
  return {FinishTextHash(&hash, out), {}};
}

// Text of the given length with emoji among other characters, one of them with its two
// halves on either side of the first piece boundary.
std::u16string MixedText(uint32_t units) {
  const std::u16string pattern = u"ab\u00E9\u20AC\U0001F600";
  std::u16string text;
  while (text.size() < units) text += pattern;
  text.resize(units);
  if (units > kPieceUnits) text.replace(kPieceUnits - 1, 2, u"\U0001F600");
  if (units > 0 && text.back() >= 0xD800 && text.back() <= 0xDBFF) text.back() = u'z';
  return text;
}

TEST(HashCommand, TextInPiecesIsHashedAsTheWholeText) {
  for (uint32_t units : {0u, 5u, kPieceUnits - 1, kPieceUnits, kPieceUnits + 1, 2 * kPieceUnits + 3}) {
    const std::u16string text = MixedText(units);
    std::string whole(2 * units, '\0');
    PairsToBytes(0, text.data(), units, &whole[0], 0);
    for (HashAlgorithm algorithm : {HashAlgorithm::MD2, HashAlgorithm::MD5}) {
      SCOPED_TRACE(testing::Message() << units << " units");
      const PieceResult result = HashInPieces(kAllButHalves, algorithm, text);
      EXPECT_FALSE(result.first.found) << "at " << result.first.at;
      EXPECT_EQ(result.shown, units == 0 ? "Type in plaintext" : ExpectedText(algorithm, whole));
    }
  }
}

TEST(HashCommand, FirstCharacterWithoutAFormIsNamedInAnyPiece) {
  for (uint32_t at : {3u, kPieceUnits + 7, 3 * kPieceUnits - 2}) {
    std::u16string text(3 * kPieceUnits, u'x');
    text[at] = u'\u0101';
    text[at + 1] = u'\u0102';  // a second one later is not the first
    const Unrepresentable first = HashInPieces(kLatin1, HashAlgorithm::MD5, text).first;
    EXPECT_TRUE(first.found && first.at == at && first.length == 1 && first.codePoint == 0x101)
        << "put at " << at << ", found " << first.found << " at " << first.at;
  }
  std::u16string emoji = u"caf\u00E9 \U0001F600";
  Unrepresentable first = HashInPieces(kLatin1, HashAlgorithm::MD2, emoji).first;
  EXPECT_TRUE(first.found && first.at == 5 && first.length == 2 && first.codePoint == 0x1F600);
  // Half of a pair, after a whole one that the code page holds.
  first = HashInPieces(kAllButHalves, HashAlgorithm::MD2, u"\U0001F600 half \xD83D pair").first;
  EXPECT_TRUE(first.found && first.at == 8 && first.length == 1 && first.codePoint == 0xD83D);
}

TEST(TextFingerprint, SameHoweverCutAndChangedByAnyOneUnit) {
  const std::u16string text = MixedText(1001);
  const auto whole = [](const std::u16string& t) {
    TextFingerprint fingerprint = {};
    AddToFingerprint(&fingerprint, t.data(), static_cast<uint32_t>(t.size()));
    return fingerprint;
  };
  for (uint32_t cut : {1u, 3u, 4u, 501u, 1000u}) {
    TextFingerprint pieces = {};
    AddToFingerprint(&pieces, text.data(), cut);
    AddToFingerprint(&pieces, text.data() + cut, 1001 - cut);
    EXPECT_TRUE(pieces == whole(text)) << "cut at " << cut;
  }
  for (uint32_t at : {0u, 2u, 3u, 998u, 999u}) {
    std::u16string changed = text;
    changed[at] = static_cast<char16_t>(changed[at] ^ 0x8000);
    EXPECT_FALSE(whole(changed) == whole(text)) << "changed at " << at;
    changed = text;
    std::swap(changed[at], changed[at + 1]);
    EXPECT_FALSE(whole(changed) == whole(text)) << "swapped at " << at;
  }
}

}  // namespace
