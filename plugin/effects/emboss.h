// Live Emboss: its parameter record, as palettes, effect art and presets
// store it, and its update.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>

#include "effects/effect_table.h"
#include "presets/param_record.h"
#include "ai_path.h"

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

// How a colour shift treats grey. Emboss scales it (gray x (1 + t));
// Cutout shades it as process black (gray x (1 + t), plus t when t > 0).
enum class GreyShift { kScale, kInk };

// Shifts a colour by t: t > 0 darker, t < 0 lighter; every component stays
// at most 1. A custom colour first becomes its process equivalent at its
// tint. Pattern, gradient, none and custom colours of another definition
// stay as they are (*shifted false).
ASErr ShiftColour(AIColor* colour, float t, GreyShift grey, bool* shifted);
// Shifts the fill and the stroke of a style (only painted ones when
// paintedOnly), clearing the overprint of each one shifted.
ASErr ShiftStyle(AIPathStyle* style, float t, GreyShift grey, bool paintedOnly);

// Embosses every source object into `into` (the framework's update).
ASErr EmbossBuild(AIArtHandle into, AIArtHandle editGroup, const void* record);

// In the order of the action's keys. Style names are entries 8 "Normal" to
// 10 "Shadow Only" of the action's string table.
inline constexpr PaletteField kEmbossFields[] = {
    {.name = "style", .item = res::EmbossPalette::kStyle, .field = VX_BOUND_FIELD(EmbossPGParams, embossStyle),
     .unit = Unit::Choice, .actionKey = ActionKey("emSt"), .actionNames = 8},
    {.name = "contrast", .item = res::EmbossPalette::kContrast, .field = VX_BOUND_FIELD(EmbossPGParams, contrast),
     .unit = Unit::Percent, .actionKey = ActionKey("cntr")},
    {.name = "offset", .item = res::EmbossPalette::kOffset, .field = VX_BOUND_FIELD(EmbossPGParams, offset),
     .unit = Unit::Points, .actionKey = ActionKey("ofst")},
    {.name = "light-angle", .item = res::EmbossPalette::kLightAngle,
     .field = VX_BOUND_FIELD(EmbossPGParams, lightAngle), .unit = Unit::Degrees,
     .actionKey = ActionKey("angl"), .partner = res::EmbossPalette::kLightDial},
    {.name = "reverse", .item = res::EmbossPalette::kReverse, .field = VX_BOUND_FIELD(EmbossPGParams, reverse),
     .unit = Unit::Flag, .actionKey = ActionKey("rvrs")},
    {.name = "steps", .item = res::EmbossPalette::kSteps, .field = VX_BOUND_FIELD(EmbossPGParams, steps),
     .unit = Unit::Integer, .actionKey = ActionKey("step")},
};
static_assert(BindingIsValid(kEmbossFields));

inline constexpr PaletteBinding kEmbossPalette = {
    kEmbossFields, int32_t(std::size(kEmbossFields)), nullptr, 0, nullptr, nullptr};

inline constexpr auto kEmbossActionKeys = ActionKeysOf(kEmbossFields);

inline constexpr EffectRow kEmbossEffect = {
    "Emboss", "VERSALiX4 Emboss ", res::kEmbossPalette, "QVR-VsX4LiveEmboss",
    VX_RECORD(EmbossPGParams), "VERSALiX4_PST_Emboss.txt",
    res::HelpTopics::kLiveEmboss,
    {"VsX4_Emboss_Action", res::kEmbossActionTexts, kEmbossActionKeys.keys, kEmbossActionKeys.count},
    VX_EFFECT_BUTTONS(EmbossPalette), &kEmbossPalette, EmbossBuild};

}  // namespace vx
