// How far apart two outlines are: dense samples of cubic segment arrays and
// the largest distance from a set of points to a polyline (double precision).
#pragma once

#include <vector>

#include "vx_sdk.h"

namespace vx::test {

// `perPiece` samples of each cubic piece of the segments, the closing piece
// included when closed; an open array ends with its last anchor.
std::vector<AIRealPoint> SampleSegments(const Segment* segs, int count, bool closed,
                                        int perPiece);
// The largest distance from any point of `from` to the polyline `to`
// (closed: with the span from its last point back to the first).
double MaxDistanceToPolyline(const std::vector<AIRealPoint>& from,
                             const std::vector<AIRealPoint>& to, bool closed);

}  // namespace vx::test
