// Live Generation: its parameter record (as palettes, effect art and
// presets store it), its palette's binding and its row of the effect table.
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

// Items of the Generation palette (res::kGenerationPalette).
enum GenerationItem : int32_t {
  kGenerationCopies = 2, kGenerationSpaceMode = 3, kGenerationSpacePercent = 4,
  kGenerationSpacePercentSign = 5, kGenerationSpacePoints = 6,
  kGenerationSpacePointsUnit = 7, kGenerationRate = 8, kGenerationAngle = 11,
  kGenerationAngleDial = 13, kGenerationAngleStep = 15, kGenerationAbove = 18,
  kGenerationBelow = 19,
};

// Shows the relative or the absolute spacing item by the space mode.
void GenerationShowSpaceMode(ADMDialogRef dialog, const void* record);

// Builds the string of copies of every source object into `into`.
ASErr GenerationBuild(AIArtHandle into, AIArtHandle editGroup, const void* record);

inline constexpr EnableRule kGenerationRules[] = {
    {kGenerationSpacePercent, kGenerationSpacePercentSign,
     VX_BOUND_FIELD(GenerationPGParams, spaceMode), EnableRule::Equals, 0},
    {kGenerationSpacePoints, kGenerationSpacePointsUnit,
     VX_BOUND_FIELD(GenerationPGParams, spaceMode), EnableRule::Equals, 1}};

inline constexpr int32_t kGenerationStackingItems[] = {kGenerationAbove, kGenerationBelow};

// In the order of the action's keys; stacking names are the action's
// strings 8 "Above" and 9 "Below".
inline constexpr PaletteField kGenerationFields[] = {
    {.name = "copies", .item = kGenerationCopies, .field = VX_BOUND_FIELD(GenerationPGParams, copies),
     .unit = Unit::Integer, .actionKey = ActionKey("cpyN")},
    {.name = "space-mode", .item = kGenerationSpaceMode,
     .field = VX_BOUND_FIELD(GenerationPGParams, spaceMode), .unit = Unit::Choice,
     .actionKey = ActionKey("mvSt"), .hiddenInAction = true, .actionType = ActionKey("long")},
    {.name = "space", .item = kGenerationSpacePercent, .field = VX_BOUND_FIELD(GenerationPGParams, space),
     .unit = Unit::Percent, .actionKey = ActionKey("move"), .rule = 0},
    {.name = "space-pt", .item = kGenerationSpacePoints,
     .field = VX_BOUND_FIELD(GenerationPGParams, space), .unit = Unit::Points,
     .actionKey = ActionKey("move"), .rule = 1},
    {.name = "rate", .item = kGenerationRate, .field = VX_BOUND_FIELD(GenerationPGParams, rate),
     .unit = Unit::Percent, .actionKey = ActionKey("sizR")},
    {.name = "angle", .item = kGenerationAngle, .field = VX_BOUND_FIELD(GenerationPGParams, angle),
     .unit = Unit::Degrees, .actionKey = ActionKey("angl"), .partner = kGenerationAngleDial},
    {.name = "angle-step", .item = kGenerationAngleStep,
     .field = VX_BOUND_FIELD(GenerationPGParams, angleStep), .unit = Unit::Degrees,
     .actionKey = ActionKey("rotR")},
    {.name = "stacking", .item = kGenerationAbove, .field = VX_BOUND_FIELD(GenerationPGParams, stacking),
     .unit = Unit::Radio, .actionKey = ActionKey("styl"), .radios = kGenerationStackingItems,
     .radioCount = 2, .actionNames = 8},
};
static_assert(BindingIsValid(kGenerationFields, kGenerationRules));

inline constexpr PaletteBinding kGenerationPalette = {
    kGenerationFields, int32_t(std::size(kGenerationFields)), kGenerationRules,
    int32_t(std::size(kGenerationRules)), nullptr, GenerationShowSpaceMode};

inline constexpr auto kGenerationActionKeys = ActionKeysOf(kGenerationFields);

inline constexpr EffectRow kGenerationEffect = {
    "Generation", "VERSALiX4 Generation ", res::kGenerationPalette, "QVR-VsX4LiveGeneration",
    VX_RECORD(GenerationPGParams), "VERSALiX4_PST_Generation.txt",
    res::HelpTopics::kLiveGeneration,
    {"VsX4_Generation_Action", res::kGenerationActionTexts, kGenerationActionKeys.keys, kGenerationActionKeys.count},
    VX_EFFECT_BUTTONS(GenerationPalette), &kGenerationPalette, GenerationBuild};

}  // namespace vx
