// The closeness test and the half-way split.
#include <gtest/gtest.h>

#include <vector>

#include "geometry/bezier.h"
#include "geometry_fixture.h"

namespace vx {
namespace {

using test::Corner;
using test::Seg;

void ExpectPoint(const AIRealPoint& want, const AIRealPoint& got,
                 const char* what) {
  EXPECT_EQ(want.h, got.h) << what;
  EXPECT_EQ(want.v, got.v) << what;
}

TEST(PointsClose, BothCoordinatesStrictlyInsideTheTolerance) {
  struct Case {
    AIRealPoint a, b;
    float tol;
    bool close;
  } cases[] = {
      {{0, 0}, {0.49f, -0.49f}, 0.5f, true},
      {{0, 0}, {0.5f, 0}, 0.5f, false},   // strict in x
      {{0, 0}, {0, -0.5f}, 0.5f, false},  // strict in y
      {{1, 1}, {1, 1}, 0.0f, false},      // nothing is closer than 0
      {{10, 10}, {10.00009f, 9.99991f}, 0.0001f, true},
      {{-3, 2}, {-3.2f, 2.0f}, 0.1f, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.close, PointsClose(c.a, c.b, c.tol));
    EXPECT_EQ(c.close, PointsClose(c.b, c.a, c.tol));
  }
}

TEST(SplitPieceAtHalf, CurvedPieceGetsTheDeCasteljauPoints) {
  std::vector<Segment> s = {Seg({-5, -5}, {-6, -6}, {-4, -4}),
                            Seg({0, 0}, {-1, 1}, {2, 4}),
                            Seg({8, 0}, {6, 4}, {9, -1}),
                            Corner({20, 20}), Corner({0, 0})};
  s[1].corner = 1;
  SplitPieceAtHalf(s.data(), 1, 4);
  // a = (1, 2), b = (4, 4), c = (7, 2), d = (2.5, 3), e = (5.5, 3), m = (4, 3)
  ExpectPoint({1, 2}, s[1].out, "first out = a");
  ExpectPoint({-1, 1}, s[1].in, "first in kept");
  ExpectPoint({0, 0}, s[1].p, "first anchor kept");
  EXPECT_EQ(1, s[1].corner);
  ExpectPoint({4, 3}, s[2].p, "new anchor = m");
  ExpectPoint({2.5f, 3}, s[2].in, "new in = d");
  ExpectPoint({5.5f, 3}, s[2].out, "new out = e");
  EXPECT_EQ(0, s[2].corner);
  ExpectPoint({7, 2}, s[3].in, "second in = c");
  ExpectPoint({8, 0}, s[3].p, "second anchor kept");
  ExpectPoint({9, -1}, s[3].out, "second out kept");
  ExpectPoint({20, 20}, s[4].p, "later segments move up by one");
  ExpectPoint({-5, -5}, s[0].p, "earlier segments stay");
}

TEST(SplitPieceAtHalf, HalvesFollowTheOriginalCurve) {
  std::vector<Segment> s = {Seg({0.1f, 0.3f}, {0, 0}, {13.7f, 40.2f}),
                            Seg({97.5f, -12.25f}, {51.3f, -60.9f}, {0, 0}),
                            Corner({0, 0})};
  const std::vector<AIRealPoint> before = test::SampleSegments(s.data(), 2, false, 400);
  SplitPieceAtHalf(s.data(), 0, 2);
  const std::vector<AIRealPoint> after = test::SampleSegments(s.data(), 3, false, 200);
  EXPECT_LT(test::MaxDistanceToPolyline(after, before, false), 1e-3);
  EXPECT_LT(test::MaxDistanceToPolyline(before, after, false), 1e-3);
}

TEST(SplitPieceAtHalf, StraightPieceGetsARetractedMidpoint) {
  std::vector<Segment> s = {Seg({0.1f, 1}, {-7, -7}, {0.1f, 1}),
                            Seg({0.3f, 3}, {0.3f, 3}, {9, 9}), Corner({0, 0})};
  SplitPieceAtHalf(s.data(), 0, 2);
  const AIRealPoint mid{0x1.99999ap-3f, 2.0f};  // (0.1 + 0.3) / 2 in float
  ExpectPoint(mid, s[1].p, "midpoint");
  ExpectPoint(mid, s[1].in, "retracted in");
  ExpectPoint(mid, s[1].out, "retracted out");
  ExpectPoint({0.1f, 1}, s[0].out, "first handle stays on its anchor");
  ExpectPoint({0.3f, 3}, s[2].in, "second handle stays on its anchor");
  ExpectPoint({9, 9}, s[2].out, "far handle kept");
}

TEST(SplitPieceAtHalf, OneRetractedHandleIsNotStraight) {
  std::vector<Segment> s = {Corner({0, 0}), Seg({8, 0}, {8, 8}, {8, 0}),
                            Corner({0, 0})};
  SplitPieceAtHalf(s.data(), 0, 2);
  // a = (0, 0), b = (4, 4), c = (8, 4), d = (2, 2), e = (6, 4), m = (4, 3)
  ExpectPoint({4, 3}, s[1].p, "de Casteljau midpoint");
  ExpectPoint({2, 2}, s[1].in, "d");
  ExpectPoint({6, 4}, s[1].out, "e");
}

}  // namespace
}  // namespace vx
