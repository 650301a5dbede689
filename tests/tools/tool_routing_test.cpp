// Tool routing through the host's tool driver: the shape-driven cursors and
// their Alt twins, the one options palette and where it reopens, AlignPoints'
// Edit Options, and the suites held while tools are in use.
#include <gtest/gtest.h>

#include "shell/globals.h"
#include "shell/suites.h"
#include "support/tool_fixture.h"
#include "tools/metabrush_tool.h"
#include "tools/warp_tool.h"

namespace vx::test {
namespace {

class ToolRoutingTest : public ToolTest {
 protected:
  // The record the current tool's palette made on Select.
  template <typename Record>
  Record& RecordOf(ToolPaletteIndex index) {
    EXPECT_NE(nullptr, gGlobals->ToolParams[index]);
    return *static_cast<Record*>(gGlobals->ToolParams[index]);
  }
};

TEST_F(ToolRoutingTest, ShapeCursorsAndTheAltTwins) {
  struct Case {
    const char* tool;
    Keys keys;
    int cursor;
  };
  // The tools without shapes are in the host's tool tests.
  const Case cases[] = {
      {"Warp", {}, 16200},  // shape 3 (set below)
      {"Warp", {.alt = true}, 16201},
      {"Warp", {.shift = true, .alt = true}, 16201},
      {"Wave", {}, 17010},
      {"Wave", {.alt = true}, 17011},
      {"MetaBrush", {.shift = true}, 16050},
      {"MetaBrush", {.alt = true}, 16059},  // without its flag "D"
  };
  for (const Case& c : cases) {
    UseTool(c.tool);
    if (std::string(c.tool) == "Warp") RecordOf<WarpToolParams>(kWarpTool).shape = 3;
    ASSERT_EQ(0, driver().MovePointer({10, 10}, c.keys));
    EXPECT_EQ(c.cursor, cursor().id) << c.tool;
    EXPECT_EQ(c.cursor, gGlobals->ToolCursorId) << c.tool;
  }
  // Releasing Alt shows the plain cursor at the next Track Cursor.
  UseTool("Warp");
  ASSERT_EQ(0, driver().MovePointer({10, 10}, {.alt = true}));
  ASSERT_EQ(0, driver().MovePointer({10, 10}));
  EXPECT_EQ(16200, cursor().id);
  // MetaBrush's flag "D" lets Alt show 16040.
  UseTool("MetaBrush");
  RecordOf<MetaBrushToolParams>(kMetaBrushTool).keyD = 1;
  ASSERT_EQ(0, driver().MovePointer({10, 10}, {.alt = true}));
  EXPECT_EQ(16040, cursor().id);
}

TEST_F(ToolRoutingTest, OnePaletteReopeningWhereItWasLastDeselected) {
  const int16_t holds = SuiteUseCount;
  UseTool("Warp");
  ASSERT_NE(nullptr, palette());
  EXPECT_EQ(84, palette()->bounds.left);
  EXPECT_EQ(59, palette()->bounds.top);
  EXPECT_EQ("Warp", palette()->title);  // the tool's title string
  const int width = palette()->bounds.right - palette()->bounds.left;
  palette()->bounds = {300, 200, short(300 + width), 400};  // the user moves it
  UseTool("Wave");
  ASSERT_NE(nullptr, palette());
  EXPECT_EQ(300, palette()->bounds.left);
  EXPECT_EQ(200, palette()->bounds.top);
  EXPECT_EQ(nullptr, gGlobals->ToolPaletteOf[kWarpTool]);
  EXPECT_EQ(gGlobals->ToolPalette, gGlobals->ToolPaletteOf[kWaveTool]);
  palette()->bounds.left = 120;
  palette()->bounds.top = 130;
  UseTool("Warp");
  EXPECT_EQ(120, palette()->bounds.left);
  EXPECT_EQ(130, palette()->bounds.top);
  EXPECT_TRUE(palette()->visible);
  // Every Select keeps one hold on the suites.
  EXPECT_EQ(holds + 3, SuiteUseCount);
  // Edit Options brings it back at its start position.
  ASSERT_EQ(0, driver().DoubleClick(driver().current()));
  EXPECT_EQ(84, palette()->bounds.left);
  EXPECT_EQ(59, palette()->bounds.top);
}

TEST_F(ToolRoutingTest, AlignPointsHasNoPaletteAndItsOptionsAreTheHelp) {
  UseTool("Warp");
  UseTool("AlignPoints");
  EXPECT_EQ(nullptr, gGlobals->ToolPalette);
  for (ADMDialogRef p : gGlobals->ToolPaletteOf) EXPECT_EQ(nullptr, p);
  ASSERT_EQ(0, driver().DoubleClick(driver().current()));
  EXPECT_EQ(nullptr, gGlobals->ToolPalette);
  EXPECT_EQ(1, gGlobals->HelpTopic);
  ASSERT_NE(nullptr, gGlobals->HelpPalette);
}

}  // namespace
}  // namespace vx::test
