#include "program_command.h"

#include "driver_session.h"
#include "resource.h"
#include "stopwatch.h"

namespace {

bool IsDigestText(const std::string& text) {
  if (text.size() != 32) return false;
  for (char c : text)
    if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'))) return false;
  return true;
}

}  // namespace

CommandRun RunCommand(HWND dialog, int button, bool clearFirst, uint32_t timeoutMs) {
  HWND hash = GetDlgItem(dialog, IDC_HASH);
  if (clearFirst) WriteText(hash, "");
  const std::string before = ReadText(hash);
  CommandRun run = {};
  const int64_t start = CounterNow();
  run.pressedAt = start;
  DWORD_PTR ignored = 0;
  // Not SMTO_ABORTIFHUNG: a program that reads no messages for 5 s counts as hung, and a
  // long command may take that long; the wait must last until the command ends.
  SendMessageTimeoutA(GetDlgItem(dialog, button), BM_CLICK, 0, 0, SMTO_NORMAL, timeoutMs,
                      &ignored);
  run.clickMs = MillisecondsSince(start);
  // A program that hashes in the background answers the click at once and shows the
  // digest later; one that hashes inside the click shows it by the time it answers.
  for (;;) {
    run.shown = ReadText(hash);
    run.digestShown = IsDigestText(run.shown) && run.shown != before;
    if (run.digestShown || MillisecondsSince(start) > timeoutMs) break;
    Sleep(1);
  }
  run.digestMs = MillisecondsSince(start);
  return run;
}
