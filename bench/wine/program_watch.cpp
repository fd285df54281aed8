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

std::string HashFieldText(HWND dialog) {
  char text[256] = {};
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutA(GetDlgItem(dialog, IDC_HASH), WM_GETTEXT, sizeof text,
                           reinterpret_cast<LPARAM>(text), SMTO_NORMAL, kAnswerWaitMs, &copied))
    return "<no answer>";
  return std::string(text, std::min<size_t>(copied, sizeof text - 1));
}

void Record(Watch* watch, const std::string& text) {
  if (!watch->seen.empty() && watch->seen.back().text == text) {
    watch->seen.back().readings++;
    return;
  }
  watch->seen.push_back({text, MillisecondsSince(watch->start), 1});
}

DWORD WINAPI ProbeAnswers(void* param) {
  auto* watch = static_cast<Watch*>(param);
  while (!watch->stop.load()) {
    const int64_t sent = CounterNow();
    DWORD_PTR ignored = 0;
    // SMTO_NORMAL, so that a program that reads no messages for long shows as one long
    // wait rather than as a quick refusal to wait for a hung window.
    const bool answered = SendMessageTimeoutA(watch->dialog, WM_NULL, 0, 0, SMTO_NORMAL,
                                              kAnswerWaitMs, &ignored) != 0;
    watch->longestWaitMs = std::max(watch->longestWaitMs, MillisecondsSince(sent));
    watch->probes++;
    if (!answered) watch->unanswered++;
    Record(watch, HashFieldText(watch->dialog));
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
  watch->highestCommit = 0;
  watch->longestWaitMs = 0;
  watch->probes = 0;
  watch->unanswered = 0;
  watch->seen.clear();
  watch->start = CounterNow();
  watch->memoryThread = CreateThread(nullptr, 0, SampleMemory, watch, 0, nullptr);
  watch->answerThread =
      probeAnswers ? CreateThread(nullptr, 0, ProbeAnswers, watch, 0, nullptr) : nullptr;
}

void StopWatch(Watch* watch) {
  watch->stop.store(true);
  for (HANDLE thread : {watch->memoryThread, watch->answerThread}) {
    if (thread == nullptr) continue;
    WaitForSingleObject(thread, INFINITE);
    CloseHandle(thread);
  }
}
