#include "bench_text.h"

namespace {

constexpr uint32_t kLineLength = 100;  // CR and LF included

}  // namespace

std::string BenchText(uint32_t characters) {
  std::string text(characters, ' ');
  for (uint32_t i = 0; i < characters; ++i) {
    const uint32_t column = i % kLineLength;
    if (column == kLineLength - 2)
      text[i] = '\r';
    else if (column == kLineLength - 1)
      text[i] = '\n';
    else
      text[i] = static_cast<char>('!' + (i * 7 + i / 94) % 94);
  }
  // A CR without its LF is a line break the edit control may rewrite.
  if (!text.empty() && text.back() == '\r') text.back() = '.';
  return text;
}
