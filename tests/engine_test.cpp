// Behaviour shared by both engines, checked the same way for each: the RFC test suites,
// agreement with independent implementations, streaming in any pieces, and wiping.
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "md2.h"
#include "md5.h"
#include "reference_digests.h"

namespace {

struct RfcVector {
  const char* message;
  const char* digest;
};

constexpr const char kDigitsMessage[] =
    "12345678901234567890123456789012345678901234567890123456789012345678901234567890";

struct MD5Engine {
  using Context = MD5_CTX;
  static constexpr uint32_t kBlockSize = 64;
  static void Init(Context* c) { MD5Init(c); }
  static void Update(Context* c, const uint8_t* in, uint32_t len) { MD5Update(c, in, len); }
  static void Final(uint8_t out[16], Context* c) { MD5Final(out, c); }
  static void Reference(const uint8_t* in, size_t len, uint8_t out[16]) { ReferenceMD5(in, len, out); }
  static std::vector<RfcVector> Suite() {  // RFC 1321, appendix A.5
    return {{"", "d41d8cd98f00b204e9800998ecf8427e"},
            {"a", "0cc175b9c0f1b6a831c399e269772661"},
            {"abc", "900150983cd24fb0d6963f7d28e17f72"},
            {"message digest", "f96b697d7cb7938d525a2f31aaf161d0"},
            {"abcdefghijklmnopqrstuvwxyz", "c3fcd3d76192e4007dfb496cca67e13b"},
            {"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789",
             "d174ab98d277d9f5a5611c2c9f419d9f"},
            {kDigitsMessage, "57edf4a22be3c955ac49da2e2107b67a"}};
  }
};

struct MD2Engine {
  using Context = MD2_CTX;
  static constexpr uint32_t kBlockSize = 16;
  static void Init(Context* c) { MD2Init(c); }
  static void Update(Context* c, const uint8_t* in, uint32_t len) { MD2Update(c, in, len); }
  static void Final(uint8_t out[16], Context* c) { MD2Final(out, c); }
  static void Reference(const uint8_t* in, size_t len, uint8_t out[16]) { ReferenceMD2(in, len, out); }
  static std::vector<RfcVector> Suite() {  // RFC 1319, appendix A.5
    return {{"", "8350e5a3e24c153df2275c9f80692773"},
            {"a", "32ec01ec4a6dac72c0ab96fb34c0b5d1"},
            {"abc", "da853b0d3f88d99b30283a69e6ded6bb"},
            {"message digest", "ab4f496bfb2a530b219ff33031fe06b0"},
            {"abcdefghijklmnopqrstuvwxyz", "4e8ddff3650292ab5a4108c3aa47940b"},
            {"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789",
             "da33def2a42df13975352846c30338cd"},
            {kDigitsMessage, "d5976f79d83d3a0dc9806c3c66f3efd8"}};
  }
};

const uint8_t* Bytes(const char* text) { return reinterpret_cast<const uint8_t*>(text); }

// Feeds the message in pieces whose lengths are given; the last piece takes what is left.
template <typename Engine>
std::string DigestInPieces(const uint8_t* message, size_t len, const std::vector<uint32_t>& pieces) {
  typename Engine::Context context;
  Engine::Init(&context);
  size_t at = 0;
  for (uint32_t piece : pieces) {
    if (at + piece > len) break;
    Engine::Update(&context, message + at, piece);
    at += piece;
  }
  Engine::Update(&context, message + at, static_cast<uint32_t>(len - at));
  uint8_t digest[16];
  Engine::Final(digest, &context);
  return ToHex(digest);
}

template <typename Engine>
std::string DigestAtOnce(const uint8_t* message, size_t len) {
  return DigestInPieces<Engine>(message, len, {});
}

template <typename Engine>
std::string ReferenceDigest(const uint8_t* message, size_t len) {
  uint8_t digest[16];
  Engine::Reference(message, len, digest);
  return ToHex(digest);
}

std::vector<uint8_t> RandomBytes(std::mt19937& random, size_t len) {
  std::vector<uint8_t> bytes(len);
  for (auto& b : bytes) b = static_cast<uint8_t>(random());
  return bytes;
}

template <typename Engine>
class EngineTest : public ::testing::Test {};

using Engines = ::testing::Types<MD5Engine, MD2Engine>;
TYPED_TEST_SUITE(EngineTest, Engines);

TYPED_TEST(EngineTest, RfcSuiteAtOnceByteByByteAndSplitAtEveryOffset) {
  for (const RfcVector& v : TypeParam::Suite()) {
    const size_t len = std::strlen(v.message);
    const uint8_t* message = Bytes(v.message);
    EXPECT_EQ(DigestAtOnce<TypeParam>(message, len), v.digest) << '"' << v.message << '"';
    EXPECT_EQ(DigestInPieces<TypeParam>(message, len, std::vector<uint32_t>(len, 1)), v.digest)
        << "byte by byte: \"" << v.message << '"';
    for (uint32_t split = 0; split <= len; split++)
      EXPECT_EQ(DigestInPieces<TypeParam>(message, len, {split}), v.digest)
          << "split at " << split << ": \"" << v.message << '"';
  }
}

TYPED_TEST(EngineTest, ZeroLengthUpdatesChangeNothing) {
  typename TypeParam::Context context;
  TypeParam::Init(&context);
  TypeParam::Update(&context, nullptr, 0);
  TypeParam::Update(&context, Bytes("abc"), 0);
  TypeParam::Update(&context, nullptr, 0);
  uint8_t digest[16];
  TypeParam::Final(digest, &context);
  EXPECT_EQ(ToHex(digest), TypeParam::Suite()[0].digest);
}

// Every length up to three blocks and a bit covers each padding case: a single padding
// byte, a whole padding block, and the length that just fits or just overflows a block.
TYPED_TEST(EngineTest, EveryLengthAroundThePaddingBoundariesMatchesReference) {
  std::mt19937 random(1);
  const std::vector<uint8_t> data = RandomBytes(random, 3 * TypeParam::kBlockSize + 9);
  for (size_t len = 0; len <= data.size(); len++)
    EXPECT_EQ(DigestAtOnce<TypeParam>(data.data(), len), ReferenceDigest<TypeParam>(data.data(), len))
        << "length " << len;
}

TYPED_TEST(EngineTest, RandomMessagesInRandomPiecesMatchReference) {
  std::mt19937 random(20011);
  const uint32_t block = TypeParam::kBlockSize;
  for (int round = 0; round < 3000; round++) {
    const size_t len = random() % (round % 10 == 0 ? 20000 : 600);
    const std::vector<uint8_t> message = RandomBytes(random, len);
    std::vector<uint32_t> pieces;
    for (size_t total = 0; total < len;) {
      uint32_t piece;
      switch (random() % 5) {
        case 0: piece = 0; break;
        case 1: piece = block * (1 + random() % 4); break;
        case 2: piece = block - 1 + random() % 3; break;
        default: piece = random() % (3 * block); break;
      }
      pieces.push_back(piece);
      total += piece;
    }
    ASSERT_EQ(DigestInPieces<TypeParam>(message.data(), len, pieces),
              ReferenceDigest<TypeParam>(message.data(), len))
        << "round " << round << ", length " << len << ", " << pieces.size() << " pieces";
  }
}

TYPED_TEST(EngineTest, EveryByteOfTheContextIsZeroAfterFinal) {
  for (size_t len : {size_t{0}, size_t{5}, size_t{TypeParam::kBlockSize + 3}}) {
    const std::string message(len, 'x');
    typename TypeParam::Context context;
    std::memset(&context, 0xA5, sizeof(context));
    TypeParam::Init(&context);
    TypeParam::Update(&context, Bytes(message.c_str()), static_cast<uint32_t>(len));
    uint8_t digest[16];
    TypeParam::Final(digest, &context);
    const typename TypeParam::Context zero{};
    EXPECT_EQ(std::memcmp(&context, &zero, sizeof(context)), 0) << "length " << len;
  }
}

TYPED_TEST(EngineTest, InputAtOddAddressesGivesTheSameDigest) {
  std::mt19937 random(7);
  const std::vector<uint8_t> message = RandomBytes(random, 1000);
  const std::string expected = ReferenceDigest<TypeParam>(message.data(), message.size());
  std::vector<uint8_t> storage(message.size() + 16);
  for (size_t offset = 1; offset < 8; offset++) {
    std::memcpy(storage.data() + offset, message.data(), message.size());
    EXPECT_EQ(DigestAtOnce<TypeParam>(storage.data() + offset, message.size()), expected);
    EXPECT_EQ(DigestInPieces<TypeParam>(storage.data() + offset, message.size(), {1, 2, 3, 66, 5}),
              expected)
        << "offset " << offset;
  }
}

TYPED_TEST(EngineTest, TwoContextsFedAlternatelyStayIndependent) {
  std::mt19937 random(3);
  const std::vector<uint8_t> first = RandomBytes(random, 777);
  const std::vector<uint8_t> second = RandomBytes(random, 555);
  typename TypeParam::Context a, b;
  TypeParam::Init(&a);
  TypeParam::Init(&b);
  for (size_t at = 0; at < first.size(); at += 37) {
    TypeParam::Update(&a, first.data() + at, static_cast<uint32_t>(std::min<size_t>(37, first.size() - at)));
    if (at < second.size())
      TypeParam::Update(&b, second.data() + at, static_cast<uint32_t>(std::min<size_t>(37, second.size() - at)));
  }
  uint8_t digest_a[16], digest_b[16];
  TypeParam::Final(digest_a, &a);
  TypeParam::Final(digest_b, &b);
  EXPECT_EQ(ToHex(digest_a), ReferenceDigest<TypeParam>(first.data(), first.size()));
  EXPECT_EQ(ToHex(digest_b), ReferenceDigest<TypeParam>(second.data(), second.size()));
}

TEST(MD2Table, PiSubstIsAPermutationWithTheRfcEnds) {
  bool seen[256] = {};
  for (uint8_t value : PI_SUBST) seen[value] = true;
  for (int i = 0; i < 256; i++) EXPECT_TRUE(seen[i]) << i << " missing";
  EXPECT_EQ(std::vector<uint8_t>(PI_SUBST, PI_SUBST + 8),
            (std::vector<uint8_t>{41, 46, 67, 201, 162, 216, 124, 1}));
  EXPECT_EQ(std::vector<uint8_t>(PI_SUBST + 248, PI_SUBST + 256),
            (std::vector<uint8_t>{219, 153, 141, 51, 159, 17, 131, 20}));
}

}  // namespace
