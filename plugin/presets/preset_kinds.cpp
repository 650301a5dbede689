#include "presets/preset_kinds.h"

#include <chrono>
#include <cstddef>
#include <cstring>

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
#include "filters/fractalize_params.h"
#include "filters/transform3d_params.h"
#include "shell/suites.h"
#include "tools/broom_tool.h"
#include "tools/craft_tool.h"
#include "tools/lens_tool.h"
#include "tools/metabrush_tool.h"
#include "tools/roughening_tool.h"
#include "tools/trail_tool.h"
#include "tools/warp_tool.h"
#include "tools/wave_tool.h"

namespace vx {
namespace {

// A field of record R: key, type code and the member's offset (plus, for a
// member inside an array, the element's).
#define VX_FIELD(R, key, type, member) \
  PresetField { key, type, uint16_t(offsetof(R, member)), 0 }
#define VX_FIELD_AT(R, key, type, member, index)                     \
  PresetField {                                                      \
    key, type, uint16_t(offsetof(R, member) + (index) * sizeof(float)), 0 \
  }

template <std::size_t N>
constexpr uint16_t Count(const PresetField (&)[N]) {
  return uint16_t(N);
}

// ---- filters ----------------------------------------------------------------

using T3 = TransformStoredParams;
// "B" and "C" both carry value[0]; the reals after it follow in record order.
const PresetField kTransformFields[] = {
    VX_FIELD(T3, "A", kPresetShort, kind),
    VX_FIELD_AT(T3, "B", kPresetReal, value, 0),
    VX_FIELD_AT(T3, "C", kPresetReal, value, 0),
    VX_FIELD_AT(T3, "D", kPresetReal, value, 1),
    VX_FIELD_AT(T3, "E", kPresetReal, value, 2),
    VX_FIELD_AT(T3, "F", kPresetReal, value, 3),
    VX_FIELD_AT(T3, "G", kPresetReal, preRotation, 0),
    VX_FIELD_AT(T3, "H", kPresetReal, preRotation, 1),
    VX_FIELD_AT(T3, "I", kPresetReal, preRotation, 2),
    VX_FIELD_AT(T3, "J", kPresetReal, postRotation, 0),
    VX_FIELD_AT(T3, "K", kPresetReal, postRotation, 1),
    VX_FIELD_AT(T3, "L", kPresetReal, postRotation, 2),
    VX_FIELD(T3, "M", kPresetReal, perspective),
    VX_FIELD(T3, "N", kPresetShort, afterMode),
    VX_FIELD(T3, "O", kPresetFlag, controlPointsOnly),
    VX_FIELD(T3, "P", kPresetPoint, cursorH)};
static_assert(offsetof(T3, cursorV) == offsetof(T3, cursorH) + 4);

using FR = FractalizeParams;
const PresetField kFractalizeFields[] = {
    VX_FIELD(FR, "A", kPresetULong, generator),
    VX_FIELD(FR, "B", kPresetReal, genHeight),
    VX_FIELD(FR, "C", kPresetULong, level),
    VX_FIELD(FR, "D", kPresetReal, density),
    VX_FIELD(FR, "E", kPresetReal, uneven),
    VX_FIELD(FR, "F", kPresetULong, unevenUnit)};

// ---- tools ----------------------------------------------------------------------

using WA = WarpToolParams;
const PresetField kWarpToolFields[] = {
    VX_FIELD(WA, "A", kPresetShort, shape),
    VX_FIELD(WA, "B", kPresetReal, margin),
    VX_FIELD(WA, "C", kPresetFlag, perspective),
    VX_FIELD(WA, "D", kPresetFlag, trace),
    VX_FIELD(WA, "E", kPresetShort, traceMode),
    VX_FIELD(WA, "F", kPresetReal, space),
    VX_FIELD(WA, "G", kPresetReal, steps)};

using WV = WaveToolParams;
const PresetField kWaveToolFields[] = {
    VX_FIELD(WV, "A", kPresetShort, shape),
    VX_FIELD(WV, "B", kPresetReal, cycle),
    VX_FIELD(WV, "C", kPresetFlag, trace),
    VX_FIELD(WV, "D", kPresetShort, traceMode),
    VX_FIELD(WV, "E", kPresetReal, space),
    VX_FIELD(WV, "F", kPresetReal, steps)};

using LE = LensToolParams;
const PresetField kLensToolFields[] = {
    VX_FIELD(LE, "A", kPresetShort, lensType),
    VX_FIELD(LE, "B", kPresetReal, thickness),
    VX_FIELD(LE, "C", kPresetReal, magnification),
    VX_FIELD(LE, "D", kPresetReal, angle),
    VX_FIELD(LE, "E", kPresetShort, cycle),
    VX_FIELD(LE, "F", kPresetPoint, sizeMinimum),
    VX_FIELD(LE, "G", kPresetFlag, groupAsOneUnit),
    VX_FIELD(LE, "H", kPresetPoint, area),
    VX_FIELD(LE, "I", kPresetFlag, trace),
    VX_FIELD(LE, "J", kPresetShort, traceMode),
    VX_FIELD(LE, "K", kPresetReal, space),
    VX_FIELD(LE, "L", kPresetReal, steps)};

using CR = CraftToolParams;
const PresetField kCraftToolFields[] = {
    VX_FIELD(CR, "A", kPresetShort, distortion),
    VX_FIELD(CR, "B", kPresetShort, resistance),
    VX_FIELD(CR, "C", kPresetReal, areaRadius),
    VX_FIELD(CR, "D", kPresetFlag, trace),
    VX_FIELD(CR, "E", kPresetShort, traceMode),
    VX_FIELD(CR, "F", kPresetReal, space),
    VX_FIELD(CR, "G", kPresetReal, twirlSpace),
    VX_FIELD(CR, "H", kPresetReal, steps)};

using RO = RoughToolParams;
// There is no key "C".
const PresetField kRoughToolFields[] = {
    VX_FIELD(RO, "A", kPresetShort, kind),
    VX_FIELD(RO, "B", kPresetReal, areaRadius),
    VX_FIELD(RO, "D", kPresetFlag, trace),
    VX_FIELD(RO, "E", kPresetShort, traceMode),
    VX_FIELD(RO, "F", kPresetReal, steps),
    VX_FIELD(RO, "G", kPresetFlag, newSequence)};

using BR = BroomToolParams;
const PresetField kBroomToolFields[] = {
    VX_FIELD(BR, "A", kPresetShort, sweep),
    VX_FIELD(BR, "B", kPresetShort, resistance),
    VX_FIELD(BR, "C", kPresetReal, areaRadius),
    VX_FIELD(BR, "D", kPresetFlag, groupAsUnit),
    VX_FIELD(BR, "E", kPresetFlag, trace),
    VX_FIELD(BR, "F", kPresetShort, traceMode),
    VX_FIELD(BR, "G", kPresetReal, space),
    VX_FIELD(BR, "H", kPresetReal, twirlSpace),
    VX_FIELD(BR, "I", kPresetReal, steps)};

using MB = MetaBrushToolParams;
// The key "z" stands twice (the second time after "y") and "x" is unused.
const PresetField kMetaBrushToolFields[] = {
    VX_FIELD(MB, "A", kPresetShort, keyA),
    VX_FIELD(MB, "B", kPresetReal, keyB),
    VX_FIELD(MB, "C", kPresetFlag, keyC),
    VX_FIELD(MB, "D", kPresetFlag, keyD),
    VX_FIELD(MB, "E", kPresetShort, keyE),
    VX_FIELD(MB, "F", kPresetColour, keyF),
    VX_FIELD(MB, "K", kPresetReal, keyK),
    VX_FIELD(MB, "L", kPresetReal, keyL),
    VX_FIELD(MB, "M", kPresetShort, keyM),
    VX_FIELD(MB, "N", kPresetFlag, keyN),
    VX_FIELD(MB, "O", kPresetReal, keyO),
    VX_FIELD(MB, "P3", kPresetReal, keyP3),
    VX_FIELD(MB, "Q", kPresetFlag, keyQ),
    VX_FIELD(MB, "R", kPresetPoint, keyR),
    VX_FIELD(MB, "S", kPresetPoint, keyS),
    VX_FIELD(MB, "T", kPresetPoint, keyT),
    VX_FIELD(MB, "U", kPresetReal, keyU),
    VX_FIELD(MB, "V", kPresetPoint, keyV),
    VX_FIELD(MB, "W", kPresetShort, keyW),
    VX_FIELD(MB, "X", kPresetShort, keyX),
    VX_FIELD(MB, "Y", kPresetShort, keyY),
    VX_FIELD(MB, "Z", kPresetShort, keyZ),
    VX_FIELD(MB, "a", kPresetShort, key_a),
    VX_FIELD(MB, "b", kPresetShort, key_b),
    VX_FIELD(MB, "c", kPresetShort, key_c),
    VX_FIELD(MB, "d", kPresetShort, key_d),
    VX_FIELD(MB, "e", kPresetShort, key_e),
    VX_FIELD(MB, "f", kPresetShort, key_f),
    VX_FIELD(MB, "g", kPresetShort, key_g),
    VX_FIELD(MB, "h", kPresetFlag, key_h),
    VX_FIELD(MB, "i", kPresetFlag, key_i),
    VX_FIELD(MB, "j", kPresetFlag, key_j),
    VX_FIELD(MB, "k", kPresetFlag, key_k),
    VX_FIELD(MB, "l", kPresetFlag, key_l),
    VX_FIELD(MB, "m", kPresetFlag, key_m),
    VX_FIELD(MB, "n", kPresetFlag, key_n),
    VX_FIELD(MB, "o", kPresetFlag, key_o),
    VX_FIELD(MB, "p", kPresetFlag, key_p),
    VX_FIELD(MB, "q", kPresetFlag, key_q),
    VX_FIELD(MB, "r", kPresetFlag, key_r),
    VX_FIELD(MB, "s", kPresetFlag, key_s),
    VX_FIELD(MB, "t", kPresetFlag, key_t),
    VX_FIELD(MB, "u", kPresetFlag, key_u),
    VX_FIELD(MB, "v", kPresetFlag, key_v),
    VX_FIELD(MB, "w", kPresetFlag, key_w),
    VX_FIELD(MB, "z", kPresetFlag, key_z),
    VX_FIELD(MB, "y", kPresetFlag, key_y),
    VX_FIELD(MB, "z", kPresetFlag, key_z_again),
    VX_FIELD(MB, "A2", kPresetFlag, keyA2),
    VX_FIELD(MB, "B2", kPresetFlag, keyB2),
    VX_FIELD(MB, "C2", kPresetFlag, keyC2),
    VX_FIELD(MB, "D2", kPresetFlag, keyD2),
    VX_FIELD(MB, "E2", kPresetFlag, keyE2),
    VX_FIELD(MB, "F2", kPresetFlag, keyF2),
    VX_FIELD(MB, "G2", kPresetFlag, keyG2),
    VX_FIELD(MB, "H2", kPresetFlag, keyH2),
    VX_FIELD(MB, "I2", kPresetFlag, keyI2),
    VX_FIELD(MB, "J2", kPresetFlag, keyJ2),
    VX_FIELD(MB, "K2", kPresetFlag, keyK2),
    VX_FIELD(MB, "L2", kPresetFlag, keyL2),
    VX_FIELD(MB, "M2", kPresetFlag, keyM2),
    VX_FIELD(MB, "N2", kPresetFlag, keyN2),
    VX_FIELD(MB, "O2", kPresetReal, keyO2),
    VX_FIELD(MB, "P2", kPresetULong, keyP2),
    VX_FIELD(MB, "Q2", kPresetULong, keyQ2),
    VX_FIELD(MB, "R2", kPresetULong, keyR2),
    VX_FIELD(MB, "S2", kPresetReal, keyS2),
    VX_FIELD(MB, "T2", kPresetShort, keyT2),
    VX_FIELD(MB, "U2", kPresetShort, keyU2),
    VX_FIELD(MB, "V2", kPresetShort, keyV2),
    VX_FIELD(MB, "W2", kPresetFlag, keyW2),
    VX_FIELD(MB, "X2", kPresetFlag, keyX2),
    VX_FIELD(MB, "Y2", kPresetReal, keyY2),
    VX_FIELD(MB, "Z2", kPresetReal, keyZ2),
    VX_FIELD(MB, "a2", kPresetReal, key_a2),
    VX_FIELD(MB, "b2", kPresetReal, key_b2),
    VX_FIELD(MB, "c2", kPresetReal, key_c2),
    VX_FIELD(MB, "d2", kPresetReal, key_d2),
    VX_FIELD(MB, "e2", kPresetReal, key_e2),
    VX_FIELD(MB, "f2", kPresetReal, key_f2)};

using TT = TrailToolParams;
const PresetField kTrailToolFields[] = {
    VX_FIELD(TT, "A", kPresetShort, stacking),
    VX_FIELD(TT, "B", kPresetReal, beginning),
    VX_FIELD(TT, "C", kPresetReal, space),
    VX_FIELD(TT, "D", kPresetInt, spacing),
    VX_FIELD(TT, "E", kPresetShort, endFillSource),
    VX_FIELD(TT, "F", kPresetShort, endStrokeSource),
    VX_FIELD(TT, "G", kPresetColour, endFillColour),
    VX_FIELD(TT, "H", kPresetColour, endStrokeColour),
    VX_FIELD(TT, "I", kPresetReal, toTint),
    VX_FIELD(TT, "J", kPresetReal, toAngle),
    VX_FIELD(TT, "K", kPresetPoint, toSize)};

// ---- effects -----------------------------------------------------------------

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

#undef VX_FIELD
#undef VX_FIELD_AT

// ---- factory values --------------------------------------------------------------

template <const auto& Factory>
void CopyFactory(void* record, int) {
  std::memcpy(record, &Factory, sizeof Factory);
}

// The tick count in milliseconds: the host's where a host runs, otherwise
// (the build's factory file generator) the system's monotonic clock.
int32_t CreationTickCount() {
  if (sUser && sUser->GetTickCount) return int32_t(sUser->GetTickCount());
  using namespace std::chrono;
  return int32_t(uint32_t(
      duration_cast<milliseconds>(steady_clock::now().time_since_epoch())
          .count()));
}

// Records whose factory seed is the tick count at their creation.
template <const auto& Factory, auto Seed>
void SeededFactory(void* record, int) {
  auto params = Factory;
  params.*Seed = CreationTickCount();
  std::memcpy(record, &params, sizeof params);
}

void TransformFactory(void* record, int variant) {
  TransformStoredParams p = TransformFactoryParams(variant);
  std::memcpy(record, &p, sizeof p);
}

#define VX_KIND(file, key, R, fields, factory) \
  PresetKind { file, key, uint32_t(sizeof(R)), fields, Count(fields), 0, factory }
// "VERSALiX4_PST_<Name>.txt" of record <Name>PGParams, fields k<Name>Fields.
#define VX_EFFECT_KIND(Name)                                      \
  VX_KIND("VERSALiX4_PST_" #Name ".txt", #Name "PGParams", Name##PGParams, \
          k##Name##Fields, CopyFactory<k##Name##FactoryParams>)
// "VERSALiX4_PST_<Name>Tool.txt" of record <Name>ToolParams.
#define VX_TOOL_KIND(Name)                                                 \
  VX_KIND("VERSALiX4_PST_" #Name "Tool.txt", #Name "ToolParams",           \
          Name##ToolParams, k##Name##ToolFields,                           \
          CopyFactory<k##Name##ToolFactoryParams>)
#define VX_3D_KIND(Name, variant)                                           \
  PresetKind {                                                              \
    "VERSALiX4_PST_3D" #Name ".txt", "TransformParams",                     \
        uint32_t(sizeof(TransformStoredParams)), kTransformFields,          \
        Count(kTransformFields), variant, TransformFactory                  \
  }

const PresetKind kKinds[kPresetKindCount] = {
    VX_3D_KIND(Rotate, 0),  VX_3D_KIND(Twist, 1),   VX_3D_KIND(Arc, 2),
    VX_3D_KIND(Screw, 3),   VX_3D_KIND(Twirl, 4),   VX_3D_KIND(WaveHV, 5),
    VX_3D_KIND(WaveZ, 6),   VX_3D_KIND(WaveR, 7),   VX_3D_KIND(Sphere, 8),
    VX_3D_KIND(Torus, 9),   VX_3D_KIND(Spiral, 10), VX_3D_KIND(Cylinder, 11),
    VX_KIND("VERSALiX4_PST_Fractalize.txt", "FractalizeParams", FractalizeParams,
            kFractalizeFields, CopyFactory<kFractalizeFactoryParams>),
    VX_TOOL_KIND(Warp),     VX_TOOL_KIND(Wave),     VX_TOOL_KIND(Lens),
    VX_TOOL_KIND(Craft),    VX_TOOL_KIND(Rough),    VX_TOOL_KIND(Broom),
    VX_TOOL_KIND(MetaBrush), VX_TOOL_KIND(Trail),
    VX_EFFECT_KIND(Border), VX_EFFECT_KIND(Circle), VX_EFFECT_KIND(Cutout),
    VX_EFFECT_KIND(Emboss),
    VX_KIND("VERSALiX4_PST_Explosion.txt", "ExplosionPGParams", ExplosionPGParams,
            kExplosionFields, (SeededFactory<kExplosionFactoryParams, &EX::seed>)),
    VX_EFFECT_KIND(Frame),
    VX_KIND("VERSALiX4_PST_Galaxy.txt", "GalaxyPGParams", GalaxyPGParams,
            kGalaxyFields, (SeededFactory<kGalaxyFactoryParams, &GA::seed>)),
    VX_EFFECT_KIND(Generation), VX_EFFECT_KIND(Neon), VX_EFFECT_KIND(Reflections),
    VX_EFFECT_KIND(Shadow), VX_EFFECT_KIND(Tiling), VX_EFFECT_KIND(Trail)};

#undef VX_KIND
#undef VX_EFFECT_KIND
#undef VX_TOOL_KIND
#undef VX_3D_KIND

static_assert(sizeof(MetaBrushToolParams) <= kLargestPresetRecord);
static_assert(sizeof(TrailPGParams) <= kLargestPresetRecord);
static_assert(sizeof(TrailToolParams) <= kLargestPresetRecord);

constexpr const char kFilePrefix[] = "VERSALiX4_PST_";
constexpr const char kFileSuffix[] = ".txt";

bool EqualNoCase(const char* a, const char* b, std::size_t n) {
  for (std::size_t i = 0; i < n; ++i) {
    char x = a[i], y = b[i];
    if (x >= 'A' && x <= 'Z') x = char(x - 'A' + 'a');
    if (y >= 'A' && y <= 'Z') y = char(y - 'A' + 'a');
    if (x != y) return false;
  }
  return true;
}

}  // namespace

const PresetKind* PresetKindAt(int i) {
  return i >= 0 && i < kPresetKindCount ? &kKinds[i] : nullptr;
}

const PresetKind* FindPresetKind(const char* fileName) {
  if (!fileName) return nullptr;
  for (const PresetKind& k : kKinds)
    if (std::strcmp(k.fileName, fileName) == 0) return &k;
  return nullptr;
}

const PresetKind* FindPresetKindByName(const char* name) {
  if (!name) return nullptr;
  const std::size_t n = std::strlen(name);
  const std::size_t prefix = sizeof kFilePrefix - 1;
  const std::size_t suffix = sizeof kFileSuffix - 1;
  for (const PresetKind& k : kKinds) {
    const std::size_t total = std::strlen(k.fileName);
    if (total == prefix + n + suffix && EqualNoCase(k.fileName + prefix, name, n))
      return &k;
  }
  return nullptr;
}

const char* TransformPresetFile(int transformKind) {
  return transformKind >= 0 && transformKind < kTransformKindCount
             ? kKinds[transformKind].fileName
             : nullptr;
}

}  // namespace vx
