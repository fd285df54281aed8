#include "text_fingerprint.h"

namespace {

constexpr uint32_t kFirst = 0x9E3779B1u;
constexpr uint32_t kSecond = 0x85EBCA77u;

// Four steps of h * P + u at once: only the first product waits for the previous block, so
// the multiplications overlap.
template <uint32_t P>
uint32_t AddFour(uint32_t h, const char16_t* u) {
  constexpr uint32_t p2 = P * P;
  constexpr uint32_t p3 = p2 * P;
  constexpr uint32_t p4 = p3 * P;
  return h * p4 + u[0] * p3 + u[1] * p2 + u[2] * P + u[3];
}

}  // namespace

void AddToFingerprint(TextFingerprint* fingerprint, const char16_t* units, uint32_t count) {
  uint32_t first = fingerprint->first;
  uint32_t second = fingerprint->second;
  uint32_t i = 0;
  for (; i + 4 <= count; i += 4) {
    first = AddFour<kFirst>(first, units + i);
    second = AddFour<kSecond>(second, units + i);
  }
  for (; i < count; ++i) {
    first = first * kFirst + units[i];
    second = second * kSecond + units[i];
  }
  *fingerprint = {first, second};
}
