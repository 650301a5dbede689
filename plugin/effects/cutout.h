// Live Cutout: its parameter record, as palettes, effect art and presets
// store it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>

#include "effects/effect_table.h"
#include "presets/param_record.h"

namespace vx {

struct CutoutPGParams {
  char name[kParamNameSize];
  float shade;          // colour shift of the darkest copy, fraction
  float cutOffset;      // points
  float cutLightAngle;  // radians
  int32_t cutSteps;
};
static_assert(sizeof(CutoutPGParams) == 80);
static_assert(offsetof(CutoutPGParams, shade) == 64);
static_assert(offsetof(CutoutPGParams, cutOffset) == 68);
static_assert(offsetof(CutoutPGParams, cutLightAngle) == 72);
static_assert(offsetof(CutoutPGParams, cutSteps) == 76);

constexpr CutoutPGParams kCutoutFactoryParams = {
    .name = {},
    .shade = 0.6667f,
    .cutOffset = 5.0f,
    .cutLightAngle = RecordRadians(135.0f),
    .cutSteps = 5};

// Its action's keys; they move into its binding table when its palette
// items are bound.
inline constexpr ActionKeySpec kCutoutActionKeys[] = {
    {ActionKey("shad"), ActionKey("real"), true},
    {ActionKey("ofst"), ActionKey("real"), true},
    {ActionKey("angl"), ActionKey("real"), true},
    {ActionKey("step"), ActionKey("long"), true},
};

// Its row of the effect table. Its palette has only the shared buttons and
// its update draws nothing until the effect is built.
inline constexpr EffectRow kCutoutEffect = {
    "Cutout", "VERSALiX4 Cutout ", 17106, "QVR-VsX4LiveCutout",
    VX_RECORD(CutoutPGParams), "VERSALiX4_PST_Cutout.txt", 15,
    {"VsX4_Cutout_Action", 19050, kCutoutActionKeys, int(std::size(kCutoutActionKeys))},
    kSharedButtonRow, nullptr, PendingBuild};

}  // namespace vx
