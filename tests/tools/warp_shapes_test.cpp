// The Warp shapes as point mappings: exact moves at the pointer's column,
// the reach and its margin, the limits of b, the gates, and the Alt variant
// as the same mapping with the axes exchanged.
#include <gtest/gtest.h>

#include "tools/warp_shapes.h"

namespace vx {
namespace {

// 100 wide, 50 high: b = 1 / 50, centre (50, 25).
constexpr AIRealRect kBox{0, 50, 100, 0};

AIRealPoint Mapped(int shape, float margin, bool perspective, AIRealPoint down,
                   AIRealPoint pointer, AIRealPoint p, bool alt = false,
                   AIRealRect box = kBox) {
  WarpGeometry g;
  EXPECT_TRUE(WarpSetUp(shape, margin, perspective, alt, box, down, pointer, &g));
  WarpMapPoint(g, &p);
  return p;
}

TEST(WarpShapes, ShapeFourMovesTheTopEdgeByTheDragAtThePointerColumn) {
  // Drag up by 20 at x = 30: reach W = 100 - 30 = 70 (the far edge). The
  // top edge at the column, the bottom edge and the reach with and without
  // margin: the tool drag rows.
  struct Case { AIRealPoint p; float margin; float v; };
  const Case cases[] = {
      {{30, 25}, 0.0f, 35.0f},        // half way up: + a / 2
      {{65, 50}, 0.0f, 67.320508f},   // t = 1/2: + a sqrt(3/4)
      {{0, 50}, 1.0f, 50.0f + 20.0f * 0.9767711f},  // t = 30 / 140
  };
  for (const Case& c : cases) {
    const AIRealPoint m = Mapped(4, c.margin, false, {30, 50}, {30, 70}, c.p);
    EXPECT_FLOAT_EQ(c.p.h, m.h);
    EXPECT_NEAR(c.v, m.v, 1e-4) << c.p.h << "," << c.p.v << " margin " << c.margin;
  }
}

TEST(WarpShapes, BaseScaleLimits) {
  struct Case { float extent, b; };
  for (const Case& c : {Case{1.0f, 1.0f}, Case{0.05f, 10.0f}, Case{0.1f, 10.0f},
                        Case{50.0f, 0.02f}, Case{1000.0f, 0.001f},
                        Case{4000.0f, 0.001f}})
    EXPECT_FLOAT_EQ(c.b, WarpBaseScale(c.extent)) << c.extent;
  // A selection 0.05 high works with b = 10, not 20: shape 4's top edge at
  // the pointer's column moves by a b (T - B) = a / 2.
  const AIRealRect thin{0, 0.05f, 100, 0};
  EXPECT_NEAR(0.05f + 1.0f, Mapped(4, 0, false, {30, 0}, {30, 2}, {30, 0.05f},
                                   false, thin).v, 1e-5);
}

TEST(WarpShapes, Gates) {
  struct Case { int shape; bool perspective; float dragV; bool applies; };
  const Case cases[] = {
      {0, true, 10, true},   {0, true, -10, false}, {2, true, -10, true},
      {2, true, 10, false},  {12, true, -1, true},  {20, true, 0, false},
      {6, true, 0, true},    {6, false, 0, false},  {14, false, 0, false},
      {21, false, 0, false}, {21, false, -3, true}, {13, false, 0, false},
      {13, true, 0, false},  {0, false, 0, true},   {7, false, -10, true},
  };
  for (const Case& c : cases) {
    WarpGeometry g;
    EXPECT_EQ(c.applies, WarpSetUp(c.shape, 0.05f, c.perspective, false, kBox,
                                   {40, 25}, {40, 25 + c.dragV}, &g))
        << "shape " << c.shape;
  }
  WarpGeometry g;
  EXPECT_FALSE(WarpSetUp(4, 0, false, false, {0, 10, 100, 10}, {1, 1}, {1, 5}, &g));
  EXPECT_FALSE(WarpSetUp(22, 0, false, false, kBox, {1, 1}, {1, 5}, &g));
}

TEST(WarpShapes, ShiftsMoveTheReferenceColumnByTheDragWhateverTheRow) {
  for (int shape : {6, 13, 21})
    for (float v : {0.0f, 17.0f, 50.0f}) {
      const AIRealPoint m = Mapped(shape, 0.05f, false, {30, 10}, {30, -5}, {30, v});
      EXPECT_FLOAT_EQ(v - 15.0f, m.v) << "shape " << shape;
    }
}

TEST(WarpShapes, AltIsTheSameMappingWithTheAxesExchanged) {
  const AIRealRect box{0, 100, 50, 0};  // kBox transposed
  auto swap = [](AIRealPoint p) { return AIRealPoint{p.v, p.h}; };
  const AIRealPoint points[] = {{10, 40}, {30, 25}, {64, 3}, {95, 49}, {50, 50}};
  for (int shape = 0; shape < kWarpShapeCount; ++shape)
    for (bool perspective : {false, true})
      for (const AIRealPoint& p : points) {
        // Upward (downward for the shapes that turn the sign), as
        // Perspective's gate wants.
        const bool down_ = kWarpShapes[shape].negated;
        const AIRealPoint down{30, 10}, pointer{70, down_ ? 2.0f : 30.0f};
        const AIRealPoint plain = Mapped(shape, 0.5f, perspective, down, pointer, p);
        const AIRealPoint alt = Mapped(shape, 0.5f, perspective, swap(down),
                                       swap(pointer), swap(p), true, box);
        EXPECT_NEAR(plain.h, alt.v, 1e-3) << "shape " << shape;
        EXPECT_NEAR(plain.v, alt.h, 1e-3) << "shape " << shape;
      }
}

TEST(WarpShapes, PerspectiveStretchesAcrossTheBend) {
  // Shape 3 with q = h a = (1 / 100) 20 = 0.2: x' = X0 + ((sin(t pi/2) - t) q
  // + t) W at t = 1/2, W = 70, X0 = 30.
  const AIRealPoint m = Mapped(3, 0, true, {30, 25}, {30, 45}, {65, 25});
  EXPECT_NEAR(30.0f + ((0.70710678f - 0.5f) * 0.2f + 0.5f) * 70.0f, m.h, 1e-4);
  EXPECT_FLOAT_EQ(25.0f, m.v);  // on the reference row
}

}  // namespace
}  // namespace vx
