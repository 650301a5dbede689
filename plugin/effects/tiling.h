// Live Tiling: its parameter record (as palettes, effect art and presets
// store it), its palette's binding and its row of the effect table.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>

#include "effects/effect_table.h"
#include "effects/placement.h"
#include "presets/param_record.h"

namespace vx {

struct TilingPGParams {
  char name[kParamNameSize];
  int32_t columns;
  int32_t rows;
  int32_t spaceMode;     // 0 relative, 1 absolute
  float spaceH;          // fraction of the width, or points
  float spaceV;          // fraction of the height, or points
  int32_t stacking;      // 0 Above, 1 Below
  float shrinkGrowH;     // scale of the last column
  float shrinkGrowV;     // scale of the last row
  float rotationH;       // radians
  float rotationV;       // radians
  int32_t resizeSpaces;  // flag
};
static_assert(sizeof(TilingPGParams) == 108);
static_assert(offsetof(TilingPGParams, columns) == 64);
static_assert(offsetof(TilingPGParams, rows) == 68);
static_assert(offsetof(TilingPGParams, spaceMode) == 72);
static_assert(offsetof(TilingPGParams, spaceH) == 76);
static_assert(offsetof(TilingPGParams, spaceV) == 80);
static_assert(offsetof(TilingPGParams, stacking) == 84);
static_assert(offsetof(TilingPGParams, shrinkGrowH) == 88);
static_assert(offsetof(TilingPGParams, shrinkGrowV) == 92);
static_assert(offsetof(TilingPGParams, rotationH) == 96);
static_assert(offsetof(TilingPGParams, rotationV) == 100);
static_assert(offsetof(TilingPGParams, resizeSpaces) == 104);

constexpr TilingPGParams kTilingFactoryParams = {
    .name = {},
    .columns = 8,
    .rows = 8,
    .spaceMode = 0,
    .spaceH = 1.0f,
    .spaceV = 1.0f,
    .stacking = 0,
    .shrinkGrowH = 1.0f,
    .shrinkGrowV = 1.0f,
    .rotationH = 0.0f,
    .rotationV = 0.0f,
    .resizeSpaces = 1};

// Items of the Tiling palette (res::kTilingPalette). The spacing is shown as a
// percentage (relative) or in points (absolute) by two items in one place.
enum TilingItem : int32_t {
  kTilingColumns = 2, kTilingRows = 4, kTilingSpaceMode = 5,
  kTilingSpaceHPercent = 7, kTilingSpaceHPercentSign = 8,
  kTilingSpaceHPoints = 10, kTilingSpaceHPointsUnit = 11,
  kTilingSpaceVPercent = 12, kTilingSpaceVPercentSign = 13,
  kTilingSpaceVPoints = 15, kTilingSpaceVPointsUnit = 16,
  kTilingAbove = 18, kTilingBelow = 19, kTilingShrinkGrowH = 21, kTilingShrinkGrowV = 24,
  kTilingResizeSpaces = 26, kTilingRotationH = 28, kTilingRotationV = 31,
};

// Shows the relative or the absolute spacing items by the space mode.
void TilingShowSpaceMode(ADMDialogRef dialog, const void* record);

// Builds the tiles of every source object into `into`.
ASErr TilingBuild(AIArtHandle into, AIArtHandle editGroup, const void* record);

// Each pair of spacing items is enabled (and shown) in its own mode only, and
// only the shown one is recorded under the action's key.
inline constexpr EnableRule kTilingRules[] = {
    {kTilingSpaceHPercent, kTilingSpaceHPercentSign, VX_BOUND_FIELD(TilingPGParams, spaceMode),
     EnableRule::Equals, 0},
    {kTilingSpaceHPoints, kTilingSpaceHPointsUnit, VX_BOUND_FIELD(TilingPGParams, spaceMode),
     EnableRule::Equals, 1},
    {kTilingSpaceVPercent, kTilingSpaceVPercentSign, VX_BOUND_FIELD(TilingPGParams, spaceMode),
     EnableRule::Equals, 0},
    {kTilingSpaceVPoints, kTilingSpaceVPointsUnit, VX_BOUND_FIELD(TilingPGParams, spaceMode),
     EnableRule::Equals, 1}};

inline constexpr int32_t kTilingStackingItems[] = {kTilingAbove, kTilingBelow};

// In the order of the action's keys. The space mode is recorded as a plain
// integer without a label; stacking names are the action's strings 12 "Above", 13 "Below".
inline constexpr PaletteField kTilingFields[] = {
    {.name = "columns", .item = kTilingColumns, .field = VX_BOUND_FIELD(TilingPGParams, columns),
     .unit = Unit::Integer, .actionKey = ActionKey("hCpy")},
    {.name = "rows", .item = kTilingRows, .field = VX_BOUND_FIELD(TilingPGParams, rows),
     .unit = Unit::Integer, .actionKey = ActionKey("vCpy")},
    {.name = "space-mode", .item = kTilingSpaceMode, .field = VX_BOUND_FIELD(TilingPGParams, spaceMode),
     .unit = Unit::Choice, .actionKey = ActionKey("mvSt"), .hiddenInAction = true,
     .actionType = ActionKey("long")},
    {.name = "space-h", .item = kTilingSpaceHPercent, .field = VX_BOUND_FIELD(TilingPGParams, spaceH),
     .unit = Unit::Percent, .actionKey = ActionKey("hMov"), .rule = 0},
    {.name = "space-h-pt", .item = kTilingSpaceHPoints, .field = VX_BOUND_FIELD(TilingPGParams, spaceH),
     .unit = Unit::Points, .actionKey = ActionKey("hMov"), .rule = 1},
    {.name = "space-v", .item = kTilingSpaceVPercent, .field = VX_BOUND_FIELD(TilingPGParams, spaceV),
     .unit = Unit::Percent, .actionKey = ActionKey("vMov"), .rule = 2},
    {.name = "space-v-pt", .item = kTilingSpaceVPoints, .field = VX_BOUND_FIELD(TilingPGParams, spaceV),
     .unit = Unit::Points, .actionKey = ActionKey("vMov"), .rule = 3},
    {.name = "stacking", .item = kTilingAbove, .field = VX_BOUND_FIELD(TilingPGParams, stacking),
     .unit = Unit::Radio, .actionKey = ActionKey("styl"), .radios = kTilingStackingItems,
     .radioCount = 2, .actionNames = 12},
    {.name = "shrink-grow-h", .item = kTilingShrinkGrowH,
     .field = VX_BOUND_FIELD(TilingPGParams, shrinkGrowH), .unit = Unit::Percent,
     .actionKey = ActionKey("hLSz")},
    {.name = "shrink-grow-v", .item = kTilingShrinkGrowV,
     .field = VX_BOUND_FIELD(TilingPGParams, shrinkGrowV), .unit = Unit::Percent,
     .actionKey = ActionKey("vLSz")},
    {.name = "rotation-h", .item = kTilingRotationH, .field = VX_BOUND_FIELD(TilingPGParams, rotationH),
     .unit = Unit::Degrees, .actionKey = ActionKey("hLRt")},
    {.name = "rotation-v", .item = kTilingRotationV, .field = VX_BOUND_FIELD(TilingPGParams, rotationV),
     .unit = Unit::Degrees, .actionKey = ActionKey("vLRt")},
    {.name = "resize-spaces", .item = kTilingResizeSpaces,
     .field = VX_BOUND_FIELD(TilingPGParams, resizeSpaces), .unit = Unit::Flag,
     .actionKey = ActionKey("rszM")},
};
static_assert(BindingIsValid(kTilingFields, kTilingRules));

inline constexpr PaletteBinding kTilingPalette = {
    kTilingFields, int32_t(std::size(kTilingFields)), kTilingRules,
    int32_t(std::size(kTilingRules)), nullptr, TilingShowSpaceMode};

inline constexpr auto kTilingActionKeys = ActionKeysOf(kTilingFields);

// Regenerates only while selected or typed into, as Galaxy.
inline constexpr EffectRow kTilingEffect = {
    "Tiling", "VERSALiX4 Tiling ", res::kTilingPalette, "QVR-VsX4LiveTiling",
    VX_RECORD(TilingPGParams), "VERSALiX4_PST_Tiling.txt",
    res::HelpTopics::kLiveTiling,
    {"VsX4_Tiling_Action", res::kTilingActionTexts, kTilingActionKeys.keys, kTilingActionKeys.count},
    VX_EFFECT_BUTTONS(TilingPalette), &kTilingPalette, TilingBuild, RegeneratesInFocus};

}  // namespace vx
