// Lens tool: its options record, kept by the palette and in presets. Tool
// records are packed on 2-byte boundaries.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>

#include "generated/resource_ids.h"
#include "presets/param_record.h"
#include "tools/tool_palette.h"
#include "vx_base.h"
#include "vx_sdk.h"

namespace vx {

#pragma pack(push, 2)
struct LensToolParams {
  char name[kParamNameSize];
  int16_t lensType;         // 0 Fish-eye, 1 Magnify, 2 Twirl, 3 Tone
  float thickness;          // fraction, -1 .. 1
  float magnification;      // factor
  float angle;              // radians
  int16_t cycle;
  AIRealPoint sizeMinimum;  // fractions (h, v)
  int32_t groupAsOneUnit;   // flag
  AIRealPoint area;         // width, height in points
  int32_t trace;            // flag
  int16_t traceMode;        // index in the Trace menu
  float space;              // Drag Along spacing
  float steps;              // copies in the stepped modes
};
#pragma pack(pop)
static_assert(sizeof(LensToolParams) == 114);
static_assert(offsetof(LensToolParams, lensType) == 64);
static_assert(offsetof(LensToolParams, thickness) == 66);
static_assert(offsetof(LensToolParams, magnification) == 70);
static_assert(offsetof(LensToolParams, angle) == 74);
static_assert(offsetof(LensToolParams, cycle) == 78);
static_assert(offsetof(LensToolParams, sizeMinimum) == 80);
static_assert(offsetof(LensToolParams, groupAsOneUnit) == 88);
static_assert(offsetof(LensToolParams, area) == 92);
static_assert(offsetof(LensToolParams, trace) == 100);
static_assert(offsetof(LensToolParams, traceMode) == 104);
static_assert(offsetof(LensToolParams, space) == 106);
static_assert(offsetof(LensToolParams, steps) == 110);

constexpr LensToolParams kLensToolFactoryParams = {
    .name = {},
    .lensType = 0,
    .thickness = 1.0f,
    .magnification = 2.0f,
    .angle = RecordRadians(180.0f),
    .cycle = 1,
    .sizeMinimum = {0.1f, 0.1f},
    .groupAsOneUnit = 1,
    .area = {100.0f, 100.0f},
    .trace = 0,
    .traceMode = 1,
    .space = 10.0f,
    .steps = 24.0f};

// ---- the options palette (res::kLensToolPalette): the chosen lens type's controls
// share one frame ----

inline constexpr auto kLensTypeItems = ItemsFrom<4>(res::LensToolPalette::kFishEye);
static_assert(kLensTypeItems.items[3] == res::LensToolPalette::kTone);

constexpr EnableRule LensTypeRule(int32_t type, int32_t first, int32_t last) {
  return {first, last, VX_BOUND_FIELD(LensToolParams, lensType), EnableRule::Equals, type, true};
}

inline constexpr EnableRule kLensPaletteRules[] = {
    LensTypeRule(0, res::LensToolPalette::kThicknessLabel, res::LensToolPalette::kThicknessUnits),
    LensTypeRule(1, res::LensToolPalette::kMagnificationLabel, res::LensToolPalette::kMagnificationUnits),
    LensTypeRule(2, res::LensToolPalette::kAngleLabel, res::LensToolPalette::kCycle),
    LensTypeRule(3, res::LensToolPalette::kSizeMinimumHLabel, res::LensToolPalette::kGroupAsOneUnit),
    TracePopupRule(VX_BOUND_FIELD(LensToolParams, trace), res::LensToolPalette::kTraceMode),
    DragAlongRule(VX_BOUND_FIELD(LensToolParams, traceMode), res::LensToolPalette::kSpaceLabel, res::LensToolPalette::kSpaceUnits),
    SteppedRule(VX_BOUND_FIELD(LensToolParams, traceMode), res::LensToolPalette::kStepsLabel, res::LensToolPalette::kSteps)};

inline constexpr PaletteField kLensPaletteFields[] = {
    {.name = "lens", .item = res::LensToolPalette::kFishEye, .field = VX_BOUND_FIELD(LensToolParams, lensType),
     .unit = Unit::Radio, .actionKey = 0, .radios = kLensTypeItems.items, .radioCount = 4},
    {.name = "thickness", .item = res::LensToolPalette::kThickness,
     .field = VX_BOUND_FIELD(LensToolParams, thickness), .unit = Unit::Percent, .actionKey = 0,
     .rule = 0},
    {.name = "magnification", .item = res::LensToolPalette::kMagnification,
     .field = VX_BOUND_FIELD(LensToolParams, magnification), .unit = Unit::Percent,
     .actionKey = 0, .rule = 1},
    {.name = "angle", .item = res::LensToolPalette::kAngle, .field = VX_BOUND_FIELD(LensToolParams, angle),
     .unit = Unit::Degrees, .actionKey = 0, .rule = 2},
    {.name = "cycle", .item = res::LensToolPalette::kCycle, .field = VX_BOUND_FIELD(LensToolParams, cycle),
     .unit = Unit::Integer, .actionKey = 0, .rule = 2},
    {.name = "size-minimum-h", .item = res::LensToolPalette::kSizeMinimumH,
     .field = VX_BOUND_FIELD(LensToolParams, sizeMinimum.h), .unit = Unit::Percent,
     .actionKey = 0, .rule = 3},
    {.name = "size-minimum-v", .item = res::LensToolPalette::kSizeMinimumV,
     .field = VX_BOUND_FIELD(LensToolParams, sizeMinimum.v), .unit = Unit::Percent,
     .actionKey = 0, .rule = 3},
    {.name = "group-as-one-unit", .item = res::LensToolPalette::kGroupAsOneUnit,
     .field = VX_BOUND_FIELD(LensToolParams, groupAsOneUnit), .unit = Unit::Flag,
     .actionKey = 0, .rule = 3},
    {.name = "area-width", .item = res::LensToolPalette::kAreaWidth, .field = VX_BOUND_FIELD(LensToolParams, area.h),
     .unit = Unit::Points, .actionKey = 0},
    {.name = "area-height", .item = res::LensToolPalette::kAreaHeight,
     .field = VX_BOUND_FIELD(LensToolParams, area.v), .unit = Unit::Points, .actionKey = 0},
    {.name = "trace", .item = res::LensToolPalette::kTrace, .field = VX_BOUND_FIELD(LensToolParams, trace),
     .unit = Unit::Flag, .actionKey = 0},
    {.name = "trace-mode", .item = res::LensToolPalette::kTraceMode,
     .field = VX_BOUND_FIELD(LensToolParams, traceMode), .unit = Unit::Choice, .actionKey = 0,
     .rule = 4},
    {.name = "space", .item = res::LensToolPalette::kSpace, .field = VX_BOUND_FIELD(LensToolParams, space),
     .unit = Unit::Points, .actionKey = 0, .rule = 5},
    {.name = "steps", .item = res::LensToolPalette::kSteps, .field = VX_BOUND_FIELD(LensToolParams, steps),
     .unit = Unit::Number, .actionKey = 0, .rule = 6}};
static_assert(ToolBindingIsValid(kLensPaletteFields, kLensPaletteRules));

inline constexpr ToolPaletteSpec kLensToolPalette = {
    {kLensPaletteFields, int32_t(std::size(kLensPaletteFields)), kLensPaletteRules,
     int32_t(std::size(kLensPaletteRules)), nullptr, nullptr},
    res::LensToolPalette::kHelp, res::HelpTopics::kLensTool};

struct DragTool;
// Distorts the selected paths inside the lens area at each drag step
// (lens_tool.cpp).
extern const DragTool kLensDrag;
// The Lens tool's own drag step and Mouse Up around the shared cycle: the
// lens follows the pointer (Alt resizes it) and its frame shows while
// dragging.
ASErr LensMouseDrag(AIToolMessage* message);
ASErr LensMouseUp(AIToolMessage* message);

}  // namespace vx
