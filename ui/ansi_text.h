// The system's ANSI code page, in which the plaintext is hashed.
#pragma once

#include "wide_text.h"

// The code page GetACP names, converted by the system in both directions.
CodePage AnsiCodePage();
