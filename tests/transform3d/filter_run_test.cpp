// The filter's run without its dialog: rewriting the selected paths,
// restacking them by depth, the errors of the run and allocation failures.
#include <gtest/gtest.h>

#include <vector>

#include "filters/transform3d_record.h"
#include "geometry/projection.h"
#include "host/art/document_set.h"
#include "transform3d_fixture.h"
#include "support/allocation_sweep.h"

namespace vx {
namespace {

using test::KindRecord;

class FilterRun : public test::Transform3DTest {
 protected:
  std::vector<Segment> SegmentsOf(const Art* art) const {
    return art->path().segments;
  }
};

TEST_F(FilterRun, NoSelectedPathIsBadSelection) {
  AddRect("a", 0, 0, 10, 10, /*selected=*/false);
  SetParameterBlock(KindRecord(kTwist));
  EXPECT_EQ(kBadSelectionErr, Go());
  EXPECT_EQ(kBadSelectionErr, GetParameters());
}

TEST_F(FilterRun, TwistZeroOnlyAddsPerspective) {
  Art* a = AddRect("a", 0, 0, 100, 50);
  TransformParams p = KindRecord(kTwist);
  p.value[0] = 0.0f;
  p.perspective = 0.0f;  // perspective off: nothing moves at all
  SetParameterBlock(p);
  ASSERT_EQ(0, Go());
  const std::vector<Segment> out = SegmentsOf(a);
  // Straight pieces come back as curves with handles at thirds, through
  // the same corners.
  std::vector<AIRealPoint> anchors;
  for (const Segment& s : out)
    if (s.p.h == 0.0f || s.p.h == 100.0f) anchors.push_back(s.p);
  EXPECT_GE(anchors.size(), 4u);
  for (const Segment& s : out) {
    EXPECT_GE(s.p.h, 0.0f);
    EXPECT_LE(s.p.h, 100.0f);
    EXPECT_GE(s.p.v, 0.0f);
    EXPECT_LE(s.p.v, 50.0f);
  }
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

TEST_F(FilterRun, AfterModeRestacksByDepth) {
  AddRect("left", 0, 0, 40, 40);
  AddRect("right", 60, 0, 40, 40);
  ASSERT_EQ("right left", Listing());
  TransformParams p = KindRecord(kTwist);
  p.value[0] = 0.0f;
  p.postRotation[1] = 60.0f;  // the left side comes forward
  SetParameterBlock(p);
  ASSERT_EQ(0, Go());
  EXPECT_EQ("left right", Listing());
}

TEST_F(FilterRun, BeforeModeAndSimpleRotationKeepTheStack) {
  for (int kind : {kSimpleRotation, kTwist}) {
    doc_ = &host().documents().New("stack");
    AddRect("left", 0, 0, 40, 40);
    AddRect("right", 60, 0, 40, 40);
    TransformParams p = KindRecord(kind);
    p.afterMode = 0;
    p.preRotation[1] = 60.0f;
    SetParameterBlock(p);
    ASSERT_EQ(0, Go());
    EXPECT_EQ("right left", Listing()) << kind;
  }
}

TEST_F(FilterRun, PathsOnSeveralLayersAreRefused) {
  AddRect("a", 0, 0, 40, 40);
  host::art::Layer* second = doc_->NewLayer("second");
  doc_->SetCurrentLayer(second);
  AddRect("b", 60, 0, 40, 40);
  TransformParams p = KindRecord(kTwist);
  p.postRotation[1] = 30.0f;
  SetParameterBlock(p);
  EXPECT_EQ(kPathsOnSeveralLayersErr, Go());
}

TEST_F(FilterRun, OverflowOfAFlatSelectionWritesNothing) {
  Art* a = AddPath("flat", "M 10,0 L 10,50 Z");
  const std::vector<Segment> before = SegmentsOf(a);
  SetParameterBlock(KindRecord(kArc));
  EXPECT_EQ(kOverflowErr, Go());
  const std::vector<Segment> after = SegmentsOf(a);
  ASSERT_EQ(before.size(), after.size());
  for (size_t i = 0; i < before.size(); ++i) {
    EXPECT_EQ(before[i].p.h, after[i].p.h);
    EXPECT_EQ(before[i].p.v, after[i].p.v);
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
          b = AddPath("b", "M 10,10 L 50,55 L 90,10 Z");
          beforeA = SegmentsOf(a);
          beforeB = SegmentsOf(b);
          TransformParams p = KindRecord(kind);
          p.cursorH = 0.2f;
          p.cursorV = 0.3f;
          SetParameterBlock(p);
        },
        .run = [&] { return Go(); },
        .check = [&](ASErr result, long, bool failed) {
          ASSERT_EQ(failed ? kOutOfMemoryErr : kNoErr, result);
          if (!failed) return;
          EXPECT_EQ(beforeA.size(), SegmentsOf(a).size());
          EXPECT_EQ(beforeB.size(), SegmentsOf(b).size());
        }});
  }
}

}  // namespace
}  // namespace vx
