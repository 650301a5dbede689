// Remapping host paths in place with a tool member, as the tools do at
// every drag step.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "document_fixture.h"
#include "geometry/bezier.h"
#include "geometry/path_mapping.h"

namespace vx {
namespace {

using test::Corners;
using test::SameSegments;

// Craft-like: within 50 of the origin points follow a drag of (0, 30) by
// (1 - d / 50)^2; outside they are untouched.
ASErr Pull(const void*, Point3* v) {
  const float d = std::hypot(v->x, v->y);
  if (d >= 50.0f) return kUntouchedErr;
  const float w = (1.0f - d / 50.0f) * (1.0f - d / 50.0f);
  v->y += w * 30.0f;
  return kNoErr;
}
// Fails on points right of x = 1000.
ASErr FailFarRight(const void*, Point3* v) {
  return v->x > 1000.0f ? kOverflowErr : kNoErr;
}
ASErr Ripple(const void*, Point3* v) {
  v->y += 100.0f * std::sin(v->x);
  return kNoErr;
}

class HostPathMapping : public test::DocumentGeometryTest {
 protected:
  std::vector<Segment> scratch_ = std::vector<Segment>(kScratchSegments);
  const MapContext pull_ = MakeToolContext(Pull, nullptr, {0, 0}, 50);
};

TEST_F(HostPathMapping, LineThroughTheAreaBulgesAndGainsAnchorsOnlyThere) {
  // The line's 1/3 sample lies inside the area, so its untouched ends do not
  // stop the split.
  Art* line = AddPath("line", Corners({{-60, 10}, {60, 10}}), false, true);
  Art* far = AddPath("far", Corners({{-200, 300}, {200, 300}}), false, true);
  ASSERT_EQ(kNoErr, MapHostPath(pull_, line->handle(), scratch_.data()));
  ASSERT_EQ(kNoErr, MapHostPath(pull_, far->handle(), scratch_.data()));
  const auto& segs = line->path().segments;
  EXPECT_GT(segs.size(), 2u);
  EXPECT_EQ(-60.0f, segs.front().p.h);
  EXPECT_EQ(60.0f, segs.back().p.h);
  float top = 0;
  for (const Segment& s : segs) {
    if (std::fabs(s.p.h) >= 50) {
      EXPECT_EQ(10.0f, s.p.v);
    }
    top = std::max(top, s.p.v);
  }
  EXPECT_GT(top, 20.0f) << "the middle follows the drag (10 + 0.64 x 30 at the top)";
  EXPECT_EQ(2u, far->path().segments.size()) << "no anchors outside the area";
  EXPECT_EQ(300.0f, far->path().segments[1].p.v);

  // A piece whose ends and 1/3, 2/3 samples all lie outside is accepted as
  // it is, even when the area sits between the samples.
  Art* longLine = AddPath("long", Corners({{-200, 10}, {200, 10}}), false, true);
  ASSERT_EQ(kNoErr, MapHostPath(pull_, longLine->handle(), scratch_.data()));
  EXPECT_EQ(2u, longLine->path().segments.size());
  EXPECT_EQ(0u, host().blocks().LiveCount());
}

TEST_F(HostPathMapping, PathsAtTheLimitOrWithErrorsStayAsTheyWere) {
  const std::vector<Segment> long_line = Corners({{0, 0}, {20000, 0}});
  Art* capped = AddPath("capped", long_line, false, true);
  const MapContext ripple = MakeToolContext(Ripple, nullptr, {0, 0}, 100);
  ASSERT_EQ(kNoErr, MapHostPath(ripple, capped->handle(), scratch_.data()));
  EXPECT_TRUE(SameSegments(long_line.data(), capped->path().segments.data(), 2));
  EXPECT_EQ(2u, capped->path().segments.size());

  const std::vector<Segment> wide = Corners({{0, 0}, {900, 0}, {1200, 0}});
  Art* failing = AddPath("failing", wide, false, true);
  const MapContext fails = MakeToolContext(FailFarRight, nullptr, {0, 0}, 100);
  EXPECT_EQ(kOverflowErr, MapHostPath(fails, failing->handle(), scratch_.data()));
  EXPECT_TRUE(SameSegments(wide.data(), failing->path().segments.data(), 3));
  EXPECT_EQ(0u, host().blocks().LiveCount());
}

TEST_F(HostPathMapping, AllocationFailureIsOutOfMemoryAndChangesNothing) {
  const std::vector<Segment> line = Corners({{-200, 10}, {200, 10}});
  Art* art = AddPath("line", line, false, true);
  host().blocks().FailAllocationNumber(1);
  EXPECT_EQ(kOutOfMemoryErr, MapHostPath(pull_, art->handle(), scratch_.data()));
  host().blocks().FailAllocationNumber(0);
  EXPECT_TRUE(SameSegments(line.data(), art->path().segments.data(), 2));
  EXPECT_EQ(0u, host().blocks().LiveCount());
}

}  // namespace
}  // namespace vx
