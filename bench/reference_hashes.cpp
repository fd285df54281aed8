#include "reference_hashes.h"

#include <nettle/md2.h>
#include <nettle/md5.h>
#include <openssl/md5.h>

void OpenSslMD5(const uint8_t* data, uint32_t len, uint8_t digest[16]) {
  // The one-shot call is the fair opponent for a one-shot hash of the plaintext, and it runs
  // OpenSSL's hand-written block function; OpenSSL 3 marks it deprecated.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  MD5(data, len, digest);
#pragma GCC diagnostic pop
}

void NettleMD5(const uint8_t* data, uint32_t len, uint8_t digest[16]) {
  md5_ctx ctx;
  md5_init(&ctx);
  md5_update(&ctx, len, data);
  md5_digest(&ctx, MD5_DIGEST_SIZE, digest);
}

void NettleMD2(const uint8_t* data, uint32_t len, uint8_t digest[16]) {
  md2_ctx ctx;
  md2_init(&ctx);
  md2_update(&ctx, len, data);
  md2_digest(&ctx, MD2_DIGEST_SIZE, digest);
}
