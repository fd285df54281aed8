// Measures the core's clock as it runs, which under boost and in a virtual machine is
// neither the nominal nor the time-stamp counter's rate.
#pragma once

#include <cstdint>

// Each call runs this many register adds, each waiting for the one before. An add has a
// latency of one cycle on every x86 core of the last two decades, so the calls per second
// times this count is the clock rate.
constexpr uint64_t kChainedAdds = 4000;

uint64_t RunChainedAdds(uint64_t seed);
