// Roughening tool: its options record, kept by the palette and in presets.
// Tool records are packed on 2-byte boundaries.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>

#include "generated/resource_ids.h"
#include "presets/param_record.h"
#include "tools/tool_palette.h"

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

// ---- the options palette (res::kRoughToolPalette) ----

inline constexpr int32_t kRoughKindItems[] = {res::RoughToolPalette::kCorner, res::RoughToolPalette::kSmooth};

inline constexpr EnableRule kRoughPaletteRules[] = {
    TracePopupRule(VX_BOUND_FIELD(RoughToolParams, trace), res::RoughToolPalette::kTraceMode)};

inline constexpr PaletteField kRoughPaletteFields[] = {
    {.name = "kind", .item = res::RoughToolPalette::kCorner, .field = VX_BOUND_FIELD(RoughToolParams, kind),
     .unit = Unit::Radio, .actionKey = 0, .radios = kRoughKindItems, .radioCount = 2},
    {.name = "area-radius", .item = res::RoughToolPalette::kAreaRadius,
     .field = VX_BOUND_FIELD(RoughToolParams, areaRadius), .unit = Unit::Points, .actionKey = 0},
    {.name = "trace", .item = res::RoughToolPalette::kTrace, .field = VX_BOUND_FIELD(RoughToolParams, trace),
     .unit = Unit::Flag, .actionKey = 0},
    {.name = "trace-mode", .item = res::RoughToolPalette::kTraceMode,
     .field = VX_BOUND_FIELD(RoughToolParams, traceMode), .unit = Unit::Choice, .actionKey = 0,
     .rule = 0},
    {.name = "steps", .item = res::RoughToolPalette::kSteps, .field = VX_BOUND_FIELD(RoughToolParams, steps),
     .unit = Unit::Number, .actionKey = 0},
    {.name = "new-sequence", .item = res::RoughToolPalette::kNewSequence,
     .field = VX_BOUND_FIELD(RoughToolParams, newSequence), .unit = Unit::Flag, .actionKey = 0}};
static_assert(ToolBindingIsValid(kRoughPaletteFields, kRoughPaletteRules));

inline constexpr ToolPaletteSpec kRoughToolPalette = {
    {kRoughPaletteFields, int32_t(std::size(kRoughPaletteFields)), kRoughPaletteRules,
     int32_t(std::size(kRoughPaletteRules)), nullptr, nullptr},
    res::RoughToolPalette::kHelp, res::HelpTopics::kRougheningTool};

}  // namespace vx
