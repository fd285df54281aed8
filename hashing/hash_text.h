// Turns plaintext into the text the hash field shows: a digest in hexadecimal, or a prompt.
#pragma once

#include <cstdint>

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
