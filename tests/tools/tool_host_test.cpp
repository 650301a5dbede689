// The plug-in's tools driven through the host as a person uses them: the
// cursor for every tool and key, and what a drag leaves behind.
#include <algorithm>

#include "host/art/dump.h"
#include "support/allocation_sweep.h"
#include "support/tool_fixture.h"

namespace vx::test {
namespace {

TEST_F(ToolTest, EveryToolShowsItsCursorForTheKeysHeldOverTheArtwork) {
  struct Row {
    const char* tool;
    Keys keys;
    int32_t cursor;
  };
  const Row rows[] = {
      {"Lens", {}, 16050},
      {"Lens", {.alt = true}, 16050},
      {"Craft", {}, 16054},
      {"Craft", {.shift = true}, 16054},
      {"Craft", {.alt = true}, 16050},
      {"Craft", {.shift = true, .alt = true}, 16052},
      {"Roughening", {.shift = true, .alt = true}, 16052},
      {"Broom", {.alt = true}, 16050},
      {"Trail", {}, 16060},
      {"Trail", {.alt = true}, 16040},
      {"AlignPoints", {.shift = true}, 16072},
      {"AlignPoints", {.shift = true, .alt = true}, 16074},
  };
  for (const Row& row : rows) {
    UseTool(row.tool);
    ASSERT_EQ(0, driver().MovePointer({10, 10}, row.keys)) << row.tool;
    EXPECT_EQ(row.cursor, cursor().id) << row.tool << " alt " << row.keys.alt << " shift "
                                       << row.keys.shift;
  }
}

}  // namespace
}  // namespace vx::test

namespace vx::test {
namespace {

class WarpHostTest : public ToolTest {
 protected:
  void SetUp() override {
    ToolTest::SetUp();
    square_ = AddPath("M 0,0 L 100,0 L 100,100 L 0,100 Z", "square");
    doc().ClearHistory();
    UseTool("Warp");
    ASSERT_NE(nullptr, palette());
    atDown_ = host::art::DumpDocument(doc());
  }
  std::string Dump() { return host::art::DumpDocument(doc()); }

  Art* square_ = nullptr;
  std::string atDown_;
};

TEST_F(WarpHostTest, ShapeThreeShowsItsCursorAndItsAltTwin) {
  ASSERT_EQ("", Set("shape", "3"));
  ASSERT_EQ(0, driver().MovePointer({50, 100}, {.alt = true}));
  EXPECT_EQ(16201, cursor().id);
  ASSERT_EQ(0, driver().MovePointer({50, 100}));
  EXPECT_EQ(16200, cursor().id);
}

TEST_F(WarpHostTest, AClickAMoveInsideTheFilterOrSpaceAtReleaseLeaveTheArtworkAlone) {
  // The filter: one move within 2 points and 29 ticks (the default 16).
  struct Row { const char* what; std::vector<AIRealPoint> points; int steps; bool space; };
  const Row rows[] = {{"click", {{50, 100}}, 0, false},
                      {"inside the click filter", {{50, 100}, {51, 101}}, 0, false},
                      {"Space at release", {{50, 100}, {50, 140}}, 3, true}};
  for (const Row& row : rows) {
    EXPECT_EQ(0, Drag(row.points, {}, row.steps, row.space)) << row.what;
    EXPECT_EQ(atDown_, Dump()) << row.what;
    EXPECT_EQ(0, doc().CompletedSteps()) << row.what;
  }
  EXPECT_EQ(0, Drag({{50, 100}, {50, 140}}, {}, 3));
  EXPECT_NE(atDown_, Dump());
  EXPECT_EQ(1, doc().CompletedSteps());
}

TEST_F(WarpHostTest, AllocationFailureAtAnyStepKeepsTheLastGoodStepAndNoBlock) {
  // The artwork after each prefix of the drag, made without failures.
  const std::vector<AIRealPoint> drag = {{50, 100}, {50, 120}, {50, 140}, {50, 160}};
  std::vector<std::string> steps{atDown_};
  for (size_t n = 2; n <= drag.size(); ++n) {
    ASSERT_EQ(0, Drag({drag.begin(), drag.begin() + long(n)}));
    steps.push_back(Dump());
    ASSERT_TRUE(doc().Undo());
  }
  AllocationSweep sweep;
  sweep.run = [&] { return ASErr(Drag(drag)); };
  sweep.check = [&](ASErr result, long n, bool failed) {
    EXPECT_EQ(failed ? kOutOfMemoryErr : kNoErr, result) << n;
    const std::string now = Dump();
    EXPECT_NE(steps.end(), std::find(steps.begin(), steps.end(), now)) << n;
    if (!failed) EXPECT_EQ(steps.back(), now);
    if (doc().CompletedSteps()) doc().Undo();
    EXPECT_EQ(atDown_, Dump()) << n;
  };
  EXPECT_LT(1, SweepAllocationFailures(host(), sweep));
}

}  // namespace
}  // namespace vx::test
