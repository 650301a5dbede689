// Trail tool: its options record, kept by the palette and in presets. The
// fields follow the Live Trail effect's (stacking, beginning tint, spacing,
// end colours, tint, turn and size at the end). Tool records are packed on
// 2-byte boundaries.
#pragma once

#include <cstddef>
#include <cstdint>

#include "presets/param_record.h"
#include "vx_base.h"

namespace vx {

#pragma pack(push, 2)
struct TrailToolParams {
  char name[kParamNameSize];
  int16_t stacking;         // 0 Above, 1 Below
  float beginning;          // fraction
  float space;              // distance between copies along the drag, points
  int32_t spacing;          // 0 Decelerate, 1 Uniform, 2 Accelerate
  int16_t endFillSource;    // 0 object fill, 1 object stroke, 2 chosen, 3 none
  int16_t endStrokeSource;  // same codes for the stroke
  AIColor endFillColour;
  AIColor endStrokeColour;
  float toTint;             // fraction applied to the end colours
  float toAngle;            // radians
  AIRealPoint toSize;       // fractions (h, v)
};
#pragma pack(pop)
static_assert(sizeof(TrailToolParams) == 234);
static_assert(offsetof(TrailToolParams, stacking) == 64);
static_assert(offsetof(TrailToolParams, beginning) == 66);
static_assert(offsetof(TrailToolParams, space) == 70);
static_assert(offsetof(TrailToolParams, spacing) == 74);
static_assert(offsetof(TrailToolParams, endFillSource) == 78);
static_assert(offsetof(TrailToolParams, endStrokeSource) == 80);
static_assert(offsetof(TrailToolParams, endFillColour) == 82);
static_assert(offsetof(TrailToolParams, endStrokeColour) == 150);
static_assert(offsetof(TrailToolParams, toTint) == 218);
static_assert(offsetof(TrailToolParams, toAngle) == 222);
static_assert(offsetof(TrailToolParams, toSize) == 226);

constexpr AIColor kTrailToolFactoryWhite = {
    .kind = kFourColor, .c = {.f = {0.0f, 0.0f, 0.0f, 0.0f}}};

constexpr TrailToolParams kTrailToolFactoryParams = {
    .name = {},
    .stacking = 1,
    .beginning = 0.96f,
    .space = 10.0f,
    .spacing = 1,
    .endFillSource = 2,
    .endStrokeSource = 2,
    .endFillColour = kTrailToolFactoryWhite,
    .endStrokeColour = kTrailToolFactoryWhite,
    .toTint = 1.0f,
    .toAngle = 0.0f,
    .toSize = {1.0f, 1.0f}};

}  // namespace vx
