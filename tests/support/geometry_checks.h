// Checks of geometry for tests: points compared with a tolerance, and how far
// apart two outlines are (dense samples of cubic segment arrays and the
// largest distance from a set of points to a polyline, in double precision).
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "vx_sdk.h"

namespace vx::test {

// Both coordinates within `tolerance` (0: exactly equal), for EXPECT_TRUE:
// EXPECT_TRUE(PointNear({30, 66}, p, 1e-3)) << i;
::testing::AssertionResult PointNear(AIRealPoint want, AIRealPoint got, double tolerance);

// `perPiece` samples of each cubic piece of the segments, the closing piece
// included when closed; an open array ends with its last anchor.
std::vector<AIRealPoint> SampleSegments(const Segment* segs, int count, bool closed,
                                        int perPiece);
// The largest distance from any point of `from` to the polyline `to`
// (closed: with the span from its last point back to the first).
double MaxDistanceToPolyline(const std::vector<AIRealPoint>& from,
                             const std::vector<AIRealPoint>& to, bool closed);

}  // namespace vx::test
