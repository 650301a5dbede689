// Live Reflections: its parameter record, as palettes, effect art and
// presets store it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>

#include "effects/effect_table.h"
#include "presets/param_record.h"
#include "vx_sdk.h"

namespace vx {

struct ReflectionsPGParams {
  char name[kParamNameSize];
  int32_t reflector;  // 0 Horizontal, 1 Vertical, 2 Both H and V, 3 Radial
  float offsetH;      // points
  float offsetV;      // points
  int32_t total;      // rotation steps of the radial ring
};
static_assert(sizeof(ReflectionsPGParams) == 80);
static_assert(offsetof(ReflectionsPGParams, reflector) == 64);
static_assert(offsetof(ReflectionsPGParams, offsetH) == 68);
static_assert(offsetof(ReflectionsPGParams, offsetV) == 72);
static_assert(offsetof(ReflectionsPGParams, total) == 76);

constexpr ReflectionsPGParams kReflectionsFactoryParams = {
    .name = {}, .reflector = 1, .offsetH = 0.0f, .offsetV = 0.0f, .total = 3};

// The update: builds the result into `into` (a new group inside the result
// group) from the edit group's children and a ReflectionsPGParams record.
ASErr ReflectionsBuild(AIArtHandle into, AIArtHandle editGroup, const void* record);

// Horizontal enables Offset V only, Vertical Offset H only, Both both
// offsets, Radial both offsets and Total. A field whose rule does not hold
// is left out of a recorded action (its key is not written as 0, 1 or 2)
// and keeps the record's value on playback.
inline constexpr EnableRule kReflectionsRules[] = {
    {res::ReflectionsPalette::kOffsetHLabel, res::ReflectionsPalette::kOffsetH,
     VX_BOUND_FIELD(ReflectionsPGParams, reflector), EnableRule::NotEquals, 0},
    {res::ReflectionsPalette::kOffsetVLabel, res::ReflectionsPalette::kOffsetV,
     VX_BOUND_FIELD(ReflectionsPGParams, reflector), EnableRule::NotEquals, 1},
    {res::ReflectionsPalette::kTotalLabel, res::ReflectionsPalette::kTotal, VX_BOUND_FIELD(ReflectionsPGParams, reflector),
     EnableRule::Equals, 3}};

// In the order of the action's keys; reflector names are the action's strings 6
// to 9.
inline constexpr PaletteField kReflectionsFields[] = {
    {.name = "reflector", .item = res::ReflectionsPalette::kReflector,
     .field = VX_BOUND_FIELD(ReflectionsPGParams, reflector), .unit = Unit::Choice,
     .actionKey = ActionKey("axSt"), .actionNames = 6},
    {.name = "offset-h", .item = res::ReflectionsPalette::kOffsetH,
     .field = VX_BOUND_FIELD(ReflectionsPGParams, offsetH), .unit = Unit::Points,
     .actionKey = ActionKey("hOfs"), .rule = 0},
    {.name = "offset-v", .item = res::ReflectionsPalette::kOffsetV,
     .field = VX_BOUND_FIELD(ReflectionsPGParams, offsetV), .unit = Unit::Points,
     .actionKey = ActionKey("vOfs"), .rule = 1},
    {.name = "total", .item = res::ReflectionsPalette::kTotal, .field = VX_BOUND_FIELD(ReflectionsPGParams, total),
     .unit = Unit::Integer, .actionKey = ActionKey("axNm"), .rule = 2},
};
static_assert(BindingIsValid(kReflectionsFields, kReflectionsRules));

inline constexpr PaletteBinding kReflectionsPalette = {
    kReflectionsFields, int32_t(std::size(kReflectionsFields)), kReflectionsRules,
    int32_t(std::size(kReflectionsRules)), nullptr, nullptr};

inline constexpr auto kReflectionsActionKeys = ActionKeysOf(kReflectionsFields);

inline constexpr EffectRow kReflectionsEffect = {
    "Reflections", "VERSALiX4 Reflections ", res::kReflectionsPalette, "QVR-VsX4LiveReflections",
    VX_RECORD(ReflectionsPGParams), "VERSALiX4_PST_Reflections.txt",
    res::HelpTopics::kLiveReflections,
    {"VsX4_Reflections_Action", res::kReflectionsActionTexts, kReflectionsActionKeys.keys,
     kReflectionsActionKeys.count},
    VX_EFFECT_BUTTONS(ReflectionsPalette), &kReflectionsPalette, ReflectionsBuild};

}  // namespace vx
