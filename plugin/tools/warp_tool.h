// Warp tool: its options record, kept by the palette and in presets (tool
// records are packed on 2-byte boundaries), and the tool as the drag cycle
// calls it (warp_tool.cpp; the shapes in warp_shapes.h).
#pragma once

#include <cstddef>
#include <cstdint>

#include "presets/param_record.h"

namespace vx {

#pragma pack(push, 2)
struct WarpToolParams {
  char name[kParamNameSize];
  int16_t shape;        // 0 .. 21
  float margin;         // widening of the bend's reach, fraction
  int32_t perspective;  // flag
  int32_t trace;        // flag
  int16_t traceMode;    // index in the Trace menu
  float space;          // Drag Along spacing, document units
  float steps;          // copies in the stepped modes (truncated)
};
#pragma pack(pop)
static_assert(sizeof(WarpToolParams) == 88);
static_assert(offsetof(WarpToolParams, shape) == 64);
static_assert(offsetof(WarpToolParams, margin) == 66);
static_assert(offsetof(WarpToolParams, perspective) == 70);
static_assert(offsetof(WarpToolParams, trace) == 74);
static_assert(offsetof(WarpToolParams, traceMode) == 78);
static_assert(offsetof(WarpToolParams, space) == 80);
static_assert(offsetof(WarpToolParams, steps) == 84);

constexpr WarpToolParams kWarpToolFactoryParams = {
    .name = {},
    .shape = 0,
    .margin = 0.05f,
    .perspective = 0,
    .trace = 0,
    .traceMode = 1,
    .space = 10.0f,
    .steps = 24.0f};

struct DragTool;
// Bends every selected path into the record's shape at each drag step.
extern const DragTool kWarpDrag;

}  // namespace vx
