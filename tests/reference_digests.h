// Digests computed by other, independent implementations, to check ours against.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// OpenSSL's MD5 and Nettle's MD2 over one whole message.
void ReferenceMD5(const uint8_t* data, size_t len, uint8_t digest[16]);
void ReferenceMD2(const uint8_t* data, size_t len, uint8_t digest[16]);

// Lowercase hexadecimal, as the RFCs print their test suites.
std::string ToHex(const uint8_t digest[16]);
