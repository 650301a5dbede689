// Roughening tool: its options record, kept by the palette and in presets.
// Tool records are packed on 2-byte boundaries.
#pragma once

#include <cstddef>
#include <cstdint>

#include "presets/param_record.h"

namespace vx {

#pragma pack(push, 2)
struct RoughToolParams {
  char name[kParamNameSize];
  int16_t kind;         // 0 Corner, 1 Smooth
  float areaRadius;     // document units
  int32_t trace;        // flag
  int16_t traceMode;    // index in the Trace menu
  float steps;          // copies in the stepped modes
  int32_t newSequence;  // flag
};
#pragma pack(pop)
static_assert(sizeof(RoughToolParams) == 84);
static_assert(offsetof(RoughToolParams, kind) == 64);
static_assert(offsetof(RoughToolParams, areaRadius) == 66);
static_assert(offsetof(RoughToolParams, trace) == 70);
static_assert(offsetof(RoughToolParams, traceMode) == 74);
static_assert(offsetof(RoughToolParams, steps) == 76);
static_assert(offsetof(RoughToolParams, newSequence) == 80);

constexpr RoughToolParams kRoughToolFactoryParams = {
    .name = {},
    .kind = 0,
    .areaRadius = 100.0f,
    .trace = 0,
    .traceMode = 0,
    .steps = 8.0f,
    .newSequence = 0};

}  // namespace vx
