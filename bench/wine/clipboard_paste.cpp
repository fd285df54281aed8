#include "clipboard_paste.h"

#include <algorithm>

#include "driver_session.h"
#include "stopwatch.h"

namespace {

// On Windows SetClipboardData fails after EmptyClipboard when the clipboard was opened
// without an owner, so a window of this process owns it; it never needs to be seen.
HWND ClipboardOwner() {
  static HWND owner = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, nullptr, nullptr,
                                      GetModuleHandleA(nullptr), nullptr);
  return owner;
}

uint32_t TextUnits(HWND field) {
  DWORD_PTR units = 0;
  SendMessageTimeoutW(field, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kTimeoutMs, &units);
  return static_cast<uint32_t>(units);
}

}  // namespace

bool PutOnClipboard(const std::string& ascii) {
  // Widened straight into the clipboard's block: a copy of its own would cost this 32-bit
  // process twice the text's size in address space for nothing.
  HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, (ascii.size() + 1) * sizeof(wchar_t));
  if (data == nullptr) return false;
  auto* wide = static_cast<wchar_t*>(GlobalLock(data));
  std::copy(ascii.begin(), ascii.end(), wide);
  wide[ascii.size()] = L'\0';
  GlobalUnlock(data);
  if (ClipboardOwner() == nullptr || !OpenClipboard(ClipboardOwner())) {
    GlobalFree(data);
    return false;
  }
  EmptyClipboard();
  const bool put = SetClipboardData(CF_UNICODETEXT, data) != nullptr;
  if (!put) GlobalFree(data);
  CloseClipboard();
  return put;
}

void EmptyOwnClipboard() {
  if (!OpenClipboard(ClipboardOwner())) return;
  EmptyClipboard();
  CloseClipboard();
}

PasteRun PasteAndWait(HWND field, uint32_t units, uint32_t timeoutMs) {
  PasteRun run = {};
  const int64_t start = CounterNow();
  DWORD_PTR ignored = 0;
  SendMessageTimeoutA(field, WM_PASTE, 0, 0, SMTO_NORMAL, timeoutMs, &ignored);
  run.answeredMs = MillisecondsSince(start);
  const bool reached = WaitUntil(
      [&] {
        run.finalUnits = TextUnits(field);
        return run.finalUnits >= units;
      },
      timeoutMs);
  run.arrived = reached && run.finalUnits == units;
  run.arrivedMs = MillisecondsSince(start);
  return run;
}
