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

// Whether the field keeps its text as UTF-16, so that the buffer it lends holds that text.
// The version 6 edit control does, even in an ANSI dialog. The older one keeps an ANSI
// dialog's text in the ANSI code page, and the program gets it wherever its manifest is not
// honoured: on XP an MDHasher.exe.manifest file beside it wins, and later systems can be set
// to prefer such files.
bool PlaintextKeepsUnicode(HWND field);

// Called once, just before the field handles the next message that may change its text,
// while the text is still the one before it.
struct BeforeEdit {
  void (*call)(void* context);
  void* context;
};
// The caller keeps hook alive until it has been called or cancelled with nullptr.
void CallBeforeNextEdit(HWND field, const BeforeEdit* hook);
