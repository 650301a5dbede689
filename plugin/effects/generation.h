// Live Generation: its parameter record, as palettes, effect art and
// presets store it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>

#include "effects/effect_table.h"
#include "presets/param_record.h"

namespace vx {

struct GenerationPGParams {
  char name[kParamNameSize];
  int32_t copies;
  int32_t spaceMode;  // 0 relative, 1 absolute
  float space;        // fraction of the object's width, or points
  float rate;         // scale of each copy relative to the previous one
  float angle;        // initial direction, radians
  float angleStep;    // turn per copy, radians
  int32_t stacking;   // 0 Above, 1 Below
};
static_assert(sizeof(GenerationPGParams) == 92);
static_assert(offsetof(GenerationPGParams, copies) == 64);
static_assert(offsetof(GenerationPGParams, spaceMode) == 68);
static_assert(offsetof(GenerationPGParams, space) == 72);
static_assert(offsetof(GenerationPGParams, rate) == 76);
static_assert(offsetof(GenerationPGParams, angle) == 80);
static_assert(offsetof(GenerationPGParams, angleStep) == 84);
static_assert(offsetof(GenerationPGParams, stacking) == 88);

constexpr GenerationPGParams kGenerationFactoryParams = {
    .name = {},
    .copies = 20,
    .spaceMode = 0,
    .space = 1.0f,
    .rate = 0.9f,
    .angle = 0.0f,
    .angleStep = RecordRadians(15.0f),
    .stacking = 0};

// Its action's keys; they move into its binding table when its palette
// items are bound.
inline constexpr ActionKeySpec kGenerationActionKeys[] = {
    {ActionKey("cpyN"), ActionKey("long"), true},
    {ActionKey("mvSt"), ActionKey("long"), false},
    {ActionKey("move"), ActionKey("real"), true},
    {ActionKey("sizR"), ActionKey("real"), true},
    {ActionKey("angl"), ActionKey("real"), true},
    {ActionKey("rotR"), ActionKey("real"), true},
    {ActionKey("styl"), ActionKey("enum"), true},
};

// Its row of the effect table. Its palette has only the shared buttons and
// its update draws nothing until the effect is built.
inline constexpr EffectRow kGenerationEffect = {
    "Generation", "VERSALiX4 Generation ", 17116, "QVR-VsX4LiveGeneration",
    VX_RECORD(GenerationPGParams), "VERSALiX4_PST_Generation.txt", 20,
    {"VsX4_Generation_Action", 19300, kGenerationActionKeys, int(std::size(kGenerationActionKeys))},
    kSharedButtonRow, nullptr, PendingBuild};

}  // namespace vx
