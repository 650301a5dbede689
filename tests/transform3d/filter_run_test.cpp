// The filter's run without its dialog: rewriting the selected paths,
// restacking them by depth, the errors of the run and allocation failures.
// (Paths on several layers and guarded mapper errors: the geometry's depth
// order and the kinds' own tests.)
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <tuple>
#include <vector>

#include "filters/transform3d_record.h"
#include "geometry/projection.h"
#include "host/art/document_set.h"
#include "transform3d_fixture.h"
#include "support/allocation_sweep.h"
#include "support/test_paths.h"

namespace vx {
namespace {

using test::KindRecord;

class FilterRun : public test::Transform3DTest {
 protected:
  std::vector<Segment> SegmentsOf(const Art* art) const {
    return art->path().segments;
  }
  static bool Same(const std::vector<Segment>& x, const std::vector<Segment>& y) {
    return x.size() == y.size() && std::memcmp(x.data(), y.data(), x.size() * sizeof x[0]) == 0;
  }
};

TEST_F(FilterRun, NoSelectedPathIsBadSelection) {
  AddRect("a", 0, 0, 10, 10, /*selected=*/false);
  SetParameterBlock(KindRecord(kTwist));
  EXPECT_EQ(kBadSelectionErr, Go());
  EXPECT_EQ(kBadSelectionErr, GetParameters());
}

TEST_F(FilterRun, SimpleRotationAboutYShrinksTheWidthInPerspective) {
  Art* a = AddRect("a", 0, 0, 100, 50);
  TransformParams p = KindRecord(kSimpleRotation);
  p.preRotation[1] = 60.0f;  // cos 60 = 0.5
  p.perspective = 0.0f;
  p.controlPointsOnly = 1;
  SetParameterBlock(p);
  ASSERT_EQ(0, Go());
  const std::vector<Segment> out = SegmentsOf(a);
  ASSERT_EQ(4u, out.size());
  EXPECT_NEAR(25.0f, out[0].p.h, 1e-3);
  EXPECT_NEAR(75.0f, out[2].p.h, 1e-3);
  EXPECT_NEAR(50.0f, out[1].p.v, 1e-3);
}

// After mode restacks by depth (a turn of 60 about y brings the left side
// forward); Before mode and Simple Rotation (whatever its mode) keep the stack.
TEST_F(FilterRun, AfterModeRestacksByDepthTheOthersKeepTheStack) {
  for (const auto& [kind, after, post, want] :
       {std::tuple{kTwist, 1, true, "left right"}, std::tuple{kTwist, 0, false, "right left"},
        std::tuple{kSimpleRotation, 1, false, "right left"}}) {
    doc_ = &host().documents().New("stack");
    AddRect("left", 0, 0, 40, 40);
    AddRect("right", 60, 0, 40, 40);
    TransformParams p = KindRecord(kind);
    p.afterMode = int16_t(after);
    if (kind == kTwist) p.value[0] = 0.0f;  // no twist: the turn alone
    (post ? p.postRotation : p.preRotation)[1] = 60.0f;
    SetParameterBlock(p);
    ASSERT_EQ(0, Go());
    EXPECT_EQ(std::string(want), Listing()) << kind << " after " << after;
  }
}

TEST_F(FilterRun, GoWithoutABlockMakesOne) {
  AddRect("a", 0, 0, 40, 40);
  EXPECT_EQ(nullptr, ParameterBlock());
  ASSERT_EQ(0, Go());
  ASSERT_NE(nullptr, ParameterBlock());
  EXPECT_EQ(kSimpleRotation, ParameterBlock()->kind);
}

TEST_F(FilterRun, EveryAllocationFailureIsOutOfMemoryAndLeaksNothing) {
  for (int kind : {kSphere, kTwirl, kTorus}) {
    SCOPED_TRACE(kind);
    Art *a = nullptr, *b = nullptr;
    std::vector<Segment> beforeA, beforeB;
    test::SweepAllocationFailures(host(), {
        .prepare = [&] {
          doc_ = &host().documents().New("sweep");
          a = AddRect("a", 0, 0, 100, 60);
          b = test::AddSvgPath(*doc_, "M 10,10 L 50,55 L 90,10 Z");
          beforeA = SegmentsOf(a);
          beforeB = SegmentsOf(b);
          TransformParams p = KindRecord(kind);
          p.cursorH = 0.2f;
          p.cursorV = 0.3f;
          SetParameterBlock(p);
        },
        .run = [&] { return Go(); },
        // A failure at any step (gathering, mapping, writing back,
        // restacking) leaves every path exactly as it was.
        .check = [&](ASErr result, long, bool failed) {
          ASSERT_EQ(failed ? kOutOfMemoryErr : kNoErr, result);
          if (!failed) return;
          EXPECT_TRUE(Same(beforeA, SegmentsOf(a)));
          EXPECT_TRUE(Same(beforeB, SegmentsOf(b)));
        }});
  }
}

}  // namespace
}  // namespace vx
