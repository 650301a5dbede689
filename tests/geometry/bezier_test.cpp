// The closeness test and the half-way split.
#include <gtest/gtest.h>

#include <vector>

#include "geometry/bezier.h"
#include "geometry_fixture.h"

namespace vx {
namespace {

using test::Corner;
using test::Seg;

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

// A split piece gets the de Casteljau points at t = 1/2 exactly (so both
// halves follow the original curve); a straight piece (both handles
// retracted) a retracted midpoint; later segments move up.
TEST(SplitPieceAtHalf, NewAnchorAndHandlesAreTheDeCasteljauPoints) {
  struct Row {
    const char* name;
    std::vector<Segment> in;
    int first, count;
    std::vector<Segment> want;
  };
  const float mid = 0x1.99999ap-3f;  // (0.1 + 0.3) / 2 in float
  const auto cornered = [](Segment s) {
    s.corner = 1;
    return s;
  };
  // a = (1, 2), b = (4, 4), c = (7, 2), d = (2.5, 3), e = (5.5, 3), m = (4, 3)
  const Row rows[] = {
      {"curved",
       {Seg({-5, -5}, {-6, -6}, {-4, -4}), cornered(Seg({0, 0}, {-1, 1}, {2, 4})),
        Seg({8, 0}, {6, 4}, {9, -1}), Corner({20, 20}), Corner({0, 0})},
       1, 4,
       {Seg({-5, -5}, {-6, -6}, {-4, -4}), cornered(Seg({0, 0}, {-1, 1}, {1, 2})), Seg({4, 3}, {2.5f, 3}, {5.5f, 3}),
        Seg({8, 0}, {7, 2}, {9, -1}), Corner({20, 20})}},
      {"straight",
       {Seg({0.1f, 1}, {-7, -7}, {0.1f, 1}), Seg({0.3f, 3}, {0.3f, 3}, {9, 9}), Corner({0, 0})},
       0, 2,
       {Seg({0.1f, 1}, {-7, -7}, {0.1f, 1}), Seg({mid, 2}, {mid, 2}, {mid, 2}),
        Seg({0.3f, 3}, {0.3f, 3}, {9, 9})}},
      // a = (0, 0), b = (4, 4), c = (8, 4), d = (2, 2), e = (6, 4), m = (4, 3)
      {"one retracted handle is not straight",
       {Corner({0, 0}), Seg({8, 0}, {8, 8}, {8, 0}), Corner({0, 0})},
       0, 2,
       {Seg({0, 0}, {0, 0}, {0, 0}), Seg({4, 3}, {2, 2}, {6, 4}), Seg({8, 0}, {8, 4}, {8, 0})}},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    std::vector<Segment> s = r.in;
    SplitPieceAtHalf(s.data(), r.first, r.count);
    for (size_t k = 0; k < r.want.size(); ++k)
      EXPECT_TRUE(test::SameSegments(&r.want[k], &s[k], 1)) << k;
  }
}

}  // namespace
}  // namespace vx
