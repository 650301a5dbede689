// The twelve deformations of 3D Transform: each kind's set-up turns the
// record's values and the selection's geometry into derived values and picks
// the point mapper that the subdivide-and-map engine calls.
#pragma once

#include "filters/transform3d_record.h"
#include "geometry/piece_mapping.h"

namespace vx {

// Answer of SetUpKind when a radius taken from the cursor is zero (Sphere,
// Torus, Spiral): the set-up is complete but the results will not be finite.
constexpr ASErr kZeroRadiusSetUp = 2;

// Sets centre, the kind's derived values and mapper from the stored fields
// and the derived rotations, bounds and cursor offset (RebuildDerived).
// Kinds outside 1 .. 11 use Simple Rotation. Returns 0 or kZeroRadiusSetUp.
ASErr SetUpKind(TransformParams* p);

// How the kind takes a radius from the cursor offset (kVxRadius..., the
// module catalog): what the set-ups below read from it.
int32_t CursorRadiusOf(int kind);

// The engine context of a set-up record: its mapper and centre, the
// perspective distance and the tolerances of the selection's size.
MapContext MakeKindContext(const TransformParams& p);

}  // namespace vx
