#include "field_text.h"

#include "md_bytes.h"
#include "plaintext_field.h"

namespace {

uint64_t TextBytes(uint32_t units) { return (uint64_t{units} + 1) * sizeof(wchar_t); }

HLOCAL LentBuffer(HWND field) {
  return reinterpret_cast<HLOCAL>(SendMessageW(field, EM_GETHANDLE, 0, 0));
}

// The version 6 edit control keeps its text as UTF-16 even in an ANSI dialog, NUL
// terminated; the size and the terminator are checked so that nothing is ever read past the
// buffer, whatever the control.
bool CanBorrow(HLOCAL buffer, uint32_t units) {
  if (buffer == nullptr || LocalSize(buffer) < TextBytes(units)) return false;
  const auto* text = static_cast<const wchar_t*>(LocalLock(buffer));
  const bool terminated = text != nullptr && text[units] == L'\0';
  LocalUnlock(buffer);
  return terminated;
}

bool CopyText(HWND field, FieldText* text) {
  const uint64_t bytes = TextBytes(text->units);
  if (bytes > INT32_MAX) return false;
  text->copy = static_cast<wchar_t*>(
      HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, static_cast<SIZE_T>(bytes)));
  if (text->copy == nullptr) return false;
  const int copied = GetWindowTextW(field, text->copy, static_cast<int>(text->units) + 1);
  text->units = copied > 0 ? static_cast<uint32_t>(copied) : 0;
  return true;
}

}  // namespace

bool OpenFieldText(HWND field, FieldText* text) {
  *text = {field, nullptr, nullptr, 0, PlaintextEdits(field)};
  text->units = static_cast<uint32_t>(GetWindowTextLengthW(field));
  HLOCAL buffer = LentBuffer(field);
  if (CanBorrow(buffer, text->units)) {
    text->lent = buffer;
    return true;
  }
  return CopyText(field, text);
}

const char16_t* LockFieldText(FieldText* text) {
  if (text->lent == nullptr) return reinterpret_cast<const char16_t*>(text->copy);
  return static_cast<const char16_t*>(LocalLock(text->lent));
}

void UnlockFieldText(FieldText* text) {
  if (text->lent != nullptr) LocalUnlock(text->lent);
}

bool FieldTextChanged(const FieldText& text) {
  if (PlaintextEdits(text.field) != text.edits) return true;
  if (static_cast<uint32_t>(GetWindowTextLengthW(text.field)) != text.units) return true;
  return text.lent != nullptr && LentBuffer(text.field) != text.lent;
}

void CloseFieldText(FieldText* text) {
  if (text->copy != nullptr) {
    HANDLE heap = GetProcessHeap();
    MD_memset(reinterpret_cast<uint8_t*>(text->copy), 0,
              static_cast<uint32_t>(HeapSize(heap, 0, text->copy)));
    HeapFree(heap, 0, text->copy);
  }
  *text = {};
}
