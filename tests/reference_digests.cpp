#include "reference_digests.h"

#include <nettle/md2.h>
#include <openssl/evp.h>

#include <cstdio>
#include <cstdlib>

void ReferenceMD5(const uint8_t* data, size_t len, uint8_t digest[16]) {
  unsigned int out_len = 0;
  if (EVP_Digest(data, len, digest, &out_len, EVP_md5(), nullptr) != 1 || out_len != 16) {
    std::fprintf(stderr, "OpenSSL MD5 failed\n");
    std::abort();
  }
}

void ReferenceMD2(const uint8_t* data, size_t len, uint8_t digest[16]) {
  md2_ctx context;
  md2_init(&context);
  md2_update(&context, len, data);
  md2_digest(&context, MD2_DIGEST_SIZE, digest);
}

std::string ToHex(const uint8_t digest[16]) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string hex;
  for (int i = 0; i < 16; i++) {
    hex += kDigits[digest[i] >> 4];
    hex += kDigits[digest[i] & 0xF];
  }
  return hex;
}
