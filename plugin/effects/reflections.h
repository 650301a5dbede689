// Live Reflections: its parameter record, as palettes, effect art and
// presets store it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>

#include "effects/effect_table.h"
#include "presets/param_record.h"

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

// Its action's keys; they move into its binding table when its palette
// items are bound.
inline constexpr ActionKeySpec kReflectionsActionKeys[] = {
    {ActionKey("axSt"), ActionKey("enum"), true},
    {ActionKey("hOfs"), ActionKey("real"), true},
    {ActionKey("vOfs"), ActionKey("real"), true},
    {ActionKey("axNm"), ActionKey("long"), true},
};

// The shared buttons of its palette.
inline constexpr EffectButtons kReflectionsButtons{10, 11, 12, 13, 14};

// Its row of the effect table. Its palette has only the shared buttons and
// its update draws nothing until the effect is built.
inline constexpr EffectRow kReflectionsEffect = {
    "Reflections", "VERSALiX4 Reflections ", 17118, "QVR-VsX4LiveReflections",
    VX_RECORD(ReflectionsPGParams), "VERSALiX4_PST_Reflections.txt", 22,
    {"VsX4_Reflections_Action", 19350, kReflectionsActionKeys, int(std::size(kReflectionsActionKeys))},
    kReflectionsButtons, nullptr, PendingBuild};

}  // namespace vx
