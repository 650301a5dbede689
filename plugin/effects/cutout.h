// Live Cutout: its parameter record, as palettes, effect art and presets
// store it, and its update.
#pragma once

#include <cstddef>
#include <cstdint>

#include "presets/param_record.h"
#include "vx_base.h"

namespace vx {

struct CutoutPGParams {
  char name[kParamNameSize];
  float shade;          // colour shift of the darkest copy, fraction
  float cutOffset;      // points
  float cutLightAngle;  // radians
  int32_t cutSteps;
};
static_assert(sizeof(CutoutPGParams) == 80);
static_assert(offsetof(CutoutPGParams, shade) == 64);
static_assert(offsetof(CutoutPGParams, cutOffset) == 68);
static_assert(offsetof(CutoutPGParams, cutLightAngle) == 72);
static_assert(offsetof(CutoutPGParams, cutSteps) == 76);

constexpr CutoutPGParams kCutoutFactoryParams = {
    .name = {},
    .shade = 0.6667f,
    .cutOffset = 5.0f,
    .cutLightAngle = RecordRadians(135.0f),
    .cutSteps = 5};

// Cuts the first source object out of the page into `into` and its
// clipping groups beside it (the framework's update).
ASErr CutoutBuild(AIArtHandle into, AIArtHandle editGroup, const void* record);

}  // namespace vx
