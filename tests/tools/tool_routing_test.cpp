// Tool routing through the host's tool driver: the one options palette and
// where it reopens, AlignPoints' Edit Options, and the suites held while
// tools are in use (the cursors: tool_host_test.cpp).
#include <gtest/gtest.h>

#include "shell/globals.h"
#include "shell/suites.h"
#include "support/tool_fixture.h"

namespace vx::test {
namespace {

using ToolRoutingTest = ToolTest;

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
