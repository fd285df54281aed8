#include "stopwatch.h"

#include <windows.h>

#include <algorithm>

int64_t CounterNow() {
  LARGE_INTEGER now = {};
  QueryPerformanceCounter(&now);
  return now.QuadPart;
}

double MillisecondsBetween(int64_t from, int64_t to) {
  static const int64_t perSecond = [] {
    LARGE_INTEGER frequency = {};
    QueryPerformanceFrequency(&frequency);
    return frequency.QuadPart;
  }();
  return static_cast<double>(to - from) * 1000.0 / static_cast<double>(perSecond);
}

Spread SpreadOf(std::vector<double> times) {
  std::sort(times.begin(), times.end());
  const size_t n = times.size();
  const double median = n % 2 == 1 ? times[n / 2] : (times[n / 2 - 1] + times[n / 2]) / 2;
  return {median, times.front()};
}
