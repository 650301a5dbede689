// The live effects' preset kinds, in effect order: each effect's preset
// file, record and field table.
#include "effects/border.h"
#include "effects/circle.h"
#include "effects/cutout.h"
#include "effects/emboss.h"
#include "effects/explosion.h"
#include "effects/frame.h"
#include "effects/galaxy.h"
#include "effects/generation.h"
#include "effects/neon.h"
#include "effects/reflections.h"
#include "effects/shadow.h"
#include "effects/tiling.h"
#include "effects/trail.h"
#include "presets/preset_kind_rows.h"
#include "presets/preset_kinds.h"

namespace vx {
namespace {

using BO = BorderPGParams;
const PresetField kBorderFields[] = {
    VX_FIELD(BO, "A", kPresetReal, gradientArc),
    VX_FIELD(BO, "B", kPresetFlag, reverse),
    VX_FIELD(BO, "C", kPresetInt, stepsMode),
    VX_FIELD(BO, "D", kPresetInt, steps),
    VX_FIELD(BO, "E", kPresetReal, offset),
    VX_FIELD(BO, "F", kPresetReal, angle),
    VX_FIELD(BO, "G", kPresetInt, style),
    VX_FIELD(BO, "H", kPresetFlag, shadow),
    VX_FIELD(BO, "I", kPresetReal, shadowTint),
    VX_FIELD(BO, "J", kPresetReal, shadowOffset),
    VX_FIELD(BO, "K", kPresetReal, lightAngle)};

using CI = CirclePGParams;
const PresetField kCircleFields[] = {
    VX_FIELD(CI, "A", kPresetInt, total),
    VX_FIELD(CI, "B", kPresetFlag, keepAngle),
    VX_FIELD(CI, "C", kPresetInt, datum),
    VX_FIELD(CI, "D", kPresetReal, offsetH),
    VX_FIELD(CI, "E", kPresetReal, offsetV),
    VX_FIELD(CI, "F", kPresetFlag, showCentreMark),
    VX_FIELD(CI, "G", kPresetReal, height)};

using CU = CutoutPGParams;
const PresetField kCutoutFields[] = {
    VX_FIELD(CU, "A", kPresetReal, shade),
    VX_FIELD(CU, "B", kPresetReal, cutOffset),
    VX_FIELD(CU, "C", kPresetReal, cutLightAngle),
    VX_FIELD(CU, "D", kPresetInt, cutSteps)};

using EM = EmbossPGParams;
const PresetField kEmbossFields[] = {
    VX_FIELD(EM, "A", kPresetInt, embossStyle),
    VX_FIELD(EM, "B", kPresetReal, contrast),
    VX_FIELD(EM, "C", kPresetReal, offset),
    VX_FIELD(EM, "D", kPresetReal, lightAngle),
    VX_FIELD(EM, "E", kPresetFlag, reverse),
    VX_FIELD(EM, "F", kPresetInt, steps)};

using EX = ExplosionPGParams;
const PresetField kExplosionFields[] = {
    VX_FIELD(EX, "A", kPresetInt, total),
    VX_FIELD(EX, "B", kPresetFlag, keepAngle),
    VX_FIELD(EX, "C", kPresetReal, radialDeviation),
    VX_FIELD(EX, "D", kPresetReal, coreRadius),
    VX_FIELD(EX, "E", kPresetReal, spread),
    VX_FIELD(EX, "F", kPresetInt, space),
    VX_FIELD(EX, "G", kPresetFlag, showCentreMark),
    VX_FIELD(EX, "H", kPresetReal, shrinkGrow),
    VX_FIELD(EX, "I", kPresetFlag, sameSequence),
    VX_FIELD(EX, "J", kPresetLong, seed)};

using FA = FramePGParams;
const PresetField kFrameFields[] = {
    VX_FIELD(FA, "A", kPresetInt, sideH),
    VX_FIELD(FA, "B", kPresetInt, sideV),
    VX_FIELD(FA, "C", kPresetFlag, keepAngle),
    VX_FIELD(FA, "D", kPresetInt, frameSpaceMode),
    VX_FIELD(FA, "E", kPresetReal, sidesSpace),
    VX_FIELD(FA, "F", kPresetReal, cornerSpace),
    VX_FIELD(FA, "G", kPresetReal, cornerOffset),
    VX_FIELD(FA, "H", kPresetFlag, drawAtCorner),
    VX_FIELD(FA, "I", kPresetInt, cycling)};

using GA = GalaxyPGParams;
const PresetField kGalaxyFields[] = {
    VX_FIELD(GA, "A", kPresetInt, totalBranches),
    VX_FIELD(GA, "B", kPresetReal, radialDeviation),
    VX_FIELD(GA, "C", kPresetFlag, keepAngle),
    VX_FIELD(GA, "D", kPresetInt, totalPerBranch),
    VX_FIELD(GA, "E", kPresetReal, kink),
    VX_FIELD(GA, "F", kPresetReal, branchTwist),
    VX_FIELD(GA, "G", kPresetReal, twistDeviation),
    VX_FIELD(GA, "H", kPresetReal, coreRadius),
    VX_FIELD(GA, "I", kPresetReal, coreDeviation),
    VX_FIELD(GA, "J", kPresetReal, spread),
    VX_FIELD(GA, "K", kPresetReal, spreadDeviation),
    VX_FIELD(GA, "L", kPresetFlag, showCentreMark),
    VX_FIELD(GA, "M", kPresetReal, sizeDeviation),
    VX_FIELD(GA, "N", kPresetReal, shrinkGrow),
    VX_FIELD(GA, "O", kPresetInt, stacking),
    VX_FIELD(GA, "P", kPresetFlag, sameSequence),
    VX_FIELD(GA, "Q", kPresetLong, seed)};

using GE = GenerationPGParams;
const PresetField kGenerationFields[] = {
    VX_FIELD(GE, "A", kPresetInt, copies),
    VX_FIELD(GE, "B", kPresetInt, spaceMode),
    VX_FIELD(GE, "C", kPresetReal, space),
    VX_FIELD(GE, "D", kPresetReal, rate),
    VX_FIELD(GE, "E", kPresetReal, angle),
    VX_FIELD(GE, "F", kPresetReal, angleStep),
    VX_FIELD(GE, "G", kPresetInt, stacking)};

using NE = NeonPGParams;
const PresetField kNeonFields[] = {
    VX_FIELD(NE, "A", kPresetInt, tracks),
    VX_FIELD(NE, "B", kPresetReal, gradientArc),
    VX_FIELD(NE, "C", kPresetReal, contrast),
    VX_FIELD(NE, "D", kPresetInt, stepsMode),
    VX_FIELD(NE, "E", kPresetInt, steps),
    VX_FIELD(NE, "F", kPresetReal, offset),
    VX_FIELD(NE, "G", kPresetReal, angle),
    VX_FIELD(NE, "H", kPresetFlag, shadow),
    VX_FIELD(NE, "I", kPresetReal, shadowTint),
    VX_FIELD(NE, "J", kPresetFlag, shadowReverse),
    VX_FIELD(NE, "K", kPresetReal, shadowOffset),
    VX_FIELD(NE, "L", kPresetReal, lightAngle)};

using RE = ReflectionsPGParams;
const PresetField kReflectionsFields[] = {
    VX_FIELD(RE, "A", kPresetInt, reflector),
    VX_FIELD(RE, "B", kPresetReal, offsetH),
    VX_FIELD(RE, "C", kPresetReal, offsetV),
    VX_FIELD(RE, "D", kPresetInt, total)};

using SH = ShadowPGParams;
const PresetField kShadowFields[] = {
    VX_FIELD(SH, "A", kPresetReal, shadowShade),
    VX_FIELD(SH, "B", kPresetReal, shadowOffset),
    VX_FIELD(SH, "C", kPresetReal, shadowLightAngle),
    VX_FIELD(SH, "D", kPresetReal, transparency)};

using TI = TilingPGParams;
const PresetField kTilingFields[] = {
    VX_FIELD(TI, "A", kPresetInt, columns),
    VX_FIELD(TI, "B", kPresetInt, rows),
    VX_FIELD(TI, "C", kPresetInt, spaceMode),
    VX_FIELD(TI, "D", kPresetReal, spaceH),
    VX_FIELD(TI, "E", kPresetReal, spaceV),
    VX_FIELD(TI, "F", kPresetInt, stacking),
    VX_FIELD(TI, "G", kPresetReal, shrinkGrowH),
    VX_FIELD(TI, "H", kPresetReal, shrinkGrowV),
    VX_FIELD(TI, "I", kPresetReal, rotationH),
    VX_FIELD(TI, "J", kPresetReal, rotationV),
    VX_FIELD(TI, "K", kPresetFlag, resizeSpaces)};

using TR = TrailPGParams;
const PresetField kTrailFields[] = {
    VX_FIELD(TR, "A", kPresetInt, stacking),
    VX_FIELD(TR, "B", kPresetReal, beginning),
    VX_FIELD(TR, "C", kPresetInt, steps),
    VX_FIELD(TR, "D", kPresetInt, space),
    VX_FIELD(TR, "E", kPresetInt, endFillSource),
    VX_FIELD(TR, "F", kPresetInt, endStrokeSource),
    VX_FIELD(TR, "G", kPresetColour, endFillColour),
    VX_FIELD(TR, "H", kPresetColour, endStrokeColour),
    VX_FIELD(TR, "I", kPresetReal, toTint),
    VX_FIELD(TR, "J", kPresetReal, toAngle),
    VX_FIELD(TR, "K", kPresetPoint, toSize),
    VX_FIELD(TR, "L", kPresetReal, toDirection),
    VX_FIELD(TR, "M", kPresetReal, toDistance),
    VX_FIELD(TR, "N", kPresetReal, dragDirection),
    VX_FIELD(TR, "O", kPresetReal, dragLength),
    VX_FIELD(TR, "P", kPresetPoint, pivotOffset),
    VX_FIELD(TR, "Q", kPresetPoint, dragVector)};

// "VERSALiX4_PST_<Name>.txt" of record <Name>PGParams, fields k<Name>Fields.
#define VX_EFFECT_KIND(Name)                                      \
  VX_KIND("VERSALiX4_PST_" #Name ".txt", #Name "PGParams", Name##PGParams, \
          k##Name##Fields, CopyFactory<k##Name##FactoryParams>)

const PresetKind kEffectKinds[] = {
    VX_EFFECT_KIND(Border), VX_EFFECT_KIND(Circle), VX_EFFECT_KIND(Cutout),
    VX_EFFECT_KIND(Emboss),
    VX_KIND("VERSALiX4_PST_Explosion.txt", "ExplosionPGParams", ExplosionPGParams,
            kExplosionFields, (SeededFactory<kExplosionFactoryParams, &EX::seed>)),
    VX_EFFECT_KIND(Frame),
    VX_KIND("VERSALiX4_PST_Galaxy.txt", "GalaxyPGParams", GalaxyPGParams,
            kGalaxyFields, (SeededFactory<kGalaxyFactoryParams, &GA::seed>)),
    VX_EFFECT_KIND(Generation), VX_EFFECT_KIND(Neon), VX_EFFECT_KIND(Reflections),
    VX_EFFECT_KIND(Shadow), VX_EFFECT_KIND(Tiling), VX_EFFECT_KIND(Trail)};

#undef VX_EFFECT_KIND

static_assert(sizeof(TrailPGParams) <= kLargestPresetRecord);

}  // namespace

const PresetKind* EffectPresetKindAt(int i) {
  constexpr int n = int(sizeof kEffectKinds / sizeof kEffectKinds[0]);
  return i >= 0 && i < n ? &kEffectKinds[i] : nullptr;
}

}  // namespace vx
