// Geometry of art: matrices, bounds and transforming art. Coordinates are
// page points with y up; a rectangle's top is its larger y.
#pragma once

#include <cstdint>

#include "vx_sdk.h"

namespace vx::host::art {

class Art;
class Document;

AIRealMatrix IdentityMatrix();
// The matrix that applies first, then second.
AIRealMatrix Concat(const AIRealMatrix& first, const AIRealMatrix& second);
AIRealPoint Apply(const AIRealMatrix& m, AIRealPoint p);
bool IsIdentity(const AIRealMatrix& m);

// A rectangle that grows to hold points; empty until the first one.
struct BoundsBuilder {
  bool empty = true;
  double left = 0, top = 0, right = 0, bottom = 0;
  void Add(double x, double y);
  void Add(const AIRealRect& r);
  // The rectangle, or all zeros when empty.
  AIRealRect Rect() const;
};

// Bounds of art under a matrix (null: identity) with the flags of
// GetArtTransformBounds: by default the exact extent of the curves;
// kControlBounds takes control points too; kVisibleBounds adds half the
// stroke width of stroked paths (kNoStrokeBounds cancels that). Hidden art
// counts. Art without geometry gives an empty builder.
BoundsBuilder ArtBounds(const Art& art, const AIRealMatrix* matrix,
                        int32_t flags);

// Exact bounds of the Bezier piece p0, c1, c2, p3 added to b.
void AddCubicBounds(BoundsBuilder& b, AIRealPoint p0, AIRealPoint c1,
                    AIRealPoint c2, AIRealPoint p3);

// Transforms art as the transform-art suite does. flags: kTransformObjects
// moves the geometry (segments, text start points, opaque bounds);
// kTransformFillGradients / kTransformFillPatterns / kTransformStrokePatterns
// concatenate the matrix to the gradient or pattern of fill or stroke;
// kScaleLines multiplies stroke widths (and dashes) by lineScale. Groups
// and compound paths pass it to their members, plug-in group art to its
// edit and result groups.
int32_t TransformArt(Document& doc, Art& art, const AIRealMatrix& matrix,
                     AIReal lineScale, int32_t flags);

}  // namespace vx::host::art
