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
  int64_t firstAt;  // CounterNow() when the first of those readings was answered
  uint32_t readings;
};

constexpr uint32_t kProbeIntervalMs = 100;
constexpr uint32_t kAnswerWaitMs = 5000;

struct Watch {
  HANDLE process;
  HWND dialog;
  std::atomic<bool> stop;
  HANDLE memoryThread;
  HANDLE answerThread;  // nullptr when only memory is watched
  HANDLE firstRound;    // set once the first probe and reading are answered
  int64_t waitingSince;  // when the oldest message still unanswered was sent; 0: none
  // Valid once StopWatch has returned.
  int64_t highestCommit;   // the largest PagefileUsage sampled
  double longestWaitMs;    // from sending a message until the program answered any
  uint32_t probes;
  uint32_t timedOut;       // messages given up on after kAnswerWaitMs
  std::vector<SeenText> seen;
};

// Samples the commit charge often. With probeAnswers it also sends the dialog WM_NULL
// every kProbeIntervalMs and reads the hash field after each, and returns only once both
// were answered, so that the first reading shows the field as it was before the command.
void StartWatch(Watch* watch, HANDLE process, HWND dialog, bool probeAnswers);
void StopWatch(Watch* watch);
