// Substitution, resampling and jitter, through the filter's Go and directly.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "filters/fractalize_engine.h"
#include "fractalize_fixture.h"
#include "host/core/user_interaction.h"
#include "shell/globals.h"
#include "support/allocation_sweep.h"
#include "support/geometry_checks.h"
#include "support/test_paths.h"

namespace vx {
namespace {

using test::Anchors;
using test::Params;

class Engine : public test::FractalizeTest {};

TEST_F(Engine, SubstitutedCountsFollowTheLevels) {
  struct Case {
    int n;
    bool closed;
    int m, level, total;
  } cases[] = {
      {2, false, 3, 1, 3},    {2, false, 6, 3, 126}, {2, false, 6, 5, 3126},
      {2, false, 6, 6, 0},    {4, true, 4, 1, 12},   {4, true, 4, 2, 36},
      {3, false, 4, 2, 19},   {8001, false, 3, 0, 0}, {2, false, 2, 12, 2},
      {4000, true, 3, 1, 8000}, {4001, true, 3, 1, 0}, {2, true, 1, 3, 0},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.total, SubstitutedCount(c.n, c.closed, c.m, c.level))
        << c.n << " " << c.closed << " " << c.m << " " << c.level;
}

TEST_F(Engine, OpenSpanGetsTheApexLeftOfTravel) {
  // Per 141.421 points of span the apex stands 70.71 points to the left; a
  // negative height mirrors it to the right; density 0 means no resampling
  // and no jitter, whatever the distortion.
  struct Case {
    AIRealPoint a, b, apex;
    float height = 100.0f, uneven = 0.0f;
  } cases[] = {
      {{0, 0}, {141.421f, 0}, {70.71f, 70.711f}},
      {{10, 20}, {10, 120}, {10 - 50.0f, 20 + 50.0f}},          // travel up
      {{100, 0}, {-41.421f, 0}, {100 - 70.71f, -70.711f}},       // travel left
      {{0, 0}, {141.421f, 0}, {70.71f, -70.711f}, -100.0f},
      {{0, 0}, {141.421f, 0}, {70.71f, 70.711f}, 100.0f, 400.0f},
  };
  for (const auto& c : cases) {
    Art* path = AddPath(test::SvgPolyline({c.a, c.b}));
    SetFilterParams(Params(1, 1, 0.0f, c.uneven, c.height));
    ASSERT_EQ(0, FilterGo());
    const auto anchors = Anchors(*path);
    ASSERT_EQ(3u, anchors.size());
    EXPECT_TRUE(test::PointNear(c.a, anchors[0], 1e-3));
    EXPECT_TRUE(test::PointNear(c.apex, anchors[1], 2e-3));
    EXPECT_TRUE(test::PointNear(c.b, anchors[2], 1e-3));
    EXPECT_FALSE(path->path().closed);
    doc_->Dispose(path);
  }
}

// Level 2 (36 anchors): the filter dialog's and the playback's rows.
TEST_F(Engine, ClosedSquareStaysClosedWithThreeSpansPerSide) {
  Art* path = AddPath("M 0,0 L 0,90 L 90,90 L 90,0 Z");
  SetFilterParams(Params(10, 1));
  ASSERT_EQ(0, FilterGo());
  EXPECT_EQ(12u, path->path().segments.size());
  EXPECT_TRUE(path->path().closed);
  const auto anchors = Anchors(*path);
  // The corners of the square stay where they were, every third anchor.
  // Travel up the left side: the generator's +y goes left (-x).
  const std::pair<int, AIRealPoint> corners[] = {
      {3, {0, 90}}, {6, {90, 90}}, {9, {90, 0}}, {1, {-90, 0}}, {2, {-90, 90}}};
  for (const auto& [k, want] : corners) EXPECT_TRUE(test::PointNear(want, anchors[k], 1e-3)) << k;
  // Every control of the result sits on its anchor (a polyline
  // generator), written from the same or the neighbouring span.
  for (const Segment& s : path->path().segments) {
    EXPECT_TRUE(test::PointNear(s.p, s.in, 1e-3));
    EXPECT_TRUE(test::PointNear(s.p, s.out, 1e-3));
  }
}

TEST_F(Engine, DeepLevelsAndTheSegmentLimit) {
  // With a three-anchor generator at level 12 a two-anchor path gives
  // 4097 anchors and a three-anchor one would give 8193: that one is
  // skipped while the paths around it are processed, and the filter
  // succeeds.
  Art* a = AddPath("M 0,100 L 400,100");
  Art* b = AddPath("M 0,200 L 200,200 L 400,200");
  Art* c = AddPath("M 0,300 L 400,300");
  const auto bBefore = b->path().segments;
  SetFilterParams(Params(1, 12));
  ASSERT_EQ(0, FilterGo());
  EXPECT_EQ(4097u, a->path().segments.size());
  EXPECT_EQ(4097u, c->path().segments.size());
  ASSERT_EQ(bBefore.size(), b->path().segments.size());
  EXPECT_EQ(200.0f, b->path().segments[1].p.h);
}

TEST_F(Engine, SubstitutingDirectlyRefusesWithSegm) {
  Art* path = AddPath("M 0,0 L 10,0");
  std::vector<Segment> gen = test::PathFromSvg("M 0,0 L 10,0 L 20,0 L 30,0 L 40,0 L 50,0").segments;
  const auto before = path->path().segments;
  EXPECT_EQ(kSegmentLimitErr, SubstitutePath(path->handle(), gen.data(), 6, 6));
  EXPECT_EQ(before.size(), path->path().segments.size());
  EXPECT_EQ(kNoErr, SubstitutePath(path->handle(), gen.data(), 6, 3));
  EXPECT_EQ(126u, path->path().segments.size());
  // A single anchor is left alone.
  Art* dot = AddPath("M 5,5 L 6,6");
  doc_->MutablePath(*dot).segments.resize(1);
  EXPECT_EQ(kNoErr, SubstitutePath(dot->handle(), gen.data(), 6, 3));
  EXPECT_EQ(1u, dot->path().segments.size());
}

TEST_F(Engine, ResamplingACurveHitsItsArcLengthTargets) {
  // A quarter circle of radius 100 (arc ~157.08): density 2 gives 36-point
  // pieces, q = 4, three inserted anchors at 39.27 points each.
  Art* path = AddPath("M 100,0 L 0,100");
  auto& segs = doc_->MutablePath(*path).segments;
  segs[0].out = {100, 55.2285f};
  segs[1].in = {55.2285f, 100};
  ASSERT_EQ(kNoErr, ResamplePath(path->handle(), Params(1, 1, 2.0f, 0.0f), 0));
  const auto anchors = Anchors(*path);
  ASSERT_EQ(5u, anchors.size());
  for (int k = 1; k < 4; ++k) {
    const double angle = std::atan2(anchors[k].v, anchors[k].h);
    EXPECT_NEAR(100.0, std::hypot(anchors[k].h, anchors[k].v), 0.1);
    EXPECT_NEAR(k * 157.08 / 4, angle * 100.0, 0.35) << k;
  }
}

TEST_F(Engine, ClosedPathsResampleTheClosingSpan) {
  Art* path = AddPath("M 0,0 L 0,72 L 72,72 L 72,0 Z");
  ASSERT_EQ(kNoErr, ResamplePath(path->handle(), Params(1, 1, 2.0f, 0.0f), 0));
  // Four sides of 72 points, 36-point pieces: two per side, no duplicate.
  EXPECT_EQ(8u, path->path().segments.size());
  EXPECT_TRUE(path->path().closed);
}

TEST_F(Engine, AResampledListOf8191AnchorsLeavesThePathAsItWas) {
  // Spans of 1.2 points at density 144 (0.5-point steps) gain one anchor
  // each: an open path of k anchors resamples to 2k - 1.
  const struct { int anchors; std::size_t after; } rows[] = {
      {4095, 8189}, {4096, 4096}, {4097, 4097}};
  for (const auto& row : rows) {
    std::vector<AIRealPoint> line;
    for (int i = 0; i < row.anchors; ++i) line.push_back({1.2f * i, 0});
    Art* path = AddPath(test::SvgPolyline(line));
    ASSERT_EQ(kNoErr, ResamplePath(path->handle(), Params(1, 1, 144.0f, 0.0f), 0));
    EXPECT_EQ(row.after, path->path().segments.size()) << row.anchors;
  }
}

// 144 points at density 5 resample to 11 anchors 14.4 apart on the line,
// every control on its anchor (no distortion: no jitter). A path whose
// resampled form the substitution would refuse stays as it was: a 6-anchor
// generator at level 5 makes 3125 x 10 + 1 anchors, past 8000, while the
// 2-anchor source alone would fit (3126).
TEST_F(Engine, ResamplingCutsEqualPiecesUnlessTheSubstitutionWouldRefuse) {
  const struct { int level; ASErr result; std::size_t after; } rows[] = {
      {4, kNoErr, 11}, {5, kSegmentLimitErr, 2}};
  for (const auto& row : rows) {
    Art* path = AddPath("M 0,0 L 144,0");
    EXPECT_EQ(row.result, ResamplePath(path->handle(), Params(1, row.level, 5.0f, 0.0f), 6));
    ASSERT_EQ(row.after, path->path().segments.size()) << row.level;
    for (size_t k = 0; k < row.after; ++k) {
      const Segment& s = path->path().segments[k];
      EXPECT_NEAR(144.0 / double(row.after - 1) * double(k), s.p.h, 0.25) << k;
      EXPECT_NEAR(0, s.p.v, 1e-4) << k;
      EXPECT_TRUE(s.p.h == s.in.h && s.p.v == s.out.v) << k;
    }
  }
}

TEST_F(Engine, JitterIsRepeatableForTheSameSeedAndPerpendicular) {
  auto run = [&](uint32_t ticks) {
    // A run after the dialog reuses its seed; a fresh run draws the tick.
    host().user().FixTickCount(ticks);
    gGlobals->ReuseSeed = 0;
    Art* path = AddPath("M 0,0 L 144,0");
    SetFilterParams(Params(2, 0, 5.0f, 10.0f, 100.0f, 1));
    EXPECT_EQ(0, FilterGo());
    auto anchors = Anchors(*path);
    doc_->Dispose(path);
    return anchors;
  };
  const auto a = run(77), b = run(77), c = run(78);
  ASSERT_EQ(11u, a.size());
  test::ExpectShifted(a, b);
  ASSERT_EQ(a.size(), c.size());
  EXPECT_TRUE(test::AnyVDiffers(a, c));
  for (size_t k = 0; k < a.size(); ++k) {
    // A straight span moves its anchors across it by at most 5 points.
    EXPECT_LE(std::fabs(a[k].v), 5.0f + 1e-4f);
    EXPECT_TRUE(k == 0 || k + 1 == a.size() || std::fabs(14.4 * k - a[k].h) <= 0.26) << k;
  }
}

TEST_F(Engine, CancelKeepsFinishedPathsAndLeavesTheRest) {
  Art* first = AddPath("M 0,0 L 10,0");
  Art* second = AddPath("M 0,10 L 10,10");
  Art* third = AddPath("M 0,20 L 10,20");
  SetFilterParams(Params(1, 1));
  const std::size_t live = Live();
  host().user().CancelAfterUpdates(0);
  EXPECT_EQ(kCanceledErr, FilterGo());
  host().user().CancelAfterUpdates(-1);
  // The selection is walked in the host's order; exactly one path is done.
  int done = 0;
  for (Art* a : {first, second, third})
    done += a->path().segments.size() == 3u ? 1 : 0;
  EXPECT_EQ(1, done);
  EXPECT_EQ(live, Live());
  EXPECT_FALSE(host().user().progressOpen());
}

TEST_F(Engine, EveryFailedAllocationIsReportedAndNothingLeaks) {
  Art *a = nullptr, *b = nullptr;
  test::SweepAllocationFailures(host(), {.prepare = [&] {
    if (a) doc_->Dispose(a), doc_->Dispose(b);
    a = AddPath("M 0,0 L 144,0");
    b = AddPath("M 0,20 L 0,80 L 60,80 Z");
    SetFilterParams(Params(9, 2, 5.0f, 30.0f));
  }, .run = [&] { return FilterGo(); }});
}

}  // namespace
}  // namespace vx
