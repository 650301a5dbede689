// The host's random generator: xorshift32 (Marsaglia 2003, shifts 13, 17,
// 5) over a 32-bit state, the same sequence on every machine.
//
// Definition: seeding with s sets the state to s (an all-zero state, which
// xorshift cannot leave, is replaced by 0x9E3779B9). Each draw advances the
// state x by x ^= x << 13; x ^= x >> 17; x ^= x << 5 and answers the top
// 24 bits scaled by 2^-24, so every value is exact in a float and lies in
// [0, 1). Seed 1 gives the states 270369, 67634689, 2647435461, ...
#pragma once

#include <cstdint>

namespace vx::host::art {

class Random {
 public:
  void Seed(int32_t seed);
  int32_t seed() const { return seed_; }
  uint32_t NextState();  // advances and answers the new state
  float Next();          // a value in [0, 1)

 private:
  int32_t seed_ = 0;
  uint32_t state_ = 0x9E3779B9u;
};

}  // namespace vx::host::art
