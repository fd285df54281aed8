#include "engine_runs.h"

#include <cstdint>

#include "stopwatch.h"

EngineRun TimeEngine(HashAlgorithm algorithm, const std::string& bytes) {
  DigestText digest = {};
  const int64_t start = CounterNow();
  TextHash hash;
  BeginTextHash(&hash, algorithm);
  AddToTextHash(&hash, bytes.data(), static_cast<uint32_t>(bytes.size()));
  FinishTextHash(&hash, digest);
  return {MillisecondsSince(start), digest};
}
