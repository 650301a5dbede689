// The effect, update, expand, release and script commands of versalix4 on
// SVG files: each --set goes through its palette item (spin edits, radio
// buttons, the datum picker, the end colour swatch and the colour picker)
// into the record stored in the SVG, checked at its byte offset. (Wrong
// fields and values: the command-line answers.)
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "effects/border.h"
#include "host/adm/user_agent.h"
#include "host/svg/svg_effect_art.h"
#include "presets/param_record.h"
#include "support/app_runner.h"
#include "support/scratch_folder.h"

namespace vx::test {
namespace {

using host::adm::ItemAction;

class EffectCommandTest : public ::testing::Test {
 protected:
  // A stroked box and a red square beside it ("other").
  void SetUp() override {
    std::filesystem::copy_file(std::string(VX_TEST_DATA_DIR) + "/effects/box_and_other.svg", dir_ / "in.svg");
  }
  // The exit code; the error text is kept in err_.
  int Run(const std::string& arguments) {
    const CommandRun run =
        RunVersalix4(arguments + " --settings " + (dir_ / "settings").string(), dir_);
    err_ = run.err;
    return run.exitCode;
  }
  std::string Read(const std::string& name) { return ReadFile(dir_ / name); }
  static int Count(const std::string& text, const std::string& what) {
    int n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
  }
  // Paths and the rectangles that stay rectangles while no operation changes them.
  static int Shapes(const std::string& text) { return Count(text, "<path") + Count(text, "<rect"); }
  std::string In(const std::string& name) { return (dir_ / name).string(); }

  const ScratchFolder dir_{"vx-effect-cmd"};
  std::string err_;
};

// One value of the stored record: an int32 or a float32 at its offset.
struct Stored {
  int offset;
  bool isFloat;
  double value;
};

// The record bytes of the only effect art in an SVG file.
std::vector<uint8_t> RecordOf(const std::string& svg) {
  const std::string key = "vx:record=\"";
  const size_t at = svg.find(key);
  if (at == std::string::npos) return {};
  const size_t end = svg.find('"', at + key.size());
  auto bytes = host::svg::DecodeBase64(std::string_view(svg).substr(at + key.size(), end - at - key.size()));
  return bytes ? *bytes : std::vector<uint8_t>{};
}

TEST_F(EffectCommandTest, BorderIsStoredUpdatedExpandedAndReleased) {
  ASSERT_EQ(0, Run("effect Border " + In("in.svg") + " -o " + In("border.svg") +
                   " --select box --set steps-mode=Manual --set steps=4 --set offset=50"))
      << err_;
  ASSERT_EQ(0, Run("expand " + In("border.svg") + " -o " + In("expanded.svg"))) << err_;
  const std::string expanded = Read("expanded.svg");
  EXPECT_EQ(0, Count(expanded, "plugin-group"));
  EXPECT_EQ(5 + 1, Shapes(expanded));

  ASSERT_EQ(0, Run("release " + In("border.svg") + " -o " + In("released.svg"))) << err_;
  const std::string released = Read("released.svg");
  EXPECT_EQ(0, Count(released, "plugin-group"));
  EXPECT_EQ(2, Shapes(released));
}

// Settings and presets reach the stored record and make their copies.
TEST_F(EffectCommandTest, EverySettingReachesTheStoredRecord) {
  const struct {
    const char* effect;
    const char* settings;
    size_t size;  // 0: not checked
    std::vector<Stored> stored;
    int made = -1;  // generated objects, besides the hidden source and "other"
  } cases[] = {
      {"Tiling", "--set columns=3 --set rows=2 --set space-h=120", 0, {}, 6},
      {"Generation", "--preset \"Default Settings\"", 0, {}, 20},
      // The object and 7 reflections.
      {"Reflections", "--set reflector=Radial --set total=4 --set offset-h=10", 0, {}, 8},
      // Every field: a radio button, flags, a choice, an integer, percent,
      // degrees and points.
      {"Border",
       "--set style=inside --set gradient-arc=-40 --set reverse=on --set steps-mode=manual "
       "--set steps=6 --set offset=30 --set angle=90 --set shadow=on --set tint=40 "
       "--set shadow-offset=2.5 --set light-angle=45",
       108,
       {{88, false, 1}, {64, true, -0.4}, {68, false, 1}, {72, false, 3}, {76, false, 6},
        {80, true, 0.3}, {84, true, RecordRadians(90.0f)}, {92, false, 1}, {96, true, 0.4},
        {100, true, 2.5}, {104, true, RecordRadians(45.0f)}}},
      {"Circle", "--set total=6 --set datum=0 --set offset-h=-50 --set height=50", 92,
       {{64, false, 6}, {72, false, 0}, {76, true, -50}, {88, true, 0.5}}},
      {"Neon",
       "--set tracks=2 --set steps-mode=manual --set steps=3 --set shadow=on --set tint=50 "
       "--set shadow-reverse=on",
       112,
       {{64, false, 2}, {76, false, 3}, {80, false, 3}, {92, false, 1}, {96, true, 0.5},
        {100, false, 1}}},
      // The end colour from the picker: source 2 (chosen), three-colour red.
      // The drag vector follows the length and direction set.
      {"Trail",
       "--set steps=4 --set end-colour=#ff0000 --set drag-direction=0 --set drag-length=50 "
       "--set to-distance=10 --set to-direction=90 --set to-angle=30",
       272,
       {{72, false, 4}, {80, false, 2}, {88, false, kThreeColor}, {92, true, 1}, {96, true, 0},
        {100, true, 0}, {252, true, 50}, {264, true, 50}, {268, true, 0},
        {256, true, 10.0f * std::cos(RecordRadians(90.0f))}, {260, true, 10},
        {228, true, RecordRadians(30.0f)}}},
      {"Emboss", "--set 'style=Shadow Only' --set contrast=50 --set light-angle=90 --set steps=4",
       88, {{64, false, 2}, {68, true, 0.5}, {76, true, RecordRadians(90.0f)}, {84, false, 4}}},
  };
  int n = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.effect) + " " + c.settings);
    const std::string out = "out" + std::to_string(n++) + ".svg";
    ASSERT_EQ(0, Run(std::string("effect ") + c.effect + " " + In("in.svg") + " -o " + In(out) +
                     " --select box " + c.settings))
        << err_;
    const std::vector<uint8_t> record = RecordOf(Read(out));
    if (c.made >= 0) {
      EXPECT_EQ(c.made + 1 + 1, Shapes(Read(out)));
    }
    if (c.size) {
      ASSERT_EQ(c.size, record.size());
    }
    for (const Stored& s : c.stored) {
      SCOPED_TRACE("offset " + std::to_string(s.offset));
      if (s.isFloat) {
        float v = 0;
        std::memcpy(&v, record.data() + s.offset, sizeof v);
        EXPECT_FLOAT_EQ(float(s.value), v);
      } else {
        int32_t v = 0;
        std::memcpy(&v, record.data() + s.offset, sizeof v);
        EXPECT_EQ(int32_t(s.value), v);
      }
    }
  }
}

TEST_F(EffectCommandTest, AScriptReplaysASession) {
  WriteFile(dir_ / "session.txt",
            "# a recorded session\nopen " + In("in.svg") + "\nselect box\nmenu Live Border\n" +
                "palette Border " + ItemAction("choose", BorderItems::kStepsMode, "=3") + "\n" +
                "palette Border " + ItemAction("set", BorderItems::kSteps, "=2") + "\n" +
                "palette Border " + ItemAction("press", BorderItems::kApply) + "\nsave " +
                In("scripted.svg") + "\n");
  ASSERT_EQ(0, Run("script " + In("session.txt"))) << err_;
  const std::string scripted = Read("scripted.svg");
  EXPECT_EQ(1, Count(scripted, "plugin-group"));
  EXPECT_EQ(2 + 1 + 1 + 1, Shapes(scripted));
  WriteFile(dir_ / "bad.txt", "open " + In("in.svg") + "\nfrobnicate\n");
  // An unknown action stops the session before it runs.
  EXPECT_EQ(2, Run("script " + In("bad.txt")));
  EXPECT_NE(std::string::npos, err_.find("bad.txt:2: unknown action"));
}

}  // namespace
}  // namespace vx::test
