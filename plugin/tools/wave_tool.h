// Wave tool: its options record, kept by the palette and in presets. Tool
// records are packed on 2-byte boundaries.
#pragma once

#include <cstddef>
#include <cstdint>

#include "presets/param_record.h"

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

struct DragTool;
// Waves every selected path at each drag step (wave_tool.cpp).
extern const DragTool kWaveDrag;

}  // namespace vx
