// The MD2 and MD5 buttons: hash the plaintext field's text, show the result.
#pragma once

#include <windows.h>

#include "hash_text.h"

// Shown, with the code page's number and the first such character, instead of a digest of
// text that the system's ANSI code page cannot hold: a digest of stand-in characters would
// look exactly like a right one. The character is selected in the plaintext field.
inline constexpr char kUnrepresentableFormat[] =
    "ANSI code page %u cannot represent U+%04lX (selected)";

// Runs inside the button's message; a long command takes breaks in which the dialog's other
// messages arrive (long_command.h).
void RunHashCommand(HWND dialog, HashAlgorithm algorithm);
