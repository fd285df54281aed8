// Hashes 1 MiB once with one engine, for counting instructions under callgrind:
//   valgrind --tool=callgrind --toggle-collect='HashOnce*' md_callgrind md5|md2
// Only HashOnce is counted, so start-up and filling the message stay out of the figure.
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "md2.h"
#include "md5.h"

namespace {

constexpr uint32_t kBytes = 1u << 20;
uint8_t message[kBytes];

__attribute__((noinline)) void HashOnceMD5(uint8_t digest[16]) {
  MD5_CTX ctx = {};
  MD5Init(&ctx);
  MD5Update(&ctx, message, kBytes);
  MD5Final(digest, &ctx);
}

__attribute__((noinline)) void HashOnceMD2(uint8_t digest[16]) {
  MD2_CTX ctx = {};
  MD2Init(&ctx);
  MD2Update(&ctx, message, kBytes);
  MD2Final(digest, &ctx);
}

}  // namespace

int main(int argc, char** argv) {
  const bool md2 = argc > 1 && std::strcmp(argv[1], "md2") == 0;
  uint32_t s = 1;
  for (uint8_t& b : message) {
    s = s * 1664525u + 1013904223u;
    b = static_cast<uint8_t>(s >> 24);
  }
  uint8_t digest[16];
  if (md2) {
    HashOnceMD2(digest);
  } else {
    HashOnceMD5(digest);
  }
  std::printf("%s bytes=%u digest=", md2 ? "MD2" : "MD5", kBytes);
  for (uint8_t b : digest) std::printf("%02X", b);
  std::printf("\n");
  return 0;
}
