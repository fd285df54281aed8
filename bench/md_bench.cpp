// Throughput of our MD5 and MD2 beside OpenSSL's MD5() and Nettle's md5 and md2, measured in
// one process. Every repetition runs all implementations of one message size back to back,
// in alternating order, so that a neighbour's load or a clock change hits both sides of a
// ratio alike. The ratios are medians over the repetitions of ours/theirs taken pairwise.
//
//   md_bench [--reps=N] [Google Benchmark flags]
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "cycle_rate.h"
#include "md2.h"
#include "md5.h"
#include "nowipe_engines.h"
#include "reference_hashes.h"

namespace {

using HashFn = void (*)(const uint8_t* data, uint32_t len, uint8_t digest[16]);

struct Impl {
  const char* algo;
  const char* name;
  HashFn hash;
};

void OursMD5(const uint8_t* data, uint32_t len, uint8_t digest[16]) {
  MD5_CTX ctx = {};
  MD5Init(&ctx);
  MD5Update(&ctx, data, len);
  MD5Final(digest, &ctx);
}

void NoWipeMD5(const uint8_t* data, uint32_t len, uint8_t digest[16]) {
  MD5_CTX ctx = {};
  nowipe::MD5Init(&ctx);
  nowipe::MD5Update(&ctx, data, len);
  nowipe::MD5Final(digest, &ctx);
}

void OursMD2(const uint8_t* data, uint32_t len, uint8_t digest[16]) {
  MD2_CTX ctx = {};
  MD2Init(&ctx);
  MD2Update(&ctx, data, len);
  MD2Final(digest, &ctx);
}

void NoWipeMD2(const uint8_t* data, uint32_t len, uint8_t digest[16]) {
  MD2_CTX ctx = {};
  nowipe::MD2Init(&ctx);
  nowipe::MD2Update(&ctx, data, len);
  nowipe::MD2Final(digest, &ctx);
}

// "ours" comes first in each list: it is the numerator of every ratio.
const Impl kMD5[] = {{"MD5", "ours", OursMD5},
                     {"MD5", "OpenSSL", OpenSslMD5},
                     {"MD5", "Nettle", NettleMD5},
                     {"MD5", "ours-nowipe", NoWipeMD5}};
const Impl kMD2[] = {{"MD2", "ours", OursMD2},
                     {"MD2", "Nettle", NettleMD2},
                     {"MD2", "ours-nowipe", NoWipeMD2}};

// 9998 bytes is the most the program's plaintext field hands to an engine.
const uint32_t kSizes[] = {64, 1024, 9998, 1u << 20};

std::vector<uint8_t>& Message() {
  static std::vector<uint8_t> bytes = [] {
    std::vector<uint8_t> v(1u << 20);
    uint32_t s = 0x9e3779b9;
    for (uint8_t& b : v) {
      s ^= s << 13;
      s ^= s >> 17;
      s ^= s << 5;
      b = static_cast<uint8_t>(s >> 24);
    }
    return v;
  }();
  return bytes;
}

void RunHash(benchmark::State& state, HashFn hash, uint32_t len) {
  const uint8_t* data = Message().data();
  uint8_t digest[16];
  for (auto _ : state) {
    hash(data, len, digest);
    benchmark::DoNotOptimize(digest);
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * len);
}

void RunClock(benchmark::State& state) {
  uint64_t x = 0;
  for (auto _ : state) x = RunChainedAdds(x);
  benchmark::DoNotOptimize(x);
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * kChainedAdds));
}

std::string Key(const char* algo, const char* name, uint32_t size) {
  return std::string(algo) + "/" + name + "/" + std::to_string(size);
}

void Register(int reps) {
  for (int r = 0; r < reps; r++) {
    benchmark::RegisterBenchmark("clock", RunClock)->MinTime(0.02);
    for (uint32_t size : kSizes) {
      auto add = [&](const Impl* impls, size_t n, double minTime) {
        for (size_t k = 0; k < n; k++) {
          // Every other repetition runs the list backwards, so no side always goes first.
          const Impl& impl = impls[r % 2 ? n - 1 - k : k];
          benchmark::RegisterBenchmark(Key(impl.algo, impl.name, size).c_str(), RunHash,
                                       impl.hash, size)
              ->MinTime(minTime);
        }
      };
      add(kMD5, std::size(kMD5), 0.05);
      add(kMD2, std::size(kMD2), 0.15);
    }
  }
}

double Median(std::vector<double> v) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  const size_t n = v.size();
  return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// Keeps the rate of every run, in order, while the console reporter prints as usual.
struct Collector : benchmark::ConsoleReporter {
  std::map<std::string, std::vector<double>> rates;

  void ReportRuns(const std::vector<Run>& reports) override {
    for (const Run& run : reports) {
      if (run.error_occurred || run.run_type != Run::RT_Iteration) continue;
      for (const char* counter : {"bytes_per_second", "items_per_second"}) {
        auto it = run.counters.find(counter);
        if (it != run.counters.end()) rates[run.run_name.function_name].push_back(it->second.value);
      }
    }
    ConsoleReporter::ReportRuns(reports);
  }
};

std::string CpuModel() {
  std::ifstream in("/proc/cpuinfo");
  std::string line;
  while (std::getline(in, line)) {
    if (line.rfind("model name", 0) == 0) return line.substr(line.find(':') + 2);
  }
  return "unknown";
}

// Median over repetitions of ours/theirs, each repetition's pair measured side by side.
struct Ratio {
  double median, low, high;
};

Ratio PairwiseRatio(const std::vector<double>& ours, const std::vector<double>& theirs) {
  std::vector<double> r;
  for (size_t i = 0; i < ours.size() && i < theirs.size(); i++) r.push_back(ours[i] / theirs[i]);
  if (r.empty()) return {0, 0, 0};
  return {Median(r), *std::min_element(r.begin(), r.end()), *std::max_element(r.begin(), r.end())};
}

void PrintSummary(const Collector& c, int reps) {
  auto rates = [&](const std::string& key) -> const std::vector<double>& {
    static const std::vector<double> none;
    auto it = c.rates.find(key);
    return it == c.rates.end() ? none : it->second;
  };
  const double hz = Median(rates("clock"));
  const bool cycles = PlausibleClock(hz);
  std::printf("\nCPU: %s; core clock measured by chained adds: %.2f GHz (median of %d)\n",
              CpuModel().c_str(), hz / 1e9, reps);
  if (!cycles) {
    std::printf("That clock is outside %.1f-%.1f GHz, so the add chain did not run one add a\n"
                "cycle here: no cycles/byte are given, only MB/s and ratios.\n",
                kLowestPlausibleHz / 1e9, kHighestPlausibleHz / 1e9);
  }
  std::printf("Medians of %d interleaved repetitions; ratio = our throughput / theirs,\n"
              "median of the per-repetition ratios [lowest..highest].\n\n",
              reps);
  std::printf("%-4s %8s  %-11s %9s %8s   %-24s\n", "algo", "bytes", "impl", "MB/s", "cyc/B",
              "ours/impl");
  for (const auto* list : {&kMD5[0], &kMD2[0]}) {
    const size_t n = list == &kMD5[0] ? std::size(kMD5) : std::size(kMD2);
    for (uint32_t size : kSizes) {
      const std::vector<double>& ours = rates(Key(list[0].algo, list[0].name, size));
      for (size_t k = 0; k < n; k++) {
        const std::vector<double>& mine = rates(Key(list[k].algo, list[k].name, size));
        const double mbs = Median(mine);
        std::printf("%-4s %8u  %-11s %9.1f", list[k].algo, size, list[k].name, mbs / 1e6);
        if (cycles) {
          std::printf(" %8.2f", mbs > 0 ? hz / mbs : 0.0);
        } else {
          std::printf(" %8s", "-");
        }
        if (k > 0) {
          const Ratio q = PairwiseRatio(ours, mine);
          std::printf("   %5.3fx [%5.3f..%5.3f]", q.median, q.low, q.high);
        }
        std::printf("\n");
      }
    }
    std::printf("\n");
  }
  std::printf("ours-nowipe: the same engines with the wipes left for the compiler to drop;\n"
              "ours/ours-nowipe below 1 is the share of time the wipes cost.\n");
}

}  // namespace

int main(int argc, char** argv) {
  int reps = 5;
  std::vector<char*> args;
  for (int i = 0; i < argc; i++) {
    if (std::strncmp(argv[i], "--reps=", 7) == 0) {
      reps = std::max(1, std::atoi(argv[i] + 7));
    } else {
      args.push_back(argv[i]);
    }
  }
  int n = static_cast<int>(args.size());
  benchmark::Initialize(&n, args.data());
  Message();
  Register(reps);
  Collector collector;
  benchmark::RunSpecifiedBenchmarks(&collector);
  PrintSummary(collector, reps);
  benchmark::Shutdown();
  return 0;
}
