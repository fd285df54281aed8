// The real program hashing a very long pasted text, timed from outside, against the
// engines' own time on the same bytes in this process; and what the program holds in
// memory and whether it answers meanwhile. It measures and reports: no figure fails it,
// only a run that could not measure (or a wrong digest) ends with an exit code of 1.
//
//   e2e_bench.exe <MDHasher.exe> [megabytes, default 50]
#include <windows.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app_title.h"
#include "bench_text.h"
#include "clipboard_paste.h"
#include "driver_session.h"
#include "engine_runs.h"
#include "program_command.h"
#include "program_watch.h"
#include "resource.h"
#include "stopwatch.h"

namespace {

constexpr int kRepetitions = 5;
constexpr uint32_t kMegabyte = 1048576;
// The 32-bit program keeps the text twice as UTF-16 while it hashes, so larger texts only
// measure running out of address space.
constexpr uint32_t kMostMegabytes = 256;
constexpr size_t kSeenShown = 12;

struct Bench {
  Program program;
  HWND main;
  std::string text;
  uint32_t megabytes;
  uint32_t timeoutMs;       // for any one command
  uint32_t pasteTimeoutMs;  // for the paste, which under Wine takes longer than MD2
};

double Megabytes(int64_t bytes) { return static_cast<double>(bytes) / kMegabyte; }

bool Fail(const char* why) {
  std::printf("end to end: could not finish: %s\n", why);
  return false;
}

bool StartAndPaste(Bench& b, const char* exe) {
  const int64_t start = CounterNow();
  if (!StartProgram(exe, "", &b.program)) return Fail("the program did not start");
  b.main = WaitForDialog(b.program, APP_TITLE, kStartTimeoutMs);
  if (b.main == nullptr) return Fail("the program's main dialog did not appear");
  std::printf("program: main dialog after %.0f ms\n", MillisecondsSince(start));

  if (!PutOnClipboard(b.text)) return Fail("the clipboard would not take the text");
  const uint32_t units = static_cast<uint32_t>(b.text.size());
  const PasteRun paste = PasteAndWait(GetDlgItem(b.main, IDC_PLAINTEXT), units, b.pasteTimeoutMs);
  EmptyOwnClipboard();
  std::printf("paste: WM_PASTE answered after %.0f ms; %u of %u characters in the field after "
              "%.0f ms\n",
              paste.answeredMs, paste.finalUnits, units, paste.arrivedMs);
  return paste.arrived || Fail("the pasted text did not all arrive");
}

bool DigestMatches(const CommandRun& run, const std::string& want) {
  if (!run.digestShown) {
    std::printf("  no digest after %.0f ms; the hash field shows \"%s\"\n", run.digestMs,
                run.shown.c_str());
    return false;
  }
  if (run.shown == want) return true;
  std::printf("  WRONG DIGEST: the program shows %s, the engine gives %s\n", run.shown.c_str(),
              want.c_str());
  return false;
}

// The sampled highest counts: Wine gives the present commit as PeakPagefileUsage, and on
// Windows that is the peak of the process's whole life, which the paste may have set.
void PrintMemory(const Commit& before, const Commit& after, const Watch& watch) {
  std::printf("  memory beyond the field's own: %.1f MB (commit %.1f MB before the command, "
              "at most %.1f MB while it ran)\n",
              Megabytes(watch.highestCommit - before.now), Megabytes(before.now),
              Megabytes(watch.highestCommit));
  std::printf("  PeakPagefileUsage after it: %.1f MB%s\n", Megabytes(after.peak),
              after.peak == after.now ? ", the same as PagefileUsage: no peak kept" : "");
}

// The program's time and the engine's, interleaved so that a change in the machine's
// load or clock falls on both alike.
bool BenchMD5(Bench& b) {
  std::vector<double> program, clicks, engine;
  std::string digest;
  for (int i = 0; i < kRepetitions; ++i) {
    const CommandRun run = RunCommand(b.main, IDC_MD5, true, b.timeoutMs);
    const EngineRun alone = TimeEngine(HashAlgorithm::MD5, b.text);
    if (!DigestMatches(run, alone.digest)) return Fail("MD5 gave no right digest");
    program.push_back(run.digestMs);
    clicks.push_back(run.clickMs);
    engine.push_back(alone.ms);
    digest = alone.digest;
  }
  const Spread p = SpreadOf(program), e = SpreadOf(engine), c = SpreadOf(clicks);
  std::printf("MD5 of %u MB: program %.0f ms, engine %.0f ms: %.2fx\n", b.megabytes, p.median,
              e.median, p.median / e.median);
  std::printf("  median of %d; fastest: program %.0f ms, engine %.0f ms: %.2fx\n", kRepetitions,
              p.min, e.min, p.min / e.min);
  std::printf("  digest %s, as the engine gives; BM_CLICK answered after %.0f ms (median)\n",
              digest.c_str(), c.median);

  // Once more, untimed, with the commit charge sampled throughout.
  Watch watch;
  const Commit before = CommitOf(b.program.info.hProcess);
  StartWatch(&watch, b.program.info.hProcess, b.main, false);
  const CommandRun run = RunCommand(b.main, IDC_MD5, true, b.timeoutMs);
  StopWatch(&watch);
  PrintMemory(before, CommitOf(b.program.info.hProcess), watch);
  return DigestMatches(run, digest) || Fail("MD5 gave no right digest");
}

const char* NameOf(const std::string& text, const std::string& md5, const std::string& md2) {
  if (text == md5) return ": the MD5 digest from before";
  if (text == md2) return ": the MD2 digest";
  return "";
}

void PrintAnswers(const Watch& watch, const CommandRun& run, const std::string& md5,
                  const std::string& md2) {
  std::printf("  while it ran, WM_NULL every %u ms: longest wait for an answer %.0f ms (WM_NULL "
              "sent: %u; messages timed out after %u ms: %u)\n",
              kProbeIntervalMs, watch.longestWaitMs, watch.probes, kAnswerWaitMs,
              watch.timedOut);
  std::printf("  the hash field showed (read after each WM_NULL, time from the press):\n");
  for (size_t i = 0; i < watch.seen.size() && i < kSeenShown; ++i) {
    const SeenText& seen = watch.seen[i];
    std::printf("    %+6lld ms \"%s\"%s (%u reading%s)\n",
                std::llround(MillisecondsBetween(run.pressedAt, seen.firstAt)), seen.text.c_str(),
                NameOf(seen.text, md5, md2), seen.readings, seen.readings == 1 ? "" : "s");
  }
  if (watch.seen.size() > kSeenShown)
    std::printf("    ... and %zu texts more\n", watch.seen.size() - kSeenShown);
}

// MD2 is some 60 times slower than MD5: one run each, long enough to watch the program
// through it.
bool BenchMD2(Bench& b) {
  const std::string md5 = ReadItemText(b.main, IDC_HASH);
  Watch watch;
  const Commit before = CommitOf(b.program.info.hProcess);
  StartWatch(&watch, b.program.info.hProcess, b.main, true);
  const CommandRun run = RunCommand(b.main, IDC_MD2, false, b.timeoutMs);
  StopWatch(&watch);
  const Commit after = CommitOf(b.program.info.hProcess);
  const EngineRun alone = TimeEngine(HashAlgorithm::MD2, b.text);
  std::printf("MD2 of %u MB: program %.0f ms, engine %.0f ms: %.2fx\n", b.megabytes,
              run.digestMs, alone.ms, run.digestMs / alone.ms);
  std::printf("  one run each; BM_CLICK answered after %.0f ms\n", run.clickMs);
  const bool right = DigestMatches(run, alone.digest);
  if (right) std::printf("  digest %s, as the engine gives\n", alone.digest.c_str());
  PrintMemory(before, after, watch);
  PrintAnswers(watch, run, md5, alone.digest);
  return right || Fail("MD2 gave no right digest");
}

void Close(Bench& b) {
  const int64_t start = CounterNow();
  if (b.main != nullptr) PostMessageA(b.main, WM_CLOSE, 0, 0);
  DWORD code = 0;
  if (WaitForExit(&b.program, kTimeoutMs, &code))
    std::printf("program: closed with exit code %lu after %.0f ms\n", code,
                MillisecondsSince(start));
  else
    std::printf("program: still running %u ms after WM_CLOSE; terminated\n", kTimeoutMs);
  EndProgram(&b.program);
}

}  // namespace

int main(int argc, char** argv) {
  std::setvbuf(stdout, nullptr, _IONBF, 0);
  const unsigned long megabytes = argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 50;
  if (argc < 2 || megabytes == 0 || megabytes > kMostMegabytes) {
    std::printf("usage: %s <MDHasher.exe> [megabytes, 1 to %u, default 50]\n", argv[0],
                kMostMegabytes);
    return 2;
  }
  Bench b = {};
  b.megabytes = static_cast<uint32_t>(megabytes);
  // A minute for anything, and two seconds a megabyte: over ten times what MD2 takes here.
  b.timeoutMs = 60000 + b.megabytes * 2000;
  b.pasteTimeoutMs = 60000 + b.megabytes * 10000;
  b.text = BenchText(b.megabytes * kMegabyte);
  std::printf("text: %u MB, %zu characters of ASCII in lines of 100 ending CR LF\n",
              b.megabytes, b.text.size());

  const bool ok = StartAndPaste(b, argv[1]) && BenchMD5(b) && BenchMD2(b);
  if (b.program.started) Close(b);
  if (ok) std::printf("end to end: done, every digest right\n");
  return ok ? 0 : 1;
}
