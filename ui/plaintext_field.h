// The multi-line field the user types or pastes the plaintext into.
#pragma once

#include <windows.h>

// Makes the field keep any text whole, ignore Escape and select all on Ctrl+A; called once
// the dialog exists.
void PreparePlaintextField(HWND field);

// Counts the messages after which the field may hold another text: two equal counts mean
// the same text, without looking at it.
DWORD_PTR PlaintextEdits(HWND field);

// Read-only for a long command, and back. The field keeps its look: the dialog gives it the
// colours of an editable field in both states.
void SetPlaintextReadOnly(HWND field, bool readOnly);

// Called once, just before the field handles the next message that may change its text,
// while the text is still the one before it.
struct BeforeEdit {
  void (*call)(void* context);
  void* context;
};
// The caller keeps hook alive until it has been called or cancelled with nullptr.
void CallBeforeNextEdit(HWND field, const BeforeEdit* hook);
