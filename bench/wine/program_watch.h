// What the program does while one of its commands runs, watched from threads of this
// process: how much memory it holds, and whether it answers messages meanwhile.
#pragma once

#include <windows.h>

#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

// The program's commit charge as GetProcessMemoryInfo gives it for another process.
struct Commit {
  int64_t now;   // PagefileUsage
  int64_t peak;  // PeakPagefileUsage
};
Commit CommitOf(HANDLE process);

// A text the hash field showed for one or more readings in a row.
struct SeenText {
  std::string text;
  double firstMs;  // when the first of those readings was answered, from the watch's start
  uint32_t readings;
};

constexpr uint32_t kProbeIntervalMs = 100;
constexpr uint32_t kAnswerWaitMs = 5000;

struct Watch {
  HANDLE process;
  HWND dialog;
  int64_t start;
  std::atomic<bool> stop;
  HANDLE memoryThread;
  HANDLE answerThread;  // nullptr when only memory is watched
  // Valid once StopWatch has returned.
  int64_t highestCommit;   // the largest PagefileUsage sampled
  double longestWaitMs;    // for an answer to WM_NULL
  uint32_t probes;
  uint32_t unanswered;     // probes with no answer within kAnswerWaitMs
  std::vector<SeenText> seen;
};

// Samples the commit charge often; with probeAnswers, also sends the dialog WM_NULL every
// kProbeIntervalMs and reads the hash field after each answer.
void StartWatch(Watch* watch, HANDLE process, HWND dialog, bool probeAnswers);
void StopWatch(Watch* watch);
