// 3D Transform's full parameter record: the stored part (what presets and
// the host's parameter block keep) followed by the working fields derived
// from it and from the selection's bounds, rebuilt each time they are used.
#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "filters/transform3d_params.h"
#include "geometry/matrix3.h"
#include "geometry/piece_mapping.h"
#include "vx_sdk.h"

namespace vx {

struct TransformParams : TransformStoredParams {
  // Rotations in radians and as matrices.
  float preRadians[3];
  float postRadians[3];
  Matrix3 preMatrix;
  Matrix3 postMatrix;
  float perspectiveDistance;  // halfDiagonal / (perspective / 100)
  // Geometry of the selection.
  AIRealRect bounds;
  float width, height, halfDiagonal;
  AIRealPoint boundsCentre;
  AIRealPoint cursorOffset;  // (width * cursorH, height * cursorV)
  AIRealPoint centre;        // the transformation centre
  // Per-kind values of the set-up.
  float angle, signedAngle, radiusGain, zGain, twist;
  float R, R1, R2, scaleX, scaleY, y0, heightGain, circumference;
  float ampH, ampV, ampR, phase, coneFactor;
  float cycleSign;  // Twirl with a cycle other than 1: -1 odd, +1 even
  PointMapper mapper;
};
// Records are copied byte for byte (parameter block, history, presets);
// the stored part is the record's first bytes.
static_assert(std::is_trivially_copyable_v<TransformParams>);

// The stored fields of a kind's factory values; the working fields cleared.
void ResetTransformParams(TransformParams* p, int kind);
// Radians and matrices of both rotations.
void UpdateRotations(TransformParams* p);
// perspectiveDistance from perspective and halfDiagonal.
void UpdatePerspectiveDistance(TransformParams* p);
// Bounds, width, height, centre and half diagonal of the selection, then
// the perspective distance and the cursor offset from the fractions.
void SetTransformBounds(TransformParams* p, const AIRealRect& bounds);
// cursorOffset from cursorH / cursorV.
void CursorOffsetFromFractions(TransformParams* p);
// cursorH / cursorV from cursorOffset; 0 when the bounds have no width or
// no height.
void FractionsFromCursorOffset(TransformParams* p);
// Everything derived: rotations, bounds geometry, perspective, cursor.
void RebuildDerived(TransformParams* p, const AIRealRect& bounds);

}  // namespace vx
