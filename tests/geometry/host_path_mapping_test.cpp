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

using test::SameSegments;

class HostPathMapping : public test::DocumentGeometryTest {
 protected:
  std::vector<Segment> scratch_ = std::vector<Segment>(kScratchSegments);
  const MapContext pull_ = MakeToolContext(test::Pull, nullptr, {0, 0}, 50);
};

TEST_F(HostPathMapping, LineThroughTheAreaBulgesAndGainsAnchorsOnlyThere) {
  // The line's 1/3 sample lies inside the area, so its untouched ends do not
  // stop the split.
  Art* line = AddPath("line", "M -60,10 L 60,10");
  Art* far = AddPath("far", "M -200,300 L 200,300");
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
  Art* longLine = AddPath("long", "M -200,10 L 200,10");
  ASSERT_EQ(kNoErr, MapHostPath(pull_, longLine->handle(), scratch_.data()));
  EXPECT_EQ(2u, longLine->path().segments.size());
  EXPECT_EQ(0u, host().blocks().LiveCount());
}

// Paths at the limit, mapper errors and allocation failures leave the path
// as it was and no block live.
TEST_F(HostPathMapping, PathsAtTheLimitOrWithErrorsStayAsTheyWere) {
  struct Case {
    const char* svg;
    MapContext ctx;
    ASErr want;
    long failAllocation;
  } cases[] = {
      {"M 0,0 L 20000,0", MakeToolContext(test::Ripple, nullptr, {0, 0}, 100), kNoErr, 0},
      {"M 0,0 L 900,0 L 1200,0", MakeToolContext(test::FailFarRight, nullptr, {0, 0}, 100),
       kOverflowErr, 0},
      {"M -200,10 L 200,10", pull_, kOutOfMemoryErr, 1},
  };
  for (const Case& c : cases) {
    Art* art = AddPath("p", c.svg);
    const std::vector<Segment> before = art->path().segments;
    host().blocks().FailAllocationNumber(c.failAllocation);
    EXPECT_EQ(c.want, MapHostPath(c.ctx, art->handle(), scratch_.data())) << c.svg;
    host().blocks().FailAllocationNumber(0);
    ASSERT_EQ(before.size(), art->path().segments.size()) << c.svg;
    EXPECT_TRUE(SameSegments(before.data(), art->path().segments.data(), int(before.size())))
        << c.svg;
    EXPECT_EQ(0u, host().blocks().LiveCount()) << c.svg;
  }
}

}  // namespace
}  // namespace vx
