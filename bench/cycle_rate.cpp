#include "cycle_rate.h"

uint64_t RunChainedAdds(uint64_t seed) {
  // A register's width, so that the same code assembles for 32-bit x86.
  uintptr_t x = static_cast<uintptr_t>(seed);
  uintptr_t step = 1;
#if defined(__x86_64__) || defined(__i386__)
  // Written out in assembly so that no compiler can fold the chain into one add. The addend
  // sits in a register: recent Intel cores fold chains of immediate adds to one register
  // while renaming, several to a cycle, and the clock then reads three or four times high.
  for (int i = 0; i < 4; i++)
    __asm__ volatile(".rept 1000\n\tadd %1, %0\n\t.endr" : "+r"(x) : "r"(step));
#else
  for (uintptr_t i = 0; i < kChainedAdds; i++) {
    x += step;
    __asm__ volatile("" : "+r"(x));
  }
#endif
  return x;
}

bool PlausibleClock(double hz) { return hz >= kLowestPlausibleHz && hz <= kHighestPlausibleHz; }
