// Hashes 1 MiB once, for counting instructions under callgrind:
//   valgrind --tool=callgrind --toggle-collect='*HashOnce*' md_callgrind ENGINE
// ENGINE: md5, md2 (ours), openssl-md5, nettle-md5, nettle-md2 (for comparison).
// Only HashOnce is counted, so start-up and filling the message stay out of the figure.
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "md2.h"
#include "md5.h"
#include "reference_hashes.h"

namespace {

constexpr uint32_t kBytes = 1u << 20;
uint8_t message[kBytes];

using HashFn = void (*)(const uint8_t* data, uint32_t len, uint8_t digest[16]);

void OursMD5(const uint8_t* data, uint32_t len, uint8_t digest[16]) {
  MD5_CTX ctx = {};
  MD5Init(&ctx);
  MD5Update(&ctx, data, len);
  MD5Final(digest, &ctx);
}

void OursMD2(const uint8_t* data, uint32_t len, uint8_t digest[16]) {
  MD2_CTX ctx = {};
  MD2Init(&ctx);
  MD2Update(&ctx, data, len);
  MD2Final(digest, &ctx);
}

__attribute__((noinline)) void HashOnce(HashFn hash, uint8_t digest[16]) {
  hash(message, kBytes, digest);
}

struct Engine {
  const char* name;
  HashFn hash;
};

const Engine kEngines[] = {{"md5", OursMD5},
                           {"md2", OursMD2},
                           {"openssl-md5", OpenSslMD5},
                           {"nettle-md5", NettleMD5},
                           {"nettle-md2", NettleMD2}};

}  // namespace

int main(int argc, char** argv) {
  const char* name = argc > 1 ? argv[1] : "md5";
  const Engine* engine = nullptr;
  for (const Engine& e : kEngines) {
    if (std::strcmp(e.name, name) == 0) engine = &e;
  }
  if (engine == nullptr) {
    std::fprintf(stderr, "usage: %s md5|md2|openssl-md5|nettle-md5|nettle-md2\n", argv[0]);
    return 2;
  }
  uint32_t s = 1;
  for (uint8_t& b : message) {
    s = s * 1664525u + 1013904223u;
    b = static_cast<uint8_t>(s >> 24);
  }
  uint8_t digest[16];
  HashOnce(engine->hash, digest);
  std::printf("%s bytes=%u digest=", engine->name, kBytes);
  for (uint8_t b : digest) std::printf("%02X", b);
  std::printf("\n");
  return 0;
}
