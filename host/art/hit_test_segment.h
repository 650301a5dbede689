// Hit testing a path's outline for the curve parameter under a point: the
// piece, t on it and the point of the curve there. Tools that insert anchors
// need this; the part hit test (host/art/hit_test.h) answers only parts.
#pragma once

#include "vx_sdk.h"

namespace vx::host::art {

class Art;
class Document;

struct SegmentHit {
  Art* art = nullptr;     // the path hit; null on a miss
  int segment = -1;       // first segment of the piece (or the anchor)
  bool onAnchor = false;  // an anchor lies within the tolerance
  double t = 0;           // curve parameter on the piece, 0 .. 1
  AIRealPoint point{};    // the curve's point at t
};

// The outline within tolerance (plus half the stroke width) of point, in
// art (null: the whole document, topmost art first; groups and compound
// paths are entered, plug-in group art and text are not). A path's anchor
// within tolerance answers before its pieces; among pieces the nearest
// wins. Hidden art is never hit.
SegmentHit HitTestSegment(const Document& doc, Art* art, AIRealPoint point,
                          AIReal tolerance);

// The hit-test suite's HitTestSegment.
ASErr HitTestSegmentSuite(AIArtHandle art, const AIRealPoint* point,
                          AIReal tolerance, AIHitSegmentResult* result);

}  // namespace vx::host::art
