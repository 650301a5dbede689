// Broom tool: its options record, kept by the palette and in presets. Tool
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

// ---- the options palette (res::kBroomToolPalette) ----

inline constexpr auto kBroomSweepItems = ItemsFrom<4>(res::BroomToolPalette::kFree);
static_assert(kBroomSweepItems.items[3] == res::BroomToolPalette::kTwirl);

inline constexpr EnableRule kBroomPaletteRules[] = {
    TracePopupRule(VX_BOUND_FIELD(BroomToolParams, trace), res::BroomToolPalette::kTraceMode),
    DragAlongRule(VX_BOUND_FIELD(BroomToolParams, traceMode), res::BroomToolPalette::kSpaceLabel, res::BroomToolPalette::kSpaceLabel),
    SteppedRule(VX_BOUND_FIELD(BroomToolParams, traceMode), res::BroomToolPalette::kStepsLabel, res::BroomToolPalette::kSteps)};

// In Drag Along mode the Twirl sweep spaces its copies by angle; Dynamic
// offers Drag Along only (stepped copies would not follow the dragged path).
inline constexpr SweepSpacing kBroomSweepSpacing = {
    VX_BOUND_FIELD(BroomToolParams, sweep), VX_BOUND_FIELD(BroomToolParams, traceMode), 1, 3,
    {res::BroomToolPalette::kSpace, res::BroomToolPalette::kSpaceUnits}, {res::BroomToolPalette::kTwirlSpace, res::BroomToolPalette::kTwirlSpaceUnits}, res::BroomToolPalette::kTraceMode, 1, 6};

inline constexpr PaletteField kBroomPaletteFields[] = {
    {.name = "sweep", .item = res::BroomToolPalette::kFree, .field = VX_BOUND_FIELD(BroomToolParams, sweep),
     .unit = Unit::Radio, .actionKey = 0, .radios = kBroomSweepItems.items, .radioCount = 4},
    {.name = "resistance", .item = res::BroomToolPalette::kResistance,
     .field = VX_BOUND_FIELD(BroomToolParams, resistance), .unit = Unit::Integer, .actionKey = 0},
    {.name = "area-radius", .item = res::BroomToolPalette::kAreaRadius,
     .field = VX_BOUND_FIELD(BroomToolParams, areaRadius), .unit = Unit::Points, .actionKey = 0},
    {.name = "group-as-one-unit", .item = res::BroomToolPalette::kGroupAsOneUnit,
     .field = VX_BOUND_FIELD(BroomToolParams, groupAsUnit), .unit = Unit::Flag, .actionKey = 0},
    {.name = "trace", .item = res::BroomToolPalette::kTrace, .field = VX_BOUND_FIELD(BroomToolParams, trace),
     .unit = Unit::Flag, .actionKey = 0},
    {.name = "trace-mode", .item = res::BroomToolPalette::kTraceMode, .field = VX_BOUND_FIELD(BroomToolParams, traceMode),
     .unit = Unit::Choice, .actionKey = 0, .rule = 0},
    {.name = "space", .item = res::BroomToolPalette::kSpace, .field = VX_BOUND_FIELD(BroomToolParams, space),
     .unit = Unit::Points, .actionKey = 0, .rule = 1},
    {.name = "twirl-space", .item = res::BroomToolPalette::kTwirlSpace, .field = VX_BOUND_FIELD(BroomToolParams, twirlSpace),
     .unit = Unit::Degrees, .actionKey = 0, .rule = 1},
    {.name = "steps", .item = res::BroomToolPalette::kSteps, .field = VX_BOUND_FIELD(BroomToolParams, steps),
     .unit = Unit::Number, .actionKey = 0, .rule = 2}};
static_assert(ToolBindingIsValid(kBroomPaletteFields, kBroomPaletteRules));

inline constexpr ToolPaletteSpec kBroomToolPalette = {
    {kBroomPaletteFields, int32_t(std::size(kBroomPaletteFields)), kBroomPaletteRules,
     int32_t(std::size(kBroomPaletteRules)), nullptr, nullptr},
    res::BroomToolPalette::kHelp, res::HelpTopics::kBroomTool, &kBroomSweepSpacing};

}  // namespace vx
