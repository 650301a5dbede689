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

#include "generated/resource_ids.h"
#include "host/adm/image.h"
#include "shell/help_texts.h"
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
// Help topics: popup text and how the text begins of every topic; the ids
// are the ones the help window asks for.

struct HelpTopic {
  int topic;
  const char* popup;  // nullptr: not listed in the popup
  const char* title;  // how the topic's text begins (catches swapped ids); nullptr: no text
};

constexpr HelpTopic kTopics[] = {
    {0, "Tool in General", "Tool in General"},
    {1, " - AlignPoints Tool", "AlignPoints Tool"},
    {2, " - Broom Tool", "Broom Tool"},
    {3, " - Craft Tool", "Craft Tool"},
    {4, " - Lens Tool", "Lens Tool"},
    {5, " - MetaBrush Tool", "MetaBrush Tool"},
    {6, " - Roughening Tool", "Roughening Tool"},
    {7, " - Trail Tool", "Trail Tool"},
    {8, " - Warp Tool", "Warp Tool"},
    {9, " - Wave Tool", "Wave Tool"},
    {10, "-", nullptr},
    {11, "Live Effects in General", "Live Effects in General"},
    {12, "Live Effects Palettes", "Live Effects Palettes"},
    {13, " - Live Border", "Live Border"},
    {14, " - Live Circle", "Live Circle"},
    {15, " - Live Cutout", "Live Cutout"},
    {16, " - Live Emboss", "Live Emboss"},
    {17, " - Live Explosion", "Live Explosion"},
    {18, " - Live Frame", "Live Frame"},
    {19, " - Live Galaxy", "Live Galaxy"},
    {20, " - Live Generation", "Live Generation"},
    {21, " - Live Neon", "Live Neon"},
    {22, " - Live Reflections", "Live Reflections"},
    {23, " - Live Shadow", "Live Shadow"},
    {24, " - Live Tiling", "Live Tiling"},
    {25, " - Live Trail", "Live Trail"},
    {26, " - Show Palette", "Show Palette"},
    {27, "-", nullptr},
    {28, "3D Transform, Part 1", "3D Transform, Part 1"},
    {29, "3D Transform, Part 2", "3D Transform, Part 2"},
    {30, "Fractalize (Effect)", "Fractalize (Effect)"},
    {31, "Fractalize (Filter)", "Fractalize (Filter)"},
    {32, "-", nullptr},
    {33, "Preset Menu", "Preset Menu"},
    {34, nullptr, nullptr},
    {35, nullptr, "About These Help Pages"},
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
  ExpectRaster({kVxPictureResource, vx::res::kSizeGripPicture, 16, 16});
  std::set<std::string_view> seen;
  for (const HelpTopic& t : kTopics) {
    const auto [textId, picture] = vx::kHelpTopics[t.topic];
    SCOPED_TRACE("topic " + std::to_string(t.topic) + ", TEXT " + std::to_string(textId));
    EXPECT_EQ(t.title == nullptr, textId == 0);
    EXPECT_EQ(t.title == nullptr, picture == 0);
    if (picture != 0) ExpectRaster({kVxPictureResource, picture, 48, 32});
    if (t.title == nullptr) continue;
    std::optional<std::string_view> text = Find(kVxTextResource, textId);
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
  std::optional<std::string_view> menu = Find(kVxMenuResource, vx::res::kHelpTopics);
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
  namespace res = vx::res;
  for (int32_t id : {res::kPickCursor, res::kAreaSizeCursor, res::kInsertAnchorCursor,
                     res::kAlignYCursor, res::kAlignBothCursor})
    ExpectRaster({kVxCursorResource, id, 24, 24});
  ASSERT_EQ(2u * (22 + 5), ids.size());
  for (size_t i = 0; i < ids.size(); ++i) {
    ExpectRaster({kVxCursorResource, ids[i], 24, 24});
    for (size_t j = i + 1; j < ids.size(); ++j) {
      std::optional<std::string_view> a = Find(kVxCursorResource, ids[i]);
      std::optional<std::string_view> b = Find(kVxCursorResource, ids[j]);
      if (a && b) {
        EXPECT_NE(*a, *b) << "CURS " << ids[i] << " and " << ids[j];
      }
    }
  }
}

}  // namespace
