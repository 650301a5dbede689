// The plug-in's tools driven through the host as a person uses them: the
// cursor for every tool and key, the one options palette and where it
// reopens, AlignPoints' Edit Options, and the suites held while tools are in
// use.
#include "generated/resource_ids.h"
#include "shell/globals.h"
#include "shell/suites.h"
#include "support/tool_fixture.h"

namespace vx::test {
namespace {

TEST_F(ToolTest, EveryToolShowsItsCursorForTheKeysHeldOverTheArtwork) {
  struct Row {
    const char* tool;
    Keys keys;
    int32_t cursor;
    const char* set = nullptr;  // FIELD=VALUE on the palette first
  };
  // In order: each row finds the palette as the rows before left it.
  const Row rows[] = {
      {"Warp", {.alt = true}, res::kWarpShape3Cursor + 1, "shape=3"},  // shape 3's cursor and its Alt twin
      {"Warp", {.shift = true, .alt = true}, res::kWarpShape3Cursor + 1},
      {"Warp", {}, res::kWarpShape3Cursor},  // Alt released: the plain cursor again
      {"Wave", {}, res::kWaveShape0Cursor},
      {"Wave", {.alt = true}, res::kWaveShape0Cursor + 1},
      {"MetaBrush", {.shift = true}, res::kAreaSizeCursor},
      {"MetaBrush", {.alt = true}, res::kMetaBrushCursor},
      {"MetaBrush", {.alt = true}, res::kPickCursor, "pick-with-alt=on"},  // its flag "D"
      {"Lens", {}, res::kAreaSizeCursor},
      {"Lens", {.alt = true}, res::kAreaSizeCursor},
      {"Craft", {}, res::kCraftCursor},
      {"Craft", {.shift = true}, res::kCraftCursor},
      {"Craft", {.alt = true}, res::kAreaSizeCursor},
      {"Craft", {.shift = true, .alt = true}, res::kInsertAnchorCursor},
      {"Roughening", {.shift = true, .alt = true}, res::kInsertAnchorCursor},
      {"Broom", {.alt = true}, res::kAreaSizeCursor},
      {"Trail", {}, res::kTrailCursor},
      {"Trail", {.alt = true}, res::kPickCursor},
      {"AlignPoints", {.shift = true}, res::kAlignYCursor},
      {"AlignPoints", {.shift = true, .alt = true}, res::kAlignBothCursor},
  };
  for (const Row& row : rows) {
    UseTool(row.tool);
    if (row.set) {
      const std::string set = row.set;
      ASSERT_EQ("", Set(set.substr(0, set.find('=')), set.substr(set.find('=') + 1)));
    }
    ASSERT_EQ(0, driver().MovePointer({10, 10}, row.keys)) << row.tool;
    EXPECT_EQ(row.cursor, cursor().id) << row.tool << " alt " << row.keys.alt << " shift "
                                       << row.keys.shift;
    EXPECT_EQ(row.cursor, gGlobals->ToolCursorId) << row.tool;
  }
}

TEST_F(ToolTest, OnePaletteReopeningWhereItWasLastDeselected) {
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

TEST_F(ToolTest, AlignPointsHasNoPaletteAndItsOptionsAreTheHelp) {
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
