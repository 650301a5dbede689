// Live Shadow: its parameter record, as palettes, effect art and presets
// store it.
#pragma once

#include <cstddef>
#include <cstdint>

#include "presets/param_record.h"

namespace vx {

struct ShadowPGParams {
  char name[kParamNameSize];
  float shadowShade;       // fraction
  float shadowOffset;      // points
  float shadowLightAngle;  // radians
  float transparency;      // fraction
};
static_assert(sizeof(ShadowPGParams) == 80);
static_assert(offsetof(ShadowPGParams, shadowShade) == 64);
static_assert(offsetof(ShadowPGParams, shadowOffset) == 68);
static_assert(offsetof(ShadowPGParams, shadowLightAngle) == 72);
static_assert(offsetof(ShadowPGParams, transparency) == 76);

constexpr ShadowPGParams kShadowFactoryParams = {
    .name = {},
    .shadowShade = 0.3333f,
    .shadowOffset = 10.0f,
    .shadowLightAngle = RecordRadians(135.0f),
    .transparency = 0.0f};

}  // namespace vx
