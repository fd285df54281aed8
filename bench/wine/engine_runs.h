// The engines alone, in this process, on bytes already in memory: what the program's time
// is set against.
#pragma once

#include <string>

#include "hash_text.h"

struct EngineRun {
  double ms;
  std::string digest;  // 32 uppercase hexadecimal digits, as the program shows it
};

EngineRun TimeEngine(HashAlgorithm algorithm, const std::string& bytes);
