// The Roughening geometry: anchor spacing from the horizontal drag, pushes
// from the vertical drag, the area, Corner and Smooth, the segment limit.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "geometry/bezier.h"
#include "host/art/random.h"
#include "support/test_paths.h"
#include "tools/roughen.h"

namespace vx {
namespace {

host::art::Random gRandom;
AIReal NextRandom() { return gRandom.Next(); }

struct Result {
  std::vector<Segment> segments;
  int32_t count = 0;
};

Result Roughen(const char* svg, RoughenStep step, int32_t seed = 1) {
  const test::TestPath path = test::PathFromSvg(svg);
  gRandom.Seed(seed);
  step.random = NextRandom;
  Result r;
  r.segments.resize(kScratchSegments);
  RoughenSegments(step, path.segments.data(), int32_t(path.segments.size()),
                  path.closed, r.segments.data(), &r.count);
  r.segments.resize(size_t(std::min(r.count, kScratchSegments)));
  return r;
}

RoughenStep Step(float dragH, float dragV, bool smooth = false) {
  return {{0, 0}, 100.0f, dragH, dragV, smooth, nullptr};
}

// A horizontal drag of d sets the spacing 72 / d: a straight line inside the
// area is halved until its anchors are no more than that apart.
TEST(Roughen, HorizontalDragSetsTheAnchorSpacing) {
  struct Case {
    const char* svg;
    float dragH;
    int32_t anchors;
    float spacing;
  } cases[] = {
      {"M -24,0 L 24,0", 72.0f, 65, 0.75f},    // about 1 point apart
      {"M -30,0 L 30,0", 7.2f, 9, 7.5f},       // about 10 points apart
      {"M -30,0 L 30,0", -7.2f, 9, 7.5f},      // to the left the same
      {"M -24,0 L 24,0", 720.0f, 65, 0.75f},   // never below 1 point
      {"M -30,0 L 30,0", 0.0f, 2, 60.0f},      // a vertical drag adds none
  };
  for (const Case& c : cases) {
    const Result r = Roughen(c.svg, Step(c.dragH, 0.0f));
    ASSERT_EQ(c.anchors, r.count) << c.dragH;
    for (int32_t i = 0; i + 1 < r.count; ++i)
      EXPECT_NEAR(c.spacing, r.segments[size_t(i) + 1].p.h - r.segments[size_t(i)].p.h, 1e-5f);
  }
}

// Pieces wholly outside the area are neither split nor pushed; anchors
// outside never move.
TEST(Roughen, OnlyTheAreaChanges) {
  const Result outside = Roughen("M 200,0 L 300,0 L 300,100", Step(72.0f, 50.0f));
  ASSERT_EQ(3, outside.count);
  EXPECT_EQ(300.0f, outside.segments[1].p.h);
  EXPECT_EQ(0.0f, outside.segments[1].p.v);
  // Half in: halves go on while a piece still has an anchor in the area
  // (60, 70, 80, 90, 100, 140); anchors on or past the edge do not move.
  const Result half = Roughen("M 60,0 L 140,0", Step(7.2f, 40.0f));
  ASSERT_EQ(6, half.count);
  EXPECT_EQ(100.0f, half.segments[4].p.h);
  EXPECT_EQ(0.0f, half.segments[4].p.v);
  EXPECT_EQ(140.0f, half.segments[5].p.h);
  EXPECT_EQ(0.0f, half.segments[5].p.v);
}

// Every anchor in the area moves across the path by (u - 0.5) |dragV| for
// the next random value u; Corner puts the handles on the anchor, Smooth
// moves them with it (a third of the span off, from the straight line).
TEST(Roughen, VerticalDragPushesAcrossThePath) {
  const float h[] = {-40.0f, 0.0f, 40.0f};
  for (bool smooth : {false, true}) {
    const Result r = Roughen("M -40,0 L 0,0 L 40,0", Step(0.0f, 30.0f, smooth), 7);
    ASSERT_EQ(3, r.count);
    gRandom.Seed(7);
    for (size_t i = 0; i < 3; ++i) {
      const Segment& s = r.segments[i];
      const float m = (gRandom.Next() - 0.5f) * 30.0f;
      EXPECT_NEAR(m, s.p.v, 1e-5f);
      EXPECT_NEAR(h[i], s.p.h, 1e-5f);
      EXPECT_EQ(s.p.v, s.in.v);
      EXPECT_EQ(s.p.v, s.out.v);
      EXPECT_NEAR(smooth && i < 2 ? 40.0f / 3.0f : 0.0f, s.out.h - s.p.h, 1e-5f);
    }
  }
}

// Splitting stops at the segment limit; such a result is not to be used.
TEST(Roughen, StopsAtTheSegmentLimit) {
  // 40 diagonals of 198 points at a spacing of 1: 256 pieces each.
  std::string zigzag = "M -70,-70";
  for (int i = 0; i < 40; ++i) zigzag += i % 2 ? " L -70,-70" : " L 70,70";
  const Result r = Roughen(zigzag.c_str(), Step(72.0f, 5.0f));
  EXPECT_EQ(kSegmentLimit, r.count);
}

}  // namespace
}  // namespace vx
