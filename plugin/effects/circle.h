// Live Circle: its parameter record, as palettes, effect art and presets
// store it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>

#include "effects/effect_table.h"
#include "presets/param_record.h"

namespace vx {

struct CirclePGParams {
  char name[kParamNameSize];
  int32_t total;           // copies, 2 .. 4000
  int32_t keepAngle;       // flag
  int32_t datum;           // 0 Upper Left .. 8 Lower Right, 4 Center
  float offsetH;           // points
  float offsetV;           // points
  int32_t showCentreMark;  // flag
  float height;            // fraction, vertical scale of the ring
};
static_assert(sizeof(CirclePGParams) == 92);
static_assert(offsetof(CirclePGParams, total) == 64);
static_assert(offsetof(CirclePGParams, keepAngle) == 68);
static_assert(offsetof(CirclePGParams, datum) == 72);
static_assert(offsetof(CirclePGParams, offsetH) == 76);
static_assert(offsetof(CirclePGParams, offsetV) == 80);
static_assert(offsetof(CirclePGParams, showCentreMark) == 84);
static_assert(offsetof(CirclePGParams, height) == 88);

constexpr CirclePGParams kCircleFactoryParams = {
    .name = {},
    .total = 8,
    .keepAngle = 0,
    .datum = 4,
    .offsetH = -100.0f,
    .offsetV = 0.0f,
    .showCentreMark = 1,
    .height = 1.0f};

// Its action's keys; they move into its binding table when its palette
// items are bound.
inline constexpr ActionKeySpec kCircleActionKeys[] = {
    {ActionKey("cpNm"), ActionKey("long"), true},
    {ActionKey("kpAg"), ActionKey("bool"), true},
    {ActionKey("oInd"), ActionKey("enum"), true},
    {ActionKey("hOfs"), ActionKey("real"), true},
    {ActionKey("vOfs"), ActionKey("real"), true},
    {ActionKey("crsH"), ActionKey("bool"), true},
    {ActionKey("ovlR"), ActionKey("real"), true},
};

// Its row of the effect table. Its palette has only the shared buttons and
// its update draws nothing until the effect is built.
inline constexpr EffectRow kCircleEffect = {
    "Circle", "VERSALiX4 Circle ", 17104, "QVR-VsX4LiveCircle",
    VX_RECORD(CirclePGParams), "VERSALiX4_PST_Circle.txt", 14,
    {"VsX4_Circle_Action", 19000, kCircleActionKeys, int(std::size(kCircleActionKeys))},
    kSharedButtonRow, nullptr, PendingBuild};

}  // namespace vx
