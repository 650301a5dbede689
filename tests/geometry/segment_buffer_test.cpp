// Reading the selected paths of a document into a path set, writing the
// working copies back, and the failure paths of both; remapping host paths
// in place with a tool member, as the tools do at every drag step.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <vector>

#include "document_fixture.h"
#include "geometry/bezier.h"
#include "geometry/depth_order.h"
#include "geometry/path_mapping.h"
#include "geometry/projection.h"
#include "support/allocation_sweep.h"

namespace vx {
namespace {

using host::art::ArtKind;
using test::SameSegments;

// A ripple across the page, deeper to the right.
ASErr Ripple(const void*, Point3* v) {
  v->y += 10.0f * std::sin(v->x / 5.0f);
  v->z = v->x * 0.01f;
  return kNoErr;
}

class SegmentBuffers : public test::DocumentGeometryTest {
 protected:
  // From the bottom: low, G[g2 over g1], C[c1], and an unselected path.
  void SetUp() override {
    DocumentGeometryTest::SetUp();
    low_ = AddPath("low", "M 0,0 L 10,0 L 10,10");
    Art* g = AddContainer("G", ArtKind::Group);
    g1_ = AddPath("g1", "M -20,5 L -10,40", true, g);
    g2_ = AddPath("g2", "M 100,-30 L 120,-30 L 120,-10 L 100,-10 Z", true, g);
    Art* c = AddContainer("C", ArtKind::CompoundPath);
    c1_ = AddPath("c1", "M 30,20 L 40,25 L 50,20", true, c);
    idle_ = AddPath("idle", "M 500,500 L 600,600", false);
  }
  void TearDown() override {
    FreePathSet(&set_);
    ReleaseArtList(&arts_);
    DocumentGeometryTest::TearDown();
  }

  Art *low_ = nullptr, *g1_ = nullptr, *g2_ = nullptr, *c1_ = nullptr, *idle_ = nullptr;
  AIArtHandleList arts_ = nullptr;
  PathSet set_{};
};

TEST_F(SegmentBuffers, GatherAndCountFindTheSelectedPathsWithTheirCountsAndBounds) {
  int32_t count = 0, total = 0;
  AIRealRect bounds;
  ASSERT_EQ(kNoErr, GatherSelectedPaths(&arts_, &count, &total, &bounds));
  ASSERT_EQ(4, count);
  EXPECT_EQ(12, total);
  EXPECT_EQ((std::vector<float>{-20, 40, 120, -30}),
            (std::vector<float>{bounds.left, bounds.top, bounds.right, bounds.bottom}));
  const Art* want[] = {low_, g1_, g2_, c1_};  // paint order
  for (int i = 0; i < 4; ++i) EXPECT_EQ(want[i]->handle(), (*arts_)[i]) << i;

  // Counting: all the segments, or the first path's only.
  ReleaseArtList(&arts_);
  int32_t matches = 0;
  ASSERT_EQ(kNoErr, CountSelectedSegments(&arts_, &matches, &total, false));
  EXPECT_EQ(4, matches);
  EXPECT_EQ(12, total);
  ReleaseArtList(&arts_);
  ASSERT_EQ(kNoErr, CountSelectedSegments(&arts_, &matches, &total, true));
  EXPECT_EQ(3, total);
}

TEST_F(SegmentBuffers, NoSelectedPathIsBadSelectionWithNothingLeftLive) {
  doc_->DeselectAll();
  doc_->Select(*doc_->FindById("G"), false);
  int32_t count = 0, total = 0;
  AIRealRect bounds;
  EXPECT_EQ(kBadSelectionErr, GatherSelectedPaths(&arts_, &count, &total, &bounds));
  EXPECT_EQ(nullptr, arts_);
  EXPECT_EQ(kBadSelectionErr, CountSelectedSegments(&arts_, &count, &total, false));
  EXPECT_EQ(kBadSelectionErr, GatherPathSet(&arts_, &set_));
  EXPECT_EQ(0u, host().blocks().LiveCount());
}

TEST_F(SegmentBuffers, PathSetHoldsASourceAndAWorkingCopyOfEveryPath) {
  ASSERT_EQ(kNoErr, GatherPathSet(&arts_, &set_));
  ASSERT_EQ(4, set_.pathCount);
  EXPECT_EQ(12, set_.totalSegments);
  EXPECT_EQ(0, set_.nextPath);
  EXPECT_EQ(kPathSetClean, set_.resultFlag);
  std::vector<float> corners;
  for (const Point3& c : set_.corners) corners.insert(corners.end(), {c.x, c.y, c.z});
  EXPECT_EQ((std::vector<float>{-20, 40, 0, -20, -30, 0, 120, -30, 0, 120, 40, 0}), corners);
  EXPECT_EQ(set_.bounds.top, set_.boundsCopy.top);
  const Art* paths[] = {low_, g1_, g2_, c1_};
  for (int i = 0; i < 4; ++i) {
    const auto& host = paths[i]->path();
    for (const SegmentBuffer* b : {&set_.working[i], &set_.source[i]}) {
      EXPECT_EQ(int(host.segments.size()), b->count) << i;
      EXPECT_EQ(host.closed ? 1 : 0, b->closed) << i;
      EXPECT_EQ(kDepthSentinel, b->depth) << i;
      EXPECT_TRUE(SameSegments(host.segments.data(), b->segments, b->count)) << i;
    }
    EXPECT_NE(set_.working[i].segments, set_.source[i].segments);
  }
  auto labels = host().blocks().LiveByLabel();
  EXPECT_EQ(2, labels["paths info buffer"]);
  EXPECT_EQ(8, labels["segs buffer"]);
}

TEST_F(SegmentBuffers, EveryAllocationFailureWhileGatheringLeavesNothing) {
  const long runs = test::SweepAllocationFailures(host(), {
      .run = [&] { return GatherPathSet(&arts_, &set_); },
      .check = [&](ASErr err, long, bool failed) {
        EXPECT_EQ(failed ? kOutOfMemoryErr : kNoErr, err);
        if (!failed) return;
        EXPECT_EQ(nullptr, arts_);
        EXPECT_EQ(0, set_.pathCount);
        EXPECT_EQ(nullptr, set_.working);
      },
      // After the last run every live block belongs to the gathered set.
      .kept = [&] { return set_.working ? long(host().blocks().LiveCount()) : 0L; },
      .cap = 40});
  EXPECT_GT(runs, 11) << "two records, eight segment arrays and the art list";
}

TEST_F(SegmentBuffers, WriteBackReplacesOnlyTheSegments) {
  ASSERT_EQ(kNoErr, GatherPathSet(&arts_, &set_));
  const AIPathStyle style = g2_->path().style;
  const MapContext ctx = MakeTransformContext(Ripple, nullptr, {0, 0}, 1e30f, 100);
  ASSERT_EQ(kNoErr, MapRemainingPaths(&set_, ctx, PathMapping::kSubdividing, false));
  ASSERT_GT(set_.working[2].count, 4) << "the closed path grew";
  ASSERT_EQ(kNoErr, WriteBack(arts_, set_));
  const Art* paths[] = {low_, g1_, g2_, c1_};
  for (int i = 0; i < 4; ++i) {
    const auto& host = paths[i]->path();
    ASSERT_EQ(size_t(set_.working[i].count), host.segments.size()) << i;
    EXPECT_TRUE(SameSegments(set_.working[i].segments, host.segments.data(),
                             set_.working[i].count)) << i;
  }
  EXPECT_TRUE(g2_->path().closed);
  EXPECT_FALSE(low_->path().closed);
  EXPECT_TRUE(host::art::SamePathStyle(style, g2_->path().style));
  EXPECT_EQ(2u, idle_->path().segments.size());
}

class HostPathMapping : public test::DocumentGeometryTest {
 protected:
  std::vector<Segment> scratch_ = std::vector<Segment>(kScratchSegments);
  const MapContext pull_ = MakeToolContext(test::Pull, nullptr, {0, 0}, 50);
};

// Paths at the limit, mapper errors and allocation failures leave the path
// as it was and no block live. (What a mapped path looks like: the tool
// member's path rows and the tool drags.)
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
