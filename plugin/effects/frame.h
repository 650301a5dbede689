// Live Frame: its parameter record, as palettes, effect art and presets
// store it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>

#include "effects/effect_table.h"
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

// Its action's keys; they move into its binding table when its palette
// items are bound.
inline constexpr ActionKeySpec kFrameActionKeys[] = {
    {ActionKey("hCpy"), ActionKey("long"), true},
    {ActionKey("vCpy"), ActionKey("long"), true},
    {ActionKey("kpAg"), ActionKey("bool"), true},
    {ActionKey("mvSt"), ActionKey("long"), false},
    {ActionKey("move"), ActionKey("real"), true},
    {ActionKey("cMov"), ActionKey("real"), true},
    {ActionKey("styl"), ActionKey("real"), true},
    {ActionKey("cnAr"), ActionKey("bool"), true},
    {ActionKey("rund"), ActionKey("enum"), true},
};

// Its row of the effect table. Its palette has only the shared buttons and
// its update draws nothing until the effect is built.
inline constexpr EffectRow kFrameEffect = {
    "Frame", "VERSALiX4 Frame ", 17112, "QVR-VsX4LiveFrame",
    VX_RECORD(FramePGParams), "VERSALiX4_PST_Frame.txt", 18,
    {"VsX4_Frame_Action", 19200, kFrameActionKeys, int(std::size(kFrameActionKeys))},
    kSharedButtonRow, nullptr, PendingBuild};

}  // namespace vx
