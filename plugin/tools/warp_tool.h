// Warp tool: its options record, kept by the palette and in presets. Tool
// records are packed on 2-byte boundaries.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>

#include "generated/resource_ids.h"
#include "presets/param_record.h"
#include "tools/tool_palette.h"

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

// ---- the options palette (res::kWarpToolPalette) ----

inline constexpr auto kWarpShapeItems = ItemsFrom<22>(res::WarpToolPalette::kFirstShape);
static_assert(kWarpShapeItems.items[21] == res::WarpToolPalette::kLastShape);

inline constexpr EnableRule kWarpPaletteRules[] = {
    TracePopupRule(VX_BOUND_FIELD(WarpToolParams, trace), res::WarpToolPalette::kTraceMode),
    DragAlongRule(VX_BOUND_FIELD(WarpToolParams, traceMode), res::WarpToolPalette::kSpaceLabel,
                  res::WarpToolPalette::kSpaceUnits),
    SteppedRule(VX_BOUND_FIELD(WarpToolParams, traceMode), res::WarpToolPalette::kStepsLabel,
                res::WarpToolPalette::kSteps)};

inline constexpr PaletteField kWarpPaletteFields[] = {
    {.name = "shape", .item = res::WarpToolPalette::kFirstShape,
     .field = VX_BOUND_FIELD(WarpToolParams, shape), .unit = Unit::Radio, .actionKey = 0,
     .radios = kWarpShapeItems.items, .radioCount = 22},
    {.name = "margin", .item = res::WarpToolPalette::kMargin,
     .field = VX_BOUND_FIELD(WarpToolParams, margin), .unit = Unit::Percent, .actionKey = 0},
    {.name = "perspective", .item = res::WarpToolPalette::kPerspective,
     .field = VX_BOUND_FIELD(WarpToolParams, perspective), .unit = Unit::Flag, .actionKey = 0},
    {.name = "trace", .item = res::WarpToolPalette::kTrace,
     .field = VX_BOUND_FIELD(WarpToolParams, trace), .unit = Unit::Flag, .actionKey = 0},
    {.name = "trace-mode", .item = res::WarpToolPalette::kTraceMode,
     .field = VX_BOUND_FIELD(WarpToolParams, traceMode), .unit = Unit::Choice, .actionKey = 0,
     .rule = 0},
    {.name = "space", .item = res::WarpToolPalette::kSpace,
     .field = VX_BOUND_FIELD(WarpToolParams, space), .unit = Unit::Points, .actionKey = 0,
     .rule = 1},
    {.name = "steps", .item = res::WarpToolPalette::kSteps,
     .field = VX_BOUND_FIELD(WarpToolParams, steps), .unit = Unit::Number, .actionKey = 0,
     .rule = 2}};
static_assert(ToolBindingIsValid(kWarpPaletteFields, kWarpPaletteRules));

inline constexpr ToolPaletteSpec kWarpToolPalette = {
    {kWarpPaletteFields, int32_t(std::size(kWarpPaletteFields)), kWarpPaletteRules,
     int32_t(std::size(kWarpPaletteRules)), nullptr, nullptr},
    res::WarpToolPalette::kHelp, res::HelpTopics::kWarpTool};

struct DragTool;
// Bends every selected path into the record's shape at each drag step.
extern const DragTool kWarpDrag;

}  // namespace vx
