#include "program_watch.h"

#include <psapi.h>

#include <algorithm>

#include "resource.h"
#include "stopwatch.h"

namespace {

// Often enough to catch a buffer that lives for a small part of a command of some 100 ms.
constexpr DWORD kMemorySampleMs = 5;

DWORD WINAPI SampleMemory(void* param) {
  auto* watch = static_cast<Watch*>(param);
  while (!watch->stop.load()) {
    watch->highestCommit = std::max(watch->highestCommit, CommitOf(watch->process).now);
    Sleep(kMemorySampleMs);
  }
  return 0;
}

// A message given up on stays queued and is answered later, so the wait that counts runs
// from the oldest unanswered message until the program answers one: a program busy for
// longer than kAnswerWaitMs shows its whole silence, not the timeout.
bool SendAndTime(Watch* watch, HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                 DWORD_PTR* result) {
  const int64_t sent = CounterNow();
  if (watch->waitingSince == 0) watch->waitingSince = sent;
  // SMTO_NORMAL: SMTO_ABORTIFHUNG would not wait at all once the program counts as hung.
  if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_NORMAL, kAnswerWaitMs,
                           result)) {
    watch->timedOut++;
    return false;
  }
  watch->longestWaitMs = std::max(watch->longestWaitMs, MillisecondsSince(watch->waitingSince));
  watch->waitingSince = 0;
  return true;
}

std::string HashFieldText(Watch* watch) {
  char text[256] = {};
  DWORD_PTR copied = 0;
  if (!SendAndTime(watch, GetDlgItem(watch->dialog, IDC_HASH), WM_GETTEXT, sizeof text,
                   reinterpret_cast<LPARAM>(text), &copied))
    return "<no answer>";
  return std::string(text, std::min<size_t>(copied, sizeof text - 1));
}

void Record(Watch* watch, const std::string& text) {
  if (!watch->seen.empty() && watch->seen.back().text == text) {
    watch->seen.back().readings++;
    return;
  }
  watch->seen.push_back({text, CounterNow(), 1});
}

DWORD WINAPI ProbeAnswers(void* param) {
  auto* watch = static_cast<Watch*>(param);
  while (!watch->stop.load()) {
    DWORD_PTR ignored = 0;
    SendAndTime(watch, watch->dialog, WM_NULL, 0, 0, &ignored);
    watch->probes++;
    Record(watch, HashFieldText(watch));
    SetEvent(watch->firstRound);
    Sleep(kProbeIntervalMs);
  }
  return 0;
}

}  // namespace

Commit CommitOf(HANDLE process) {
  PROCESS_MEMORY_COUNTERS counters = {};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(process, &counters, sizeof counters);
  return {static_cast<int64_t>(counters.PagefileUsage),
          static_cast<int64_t>(counters.PeakPagefileUsage)};
}

void StartWatch(Watch* watch, HANDLE process, HWND dialog, bool probeAnswers) {
  watch->process = process;
  watch->dialog = dialog;
  watch->stop.store(false);
  watch->waitingSince = 0;
  watch->highestCommit = 0;
  watch->longestWaitMs = 0;
  watch->probes = 0;
  watch->timedOut = 0;
  watch->seen.clear();
  watch->firstRound = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  watch->memoryThread = CreateThread(nullptr, 0, SampleMemory, watch, 0, nullptr);
  watch->answerThread = nullptr;
  if (!probeAnswers) return;
  watch->answerThread = CreateThread(nullptr, 0, ProbeAnswers, watch, 0, nullptr);
  WaitForSingleObject(watch->firstRound, 2 * kAnswerWaitMs);
}

void StopWatch(Watch* watch) {
  watch->stop.store(true);
  for (HANDLE thread : {watch->memoryThread, watch->answerThread}) {
    if (thread == nullptr) continue;
    WaitForSingleObject(thread, INFINITE);
    CloseHandle(thread);
  }
  // Still unanswered at the end: the silence lasted at least until now.
  if (watch->waitingSince != 0)
    watch->longestWaitMs = std::max(watch->longestWaitMs, MillisecondsSince(watch->waitingSince));
  CloseHandle(watch->firstRound);
}
