// Craft tool: its options record, kept by the palette and in presets. Tool
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

// ---- the options palette (res::kCraftToolPalette) ----

inline constexpr auto kCraftSweepItems = ItemsFrom<4>(res::CraftToolPalette::kFree);
static_assert(kCraftSweepItems.items[3] == res::CraftToolPalette::kTwirl);

inline constexpr EnableRule kCraftPaletteRules[] = {
    TracePopupRule(VX_BOUND_FIELD(CraftToolParams, trace), res::CraftToolPalette::kTraceMode),
    DragAlongRule(VX_BOUND_FIELD(CraftToolParams, traceMode), res::CraftToolPalette::kSpaceLabel, res::CraftToolPalette::kSpaceLabel),
    SteppedRule(VX_BOUND_FIELD(CraftToolParams, traceMode), res::CraftToolPalette::kStepsLabel, res::CraftToolPalette::kSteps)};

// In Drag Along mode the Twirl sweep spaces its copies by angle; Dynamic
// offers Drag Along only (stepped copies would not follow the dragged path).
inline constexpr SweepSpacing kCraftSweepSpacing = {
    VX_BOUND_FIELD(CraftToolParams, distortion), VX_BOUND_FIELD(CraftToolParams, traceMode), 1, 3,
    {res::CraftToolPalette::kSpace, res::CraftToolPalette::kSpaceUnits}, {res::CraftToolPalette::kTwirlSpace, res::CraftToolPalette::kTwirlSpaceUnits}, res::CraftToolPalette::kTraceMode, 1, 6};

inline constexpr PaletteField kCraftPaletteFields[] = {
    {.name = "distortion", .item = res::CraftToolPalette::kFree, .field = VX_BOUND_FIELD(CraftToolParams, distortion),
     .unit = Unit::Radio, .actionKey = 0, .radios = kCraftSweepItems.items, .radioCount = 4},
    {.name = "resistance", .item = res::CraftToolPalette::kResistance,
     .field = VX_BOUND_FIELD(CraftToolParams, resistance), .unit = Unit::Integer, .actionKey = 0},
    {.name = "area-radius", .item = res::CraftToolPalette::kAreaRadius,
     .field = VX_BOUND_FIELD(CraftToolParams, areaRadius), .unit = Unit::Points, .actionKey = 0},
    {.name = "trace", .item = res::CraftToolPalette::kTrace, .field = VX_BOUND_FIELD(CraftToolParams, trace),
     .unit = Unit::Flag, .actionKey = 0},
    {.name = "trace-mode", .item = res::CraftToolPalette::kTraceMode, .field = VX_BOUND_FIELD(CraftToolParams, traceMode),
     .unit = Unit::Choice, .actionKey = 0, .rule = 0},
    {.name = "space", .item = res::CraftToolPalette::kSpace, .field = VX_BOUND_FIELD(CraftToolParams, space),
     .unit = Unit::Points, .actionKey = 0, .rule = 1},
    {.name = "twirl-space", .item = res::CraftToolPalette::kTwirlSpace, .field = VX_BOUND_FIELD(CraftToolParams, twirlSpace),
     .unit = Unit::Degrees, .actionKey = 0, .rule = 1},
    {.name = "steps", .item = res::CraftToolPalette::kSteps, .field = VX_BOUND_FIELD(CraftToolParams, steps),
     .unit = Unit::Number, .actionKey = 0, .rule = 2}};
static_assert(ToolBindingIsValid(kCraftPaletteFields, kCraftPaletteRules));

inline constexpr ToolPaletteSpec kCraftToolPalette = {
    {kCraftPaletteFields, int32_t(std::size(kCraftPaletteFields)), kCraftPaletteRules,
     int32_t(std::size(kCraftPaletteRules)), nullptr, nullptr},
    res::CraftToolPalette::kHelp, res::HelpTopics::kCraftTool, &kCraftSweepSpacing};

}  // namespace vx
