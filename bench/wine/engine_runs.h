// The engines alone, in this process, on bytes already in memory: what the program's time
// is set against.
#pragma once

#include <string>

struct EngineRun {
  double ms;
  std::string digest;  // 32 uppercase hexadecimal digits, as the program shows it
};

EngineRun TimeEngineMD5(const std::string& bytes);
EngineRun TimeEngineMD2(const std::string& bytes);
