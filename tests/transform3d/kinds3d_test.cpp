// The twelve deformations: set-up values and the mapping of single points,
// with the exact constants of each kind.
#include <gtest/gtest.h>

#include <cmath>

#include "filters/kinds3d.h"
#include "geometry/projection.h"

namespace vx {
namespace {

constexpr AIRealRect kBounds{0.0f, 50.0f, 100.0f, 0.0f};  // W 100, H 50

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

TEST(Kinds3D, TwistZeroWithoutRotationsIsIdentity) {
  TransformParams p = Record(kTwist);
  p.value[0] = 0.0f;
  ASSERT_EQ(kNoErr, SetUpKind(&p));
  for (float x : {-50.0f, -10.0f, 0.0f, 33.0f, 50.0f})
    for (float y : {-25.0f, 0.0f, 12.5f}) {
      const Point3 v = Map(p, {x, y, 0.0f});
      EXPECT_EQ(x, v.x);
      EXPECT_EQ(y, v.y);
      EXPECT_EQ(0.0f, v.z);
    }
}

TEST(Kinds3D, TwistTurnsTheRightEdgeByTheAngle) {
  TransformParams p = Record(kTwist);
  p.value[0] = 90.0f;
  SetUpKind(&p);
  const Point3 left = Map(p, {-50.0f, 10.0f, 0.0f});
  EXPECT_FLOAT_EQ(10.0f, left.y);
  const Point3 right = Map(p, {50.0f, 10.0f, 0.0f});
  EXPECT_NEAR(0.0f, right.y, 1e-5);
  EXPECT_NEAR(10.0f, right.z, 1e-5);
}

TEST(Kinds3D, ArcFollowsTheFormulaAndBendsTheOtherWayWithTheCursorAbove) {
  TransformParams below = Record(kArc, 0.0f, -0.2f);
  TransformParams above = Record(kArc, 0.0f, 0.2f);
  SetUpKind(&below);
  SetUpKind(&above);
  EXPECT_EQ(below.angle, -above.signedAngle);
  const Point3 b = Map(below, {25.0f, 10.0f, 0.0f});
  const Point3 a = Map(above, {25.0f, 10.0f, 0.0f});
  // x = cos(pi/2 - a) r, a = 120 deg * 25 / 100, r = y.
  const float angle = 120.0f * 0.017453292f * 25.0f / 100.0f;
  EXPECT_FLOAT_EQ(std::cos(1.5707964f - angle) * 10.0f, b.x);
  EXPECT_FLOAT_EQ(std::sin(1.5707964f - angle) * 10.0f, b.y);
  EXPECT_GT(b.x, 0.0f);
  EXPECT_LT(a.x, 0.0f);
  EXPECT_FLOAT_EQ(-b.x, a.x);
}

TEST(Kinds3D, ArcRadiusGrowsPerTurnAndItsSignFollowsTheCursor) {
  TransformParams p = Record(kArc, -0.1f, 0.0f);
  p.value[1] = 100.0f;
  SetUpKind(&p);
  EXPECT_FLOAT_EQ(50.0f, p.radiusGain);  // 100 % of the height
  TransformParams right = Record(kArc, 0.1f, 0.0f);
  right.value[1] = 100.0f;
  SetUpKind(&right);
  EXPECT_FLOAT_EQ(-50.0f, right.radiusGain);
}

// Twirl: the turn at the centre and at the half diagonal for each cycle.
struct TwirlCase {
  float cycle;
  float centreTurn;  // in units of the angle
};
class TwirlCycles : public ::testing::TestWithParam<TwirlCase> {};
TEST_P(TwirlCycles, CentreAndEdge) {
  TransformParams p = Record(kTwirl);
  p.value[0] = 40.0f;
  p.value[1] = GetParam().cycle;
  SetUpKind(&p);
  const float angle = 40.0f * 0.017453292f;
  const Point3 nearCentre = Map(p, {1e-3f, 0.0f, 0.0f});
  EXPECT_NEAR(GetParam().centreTurn * angle, AngleOf(nearCentre), 1e-4);
  const float s = p.halfDiagonal;
  const Point3 edge = Map(p, {s, 0.0f, 0.0f});
  EXPECT_NEAR(0.0f, AngleOf(edge), 1e-5);
  EXPECT_NEAR(s, std::hypot(edge.x, edge.y), 1e-3);
}
INSTANTIATE_TEST_SUITE_P(Kinds3D, TwirlCycles,
                         ::testing::Values(TwirlCase{1, -1}, TwirlCase{2, 0},
                                           TwirlCase{3, -1}, TwirlCase{4, 0}));

TEST(Kinds3D, WaveHVWithOneAmplitudeZeroMovesOneWayOnly) {
  TransformParams vOnly = Record(kWaveHV);
  vOnly.value[2] = 0.0f;
  SetUpKind(&vOnly);
  TransformParams hOnly = Record(kWaveHV);
  hOnly.value[0] = 0.0f;
  SetUpKind(&hOnly);
  for (float x : {-40.0f, -12.5f, 20.0f})
    for (float y : {-20.0f, 6.25f}) {
      const Point3 a = Map(vOnly, {x, y, 0.0f});
      EXPECT_EQ(x, a.x);
      EXPECT_NEAR(y + std::sin(6.2831855f * x / 100.0f) * 20.0f * 0.5f, a.y,
                  1e-5);  // amplitude 20 % of the width
      const Point3 b = Map(hOnly, {x, y, 0.0f});
      EXPECT_EQ(y, b.y);
      EXPECT_NEAR(x - std::sin(6.2831855f * y / 50.0f) * 10.0f * 0.5f, b.x,
                  1e-5);  // 20 % of the height
    }
}

TEST(Kinds3D, WaveZAndRadialOnlyMoveDepth) {
  for (int kind : {kWaveZ, kWaveRadial}) {
    TransformParams p = Record(kind);
    SetUpKind(&p);
    const Point3 v = Map(p, {12.0f, -7.0f, 0.0f});
    EXPECT_EQ(12.0f, v.x) << kind;
    EXPECT_EQ(-7.0f, v.y) << kind;
  }
  TransformParams r = Record(kWaveRadial);
  SetUpKind(&r);
  const Point3 c = Map(r, {0.0f, 0.0f, 0.0f});
  EXPECT_FLOAT_EQ(r.halfDiagonal * 0.2f * 0.5f, c.z);  // cos 0 at the centre
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
  }
}

TEST(Kinds3D, SphereCentreLiesOnTheEquator) {
  TransformParams p = Record(kSphere, 0.3f, 0.4f);  // R = hypot(30, 20)
  SetUpKind(&p);
  const float r = std::hypot(30.0f, 20.0f);
  EXPECT_FLOAT_EQ(r, p.R);
  EXPECT_FLOAT_EQ(r * 3.1415927f + r * 3.1415927f, p.circumference);
  const Point3 v = Map(p, {0.0f, 0.0f, 0.0f});
  EXPECT_FLOAT_EQ(r, v.x);
  EXPECT_EQ(0.0f, v.y);
  EXPECT_EQ(0.0f, v.z);
}

TEST(Kinds3D, TorusOuterAndInnerSides) {
  TransformParams p = Record(kTorus, 0.2f, 0.8f);  // R2 = 20, R1 = 40
  SetUpKind(&p);
  EXPECT_FLOAT_EQ(40.0f, p.R1);
  EXPECT_FLOAT_EQ(20.0f, p.R2);
  const Point3 outer = Map(p, {0.0f, 0.0f, 0.0f});
  EXPECT_FLOAT_EQ(60.0f, outer.x);
  // y1 = scaleY y = half: the inner equator, rho = R1 - R2.
  const float half = 20.0f * 6.2831855f * 0.5f;
  const Point3 inner = Map(p, {0.0f, half / p.scaleY, 0.0f});
  EXPECT_NEAR(20.0f, inner.x, 1e-3);
}

TEST(Kinds3D, SpiralRisesByZGainPerTurn) {
  TransformParams p = Record(kSpiral, 0.2f, 0.8f);
  p.postRotation[1] = 0.0f;
  UpdateRotations(&p);
  SetUpKind(&p);
  EXPECT_FLOAT_EQ(40.0f * 2.0f, p.zGain);  // (R2 + R2) x 200 %
  const float x = 20.0f;
  const float turns = p.scaleX * x / p.circumference;
  const Point3 v = Map(p, {x, 0.0f, 0.0f});
  EXPECT_FLOAT_EQ(-turns * p.zGain, v.z);
}

TEST(Kinds3D, ScrewSinksAlongZ) {
  TransformParams p = Record(kScrew, 0.0f, -0.1f);
  p.postRotation[1] = 0.0f;
  UpdateRotations(&p);
  SetUpKind(&p);
  const Point3 v = Map(p, {0.0f, 10.0f, 0.0f});
  EXPECT_NEAR(0.0f, v.x, 1e-5);
  EXPECT_FLOAT_EQ(-1.5707964f * 0.15915494f * 50.0f, v.z);
}

TEST(Kinds3D, CylinderConeScalesTheRadius) {
  TransformParams p = Record(kCylinderCone);
  p.preRotation[0] = 0.0f;
  p.postRotation[1] = 0.0f;
  p.value[1] = 50.0f;
  UpdateRotations(&p);
  SetUpKind(&p);
  const Point3 v = Map(p, {0.0f, 10.0f, 0.0f});
  EXPECT_NEAR(0.0f, v.x, 1e-5);
  EXPECT_FLOAT_EQ(5.0f, v.y);
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

TEST(Kinds3D, BeforeModeShowsOnlyThePreRotation) {
  for (int kind = kTwist; kind <= kCylinderCone; ++kind) {
    TransformParams p = Record(kind, 0.2f, 0.3f);
    p.afterMode = 0;
    p.preRotation[0] = 30.0f;
    p.preRotation[2] = -20.0f;
    UpdateRotations(&p);
    EXPECT_EQ(kNoErr, SetUpKind(&p));
    EXPECT_EQ(p.boundsCentre.h, p.centre.h);
    EXPECT_EQ(p.boundsCentre.v, p.centre.v);
    Point3 expected{7.0f, -3.0f, 0.0f};
    Apply(p.preMatrix, &expected);
    const Point3 v = Map(p, {7.0f, -3.0f, 0.0f});
    EXPECT_EQ(expected.x, v.x) << kind;
    EXPECT_EQ(expected.y, v.y) << kind;
    EXPECT_EQ(expected.z, v.z) << kind;
  }
}

TEST(Kinds3D, SimpleRotationTurnsAboutTheCursor) {
  TransformParams p = Record(kSimpleRotation, 0.1f, -0.2f);
  p.afterMode = 1;  // the mode does not matter for Simple Rotation
  SetUpKind(&p);
  EXPECT_FLOAT_EQ(50.0f + 10.0f, p.centre.h);
  EXPECT_FLOAT_EQ(25.0f - 10.0f, p.centre.v);
  TransformParams out = p;
  out.kind = 99;  // out of range behaves as Simple Rotation
  SetUpKind(&out);
  EXPECT_EQ(p.mapper, out.mapper);
}

TEST(Kinds3D, PerspectiveDistanceFollowsThePercent) {
  TransformParams p = Record(kTwist);
  EXPECT_FLOAT_EQ(std::hypot(50.0f, 25.0f) / 0.1f, p.perspectiveDistance);
  p.perspective = 0.0f;
  UpdatePerspectiveDistance(&p);
  EXPECT_FALSE(std::fabs(p.perspectiveDistance) < kFloatLimit);
}

}  // namespace
}  // namespace vx
