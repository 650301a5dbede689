// A run over a PathSet: progress through the host, cancel and resume, the
// result flag, and resetting the working copies.
#include <gtest/gtest.h>

#include <cmath>
#include <utility>
#include <vector>

#include "geometry/path_mapping.h"
#include "geometry/projection.h"
#include "geometry_fixture.h"

namespace vx {
namespace {

using test::Corner;
using test::SameSegments;

// The host's user suite as far as progress and cancel go.
struct UserRecord {
  std::vector<std::pair<int32_t, int32_t>> progress;
  int cancelChecks = 0;
  int cancelAtCheck = 0;  // 0: never
} gUser;

ASErr UpdateProgress(int32_t current, int32_t total) {
  gUser.progress.emplace_back(current, total);
  return kNoErr;
}
ASBoolean Cancelled() {
  ++gUser.cancelChecks;
  return gUser.cancelAtCheck != 0 && gUser.cancelChecks >= gUser.cancelAtCheck;
}
AIUserSuite MakeUserSuite() {
  AIUserSuite s{};
  s.UpdateProgress = UpdateProgress;
  s.Cancelled = Cancelled;
  return s;
}
const AIUserSuite kUser = MakeUserSuite();

ASErr DoubleX(const void*, Point3* v) {
  v->x *= 2.0f;
  return kNoErr;
}
// Fails on points right of x = 1000.
ASErr FailFarRight(const void*, Point3* v) {
  return v->x > 1000.0f ? kOverflowErr : kNoErr;
}
// Lifts everything to z = 500.
ASErr Lift(const void*, Point3* v) {
  v->z = 500.0f;
  return kNoErr;
}

std::vector<Segment> Polyline(int count, float x0) {
  std::vector<Segment> s;
  for (int i = 0; i < count; ++i) s.push_back(Corner({x0 + i, 0.0f}));
  return s;
}

class PathSetRun : public test::GeometryTest {
 protected:
  void AddSuites(host::Host& h) override {
    gUser = UserRecord{};
    h.suites().Add(kAIUserSuite, kAIUserSuiteVersion, &kUser);
  }
  void TearDown() override {
    FreePathSet(&set_);
    test::GeometryTest::TearDown();
  }
  PathSet set_{};
  const MapContext doubling_ = MakeTransformContext(DoubleX, nullptr, {0, 0}, 1e30f, 100);
};

TEST_F(PathSetRun, ProgressFollowsSourcePiecesOverTheWholeSet) {
  test::BuildPathSet(&set_, {Polyline(3, 0), Polyline(4, 10), Polyline(5, 20)}, false);
  ASSERT_EQ(kNoErr, MapRemainingPaths(&set_, doubling_, PathMapping::kSubdividing, true));
  const std::vector<std::pair<int32_t, int32_t>> want = {
      {0, 12}, {1, 12}, {3, 12}, {4, 12}, {5, 12}, {7, 12}, {8, 12}, {9, 12}, {10, 12}};
  EXPECT_EQ(want, gUser.progress);
  EXPECT_EQ(3, gUser.cancelChecks) << "one cancel check after every path";
  EXPECT_EQ(3, set_.nextPath);
  EXPECT_EQ(12, set_.doneSegments);
  EXPECT_EQ(40.0f, set_.working[2].segments[0].p.h);
}

TEST_F(PathSetRun, AnchorsOnlyReportsEverySegment) {
  test::BuildPathSet(&set_, {Polyline(2, 0), Polyline(3, 10)}, false);
  ASSERT_EQ(kNoErr, MapRemainingPaths(&set_, doubling_, PathMapping::kAnchorsOnly, true));
  const std::vector<std::pair<int32_t, int32_t>> want = {{0, 5}, {1, 5}, {2, 5}, {3, 5}, {4, 5}};
  EXPECT_EQ(want, gUser.progress);
}

TEST_F(PathSetRun, WithoutHostProgressNothingIsReportedOrChecked) {
  test::BuildPathSet(&set_, {Polyline(3, 0), Polyline(4, 10)}, false);
  ASSERT_EQ(kNoErr, MapRemainingPaths(&set_, doubling_, PathMapping::kSubdividing, false));
  EXPECT_TRUE(gUser.progress.empty());
  EXPECT_EQ(0, gUser.cancelChecks);
  EXPECT_EQ(2, set_.nextPath);
}

TEST_F(PathSetRun, CancelStopsAfterAPathAndTheNextRunResumesThere) {
  test::BuildPathSet(&set_, {Polyline(3, 0), Polyline(4, 10), Polyline(5, 20)}, false);
  gUser.cancelAtCheck = 1;
  EXPECT_EQ(kCanceledErr,
            MapRemainingPaths(&set_, doubling_, PathMapping::kSubdividing, true));
  EXPECT_EQ(1, set_.nextPath);
  EXPECT_EQ(3, set_.doneSegments);
  EXPECT_EQ(2.0f, set_.working[0].segments[1].p.h);
  EXPECT_TRUE(SameSegments(set_.source[1].segments, set_.working[1].segments, 4));

  // A finished path is not mapped again: a mark left in it survives.
  set_.working[0].segments[1].p.v = 77.0f;
  gUser = UserRecord{};
  ASSERT_EQ(kNoErr, MapRemainingPaths(&set_, doubling_, PathMapping::kSubdividing, true));
  EXPECT_EQ(77.0f, set_.working[0].segments[1].p.v);
  EXPECT_EQ(20.0f, set_.working[1].segments[0].p.h);
  EXPECT_EQ(3, set_.nextPath);
  EXPECT_EQ(12, set_.doneSegments);
  EXPECT_EQ(3, gUser.progress.front().first) << "progress continues from the done part";
}

TEST_F(PathSetRun, MapperErrorStopsAtThePathThatFailed) {
  test::BuildPathSet(&set_, {Polyline(3, 0), Polyline(3, 999), Polyline(3, 0)}, false);
  const MapContext failing = MakeTransformContext(FailFarRight, nullptr, {0, 0}, 1e30f, 100);
  EXPECT_EQ(kOverflowErr, MapRemainingPaths(&set_, failing, PathMapping::kSubdividing, true));
  EXPECT_EQ(1, set_.nextPath);
  EXPECT_EQ(3, set_.doneSegments);
  EXPECT_TRUE(SameSegments(set_.source[1].segments, set_.working[1].segments, 3));
}

TEST_F(PathSetRun, BehindRaisesTheResultFlagUnlessTheSetUpFlaggedFirst) {
  const MapContext lifted = MakeTransformContext(Lift, nullptr, {0, 0}, 500.0f, 100);
  test::BuildPathSet(&set_, {Polyline(3, 0), Polyline(3, 5)}, false);
  ASSERT_EQ(kNoErr, MapRemainingPaths(&set_, lifted, PathMapping::kSubdividing, false));
  EXPECT_EQ(kPathSetBehind, set_.resultFlag);
  EXPECT_EQ(500.0f, set_.working[1].depth);

  set_.nextPath = 0;
  set_.doneSegments = 0;
  set_.resultFlag = kPathSetZeroRadius;
  ASSERT_EQ(kNoErr, MapRemainingPaths(&set_, lifted, PathMapping::kAnchorsOnly, false));
  EXPECT_EQ(kPathSetZeroRadius, set_.resultFlag);
}

TEST_F(PathSetRun, ResetWorkingRestoresTheSourceAfterTheArrayWasReplaced) {
  // A ripple makes the working copy grow into a "transform segs" array.
  const MapContext rippling = MakeTransformContext(
      [](const void*, Point3* v) -> ASErr {
        v->y += 20.0f * std::sin(v->x * 0.05f);
        return kNoErr;
      },
      nullptr, {0, 0}, 1e30f, 100);
  test::BuildPathSet(&set_, {{Corner({0, 0}), Corner({300, 0})}}, true);
  ASSERT_EQ(kNoErr, MapRemainingPaths(&set_, rippling, PathMapping::kSubdividing, false));
  EXPECT_GT(set_.working[0].count, 2);
  EXPECT_EQ(1, host().blocks().LiveByLabel()["transform segs"]);
  set_.resultFlag = kPathSetBehind;
  ResetWorking(&set_);
  EXPECT_EQ(2, set_.working[0].count);
  EXPECT_EQ(1, set_.working[0].closed);
  EXPECT_EQ(kDepthSentinel, set_.working[0].depth);
  EXPECT_TRUE(SameSegments(set_.source[0].segments, set_.working[0].segments, 2));
  EXPECT_EQ(kPathSetClean, set_.resultFlag);

  FreePathSet(&set_);
  EXPECT_EQ(0, set_.pathCount);
  EXPECT_EQ(nullptr, set_.working);
  EXPECT_EQ(nullptr, set_.source);
  EXPECT_EQ(0.0f, set_.bounds.right);
  EXPECT_EQ(0u, host().blocks().LiveCount());
}

}  // namespace
}  // namespace vx
