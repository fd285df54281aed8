// One-shot MD5 and MD2 of the reference libraries, kept away from our engine headers:
// OpenSSL's md5.h declares an MD5_CTX of its own.
#pragma once

#include <cstdint>

void OpenSslMD5(const uint8_t* data, uint32_t len, uint8_t digest[16]);
void NettleMD5(const uint8_t* data, uint32_t len, uint8_t digest[16]);
void NettleMD2(const uint8_t* data, uint32_t len, uint8_t digest[16]);
