// Rotations, their composition order and the perspective projection.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "geometry/matrix3.h"
#include "geometry/projection.h"
#include "support/geometry_checks.h"

namespace vx {
namespace {

constexpr float kQuarter = 1.5707964f;

void ExpectNear(const Point3& want, const Point3& got) {
  EXPECT_NEAR(want.x, got.x, 1e-6f);
  EXPECT_NEAR(want.y, got.y, 1e-6f);
  EXPECT_NEAR(want.z, got.z, 1e-6f);
}

TEST(Matrix3, IdentityAndApplyUseRowMajorRows) {
  Matrix3 m;
  SetIdentity(&m);
  const float identity[9] = {1, 0, 0, 0, 1, 0, 0, 0, 1};
  for (int i = 0; i < 9; ++i) EXPECT_EQ(identity[i], m.m[i]) << i;
  const Matrix3 rows{{1, 2, 3, 4, 5, 6, 7, 8, 9}};
  Point3 v{1, 2, 3};
  Apply(rows, &v);
  EXPECT_EQ(14.0f, v.x);
  EXPECT_EQ(32.0f, v.y);
  EXPECT_EQ(50.0f, v.z);
}

TEST(Matrix3, QuarterTurnsAboutEachAxisAndEulerTurnsAboutZThenYThenX) {
  struct Case {
    float ax, ay, az;
    Point3 in, out;
  } cases[] = {
      // A quarter turn counter-clockwise about one axis.
      {kQuarter, 0, 0, {0, 1, 0}, {0, 0, 1}}, {kQuarter, 0, 0, {0, 0, 1}, {0, -1, 0}},
      {0, kQuarter, 0, {0, 0, 1}, {1, 0, 0}}, {0, kQuarter, 0, {1, 0, 0}, {0, 0, -1}},
      {0, 0, kQuarter, {1, 0, 0}, {0, 1, 0}}, {0, 0, kQuarter, {0, 1, 0}, {-1, 0, 0}},
      // z first takes x to y, then x takes y to z.
      {kQuarter, 0, kQuarter, {1, 0, 0}, {0, 0, 1}},
      // z first takes x to y, which y leaves alone.
      {0, kQuarter, kQuarter, {1, 0, 0}, {0, 1, 0}},
      // y first takes z to x, then x leaves it.
      {kQuarter, kQuarter, 0, {0, 0, 1}, {1, 0, 0}},
  };
  for (const Case& c : cases) {
    Matrix3 m;
    EulerXYZ(&m, c.ax, c.ay, c.az);
    Point3 v = c.in;
    Apply(m, &v);
    ExpectNear(c.out, v);
  }
}

TEST(Matrix3, MultiplyInPlaceAccumulatesAndToleratesAliasing) {
  Matrix3 a, twice;
  RotationZ(&a, 0.3f);
  MultiplyInPlace(&a, a);
  RotationZ(&twice, 0.6f);
  for (int i = 0; i < 9; ++i) EXPECT_NEAR(twice.m[i], a.m[i], 1e-6f) << i;

  const Matrix3 l{{1, 2, 0, 0, 1, 0, 0, 0, 1}}, r{{1, 0, 0, 3, 1, 0, 0, 0, 2}};
  Matrix3 p = l;
  MultiplyInPlace(&p, r);
  const float want[9] = {7, 2, 0, 3, 1, 0, 0, 0, 2};
  for (int i = 0; i < 9; ++i) EXPECT_EQ(want[i], p.m[i]) << i;
}

struct ProjectCase {
  const char* what;
  float d;
  Point3 v;
  AIRealPoint want;
  bool behind;
};

TEST(Project, PerspectiveFactorBehindTestAndInfiniteDistances) {
  const float inf = std::numeric_limits<float>::infinity();
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const ProjectCase cases[] = {
      {"f = 10/7", 10.0f, {1.5f, -2.25f, 3.0f}, {0x1.124924p+1f, -0x1.9b6db8p+1f}, false},
      {"on the page", 10.0f, {4.0f, 5.0f, 0.0f}, {4.0f, 5.0f}, false},
      {"exactly at the view point", 10.0f, {4.0f, 5.0f, 10.0f}, {4.0f, 5.0f}, true},
      {"just in front", 10.0f, {4.0f, 5.0f, 0x1.3ffffep+3f}, {0x1.4p+25f, 0x1.9p+25f}, false},
      {"beyond the view point", 10.0f, {4.0f, 5.0f, 20.0f}, {-4.0f, -5.0f}, true},
      {"infinite distance", inf, {3.0f, 4.0f, 50.0f}, {3.0f, 4.0f}, false},
      {"distance at the float limit", 3.4028235e37f, {3.0f, 4.0f, 50.0f}, {3.0f, 4.0f}, false},
      {"negative limit", -3.4028235e37f, {3.0f, 4.0f, -50.0f}, {3.0f, 4.0f}, true},
      {"no distance", nan, {3.0f, 4.0f, 50.0f}, {3.0f, 4.0f}, false},
  };
  for (const ProjectCase& c : cases) {
    AIRealPoint out{};
    EXPECT_EQ(c.behind, Project(c.d, c.v, &out)) << c.what;
    EXPECT_TRUE(test::PointNear(c.want, out, 0)) << c.what;
    AIRealPoint flipped{};
    EXPECT_EQ(c.behind, ProjectFlipped(c.d, c.v, &flipped)) << c.what;
    EXPECT_TRUE(test::PointNear({c.want.h, -c.want.v}, flipped, 0)) << c.what;
  }
}

}  // namespace
}  // namespace vx
