// The multi-line field the user types or pastes the plaintext into.
#pragma once

#include <windows.h>

// Makes the field keep any text whole and ignore Escape; called once the dialog exists.
void PreparePlaintextField(HWND field);

// Counts the messages after which the field may hold another text: two equal counts mean
// the same text, without looking at it.
DWORD_PTR PlaintextEdits(HWND field);
