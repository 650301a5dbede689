// What every stored parameter record shares: the 64-byte name area in front
// (the preset name, NUL-terminated, at most 63 characters) and the helper
// that states factory angles in degrees.
#pragma once

#include <cstddef>
#include <cstring>

namespace vx {

constexpr std::size_t kParamNameSize = 64;

// Degrees to radians as records keep angles (32-bit float).
constexpr float RecordRadians(float degrees) {
  return degrees * (3.14159265358979323846f / 180.0f);
}

// Tool records are packed on 2-byte boundaries, so a struct field of one
// (a point, a colour) may sit off its alignment: it is read and written
// through a copy, never bound to a reference.
template <typename T>
T ReadPacked(const T* field) {
  T value;
  std::memcpy(&value, static_cast<const void*>(field), sizeof value);
  return value;
}
template <typename T>
void WritePacked(T* field, const T& value) {
  std::memcpy(static_cast<void*>(field), &value, sizeof value);
}

}  // namespace vx
