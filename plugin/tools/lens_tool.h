// Lens tool: its options record, kept by the palette and in presets. Tool
// records are packed on 2-byte boundaries.
#pragma once

#include <cstddef>
#include <cstdint>

#include "presets/param_record.h"
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
