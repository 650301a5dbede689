// Live Galaxy: its parameter record (as palettes, effect art and presets
// store it), its palette's binding and its row of the effect table.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>

#include "effects/effect_table.h"
#include "effects/placement.h"
#include "presets/param_record.h"
#include "vx_sdk.h"

namespace vx {

struct GalaxyPGParams {
  char name[kParamNameSize];
  int32_t totalBranches;    // B
  float radialDeviation;    // radians
  int32_t keepAngle;        // flag
  int32_t totalPerBranch;   // N
  float kink;               // radians
  float branchTwist;        // radians
  float twistDeviation;     // radians
  float coreRadius;         // points
  float coreDeviation;      // points
  float spread;             // points
  float spreadDeviation;    // points
  int32_t showCentreMark;   // flag
  float sizeDeviation;      // fraction
  float shrinkGrow;         // fraction
  int32_t stacking;         // 0 Above, 1 Below
  int32_t sameSequence;     // flag
  int32_t seed;             // random seed
};
static_assert(sizeof(GalaxyPGParams) == 132);
static_assert(offsetof(GalaxyPGParams, totalBranches) == 64);
static_assert(offsetof(GalaxyPGParams, radialDeviation) == 68);
static_assert(offsetof(GalaxyPGParams, keepAngle) == 72);
static_assert(offsetof(GalaxyPGParams, totalPerBranch) == 76);
static_assert(offsetof(GalaxyPGParams, kink) == 80);
static_assert(offsetof(GalaxyPGParams, branchTwist) == 84);
static_assert(offsetof(GalaxyPGParams, twistDeviation) == 88);
static_assert(offsetof(GalaxyPGParams, coreRadius) == 92);
static_assert(offsetof(GalaxyPGParams, coreDeviation) == 96);
static_assert(offsetof(GalaxyPGParams, spread) == 100);
static_assert(offsetof(GalaxyPGParams, spreadDeviation) == 104);
static_assert(offsetof(GalaxyPGParams, showCentreMark) == 108);
static_assert(offsetof(GalaxyPGParams, sizeDeviation) == 112);
static_assert(offsetof(GalaxyPGParams, shrinkGrow) == 116);
static_assert(offsetof(GalaxyPGParams, stacking) == 120);
static_assert(offsetof(GalaxyPGParams, sameSequence) == 124);
static_assert(offsetof(GalaxyPGParams, seed) == 128);

// The seed of a new record is the tick count at its creation: the preset
// kind's factory step puts it in place of the 0 below, so the factory file
// holds the tick count of its making and a record made from factory values
// at run time the host's tick count of that moment.
constexpr GalaxyPGParams kGalaxyFactoryParams = {
    .name = {},
    .totalBranches = 8,
    .radialDeviation = 0.0f,
    .keepAngle = 0,
    .totalPerBranch = 16,
    .kink = 0.0f,
    .branchTwist = RecordRadians(90.0f),
    .twistDeviation = 0.0f,
    .coreRadius = 50.0f,
    .coreDeviation = 0.0f,
    .spread = 150.0f,
    .spreadDeviation = 0.0f,
    .showCentreMark = 1,
    .sizeDeviation = 0.0f,
    .shrinkGrow = 0.1f,
    .stacking = 0,
    .sameSequence = 0,
    .seed = 0};

// The update: builds the result into `into` (a new group inside the result
// group) from the edit group's children and a GalaxyPGParams record.
ASErr GalaxyBuild(AIArtHandle into, AIArtHandle editGroup, const void* record);

namespace GalaxyItems = res::GalaxyPalette;

inline constexpr int32_t kGalaxyStackingItems[] = {GalaxyItems::kAbove, GalaxyItems::kBelow};

// In the order of the action's keys: the order of its labels (strings 2
// "Total Branches: " ... "Same Sequence: ") with the seed last, recorded
// hidden. Stacking names are strings 18 "Above", 19 "Below". The seed is kept
// by the palette (no item shows it).
inline constexpr PaletteField kGalaxyFields[] = {
    {.name = "total-branches", .item = GalaxyItems::kTotalBranches,
     .field = VX_BOUND_FIELD(GalaxyPGParams, totalBranches), .unit = Unit::Integer,
     .actionKey = ActionKey("cpNm")},
    {.name = "radial-deviation", .item = GalaxyItems::kRadialDeviation,
     .field = VX_BOUND_FIELD(GalaxyPGParams, radialDeviation), .unit = Unit::Degrees,
     .actionKey = ActionKey("rAng")},
    {.name = "keep-angle", .item = GalaxyItems::kKeepAngle,
     .field = VX_BOUND_FIELD(GalaxyPGParams, keepAngle), .unit = Unit::Flag,
     .actionKey = ActionKey("kpAg")},
    {.name = "total-per-branch", .item = GalaxyItems::kTotalPerBranch,
     .field = VX_BOUND_FIELD(GalaxyPGParams, totalPerBranch), .unit = Unit::Integer,
     .actionKey = ActionKey("sgNm")},
    {.name = "kink", .item = GalaxyItems::kKink, .field = VX_BOUND_FIELD(GalaxyPGParams, kink),
     .unit = Unit::Degrees, .actionKey = ActionKey("segR")},
    {.name = "branch-twist", .item = GalaxyItems::kBranchTwist,
     .field = VX_BOUND_FIELD(GalaxyPGParams, branchTwist), .unit = Unit::Degrees,
     .actionKey = ActionKey("sAng")},
    {.name = "twist-deviation", .item = GalaxyItems::kTwistDeviation,
     .field = VX_BOUND_FIELD(GalaxyPGParams, twistDeviation), .unit = Unit::Degrees,
     .actionKey = ActionKey("sAgR")},
    {.name = "core-radius", .item = GalaxyItems::kCoreRadius,
     .field = VX_BOUND_FIELD(GalaxyPGParams, coreRadius), .unit = Unit::Points,
     .actionKey = ActionKey("mnRd")},
    {.name = "core-deviation", .item = GalaxyItems::kCoreDeviation,
     .field = VX_BOUND_FIELD(GalaxyPGParams, coreDeviation), .unit = Unit::Points,
     .actionKey = ActionKey("nRdR")},
    {.name = "spread", .item = GalaxyItems::kSpread, .field = VX_BOUND_FIELD(GalaxyPGParams, spread),
     .unit = Unit::Points, .actionKey = ActionKey("mxRd")},
    {.name = "spread-deviation", .item = GalaxyItems::kSpreadDeviation,
     .field = VX_BOUND_FIELD(GalaxyPGParams, spreadDeviation), .unit = Unit::Points,
     .actionKey = ActionKey("xRdR")},
    {.name = "centre-mark", .item = GalaxyItems::kShowCentreMark,
     .field = VX_BOUND_FIELD(GalaxyPGParams, showCentreMark), .unit = Unit::Flag,
     .actionKey = ActionKey("crsH")},
    {.name = "size-deviation", .item = GalaxyItems::kSizeDeviation,
     .field = VX_BOUND_FIELD(GalaxyPGParams, sizeDeviation), .unit = Unit::Percent,
     .actionKey = ActionKey("rSiz")},
    {.name = "shrink-grow", .item = GalaxyItems::kShrinkGrow,
     .field = VX_BOUND_FIELD(GalaxyPGParams, shrinkGrow), .unit = Unit::Percent,
     .actionKey = ActionKey("pers")},
    {.name = "stacking", .item = GalaxyItems::kAbove, .field = VX_BOUND_FIELD(GalaxyPGParams, stacking),
     .unit = Unit::Radio, .actionKey = ActionKey("styl"), .radios = kGalaxyStackingItems,
     .radioCount = 2, .actionNames = 18},
    {.name = "same-sequence", .item = GalaxyItems::kSameSequence,
     .field = VX_BOUND_FIELD(GalaxyPGParams, sameSequence), .unit = Unit::Flag,
     .actionKey = ActionKey("rRnd")},
    {.name = "seed", .item = 0, .field = VX_BOUND_FIELD(GalaxyPGParams, seed),
     .unit = Unit::Integer, .actionKey = ActionKey("seed"), .hiddenInAction = true},
};
static_assert(BindingIsValid(kGalaxyFields));

inline constexpr PaletteBinding kGalaxyPalette = {
    kGalaxyFields, int32_t(std::size(kGalaxyFields)), nullptr, 0, nullptr, nullptr};

inline constexpr auto kGalaxyActionKeys = ActionKeysOf(kGalaxyFields);

// Regenerates only while selected or typed into.
inline constexpr EffectRow kGalaxyEffect = {
    "Galaxy", "VERSALiX4 Galaxy ", res::kGalaxyPalette, "QVR-VsX4LiveGalaxy",
    VX_RECORD(GalaxyPGParams), "VERSALiX4_PST_Galaxy.txt",
    res::HelpTopics::kLiveGalaxy,
    {"VsX4_Galaxy_Action", res::kGalaxyActionTexts, kGalaxyActionKeys.keys, kGalaxyActionKeys.count},
    VX_EFFECT_BUTTONS(GalaxyPalette), &kGalaxyPalette, GalaxyBuild, RegeneratesInFocus};

}  // namespace vx
