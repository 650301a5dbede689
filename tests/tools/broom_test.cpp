// The Broom tool's sweep: the falloff inside the area, the four sweeps, the
// amounts, the click filter, the axis lock, the indicator, the trace list,
// and the rigid move of selected objects in a document.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "area_fixture.h"
#include "support/allocation_sweep.h"
#include "support/geometry_checks.h"
#include "tools/area_trace.h"
#include "tools/broom_sweep.h"
#include "tools/tool_drag.h"

namespace vx {
namespace {

using test::Dist;
using test::StepAt;

constexpr float kPi = 3.14159265f;

TEST(BroomSweep, ObjectsMoveByTheFalloffOfTheirDistance) {
  const AIRealPoint drag{30, 40};
  struct Case {
    int16_t sweep, resistance;
    AIRealPoint at;
    float pinch, twirl;
    bool moves;
    AIRealPoint expected;
  };
  const float k = 1.0f + 0.99f * 0.99f;  // pinch 1, d / r = 0.01, resistance 2
  const Case cases[] = {
      // Free: the centre follows exactly, halfway moves (1/2)^resistance
      // (resistance 2: the tool drag rows).
      {kSweepFree, 1, {0, 0}, 0, 0, true, {30, 40}},
      {kSweepFree, 1, {50, 0}, 0, 0, true, {65, 20}},
      {kSweepFree, 5, {0, 50}, 0, 0, true, {0.9375f, 51.25f}},
      {kSweepFree, 2, {100, 0}, 0, 0, false, {100, 0}},  // on the edge
      {kSweepFree, 2, {0, -150}, 0, 0, false, {0, -150}},
      // Pinch after 40 points up (amount 1): the centre stays, near it twice.
      {kSweepPinch, 2, {0, 0}, 1, 0, true, {0, 0}},
      {kSweepPinch, 2, {1, 0}, 1, 0, true, {k, 0}},
      {kSweepPinch, 1, {50, 0}, -4, 0, true, {0, 0}},  // k below 0: to the centre
      // Twirl a quarter turn at resistance 1, halfway: an eighth.
      {kSweepTwirl, 1, {50, 0}, 0, kPi / 2, true, {35.355339f, 35.355339f}},
  };
  for (const Case& c : cases) {
    AIRealPoint out;
    const AreaStep s = StepAt(c.sweep, c.resistance, drag, c.pinch, c.twirl);
    EXPECT_EQ(c.moves, SweepPoint(s, c.at, &out)) << c.at.h << "," << c.at.v;
    EXPECT_TRUE(test::PointNear(c.expected, out, 1e-4)) << c.sweep << " " << c.at.h << "," << c.at.v;
  }
  // Dynamic: the area sits at P and moves by w (P - Q).
  AreaStep dyn = StepAt(kSweepDynamic, 2, {60, 0});
  dyn.centre = {60, 0};
  dyn.previous = {50, 0};
  AIRealPoint out;
  ASSERT_TRUE(SweepPoint(dyn, {10, 0}, &out));
  EXPECT_NEAR(10 + 0.25f * 10, out.h, 1e-4);  // d 50: w = (1/2)^2
}

TEST(BroomSweep, AmountsFilterLockIndicatorAndRadius) {
  EXPECT_FLOAT_EQ(1.0f, PinchIncrement({5, 10}, {5, 50}, kBroomPinchRate));
  EXPECT_FLOAT_EQ(1.0f, PinchIncrement({5, 10}, {9, 30}, kCraftPinchRate));
  EXPECT_NEAR(kPi / 2, TwirlIncrement({0, 0}, {10, 0}, {0, 10}), 1e-6);
  EXPECT_NEAR(2 * std::atan(0.1f), TwirlIncrement({0, 0}, {-10, 1}, {-10, -1}), 1e-5);
  EXPECT_EQ(0.0f, TwirlIncrement({3, 3}, {3, 3}, {0, 10}));

  EXPECT_TRUE(IsClickStep(true, 29, {1.9f, -1.9f}, {0, 0}));
  EXPECT_FALSE(IsClickStep(true, 30, {1, 1}, {0, 0}));
  EXPECT_FALSE(IsClickStep(true, 5, {2, 0}, {0, 0}));  // strictly within 2
  EXPECT_FALSE(IsClickStep(false, 5, {1, 1}, {0, 0}));

  AxisLock lock = kAxisFree;
  EXPECT_EQ(10.0f, LockAreaAxis(&lock, true, {3, 10}, {0, 0}).v);
  EXPECT_EQ(0.0f, LockAreaAxis(&lock, true, {20, 11}, {0, 0}).h);  // x stays locked
  EXPECT_EQ(20.0f, LockAreaAxis(&lock, false, {20, 11}, {0, 0}).h);
  EXPECT_EQ(kAxisFree, lock);
  EXPECT_EQ(0.0f, LockAreaAxis(&lock, true, {20, 1}, {0, 0}).v);  // y moved less

  Segment seg[kIndicatorSegments];
  AreaIndicatorSegments({10, 20}, 100, seg);
  const AIRealPoint anchors[] = {{10, 120}, {110, 20}, {10, -80}, {-90, 20}};
  for (int i = 0; i < kIndicatorSegments; ++i) {
    EXPECT_TRUE(test::PointNear(anchors[i], seg[i].p, 0)) << i;
    EXPECT_NEAR(55.229, Dist(seg[i].p, seg[i].out), 1e-3);
    EXPECT_NEAR(110.458, Dist(seg[i].in, seg[i].out), 1e-3);
  }
  EXPECT_NEAR(65.229f, seg[0].out.h, 1e-3);  // clockwise from the top

  EXPECT_EQ(1.0f, DraggedRadius({0, 0}, {0.2f, 0}));
  EXPECT_EQ(250.0f, DraggedRadius({0, 0}, {150, 200}));
  EXPECT_EQ(4000.0f, DraggedRadius({0, 0}, {5000, 0}));
}

// The tool selected: the plug-in's suites held over the fixture's document.
class BroomDocument : public test::ToolTest {
  void SetUp() override {
    ToolTest::SetUp();
    UseTool("Broom");
  }
};

TEST_F(BroomDocument, TraceListSteppedModesDragAlongAndCopyOrder) {
  struct Case {
    int16_t sweep, mode;
    float values[5];  // v of the entries, or the amounts
  };
  const Case cases[] = {
      {kSweepFree, 2, {0, 10, 40, 90, 160}},    // Accelerate: 1/16, 4/16, 9/16
      {kSweepFree, 3, {0, 70, 120, 150, 160}},  // Decelerate: 7/16, 12/16, 15/16
      {kSweepFree, 4, {0, 40, 80, 120, 160}},   // Uniform (Round Trip)
      {kSweepPinch, 1, {0, 0.5f, 1, 1.5f, 2}},
      {kSweepTwirl, 5, {0, 0.125f, 0.5f, 1.125f, 2}},
  };
  ToolTracking t{};
  for (const Case& c : cases) {
    const AreaStep s = StepAt(c.sweep, 2, {0, 160}, 2, 2);
    ASSERT_EQ(0, CompleteTrace(&t, s, {1, c.mode, 10, 0.5f, 4.9f}));
    ASSERT_EQ(5, t.traceCount);
    for (int i = 0; i < 5; ++i) {
      const float got = c.sweep == kSweepFree ? t.trace[i].point.v : t.trace[i].point.h;
      EXPECT_NEAR(c.values[i], got, 1e-5) << c.sweep << " mode " << c.mode << " " << i;
    }
  }
  // Drag Along: Free records a pointer more than Space from the last one;
  // Dynamic records every step with that answer as its flag.
  const AIRealPoint path[] = {{5, 0}, {11, 0}, {15, 0}, {15, 22}};
  for (int16_t sweep : {kSweepFree, kSweepDynamic}) {
    t.traceCount = 0;
    AreaTracking a{};
    a.step = StepAt(sweep, 2, {0, 0});
    for (AIRealPoint p : path) {
      a.step.current = p;
      ASSERT_EQ(0, RecordTraceStep(&t, &a, {1, 0, 10, 0.5f, 4}));
      a.step.previous = p;
    }
    if (sweep == kSweepFree) {
      ASSERT_EQ(2, t.traceCount);
      EXPECT_EQ(11.0f, t.trace[0].point.h);
      EXPECT_EQ(22.0f, t.trace[1].point.v);
    } else {
      ASSERT_EQ(4, t.traceCount);
      EXPECT_EQ(0, t.trace[0].flag);
      EXPECT_EQ(1, t.trace[1].flag);
      EXPECT_EQ(11.0f, t.trace[2].aux.h);  // the previous pointer
      EXPECT_EQ(1, t.trace[3].flag);
    }
  }
  EndTracking(&t);

  struct Order {
    int16_t mode;
    int32_t count;
    std::vector<int32_t> entries;
  };
  const Order orders[] = {{0, 3, {0, 1, 2}},
                          {1, 5, {1, 2, 3, 4}},
                          {4, 5, {1, 2, 3, 4, 3, 2, 1, -1}},
                          {6, 2, {1, -1}}};
  for (const Order& o : orders) {
    std::vector<int32_t> got;
    for (int32_t k = 0; k < TraceCopyCount(o.mode, o.count); ++k)
      got.push_back(TraceCopyEntry(o.mode, o.count, k));
    EXPECT_EQ(o.entries, got) << "mode " << o.mode;
  }
  EXPECT_EQ(0, EffectiveTraceMode(kSweepDynamic, 5));
}

TEST_F(BroomDocument, GrowingTraceListFailsCleanly) {
  ToolTracking t{};
  const long runs = test::SweepAllocationFailures(
      host(), {.run = [&] {
                 const ASErr err = CompleteTrace(&t, StepAt(kSweepFree, 2, {0, 600}),
                                                 {1, 1, 10, 0.5f, 600});
                 EXPECT_EQ(err ? t.traceCount : 601, t.traceCount);
                 EXPECT_LE(t.traceCount, err ? 501 : 601);
                 EndTracking(&t);
                 return err;
               }});
  EXPECT_EQ(3, runs);  // "g buffer for trace", then "g buffer2 for trace"
}

// A fully selected group of two squares whose centre (-50, 0) lies half-way
// to the edge (the falloff alone: the drag rows).
TEST_F(BroomDocument, AFullySelectedGroupMovesAsOneUnit) {
  Art* group = nullptr;
  ASSERT_EQ(0, doc().NewArt(host::art::ArtKind::Group, host::art::Placement::InsideOnTop,
                            doc().currentLayer()->group, &group));
  Art* a = test::AddSvgPath(doc(), "M -62,-2 L -58,-2 L -58,2 L -62,2 Z", group);
  Art* b = test::AddSvgPath(doc(), "M -42,-2 L -38,-2 L -38,2 L -42,2 Z", group);
  doc().SetUserAttrs(*group, kArtSelected, kArtSelected);
  const AreaStep step = StepAt(kSweepFree, 2, {30, 40});
  struct Case {
    bool unit;
    AIRealPoint a, b;  // the moves of the group's members
  };
  // As one unit the group's centre moves (1/2)^2 of the drag; apart, each
  // member moves by its own distance: (1 - 0.6)^2 and (1 - 0.4)^2.
  for (const Case& c : {Case{true, {7.5f, 10}, {7.5f, 10}},
                        Case{false, {4.8f, 6.4f}, {10.8f, 14.4f}}}) {
    const Art* arts[] = {a, b};
    const AIRealPoint moves[] = {c.a, c.b};
    std::vector<std::vector<Segment>> before;
    for (const Art* art : arts) before.push_back(art->path().segments);
    doc().BeginStep();
    ToolTracking t{};
    ASSERT_EQ(0, CollectSelection(&t));
    ASSERT_EQ(0, EnsureScratch(&t));
    ASSERT_EQ(0, SweepSelection(step, c.unit, *t.art, t.artCount, t.scratch));
    EndTracking(&t);
    for (int i = 0; i < 2; ++i)
      for (size_t k = 0; k < before[i].size(); ++k) {
        const Segment& was = before[i][k];
        const Segment& now = arts[i]->path().segments[k];
        EXPECT_NEAR(was.p.h + moves[i].h, now.p.h, 1e-4) << i << " unit " << c.unit;
        EXPECT_NEAR(was.out.v + moves[i].v, now.out.v, 1e-4) << i << " unit " << c.unit;
      }
    doc().RevertOpenStep();
    doc().EndStep();
  }
}

}  // namespace
}  // namespace vx
