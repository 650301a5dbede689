// What the families' preset kind lists are written with: field rows taken
// from a record's members and the factory writers every kind points at.
// Each family (filters, tools, effects) keeps its own list beside its
// records; presets/preset_kinds.cpp only joins them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "presets/preset_codec.h"

namespace vx {

// A field of record R: key, type code and the member's offset (plus, for a
// member inside an array of floats, the element's).
#define VX_FIELD(R, key, type, member) \
  PresetField { key, type, uint16_t(offsetof(R, member)), 0 }
#define VX_FIELD_AT(R, key, type, member, index)                     \
  PresetField {                                                      \
    key, type, uint16_t(offsetof(R, member) + (index) * sizeof(float)), 0 \
  }
// A kind storing record R with field table `fields`.
#define VX_KIND(file, key, R, fields, factory)                          \
  PresetKind {                                                          \
    file, key, uint32_t(sizeof(R)), fields, PresetFieldCount(fields), 0, \
        factory                                                         \
  }

template <std::size_t N>
constexpr uint16_t PresetFieldCount(const PresetField (&)[N]) {
  return uint16_t(N);
}

// The tick count in milliseconds: the host's where a host runs, otherwise
// (the build's factory file generator) the system's monotonic clock.
int32_t CreationTickCount();

// Writes the constant factory record Factory.
template <const auto& Factory>
void CopyFactory(void* record, int) {
  std::memcpy(record, &Factory, sizeof Factory);
}

// Records whose factory seed is the tick count at their creation.
template <const auto& Factory, auto Seed>
void SeededFactory(void* record, int) {
  auto params = Factory;
  params.*Seed = CreationTickCount();
  std::memcpy(record, &params, sizeof params);
}

}  // namespace vx
