// The plug-in's help texts, help pictures, tool icons and cursors as they are
// linked into the module: every resource the help window, the tool
// registration and the cursor tracking ask for must exist and be well formed.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
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
// Help topics: the popup's entries (topics 0 to 33) are the golden file's
// lines; each topic's text begins with its entry without " - " (catches
// swapped ids), a "-" entry has no text, topic 34 none, topic 35 is "About
// These Help Pages"; the ids are the ones the help window asks for.
std::vector<std::string> PopupEntries() {
  std::ifstream file(std::string(VX_TEST_DATA_DIR) + "/resources/help_topics.txt");
  std::stringstream text;
  text << file.rdbuf();
  return Lines(text.str());
}

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
  const std::vector<std::string> popup = PopupEntries();
  ASSERT_EQ(34u, popup.size());
  for (int topic = 0; topic < 36; ++topic) {
    std::string title = topic < 34 ? popup[topic] : topic == 35 ? "About These Help Pages" : "-";
    if (title.starts_with(" - ")) title.erase(0, 3);
    const auto [textId, picture] = vx::kHelpTopics[topic];
    SCOPED_TRACE("topic " + std::to_string(topic) + ", TEXT " + std::to_string(textId));
    EXPECT_EQ(title == "-", textId == 0);
    EXPECT_EQ(title == "-", picture == 0);
    if (picture != 0) ExpectRaster({kVxPictureResource, picture, 48, 32});
    if (title == "-") continue;
    std::optional<std::string_view> text = Find(kVxTextResource, textId);
    ASSERT_TRUE(text.has_value());
    EXPECT_TRUE(seen.insert(*text).second) << "the text of another topic";
    std::vector<std::string> lines = Lines(*text);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0].rfind(title, 0), 0u) << "begins '" << lines[0] << "'";
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
  EXPECT_EQ(Lines(*menu), PopupEntries());
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
