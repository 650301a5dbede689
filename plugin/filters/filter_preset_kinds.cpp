#include "filters/filter_preset_kinds.h"

#include "filters/fractalize_params.h"
#include "filters/transform3d_params.h"
#include "presets/preset_kind_rows.h"
#include "presets/preset_kinds.h"

namespace vx {
namespace {

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

void TransformFactory(void* record, int variant) {
  TransformStoredParams p = TransformFactoryParams(variant);
  std::memcpy(record, &p, sizeof p);
}

// One file per 3D kind, all of one record and codec; variant = the kind.
#define VX_3D_KIND(Name, variant)                                           \
  PresetKind {                                                              \
    "VERSALiX4_PST_3D" #Name ".txt", "TransformParams",                     \
        uint32_t(sizeof(TransformStoredParams)), kTransformFields,          \
        PresetFieldCount(kTransformFields), variant, TransformFactory       \
  }

// The twelve 3D kinds in TransformKind order, then Fractalize.
const PresetKind kFilterKinds[] = {
    VX_3D_KIND(Rotate, 0),  VX_3D_KIND(Twist, 1),   VX_3D_KIND(Arc, 2),
    VX_3D_KIND(Screw, 3),   VX_3D_KIND(Twirl, 4),   VX_3D_KIND(WaveHV, 5),
    VX_3D_KIND(WaveZ, 6),   VX_3D_KIND(WaveR, 7),   VX_3D_KIND(Sphere, 8),
    VX_3D_KIND(Torus, 9),   VX_3D_KIND(Spiral, 10), VX_3D_KIND(Cylinder, 11),
    VX_KIND("VERSALiX4_PST_Fractalize.txt", "FractalizeParams", FractalizeParams,
            kFractalizeFields, CopyFactory<kFractalizeFactoryParams>)};

#undef VX_3D_KIND

}  // namespace

const PresetKind* FilterPresetKindAt(int i) {
  constexpr int n = int(sizeof kFilterKinds / sizeof kFilterKinds[0]);
  return i >= 0 && i < n ? &kFilterKinds[i] : nullptr;
}

const char* TransformPresetFile(int transformKind) {
  return transformKind >= 0 && transformKind < kTransformKindCount
             ? kFilterKinds[transformKind].fileName
             : nullptr;
}

}  // namespace vx
