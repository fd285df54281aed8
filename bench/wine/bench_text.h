// The long text the benchmark puts into the program.
#pragma once

#include <cstdint>
#include <string>

// characters of printable ASCII in lines of 100 ending CR LF, varied so that no shorter
// prefix or shifted copy of it hashes alike.
std::string BenchText(uint32_t characters);
