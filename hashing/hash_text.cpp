#include "hash_text.h"

#include <cstring>

#include "md2.h"
#include "md5.h"

namespace {

// Writes value as two uppercase hexadecimal digits and a terminating NUL.
void FormatHexByte(char* at, uint8_t value) {
  constexpr char kDigits[] = "0123456789ABCDEF";
  at[0] = kDigits[value >> 4];
  at[1] = kDigits[value & 0xF];
  at[2] = '\0';
}

void FormatDigest(const Digest digest, char* out) {
  DigestText text = {};
  for (int i = 0; i < 16; i++) FormatHexByte(&text[2 * i], digest[i]);
  std::strcpy(out, text);
}

uint32_t TextLength(const char* text) { return static_cast<uint32_t>(std::strlen(text)); }

const uint8_t* TextBytes(const char* text) { return reinterpret_cast<const uint8_t*>(text); }

}  // namespace

void HashTextMD5(const char* plaintext, char* out) {
  Digest digest = {};
  MD5_CTX context;
  MD5Init(&context);
  MD5Update(&context, TextBytes(plaintext), TextLength(plaintext));
  MD5Final(digest, &context);
  FormatDigest(digest, out);
}

void HashTextMD2(const char* plaintext, char* out) {
  Digest digest = {};
  MD2_CTX context;
  MD2Init(&context);
  MD2Update(&context, TextBytes(plaintext), TextLength(plaintext));
  MD2Final(digest, &context);
  FormatDigest(digest, out);
}

const char* OnHashCommand(HashAlgorithm algorithm, const char* plaintext, uint32_t count,
                          char* out) {
  if (count == 0) return kPromptText;
  if (algorithm == HashAlgorithm::MD2)
    HashTextMD2(plaintext, out);
  else
    HashTextMD5(plaintext, out);
  return out;
}

void BeginTextHash(TextHash* hash, HashAlgorithm algorithm) {
  MD_memset(reinterpret_cast<uint8_t*>(hash), 0, sizeof *hash);
  hash->algorithm = algorithm;
  if (algorithm == HashAlgorithm::MD2)
    MD2Init(&hash->md2);
  else
    MD5Init(&hash->md5);
}

void AddToTextHash(TextHash* hash, const char* bytes, uint32_t count) {
  hash->bytes += count;
  if (hash->algorithm == HashAlgorithm::MD2)
    MD2Update(&hash->md2, TextBytes(bytes), count);
  else
    MD5Update(&hash->md5, TextBytes(bytes), count);
}

const char* FinishTextHash(TextHash* hash, char* out) {
  if (hash->bytes == 0) {
    AbandonTextHash(hash);
    return kPromptText;
  }
  Digest digest = {};
  if (hash->algorithm == HashAlgorithm::MD2)
    MD2Final(digest, &hash->md2);
  else
    MD5Final(digest, &hash->md5);
  AbandonTextHash(hash);
  FormatDigest(digest, out);
  return out;
}

void AbandonTextHash(TextHash* hash) {
  MD_memset(reinterpret_cast<uint8_t*>(hash), 0, sizeof *hash);
}
