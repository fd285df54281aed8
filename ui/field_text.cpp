#include "field_text.h"

#include <cstring>

#include "md_bytes.h"

namespace {

uint64_t TextBytes(uint32_t units) { return (uint64_t{units} + 1) * sizeof(wchar_t); }

HLOCAL LentBuffer(HWND field) {
  return reinterpret_cast<HLOCAL>(SendMessageW(field, EM_GETHANDLE, 0, 0));
}

// The size and the terminator are checked so that nothing is ever read past the buffer.
bool CanBorrow(HLOCAL buffer, uint32_t units) {
  if (buffer == nullptr || LocalSize(buffer) < TextBytes(units)) return false;
  const auto* text = static_cast<const wchar_t*>(LocalLock(buffer));
  const bool terminated = text != nullptr && text[units] == L'\0';
  LocalUnlock(buffer);
  return terminated;
}

// ANSI bytes read as UTF-16 pair up two bytes a unit, so a text of two bytes or more parts
// from the field's own at its first unit; a match over this many is no accident.
constexpr uint32_t kComparedUnits = 64;

// Whether the lent buffer holds the field's text as UTF-16. The version 6 edit control keeps
// it so, even in an ANSI dialog; the older one keeps an ANSI dialog's text as ANSI bytes, and
// the program gets that one wherever its manifest is not honoured (on XP an
// MDHasher.exe.manifest file beside it wins). Which window procedure the field has says
// nothing sure about it, since a compatibility shim or another program's hook may have put
// its own in place. GetWindowTextW gives the text as UTF-16 in every case, and the buffer's
// first units must be the same.
bool HoldsFieldText(HWND field, HLOCAL buffer, uint32_t units) {
  const uint32_t compared = units < kComparedUnits ? units : kComparedUnits;
  wchar_t expected[kComparedUnits + 1] = {};
  bool same = static_cast<uint32_t>(GetWindowTextW(field, expected, kComparedUnits + 1)) >=
              compared;
  if (same) {
    const auto* text = static_cast<const wchar_t*>(LocalLock(buffer));
    same = text != nullptr && std::memcmp(text, expected, compared * sizeof(wchar_t)) == 0;
    LocalUnlock(buffer);
  }
  MD_memset(expected, 0, sizeof expected);
  return same;
}

// The field's text as UTF-16, whatever the control keeps: GetWindowTextW converts an ANSI
// control's text. nullptr when there is no memory for it.
wchar_t* CopyOfText(HWND field, uint32_t* units) {
  const uint64_t bytes = TextBytes(static_cast<uint32_t>(GetWindowTextLengthW(field)));
  if (bytes > INT32_MAX) return nullptr;
  auto* copy = static_cast<wchar_t*>(
      HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, static_cast<SIZE_T>(bytes)));
  if (copy == nullptr) return nullptr;
  const int copied = GetWindowTextW(field, copy, static_cast<int>(bytes / sizeof(wchar_t)));
  *units = copied > 0 ? static_cast<uint32_t>(copied) : 0;
  return copy;
}

void FreeCopy(wchar_t* copy) {
  if (copy == nullptr) return;
  HANDLE heap = GetProcessHeap();
  MD_memset(reinterpret_cast<uint8_t*>(copy), 0, static_cast<uint32_t>(HeapSize(heap, 0, copy)));
  HeapFree(heap, 0, copy);
}

TextFingerprint FingerprintOf(const char16_t* units, uint32_t count) {
  TextFingerprint fingerprint = {};
  AddToFingerprint(&fingerprint, units, count);
  return fingerprint;
}

void NoteTextBefore(void* context) {
  auto* text = static_cast<FieldText*>(context);
  const char16_t* units = LockFieldText(text);
  if (units != nullptr) {
    text->before = FingerprintOf(units, text->hashed);
    text->noted = true;
  }
  UnlockFieldText(text);
}

// The control may have moved the text to another buffer even where it stayed the same.
bool LentTextHeld(FieldText* text) {
  HLOCAL buffer = LentBuffer(text->field);
  if (!text->noted || !CanBorrow(buffer, text->units)) return false;
  const auto* units = static_cast<const char16_t*>(LocalLock(buffer));
  const bool same = units != nullptr && FingerprintOf(units, text->hashed) == text->before;
  LocalUnlock(buffer);
  if (same) text->lent = buffer;
  return same;
}

// The copy is what is hashed, so all of it must still be the field's text. The lengths come
// from the copies themselves: an ANSI control counts the length in bytes.
bool CopiedTextHeld(const FieldText& text) {
  uint32_t units = 0;
  wchar_t* now = CopyOfText(text.field, &units);
  const bool same = now != nullptr && units == text.units &&
                    std::memcmp(now, text.copy, units * sizeof(wchar_t)) == 0;
  FreeCopy(now);
  return same;
}

}  // namespace

bool OpenFieldText(HWND field, FieldText* text) {
  *text = {};
  text->field = field;
  text->edits = PlaintextEdits(field);
  text->hook = {NoteTextBefore, text};
  text->units = static_cast<uint32_t>(GetWindowTextLengthW(field));
  // For a short text neither the size nor the terminator tells UTF-16 from ANSI bytes: "abc"
  // read as UTF-16 is U+6261 and more.
  HLOCAL buffer = LentBuffer(field);
  if (CanBorrow(buffer, text->units) && HoldsFieldText(field, buffer, text->units)) {
    text->lent = buffer;
    return true;
  }
  text->copy = CopyOfText(field, &text->units);
  return text->copy != nullptr;
}

const char16_t* LockFieldText(FieldText* text) {
  if (text->lent == nullptr) return reinterpret_cast<const char16_t*>(text->copy);
  return static_cast<const char16_t*>(LocalLock(text->lent));
}

void UnlockFieldText(FieldText* text) {
  if (text->lent != nullptr) LocalUnlock(text->lent);
}

void BeginFieldBreak(FieldText* text, uint32_t hashed) {
  text->hashed = hashed;
  text->noted = false;
  // A copy is compared as it stands; only the lent buffer needs a note of what it held.
  if (text->lent != nullptr) CallBeforeNextEdit(text->field, &text->hook);
}

void EndFieldBreak(FieldText* text) { CallBeforeNextEdit(text->field, nullptr); }

bool FieldTextChanged(FieldText* text) {
  const DWORD_PTR edits = PlaintextEdits(text->field);
  if (edits == text->edits) return false;
  text->edits = edits;
  if (text->copy != nullptr) return !CopiedTextHeld(*text);
  return static_cast<uint32_t>(GetWindowTextLengthW(text->field)) != text->units ||
         !LentTextHeld(text);
}

void CloseFieldText(FieldText* text) {
  FreeCopy(text->copy);
  *text = {};
}
