// Measures the core's clock as it runs, which under boost and in a virtual machine is
// neither the nominal nor the time-stamp counter's rate.
#pragma once

#include <cstdint>

// Each call runs this many adds of one register to another, each waiting for the one
// before. Such an add has a latency of one cycle on every x86 core of the last two decades
// and no core shortcuts it, so the calls per second times this count is the clock rate.
constexpr uint64_t kChainedAdds = 4000;

uint64_t RunChainedAdds(uint64_t seed);

// No x86 core of this era runs outside this range. A rate measured outside it means the
// chain was not one cycle per add after all, and every cycle count derived from it would
// be wrong by the same factor: callers then print times and ratios only.
constexpr double kLowestPlausibleHz = 0.5e9;
constexpr double kHighestPlausibleHz = 6.5e9;
bool PlausibleClock(double hz);
