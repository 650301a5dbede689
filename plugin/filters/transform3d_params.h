// 3D Transform: the stored part of its parameter record, what the host keeps
// as the filter's parameter block and what presets hold. The filter's full
// record begins with these bytes and adds the derived working fields.
// Packed on 2-byte boundaries like the tool records.
#pragma once

#include <cstddef>
#include <cstdint>

#include "presets/param_record.h"

namespace vx {

// The twelve deformation kinds, in menu order.
enum TransformKind : int16_t {
  kSimpleRotation, kTwist, kArc, kScrew, kTwirl, kWaveHV, kWaveZ,
  kWaveRadial, kSphere, kTorus, kSpiral, kCylinderCone, kTransformKindCount
};

#pragma pack(push, 2)
struct TransformStoredParams {
  char name[kParamNameSize];
  int16_t kind;               // TransformKind
  float value[4];             // the kind's parameters
  float preRotation[3];       // degrees about x, y, z
  float postRotation[3];      // degrees about X, Y, Z
  float perspective;          // percent
  int16_t afterMode;          // 0 Before, 1 After
  int32_t controlPointsOnly;  // flag
  float cursorH;              // fraction of the bounds width
  float cursorV;              // fraction of the bounds height
};
#pragma pack(pop)
static_assert(sizeof(TransformStoredParams) == 124);
static_assert(offsetof(TransformStoredParams, kind) == 64);
static_assert(offsetof(TransformStoredParams, value) == 66);
static_assert(offsetof(TransformStoredParams, preRotation) == 82);
static_assert(offsetof(TransformStoredParams, postRotation) == 94);
static_assert(offsetof(TransformStoredParams, perspective) == 106);
static_assert(offsetof(TransformStoredParams, afterMode) == 110);
static_assert(offsetof(TransformStoredParams, controlPointsOnly) == 112);
static_assert(offsetof(TransformStoredParams, cursorH) == 116);
static_assert(offsetof(TransformStoredParams, cursorV) == 120);

// Factory values of a kind (0 .. 11; any other kind gives Simple Rotation's).
TransformStoredParams TransformFactoryParams(int kind);

}  // namespace vx
