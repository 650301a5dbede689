// Live Explosion: its parameter record (as palettes, effect art and presets
// store it), its palette's binding and its row of the effect table.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>

#include "effects/effect_table.h"
#include "effects/placement.h"
#include "presets/param_record.h"
#include "vx_sdk.h"

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

// The update: builds the result into `into` (a new group inside the result
// group) from the edit group's children and a ExplosionPGParams record.
ASErr ExplosionBuild(AIArtHandle into, AIArtHandle editGroup, const void* record);

namespace ExplosionItems = res::ExplosionPalette;

inline constexpr int32_t kExplosionSpaceItems[] = {
    ExplosionItems::kDecelerate, ExplosionItems::kUniform, ExplosionItems::kAccelerate};

// In the order of the action's keys. Space names are the action's
// strings 11 "Decelerate", 12 "Uniform", 13 "Accelerate"; the seed is kept by the palette (no
// item shows it) and recorded hidden.
inline constexpr PaletteField kExplosionFields[] = {
    {.name = "total", .item = ExplosionItems::kTotal, .field = VX_BOUND_FIELD(ExplosionPGParams, total),
     .unit = Unit::Integer, .actionKey = ActionKey("cpNm")},
    {.name = "radial-deviation", .item = ExplosionItems::kRadialDeviation,
     .field = VX_BOUND_FIELD(ExplosionPGParams, radialDeviation), .unit = Unit::Degrees,
     .actionKey = ActionKey("rAng")},
    {.name = "keep-angle", .item = ExplosionItems::kKeepAngle,
     .field = VX_BOUND_FIELD(ExplosionPGParams, keepAngle), .unit = Unit::Flag,
     .actionKey = ActionKey("kpAg")},
    {.name = "core-radius", .item = ExplosionItems::kCoreRadius,
     .field = VX_BOUND_FIELD(ExplosionPGParams, coreRadius), .unit = Unit::Points,
     .actionKey = ActionKey("rdus")},
    {.name = "spread", .item = ExplosionItems::kSpread,
     .field = VX_BOUND_FIELD(ExplosionPGParams, spread), .unit = Unit::Points,
     .actionKey = ActionKey("rRng")},
    {.name = "space", .item = ExplosionItems::kDecelerate,
     .field = VX_BOUND_FIELD(ExplosionPGParams, space), .unit = Unit::Radio,
     .actionKey = ActionKey("stKd"), .radios = kExplosionSpaceItems, .radioCount = 3,
     .actionNames = 11},
    {.name = "centre-mark", .item = ExplosionItems::kShowCentreMark,
     .field = VX_BOUND_FIELD(ExplosionPGParams, showCentreMark), .unit = Unit::Flag,
     .actionKey = ActionKey("crsH")},
    {.name = "shrink-grow", .item = ExplosionItems::kShrinkGrow,
     .field = VX_BOUND_FIELD(ExplosionPGParams, shrinkGrow), .unit = Unit::Percent,
     .actionKey = ActionKey("pers")},
    {.name = "same-sequence", .item = ExplosionItems::kSameSequence,
     .field = VX_BOUND_FIELD(ExplosionPGParams, sameSequence), .unit = Unit::Flag,
     .actionKey = ActionKey("rRnd")},
    {.name = "seed", .item = 0, .field = VX_BOUND_FIELD(ExplosionPGParams, seed),
     .unit = Unit::Integer, .actionKey = ActionKey("seed"), .hiddenInAction = true},
};
static_assert(BindingIsValid(kExplosionFields));

inline constexpr PaletteBinding kExplosionPalette = {
    kExplosionFields, int32_t(std::size(kExplosionFields)), nullptr, 0, nullptr, nullptr};

inline constexpr auto kExplosionActionKeys = ActionKeysOf(kExplosionFields);

// Regenerates only while selected or typed into, as Galaxy.
inline constexpr EffectRow kExplosionEffect = {
    "Explosion", "VERSALiX4 Explosion ", res::kExplosionPalette, "QVR-VsX4LiveExplosion",
    VX_RECORD(ExplosionPGParams), "VERSALiX4_PST_Explosion.txt",
    res::HelpTopics::kLiveExplosion,
    {"VsX4_Explosion_Action", res::kExplosionActionTexts, kExplosionActionKeys.keys, kExplosionActionKeys.count},
    VX_EFFECT_BUTTONS(ExplosionPalette), &kExplosionPalette, ExplosionBuild, RegeneratesInFocus};

}  // namespace vx
