// Live Emboss: its parameter record, as palettes, effect art and presets
// store it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>

#include "effects/effect_table.h"
#include "presets/param_record.h"

namespace vx {

struct EmbossPGParams {
  char name[kParamNameSize];
  int32_t embossStyle;  // 0 Normal, 1 Highlight Only, 2 Shadow Only
  float contrast;       // fraction
  float offset;         // points
  float lightAngle;     // radians
  int32_t reverse;      // flag
  int32_t steps;
};
static_assert(sizeof(EmbossPGParams) == 88);
static_assert(offsetof(EmbossPGParams, embossStyle) == 64);
static_assert(offsetof(EmbossPGParams, contrast) == 68);
static_assert(offsetof(EmbossPGParams, offset) == 72);
static_assert(offsetof(EmbossPGParams, lightAngle) == 76);
static_assert(offsetof(EmbossPGParams, reverse) == 80);
static_assert(offsetof(EmbossPGParams, steps) == 84);

constexpr EmbossPGParams kEmbossFactoryParams = {
    .name = {},
    .embossStyle = 0,
    .contrast = 0.6667f,
    .offset = 1.0f,
    .lightAngle = RecordRadians(135.0f),
    .reverse = 0,
    .steps = 1};

// Its action's keys; they move into its binding table when its palette
// items are bound.
inline constexpr ActionKeySpec kEmbossActionKeys[] = {
    {ActionKey("emSt"), ActionKey("enum"), true},
    {ActionKey("cntr"), ActionKey("real"), true},
    {ActionKey("ofst"), ActionKey("real"), true},
    {ActionKey("angl"), ActionKey("real"), true},
    {ActionKey("rvrs"), ActionKey("bool"), true},
    {ActionKey("step"), ActionKey("long"), true},
};

// Its row of the effect table. Its palette has only the shared buttons and
// its update draws nothing until the effect is built.
inline constexpr EffectRow kEmbossEffect = {
    "Emboss", "VERSALiX4 Emboss ", 17108, "QVR-VsX4LiveEmboss",
    VX_RECORD(EmbossPGParams), "VERSALiX4_PST_Emboss.txt", 16,
    {"VsX4_Emboss_Action", 19100, kEmbossActionKeys, int(std::size(kEmbossActionKeys))},
    kSharedButtonRow, nullptr, PendingBuild};

}  // namespace vx
