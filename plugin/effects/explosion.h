// Live Explosion: its parameter record, as palettes, effect art and presets
// store it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>

#include "effects/effect_table.h"
#include "presets/param_record.h"

namespace vx {

struct ExplosionPGParams {
  char name[kParamNameSize];
  int32_t total;            // copies
  int32_t keepAngle;        // flag
  float radialDeviation;    // radians
  float coreRadius;         // points
  float spread;             // points
  int32_t space;            // 0 Decelerate, 1 Uniform, 2 Accelerate
  int32_t showCentreMark;   // flag
  float shrinkGrow;         // scale at full spread
  int32_t sameSequence;     // flag
  int32_t seed;             // random seed
};
static_assert(sizeof(ExplosionPGParams) == 104);
static_assert(offsetof(ExplosionPGParams, total) == 64);
static_assert(offsetof(ExplosionPGParams, keepAngle) == 68);
static_assert(offsetof(ExplosionPGParams, radialDeviation) == 72);
static_assert(offsetof(ExplosionPGParams, coreRadius) == 76);
static_assert(offsetof(ExplosionPGParams, spread) == 80);
static_assert(offsetof(ExplosionPGParams, space) == 84);
static_assert(offsetof(ExplosionPGParams, showCentreMark) == 88);
static_assert(offsetof(ExplosionPGParams, shrinkGrow) == 92);
static_assert(offsetof(ExplosionPGParams, sameSequence) == 96);
static_assert(offsetof(ExplosionPGParams, seed) == 100);

// The seed of a new record is the tick count at its creation: the preset
// kind's factory step puts it in place of the 0 below, so the factory file
// holds the tick count of its making and a record made from factory values
// at run time the host's tick count of that moment.
constexpr ExplosionPGParams kExplosionFactoryParams = {
    .name = {},
    .total = 200,
    .keepAngle = 0,
    .radialDeviation = RecordRadians(360.0f),
    .coreRadius = 30.0f,
    .spread = 150.0f,
    .space = 2,
    .showCentreMark = 0,
    .shrinkGrow = 2.0f,
    .sameSequence = 0,
    .seed = 0};

// Its action's keys; they move into its binding table when its palette
// items are bound.
inline constexpr ActionKeySpec kExplosionActionKeys[] = {
    {ActionKey("cpNm"), ActionKey("long"), true},
    {ActionKey("rAng"), ActionKey("real"), true},
    {ActionKey("kpAg"), ActionKey("bool"), true},
    {ActionKey("rdus"), ActionKey("real"), true},
    {ActionKey("rRng"), ActionKey("real"), true},
    {ActionKey("stKd"), ActionKey("enum"), true},
    {ActionKey("crsH"), ActionKey("bool"), true},
    {ActionKey("pers"), ActionKey("real"), true},
    {ActionKey("rRnd"), ActionKey("bool"), true},
    {ActionKey("seed"), ActionKey("long"), false},
};

// Its row of the effect table. Its palette has only the shared buttons and
// its update draws nothing until the effect is built.
inline constexpr EffectRow kExplosionEffect = {
    "Explosion", "VERSALiX4 Explosion ", 17110, "QVR-VsX4LiveExplosion",
    VX_RECORD(ExplosionPGParams), "VERSALiX4_PST_Explosion.txt", 17,
    {"VsX4_Explosion_Action", 19150, kExplosionActionKeys, int(std::size(kExplosionActionKeys))},
    kSharedButtonRow, nullptr, PendingBuild};

}  // namespace vx
