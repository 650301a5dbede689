// Live Galaxy: its parameter record, as palettes, effect art and presets
// store it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>

#include "effects/effect_table.h"
#include "presets/param_record.h"

namespace vx {

struct GalaxyPGParams {
  char name[kParamNameSize];
  int32_t totalBranches;    // B
  float radialDeviation;    // radians
  int32_t keepAngle;        // flag
  int32_t totalPerBranch;   // N
  float kink;               // radians
  float branchTwist;        // radians
  float twistDeviation;     // radians
  float coreRadius;         // points
  float coreDeviation;      // points
  float spread;             // points
  float spreadDeviation;    // points
  int32_t showCentreMark;   // flag
  float sizeDeviation;      // fraction
  float shrinkGrow;         // fraction
  int32_t stacking;         // 0 Above, 1 Below
  int32_t sameSequence;     // flag
  int32_t seed;             // random seed
};
static_assert(sizeof(GalaxyPGParams) == 132);
static_assert(offsetof(GalaxyPGParams, totalBranches) == 64);
static_assert(offsetof(GalaxyPGParams, radialDeviation) == 68);
static_assert(offsetof(GalaxyPGParams, keepAngle) == 72);
static_assert(offsetof(GalaxyPGParams, totalPerBranch) == 76);
static_assert(offsetof(GalaxyPGParams, kink) == 80);
static_assert(offsetof(GalaxyPGParams, branchTwist) == 84);
static_assert(offsetof(GalaxyPGParams, twistDeviation) == 88);
static_assert(offsetof(GalaxyPGParams, coreRadius) == 92);
static_assert(offsetof(GalaxyPGParams, coreDeviation) == 96);
static_assert(offsetof(GalaxyPGParams, spread) == 100);
static_assert(offsetof(GalaxyPGParams, spreadDeviation) == 104);
static_assert(offsetof(GalaxyPGParams, showCentreMark) == 108);
static_assert(offsetof(GalaxyPGParams, sizeDeviation) == 112);
static_assert(offsetof(GalaxyPGParams, shrinkGrow) == 116);
static_assert(offsetof(GalaxyPGParams, stacking) == 120);
static_assert(offsetof(GalaxyPGParams, sameSequence) == 124);
static_assert(offsetof(GalaxyPGParams, seed) == 128);

// The seed of a new record is the tick count at its creation: the preset
// kind's factory step puts it in place of the 0 below, so the factory file
// holds the tick count of its making and a record made from factory values
// at run time the host's tick count of that moment.
constexpr GalaxyPGParams kGalaxyFactoryParams = {
    .name = {},
    .totalBranches = 8,
    .radialDeviation = 0.0f,
    .keepAngle = 0,
    .totalPerBranch = 16,
    .kink = 0.0f,
    .branchTwist = RecordRadians(90.0f),
    .twistDeviation = 0.0f,
    .coreRadius = 50.0f,
    .coreDeviation = 0.0f,
    .spread = 150.0f,
    .spreadDeviation = 0.0f,
    .showCentreMark = 1,
    .sizeDeviation = 0.0f,
    .shrinkGrow = 0.1f,
    .stacking = 0,
    .sameSequence = 0,
    .seed = 0};

// Its action's keys; they move into its binding table when its palette
// items are bound.
inline constexpr ActionKeySpec kGalaxyActionKeys[] = {
    {ActionKey("cpNm"), ActionKey("long"), true},
    {ActionKey("rAng"), ActionKey("real"), true},
    {ActionKey("kpAg"), ActionKey("bool"), true},
    {ActionKey("sgNm"), ActionKey("long"), true},
    {ActionKey("segR"), ActionKey("real"), true},
    {ActionKey("sAng"), ActionKey("real"), true},
    {ActionKey("sAgR"), ActionKey("real"), true},
    {ActionKey("mnRd"), ActionKey("real"), true},
    {ActionKey("nRdR"), ActionKey("real"), true},
    {ActionKey("mxRd"), ActionKey("real"), true},
    {ActionKey("xRdR"), ActionKey("real"), true},
    {ActionKey("crsH"), ActionKey("bool"), true},
    {ActionKey("rSiz"), ActionKey("real"), true},
    {ActionKey("pers"), ActionKey("real"), true},
    {ActionKey("styl"), ActionKey("enum"), true},
    {ActionKey("rRnd"), ActionKey("bool"), true},
    {ActionKey("seed"), ActionKey("long"), false},
};

// Its row of the effect table. Its palette has only the shared buttons and
// its update draws nothing until the effect is built.
inline constexpr EffectRow kGalaxyEffect = {
    "Galaxy", "VERSALiX4 Galaxy ", 17114, "QVR-VsX4LiveGalaxy",
    VX_RECORD(GalaxyPGParams), "VERSALiX4_PST_Galaxy.txt", 19,
    {"VsX4_Galaxy_Action", 19250, kGalaxyActionKeys, int(std::size(kGalaxyActionKeys))},
    kSharedButtonRow, nullptr, PendingBuild};

}  // namespace vx
