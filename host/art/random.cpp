#include "host/art/random.h"

namespace vx::host::art {

void Random::Seed(int32_t seed) {
  seed_ = seed;
  state_ = seed ? uint32_t(seed) : 0x9E3779B9u;
}

uint32_t Random::NextState() {
  uint32_t x = state_;
  x ^= x << 13;
  x ^= x >> 17;
  x ^= x << 5;
  state_ = x;
  return x;
}

float Random::Next() {
  // 24 bits: exactly representable in a float, so the value is the same
  // on every machine and strictly below 1.
  return float(NextState() >> 8) * (1.0f / 16777216.0f);
}

}  // namespace vx::host::art
