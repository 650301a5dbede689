// Live Shadow: its parameter record, as palettes, effect art and presets
// store it, and its update.
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

// Puts the first source object over its shadow in `into`, with the shadow
// showing through it in a clipping group beside it when transparent (the
// framework's update).
ASErr ShadowBuild(AIArtHandle into, AIArtHandle editGroup, const void* record);

// In the order of the action's keys.
inline constexpr PaletteField kShadowFields[] = {
    {.name = "shade", .item = res::ShadowPalette::kShade, .field = VX_BOUND_FIELD(ShadowPGParams, shadowShade),
     .unit = Unit::Percent, .actionKey = ActionKey("dnst")},
    {.name = "offset", .item = res::ShadowPalette::kOffset, .field = VX_BOUND_FIELD(ShadowPGParams, shadowOffset),
     .unit = Unit::Points, .actionKey = ActionKey("ofst")},
    {.name = "light-angle", .item = res::ShadowPalette::kLightAngle,
     .field = VX_BOUND_FIELD(ShadowPGParams, shadowLightAngle), .unit = Unit::Degrees,
     .actionKey = ActionKey("angl"), .partner = res::ShadowPalette::kLightDial},
    {.name = "transparency", .item = res::ShadowPalette::kTransparency,
     .field = VX_BOUND_FIELD(ShadowPGParams, transparency), .unit = Unit::Percent,
     .actionKey = ActionKey("tpcy"), .partner = res::ShadowPalette::kTransparencySlider},
};
static_assert(BindingIsValid(kShadowFields));

inline constexpr PaletteBinding kShadowPalette = {
    kShadowFields, int32_t(std::size(kShadowFields)), nullptr, 0, nullptr, nullptr};

inline constexpr auto kShadowActionKeys = ActionKeysOf(kShadowFields);

inline constexpr EffectRow kShadowEffect = {
    "Shadow", "VERSALiX4 DropShadow ", res::kShadowPalette, "QVR-VsX4LiveDropShadow",
    VX_RECORD(ShadowPGParams), "VERSALiX4_PST_Shadow.txt",
    res::HelpTopics::kLiveShadow,
    {"VsX4_DropShadow_Action", res::kShadowActionTexts, kShadowActionKeys.keys, kShadowActionKeys.count},
    VX_EFFECT_BUTTONS(ShadowPalette), &kShadowPalette, ShadowBuild};

}  // namespace vx
