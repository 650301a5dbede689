// Emboss, Cutout and Shadow as a browser shows them: their SVG from the
// command line rendered by librsvg (and by Inkscape where it is installed).
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "host/render/png_render.h"
#include "support/app_runner.h"
#include "support/scratch_folder.h"

namespace vx::test {
namespace {

using host::render::Raster;

constexpr const char* kInput = R"(<svg xmlns="http://www.w3.org/2000/svg" width="200" height="200">
  <rect id="box" x="40" y="40" width="100" height="100" fill="#3366cc"/>
  <text id="word" x="10" y="170" font-size="160" font-family="DejaVu Sans" fill="#3366cc">H</text>
</svg>
)";

class EmbossRenderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteFile(dir_ / "in.svg", kInput);
    std::string word = kInput;
    word.erase(word.find("  <rect"), word.find("  <text") - word.find("  <rect"));
    WriteFile(dir_ / "word.svg", word);
  }
  std::string In(const std::string& name) const { return (dir_ / name).string(); }
  // `versalix4 ARGS`; fails the test unless it succeeds.
  void Run(const std::string& args) {
    const CommandRun run = RunVersalix4(args + " --settings " + In("settings"), dir_);
    ASSERT_EQ(0, run.exitCode) << args << "\n" << run.err;
  }
  // The effect on one object of the input, written to NAME.svg.
  void Apply(const std::string& effect, const std::string& id, const std::string& name) {
    Run("effect " + effect + " " + In("in.svg") + " -o " + In(name + ".svg") + " --select " + id);
  }
  static Raster Decoded(const std::string& png) {
    auto raster = host::render::DecodePng(ReadFile(png));
    EXPECT_TRUE(raster) << png;
    return raster ? *raster : Raster{};
  }
  Raster Render(const std::string& svgName) {
    Run("render " + In(svgName) + " -o " + In(svgName + ".png") + " --width 200");
    return Decoded(In(svgName + ".png"));
  }
  const ScratchFolder dir_{"vx-emboss-render"};
  static uint8_t Alpha(const Raster& r, size_t i) { return r.rgba[4 * i + 3]; }
};

TEST_F(EmbossRenderTest, CutoutOfTextStaysInsideTheGlyphsAndFillsThem) {
  Run("effect Cutout " + In("word.svg") + " -o " + In("cut.svg"));
  const Raster cut = Render("cut.svg"), glyph = Render("word.svg");
  ASSERT_EQ(cut.rgba.size(), glyph.rgba.size());
  ASSERT_FALSE(cut.rgba.empty());
  // Glyph pixels: those the plain text paints fully.
  size_t inside = 0, painted = 0, outside = 0, shaded = 0;
  for (size_t i = 0; i < cut.rgba.size() / 4; ++i) {
    const bool isGlyph = Alpha(glyph, i) == 255;
    const bool isCut = Alpha(cut, i) > 0;
    inside += isGlyph;
    if (isCut && Alpha(glyph, i) == 0) ++outside;
    if (isGlyph && Alpha(cut, i) == 255) ++painted;
    // The shaded strokes are darker than the glyph's own blue.
    if (isGlyph && Alpha(cut, i) == 255 && cut.rgba[4 * i + 2] + 20 < glyph.rgba[4 * i + 2])
      ++shaded;
  }
  ASSERT_GT(inside, 2000u) << "the text did not render";
  EXPECT_EQ(0u, outside) << "the cutout shows outside its glyphs";
  EXPECT_GT(painted, inside * 95 / 100);
  EXPECT_GT(shaded, inside / 20);
}

TEST_F(EmbossRenderTest, EveryResultRendersAlikeInLibrsvgAndInkscape) {
  if (std::system("inkscape --version >/dev/null 2>&1") != 0)
    GTEST_SKIP() << "Inkscape is not installed: the librsvg/Inkscape comparison is skipped";
  for (const char* effect : {"Emboss", "Cutout", "Shadow"}) {
    for (const char* id : {"box", "word"}) {
      SCOPED_TRACE(std::string(effect) + " " + id);
      const std::string name = std::string(effect) + "-" + id;
      Apply(effect, id, name);
      const Raster ours = Render(name + ".svg");
      const std::string png = In(name + ".inkscape.png");
      ASSERT_EQ(0, std::system(("inkscape --export-type=png --export-width=200 --export-filename=" +
                                png + " " + In(name + ".svg") + " >/dev/null 2>&1")
                                   .c_str()));
      // Edges are anti-aliased differently; the shapes and colours agree.
      EXPECT_LT(host::render::DifferentPixelFraction(ours, Decoded(png), 40), 0.02);
    }
  }
}

}  // namespace
}  // namespace vx::test
