// Live Frame: its parameter record, as palettes, effect art and presets
// store it.
#pragma once

#include <cstddef>
#include <cstdint>

#include "presets/param_record.h"

namespace vx {

struct FramePGParams {
  char name[kParamNameSize];
  int32_t sideH;           // copies in each horizontal run
  int32_t sideV;           // copies in each vertical run
  int32_t keepAngle;       // flag
  int32_t frameSpaceMode;  // 0 relative, 1 absolute
  float sidesSpace;        // fraction of the object's size, or points
  float cornerSpace;       // same units
  float cornerOffset;      // fraction of the corner step, -1 .. 1
  int32_t drawAtCorner;    // flag
  int32_t cycling;         // 0 clockwise, 1 counterclockwise
};
static_assert(sizeof(FramePGParams) == 100);
static_assert(offsetof(FramePGParams, sideH) == 64);
static_assert(offsetof(FramePGParams, sideV) == 68);
static_assert(offsetof(FramePGParams, keepAngle) == 72);
static_assert(offsetof(FramePGParams, frameSpaceMode) == 76);
static_assert(offsetof(FramePGParams, sidesSpace) == 80);
static_assert(offsetof(FramePGParams, cornerSpace) == 84);
static_assert(offsetof(FramePGParams, cornerOffset) == 88);
static_assert(offsetof(FramePGParams, drawAtCorner) == 92);
static_assert(offsetof(FramePGParams, cycling) == 96);

constexpr FramePGParams kFrameFactoryParams = {
    .name = {},
    .sideH = 8,
    .sideV = 8,
    .keepAngle = 0,
    .frameSpaceMode = 0,
    .sidesSpace = 1.0f,
    .cornerSpace = 1.0f,
    .cornerOffset = 0.0f,
    .drawAtCorner = 1,
    .cycling = 1};

}  // namespace vx
