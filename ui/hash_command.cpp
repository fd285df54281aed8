#include "hash_command.h"

#include <cstdint>

#include "resource.h"

namespace {

// Texts up to this many characters are read into a buffer on the stack.
constexpr uint32_t kStackBufferBytes = 10000;
constexpr int32_t kStackReadLimit = 9999;  // characters including the NUL
constexpr int32_t kLongestStackText = kStackReadLimit - 1;

// Shown instead of a digest when a long text cannot be read whole. A digest of part of
// the text would look exactly like a right one, so it is never shown.
constexpr char kNoMemoryText[] = "Not enough memory to hash this text";

void ShowResult(HWND dialog, const char* text) { SetDlgItemTextA(dialog, IDC_HASH, text); }

void HashFieldText(HWND dialog, HashAlgorithm algorithm, char* buffer, int32_t capacity) {
  const UINT count = GetDlgItemTextA(dialog, IDC_PLAINTEXT, buffer, capacity);
  DigestText digest = {};
  ShowResult(dialog, OnHashCommand(algorithm, buffer, count, digest));
}

void HashShortText(HWND dialog, HashAlgorithm algorithm) {
  char buffer[kStackBufferBytes] = {};
  HashFieldText(dialog, algorithm, buffer, kStackReadLimit);
}

void HashLongText(HWND dialog, HashAlgorithm algorithm, int32_t length) {
  const SIZE_T bytes = static_cast<SIZE_T>(length) + 1;
  HANDLE heap = GetProcessHeap();
  char* buffer = static_cast<char*>(HeapAlloc(heap, HEAP_ZERO_MEMORY, bytes));
  if (buffer == nullptr) {
    ShowResult(dialog, kNoMemoryText);
    return;
  }
  HashFieldText(dialog, algorithm, buffer, length + 1);
  HeapFree(heap, 0, buffer);
}

}  // namespace

void RunHashCommand(HWND dialog, HashAlgorithm algorithm) {
  // The reported length may exceed the characters actually copied (it can count double-byte
  // characters twice), never fall short of them, so a buffer of length + 1 always holds all.
  const int32_t length = GetWindowTextLengthA(GetDlgItem(dialog, IDC_PLAINTEXT));
  if (length <= kLongestStackText)
    HashShortText(dialog, algorithm);
  else
    HashLongText(dialog, algorithm, length);
}
