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
using test::DoubleX;
using test::FailFarRight;

std::vector<Segment> Polyline(int count, float x0) { return test::Polyline(count, 1, x0); }

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
const AIUserSuite kUser = [] {
  AIUserSuite s{};
  s.UpdateProgress = UpdateProgress;
  s.Cancelled = Cancelled;
  return s;
}();

// Lifts everything to z = 500.
ASErr Lift(const void*, Point3* v) {
  v->z = 500.0f;
  return kNoErr;
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

// Subdividing reports source pieces over the whole set, anchors-only every
// segment, and without host progress nothing is reported or checked.
TEST_F(PathSetRun, ProgressFollowsTheSourceOverTheWholeSet) {
  using Progress = std::vector<std::pair<int32_t, int32_t>>;
  struct Case {
    std::vector<int> counts;
    PathMapping mode;
    bool withProgress;
    Progress want;
    int cancelChecks;
  } cases[] = {
      {{3, 4, 5}, PathMapping::kSubdividing, true,
       {{0, 12}, {1, 12}, {3, 12}, {4, 12}, {5, 12}, {7, 12}, {8, 12}, {9, 12}, {10, 12}},
       3},  // one cancel check after every path
      {{2, 3}, PathMapping::kAnchorsOnly, true, {{0, 5}, {1, 5}, {2, 5}, {3, 5}, {4, 5}}, 2},
      {{3, 4}, PathMapping::kSubdividing, false, {}, 0},
  };
  for (const Case& c : cases) {
    FreePathSet(&set_);
    gUser = UserRecord{};
    std::vector<std::vector<Segment>> paths;
    int total = 0;
    for (size_t i = 0; i < c.counts.size(); ++i) {
      paths.push_back(Polyline(c.counts[i], 10.0f * i));
      total += c.counts[i];
    }
    test::BuildPathSet(&set_, paths, false);
    ASSERT_EQ(kNoErr, MapRemainingPaths(&set_, doubling_, c.mode, c.withProgress));
    EXPECT_EQ(c.want, gUser.progress);
    EXPECT_EQ(c.cancelChecks, gUser.cancelChecks);
    EXPECT_EQ(int(paths.size()), set_.nextPath);
    EXPECT_EQ(total, set_.doneSegments);
    EXPECT_EQ(20.0f * (paths.size() - 1), set_.working[paths.size() - 1].segments[0].p.h);
  }
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
