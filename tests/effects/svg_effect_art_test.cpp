// Live effect art in SVG: the record's exact bytes, the result visible, the
// source kept, and regeneration after the source was edited elsewhere.

#include "effect_fixture.h"
#include "host/art/document_set.h"
#include "host/art/plugin_group_updates.h"
#include "host/core/registrations.h"
#include "host/svg/svg_effect_art.h"
#include "host/svg/svg_export.h"
#include "host/svg/svg_import.h"

namespace vx::test {
namespace {

namespace svg = host::svg;

TEST(Base64, EncodesAndDecodesEveryLengthExactly) {
  const struct { std::vector<uint8_t> bytes; const char* text; } rows[] = {
      {{}, ""},
      {{'f'}, "Zg=="},
      {{'f', 'o'}, "Zm8="},
      {{'f', 'o', 'o'}, "Zm9v"},
      {{'f', 'o', 'o', 'b', 'a', 'r'}, "Zm9vYmFy"},
      {{0x00, 0xFF, 0x10, 0x80}, "AP8QgA=="},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(row.text, svg::EncodeBase64(row.bytes));
    auto decoded = svg::DecodeBase64(row.text);
    ASSERT_TRUE(decoded) << row.text;
    EXPECT_EQ(row.bytes, *decoded);
  }
  EXPECT_EQ(std::vector<uint8_t>({'f', 'o', 'o'}), *svg::DecodeBase64(" Zm9v\n"));
  for (const char* bad : {"Zm9v!", "Z", "Zg==Zg==", "Zm9=v"})
    EXPECT_FALSE(svg::DecodeBase64(bad)) << bad;
}

class SvgEffectArtTest : public EffectTest {
 protected:
  Art* BorderAround(float strokeWidth) {
    Art* square = AddSquare("source", 10, 10, 40);
    const AIColor white = Gray(1);
    Paint(*square, strokeWidth, Gray(0), &white);
    Select({square});
    if (!Palette(kBorder)) {
      EXPECT_EQ(0, ChooseWindowItem(kBorder));
    }
    BorderRecord()->stepsMode = 3;
    BorderRecord()->steps = 5;
    BorderRecord()->offset = 0.25f;
    Act(kBorder, "press", BorderItems::kApply);
    return EffectArt().at(0);
  }
};

TEST_F(SvgEffectArtTest, ARoundTripKeepsTheRecordBytesTheSourceAndTheResult) {
  Art* effect = BorderAround(4);
  const std::vector<uint8_t> record = effect->plugin().data;
  const size_t generated = Generated(*effect).size();
  ASSERT_EQ(6u, generated);
  const std::string text = svg::ExportSvg(doc(), nullptr);
  EXPECT_NE(std::string::npos, text.find("vx:record=\"" + svg::EncodeBase64(record) + "\""));
  EXPECT_NE(std::string::npos, text.find("vx:effect=\"VERSALiX4 Border "));

  std::string error;
  auto imported = svg::ImportSvg(text, &error);
  ASSERT_TRUE(imported) << error;
  host::art::Document& reopened = host().documents().Adopt(std::move(imported->document));
  EXPECT_EQ(1, svg::BindEffectArt(reopened, imported->kept, host().registrations()));
  Art* again = nullptr;
  for (Art* a = reopened.currentLayer()->group->firstChild(); a; a = a->sibling())
    if (a->kind() == ArtKind::PluginGroup) again = a;
  ASSERT_NE(nullptr, again);
  EXPECT_EQ(record, again->plugin().data);
  EXPECT_EQ(globals().effectSlots[kBorder].group, again->plugin().group);
  EXPECT_EQ(generated, Generated(*again).size());
  ASSERT_NE(nullptr, again->editGroup()->firstChild());
  EXPECT_EQ(ArtKind::Path, again->editGroup()->firstChild()->kind());
  EXPECT_FALSE(reopened.HasPendingUpdates());

  // The source edited in another program: a wider stroke. The host
  // regenerates from the stored record (manual 5 steps, offset 25 %).
  Art* source = again->editGroup()->firstChild();
  AIPathStyle style = source->path().style;
  style.stroke.width = 12;
  ASSERT_EQ(0, reopened.SetStyle(*source, style));
  ASSERT_EQ(0, host::art::SendPluginGroupUpdates(host()));
  auto copies = Generated(*again);
  ASSERT_EQ(6u, copies.size());
  EXPECT_NEAR(12.0f, copies[5]->path().style.stroke.width, 1e-4f);
  EXPECT_EQ(record, again->plugin().data);
}

TEST_F(SvgEffectArtTest, InsideOnAGroupIsMaskedByACompoundPathWrittenAsTheUnionOfItsOutlines) {
  Art* group = AddContainer("g", ArtKind::Group);
  const AIColor white = Gray(1);
  for (float x : {10.0f, 60.0f})
    Paint(*AddSquare("s" + std::to_string(int(x)), x, 10, 40, group), 4, Gray(0), &white);
  Select({group});
  ASSERT_EQ(0, ChooseWindowItem(kBorder));
  Act(kBorder, "press", BorderItems::kInside);
  Act(kBorder, "press", BorderItems::kApply);
  // In the document: a compound path holding a copy of the group masks.
  const Art* mask = EffectArt().at(0)->resultGroup()->firstChild()->firstChild();
  ASSERT_EQ(ArtKind::CompoundPath, mask->kind());
  ASSERT_EQ(ArtKind::Group, mask->firstChild()->kind());
  EXPECT_TRUE(mask->firstChild()->firstChild()->style()->clip);
  const std::string text = svg::ExportSvg(doc(), nullptr);
  const size_t begin = text.find("<clipPath");
  ASSERT_NE(std::string::npos, begin);
  const std::string clip = text.substr(begin, text.find("</clipPath>", begin) - begin);
  // One shape per square of the group: the clip is their union.
  size_t shapes = 0;
  for (size_t at = clip.find("<path"); at != std::string::npos; at = clip.find("<path", at + 1))
    ++shapes;
  EXPECT_EQ(2u, shapes) << clip;
}

TEST_F(SvgEffectArtTest, EffectArtOfAnUnknownKindKeepsItsNameAndBytes) {
  const char* text = R"(<svg xmlns="http://www.w3.org/2000/svg" xmlns:vx="urn:versalix4:svg">
  <g id="e" vx:role="plugin-group" vx:effect="Someone Else ver1" vx:record="AAECAw==">
    <g vx:role="result"><path d="M0,0 L10,0 L10,10 Z"/></g>
    <g vx:role="edit" display="none"><path d="M0,0 L5,0 L5,5 Z"/></g>
  </g></svg>)";
  std::string error;
  auto imported = svg::ImportSvg(text, &error);
  ASSERT_TRUE(imported) << error;
  host::art::Document& opened = host().documents().Adopt(std::move(imported->document));
  EXPECT_EQ(0, svg::BindEffectArt(opened, imported->kept, host().registrations()));
  const std::string written = svg::ExportSvg(opened, &imported->kept);
  EXPECT_NE(std::string::npos, written.find("vx:effect=\"Someone Else ver1\""));
  EXPECT_NE(std::string::npos, written.find("vx:record=\"AAECAw==\""));
}

}  // namespace
}  // namespace vx::test
