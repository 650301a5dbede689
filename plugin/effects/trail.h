// Live Trail: its parameter record (as palettes, effect art and presets
// store it), its palette's binding and its row of the effect table.
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

namespace TrailItems = res::TrailPalette;

// The palette's pieces the binding cannot say: the end colour swatches
// (drawn from the record; a press opens the host's colour picker), the
// picture buttons choosing each end colour's source, the swap of the end
// fill and stroke, and the labels naming the current choice.
void TrailSetUpEndColours(ADMDialogRef dialog);
void TrailShowEndColours(ADMDialogRef dialog, const void* record);
// The pivot offset and the drag vector from the directions and lengths.
void TrailDeriveVectors(void* record);

inline constexpr int32_t kTrailStackingItems[] = {TrailItems::kAbove, TrailItems::kBelow};
inline constexpr int32_t kTrailSpaceItems[] = {TrailItems::kDecelerate, TrailItems::kUniform,
                                               TrailItems::kAccelerate};

// In the order of the action's keys, which is the record's field order (the
// derived vectors are no keys: they follow from the directions and lengths,
// recomputed after every change and every playback). The colour sources are
// kept by the palette's picture buttons and recorded hidden with their
// colours; stacking names are the action's strings 14 "Above", 15 "Below",
// space names 16 "Decelerate" to 18 "Accelerate".
inline constexpr PaletteField kTrailFields[] = {
    {.name = "stacking", .item = TrailItems::kAbove, .field = VX_BOUND_FIELD(TrailPGParams, stacking),
     .unit = Unit::Radio, .actionKey = ActionKey("styl"), .radios = kTrailStackingItems,
     .radioCount = 2, .actionNames = 14},
    {.name = "beginning", .item = TrailItems::kBeginning,
     .field = VX_BOUND_FIELD(TrailPGParams, beginning), .unit = Unit::Percent,
     .actionKey = ActionKey("sTnt")},
    {.name = "steps", .item = TrailItems::kSteps, .field = VX_BOUND_FIELD(TrailPGParams, steps),
     .unit = Unit::Integer, .actionKey = ActionKey("step")},
    {.name = "space", .item = TrailItems::kDecelerate, .field = VX_BOUND_FIELD(TrailPGParams, space),
     .unit = Unit::Radio, .actionKey = ActionKey("stKd"), .radios = kTrailSpaceItems,
     .radioCount = 3, .actionNames = 16},
    {.name = "end-fill-source", .item = 0, .field = VX_BOUND_FIELD(TrailPGParams, endFillSource),
     .unit = Unit::Choice, .actionKey = ActionKey("eFCK"), .hiddenInAction = true},
    {.name = "end-stroke-source", .item = 0,
     .field = VX_BOUND_FIELD(TrailPGParams, endStrokeSource), .unit = Unit::Choice,
     .actionKey = ActionKey("eSCK"), .hiddenInAction = true},
    {.name = "end-colour", .item = TrailItems::kEndFillSwatch,
     .field = VX_BOUND_FIELD(TrailPGParams, endFillColour), .unit = Unit::Colour,
     .actionKey = ActionKey("eFCo"), .hiddenInAction = true},
    {.name = "end-stroke-colour", .item = TrailItems::kEndStrokeSwatch,
     .field = VX_BOUND_FIELD(TrailPGParams, endStrokeColour), .unit = Unit::Colour,
     .actionKey = ActionKey("eSCo"), .hiddenInAction = true},
    {.name = "to-tint", .item = TrailItems::kToTint, .field = VX_BOUND_FIELD(TrailPGParams, toTint),
     .unit = Unit::Percent, .actionKey = ActionKey("eTnt")},
    {.name = "to-angle", .item = TrailItems::kToAngle, .field = VX_BOUND_FIELD(TrailPGParams, toAngle),
     .unit = Unit::Degrees, .actionKey = ActionKey("angl"), .partner = TrailItems::kToAngleSlider,
     .partnerIsSlider = true},
    {.name = "to-size-h", .item = TrailItems::kToSizeH, .field = VX_BOUND_FIELD(TrailPGParams, toSize.h),
     .unit = Unit::Percent, .actionKey = ActionKey("hSiz"), .partner = TrailItems::kToSizeHSlider},
    {.name = "to-size-v", .item = TrailItems::kToSizeV, .field = VX_BOUND_FIELD(TrailPGParams, toSize.v),
     .unit = Unit::Percent, .actionKey = ActionKey("vSiz"), .partner = TrailItems::kToSizeVSlider},
    {.name = "to-direction", .item = TrailItems::kToDirection,
     .field = VX_BOUND_FIELD(TrailPGParams, toDirection), .unit = Unit::Degrees,
     .actionKey = ActionKey("ctrA"), .partner = TrailItems::kToDirectionDial},
    {.name = "to-distance", .item = TrailItems::kToDistance,
     .field = VX_BOUND_FIELD(TrailPGParams, toDistance), .unit = Unit::Points,
     .actionKey = ActionKey("ctrL"), .partner = TrailItems::kToDistanceSlider},
    {.name = "drag-direction", .item = TrailItems::kDragDirection,
     .field = VX_BOUND_FIELD(TrailPGParams, dragDirection), .unit = Unit::Degrees,
     .actionKey = ActionKey("oftA"), .partner = TrailItems::kDragDirectionDial},
    {.name = "drag-length", .item = TrailItems::kDragLength,
     .field = VX_BOUND_FIELD(TrailPGParams, dragLength), .unit = Unit::Points,
     .actionKey = ActionKey("oftL"), .partner = TrailItems::kDragLengthSlider},
};
static_assert(BindingIsValid(kTrailFields));

inline constexpr PaletteBinding kTrailPalette = {
    kTrailFields, int32_t(std::size(kTrailFields)), nullptr, 0, TrailSetUpEndColours,
    TrailShowEndColours, TrailDeriveVectors};

inline constexpr auto kTrailActionKeys = ActionKeysOf(kTrailFields);

// Regenerates only while selected.
inline constexpr EffectRow kTrailEffect = {
    "Trail", "VERSALiX4 Trail ", res::kTrailPalette, "QVR-VsX4LiveTrail",
    VX_RECORD(TrailPGParams), "VERSALiX4_PST_Trail.txt",
    res::HelpTopics::kLiveTrail,
    {"VsX4_Trail_Action", res::kTrailActionTexts, kTrailActionKeys.keys, kTrailActionKeys.count},
    VX_EFFECT_BUTTONS(TrailPalette), &kTrailPalette, TrailBuild, RegeneratesWhenSelected};

}  // namespace vx
