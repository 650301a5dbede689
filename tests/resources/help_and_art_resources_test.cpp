// The plug-in's help texts, help pictures, tool icons and cursors as they are
// linked into the module: every resource the help window, the tool
// registration and the cursor tracking ask for must exist and be well formed.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "host/adm/image.h"
#include "tools/tool_table.h"
#include "vx_resources.h"

extern "C" const VxResourceDirectory* VxModuleResources(void);

namespace {

std::optional<std::string_view> Find(uint32_t type, int32_t id) {
  const VxResourceDirectory* dir = VxModuleResources();
  if (dir == nullptr) return std::nullopt;
  for (uint32_t i = 0; i < dir->count; ++i) {
    const VxResource& r = dir->resources[i];
    if (r.type == type && r.id == id)
      return std::string_view(static_cast<const char*>(r.data), r.size);
  }
  return std::nullopt;
}

std::string FourCC(uint32_t k) {
  return {char(k >> 24), char(k >> 16), char(k >> 8), char(k)};
}

std::vector<std::string> Lines(std::string_view text) {
  std::vector<std::string> lines;
  std::istringstream in{std::string(text)};
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// ---------------------------------------------------------------------------
// Help topics: popup text, TEXT id and picture id of every topic.

struct HelpTopic {
  int topic;
  const char* popup;  // nullptr: not listed in the popup
  int32_t text;       // 0: none
  int32_t picture;    // 0: none
  const char* title;  // how the topic's text begins (catches swapped ids)
};

constexpr HelpTopic kTopics[] = {
    {0, "Tool in General", 17500, 19500, "Tool in General"},
    {1, " - AlignPoints Tool", 18080, 19518, "AlignPoints Tool"},
    {2, " - Broom Tool", 18050, 19512, "Broom Tool"},
    {3, " - Craft Tool", 18030, 19508, "Craft Tool"},
    {4, " - Lens Tool", 18020, 19506, "Lens Tool"},
    {5, " - MetaBrush Tool", 18060, 19514, "MetaBrush Tool"},
    {6, " - Roughening Tool", 18040, 19510, "Roughening Tool"},
    {7, " - Trail Tool", 18070, 19516, "Trail Tool"},
    {8, " - Warp Tool", 18000, 19502, "Warp Tool"},
    {9, " - Wave Tool", 18010, 19504, "Wave Tool"},
    {10, "-", 0, 0, nullptr},
    {11, "Live Effects in General", 18500, 19520, "Live Effects in General"},
    {12, "Live Effects Palettes", 18510, 19522, "Live Effects Palettes"},
    {13, " - Live Border", 19010, 19526, "Live Border"},
    {14, " - Live Circle", 19040, 19536, "Live Circle"},
    {15, " - Live Cutout", 19025, 19530, "Live Cutout"},
    {16, " - Live Emboss", 19020, 19528, "Live Emboss"},
    {17, " - Live Explosion", 19090, 19546, "Live Explosion"},
    {18, " - Live Frame", 19060, 19540, "Live Frame"},
    {19, " - Live Galaxy", 19100, 19548, "Live Galaxy"},
    {20, " - Live Generation", 19080, 19544, "Live Generation"},
    {21, " - Live Neon", 19000, 19524, "Live Neon"},
    {22, " - Live Reflections", 19070, 19542, "Live Reflections"},
    {23, " - Live Shadow", 19030, 19532, "Live Shadow"},
    {24, " - Live Tiling", 19050, 19538, "Live Tiling"},
    {25, " - Live Trail", 19035, 19534, "Live Trail"},
    {26, " - Show Palette", 19110, 19550, "Show Palette"},
    {27, "-", 0, 0, nullptr},
    {28, "3D Transform, Part 1", 19200, 19552, "3D Transform, Part 1"},
    {29, "3D Transform, Part 2", 19210, 19554, "3D Transform, Part 2"},
    {30, "Fractalize (Effect)", 19310, 19558, "Fractalize (Effect)"},
    {31, "Fractalize (Filter)", 19320, 19556, "Fractalize (Filter)"},
    {32, "-", 0, 0, nullptr},
    {33, "Preset Menu", 19400, 19560, "Preset Menu"},
    {34, nullptr, 0, 0, nullptr},
    {35, nullptr, 19900, 19562, "About These Help Pages"},
};

struct RasterCase {
  uint32_t type;
  int32_t id;
  int width;
  int height;
};

// The resource exists and the host reads it as an image of that size with
// at least one opaque pixel.
void ExpectRaster(const RasterCase& c) {
  SCOPED_TRACE(testing::Message() << FourCC(c.type) << " " << c.id);
  std::optional<std::string_view> data = Find(c.type, c.id);
  ASSERT_TRUE(data.has_value()) << "missing";
  std::optional<vx::host::adm::Image> image = vx::host::adm::ParseImage(*data);
  ASSERT_TRUE(image.has_value());
  EXPECT_EQ(c.width, image->width);
  EXPECT_EQ(c.height, image->height);
  EXPECT_TRUE(std::any_of(image->pixels.begin(), image->pixels.end(),
                          [](const vx::host::adm::Rgba& p) { return p.a != 0; }));
}

constexpr size_t kHelpLineLimit = 78;

// Every topic's text is its own readable plain text; its picture, and the
// size grip, are rasters.
TEST(HelpResources, EveryTopicTextAndPictureAndTheSizeGrip) {
  ExpectRaster({kVxPictureResource, 20000, 16, 16});
  std::set<std::string_view> seen;
  for (const HelpTopic& t : kTopics) {
    if (t.picture != 0) ExpectRaster({kVxPictureResource, t.picture, 48, 32});
    if (t.text == 0) continue;
    SCOPED_TRACE("topic " + std::to_string(t.topic) + ", TEXT " +
                 std::to_string(t.text));
    std::optional<std::string_view> text = Find(kVxTextResource, t.text);
    ASSERT_TRUE(text.has_value());
    EXPECT_TRUE(seen.insert(*text).second) << "the text of another topic";
    std::vector<std::string> lines = Lines(*text);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0].rfind(t.title, 0), 0u) << "begins '" << lines[0] << "'";
    EXPECT_GE(lines.size(), 8u) << "a help page has a few paragraphs";
    for (size_t i = 0; i < lines.size(); ++i) {
      EXPECT_LE(lines[i].size(), kHelpLineLimit) << "line " << i + 1;
      EXPECT_EQ(lines[i].find('\t'), std::string::npos) << "line " << i + 1;
      EXPECT_EQ(lines[i].find('\r'), std::string::npos) << "line " << i + 1;
    }
  }
}

TEST(HelpResources, TopicPopupListsTopicsZeroToThirtyThreeExactly) {
  std::optional<std::string_view> menu = Find(kVxMenuResource, 18010);
  ASSERT_TRUE(menu.has_value());
  std::vector<std::string> entries = Lines(*menu);
  std::vector<std::string> expected;
  for (const HelpTopic& t : kTopics)
    if (t.popup != nullptr) expected.emplace_back(t.popup);
  ASSERT_EQ(expected.size(), 34u);
  EXPECT_EQ(entries, expected);
}

// ---------------------------------------------------------------------------
// Tool icons and cursors.

// Every tool's icon and cursor, the cursors tracking shows besides, and
// every shape cursor with its Alt cursor, each of those distinct.
TEST(ToolArtResources, EveryToolIconAndCursorIsARasterAndShapeCursorsAreDistinct) {
  std::vector<int32_t> ids;
  for (int i = 0; const vx::ToolInfo* tool = vx::ToolAt(i); ++i) {
    ExpectRaster({kVxIconResource, tool->icon, 24, 24});
    if (tool->selectCursor) ExpectRaster({kVxCursorResource, tool->selectCursor, 24, 24});
    for (int32_t k = 0; k < tool->shapeCursorCount; ++k)
      ids.insert(ids.end(), {tool->shapeCursors[k], tool->shapeCursors[k] + 1});
  }
  for (int32_t id : {16040, 16050, 16052, 16072, 16074})
    ExpectRaster({kVxCursorResource, id, 24, 24});
  ASSERT_EQ(2u * (22 + 5), ids.size());
  for (size_t i = 0; i < ids.size(); ++i) {
    ExpectRaster({kVxCursorResource, ids[i], 24, 24});
    for (size_t j = i + 1; j < ids.size(); ++j) {
      std::optional<std::string_view> a = Find(kVxCursorResource, ids[i]);
      std::optional<std::string_view> b = Find(kVxCursorResource, ids[j]);
      if (a && b) EXPECT_NE(*a, *b) << "CURS " << ids[i] << " and " << ids[j];
    }
  }
}

}  // namespace
