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
// Help topics: the popup's entries (topics 0 to 33), and the TEXT and picture
// ids of all 36 topics (0: none).

const std::vector<std::string> kPopup = {
    "Tool in General", " - AlignPoints Tool", " - Broom Tool", " - Craft Tool", " - Lens Tool",
    " - MetaBrush Tool", " - Roughening Tool", " - Trail Tool", " - Warp Tool", " - Wave Tool",
    "-", "Live Effects in General", "Live Effects Palettes", " - Live Border", " - Live Circle",
    " - Live Cutout", " - Live Emboss", " - Live Explosion", " - Live Frame", " - Live Galaxy",
    " - Live Generation", " - Live Neon", " - Live Reflections", " - Live Shadow",
    " - Live Tiling", " - Live Trail", " - Show Palette", "-", "3D Transform, Part 1",
    "3D Transform, Part 2", "Fractalize (Effect)", "Fractalize (Filter)", "-", "Preset Menu"};
constexpr int32_t kTexts[vx::kHelpTopicCount] = {
    17500, 18080, 18050, 18030, 18020, 18060, 18040, 18070, 18000, 18010, 0,     18500,
    18510, 19010, 19040, 19025, 19020, 19090, 19060, 19100, 19080, 19000, 19070, 19030,
    19050, 19035, 19110, 0,     19200, 19210, 19310, 19320, 0,     19400, 0,     19900};
constexpr int32_t kPictures[vx::kHelpTopicCount] = {
    19500, 19518, 19512, 19508, 19506, 19514, 19510, 19516, 19502, 19504, 0,     19520,
    19522, 19526, 19536, 19530, 19528, 19546, 19540, 19548, 19544, 19524, 19542, 19532,
    19538, 19534, 19550, 0,     19552, 19554, 19558, 19556, 0,     19560, 0,     19562};

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

// The plug-in's topic table holds those ids; every topic's text is its own
// readable plain text beginning with its popup entry (which catches swapped
// ids); its picture, and the size grip, are rasters.
TEST(HelpResources, EveryTopicTextAndPictureAndTheSizeGrip) {
  EXPECT_TRUE(std::ranges::equal(kTexts, vx::kHelpTextIds));
  EXPECT_TRUE(std::ranges::equal(kPictures, vx::kHelpPictureIds));
  ExpectRaster({kVxPictureResource, 20000, 16, 16});
  std::set<std::string_view> seen;
  for (int topic = 0; topic < vx::kHelpTopicCount; ++topic) {
    if (kPictures[topic] != 0) ExpectRaster({kVxPictureResource, kPictures[topic], 48, 32});
    if (kTexts[topic] == 0) continue;
    SCOPED_TRACE("topic " + std::to_string(topic) + ", TEXT " + std::to_string(kTexts[topic]));
    std::optional<std::string_view> text = Find(kVxTextResource, kTexts[topic]);
    ASSERT_TRUE(text.has_value());
    EXPECT_TRUE(seen.insert(*text).second) << "the text of another topic";
    std::vector<std::string> lines = Lines(*text);
    ASSERT_FALSE(lines.empty());
    const std::string title = topic < int(kPopup.size()) ? kPopup[size_t(topic)]
                                                         : "About These Help Pages";
    EXPECT_EQ(0u, lines[0].rfind(title.starts_with(" - ") ? title.substr(3) : title, 0))
        << "begins '" << lines[0] << "'";
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
  EXPECT_EQ(kPopup, Lines(*menu));
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
