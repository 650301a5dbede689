// Broom tool: its options record, kept by the palette and in presets. Tool
// records are packed on 2-byte boundaries.
#pragma once

#include <cstddef>
#include <cstdint>

#include "presets/param_record.h"

namespace vx {

#pragma pack(push, 2)
struct BroomToolParams {
  char name[kParamNameSize];
  int16_t sweep;         // 0 Free, 1 Dynamic, 2 Pinch, 3 Twirl
  int16_t resistance;    // falloff exponent, 1 .. 5
  float areaRadius;      // points
  int32_t groupAsUnit;   // flag
  int32_t trace;         // flag
  int16_t traceMode;     // index in the Trace menu
  float space;           // Drag Along spacing, points
  float twirlSpace;      // Drag Along spacing of Twirl, radians
  float steps;           // copies in the stepped modes (truncated)
};
#pragma pack(pop)
static_assert(sizeof(BroomToolParams) == 94);
static_assert(offsetof(BroomToolParams, sweep) == 64);
static_assert(offsetof(BroomToolParams, resistance) == 66);
static_assert(offsetof(BroomToolParams, areaRadius) == 68);
static_assert(offsetof(BroomToolParams, groupAsUnit) == 72);
static_assert(offsetof(BroomToolParams, trace) == 76);
static_assert(offsetof(BroomToolParams, traceMode) == 80);
static_assert(offsetof(BroomToolParams, space) == 82);
static_assert(offsetof(BroomToolParams, twirlSpace) == 86);
static_assert(offsetof(BroomToolParams, steps) == 90);

constexpr BroomToolParams kBroomToolFactoryParams = {
    .name = {},
    .sweep = 0,
    .resistance = 2,
    .areaRadius = 100.0f,
    .groupAsUnit = 1,
    .trace = 0,
    .traceMode = 1,
    .space = 10.0f,
    .twirlSpace = RecordRadians(30.0f),
    .steps = 12.0f};

}  // namespace vx
