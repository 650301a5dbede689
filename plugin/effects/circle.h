// Live Circle: its parameter record (as palettes, effect art and presets
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

struct CirclePGParams {
  char name[kParamNameSize];
  int32_t total;           // copies, 2 .. 4000
  int32_t keepAngle;       // flag
  int32_t datum;           // 0 Upper Left .. 8 Lower Right, 4 Center
  float offsetH;           // points
  float offsetV;           // points
  int32_t showCentreMark;  // flag
  float height;            // fraction, vertical scale of the ring
};
static_assert(sizeof(CirclePGParams) == 92);
static_assert(offsetof(CirclePGParams, total) == 64);
static_assert(offsetof(CirclePGParams, keepAngle) == 68);
static_assert(offsetof(CirclePGParams, datum) == 72);
static_assert(offsetof(CirclePGParams, offsetH) == 76);
static_assert(offsetof(CirclePGParams, offsetV) == 80);
static_assert(offsetof(CirclePGParams, showCentreMark) == 84);
static_assert(offsetof(CirclePGParams, height) == 88);

constexpr CirclePGParams kCircleFactoryParams = {
    .name = {},
    .total = 8,
    .keepAngle = 0,
    .datum = 4,
    .offsetH = -100.0f,
    .offsetV = 0.0f,
    .showCentreMark = 1,
    .height = 1.0f};

// The update: builds the result into `into` (a new group inside the result
// group) from the edit group's children and a CirclePGParams record.
ASErr CircleBuild(AIArtHandle into, AIArtHandle editGroup, const void* record);

namespace CircleItems = res::CirclePalette;

// Index of "Upper Left" in the action's string table; the other
// datum names follow in the picker's cell order.
constexpr int32_t kCircleDatumNames = 9;

// Shows the datum's name beside the picker.
void CircleShowDatumName(ADMDialogRef dialog, const void* record);

// In the order of the action's keys; datum names are the action's
// strings 9 "Upper Left" to 17 "Lower Right", in the picker's cell order.
inline constexpr PaletteField kCircleFields[] = {
    {.name = "total", .item = CircleItems::kTotal, .field = VX_BOUND_FIELD(CirclePGParams, total),
     .unit = Unit::Integer, .actionKey = ActionKey("cpNm")},
    {.name = "keep-angle", .item = CircleItems::kKeepAngle,
     .field = VX_BOUND_FIELD(CirclePGParams, keepAngle), .unit = Unit::Flag,
     .actionKey = ActionKey("kpAg")},
    {.name = "datum", .item = CircleItems::kDatum, .field = VX_BOUND_FIELD(CirclePGParams, datum),
     .unit = Unit::Grid, .actionKey = ActionKey("oInd"), .actionNames = kCircleDatumNames},
    {.name = "offset-h", .item = CircleItems::kOffsetH,
     .field = VX_BOUND_FIELD(CirclePGParams, offsetH), .unit = Unit::Points,
     .actionKey = ActionKey("hOfs")},
    {.name = "offset-v", .item = CircleItems::kOffsetV,
     .field = VX_BOUND_FIELD(CirclePGParams, offsetV), .unit = Unit::Points,
     .actionKey = ActionKey("vOfs")},
    {.name = "centre-mark", .item = CircleItems::kShowCentreMark,
     .field = VX_BOUND_FIELD(CirclePGParams, showCentreMark), .unit = Unit::Flag,
     .actionKey = ActionKey("crsH")},
    {.name = "height", .item = CircleItems::kHeight, .field = VX_BOUND_FIELD(CirclePGParams, height),
     .unit = Unit::Percent, .actionKey = ActionKey("ovlR")},
};
static_assert(BindingIsValid(kCircleFields));

inline constexpr PaletteBinding kCirclePalette = {
    kCircleFields, int32_t(std::size(kCircleFields)), nullptr, 0, nullptr, CircleShowDatumName};

inline constexpr auto kCircleActionKeys = ActionKeysOf(kCircleFields);

// Regenerates only while selected or typed into, as Galaxy.
inline constexpr EffectRow kCircleEffect = {
    "Circle", "VERSALiX4 Circle ", res::kCirclePalette, "QVR-VsX4LiveCircle",
    VX_RECORD(CirclePGParams), "VERSALiX4_PST_Circle.txt",
    res::HelpTopics::kLiveCircle,
    {"VsX4_Circle_Action", res::kCircleActionTexts, kCircleActionKeys.keys, kCircleActionKeys.count},
    VX_EFFECT_BUTTONS(CirclePalette), &kCirclePalette, CircleBuild, RegeneratesInFocus};

}  // namespace vx
