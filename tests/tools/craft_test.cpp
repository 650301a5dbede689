// The Craft tool's geometry: the distortion of a path through the area
// sweep, the anchor that Alt+Shift-click inserts without changing the
// outline, and the host's hit test of outlines.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "area_fixture.h"
#include "geometry/bezier.h"
#include "host/art/hit_test_segment.h"
#include "shell/suites.h"
#include "support/allocation_sweep.h"
#include "support/geometry_checks.h"
#include "tools/craft_distort.h"

namespace vx {
namespace {

using test::PathFromSvg;
using test::StepAt;

// The largest distance from a sample of `before` (100 points in all) to the
// densely sampled outline of `after`.
double OutlineChange(const std::vector<Segment>& before, const std::vector<Segment>& after,
                     bool closed) {
  const int pieces = int(closed ? before.size() : before.size() - 1);
  return test::MaxDistanceToPolyline(
      test::SampleSegments(before.data(), int(before.size()), closed, 100 / pieces),
      test::SampleSegments(after.data(), int(after.size()), closed, 400), closed);
}

TEST(CraftAnchor, InsertingKeepsTheOutline) {
  struct Case {
    const char* svg;
    int piece;
    float t;
    int index;  // of the new anchor
  };
  const Case cases[] = {
      {"M 0,0 C 30,60 70,60 100,0 C 120,-40 160,-40 200,0", 0, 0.3f, 1},
      {"M 0,0 C 30,60 70,60 100,0 C 120,-40 160,-40 200,0", 1, 0.75f, 2},
      {"M 0,0 L 100,0 L 100,100 C 60,140 20,120 0,100 Z", 2, 0.5f, 3},
      {"M 0,0 L 100,0 L 100,100 C 60,140 20,120 0,100 Z", 3, 0.25f, 4},  // closing
      {"M 0,0 L 100,50", 0, 0.4f, 1},  // straight: a corner on the line
  };
  for (const Case& c : cases) {
    const test::TestPath path = PathFromSvg(c.svg);
    const int n = int(path.segments.size());
    std::vector<Segment> out(n + 1);
    ASSERT_EQ(c.index, InsertAnchor(path.segments.data(), n, path.closed, c.piece, c.t,
                                    out.data())) << c.svg;
    EXPECT_LT(OutlineChange(path.segments, out, path.closed), 0.01) << c.svg;
    EXPECT_LT(OutlineChange(out, path.segments, path.closed), 0.01) << c.svg;
  }
  const test::TestPath line = PathFromSvg("M 0,0 L 100,50");
  std::vector<Segment> out(3);
  InsertAnchor(line.segments.data(), 2, false, 0, 0.4f, out.data());
  EXPECT_EQ(40.0f, out[1].p.h);
  EXPECT_EQ(out[1].p.h, out[1].in.h);
  EXPECT_EQ(1, out[1].corner);
  for (float t : {0.0f, 1.0f, NAN})
    EXPECT_EQ(-1, InsertAnchor(line.segments.data(), 2, false, 0, t, out.data()));
  EXPECT_EQ(-1, InsertAnchor(line.segments.data(), 2, false, 1, 0.5f, out.data()));
}

TEST(CraftDistort, FreeBulgesInsideAndPinchDoublesNearTheCentre) {
  std::vector<Segment> out(kScratchSegments);
  int32_t count = 0;
  // A straight line across the area, dragged up 30 points from its middle.
  const test::TestPath line = PathFromSvg("M -150,0 L 150,0");
  ASSERT_EQ(0, DistortSegments(StepAt(kSweepFree, 2, {0, 30}), line.segments.data(), 2,
                               false, out.data(), &count));
  ASSERT_GT(count, 4);  // anchors were added inside the area
  EXPECT_EQ(-150.0f, out[0].p.h);
  EXPECT_EQ(150.0f, out[count - 1].p.h);
  double top = 0;
  for (int i = 0; i < count; ++i) {
    top = std::max(top, double(out[i].p.v));
    if (std::fabs(out[i].p.h) >= 100) {
      EXPECT_EQ(0.0f, out[i].p.v);
    }
  }
  EXPECT_NEAR(30.0, top, 1.0);  // the middle followed the drag
  // Entirely outside: the path stays as it was.
  const test::TestPath far = PathFromSvg("M -50,300 C 0,350 50,350 100,300");
  ASSERT_EQ(0, DistortSegments(StepAt(kSweepFree, 2, {0, 30}), far.segments.data(), 2,
                               false, out.data(), &count));
  ASSERT_EQ(2, count);
  EXPECT_EQ(far.segments[1].in.h, out[1].in.h);
  // Pinch after dragging up 20 points: amount 1, a square of half size 1
  // about the centre grows to 1 + (1 - sqrt 2 / 100)^2 times, about twice.
  const float amount = PinchIncrement({0, 0}, {0, 20}, kCraftPinchRate);
  const test::TestPath box = PathFromSvg("M -1,-1 L 1,-1 L 1,1 L -1,1 Z");
  ASSERT_EQ(0, DistortSegments(StepAt(kSweepPinch, 2, {0, 0}, amount), box.segments.data(),
                               4, true, out.data(), &count));
  const double k = 1 + std::pow(1 - std::sqrt(2.0) / 100, 2);
  ASSERT_EQ(4, count);
  for (int i = 0; i < 4; ++i) EXPECT_NEAR(k, std::fabs(out[i].p.h), 1e-5);
}

// The tool selected: the plug-in's suites held over the fixture's document.
class CraftDocument : public test::ToolTest {
  void SetUp() override {
    ToolTest::SetUp();
    UseTool("Craft");
  }
};

TEST_F(CraftDocument, HitOnAnOutlineInsertsOneAnchorThere) {
  Art* curve = AddPath("M 0,0 C 30,60 70,60 100,0");
  const std::vector<Segment> before = curve->path().segments;
  struct Case {
    AIRealPoint at;
    bool hit, onAnchor;
  };
  const Case cases[] = {{{50, 46}, true, false}, {{99, 1}, true, true}, {{50, 60}, false, false}};
  for (const Case& c : cases) {
    AIHitSegmentResult r{};
    ASSERT_EQ(0, sHitTest->HitTestSegment(nullptr, &c.at, 2, &r));
    EXPECT_EQ(c.hit, r.art != nullptr) << c.at.h << "," << c.at.v;
    EXPECT_EQ(c.onAnchor, r.onAnchor != 0);
  }
  // The arch's top (t = 1/2, 45 up): where the drag rows' click puts its anchor.
  AIHitSegmentResult r{};
  const AIRealPoint at{50, 46};
  ASSERT_EQ(0, sHitTest->HitTestSegment(nullptr, &at, 2, &r));
  const long runs = test::SweepAllocationFailures(
      host(), {.prepare = [&] { doc().BeginStep(); },
               .run = [&] {
                 const ASErr err = InsertAnchorIntoPath(r.art, r.segmentIndex, r.t);
                 EXPECT_EQ(err ? 2u : 3u, curve->path().segments.size());
                 if (!err) {
                   EXPECT_LT(OutlineChange(before, curve->path().segments, false), 0.01);
                 }
                 doc().RevertOpenStep();
                 doc().EndStep();
                 return err;
               }});
  EXPECT_EQ(2, runs);
}

}  // namespace
}  // namespace vx
