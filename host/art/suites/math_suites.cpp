// The real math and random suites.
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

AIReal FloatRnd() { return Documents().random().Next(); }
void SetRndSeed(int32_t seed) { Documents().random().Seed(seed); }
int32_t GetRndSeed() { return Documents().random().seed(); }
const AIRandomSuite kRandom = {FloatRnd, SetRndSeed, GetRndSeed};

}  // namespace

void RegisterMathSuites(Host& host) {
  SuiteRegistry& s = host.suites();
  s.Add(kAIRealMathSuite, kAIRealMathSuiteVersion, &kRealMath);
  s.Add(kAIRandomSuite, kAIRandomSuiteVersion, &kRandom);
}

}  // namespace vx::host::art
