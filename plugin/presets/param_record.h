// What every stored parameter record shares: the 64-byte name area in front
// (the preset name, NUL-terminated, at most 63 characters) and the helper
// that states factory angles in degrees.
#pragma once

#include <cstddef>

namespace vx {

constexpr std::size_t kParamNameSize = 64;

// Degrees to radians as records keep angles (32-bit float).
constexpr float RecordRadians(float degrees) {
  return degrees * (3.14159265358979323846f / 180.0f);
}

}  // namespace vx
