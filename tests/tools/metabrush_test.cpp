// MetaBrush geometry: stamps along the pointer's path, each copy's matrix
// from the record, the stroke through the stamps; the Trail tool's copies,
// one per Space of the drag.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "support/geometry_checks.h"
#include "tools/metabrush.h"
#include "tools/trail_copies.h"

namespace vx {
namespace {

std::vector<BrushStamp> Stamps(const std::vector<AIRealPoint>& pts, float spacing,
                               int32_t capacity = 100) {
  std::vector<BrushStamp> out(static_cast<size_t>(capacity));
  out.resize(size_t(BrushStamps(pts.data(), int32_t(pts.size()), spacing, out.data(), capacity)));
  return out;
}

// An L of 30 + 40 points at spacing 10: stamps every 10 points of length,
// around the corner, with the direction of the piece each lies on.
TEST(MetaBrush, StampsEverySpacingAlongThePath) {
  const auto s = Stamps({{0, 0}, {30, 0}, {30, 40}}, 10.0f);
  const float h[] = {0, 10, 20, 30, 30, 30, 30, 30};
  const float v[] = {0, 0, 0, 0, 10, 20, 30, 40};
  ASSERT_EQ(8u, s.size());
  for (size_t i = 0; i < s.size(); ++i) {
    EXPECT_TRUE(test::PointNear({h[i], v[i]}, s[i].at, 1e-4f)) << i;
    EXPECT_NEAR(float(i) / 7.0f, s[i].along, 1e-6f) << i;
    EXPECT_NEAR(i <= 3 ? 0.0f : 1.5707963f, s[i].angle, 1e-6f) << i;
  }
  struct Case {
    std::vector<AIRealPoint> pts;
    float spacing;
    int32_t capacity;
    size_t stamps;
  } cases[] = {
      {{{0, 0}, {30, 0}, {30, 40}}, 10.0f, 3, 3},  // capacity
      {{{5, 5}}, 10.0f, 100, 1},                   // a click: one copy
      {{{0, 0}, {9, 0}}, 10.0f, 100, 1},           // shorter than the spacing
      {{{0, 0}, {5, 0}}, 0.0f, 100, 6},            // spacing at least 1
  };
  for (const Case& c : cases) EXPECT_EQ(c.stamps, Stamps(c.pts, c.spacing, c.capacity).size());
}

// Factory record: the copy is the selection moved so that its centre sits
// on the stamp. Then each field on its own.
TEST(MetaBrush, CopyMatrixFollowsTheRecord) {
  const BrushStamp stamp{{100, 50}, 1.5707963f, 0.5f};
  const BrushJitter none{0.0f, 0.0f, 0.0f};
  const AIRealPoint pivot{10, 10};
  struct Case {
    void (*edit)(MetaBrushToolParams&);
    BrushJitter jitter;
    AIRealPoint corner;  // where the selection's point (20, 10) goes
  } cases[] = {
      {[](MetaBrushToolParams&) {}, none, {110, 50}},
      {[](MetaBrushToolParams& p) { p.keyC = 1; }, none, {100, 60}},    // follows the drag
      {[](MetaBrushToolParams& p) { p.keyU = 3.14159265f; }, none, {90, 50}},
      {[](MetaBrushToolParams& p) { p.keyO = 1; p.keyP3 = 3; p.keyM = 1; }, none, {115, 50}},
      {[](MetaBrushToolParams& p) { p.keyQ = 1; p.keyL = 40; }, none, {120, 50}},  // extent 20
      {[](MetaBrushToolParams& p) { p.keyT = {2, 1}; p.keyV = {0, -5}; }, none, {120, 45}},
      {[](MetaBrushToolParams& p) { p.keyR = {4, 8}; }, {0.5f, -0.25f, 0.0f}, {112, 48}},
      {[](MetaBrushToolParams& p) { p.keyS = {1, 3}; }, {0.0f, 0.0f, 0.25f}, {115, 50}},
  };
  for (const Case& c : cases) {
    MetaBrushToolParams p = kMetaBrushToolFactoryParams;
    c.edit(p);
    const AIRealMatrix m = BrushCopyMatrix(p, stamp, c.jitter, pivot, 20.0f);
    const AIRealPoint q{20, 10};
    EXPECT_NEAR(c.corner.h, m.a * q.h + m.c * q.v + m.tx, 1e-4f);
    EXPECT_NEAR(c.corner.v, m.b * q.h + m.d * q.v + m.ty, 1e-4f);
    EXPECT_NEAR(100.0f + p.keyV.h + c.jitter.scatterH * p.keyR.h,
                m.a * pivot.h + m.c * pivot.v + m.tx, 1e-4f);  // pivot on the stamp
  }
}

// The stroke passes through every stamp, smooth inside, open at its ends.
TEST(MetaBrush, StrokeThroughTheStamps) {
  const auto s = Stamps({{0, 0}, {30, 0}, {30, 30}}, 15.0f);
  ASSERT_EQ(5u, s.size());
  std::vector<Segment> seg(s.size());
  BrushStrokeSegments(s.data(), int32_t(s.size()), seg.data());
  EXPECT_EQ(seg[0].p.h, seg[0].in.h);
  EXPECT_EQ(seg[4].p.v, seg[4].out.v);
  // At the corner (30, 0) the neighbours are (15, 0) and (30, 15).
  EXPECT_TRUE(test::PointNear({27.5f, -2.5f}, seg[2].in, 1e-5f));
  EXPECT_TRUE(test::PointNear({32.5f, 2.5f}, seg[2].out, 1e-5f));
}

TEST(TrailTool, OneCopyPerSpaceOfTheDrag) {
  struct Case {
    float space;
    AIRealPoint drag;
    int32_t copies;
  } cases[] = {  // (Space 10 over 50 points: the tool drag rows)
      {10, {9.9f, 0}, 0},      // shorter than Space
      {0.5f, {0, -3}, 3},      // Space at least 1
      {1, {5000, 0}, kTrailToolMaxCopies},
  };
  for (const Case& c : cases) {
    TrailToolParams t = kTrailToolFactoryParams;
    t.space = c.space;
    EXPECT_EQ(c.copies, TrailCopyCount(t, c.drag)) << c.space;
  }
}

}  // namespace
}  // namespace vx
