// The plug-in's tools driven through the host as a person uses them: the
// cursor for every tool and key.
#include "support/tool_fixture.h"

namespace vx::test {
namespace {

TEST_F(ToolTest, EveryToolShowsItsCursorForTheKeysHeldOverTheArtwork) {
  struct Row {
    const char* tool;
    Keys keys;
    int32_t cursor;
    const char* shape = nullptr;  // Warp's or Wave's, set first
  };
  const Row rows[] = {
      {"Warp", {.alt = true}, 16201, "3"},  // shape 3's cursor and its Alt twin
      {"Warp", {}, 16200, "3"},
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
    if (row.shape) ASSERT_EQ("", Set("shape", row.shape));
    ASSERT_EQ(0, driver().MovePointer({10, 10}, row.keys)) << row.tool;
    EXPECT_EQ(row.cursor, cursor().id) << row.tool << " alt " << row.keys.alt << " shift "
                                       << row.keys.shift;
  }
}

}  // namespace
}  // namespace vx::test
