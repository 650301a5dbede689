// Roughening, MetaBrush and Trail through PluginMain: Select, Mouse Down,
// one Mouse Drag and Mouse Up as the host sends them, with the options
// record the palette would hold. No block stays live (the fixture's
// teardown) and the area frame is gone after Mouse Up.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "host/art/art.h"
#include "host/art/document_set.h"
#include "host/core/messages.h"
#include "host/core/user_interaction.h"
#include "shell/globals.h"
#include "support/allocation_sweep.h"
#include "support/host_fixture.h"
#include "support/test_paths.h"
#include "tools/metabrush_tool.h"
#include "tools/roughening_tool.h"
#include "tools/trail_tool.h"

namespace vx {
namespace {

using host::art::Art;

class PointToolsTest : public test::HostTest {
 protected:
  void SetUp() override {
    ASSERT_EQ(0, StartHost());
    doc_ = &host().documents().New();
  }
  void TearDown() override {
    // The palette's own record goes back, to be freed at shutdown.
    for (int i = 0; i < kToolPaletteCount; ++i)
      if (gGlobals->ToolParams[i] == record_) gGlobals->ToolParams[i] = paletteRecord_;
    host::SendTool(host(), kSelectorAIDeselectTool, tool_);
    HostTest::TearDown();
  }
  // Selects the tool in `slot` with `record` as its options record.
  void Use(int slot, ToolPaletteIndex index, void* record) {
    tool_ = gGlobals->ToolHandles[slot];
    ASSERT_EQ(0, host::SendTool(host(), kSelectorAISelectTool, tool_));
    record_ = record;
    paletteRecord_ = gGlobals->ToolParams[index];
    gGlobals->ToolParams[index] = record;
  }
  // Down at from, one drag and the release at to.
  void Drag(AIRealPoint from, AIRealPoint to, uint16_t modifiers = 0) {
    host().user().FixTickCount(0);
    ASSERT_EQ(0, host::SendTool(host(), kSelectorAIToolMouseDown, tool_, from, modifiers));
    host().user().FixTickCount(100);  // past the click filter
    ASSERT_EQ(0, host::SendTool(host(), kSelectorAIToolMouseDrag, tool_, to, modifiers));
    ASSERT_EQ(0, host::SendTool(host(), kSelectorAIToolMouseUp, tool_, to, modifiers));
    EXPECT_EQ(nullptr, gGlobals->tracking.art);
  }
  host::art::Document* doc_ = nullptr;
  AIToolHandle tool_ = nullptr;
  void* record_ = nullptr;
  void* paletteRecord_ = nullptr;
};

TEST_F(PointToolsTest, RougheningOneStep) {
  RoughToolParams r = kRoughToolFactoryParams;
  Use(kRoughSlot, kRoughTool, &r);
  struct Case {
    AIRealPoint to;
    size_t anchors;
  } cases[] = {{{150, 140}, 2}, {{222, 100}, 65}, {{157.2f, 110}, 9}};
  for (const Case& c : cases) {
    doc_->DeselectAll();
    Art* line = test::AddSvgPath(*doc_, "M 126,100 L 174,100");
    const size_t objects = doc_->ArtCount();
    Drag({150, 100}, c.to);
    EXPECT_EQ(c.anchors, line->path().segments.size()) << c.to.h;
    EXPECT_EQ(objects, doc_->ArtCount());  // the frame is gone
  }
}

TEST_F(PointToolsTest, RougheningRepeatsForTheSameSeed) {
  RoughToolParams r = kRoughToolFactoryParams;
  Use(kRoughSlot, kRoughTool, &r);
  std::vector<Segment> results[2];
  for (std::vector<Segment>& result : results) {
    doc_->DeselectAll();
    Art* line = test::AddSvgPath(*doc_, "M 100,100 L 200,100");
    host().documents().random().Seed(5);
    Drag({150, 100}, {170, 130});
    result = line->path().segments;
    doc_->Dispose(line);
  }
  ASSERT_EQ(33u, results[0].size());  // 100 points at a spacing of 3.6
  ASSERT_EQ(33u, results[1].size());
  for (size_t i = 0; i < 33; ++i) {
    const Segment &a = results[0][i], &b = results[1][i];
    EXPECT_TRUE(a.p.h == b.p.h && a.p.v == b.p.v && a.in.v == b.in.v && a.out.v == b.out.v &&
                a.corner == b.corner) << i;
  }
  EXPECT_NE(100.0f, results[0][16].p.v);  // pushed
}

TEST_F(PointToolsTest, TrailLeavesOneCopyPerSpace) {
  TrailToolParams t = kTrailToolFactoryParams;
  Use(kTrailToolSlot, kTrailTool, &t);
  test::AddSvgPath(*doc_, "M 0,0 L 10,0 L 10,10 Z");
  const size_t objects = doc_->ArtCount();
  Drag({5, 5}, {35, 45});  // 50 points at Space 10
  EXPECT_EQ(objects + 5, doc_->ArtCount());
}

TEST_F(PointToolsTest, MetaBrushCopiesAndStroke) {
  MetaBrushToolParams b = kMetaBrushToolFactoryParams;
  Use(kMetaBrushSlot, kMetaBrushTool, &b);
  test::AddSvgPath(*doc_, "M 0,0 L 10,0 L 10,10 Z");
  size_t objects = doc_->ArtCount();
  Drag({0, 0}, {0, 45});  // stamps at 0, 10, 20, 30, 40
  EXPECT_EQ(objects + 5, doc_->ArtCount());
  b.keyA = 1;  // Stroke: one path
  objects = doc_->ArtCount();
  Drag({0, 0}, {30, 0});
  EXPECT_EQ(objects + 1, doc_->ArtCount());
}

// Every allocation of a drag (Down, Drag, Up) failing in turn: the drag
// answers -108 and no block stays live after its Mouse Up.
TEST_F(PointToolsTest, AllocationFailuresLeaveNoBlock) {
  RoughToolParams r = kRoughToolFactoryParams;
  TrailToolParams t = kTrailToolFactoryParams;
  MetaBrushToolParams b = kMetaBrushToolFactoryParams;
  struct Case {
    int slot;
    ToolPaletteIndex index;
    void* record;
  } cases[] = {{kRoughSlot, kRoughTool, &r},
               {kTrailToolSlot, kTrailTool, &t},
               {kMetaBrushSlot, kMetaBrushTool, &b}};
  for (const Case& c : cases) {
    Use(c.slot, c.index, c.record);
    const long runs = test::SweepAllocationFailures(
        host(), {.prepare = [&] {
                   doc_->DeselectAll();
                   test::AddSvgPath(*doc_, "M 126,100 L 174,100");
                 },
                 .run = [&]() -> ASErr {
                   host().user().FixTickCount(0);
                   ASErr err = host::SendTool(host(), kSelectorAIToolMouseDown, tool_, {150, 100});
                   host().user().FixTickCount(100);
                   if (!err) err = host::SendTool(host(), kSelectorAIToolMouseDrag, tool_, {190, 120});
                   const ASErr up = host::SendTool(host(), kSelectorAIToolMouseUp, tool_, {190, 120});
                   return err ? err : up;
                 }});
    EXPECT_GT(runs, 2) << c.slot;
    gGlobals->ToolParams[c.index] = paletteRecord_;
  }
}

}  // namespace
}  // namespace vx
