// Live Border: its parameter record, as palettes, effect art and presets
// store it.
#pragma once

#include <cstddef>
#include <cstdint>

#include "presets/param_record.h"

namespace vx {

struct BorderPGParams {
  char name[kParamNameSize];
  float gradientArc;      // fraction, -1 .. 1
  int32_t reverse;        // flag
  int32_t stepsMode;      // 0 Auto (High), 1 Auto (Mid), 2 Auto (Low), 3 Manual
  int32_t steps;
  float offset;           // fraction of the rim size
  float angle;            // radians
  int32_t style;          // 0 Outside, 1 Inside
  int32_t shadow;         // flag
  float shadowTint;       // fraction
  float shadowOffset;     // points
  float lightAngle;       // radians
};
static_assert(sizeof(BorderPGParams) == 108);
static_assert(offsetof(BorderPGParams, gradientArc) == 64);
static_assert(offsetof(BorderPGParams, reverse) == 68);
static_assert(offsetof(BorderPGParams, stepsMode) == 72);
static_assert(offsetof(BorderPGParams, steps) == 76);
static_assert(offsetof(BorderPGParams, offset) == 80);
static_assert(offsetof(BorderPGParams, angle) == 84);
static_assert(offsetof(BorderPGParams, style) == 88);
static_assert(offsetof(BorderPGParams, shadow) == 92);
static_assert(offsetof(BorderPGParams, shadowTint) == 96);
static_assert(offsetof(BorderPGParams, shadowOffset) == 100);
static_assert(offsetof(BorderPGParams, lightAngle) == 104);

constexpr BorderPGParams kBorderFactoryParams = {
    .name = {},
    .gradientArc = 0.0f,
    .reverse = 0,
    .stepsMode = 1,
    .steps = 3,
    .offset = 0.0f,
    .angle = RecordRadians(-45.0f),
    .style = 0,
    .shadow = 0,
    .shadowTint = 1.0f,
    .shadowOffset = 1.0f,
    .lightAngle = RecordRadians(135.0f)};

}  // namespace vx
