// Trail tool: its options record, kept by the palette and in presets.
//
// Dragging leaves a trail of copies of each selected object from where it
// is toward the pointer: one copy every Space points of the drag, the last
// one under the pointer, placed by the Spacing curve, each turning toward
// To Angle and growing toward To Size on the way while its colours run from
// the object's own toward the end colours (the Live Trail effect's colour
// rule, made permanent art). An Alt-click (the pick cursor) picks the end
// colours from the fill and stroke of the art under the pointer. Tool
// records are packed on 2-byte boundaries.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>

#include "generated/resource_ids.h"
#include "presets/param_record.h"
#include "tools/tool_palette.h"
#include "vx_base.h"

namespace vx {

#pragma pack(push, 2)
struct TrailToolParams {
  char name[kParamNameSize];
  int16_t stacking;         // "A": 0 copies above the object, 1 below
  float beginning;          // "B": colour strength at the object, fraction
  float space;              // "C": drag length per copy, points (1 .. 4000)
  int32_t spacing;          // "D": 0 Decelerate, 1 Uniform, 2 Accelerate
  int16_t endFillSource;    // "E": 0 object fill, 1 object stroke, 2 chosen, 3 none
  int16_t endStrokeSource;  // "F": same codes for the stroke
  AIColor endFillColour;    // "G": chosen end fill colour
  AIColor endStrokeColour;  // "H": chosen end stroke colour
  float toTint;             // "I": strength of the end colours, fraction
  float toAngle;            // "J": turn of the last copy, radians
  AIRealPoint toSize;       // "K": size of the last copy, fractions (h, v)
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

// White in the document's colour model: our documents are SVG, whose
// colour model is RGB, so three-colour white (an end colour of another kind
// than the object's leaves the object's colour as it is).
constexpr AIColor kTrailToolFactoryWhite = {.kind = kThreeColor,
                                            .c = {.rgb = {1.0f, 1.0f, 1.0f}}};

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

// ---- the options palette (res::kTrailToolPalette): an end colour's swatch is
// enabled while its source is the chosen colour (2) ----

inline constexpr EnableRule kTrailPaletteRules[] = {
    {res::TrailToolPalette::kEndFillColour, res::TrailToolPalette::kEndFillColour, VX_BOUND_FIELD(TrailToolParams, endFillSource),
     EnableRule::Equals, 2},
    {res::TrailToolPalette::kEndStrokeColour, res::TrailToolPalette::kEndStrokeColour,
     VX_BOUND_FIELD(TrailToolParams, endStrokeSource), EnableRule::Equals, 2}};

inline constexpr PaletteField kTrailPaletteFields[] = {
    {.name = "stacking", .item = res::TrailToolPalette::kStacking, .field = VX_BOUND_FIELD(TrailToolParams, stacking),
     .unit = Unit::Choice, .actionKey = 0},
    {.name = "beginning", .item = res::TrailToolPalette::kBeginning,
     .field = VX_BOUND_FIELD(TrailToolParams, beginning), .unit = Unit::Percent, .actionKey = 0},
    {.name = "space", .item = res::TrailToolPalette::kSpace, .field = VX_BOUND_FIELD(TrailToolParams, space),
     .unit = Unit::Points, .actionKey = 0},
    {.name = "spacing", .item = res::TrailToolPalette::kSpacing, .field = VX_BOUND_FIELD(TrailToolParams, spacing),
     .unit = Unit::Choice, .actionKey = 0},
    {.name = "end-fill", .item = res::TrailToolPalette::kEndFill,
     .field = VX_BOUND_FIELD(TrailToolParams, endFillSource), .unit = Unit::Choice,
     .actionKey = 0},
    {.name = "end-fill-colour", .item = res::TrailToolPalette::kEndFillColour,
     .field = VX_BOUND_FIELD(TrailToolParams, endFillColour), .unit = Unit::Colour,
     .actionKey = 0, .rule = 0},
    {.name = "end-stroke", .item = res::TrailToolPalette::kEndStroke,
     .field = VX_BOUND_FIELD(TrailToolParams, endStrokeSource), .unit = Unit::Choice,
     .actionKey = 0},
    {.name = "end-stroke-colour", .item = res::TrailToolPalette::kEndStrokeColour,
     .field = VX_BOUND_FIELD(TrailToolParams, endStrokeColour), .unit = Unit::Colour,
     .actionKey = 0, .rule = 1},
    {.name = "to-tint", .item = res::TrailToolPalette::kToTint, .field = VX_BOUND_FIELD(TrailToolParams, toTint),
     .unit = Unit::Percent, .actionKey = 0},
    {.name = "to-angle", .item = res::TrailToolPalette::kToAngle, .field = VX_BOUND_FIELD(TrailToolParams, toAngle),
     .unit = Unit::Degrees, .actionKey = 0},
    {.name = "to-size-h", .item = res::TrailToolPalette::kToSizeH, .field = VX_BOUND_FIELD(TrailToolParams, toSize.h),
     .unit = Unit::Percent, .actionKey = 0},
    {.name = "to-size-v", .item = res::TrailToolPalette::kToSizeV, .field = VX_BOUND_FIELD(TrailToolParams, toSize.v),
     .unit = Unit::Percent, .actionKey = 0}};
static_assert(ToolBindingIsValid(kTrailPaletteFields, kTrailPaletteRules));

inline constexpr ToolPaletteSpec kTrailToolPalette = {
    {kTrailPaletteFields, int32_t(std::size(kTrailPaletteFields)), kTrailPaletteRules,
     int32_t(std::size(kTrailPaletteRules)), nullptr, nullptr},
    res::TrailToolPalette::kHelp, res::HelpTopics::kTrailTool};

}  // namespace vx
