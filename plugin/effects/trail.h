// Live Trail: its parameter record, as palettes, effect art and presets
// store it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>

#include "effects/effect_table.h"
#include "effects/placement.h"
#include "presets/param_record.h"
#include "vx_base.h"

namespace vx {

// End colour sources of the trail.
enum TrailColourSource : int32_t {
  kTrailObjectFill = 0,
  kTrailObjectStroke = 1,
  kTrailChosenColour = 2,
  kTrailNoColour = 3
};

struct TrailPGParams {
  char name[kParamNameSize];
  int32_t stacking;          // 0 Above, 1 Below
  float beginning;           // fraction
  int32_t steps;             // copies (low 16 bits read as a signed count)
  int32_t space;             // 0 Decelerate, 1 Uniform, 2 Accelerate
  int32_t endFillSource;     // TrailColourSource
  int32_t endStrokeSource;   // TrailColourSource
  AIColor endFillColour;
  AIColor endStrokeColour;
  float toTint;              // fraction applied to the end colours
  float toAngle;             // radians
  AIRealPoint toSize;        // fractions (h, v)
  float toDirection;         // radians
  float toDistance;          // points
  float dragDirection;       // radians
  float dragLength;          // points
  AIRealPoint pivotOffset;   // derived from to distance and direction
  AIRealPoint dragVector;    // derived from drag length and direction
};
static_assert(sizeof(TrailPGParams) == 272);
static_assert(offsetof(TrailPGParams, stacking) == 64);
static_assert(offsetof(TrailPGParams, beginning) == 68);
static_assert(offsetof(TrailPGParams, steps) == 72);
static_assert(offsetof(TrailPGParams, space) == 76);
static_assert(offsetof(TrailPGParams, endFillSource) == 80);
static_assert(offsetof(TrailPGParams, endStrokeSource) == 84);
static_assert(offsetof(TrailPGParams, endFillColour) == 88);
static_assert(offsetof(TrailPGParams, endStrokeColour) == 156);
static_assert(offsetof(TrailPGParams, toTint) == 224);
static_assert(offsetof(TrailPGParams, toAngle) == 228);
static_assert(offsetof(TrailPGParams, toSize) == 232);
static_assert(offsetof(TrailPGParams, toDirection) == 240);
static_assert(offsetof(TrailPGParams, toDistance) == 244);
static_assert(offsetof(TrailPGParams, dragDirection) == 248);
static_assert(offsetof(TrailPGParams, dragLength) == 252);
static_assert(offsetof(TrailPGParams, pivotOffset) == 256);
static_assert(offsetof(TrailPGParams, dragVector) == 264);

// White in the document's colour model: our documents are SVG, whose
// colour model is RGB, so three-colour white.
constexpr AIColor kTrailFactoryWhite = {.kind = kThreeColor,
                                        .c = {.rgb = {1.0f, 1.0f, 1.0f}}};

constexpr TrailPGParams kTrailFactoryParams = {
    .name = {},
    .stacking = 1,
    .beginning = 0.96f,
    .steps = 25,
    .space = 0,
    .endFillSource = kTrailChosenColour,
    .endStrokeSource = kTrailChosenColour,
    .endFillColour = kTrailFactoryWhite,
    .endStrokeColour = kTrailFactoryWhite,
    .toTint = 1.0f,
    .toAngle = 0.0f,
    .toSize = {1.0f, 1.0f},
    .toDirection = 0.0f,
    .toDistance = 0.0f,
    .dragDirection = RecordRadians(-45.0f),
    .dragLength = 100.0f,
    .pivotOffset = {0.0f, 0.0f},
    // 100 x (cos -45 degrees, sin -45 degrees)
    .dragVector = {70.710678f, -70.710678f}};

// One entry of the step table ("tDelta"): where the pivot goes, the scales,
// the rotation (radians) and the colour position (0 the object's colours,
// 1 the end colours).
struct TrailStep {
  float x, y;
  float scaleH, scaleV;
  float rotation;
  float colour;
};
static_assert(sizeof(TrailStep) == 24);

// Fills table[0 .. n] for n copies from pivot p0 along the drag vector.
void TrailSteps(const TrailPGParams& params, AIRealPoint p0, int32_t n,
                TrailStep* table);
// The matrix of a table entry: scaled and turned about the pivot, then
// moved to the entry's position.
AIRealMatrix TrailStepMatrix(AIRealPoint pivot, const TrailStep& entry);
// Moves every path of a copy (inside groups and compound paths too) by m
// and colours it for colour position `colour` (0 the object's colours, 1 the
// end colours). The Trail tool lays its copies with these.
ASErr TrailCopy(AIArtHandle copy, const AIRealMatrix& m, float colour,
                const TrailPGParams& p);
// Builds the sources and their trails into `into`.
ASErr TrailBuild(AIArtHandle into, AIArtHandle editGroup, const void* record);

// Its action's keys, in the record's field order (the derived vectors are
// not keys: they follow from the directions and lengths); they move into its
// binding table when its palette items are bound.
inline constexpr ActionKeySpec kTrailActionKeys[] = {
    {ActionKey("styl"), ActionKey("enum"), true},
    {ActionKey("sTnt"), ActionKey("real"), true},
    {ActionKey("step"), ActionKey("long"), true},
    {ActionKey("stKd"), ActionKey("enum"), true},
    {ActionKey("eFCK"), ActionKey("enum"), false},
    {ActionKey("eSCK"), ActionKey("enum"), false},
    {ActionKey("eFCo"), ActionKey("tdta"), false},
    {ActionKey("eSCo"), ActionKey("tdta"), false},
    {ActionKey("eTnt"), ActionKey("real"), true},
    {ActionKey("angl"), ActionKey("real"), true},
    {ActionKey("hSiz"), ActionKey("real"), true},
    {ActionKey("vSiz"), ActionKey("real"), true},
    {ActionKey("ctrA"), ActionKey("real"), true},
    {ActionKey("ctrL"), ActionKey("real"), true},
    {ActionKey("oftA"), ActionKey("real"), true},
    {ActionKey("oftL"), ActionKey("real"), true},
};

// Its row of the effect table. Its palette has only the shared buttons and
// its update draws nothing until the effect is built.
inline constexpr EffectRow kTrailEffect = {
    "Trail", "VERSALiX4 Trail ", res::kTrailPalette, "QVR-VsX4LiveTrail",
    VX_RECORD(TrailPGParams), "VERSALiX4_PST_Trail.txt", 25,
    {"VsX4_Trail_Action", 19450, kTrailActionKeys, int(std::size(kTrailActionKeys))},
    VX_EFFECT_BUTTONS(TrailPalette), nullptr, TrailBuild, RegeneratesWhenSelected};

}  // namespace vx
