// Live Border: its parameter record (as palettes, effect art and presets
// store it), its palette's binding and its row of the effect table.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>

#include "effects/effect_table.h"
#include "presets/param_record.h"

namespace vx {

struct BorderPGParams {
  char name[kParamNameSize];
  float gradientArc;      // fraction, -1 .. 1
  int32_t reverse;        // flag
  int32_t stepsMode;      // 0 Auto (High), 1 Auto (Mid), 2 Auto (Low), 3 Manual
  int32_t steps;
  float offset;           // fraction of the rim size
  float angle;            // radians
  int32_t style;          // 0 Outside, 1 Inside
  int32_t shadow;         // flag
  float shadowTint;       // fraction
  float shadowOffset;     // points
  float lightAngle;       // radians
};
static_assert(sizeof(BorderPGParams) == 108);
static_assert(offsetof(BorderPGParams, gradientArc) == 64);
static_assert(offsetof(BorderPGParams, reverse) == 68);
static_assert(offsetof(BorderPGParams, stepsMode) == 72);
static_assert(offsetof(BorderPGParams, steps) == 76);
static_assert(offsetof(BorderPGParams, offset) == 80);
static_assert(offsetof(BorderPGParams, angle) == 84);
static_assert(offsetof(BorderPGParams, style) == 88);
static_assert(offsetof(BorderPGParams, shadow) == 92);
static_assert(offsetof(BorderPGParams, shadowTint) == 96);
static_assert(offsetof(BorderPGParams, shadowOffset) == 100);
static_assert(offsetof(BorderPGParams, lightAngle) == 104);

constexpr BorderPGParams kBorderFactoryParams = {
    .name = {},
    .gradientArc = 0.0f,
    .reverse = 0,
    .stepsMode = 1,
    .steps = 3,
    .offset = 0.0f,
    .angle = RecordRadians(-45.0f),
    .style = 0,
    .shadow = 0,
    .shadowTint = 1.0f,
    .shadowOffset = 1.0f,
    .lightAngle = RecordRadians(135.0f)};

// Items of the Border palette, as its template names them.
namespace BorderItems = res::BorderPalette;

constexpr int32_t kBorderManualSteps = 3;

// The palette's pieces the binding cannot say: the arc picture buttons
// (set up, and their pictures following Reverse) and the steps count,
// recorded as text ("7", or the automatic mode's name).
void BorderSetUpArcButtons(ADMDialogRef dialog);
void BorderShowArcPictures(ADMDialogRef dialog, const void* record);
extern const ActionHook kBorderStepsAction;

// Builds Border's result (Outside or Inside) into `into`.
ASErr BorderBuild(AIArtHandle into, AIArtHandle editGroup, const void* record);

inline constexpr EnableRule kBorderRules[] = {
    {BorderItems::kStepsLabel, BorderItems::kSteps, VX_BOUND_FIELD(BorderPGParams, stepsMode),
     EnableRule::Equals, kBorderManualSteps},
    {BorderItems::kTintLabel, BorderItems::kLightAngleDegrees, VX_BOUND_FIELD(BorderPGParams, shadow),
     EnableRule::NonZero, 0}};
constexpr int8_t kWhenManual = 0, kWhenShadow = 1;

inline constexpr int32_t kBorderStyleItems[] = {BorderItems::kOutside, BorderItems::kInside};

// In the order of the action's keys. Style names are the action's strings 12
// "Outside" and 13 "Inside".
inline constexpr PaletteField kBorderFields[] = {
    {.name = "style", .item = BorderItems::kOutside, .field = VX_BOUND_FIELD(BorderPGParams, style),
     .unit = Unit::Radio, .actionKey = ActionKey("styl"), .radios = kBorderStyleItems,
     .radioCount = 2, .actionNames = 12},
    {.name = "gradient-arc", .item = BorderItems::kArcField,
     .field = VX_BOUND_FIELD(BorderPGParams, gradientArc), .unit = Unit::Percent,
     .actionKey = ActionKey("brgt"), .partner = BorderItems::kArcSlider},
    {.name = "reverse", .item = BorderItems::kReverse, .field = VX_BOUND_FIELD(BorderPGParams, reverse),
     .unit = Unit::Flag, .actionKey = ActionKey("brtR")},
    {.name = "steps-mode", .item = BorderItems::kStepsMode,
     .field = VX_BOUND_FIELD(BorderPGParams, stepsMode), .unit = Unit::Choice,
     .actionKey = ActionKey("stSy"), .hiddenInAction = true, .optionalInAction = true},
    {.name = "steps", .item = BorderItems::kSteps, .field = VX_BOUND_FIELD(BorderPGParams, steps),
     .unit = Unit::Integer, .actionKey = ActionKey("step"), .rule = kWhenManual,
     .hook = &kBorderStepsAction, .actionType = ActionKey("strn")},
    {.name = "offset", .item = BorderItems::kOffset, .field = VX_BOUND_FIELD(BorderPGParams, offset),
     .unit = Unit::Percent, .actionKey = ActionKey("ofst")},
    {.name = "angle", .item = BorderItems::kAngle, .field = VX_BOUND_FIELD(BorderPGParams, angle),
     .unit = Unit::Degrees, .actionKey = ActionKey("angl"), .partner = BorderItems::kAngleDial},
    {.name = "shadow", .item = BorderItems::kShadow, .field = VX_BOUND_FIELD(BorderPGParams, shadow),
     .unit = Unit::Flag, .actionKey = ActionKey("shdF")},
    {.name = "tint", .item = BorderItems::kTint, .field = VX_BOUND_FIELD(BorderPGParams, shadowTint),
     .unit = Unit::Percent, .actionKey = ActionKey("shdw"), .rule = kWhenShadow},
    {.name = "shadow-offset", .item = BorderItems::kShadowOffset,
     .field = VX_BOUND_FIELD(BorderPGParams, shadowOffset), .unit = Unit::Points,
     .actionKey = ActionKey("shOf"), .rule = kWhenShadow},
    {.name = "light-angle", .item = BorderItems::kLightAngle,
     .field = VX_BOUND_FIELD(BorderPGParams, lightAngle), .unit = Unit::Degrees,
     .actionKey = ActionKey("shAg"), .rule = kWhenShadow, .partner = BorderItems::kLightDial},
};
static_assert(BindingIsValid(kBorderFields, kBorderRules));

inline constexpr PaletteBinding kBorderPalette = {
    kBorderFields, int32_t(std::size(kBorderFields)), kBorderRules,
    int32_t(std::size(kBorderRules)), BorderSetUpArcButtons, BorderShowArcPictures};

inline constexpr auto kBorderActionKeys = ActionKeysOf(kBorderFields);

inline constexpr EffectRow kBorderEffect = {
    "Border", "VERSALiX4 Border ", res::kBorderPalette, "QVR-VsX4LiveBorder",
    VX_RECORD(BorderPGParams), "VERSALiX4_PST_Border.txt",
    res::HelpTopics::kLiveBorder,
    {"VsX4_Border_Action", res::kBorderActionTexts, kBorderActionKeys.keys, kBorderActionKeys.count},
    VX_EFFECT_BUTTONS(BorderPalette), &kBorderPalette, BorderBuild, nullptr,
    "steps-mode", kBorderManualSteps};

}  // namespace vx
