// The MD2 and MD5 buttons: read the plaintext field, hash it, show the result.
#pragma once

#include <windows.h>

#include "hash_text.h"

void RunHashCommand(HWND dialog, HashAlgorithm algorithm);
