// Live Frame: its parameter record (as palettes, effect art and presets
// store it), its palette's binding and its row of the effect table.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>

#include "effects/effect_table.h"
#include "presets/param_record.h"

namespace vx {

struct FramePGParams {
  char name[kParamNameSize];
  int32_t sideH;           // copies in each horizontal run
  int32_t sideV;           // copies in each vertical run
  int32_t keepAngle;       // flag
  int32_t frameSpaceMode;  // 0 relative, 1 absolute
  float sidesSpace;        // fraction of the object's size, or points
  float cornerSpace;       // same units
  float cornerOffset;      // fraction of the corner step, -1 .. 1
  int32_t drawAtCorner;    // flag
  int32_t cycling;         // 0 clockwise, 1 counterclockwise
};
static_assert(sizeof(FramePGParams) == 100);
static_assert(offsetof(FramePGParams, sideH) == 64);
static_assert(offsetof(FramePGParams, sideV) == 68);
static_assert(offsetof(FramePGParams, keepAngle) == 72);
static_assert(offsetof(FramePGParams, frameSpaceMode) == 76);
static_assert(offsetof(FramePGParams, sidesSpace) == 80);
static_assert(offsetof(FramePGParams, cornerSpace) == 84);
static_assert(offsetof(FramePGParams, cornerOffset) == 88);
static_assert(offsetof(FramePGParams, drawAtCorner) == 92);
static_assert(offsetof(FramePGParams, cycling) == 96);

constexpr FramePGParams kFrameFactoryParams = {
    .name = {},
    .sideH = 8,
    .sideV = 8,
    .keepAngle = 0,
    .frameSpaceMode = 0,
    .sidesSpace = 1.0f,
    .cornerSpace = 1.0f,
    .cornerOffset = 0.0f,
    .drawAtCorner = 1,
    .cycling = 1};

// Items of the Frame palette (res::kFramePalette).
enum FrameItem : int32_t {
  kFrameSideH = 2, kFrameSideV = 4, kFrameKeepAngle = 5, kFrameSpaceMode = 6,
  kFrameSidesPercent = 8, kFrameSidesPercentSign = 9, kFrameSidesPoints = 11,
  kFrameSidesPointsUnit = 12, kFrameCornerPercent = 13, kFrameCornerPercentSign = 14,
  kFrameCornerPoints = 16, kFrameCornerPointsUnit = 17, kFrameOffsetMinus = 19,
  kFrameOffsetZero = 20, kFrameOffsetPlus = 21, kFrameOffsetSlider = 22,
  kFrameOffset = 23, kFrameDrawAtCorner = 25, kFrameClockwise = 27,
  kFrameCounterclockwise = 28,
};

// The corner offset picture buttons 19, 20 and 21 set -100 %, 0 % and
// 100 % (the corner offset's whole range and its middle: the runs moved a
// full corner step inwards, not moved, moved a full step outwards).
inline constexpr float kFrameOffsetButtonValues[] = {-1.0f, 0.0f, 1.0f};

// What the binding cannot say: the offset buttons, Draw at Corner enabled
// only while the (float) corner offset is 0, and the relative or absolute
// spacing items shown by the space mode.
void FrameSetUpOffsetButtons(ADMDialogRef dialog);
void FrameShowExtra(ADMDialogRef dialog, const void* record);

// Builds the frame of every source object into `into`.
ASErr FrameBuild(AIArtHandle into, AIArtHandle editGroup, const void* record);

inline constexpr EnableRule kFrameRules[] = {
    {kFrameSidesPercent, kFrameSidesPercentSign, VX_BOUND_FIELD(FramePGParams, frameSpaceMode),
     EnableRule::Equals, 0},
    {kFrameSidesPoints, kFrameSidesPointsUnit, VX_BOUND_FIELD(FramePGParams, frameSpaceMode),
     EnableRule::Equals, 1},
    {kFrameCornerPercent, kFrameCornerPercentSign, VX_BOUND_FIELD(FramePGParams, frameSpaceMode),
     EnableRule::Equals, 0},
    {kFrameCornerPoints, kFrameCornerPointsUnit, VX_BOUND_FIELD(FramePGParams, frameSpaceMode),
     EnableRule::Equals, 1}};

inline constexpr int32_t kFrameCyclingItems[] = {kFrameClockwise, kFrameCounterclockwise};

// In the order of the action's keys; cycling names are the action's
// strings 10 "Clockwise" and 11 "Counterclockwise".
inline constexpr PaletteField kFrameFields[] = {
    {.name = "side-h", .item = kFrameSideH, .field = VX_BOUND_FIELD(FramePGParams, sideH),
     .unit = Unit::Integer, .actionKey = ActionKey("hCpy")},
    {.name = "side-v", .item = kFrameSideV, .field = VX_BOUND_FIELD(FramePGParams, sideV),
     .unit = Unit::Integer, .actionKey = ActionKey("vCpy")},
    {.name = "keep-angle", .item = kFrameKeepAngle, .field = VX_BOUND_FIELD(FramePGParams, keepAngle),
     .unit = Unit::Flag, .actionKey = ActionKey("kpAg")},
    {.name = "space-mode", .item = kFrameSpaceMode,
     .field = VX_BOUND_FIELD(FramePGParams, frameSpaceMode), .unit = Unit::Choice,
     .actionKey = ActionKey("mvSt"), .hiddenInAction = true, .actionType = ActionKey("long")},
    {.name = "sides-space", .item = kFrameSidesPercent,
     .field = VX_BOUND_FIELD(FramePGParams, sidesSpace), .unit = Unit::Percent,
     .actionKey = ActionKey("move"), .rule = 0},
    {.name = "sides-space-pt", .item = kFrameSidesPoints,
     .field = VX_BOUND_FIELD(FramePGParams, sidesSpace), .unit = Unit::Points,
     .actionKey = ActionKey("move"), .rule = 1},
    {.name = "corner-space", .item = kFrameCornerPercent,
     .field = VX_BOUND_FIELD(FramePGParams, cornerSpace), .unit = Unit::Percent,
     .actionKey = ActionKey("cMov"), .rule = 2},
    {.name = "corner-space-pt", .item = kFrameCornerPoints,
     .field = VX_BOUND_FIELD(FramePGParams, cornerSpace), .unit = Unit::Points,
     .actionKey = ActionKey("cMov"), .rule = 3},
    {.name = "corner-offset", .item = kFrameOffset, .field = VX_BOUND_FIELD(FramePGParams, cornerOffset),
     .unit = Unit::Percent, .actionKey = ActionKey("styl"), .partner = kFrameOffsetSlider},
    {.name = "draw-at-corner", .item = kFrameDrawAtCorner,
     .field = VX_BOUND_FIELD(FramePGParams, drawAtCorner), .unit = Unit::Flag,
     .actionKey = ActionKey("cnAr")},
    {.name = "cycling", .item = kFrameClockwise, .field = VX_BOUND_FIELD(FramePGParams, cycling),
     .unit = Unit::Radio, .actionKey = ActionKey("rund"), .radios = kFrameCyclingItems,
     .radioCount = 2, .actionNames = 10},
};
static_assert(BindingIsValid(kFrameFields, kFrameRules));

inline constexpr PaletteBinding kFramePalette = {
    kFrameFields, int32_t(std::size(kFrameFields)), kFrameRules,
    int32_t(std::size(kFrameRules)), FrameSetUpOffsetButtons, FrameShowExtra};

inline constexpr auto kFrameActionKeys = ActionKeysOf(kFrameFields);

inline constexpr EffectRow kFrameEffect = {
    "Frame", "VERSALiX4 Frame ", res::kFramePalette, "QVR-VsX4LiveFrame",
    VX_RECORD(FramePGParams), "VERSALiX4_PST_Frame.txt",
    res::HelpTopics::kLiveFrame,
    {"VsX4_Frame_Action", res::kFrameActionTexts, kFrameActionKeys.keys, kFrameActionKeys.count},
    VX_EFFECT_BUTTONS(FramePalette), &kFramePalette, FrameBuild};

}  // namespace vx
