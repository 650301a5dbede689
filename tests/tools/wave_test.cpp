// The Wave tool's shapes, its squeeze and Full Cycle crests, and how its
// Trace menu reads.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "tools/tool_drag.h"
#include "tools/wave_shapes.h"
#include "tools/wave_tool.h"

namespace vx {
namespace {

// A 200 x 100 selection from (0, 0); H = 100.
constexpr AIRealRect kBounds{0.0f, 100.0f, 200.0f, 0.0f};  // left, top, right, bottom
constexpr float kDrag = 12.0f;

struct Moved {
  AIRealPoint at, by;
};

AIRealPoint Map(const WaveGeometry& g, AIRealPoint p) {
  WaveMapPoint(g, &p);
  return p;
}

TEST(WaveShapes, PointsMoveByTheShapesAmounts) {
  const float a = kDrag;
  struct Case {
    const char* what;
    int16_t shape;
    bool alt;
    AIRealPoint down, pointer;
    std::vector<Moved> points;
  } cases[] = {
      // Shape 3 (without Alt: the tool drag rows) with Alt runs up the
      // height from the pointer's row (the bottom edge), moving points
      // sideways: +a, 0, -a, +a.
      {"shape 3 alt", 3, true, {80, 0}, {80 + a, 0},
       {{{10, 0}, {a, 0}}, {{10, 25}, {0, 0}}, {{10, 50}, {-a, 0}}, {{10, 100}, {a, 0}}}},
      // Shape 0: the centre row stays, the top edge at the pointer's column
      // moves by 2 a b (T - cy) = a, the bottom edge by -a.
      {"shape 0", 0, false, {60, 20}, {60, 20 + a},
       {{{60, 50}, {0, 0}}, {{60, 100}, {0, a}}, {{60, 0}, {0, -a}}}},
      // Shape 1 swells from the bottom edge (k = b / 2), shape 2 from the
      // top with the drag reversed.
      {"shape 1", 1, false, {60, 20}, {60, 20 + a},
       {{{60, 0}, {0, 0}}, {{60, 100}, {0, a}}, {{160, 100}, {0, 0}}}},
      {"shape 2", 2, false, {60, 20}, {60, 20 + a},
       {{{60, 100}, {0, 0}}, {{60, 0}, {0, a}}}},
  };
  for (const Case& c : cases) {
    WaveGeometry g;
    ASSERT_TRUE(WaveSetUp(c.shape, 1.0f, c.alt, kBounds, c.down, c.pointer,
                          c.alt ? c.pointer.v : c.pointer.h, &g));
    for (const Moved& m : c.points) {
      const AIRealPoint p = Map(g, m.at);
      EXPECT_TRUE(std::abs(m.at.h + m.by.h - p.h) < 1e-4f && std::abs(m.at.v + m.by.v - p.v) < 1e-4f)
          << c.what << " at " << m.at.h << "," << m.at.v << ": " << p.h << "," << p.v;
    }
  }
}

// Shape 4 squeezes the selection across by 1 / (cycle pi) about its centre
// and rolls it: one cycle climbs k a pi either side of the centre, and the
// squeezed quarter point comes round to the squeezed half width.
TEST(WaveShapes, RolledShapeSqueezesThenRolls) {
  WaveGeometry g;
  ASSERT_TRUE(WaveSetUp(4, 1.0f, false, kBounds, {100, 0}, {100, kDrag}, 100.0f, &g));
  const float half = 100.0f / 3.1415927f;
  EXPECT_FLOAT_EQ(half, g.half);
  const AIRealMatrix m = WaveSqueeze(g, kBounds);
  EXPECT_FLOAT_EQ(100.0f + half, m.a * 200.0f + m.tx) << "right edge squeezed";
  EXPECT_FLOAT_EQ(50.0f, m.d * 50.0f + m.ty);
  const float climb = 0.3185f * kDrag * 3.1415927f;
  struct Case {
    float x;  // squeezed
    AIRealPoint want;
  } cases[] = {{100.0f, {100.0f, 50.0f}},
               {100.0f + half / 2.0f, {100.0f + half, 50.0f + climb / 2.0f}},
               {100.0f + half, {100.0f, 50.0f + climb}},
               {100.0f - half, {100.0f, 50.0f - climb}}};
  for (const Case& c : cases) {
    const AIRealPoint p = Map(g, {c.x, 50.0f});
    EXPECT_TRUE(std::abs(c.want.h - p.h) < 1e-4f && std::abs(c.want.v - p.v) < 1e-4f) << c.x;
  }
}

TEST(WaveShapes, NothingToWaveGivesNoStep) {
  WaveGeometry g;
  EXPECT_FALSE(WaveSetUp(0, 1.0f, false, {0, 100, 0, 0}, {0, 0}, {0, 5}, 0, &g));
  EXPECT_FALSE(WaveSetUp(5, 1.0f, false, kBounds, {0, 0}, {0, 5}, 0, &g));
  EXPECT_FALSE(WaveSetUp(0, 0.0f, false, kBounds, {0, 0}, {0, 5}, 0, &g));
}

TEST(WaveShapes, FullCycleCrestsSpreadAcrossTheSelection) {
  for (int i = 1; i <= 4; ++i) {
    EXPECT_FLOAT_EQ(50.0f * float(i - 1), WaveFullCycleCrest(kBounds, false, i, 4));
    EXPECT_FLOAT_EQ(25.0f * float(i - 1), WaveFullCycleCrest(kBounds, true, i, 4));
  }
}

// The Wave trace menu and the rolled shape's special case of the trace copies.
TEST(WaveTool, TraceMenuReadsAsTheCycleNeedsIt) {
  struct Case {
    int16_t shape, mode;
    TraceMode want;
    bool roundTrip, fromFirst, removeSource, downFirst;
  } cases[] = {
      {0, 0, TraceMode::kDragAlong, false, false, false, false},
      {4, 0, TraceMode::kDragAlong, false, true, true, true},
      {0, 1, TraceMode::kFullCycle, false, false, true, false},
      {4, 1, TraceMode::kFullCycle, false, false, true, true},
      {0, 3, TraceMode::kAccelerate, false, false, false, false},
      {0, 7, TraceMode::kDecelerate, true, false, false, false},
      {4, 5, TraceMode::kUniform, true, true, true, true},
      {0, 9, TraceMode::kFullCycle, false, false, true, false},  // damaged: factory
  };
  for (const Case& c : cases) {
    WaveToolParams record = kWaveToolFactoryParams;
    record.shape = c.shape;
    record.traceMode = c.mode;
    const TraceOptions o = kWaveDrag.traceOptions(&record);
    EXPECT_TRUE(c.want == o.mode && c.roundTrip == o.roundTrip &&
                c.fromFirst == o.fromFirstPoint && c.removeSource == o.removeSource &&
                c.downFirst == o.recordDownFirst && o.steps == 24)
        << c.shape << "/" << c.mode;
  }
}

}  // namespace
}  // namespace vx
