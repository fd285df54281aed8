#include "hash_command.h"

#include <cstdint>

#include "ansi_text.h"
#include "md_bytes.h"
#include "resource.h"

namespace {

// Texts up to this many characters are read and converted on the stack, longer ones in
// blocks from the heap sized to fit: either way the text is hashed whole.
constexpr uint32_t kStackChars = 10000;

// Shown instead of a digest of part of the text, which would look exactly like a right one.
constexpr char kNoMemoryText[] = "Not enough memory to hash this text";

void ShowResult(HWND dialog, const char* text) { SetDlgItemTextA(dialog, IDC_HASH, text); }

void ShowUnrepresentable(HWND dialog) {
  char text[sizeof kUnrepresentableFormat + 16] = {};
  wsprintfA(text, kUnrepresentableFormat, GetACP());
  ShowResult(dialog, text);
}

// Lends use() a zeroed block of the given size: onStack when that is large enough, else one
// from the heap. The block held the user's text, so it is wiped before it is given back.
// False, without calling use(), when the heap has no room.
template <typename Use>
bool WithZeroedBlock(uint8_t* onStack, uint32_t stackBytes, uint64_t bytes, Use use) {
  if (bytes > INT32_MAX) return false;
  HANDLE heap = GetProcessHeap();
  uint8_t* block = onStack;
  if (bytes > stackBytes) {
    block = static_cast<uint8_t*>(HeapAlloc(heap, HEAP_ZERO_MEMORY, static_cast<SIZE_T>(bytes)));
    if (block == nullptr) return false;
  }
  use(block);
  MD_memset(block, 0, static_cast<uint32_t>(bytes));
  if (block != onStack) HeapFree(heap, 0, block);
  return true;
}

void HashWideText(HWND dialog, HashAlgorithm algorithm, const wchar_t* text, uint32_t units) {
  const AnsiSize size = MeasureAnsi(text, units);
  if (!size.exact) {
    ShowUnrepresentable(dialog);
    return;
  }
  auto hashAnsi = [&](uint8_t* block) {
    char* ansi = reinterpret_cast<char*>(block);
    ConvertToAnsi(text, units, ansi, size.bytes);
    DigestText digest = {};
    ShowResult(dialog, OnHashCommand(algorithm, ansi, size.bytes, digest));
  };
  uint8_t onStack[kStackChars] = {};
  if (!WithZeroedBlock(onStack, sizeof onStack, uint64_t{size.bytes} + 1, hashAnsi))
    ShowResult(dialog, kNoMemoryText);
}

}  // namespace

void RunHashCommand(HWND dialog, HashAlgorithm algorithm) {
  // Read as Unicode, the form the field keeps (the version 6 edit control that the manifest
  // asks for does so even in an ANSI dialog): an ANSI read would already have replaced the
  // characters the code page lacks, and the text could not be judged any more.
  HWND field = GetDlgItem(dialog, IDC_PLAINTEXT);
  const uint32_t units = static_cast<uint32_t>(GetWindowTextLengthW(field));
  auto hashWide = [&](uint8_t* block) {
    wchar_t* text = reinterpret_cast<wchar_t*>(block);
    const int copied = GetWindowTextW(field, text, static_cast<int>(units) + 1);
    HashWideText(dialog, algorithm, text, static_cast<uint32_t>(copied));
  };
  alignas(wchar_t) uint8_t onStack[kStackChars * sizeof(wchar_t)] = {};
  const uint64_t bytes = (uint64_t{units} + 1) * sizeof(wchar_t);
  if (!WithZeroedBlock(onStack, sizeof onStack, bytes, hashWide)) ShowResult(dialog, kNoMemoryText);
}
