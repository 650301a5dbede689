// Live Neon: its parameter record, as palettes, effect art and presets
// store it.
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

// Its action's keys; they move into its binding table when its palette
// items are bound.
inline constexpr ActionKeySpec kNeonActionKeys[] = {
    {ActionKey("trck"), ActionKey("long"), true},
    {ActionKey("brgt"), ActionKey("real"), true},
    {ActionKey("cntr"), ActionKey("real"), true},
    {ActionKey("stSy"), ActionKey("enum"), false},
    {ActionKey("step"), ActionKey("strn"), true},
    {ActionKey("ofst"), ActionKey("real"), true},
    {ActionKey("angl"), ActionKey("real"), true},
    {ActionKey("shdF"), ActionKey("bool"), true},
    {ActionKey("shdw"), ActionKey("real"), true},
    {ActionKey("shRF"), ActionKey("bool"), true},
    {ActionKey("shOf"), ActionKey("real"), true},
    {ActionKey("shAg"), ActionKey("real"), true},
};

// Its row of the effect table. Its palette has only the shared buttons and
// its update draws nothing until the effect is built.
inline constexpr EffectRow kNeonEffect = {
    "Neon", "VERSALiX4 Neon ", res::kNeonPalette, "QVR-VsX4LiveNeon",
    VX_RECORD(NeonPGParams), "VERSALiX4_PST_Neon.txt", 21,
    {"VsX4_Neon_Action", 18950, kNeonActionKeys, int(std::size(kNeonActionKeys))},
    VX_EFFECT_BUTTONS(NeonPalette), nullptr, NeonBuild};

}  // namespace vx
