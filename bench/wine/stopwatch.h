// Wall-clock times from the performance counter, and the figures reported over repetitions.
#pragma once

#include <cstdint>
#include <vector>

int64_t CounterNow();
double MillisecondsBetween(int64_t from, int64_t to);
inline double MillisecondsSince(int64_t from) { return MillisecondsBetween(from, CounterNow()); }

struct Spread {
  double median;
  double min;
};

// times must not be empty.
Spread SpreadOf(std::vector<double> times);
