#include "ansi_text.h"

namespace {

bool AnsiIsUtf8() { return GetACP() == CP_UTF8; }

// A UTF-8 ANSI code page holds every character but a lone surrogate, which would otherwise
// become U+FFFD without a word. Each flag is accepted only for its own kind of code page.
DWORD StrictFlags(bool utf8) { return utf8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS; }

}  // namespace

AnsiSize MeasureAnsi(const wchar_t* text, uint32_t units) {
  if (units == 0) return {true, 0};
  if (units > INT32_MAX) return {false, 0};
  const bool utf8 = AnsiIsUtf8();
  BOOL substituted = FALSE;
  // The used-default flag is not allowed with UTF-8; there a failure reports the same.
  const int bytes = WideCharToMultiByte(CP_ACP, StrictFlags(utf8), text, static_cast<int>(units),
                                        nullptr, 0, nullptr, utf8 ? nullptr : &substituted);
  if (bytes <= 0 || substituted) return {false, 0};
  return {true, static_cast<uint32_t>(bytes)};
}

void ConvertToAnsi(const wchar_t* text, uint32_t units, char* out, uint32_t bytes) {
  WideCharToMultiByte(CP_ACP, StrictFlags(AnsiIsUtf8()), text, static_cast<int>(units), out,
                      static_cast<int>(bytes), nullptr, nullptr);
}
