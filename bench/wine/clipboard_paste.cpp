#include "clipboard_paste.h"

#include <algorithm>

#include "driver_input.h"
#include "driver_session.h"
#include "stopwatch.h"

bool PutOnClipboard(const std::string& ascii) {
  // Widened straight into the clipboard's block: a copy of its own would cost this 32-bit
  // process twice the text's size in address space for nothing.
  HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, (ascii.size() + 1) * sizeof(wchar_t));
  if (data == nullptr) return false;
  auto* wide = static_cast<wchar_t*>(GlobalLock(data));
  std::copy(ascii.begin(), ascii.end(), wide);
  wide[ascii.size()] = L'\0';
  GlobalUnlock(data);
  return GiveClipboardText(data);
}

void EmptyOwnClipboard() {
  if (!OpenDriverClipboard()) return;
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
        run.finalUnits = static_cast<uint32_t>(TextLengthOf(field));
        return run.finalUnits >= units;
      },
      timeoutMs);
  run.arrived = reached && run.finalUnits == units;
  run.arrivedMs = MillisecondsSince(start);
  return run;
}
