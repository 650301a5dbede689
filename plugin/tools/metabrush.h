// The MetaBrush tool's geometry: where the brush lays its copies along the
// pointer's path and how each copy is placed, sized and turned, from the
// tool's record (tools/metabrush_tool.h gives each field's meaning).
#pragma once

#include <cstdint>

#include "tools/metabrush_tool.h"
#include "vx_sdk.h"

namespace vx {

// One place where the brush lays a copy.
struct BrushStamp {
  AIRealPoint at;   // on the pointer's path
  float angle;      // direction of the path there, radians
  float along;      // fraction of the path's length, 0 .. 1
};

// Stamps along the polyline points[0 .. count): the first at points[0],
// then one every `spacing` points of length (spacing below 1 counts as 1),
// at most `capacity`; returns how many were written. One point gives one
// stamp (angle 0); `along` is 0 for all when the path has no length.
int32_t BrushStamps(const AIRealPoint* points, int32_t count, float spacing,
                    BrushStamp* out, int32_t capacity);

// The random values of one copy, drawn in this order from the host's
// generator (seeded with the record's seed for every drag step).
struct BrushJitter {
  float scatterH, scatterV;  // each in [-1, 1)
  float size;                // in [0, 1)
};
BrushJitter DrawBrushJitter(AIReal (*random)());

// The matrix that takes the selection (centred on `pivot`, whose larger
// side is `extent` points) to the stamp: scaled by the size the Size Curve
// gives at stamp.along between Start and End Size, times the random size,
// stretched by Aspect (and fitted to Brush Size with Fit Size), turned by
// Rotation (plus the path's direction with Follow Drag), moved onto the
// stamp plus Offset and the scatter.
AIRealMatrix BrushCopyMatrix(const MetaBrushToolParams& p, const BrushStamp& stamp,
                             const BrushJitter& jitter, AIRealPoint pivot,
                             float extent);

// The uniform part of that matrix's scale (for stroke widths).
float BrushCopyScale(const MetaBrushToolParams& p, const BrushStamp& stamp,
                     const BrushJitter& jitter, float extent);

// Stroke mode: segments of one smooth open path through the stamps
// (handles a sixth of the neighbours' distance along the path, as a
// Catmull-Rom spline gives), into out[0 .. count).
void BrushStrokeSegments(const BrushStamp* stamps, int32_t count, Segment* out);

}  // namespace vx
