// Live Cutout: its parameter record, as palettes, effect art and presets
// store it, and its update.
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

// Cuts the first source object out of the page into `into` and its
// clipping groups beside it (the framework's update).
ASErr CutoutBuild(AIArtHandle into, AIArtHandle editGroup, const void* record);

// In the order of the action's keys.
inline constexpr PaletteField kCutoutFields[] = {
    {.name = "shade", .item = res::CutoutPalette::kShade, .field = VX_BOUND_FIELD(CutoutPGParams, shade),
     .unit = Unit::Percent, .actionKey = ActionKey("shad")},
    {.name = "offset", .item = res::CutoutPalette::kOffset, .field = VX_BOUND_FIELD(CutoutPGParams, cutOffset),
     .unit = Unit::Points, .actionKey = ActionKey("ofst")},
    {.name = "light-angle", .item = res::CutoutPalette::kLightAngle,
     .field = VX_BOUND_FIELD(CutoutPGParams, cutLightAngle), .unit = Unit::Degrees,
     .actionKey = ActionKey("angl"), .partner = res::CutoutPalette::kLightDial},
    {.name = "steps", .item = res::CutoutPalette::kSteps, .field = VX_BOUND_FIELD(CutoutPGParams, cutSteps),
     .unit = Unit::Integer, .actionKey = ActionKey("step")},
};
static_assert(BindingIsValid(kCutoutFields));

inline constexpr PaletteBinding kCutoutPalette = {
    kCutoutFields, int32_t(std::size(kCutoutFields)), nullptr, 0, nullptr, nullptr};

inline constexpr auto kCutoutActionKeys = ActionKeysOf(kCutoutFields);

inline constexpr EffectRow kCutoutEffect = {
    "Cutout", "VERSALiX4 Cutout ", res::kCutoutPalette, "QVR-VsX4LiveCutout",
    VX_RECORD(CutoutPGParams), "VERSALiX4_PST_Cutout.txt",
    res::HelpTopics::kLiveCutout,
    {"VsX4_Cutout_Action", res::kCutoutActionTexts, kCutoutActionKeys.keys, kCutoutActionKeys.count},
    VX_EFFECT_BUTTONS(CutoutPalette), &kCutoutPalette, CutoutBuild};

}  // namespace vx
