// The MD2 and MD5 buttons: read the plaintext field, hash it, show the result.
#pragma once

#include <windows.h>

#include "hash_text.h"

// Shown, with the code page's number, instead of a digest of text that the system's ANSI
// code page cannot hold: a digest of stand-in characters would look exactly like a right one.
inline constexpr char kUnrepresentableFormat[] =
    "Text has characters that ANSI code page %u cannot represent";

void RunHashCommand(HWND dialog, HashAlgorithm algorithm);
