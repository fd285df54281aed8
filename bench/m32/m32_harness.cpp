// Times the block function of a -m32 build beside the x86-64 build and OpenSSL's MD5(),
// interleaved, on 1 MiB. The -m32 code is GCC's own 32-bit instruction sequence, moved
// into 64-bit mode by transplant.awk; its data and stack lie below 4 GiB.
// Built and run by scripts/bench-m32.sh.
#include <sys/mman.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

#include "cycle_rate.h"
#include "md5.h"
#include "reference_hashes.h"

extern "C" void md5_blocks_m32(uint32_t state, uint32_t data, uint32_t blocks, uint32_t stack_top);

namespace {

constexpr uint32_t kBytes = 1u << 20;
constexpr uint32_t kStack = 1u << 16;
constexpr uint32_t kInit[4] = {0x67452301, 0xefcdab89, 0x98badcfe, 0x10325476};

uint32_t Low(const void* p) { return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(p)); }

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

}  // namespace

int main() {
  uint8_t* low = static_cast<uint8_t*>(mmap(nullptr, kBytes + kStack, PROT_READ | PROT_WRITE,
                                            MAP_PRIVATE | MAP_ANONYMOUS | MAP_32BIT, -1, 0));
  if (low == MAP_FAILED) {
    std::perror("mmap below 4 GiB");
    return 1;
  }
  uint8_t* data = low;
  uint32_t* state32 = reinterpret_cast<uint32_t*>(low + kBytes);
  uint8_t* stackTop = low + kBytes + kStack - 64;
  uint32_t state64[4];
  for (uint32_t i = 0; i < kBytes; i++) data[i] = static_cast<uint8_t>(i * 131 + 7);

  auto run32 = [&] {
    std::memcpy(state32, kInit, sizeof(kInit));
    md5_blocks_m32(Low(state32), Low(data), kBytes / 64, Low(stackTop));
  };
  auto run64 = [&] {
    std::memcpy(state64, kInit, sizeof(kInit));
    for (uint32_t i = 0; i < kBytes; i += 64) MD5Transform(state64, data + i);
  };
  uint8_t digest[16];
  auto runOpenSsl = [&] { OpenSslMD5(data, kBytes, digest); };

  run32();
  run64();
  if (std::memcmp(state32, state64, sizeof(state64)) != 0) {
    std::printf("the transplanted -m32 block function computes a different state\n");
    return 1;
  }

  using Clock = std::chrono::steady_clock;
  auto seconds = [](Clock::time_point a, Clock::time_point b) {
    return std::chrono::duration<double>(b - a).count();
  };
  std::vector<double> hz, c32, c64, cssl, mb32, mb64, mbssl, r32to64, r32toSsl;
  for (int rep = 0; rep < 31; rep++) {
    const auto t0 = Clock::now();
    uint64_t x = 0;
    for (int i = 0; i < 5000; i++) x = RunChainedAdds(x);
    const auto t1 = Clock::now();
    run32();
    const auto t2 = Clock::now();
    run64();
    const auto t3 = Clock::now();
    runOpenSsl();
    const auto t4 = Clock::now();
    const double rate = 5000.0 * kChainedAdds / seconds(t0, t1);
    hz.push_back(rate);
    c32.push_back(seconds(t1, t2) * rate / kBytes);
    c64.push_back(seconds(t2, t3) * rate / kBytes);
    cssl.push_back(seconds(t3, t4) * rate / kBytes);
    mb32.push_back(kBytes / seconds(t1, t2) / 1e6);
    mb64.push_back(kBytes / seconds(t2, t3) / 1e6);
    mbssl.push_back(kBytes / seconds(t3, t4) / 1e6);
    r32to64.push_back(seconds(t1, t2) / seconds(t2, t3));
    r32toSsl.push_back(seconds(t1, t2) / seconds(t3, t4));
  }
  if (PlausibleClock(Median(hz))) {
    std::printf("core clock %.2f GHz; cycles/byte at 1 MiB, medians of 31 interleaved runs:\n",
                Median(hz) / 1e9);
    std::printf("  -m32 block function     %5.2f\n", Median(c32));
    std::printf("  x86-64 block function   %5.2f\n", Median(c64));
    std::printf("  OpenSSL MD5()           %5.2f\n", Median(cssl));
  } else {
    std::printf("core clock measured as %.2f GHz, outside %.1f-%.1f GHz: the add chain did not\n"
                "run one add a cycle here, so no cycles/byte; MB/s at 1 MiB, medians of 31 runs:\n",
                Median(hz) / 1e9, kLowestPlausibleHz / 1e9, kHighestPlausibleHz / 1e9);
    std::printf("  -m32 block function     %7.1f\n", Median(mb32));
    std::printf("  x86-64 block function   %7.1f\n", Median(mb64));
    std::printf("  OpenSSL MD5()           %7.1f\n", Median(mbssl));
  }
  std::printf("time of -m32 / x86-64: %.3f, -m32 / OpenSSL: %.3f (medians of per-run ratios)\n",
              Median(r32to64), Median(r32toSsl));
  return 0;
}
