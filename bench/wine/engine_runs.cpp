#include "engine_runs.h"

#include <cstdint>

#include "md2.h"
#include "md5.h"
#include "stopwatch.h"

namespace {

std::string HexOf(const Digest digest) {
  constexpr char kDigits[] = "0123456789ABCDEF";
  std::string text;
  for (int i = 0; i < 16; ++i) {
    text += kDigits[digest[i] >> 4];
    text += kDigits[digest[i] & 0xF];
  }
  return text;
}

const uint8_t* BytesOf(const std::string& text) {
  return reinterpret_cast<const uint8_t*>(text.data());
}

}  // namespace

EngineRun TimeEngineMD5(const std::string& bytes) {
  Digest digest = {};
  const int64_t start = CounterNow();
  MD5_CTX context;
  MD5Init(&context);
  MD5Update(&context, BytesOf(bytes), static_cast<uint32_t>(bytes.size()));
  MD5Final(digest, &context);
  return {MillisecondsSince(start), HexOf(digest)};
}

EngineRun TimeEngineMD2(const std::string& bytes) {
  Digest digest = {};
  const int64_t start = CounterNow();
  MD2_CTX context;
  MD2Init(&context);
  MD2Update(&context, BytesOf(bytes), static_cast<uint32_t>(bytes.size()));
  MD2Final(digest, &context);
  return {MillisecondsSince(start), HexOf(digest)};
}
