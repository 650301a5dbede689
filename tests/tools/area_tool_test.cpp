// Broom and Craft through the host's tool driver: drags that move, clicks,
// Space and Alt-drags that leave the document as it was, Alt+Shift-click,
// trace copies, and allocation failure at any step.
#include <gtest/gtest.h>

#include <string>

#include "host/art/dump.h"
#include "shell/globals.h"
#include "support/allocation_sweep.h"
#include "support/test_paths.h"
#include "support/tool_fixture.h"
#include "tools/broom_tool.h"
#include "tools/craft_tool.h"

namespace vx::test {
namespace {

using host::art::DumpDocument;

class AreaToolTest : public ToolTest {
 protected:
  // Picks the tool; until its palette makes the record, the test lends one
  // with the factory values.
  template <class Record>
  Record& Use(const char* title, int index, const Record& factory) {
    UseTool(title);
    static Record lent;
    lent = factory;
    if (!gGlobals->ToolParams[index]) gGlobals->ToolParams[index] = &lent;
    return *static_cast<Record*>(gGlobals->ToolParams[index]);
  }
  BroomToolParams& Broom() { return Use("Broom", kBroomTool, kBroomToolFactoryParams); }
  CraftToolParams& Craft() { return Use("Craft", kCraftTool, kCraftToolFactoryParams); }
  // A 4 x 4 square about (x, y).
  Art* Square(float x, float y) {
    return AddPath(SvgPolyline({{x - 2, y - 2}, {x + 2, y - 2}, {x + 2, y + 2}, {x - 2, y + 2}},
                               true));
  }
  int Objects() {
    int n = 0;
    for (const Art* a = doc().currentLayer()->group->firstChild(); a; a = a->sibling()) ++n;
    return n;
  }
};

TEST_F(AreaToolTest, BroomSweepsByTheFalloffAndTakesItsIndicatorAway) {
  Art* centre = Square(0, 0);
  Art* half = Square(50, 0);
  Art* far = Square(300, 0);
  Broom();
  ASSERT_EQ(0, Drag({{0, 0}, {15, 20}, {30, 40}}, {}, 2));
  // Resistance 2: the centre follows the drag, halfway moves a quarter.
  const AIRealPoint c = centre->path().segments[0].p, h = half->path().segments[0].p;
  EXPECT_FLOAT_EQ(28.0f, c.h);
  EXPECT_FLOAT_EQ(38.0f, c.v);
  EXPECT_FLOAT_EQ(55.5f, h.h);
  EXPECT_FLOAT_EQ(8.0f, h.v);
  EXPECT_FLOAT_EQ(298.0f, far->path().segments[0].p.h);
  EXPECT_EQ(3, Objects());  // no indicator left
  ASSERT_TRUE(doc().Undo());  // the drag is one step
  EXPECT_FLOAT_EQ(-2.0f, centre->path().segments[0].p.h);
}

TEST_F(AreaToolTest, ClicksSpaceAndAltDragsLeaveTheDocumentAsItWas) {
  struct Case {
    bool craft;
    std::vector<AIRealPoint> points;
    Keys keys;
    bool space;
    float radius;  // after the drag
  };
  const Case cases[] = {
      {false, {{0, 0}}, {}, false, 100},  // a click
      {true, {{0, 0}, {1, 1}}, {}, false, 100},  // within 2 points, 16 ticks
      {false, {{0, 0}, {20, 30}}, {}, true, 100},  // Space at release
      {true, {{0, 0}, {20, 30}}, {}, true, 100},
      {false, {{0, 0}, {150, 200}}, {.alt = true}, false, 250},  // the radius only
      {true, {{0, 0}, {0, 0.5f}}, {.alt = true}, false, 1},
      {true, {{0, 0}, {0, 5000}}, {.alt = true}, false, 4000},
  };
  Square(0, 0);
  AddPath("M -60,-20 L 60,-20");
  const std::string before = DumpDocument(doc());
  for (const Case& c : cases) {
    float* radius = c.craft ? &Craft().areaRadius : &Broom().areaRadius;
    *radius = 100;
    ASSERT_EQ(0, Drag(c.points, c.keys, 0, c.space));
    EXPECT_EQ(before, DumpDocument(doc())) << c.craft << " " << c.points.back().v;
    EXPECT_FLOAT_EQ(c.radius, *radius);
  }
}

TEST_F(AreaToolTest, CraftAltShiftClickAddsOneAnchorOnTheOutline) {
  Art* arch = AddPath("M 0,0 C 30,60 70,60 100,0");
  Craft();
  const Keys altShift{.shift = true, .alt = true};
  ASSERT_EQ(0, Drag({{50, 300}}, altShift));  // nothing there
  ASSERT_EQ(2u, arch->path().segments.size());
  ASSERT_EQ(0, Drag({{50, 46}}, altShift));
  ASSERT_EQ(3u, arch->path().segments.size());
  const Segment& added = arch->path().segments[1];
  EXPECT_NEAR(50.0f, added.p.h, 1e-3);  // the top of the arch, t = 1/2
  EXPECT_NEAR(45.0f, added.p.v, 1e-3);
  // de Casteljau at 1/2: the new handles and the neighbours' shortened ones.
  EXPECT_NEAR(32.5f, added.in.h, 1e-3);
  EXPECT_NEAR(67.5f, added.out.h, 1e-3);
  EXPECT_NEAR(30.0f, arch->path().segments[0].out.v, 1e-3);
}

TEST_F(AreaToolTest, TraceLeavesCopiesAlongTheDrag) {
  Square(0, 0);
  BroomToolParams& broom = Broom();
  broom.trace = 1;
  broom.traceMode = 1;  // Uniform (One Way)
  broom.steps = 4;
  ASSERT_EQ(0, Drag({{0, 0}, {20, 0}, {40, 0}}));
  EXPECT_EQ(5, Objects());  // the square and 4 copies, the last on top at 40
  EXPECT_FLOAT_EQ(38.0f, doc().currentLayer()->group->firstChild()->path().segments[0].p.h);
  EXPECT_FLOAT_EQ(-2.0f, doc().currentLayer()->group->lastChild()->path().segments[0].p.h);
}

// Every allocation of a drag fails in turn (the Broom's traced): the drag
// answers -108, keeps its last successful step (with the Broom's copies when
// a step was made), leaves no indicator and no block behind.
TEST_F(AreaToolTest, AllocationFailureKeepsTheLastStepAndNoBlock) {
  AddPath("M -150,0 L 150,0");
  for (bool craft : {false, true}) {
    if (craft) Craft();
    else Broom().trace = 1;
    const std::string before = DumpDocument(doc());
    SweepAllocationFailures(
        host(), {.run = [&] { return Drag({{0, 0}, {0, 10}, {0, 20}, {0, 30}}); },
                 .check = [&](ASErr result, long n, bool failed) {
                   EXPECT_EQ(failed ? kOutOfMemoryErr : kNoErr, result);
                   for (const Art* a = doc().currentLayer()->group->firstChild(); a;
                        a = a->sibling())
                     EXPECT_FALSE(a->path().closed) << "an indicator is left, " << n;
                   if (DumpDocument(doc()) != before) {
                     ASSERT_TRUE(doc().Undo());
                   }
                   EXPECT_EQ(before, DumpDocument(doc()));
                 }});
  }
}

}  // namespace
}  // namespace vx::test
