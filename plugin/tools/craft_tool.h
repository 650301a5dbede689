// Craft tool: its options record, kept by the palette and in presets. Tool
// records are packed on 2-byte boundaries.
#pragma once

#include <cstddef>
#include <cstdint>

#include "presets/param_record.h"

namespace vx {

#pragma pack(push, 2)
struct CraftToolParams {
  char name[kParamNameSize];
  int16_t distortion;  // 0 Free, 1 Dynamic, 2 Pinch, 3 Twirl
  int16_t resistance;  // falloff exponent, 1 .. 5
  float areaRadius;    // points
  int32_t trace;       // flag
  int16_t traceMode;   // index in the Trace menu
  float space;         // Drag Along spacing, points
  float twirlSpace;    // Drag Along spacing of Twirl, radians
  float steps;         // copies in the stepped modes (truncated)
};
#pragma pack(pop)
static_assert(sizeof(CraftToolParams) == 90);
static_assert(offsetof(CraftToolParams, distortion) == 64);
static_assert(offsetof(CraftToolParams, resistance) == 66);
static_assert(offsetof(CraftToolParams, areaRadius) == 68);
static_assert(offsetof(CraftToolParams, trace) == 72);
static_assert(offsetof(CraftToolParams, traceMode) == 76);
static_assert(offsetof(CraftToolParams, space) == 78);
static_assert(offsetof(CraftToolParams, twirlSpace) == 82);
static_assert(offsetof(CraftToolParams, steps) == 86);

constexpr CraftToolParams kCraftToolFactoryParams = {
    .name = {},
    .distortion = 0,
    .resistance = 2,
    .areaRadius = 100.0f,
    .trace = 0,
    .traceMode = 1,
    .space = 10.0f,
    .twirlSpace = RecordRadians(30.0f),
    .steps = 24.0f};

}  // namespace vx
