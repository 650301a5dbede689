// Live Neon: its parameter record (as palettes, effect art and presets
// store it), its palette's binding and its row of the effect table.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>

#include "effects/effect_table.h"
#include "presets/param_record.h"

namespace vx {

struct NeonPGParams {
  char name[kParamNameSize];
  int32_t tracks;
  float gradientArc;     // fraction
  float contrast;        // fraction
  int32_t stepsMode;     // 0 Auto (High), 1 Auto (Mid), 2 Auto (Low), 3 Manual
  int32_t steps;
  float offset;          // fraction of the stroke width
  float angle;           // radians
  int32_t shadow;        // flag
  float shadowTint;      // fraction
  int32_t shadowReverse; // flag
  float shadowOffset;    // points
  float lightAngle;      // radians
};
static_assert(sizeof(NeonPGParams) == 112);
static_assert(offsetof(NeonPGParams, tracks) == 64);
static_assert(offsetof(NeonPGParams, gradientArc) == 68);
static_assert(offsetof(NeonPGParams, contrast) == 72);
static_assert(offsetof(NeonPGParams, stepsMode) == 76);
static_assert(offsetof(NeonPGParams, steps) == 80);
static_assert(offsetof(NeonPGParams, offset) == 84);
static_assert(offsetof(NeonPGParams, angle) == 88);
static_assert(offsetof(NeonPGParams, shadow) == 92);
static_assert(offsetof(NeonPGParams, shadowTint) == 96);
static_assert(offsetof(NeonPGParams, shadowReverse) == 100);
static_assert(offsetof(NeonPGParams, shadowOffset) == 104);
static_assert(offsetof(NeonPGParams, lightAngle) == 108);

constexpr NeonPGParams kNeonFactoryParams = {
    .name = {},
    .tracks = 1,
    .gradientArc = 0.0f,
    .contrast = 1.0f,
    .stepsMode = 1,
    .steps = 3,
    .offset = 0.0f,
    .angle = RecordRadians(135.0f),
    .shadow = 0,
    .shadowTint = 1.0f,
    .shadowReverse = 0,
    .shadowOffset = 1.0f,
    .lightAngle = RecordRadians(135.0f)};

// Copies of one stroke of width w in an automatic steps mode with T tracks
// (0 in Manual); n - 1 is always a whole multiple of T.
int32_t NeonAutoSteps(float w, int32_t stepsMode, int32_t tracks);
// Shade f at colour position t (0..1) for gradient arc a and contrast k:
// 1 at t = 0, 1 - k at t = 1.
float NeonShade(float t, float arc, float contrast);
// Builds the glow of every source object into `into`.
ASErr NeonBuild(AIArtHandle into, AIArtHandle editGroup, const void* record);

namespace NeonItems = res::NeonPalette;

constexpr int32_t kNeonManualSteps = 3;

// The palette's pieces the binding cannot say: the arc picture buttons and
// the steps count, recorded as text ("7", or the automatic mode's name).
void NeonSetUpArcButtons(ADMDialogRef dialog);
extern const ActionHook kNeonStepsAction;

inline constexpr EnableRule kNeonRules[] = {
    {NeonItems::kStepsLabel, NeonItems::kSteps, VX_BOUND_FIELD(NeonPGParams, stepsMode),
     EnableRule::Equals, kNeonManualSteps},
    {NeonItems::kTintLabel, NeonItems::kLightAngleDegrees, VX_BOUND_FIELD(NeonPGParams, shadow),
     EnableRule::NonZero, 0}};
constexpr int8_t kNeonWhenManual = 0, kNeonWhenShadow = 1;

// In the order of the action's keys (the order of its labels, strings 2
// "Tracks: " ... " - Light Angle: "); the steps mode is recorded without a
// label, and the shadow's values only while the shadow is on.
inline constexpr PaletteField kNeonFields[] = {
    {.name = "tracks", .item = NeonItems::kTracks, .field = VX_BOUND_FIELD(NeonPGParams, tracks),
     .unit = Unit::Integer, .actionKey = ActionKey("trck")},
    {.name = "gradient-arc", .item = NeonItems::kArcField,
     .field = VX_BOUND_FIELD(NeonPGParams, gradientArc), .unit = Unit::Percent,
     .actionKey = ActionKey("brgt"), .partner = NeonItems::kArcSlider},
    {.name = "contrast", .item = NeonItems::kContrast, .field = VX_BOUND_FIELD(NeonPGParams, contrast),
     .unit = Unit::Percent, .actionKey = ActionKey("cntr")},
    {.name = "steps-mode", .item = NeonItems::kStepsMode,
     .field = VX_BOUND_FIELD(NeonPGParams, stepsMode), .unit = Unit::Choice,
     .actionKey = ActionKey("stSy"), .hiddenInAction = true, .optionalInAction = true},
    {.name = "steps", .item = NeonItems::kSteps, .field = VX_BOUND_FIELD(NeonPGParams, steps),
     .unit = Unit::Integer, .actionKey = ActionKey("step"), .rule = kNeonWhenManual,
     .hook = &kNeonStepsAction, .actionType = ActionKey("strn")},
    {.name = "offset", .item = NeonItems::kOffset, .field = VX_BOUND_FIELD(NeonPGParams, offset),
     .unit = Unit::Percent, .actionKey = ActionKey("ofst")},
    {.name = "angle", .item = NeonItems::kAngle, .field = VX_BOUND_FIELD(NeonPGParams, angle),
     .unit = Unit::Degrees, .actionKey = ActionKey("angl"), .partner = NeonItems::kAngleDial},
    {.name = "shadow", .item = NeonItems::kShadow, .field = VX_BOUND_FIELD(NeonPGParams, shadow),
     .unit = Unit::Flag, .actionKey = ActionKey("shdF")},
    {.name = "tint", .item = NeonItems::kTint, .field = VX_BOUND_FIELD(NeonPGParams, shadowTint),
     .unit = Unit::Percent, .actionKey = ActionKey("shdw"), .rule = kNeonWhenShadow},
    {.name = "shadow-reverse", .item = NeonItems::kShadowReverse,
     .field = VX_BOUND_FIELD(NeonPGParams, shadowReverse), .unit = Unit::Flag,
     .actionKey = ActionKey("shRF"), .rule = kNeonWhenShadow},
    {.name = "shadow-offset", .item = NeonItems::kShadowOffset,
     .field = VX_BOUND_FIELD(NeonPGParams, shadowOffset), .unit = Unit::Points,
     .actionKey = ActionKey("shOf"), .rule = kNeonWhenShadow},
    {.name = "light-angle", .item = NeonItems::kLightAngle,
     .field = VX_BOUND_FIELD(NeonPGParams, lightAngle), .unit = Unit::Degrees,
     .actionKey = ActionKey("shAg"), .rule = kNeonWhenShadow, .partner = NeonItems::kLightDial},
};
static_assert(BindingIsValid(kNeonFields, kNeonRules));

inline constexpr PaletteBinding kNeonPalette = {
    kNeonFields, int32_t(std::size(kNeonFields)), kNeonRules, int32_t(std::size(kNeonRules)),
    NeonSetUpArcButtons, nullptr};

inline constexpr auto kNeonActionKeys = ActionKeysOf(kNeonFields);

inline constexpr EffectRow kNeonEffect = {
    "Neon", "VERSALiX4 Neon ", res::kNeonPalette, "QVR-VsX4LiveNeon",
    VX_RECORD(NeonPGParams), "VERSALiX4_PST_Neon.txt",
    res::HelpTopics::kLiveNeon,
    {"VsX4_Neon_Action", res::kNeonActionTexts, kNeonActionKeys.keys, kNeonActionKeys.count},
    VX_EFFECT_BUTTONS(NeonPalette), &kNeonPalette, NeonBuild, nullptr,
    "steps-mode", kNeonManualSteps};

}  // namespace vx
