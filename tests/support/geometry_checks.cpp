#include "support/geometry_checks.h"

#include <algorithm>
#include <cmath>

namespace vx::test {
namespace {

AIRealPoint CubicAt(const Segment& a, const Segment& b, double t) {
  const double u = 1 - t;
  const double w0 = u * u * u, w1 = 3 * u * u * t, w2 = 3 * u * t * t, w3 = t * t * t;
  return {float(w0 * a.p.h + w1 * a.out.h + w2 * b.in.h + w3 * b.p.h),
          float(w0 * a.p.v + w1 * a.out.v + w2 * b.in.v + w3 * b.p.v)};
}

double SpanDistance(const AIRealPoint& p, const AIRealPoint& a, const AIRealPoint& b) {
  const double dx = double(b.h) - a.h, dy = double(b.v) - a.v;
  const double len2 = dx * dx + dy * dy;
  const double t = len2 > 0 ? std::clamp(((double(p.h) - a.h) * dx + (double(p.v) - a.v) * dy) / len2,
                                         0.0, 1.0)
                            : 0.0;
  return std::hypot(a.h + t * dx - p.h, a.v + t * dy - p.v);
}

}  // namespace

::testing::AssertionResult PointNear(AIRealPoint want, AIRealPoint got, double tolerance) {
  const bool near = tolerance == 0 ? want.h == got.h && want.v == got.v
                                   : std::fabs(double(want.h) - got.h) <= tolerance &&
                                         std::fabs(double(want.v) - got.v) <= tolerance;
  if (near) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "want " << want.h << "," << want.v << " got " << got.h
                                       << "," << got.v << " (tolerance " << tolerance << ")";
}

std::vector<AIRealPoint> SampleSegments(const Segment* segs, int count, bool closed,
                                        int perPiece) {
  std::vector<AIRealPoint> out;
  const int pieces = closed ? count : count - 1;
  for (int k = 0; k < pieces; ++k)
    for (int i = 0; i < perPiece; ++i)
      out.push_back(CubicAt(segs[k], segs[(k + 1) % count], double(i) / perPiece));
  if (!closed && count > 0) out.push_back(segs[count - 1].p);
  return out;
}

double MaxDistanceToPolyline(const std::vector<AIRealPoint>& from,
                             const std::vector<AIRealPoint>& to, bool closed) {
  double worst = 0;
  const size_t n = to.size();
  for (const AIRealPoint& p : from) {
    double best = INFINITY;
    for (size_t i = 0; i + 1 < n; ++i) best = std::min(best, SpanDistance(p, to[i], to[i + 1]));
    if (closed && n > 1) best = std::min(best, SpanDistance(p, to[n - 1], to[0]));
    worst = std::max(worst, best);
  }
  return worst;
}

}  // namespace vx::test
