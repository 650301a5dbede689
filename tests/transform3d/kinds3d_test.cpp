// The twelve deformations: set-up values and known points with their images.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "filters/kinds3d.h"
#include "geometry/projection.h"

namespace vx {
namespace {

constexpr AIRealRect kBounds{0.0f, 50.0f, 100.0f, 0.0f};  // W 100, H 50
constexpr float kSkip = std::numeric_limits<float>::quiet_NaN();
constexpr float kExact = -1.0f;  // EXPECT_EQ
constexpr float kUlps = 0.0f;    // EXPECT_FLOAT_EQ

TransformParams Record(int kind, float cursorH = 0.0f, float cursorV = 0.0f,
                       const AIRealRect& bounds = kBounds) {
  TransformParams p;
  ResetTransformParams(&p, kind);
  p.cursorH = cursorH;
  p.cursorV = cursorV;
  RebuildDerived(&p, bounds);
  return p;
}

Point3 Map(const TransformParams& p, Point3 v, ASErr* err = nullptr) {
  const ASErr e = p.mapper(&p, &v);
  if (err) *err = e;
  else EXPECT_EQ(kNoErr, e);
  return v;
}

float AngleOf(const Point3& v) { return std::atan2(v.y, v.x); }

void Check(float want, float got, float tol, const char* what) {
  if (std::isnan(want)) return;
  if (tol == kExact) EXPECT_EQ(want, got) << what;
  else if (tol == kUlps) EXPECT_FLOAT_EQ(want, got) << what;
  else EXPECT_NEAR(want, got, tol) << what;
}

void NoPostTurn(TransformParams* p) {
  p->postRotation[1] = 0.0f;
  UpdateRotations(p);
}

// Known points and their images; kSkip leaves a coordinate unchecked.
struct PointRow {
  const char* name;
  int kind;
  float h, v;
  void (*tweak)(TransformParams*);
  Point3 in, out;
  Point3 tol;  // per coordinate: kExact, kUlps or an absolute bound
};

TEST(Kinds3D, KnownPointsAndTheirImages) {
  const auto twist0 = [](TransformParams* p) { p->value[0] = 0.0f; };
  const auto twist90 = [](TransformParams* p) { p->value[0] = 90.0f; };
  const auto vOnly = [](TransformParams* p) { p->value[2] = 0.0f; };
  const auto hOnly = [](TransformParams* p) { p->value[0] = 0.0f; };
  const auto cone = [](TransformParams* p) {
    p->preRotation[0] = 0.0f;
    p->value[1] = 50.0f;
    NoPostTurn(p);
  };
  constexpr float E = kExact, U = kUlps, S = kSkip;
  const Point3 exact{E, E, E}, ulps{U, U, U};
  const PointRow rows[] = {
      {"twist 0 keeps points", kTwist, 0, 0, twist0, {-50, -25, 0}, {-50, -25, 0}, exact},
      {"twist 0 keeps points", kTwist, 0, 0, twist0, {33, 12.5f, 0}, {33, 12.5f, 0}, exact},
      {"twist 0 keeps points", kTwist, 0, 0, twist0, {0, 0, 0}, {0, 0, 0}, exact},
      {"twist left edge", kTwist, 0, 0, twist90, {-50, 10, 0}, {S, 10, S}, ulps},
      {"twist right edge turns 90", kTwist, 0, 0, twist90, {50, 10, 0}, {S, 0, 10}, {0, 1e-5f, 1e-5f}},
      // a = 120 deg x 25 / 100 = 30 deg, r = y = 10: (cos 60, sin 60) r.
      {"arc, cursor below", kArc, 0, -0.2f, nullptr, {25, 10, 0}, {5, 8.660254f, S}, ulps},
      {"arc, cursor above", kArc, 0, 0.2f, nullptr, {25, 10, 0}, {-5, S, S}, ulps},
      // Amplitude 20 % of the width (vertical) or of the height (horizontal).
      {"wave v only", kWaveHV, 0, 0, vOnly, {-12.5f, 6.25f, 0}, {-12.5f, -0.8210678f, S}, {E, 1e-5f, 0}},
      {"wave v only", kWaveHV, 0, 0, vOnly, {20, -20, 0}, {20, -10.489435f, S}, {E, 1e-5f, 0}},
      {"wave h only", kWaveHV, 0, 0, hOnly, {-12.5f, 6.25f, 0}, {-16.035534f, 6.25f, S}, {1e-5f, E, 0}},
      {"wave h only", kWaveHV, 0, 0, hOnly, {20, -20, 0}, {22.938926f, -20, S}, {1e-5f, E, 0}},
      {"wave z moves depth only", kWaveZ, 0, 0, nullptr, {12, -7, 0}, {12, -7, S}, exact},
      {"radial moves depth only", kWaveRadial, 0, 0, nullptr, {12, -7, 0}, {12, -7, S}, exact},
      // cos 0 at the centre: 20 % of the half diagonal hypot(50, 25), halved.
      {"radial centre", kWaveRadial, 0, 0, nullptr, {0, 0, 0}, {S, S, 5.5901699f}, ulps},
      {"sphere centre on the equator", kSphere, 0.3f, 0.4f, nullptr, {0, 0, 0}, {36.055513f, 0, 0}, {U, E, E}},
      {"torus outer side R1 + R2", kTorus, 0.2f, 0.8f, nullptr, {0, 0, 0}, {60, S, S}, ulps},
      // A quarter turn of 50 x 1/(2 pi) per unit along the axis.
      {"screw sinks", kScrew, 0, -0.1f, NoPostTurn, {0, 10, 0}, {0, S, -12.5f}, {1e-5f, 0, U}},
      {"cone halves the radius", kCylinderCone, 0, 0, cone, {0, 10, 0}, {0, 5, S}, {1e-5f, U, 0}},
      // R2 = 20, R1 = 40: y = 25 is half the small circumference, the inner
      // equator at R1 - R2.
      {"torus inner side R1 - R2", kTorus, 0.2f, 0.8f, nullptr, {0, 25, 0}, {20, S, S}, {1e-3f, 0, 0}},
      // x = 20 is 0.4 of a turn of 720 degrees over the width; the rise per
      // turn is 2 R2 x 200 % = 80.
      {"spiral rises per turn", kSpiral, 0.2f, 0.8f, NoPostTurn, {20, 0, 0}, {S, S, -32}, {0, 0, 1e-4f}},
  };
  for (const PointRow& r : rows) {
    TransformParams p = Record(r.kind, r.h, r.v);
    if (r.tweak) r.tweak(&p);
    ASSERT_EQ(kNoErr, SetUpKind(&p)) << r.name;
    const Point3 got = Map(p, r.in);
    Check(r.out.x, got.x, r.tol.x, r.name);
    Check(r.out.y, got.y, r.tol.y, r.name);
    Check(r.out.z, got.z, r.tol.z, r.name);
  }
}

// Set-up values after SetUpKind.
TEST(Kinds3D, SetUpValues) {
  struct Row {
    int kind;
    float h, v, value1;
    float TransformParams::*field;
    float want;
  };
  const float kKeep = kSkip;
  for (const Row& r : {
           Row{kArc, -0.1f, 0, 100, &TransformParams::radiusGain, 50},  // 100 % of H
           Row{kArc, 0.1f, 0, 100, &TransformParams::radiusGain, -50},
           // The sphere's R, the torus's R1 and R2 and the spiral's rise are
           // the known points' rows.
           Row{kSphere, 0.3f, 0.4f, kKeep, &TransformParams::circumference, 226.54346f},
           Row{kTwist, 0, 0, kKeep, &TransformParams::perspectiveDistance, 559.01699f},
       }) {
    TransformParams p = Record(r.kind, r.h, r.v);
    if (!std::isnan(r.value1)) p.value[1] = r.value1;
    SetUpKind(&p);
    EXPECT_FLOAT_EQ(r.want, p.*r.field) << r.kind;
  }
}

// Twirl: the turn at the centre (in units of the angle) and at the half diagonal.
TEST(Kinds3D, TwirlCycles) {
  for (const auto& [cycle, centreTurn] :
       {std::pair{1.0f, -1.0f}, {2.0f, 0.0f}, {3.0f, -1.0f}, {4.0f, 0.0f}}) {
    TransformParams p = Record(kTwirl);
    p.value[0] = 40.0f;
    p.value[1] = cycle;
    SetUpKind(&p);
    const float angle = 40.0f * 0.017453292f;
    EXPECT_NEAR(centreTurn * angle, AngleOf(Map(p, {1e-3f, 0, 0})), 1e-4) << cycle;
    const float s = p.halfDiagonal;
    const Point3 edge = Map(p, {s, 0.0f, 0.0f});
    EXPECT_NEAR(0.0f, AngleOf(edge), 1e-5) << cycle;
    EXPECT_NEAR(s, std::hypot(edge.x, edge.y), 1e-3) << cycle;
  }
}

TEST(Kinds3D, ZeroRadiusSetUps) {
  struct Case { int kind; float h, v; ASErr result; };
  for (const Case& c : {Case{kSphere, 0, 0, kZeroRadiusSetUp},
                        Case{kSphere, 0.3f, 0, kNoErr},
                        Case{kTorus, 0.3f, 0, kZeroRadiusSetUp},
                        Case{kTorus, 0, 0.3f, kZeroRadiusSetUp},
                        Case{kTorus, 0.3f, 0.3f, kNoErr},
                        Case{kSpiral, 0.3f, 0, kZeroRadiusSetUp},
                        Case{kSpiral, 0.2f, 0.4f, kNoErr}}) {
    TransformParams p = Record(c.kind, c.h, c.v);
    EXPECT_EQ(c.result, SetUpKind(&p)) << c.kind;
    EXPECT_EQ(p.boundsCentre.h, p.centre.h);
    EXPECT_EQ(p.boundsCentre.v, p.centre.v);
    // No coordinate that is not finite: the point collapses onto the axis,
    // or a guarded operation answers overflow.
    for (const Point3& in : {Point3{0, 0, 0}, Point3{7, -3, 2}, Point3{-20, 10, 0}}) {
      ASErr err = kNoErr;
      const Point3 out = Map(p, in, &err);
      if (err) EXPECT_EQ(kOverflowErr, err) << c.kind;
      else EXPECT_TRUE(std::isfinite(out.x) && std::isfinite(out.y) && std::isfinite(out.z)) << c.kind;
    }
  }
}

TEST(Kinds3D, GuardedOperationsOverflowOnAZeroWidth) {
  const AIRealRect flat{10.0f, 50.0f, 10.0f, 0.0f};
  for (int kind : {kArc, kScrew, kCylinderCone}) {
    TransformParams p = Record(kind, 0.0f, 0.0f, flat);
    SetUpKind(&p);
    ASErr err = kNoErr;
    Map(p, {0.0f, 5.0f, 0.0f}, &err);
    EXPECT_EQ(kOverflowErr, err) << kind;
  }
}

// Before mode: every kind shows only the pre-rotation, about z by -20
// degrees, then about x by 30 degrees.
TEST(Kinds3D, BeforeModeShowsOnlyThePreRotation) {
  const Point3 want{5.5517879f, -4.5147863f, -2.6066094f};
  for (int kind = kTwist; kind <= kCylinderCone; ++kind) {
    TransformParams p = Record(kind, 0.2f, 0.3f);
    p.afterMode = 0;
    p.preRotation[0] = 30.0f;
    p.preRotation[2] = -20.0f;
    UpdateRotations(&p);
    EXPECT_EQ(kNoErr, SetUpKind(&p));
    EXPECT_EQ(p.boundsCentre.h, p.centre.h);
    EXPECT_EQ(p.boundsCentre.v, p.centre.v);
    const Point3 v = Map(p, {7.0f, -3.0f, 0.0f});
    EXPECT_NEAR(want.x, v.x, 1e-5f) << kind;
    EXPECT_NEAR(want.y, v.y, 1e-5f) << kind;
    EXPECT_NEAR(want.z, v.z, 1e-5f) << kind;
  }
}

TEST(Kinds3D, SimpleRotationTurnsAboutTheCursorAndZeroPerspectiveIsInfinitelyFar) {
  TransformParams p = Record(kSimpleRotation, 0.1f, -0.2f);
  p.afterMode = 1;  // the mode does not matter for Simple Rotation
  SetUpKind(&p);
  EXPECT_FLOAT_EQ(50.0f + 10.0f, p.centre.h);
  EXPECT_FLOAT_EQ(25.0f - 10.0f, p.centre.v);
  TransformParams out = p;
  out.kind = 99;  // out of range behaves as Simple Rotation
  SetUpKind(&out);
  EXPECT_EQ(p.mapper, out.mapper);
  // A perspective of 0 has no finite distance.
  p.perspective = 0.0f;
  UpdatePerspectiveDistance(&p);
  EXPECT_FALSE(std::fabs(p.perspectiveDistance) < kFloatLimit);
}

}  // namespace
}  // namespace vx
