// Turns plaintext into the text the hash field shows: a digest in hexadecimal, or a prompt.
#pragma once

#include <cstdint>

#include "md2.h"
#include "md5.h"

// 32 uppercase hexadecimal digits of a Digest, two per byte in byte order, and a NUL.
using DigestText = char[35];

enum class HashAlgorithm { MD2, MD5 };

// Shown instead of a digest when there is nothing to hash.
inline constexpr const char kPromptText[] = "Type in plaintext";

// plaintext is NUL-terminated and hashed as the bytes before the NUL; out holds at least 33 bytes.
void HashTextMD5(const char* plaintext, char* out);
void HashTextMD2(const char* plaintext, char* out);

// The rule of the MD2 and MD5 buttons: count is the number of characters read from the
// plaintext field. Returns the prompt when count is 0, otherwise out holding the digest text.
const char* OnHashCommand(HashAlgorithm algorithm, const char* plaintext, uint32_t count,
                          char* out);

// The same digest text for a text that arrives in pieces: the digest of the pieces one after
// another is the digest of the whole. The caller owns the record; Finish and Abandon wipe it.
struct TextHash {
  HashAlgorithm algorithm;
  uint64_t bytes;  // taken in so far
  MD5_CTX md5;
  MD2_CTX md2;
};

void BeginTextHash(TextHash* hash, HashAlgorithm algorithm);
void AddToTextHash(TextHash* hash, const char* bytes, uint32_t count);
// What the hash field shows: the prompt when no byte was taken in, as for an empty field,
// otherwise out (at least 33 bytes) holding the digest text.
const char* FinishTextHash(TextHash* hash, char* out);
// For a text that will not be finished: only the wipe.
void AbandonTextHash(TextHash* hash);
