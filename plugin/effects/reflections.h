// Live Reflections: its parameter record, as palettes, effect art and
// presets store it.
#pragma once

#include <cstddef>
#include <cstdint>

#include "presets/param_record.h"
#include "vx_sdk.h"

namespace vx {

struct ReflectionsPGParams {
  char name[kParamNameSize];
  int32_t reflector;  // 0 Horizontal, 1 Vertical, 2 Both H and V, 3 Radial
  float offsetH;      // points
  float offsetV;      // points
  int32_t total;      // rotation steps of the radial ring
};
static_assert(sizeof(ReflectionsPGParams) == 80);
static_assert(offsetof(ReflectionsPGParams, reflector) == 64);
static_assert(offsetof(ReflectionsPGParams, offsetH) == 68);
static_assert(offsetof(ReflectionsPGParams, offsetV) == 72);
static_assert(offsetof(ReflectionsPGParams, total) == 76);

constexpr ReflectionsPGParams kReflectionsFactoryParams = {
    .name = {}, .reflector = 1, .offsetH = 0.0f, .offsetV = 0.0f, .total = 3};

// The update: builds the result into `into` (a new group inside the result
// group) from the edit group's children and a ReflectionsPGParams record.
ASErr ReflectionsBuild(AIArtHandle into, AIArtHandle editGroup, const void* record);

}  // namespace vx
