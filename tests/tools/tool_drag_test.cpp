// The shared drag cycle through the host's tool driver, with the Warp tool:
// undo between steps, Shift's centre line, the release near the down point,
// trace copies and Ctrl's layers, and the segment limit.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "host/art/dump.h"
#include "shell/globals.h"
#include "support/test_paths.h"
#include "support/tool_fixture.h"
#include "tools/warp_tool.h"

namespace vx::test {
namespace {

using host::art::DumpDocument;

// 100 x 50 with an anchor on the top edge at x = 30, where the drags go.
constexpr const char* kBox = "M 0,0 L 100,0 L 100,50 L 30,50 L 0,50 Z";

class WarpDragTest : public ToolTest {
 protected:
  void SetUp() override {
    ToolTest::SetUp();
    box_ = AddPath(kBox, "box");
    UseTool("Warp");
    record_ = static_cast<WarpToolParams*>(gGlobals->ToolParams[kWarpTool]);
    ASSERT_NE(nullptr, record_);
    record_->shape = 4;  // circular bulge from the bottom edge
    record_->margin = 0;
  }
  // The height of the anchor at x = 30 of art's top edge.
  static float TopAt30(const Art& art) {
    float top = -1e9f;
    for (const Segment& s : art.path().segments)
      if (s.p.h == 30.0f) top = std::max(top, s.p.v);
    return top;
  }
  // Every object of every layer, bottom first, with its layer's index.
  std::vector<std::pair<int, const Art*>> Objects() {
    std::vector<std::pair<int, const Art*>> out;
    int index = 0;
    for (host::art::Layer* layer : doc().LayersInPaintOrder()) {
      std::vector<const Art*> top;
      for (const Art* a = layer->group->firstChild(); a; a = a->sibling()) top.push_back(a);
      for (auto it = top.rbegin(); it != top.rend(); ++it) out.push_back({index, *it});
      ++index;
    }
    return out;
  }
  // The drag used by most tests: 16 up at the anchor, in steps.
  int32_t DragUp() { return Drag({{30, 50}, {30, 58}, {30, 66}}); }

  Art* box_ = nullptr;
  WarpToolParams* record_ = nullptr;
};

TEST_F(WarpDragTest, ShiftKeepsTheBendOnTheCentreLine) {
  ASSERT_EQ(0, Drag({{50, 50}, {50, 66}}));
  const std::string centred = host::art::DumpArt(*box_);
  ASSERT_TRUE(doc().Undo());
  ASSERT_EQ(0, Drag({{70, 50}, {72, 60}, {70, 66}}, Keys{.shift = true}));
  EXPECT_EQ(centred, host::art::DumpArt(*box_));
}

// (Clicks and Space at release: the tool drag rows.) Released within 1
// point of the down point: the last drag step stays. No selection: "!sel".
TEST_F(WarpDragTest, AReleaseNearTheDownPointKeepsTheStepAndNoSelectionFails) {
  ASSERT_EQ(0, driver().MouseDown({30, 50}));
  ASSERT_EQ(0, driver().MouseDrag({30, 66}));
  ASSERT_EQ(0, driver().MouseUp({30, 50.5f}));
  EXPECT_FLOAT_EQ(66.0f, TopAt30(*box_));
  ASSERT_TRUE(doc().Undo());
  Select({});
  EXPECT_EQ(kBadSelectionErr, DragUp());
  EXPECT_FLOAT_EQ(50.0f, TopAt30(*box_));
}

TEST_F(WarpDragTest, TraceCopiesAlongTheDrag) {
  // Drag of 16 at the anchor (f = position / 16); the source stays at 50.
  struct Case {
    int16_t mode;
    float steps;  // Steps, and Space in Drag Along
    bool ctrl;
    std::vector<float> tops;  // bottom first, source included
    int layers;
  };
  const Case cases[] = {
      {2, 4, false, {50, 51, 54, 59, 66}, 1},  // Accelerate: 1, 4, 9, 16 / 16
      {3, 4, false, {50, 57, 62, 65, 66}, 1},  // Decelerate: 7, 12, 15, 16 / 16
      {4, 4, true, {50, 54, 58, 62, 66, 62, 58, 54, 50}, 8},  // Uniform round trip
      // Drag Along, Space 3: 57.5, 62 and 66 recorded; the first gets none.
      {0, 3, false, {50, 62, 66}, 1},
  };
  for (const Case& c : cases) {
    record_->trace = 1;
    record_->traceMode = c.mode;
    record_->steps = c.steps;
    record_->space = c.steps;
    ASSERT_EQ(0, Drag({{30, 50}, {30, 53}, {30, 57.5f}, {30, 62}, {30, 66}},
                      Keys{.ctrl = c.ctrl}));
    std::vector<float> tops;
    for (const auto& [layer, art] : Objects()) tops.push_back(TopAt30(*art));
    EXPECT_EQ(c.tops, tops) << "mode " << c.mode;
    EXPECT_EQ(c.layers, Objects().back().first + 1) << "mode " << c.mode;
    ASSERT_TRUE(doc().Undo());
  }
  record_->traceMode = 1;
  record_->steps = 24;
  ASSERT_EQ(0, DragUp());
  EXPECT_EQ(25u, Objects().size());
}

TEST_F(WarpDragTest, PathsAtTheSegmentLimitStayAsTheyAre) {
  std::vector<AIRealPoint> points;
  for (int i = 0; i < 8191; ++i) points.push_back({5.0f + 0.01f * float(i), float(i % 2)});
  Art* big = AddPath(SvgPolyline(points), "big");
  Select({box_, big});
  const std::string before = host::art::DumpArt(*big);
  ASSERT_EQ(0, DragUp());
  EXPECT_EQ(before, host::art::DumpArt(*big));
  EXPECT_FLOAT_EQ(66.0f, TopAt30(*box_));
}

}  // namespace
}  // namespace vx::test
