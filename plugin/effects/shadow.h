// Live Shadow: its parameter record, as palettes, effect art and presets
// store it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>

#include "effects/effect_table.h"
#include "presets/param_record.h"

namespace vx {

struct ShadowPGParams {
  char name[kParamNameSize];
  float shadowShade;       // fraction
  float shadowOffset;      // points
  float shadowLightAngle;  // radians
  float transparency;      // fraction
};
static_assert(sizeof(ShadowPGParams) == 80);
static_assert(offsetof(ShadowPGParams, shadowShade) == 64);
static_assert(offsetof(ShadowPGParams, shadowOffset) == 68);
static_assert(offsetof(ShadowPGParams, shadowLightAngle) == 72);
static_assert(offsetof(ShadowPGParams, transparency) == 76);

constexpr ShadowPGParams kShadowFactoryParams = {
    .name = {},
    .shadowShade = 0.3333f,
    .shadowOffset = 10.0f,
    .shadowLightAngle = RecordRadians(135.0f),
    .transparency = 0.0f};

// Its action's keys; they move into its binding table when its palette
// items are bound.
inline constexpr ActionKeySpec kShadowActionKeys[] = {
    {ActionKey("dnst"), ActionKey("real"), true},
    {ActionKey("ofst"), ActionKey("real"), true},
    {ActionKey("angl"), ActionKey("real"), true},
    {ActionKey("tpcy"), ActionKey("real"), true},
};

// Its row of the effect table. Its palette has only the shared buttons and
// its update draws nothing until the effect is built.
inline constexpr EffectRow kShadowEffect = {
    "Shadow", "VERSALiX4 DropShadow ", 17124, "QVR-VsX4LiveDropShadow",
    VX_RECORD(ShadowPGParams), "VERSALiX4_PST_Shadow.txt", 23,
    {"VsX4_DropShadow_Action", 19500, kShadowActionKeys, int(std::size(kShadowActionKeys))},
    kSharedButtonRow, nullptr, PendingBuild};

}  // namespace vx
