#include "ansi_text.h"

#include <windows.h>

namespace {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows text is UTF-16");

// No flags and no default character: the one form of the call that every code page accepts,
// UTF-8 included. Whether a character converted exactly is left to the round trip.
int32_t ToAnsi(uint32_t number, const char16_t* units, uint32_t count, char* out,
               uint32_t capacity) {
  return WideCharToMultiByte(number, 0, reinterpret_cast<LPCWCH>(units), static_cast<int>(count),
                             out, static_cast<int>(capacity), nullptr, nullptr);
}

int32_t FromAnsi(uint32_t number, const char* bytes, uint32_t count, char16_t* out,
                 uint32_t capacity) {
  return MultiByteToWideChar(number, 0, bytes, static_cast<int>(count),
                             reinterpret_cast<LPWSTR>(out), static_cast<int>(capacity));
}

}  // namespace

CodePage AnsiCodePage() { return {GetACP(), ToAnsi, FromAnsi}; }
