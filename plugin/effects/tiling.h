// Live Tiling: its parameter record, as palettes, effect art and presets
// store it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>

#include "effects/effect_table.h"
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

// Its action's keys; they move into its binding table when its palette
// items are bound.
inline constexpr ActionKeySpec kTilingActionKeys[] = {
    {ActionKey("hCpy"), ActionKey("long"), true},
    {ActionKey("vCpy"), ActionKey("long"), true},
    {ActionKey("mvSt"), ActionKey("long"), false},
    {ActionKey("hMov"), ActionKey("real"), true},
    {ActionKey("vMov"), ActionKey("real"), true},
    {ActionKey("styl"), ActionKey("enum"), true},
    {ActionKey("hLSz"), ActionKey("real"), true},
    {ActionKey("vLSz"), ActionKey("real"), true},
    {ActionKey("hLRt"), ActionKey("real"), true},
    {ActionKey("vLRt"), ActionKey("real"), true},
    {ActionKey("rszM"), ActionKey("bool"), true},
};

// Its row of the effect table. Its palette has only the shared buttons and
// its update draws nothing until the effect is built.
inline constexpr EffectRow kTilingEffect = {
    "Tiling", "VERSALiX4 Tiling ", 17120, "QVR-VsX4LiveTiling",
    VX_RECORD(TilingPGParams), "VERSALiX4_PST_Tiling.txt", 24,
    {"VsX4_Tiling_Action", 19400, kTilingActionKeys, int(std::size(kTilingActionKeys))},
    kSharedButtonRow, nullptr, PendingBuild};

}  // namespace vx
