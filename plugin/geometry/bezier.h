// Cubic Bezier pieces of a segment array: the closeness test, the half-way
// split and the fixed sample points the subdividing mapper compares.
//
// A piece runs from segment i to segment i + 1 with the control polygon
// (p of i, out of i, in of i + 1, p of i + 1).
#pragma once

#include <cmath>
#include <cstdint>

#include "vx_sdk.h"

namespace vx {

// The largest segment count a mapped path may have; reaching it stops
// splitting and the path is not mapped.
constexpr int32_t kSegmentLimit = 8191;
// Segments in a mapping scratch array: the limit plus one spare.
constexpr int32_t kScratchSegments = 8192;

// True when |a.h - b.h| < tol and |a.v - b.v| < tol.
inline bool PointsClose(const AIRealPoint& a, const AIRealPoint& b, float tol) {
  return std::fabs(a.h - b.h) < tol && std::fabs(a.v - b.v) < tol;
}

// Inserts a segment at i + 1 that splits the piece i .. i + 1 at t = 0.5
// (de Casteljau); segments i + 1 .. count - 1 move up by one, so the array
// must hold count + 1 segments. A straight piece (both handles on their
// anchors) gets a plain midpoint with retracted handles. The new segment's
// corner flag is 0.
void SplitPieceAtHalf(Segment* segments, int32_t i, int32_t count);

// Bernstein weights of the fixed sample points. A sample near the far end
// uses the same weights on the reversed polygon (a3, a2, a1, a0).
struct CubicWeights {
  float w0, w1, w2, w3;
};
constexpr CubicWeights kWeightsNearEnd = {0.997002999f, 0.002994003f,
                                          2.997e-06f, 1e-09f};  // t = 0.001
constexpr CubicWeights kWeightsThird = {0.2962963f, 0.44444445f, 0.22222222f,
                                        0.037037037f};          // t = 1/3

// The point w0 a0 + w1 a1 + w2 a2 + w3 a3, summed in that order.
inline AIRealPoint CurvePoint(const CubicWeights& w, const AIRealPoint& a0,
                              const AIRealPoint& a1, const AIRealPoint& a2,
                              const AIRealPoint& a3) {
  return {w.w0 * a0.h + w.w1 * a1.h + w.w2 * a2.h + w.w3 * a3.h,
          w.w0 * a0.v + w.w1 * a1.v + w.w2 * a2.v + w.w3 * a3.v};
}

// Euclidean distance in float.
float Distance(const AIRealPoint& a, const AIRealPoint& b);

}  // namespace vx
