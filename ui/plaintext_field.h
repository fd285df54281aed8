// The multi-line field the user types or pastes the plaintext into.
#pragma once

#include <windows.h>

// Makes the field keep any text whole and ignore Escape; called once the dialog exists.
void PreparePlaintextField(HWND field);
