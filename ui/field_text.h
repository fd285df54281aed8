// The plaintext field's text where it lies: the multi-line edit control lends its own buffer,
// so a text of any length is hashed without a copy. Where it lends none, a copy stands in.
#pragma once

#include <windows.h>

#include <cstdint>

struct FieldText {
  HWND field;
  HLOCAL lent;        // the control's buffer, or nullptr when copy holds the text
  wchar_t* copy;      // from the heap
  uint32_t units;     // UTF-16 units, without the terminating NUL
  DWORD_PTR edits;    // the field's edit count when the text was taken
};

// False when there is neither a buffer to borrow nor memory for a copy.
bool OpenFieldText(HWND field, FieldText* text);
// While the text is locked no message may reach the field: the control may move or change
// its buffer while it handles one.
const char16_t* LockFieldText(FieldText* text);
void UnlockFieldText(FieldText* text);
// Whether the field now holds another text than the one taken. Sends the field messages,
// so only while the text is unlocked.
bool FieldTextChanged(const FieldText& text);
// Wipes and frees the copy, if there is one.
void CloseFieldText(FieldText* text);
