// Wave tool: its options record, kept by the palette and in presets. Tool
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
struct WaveToolParams {
  char name[kParamNameSize];
  int16_t shape;      // 0 .. 4
  float cycle;        // wave cycles, 0.1 .. 4000
  int32_t trace;      // flag
  int16_t traceMode;  // index in the Trace menu
  float space;        // Drag Along spacing, document units
  float steps;        // copies in the stepped modes
};
#pragma pack(pop)
static_assert(sizeof(WaveToolParams) == 84);
static_assert(offsetof(WaveToolParams, shape) == 64);
static_assert(offsetof(WaveToolParams, cycle) == 66);
static_assert(offsetof(WaveToolParams, trace) == 70);
static_assert(offsetof(WaveToolParams, traceMode) == 74);
static_assert(offsetof(WaveToolParams, space) == 76);
static_assert(offsetof(WaveToolParams, steps) == 80);

constexpr WaveToolParams kWaveToolFactoryParams = {
    .name = {},
    .shape = 0,
    .cycle = 1.0f,
    .trace = 0,
    .traceMode = 1,
    .space = 10.0f,
    .steps = 24.0f};

// ---- the options palette (res::kWaveToolPalette) ----

inline constexpr auto kWaveShapeItems = ItemsFrom<5>(res::WaveToolPalette::kFirstShape);
static_assert(kWaveShapeItems.items[4] == res::WaveToolPalette::kLastShape);

inline constexpr EnableRule kWavePaletteRules[] = {
    TracePopupRule(VX_BOUND_FIELD(WaveToolParams, trace), res::WaveToolPalette::kTraceMode),
    DragAlongRule(VX_BOUND_FIELD(WaveToolParams, traceMode), res::WaveToolPalette::kSpaceLabel,
                  res::WaveToolPalette::kSpaceUnits),
    SteppedRule(VX_BOUND_FIELD(WaveToolParams, traceMode), res::WaveToolPalette::kStepsLabel,
                res::WaveToolPalette::kSteps)};

inline constexpr PaletteField kWavePaletteFields[] = {
    {.name = "shape", .item = res::WaveToolPalette::kFirstShape,
     .field = VX_BOUND_FIELD(WaveToolParams, shape), .unit = Unit::Radio, .actionKey = 0,
     .radios = kWaveShapeItems.items, .radioCount = 5},
    {.name = "cycle", .item = res::WaveToolPalette::kCycle,
     .field = VX_BOUND_FIELD(WaveToolParams, cycle), .unit = Unit::Number, .actionKey = 0},
    {.name = "trace", .item = res::WaveToolPalette::kTrace,
     .field = VX_BOUND_FIELD(WaveToolParams, trace), .unit = Unit::Flag, .actionKey = 0},
    {.name = "trace-mode", .item = res::WaveToolPalette::kTraceMode,
     .field = VX_BOUND_FIELD(WaveToolParams, traceMode), .unit = Unit::Choice, .actionKey = 0,
     .rule = 0},
    {.name = "space", .item = res::WaveToolPalette::kSpace,
     .field = VX_BOUND_FIELD(WaveToolParams, space), .unit = Unit::Points, .actionKey = 0,
     .rule = 1},
    {.name = "steps", .item = res::WaveToolPalette::kSteps,
     .field = VX_BOUND_FIELD(WaveToolParams, steps), .unit = Unit::Number, .actionKey = 0,
     .rule = 2}};
static_assert(ToolBindingIsValid(kWavePaletteFields, kWavePaletteRules));

inline constexpr ToolPaletteSpec kWaveToolPalette = {
    {kWavePaletteFields, int32_t(std::size(kWavePaletteFields)), kWavePaletteRules,
     int32_t(std::size(kWavePaletteRules)), nullptr, nullptr},
    res::WaveToolPalette::kHelp, res::HelpTopics::kWaveTool};

struct DragTool;
// Waves every selected path at each drag step (wave_tool.cpp).
extern const DragTool kWaveDrag;

}  // namespace vx
