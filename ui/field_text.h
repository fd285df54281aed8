// The plaintext field's text where it lies: the multi-line edit control lends its own buffer,
// so a text of any length is hashed without a copy. Where it lends none, a copy stands in.
#pragma once

#include <windows.h>

#include <cstdint>

#include "plaintext_field.h"
#include "text_fingerprint.h"

struct FieldText {
  HWND field;
  HLOCAL lent;        // the control's buffer, or nullptr when copy holds the text
  wchar_t* copy;      // from the heap
  uint32_t units;     // UTF-16 units, without the terminating NUL
  DWORD_PTR edits;    // the field's edit count when the text was last known to be the same
  // Set for the messages of one break: the units hashed so far, and what they were as the
  // first message that may have changed them arrived.
  uint32_t hashed;
  bool noted;
  TextFingerprint before;
  BeforeEdit hook;
};

// False when there is neither a buffer to borrow nor memory for a copy.
bool OpenFieldText(HWND field, FieldText* text);
// While the text is locked no message may reach the field: the control may move or change
// its buffer while it handles one.
const char16_t* LockFieldText(FieldText* text);
void UnlockFieldText(FieldText* text);
// Around a break, in which messages reach the field, when the first `hashed` units have been
// hashed: what they are is noted as the first message that may change them arrives.
void BeginFieldBreak(FieldText* text, uint32_t hashed);
void EndFieldBreak(FieldText* text);
// After a break: whether the field holds another text than the one taken, as far as it
// matters (what was hashed, and the length of the rest). A message that changed nothing
// does not count. Sends the field messages, so only while the text is unlocked.
bool FieldTextChanged(FieldText* text);
// Wipes and frees the copy, if there is one.
void CloseFieldText(FieldText* text);
