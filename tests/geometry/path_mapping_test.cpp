// Whole paths through the subdividing driver and the anchors-only mapping:
// outer handles, closing pieces, the segment limit, accuracy against the
// exactly mapped curve, and failures that must leave the working copy whole.
#include <gtest/gtest.h>

#include <memory>

#include <cmath>
#include <cstring>
#include <vector>

#include "geometry/bezier.h"
#include "geometry/path_mapping.h"
#include "geometry/projection.h"
#include "geometry_fixture.h"
#include "support/allocation_sweep.h"

namespace vx {
namespace {

using test::BufferPair;
using test::Corner;
using test::Seg;
using test::SameSegments;
using test::DoubleX;
using test::Identity;
using test::kFar;
using test::Polyline;
using test::Pull;
using test::Ripple;

// z grows to the right; fails right of x = 1000.
ASErr DepthIsX(const void*, Point3* v) {
  if (v->x > 1000.0f) return kOverflowErr;
  v->z = v->x * 0.5f;
  return kNoErr;
}

ASErr Rotate(const void* data, Point3* v) {
  Apply(*static_cast<const Matrix3*>(data), v);
  return kNoErr;
}

// A sphere-like wrap: the page's width goes once round the z axis, its
// height from pole to pole; then a turn to look at it from the side.
struct Sphere {
  float width, height, radius;
  Matrix3 post;
};
ASErr WrapOnSphere(const void* data, Point3* v) {
  const Sphere& s = *static_cast<const Sphere*>(data);
  const float theta = v->x / s.width * 6.2831855f;
  const float lat = std::sin(3.1415927f * v->y / s.height);
  const float rho = std::sqrt(std::max(0.0f, 1.0f - lat * lat)) * s.radius;
  v->z += lat * s.radius;
  v->x = std::cos(theta) * rho;
  v->y = std::sin(theta) * rho;
  Apply(s.post, v);
  return kNoErr;
}

// A wavy open stroke, like a piece of a letter outline.
std::vector<Segment> Wave() {
  return {Seg({-90, -20}, {-100, -30}, {-70, 40}),
          Seg({-20, 10}, {-40, -40}, {0, 40}),
          Seg({40, -10}, {20, -50}, {60, 30}),
          Seg({90, 50}, {80, 20}, {95, 70})};
}

class PathMapping : public test::GeometryTest {};

// The result must follow the exactly mapped source curve: every exact sample
// lies near the result and every result sample near the exact curve. The
// match test compares each coordinate against the tolerance, so the
// distance it allows is the tolerance times sqrt(2).
void ExpectFollowsMappedCurve(const MapContext& ctx, const SegmentBuffer& source,
                              const SegmentBuffer& result, double tolerance) {
  std::vector<AIRealPoint> exact;
  for (const AIRealPoint& p :
       test::SampleSegments(source.segments, source.count, source.closed != 0, 200)) {
    AIRealPoint out;
    float z;
    bool behind = false;
    ASSERT_EQ(kNoErr, MapPagePoint(ctx, p, &out, &z, &behind));
    exact.push_back(out);
  }
  const std::vector<AIRealPoint> mapped =
      test::SampleSegments(result.segments, result.count, result.closed != 0, 40);
  const double allowed = tolerance * std::sqrt(2.0);
  EXPECT_LE(test::MaxDistanceToPolyline(exact, mapped, result.closed != 0), allowed);
  EXPECT_LE(test::MaxDistanceToPolyline(mapped, exact, source.closed != 0), allowed);
}

TEST_F(PathMapping, OpenPathOuterHandlesAreRetracted) {
  BufferPair path(Wave(), false);
  const MapContext ctx = MakeTransformContext(Identity, nullptr, {0, 0}, kFar, 100);
  ASSERT_EQ(kNoErr, MapPathSubdividing(ctx, 0, 0, path.source, &path.working));
  const SegmentBuffer& w = path.working;
  ASSERT_GE(w.count, 4);
  EXPECT_TRUE(test::PointNear(w.segments[0].p, w.segments[0].in, 0));
  EXPECT_TRUE(test::PointNear(w.segments[w.count - 1].p, w.segments[w.count - 1].out, 0));
  EXPECT_NE(w.segments[0].p.h, w.segments[0].out.h) << "inner handles stay";
  for (int i = 0; i < w.count; ++i) EXPECT_EQ(1, w.segments[i].corner);
  EXPECT_EQ(0.0f, w.depth);
}

TEST_F(PathMapping, ClosedPathFoldsItsClosingPieceOntoTheFirstSegment) {
  // Doubling x about the centre turns the circle into an ellipse whose
  // cubic pieces are the mapped ones exactly: no split is needed, and every
  // handle must be the mapped handle, the first segment's in-control point
  // included (it comes from the closing piece).
  const AIRealPoint c{10, 20};
  const std::vector<Segment> circle = test::CirclePath(c, 50);
  BufferPair path(circle, true);
  const MapContext ctx = MakeTransformContext(DoubleX, nullptr, c, kFar, 100);
  ASSERT_EQ(kNoErr, MapPathSubdividing(ctx, 0, 0, path.source, &path.working));
  ASSERT_EQ(4, path.working.count);
  EXPECT_EQ(1, path.working.closed);
  auto doubled = [&](AIRealPoint p) { return AIRealPoint{c.h + 2 * (p.h - c.h), p.v}; };
  for (int i = 0; i < 4; ++i) {
    const Segment& s = path.working.segments[i];
    EXPECT_EQ(1, s.corner) << i;
    const AIRealPoint got[] = {s.p, s.in, s.out};
    const AIRealPoint want[] = {doubled(circle[i].p), doubled(circle[i].in),
                                doubled(circle[i].out)};
    for (int k = 0; k < 3; ++k) {
      // Handles follow the tangent of the t = 0.001 sample: a few hundredths.
      EXPECT_TRUE(test::PointNear(want[k], got[k], 0.05)) << i << "/" << k;
    }
  }
}

TEST_F(PathMapping, ResultsBelowTheLimitAreAppliedTheOthersNot) {
  struct Case {
    int count;
    bool closed;
    bool applied;
  } cases[] = {{0, false, false},  // fewer than two segments: carried through
               {1, false, false},
               {8190, false, true},
               {8191, false, false},
               {8190, true, true},
               {8191, true, false},
               {9000, false, false}};
  const MapContext ctx = MakeTransformContext(DoubleX, nullptr, {0, 0}, kFar, 100);
  for (const Case& c : cases) {
    BufferPair path(Polyline(c.count, 1.0f), c.closed);
    ASSERT_EQ(kNoErr, MapPathSubdividing(ctx, 0, 0, path.source, &path.working));
    EXPECT_EQ(c.count, path.working.count) << c.count;
    EXPECT_TRUE(c.count < 2 || path.working.segments[1].p.h == (c.applied ? 2.0f : 1.0f))
        << c.count << (c.closed ? " closed" : " open");
    if (c.count < 2) {
      EXPECT_EQ(kNoErr, MapPathAnchorsOnly(ctx, 0, 0, path.source, &path.working));
      EXPECT_EQ(c.count, path.working.count);
    }
  }
}

TEST_F(PathMapping, SplittingStopsAtTheLimitAndLeavesThePathUnmapped) {
  // 20000 points of ripple need well over 8191 segments.
  BufferPair path(Polyline(2, 20000.0f), false);
  const MapContext ctx = MakeTransformContext(Ripple, nullptr, {0, 0}, kFar, 100);
  const int64_t live = host().blocks().LiveCount();
  ASSERT_EQ(kNoErr, MapPathSubdividing(ctx, 0, 0, path.source, &path.working));
  EXPECT_EQ(2, path.working.count);
  EXPECT_TRUE(SameSegments(path.source.segments, path.working.segments, 2));
  EXPECT_EQ(kDepthSentinel, path.working.depth);
  EXPECT_EQ(live, int64_t(host().blocks().LiveCount()));

  // The scratch is used up to index kSegmentLimit - 1 and never beyond.
  std::vector<Segment> scratch(kScratchSegments + 64);
  std::memset(scratch.data(), 0x5A, scratch.size() * sizeof(Segment));
  std::vector<Segment> guard(scratch.begin() + kSegmentLimit, scratch.end());
  int32_t count = 0;
  float depth;
  const std::vector<Segment> line = Polyline(2, 20000.0f);
  ASSERT_EQ(kNoErr, MapSegmentsSubdividing(ctx, line.data(), 2, false, scratch.data(),
                                           &count, &depth, ProgressSpan{0, 0}));
  EXPECT_EQ(kSegmentLimit, count);
  EXPECT_EQ(0, std::memcmp(guard.data(), scratch.data() + kSegmentLimit,
                           guard.size() * sizeof(Segment)));
  EXPECT_NE(0, std::memcmp(guard.data(), scratch.data() + (kSegmentLimit - 1),
                           sizeof(Segment)))
      << "the scratch was filled up to the limit";
}

// The driver's own scratch starts small and grows when a path needs more
// room: the result is the one a full-size scratch gives, byte for byte. A
// failed allocation (the first scratch, the grown one, the result) is out
// of memory with the source copy kept, open or closed.
TEST_F(PathMapping, AllocationFailuresKeepTheSourceAndAGrownScratchGivesTheFullResult) {
  Matrix3 turn;
  EulerXYZ(&turn, 0.9f, -0.6f, 0.3f);
  struct Row {
    std::vector<Segment> path;
    bool closed;
    MapContext ctx;
    long runs;  // allocations + 1
  } rows[] = {
      // 600-point ripples double the first scratch eight times, the circle once.
      {Polyline(3, 600.0f), false, MakeTransformContext(Ripple, nullptr, {0, 0}, kFar, 100), 11},
      {test::CirclePath({0, 0}, 80), true, MakeTransformContext(Rotate, &turn, {0, 0}, 300, 100),
       4},
  };
  for (const Row& row : rows) {
    const int n = int(row.path.size());
    std::vector<Segment> full(kScratchSegments);
    int32_t want = 0;
    float depth;
    ASSERT_EQ(kNoErr, MapSegmentsSubdividing(row.ctx, row.path.data(), n, row.closed,
                                             full.data(), &want, &depth, ProgressSpan{0, 0}));
    std::unique_ptr<BufferPair> path;
    const long runs = test::SweepAllocationFailures(host(), {
        .prepare = [&] { path = std::make_unique<BufferPair>(row.path, row.closed); },
        .run = [&] { return MapPathSubdividing(row.ctx, 0, 0, path->source, &path->working); },
        .check = [&](ASErr err, long, bool failed) {
          EXPECT_EQ(failed ? kOutOfMemoryErr : kNoErr, err);
          ASSERT_EQ(failed ? n : want, path->working.count);
          EXPECT_TRUE(SameSegments(failed ? path->source.segments : full.data(),
                                   path->working.segments, path->working.count));
        },
        .cap = 12});
    path.reset();
    EXPECT_EQ(row.runs, runs) << (row.closed ? "closed" : "open");
  }
}

// A rotation in perspective and a sphere wrap need splits, and the result
// follows the exactly mapped curve, closed and open.
TEST_F(PathMapping, RotationAndSphereWrapFollowTheExactCurve) {
  Matrix3 turn;
  EulerXYZ(&turn, 0.9f, -0.6f, 0.3f);
  Sphere sphere{240, 240, 110, {}};
  EulerXYZ(&sphere.post, 0.5f, 0.4f, 0.0f);
  const AIRealPoint centre{200, 300};
  struct Case {
    MapContext ctx;
    AIRealPoint centre;
    AIRealPoint circleCentre;
    float radius;
  } cases[] = {
      {MakeTransformContext(Rotate, &turn, centre, 100.0f / 0.3f, 100.0f), centre, centre, 70},
      {MakeTransformContext(WrapOnSphere, &sphere, {0, 0}, 170.0f / 0.1f, 170.0f), {0, 0},
       {5, -10}, 90},
  };
  for (const Case& c : cases) {
    for (bool closed : {true, false}) {
      std::vector<Segment> shape = closed ? test::CirclePath(c.circleCentre, c.radius) : Wave();
      if (!closed)
        for (Segment& s : shape)
          for (AIRealPoint* pt : {&s.p, &s.in, &s.out}) pt->h += c.centre.h, pt->v += c.centre.v;
      BufferPair path(shape, closed);
      ASSERT_EQ(kNoErr, MapPathSubdividing(c.ctx, 0, 0, path.source, &path.working));
      EXPECT_GT(path.working.count, int(shape.size())) << "the mapping needs splits";
      ExpectFollowsMappedCurve(c.ctx, path.source, path.working, c.ctx.matchTolerance);
    }
  }
}

TEST_F(PathMapping, ToolPullBendsOnlyInsideItsArea) {
  BufferPair path({Corner({-200, 10}), Corner({0, 10}), Corner({200, 10})}, false);
  const MapContext ctx = MakeToolContext(Pull, nullptr, {0, 0}, 50);
  ASSERT_EQ(kNoErr, MapPathSubdividing(ctx, 0, 0, path.source, &path.working));
  const SegmentBuffer& w = path.working;
  EXPECT_GT(w.count, 3) << "new anchors inside the area";
  EXPECT_TRUE(SameSegments(&path.source.segments[0], &w.segments[0], 1))
      << "the far left end is untouched";
  EXPECT_TRUE(SameSegments(&path.source.segments[2], &w.segments[w.count - 1], 1))
      << "the far right end is untouched";
  for (int i = 0; i < w.count; ++i)
    if (std::fabs(w.segments[i].p.h) >= 50) {
      EXPECT_EQ(10.0f, w.segments[i].p.v) << i;
    }
  ExpectFollowsMappedCurve(ctx, path.source, w, ctx.matchTolerance);
}

TEST_F(PathMapping, AnchorsOnlyMapsEveryPointAndKeepsTheCount) {
  const std::vector<Segment> wave = Wave();
  BufferPair path(wave, false);
  Sphere sphere{240, 240, 110, {}};
  EulerXYZ(&sphere.post, 0.5f, 0.4f, 0.0f);
  const MapContext ctx = MakeTransformContext(WrapOnSphere, &sphere, {3, 4}, 1700, 170);
  ASSERT_EQ(kNoErr, MapPathAnchorsOnly(ctx, 0, 0, path.source, &path.working));
  ASSERT_EQ(4, path.working.count);
  for (int i = 0; i < 4; ++i) {
    const Segment& s = path.working.segments[i];
    EXPECT_EQ(1, s.corner);
    const AIRealPoint* got[] = {&s.p, &s.in, &s.out};
    const AIRealPoint src[] = {wave[i].p, wave[i].in, wave[i].out};
    for (int k = 0; k < 3; ++k) {
      AIRealPoint want;
      float z;
      bool behind = false;
      ASSERT_EQ(kNoErr, MapPagePoint(ctx, src[k], &want, &z, &behind));
      EXPECT_TRUE(test::PointNear(want, *got[k], 0)) << i << "/" << k;
    }
  }
}

// Depth is the largest mapped anchor z; mapper errors leave the working copy
// as the source.
TEST_F(PathMapping, DepthIsTheLargestMappedAnchorZErrorsLeaveTheSource) {
  BufferPair small(Polyline(5, 10.0f), false);  // x = 0 .. 40
  const MapContext shifted = MakeTransformContext(DepthIsX, nullptr, {-100, 0}, kFar, 100);
  ASSERT_EQ(kNoErr, MapPathSubdividing(shifted, 0, 0, small.source, &small.working));
  EXPECT_EQ(70.0f, small.working.depth);  // (40 - (-100)) / 2
  ASSERT_EQ(kNoErr, MapPathAnchorsOnly(shifted, 0, 0, small.source, &small.working));
  EXPECT_EQ(70.0f, small.working.depth);

  // DepthIsX fails right of x = 1000 (relative to the centre).
  BufferPair path(Polyline(4, 500.0f), false);
  const MapContext ctx = MakeTransformContext(DepthIsX, nullptr, {0, 0}, kFar, 100);
  const int64_t live = host().blocks().LiveCount();
  EXPECT_EQ(kOverflowErr, MapPathSubdividing(ctx, 0, 0, path.source, &path.working));
  EXPECT_TRUE(SameSegments(path.source.segments, path.working.segments, 4));
  EXPECT_EQ(kOverflowErr, MapPathAnchorsOnly(ctx, 0, 0, path.source, &path.working));
  EXPECT_TRUE(SameSegments(path.source.segments, path.working.segments, 4));
  EXPECT_EQ(4, path.working.count);
  EXPECT_EQ(live, int64_t(host().blocks().LiveCount()));
}

}  // namespace
}  // namespace vx
