// The real math and random suites.
#include <algorithm>
#include <cmath>

#include "host/art/art_suites.h"
#include "host/art/geometry.h"
#include "host/art/suites/suite_support.h"

namespace vx::host::art {
namespace {

AIReal PointLength(const AIRealPoint* a, const AIRealPoint* b) {
  if (!a || !b) return 0;
  return AIReal(std::hypot(double(b->h) - a->h, double(b->v) - a->v));
}
// The direction from a to b, radians in (-pi, pi].
AIReal PointAngle(const AIRealPoint* a, const AIRealPoint* b) {
  if (!a || !b) return 0;
  return AIReal(std::atan2(double(b->v) - a->v, double(b->h) - a->h));
}
void PointLengthAngle(AIReal length, AIReal angle, AIRealPoint* result) {
  if (!result) return;
  *result = {AIReal(length * std::cos(double(angle))),
             AIReal(length * std::sin(double(angle)))};
}
AIReal FixedToReal(AIFixed value) { return AIReal(double(value) / 65536.0); }
// Rounds to the nearest 1/65536, saturating at the 16.16 range.
AIFixed RealToFixed(AIReal value) {
  double v = std::round(double(value) * 65536.0);
  if (std::isnan(v)) return 0;
  if (v >= 2147483647.0) return INT32_MAX;
  if (v <= -2147483648.0) return INT32_MIN;
  return AIFixed(v);
}
void MatrixSetIdentity(AIRealMatrix* m) {
  if (m) *m = IdentityMatrix();
}
void MatrixConcat(const AIRealMatrix* a, const AIRealMatrix* b, AIRealMatrix* r) {
  if (a && b && r) *r = Concat(*a, *b);
}
void MatrixXformPoint(const AIRealMatrix* m, const AIRealPoint* p, AIRealPoint* r) {
  if (m && p && r) *r = Apply(*m, *p);
}
const AIRealMathSuite kRealMath = {PointLength,      PointAngle,
                                   PointLengthAngle, FixedToReal,
                                   RealToFixed,      MatrixSetIdentity,
                                   MatrixConcat,     MatrixXformPoint};

// Flattens by recursive halving until the control polygon is within
// flatness of the chord, then sums the chords (double precision).
double FlatLength(const AIRealPoint (&q)[4], double flatness, int depth) {
  auto dist = [](const AIRealPoint& a, const AIRealPoint& b) {
    return std::hypot(double(b.h) - a.h, double(b.v) - a.v);
  };
  const double chord = dist(q[0], q[3]);
  const double polygon = dist(q[0], q[1]) + dist(q[1], q[2]) + dist(q[2], q[3]);
  if (depth >= 24 || polygon - chord <= flatness * 0.01)
    return (polygon + chord) * 0.5;
  auto mid = [](const AIRealPoint& a, const AIRealPoint& b) {
    return AIRealPoint{AIReal((double(a.h) + b.h) * 0.5),
                       AIReal((double(a.v) + b.v) * 0.5)};
  };
  const AIRealPoint a = mid(q[0], q[1]), b = mid(q[1], q[2]), c = mid(q[2], q[3]);
  const AIRealPoint d = mid(a, b), e = mid(b, c), m = mid(d, e);
  const AIRealPoint left[4] = {q[0], a, d, m}, right[4] = {m, e, c, q[3]};
  return FlatLength(left, flatness, depth + 1) + FlatLength(right, flatness, depth + 1);
}
AIReal BezierLength(const AIRealBezier* bezier, AIReal flatness) {
  if (!bezier) return 0;
  const AIRealPoint q[4] = {bezier->p0, bezier->p1, bezier->p2, bezier->p3};
  return AIReal(FlatLength(q, std::max(double(flatness), 1e-4), 0));
}
ASErr BezierReserved() { return kNoErr; }
const AIRealBezierSuite kRealBezier = {BezierReserved, BezierLength};

AIReal FloatRnd() { return Documents().random().Next(); }
void SetRndSeed(int32_t seed) { Documents().random().Seed(seed); }
int32_t GetRndSeed() { return Documents().random().seed(); }
const AIRandomSuite kRandom = {FloatRnd, SetRndSeed, GetRndSeed};

}  // namespace

void RegisterMathSuites(Host& host) {
  SuiteRegistry& s = host.suites();
  s.Add(kAIRealMathSuite, kAIRealMathSuiteVersion, &kRealMath);
  s.Add(kAIRandomSuite, kAIRandomSuiteVersion, &kRandom);
  s.Add(kAIRealBezierSuite, kAIRealBezierSuiteVersion, &kRealBezier);
}

}  // namespace vx::host::art
