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

// Items of the Shadow palette (template 17124).
enum ShadowItem : int32_t {
  kShadowShade = 2, kShadowOffset = 5, kShadowLightAngle = 8, kShadowLightDial = 10,
  kShadowTransparency = 12, kShadowTransparencySlider = 14
};

// In the order of the action's keys.
inline constexpr PaletteField kShadowFields[] = {
    {.name = "shade", .item = kShadowShade, .field = VX_FIELD(ShadowPGParams, shadowShade),
     .unit = Unit::Percent, .actionKey = ActionKey("dnst")},
    {.name = "offset", .item = kShadowOffset, .field = VX_FIELD(ShadowPGParams, shadowOffset),
     .unit = Unit::Points, .actionKey = ActionKey("ofst")},
    {.name = "light-angle", .item = kShadowLightAngle,
     .field = VX_FIELD(ShadowPGParams, shadowLightAngle), .unit = Unit::Degrees,
     .actionKey = ActionKey("angl"), .partner = kShadowLightDial},
    {.name = "transparency", .item = kShadowTransparency,
     .field = VX_FIELD(ShadowPGParams, transparency), .unit = Unit::Percent,
     .actionKey = ActionKey("tpcy"), .partner = kShadowTransparencySlider},
};
static_assert(BindingIsValid(kShadowFields));

inline constexpr PaletteBinding kShadowPalette = {
    kShadowFields, int32_t(std::size(kShadowFields)), nullptr, 0, nullptr, nullptr};

inline constexpr auto kShadowActionKeys = ActionKeysOf(kShadowFields);

inline constexpr EffectRow kShadowEffect = {
    "Shadow", "VERSALiX4 DropShadow ", 17124, "QVR-VsX4LiveDropShadow",
    VX_RECORD(ShadowPGParams), "VERSALiX4_PST_Shadow.txt", 23,
    {"VsX4_DropShadow_Action", 19500, kShadowActionKeys.keys, int(std::size(kShadowFields))},
    kSharedButtonRow, &kShadowPalette, ShadowBuild};

}  // namespace vx
