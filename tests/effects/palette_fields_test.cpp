// `versalix4 effect NAME --set` on the palettes of Circle, Explosion,
// Galaxy, Neon and Trail: each setting goes through its palette item (spin
// edits, radio buttons, the datum picker, the end colour swatch and the
// colour picker) into the record stored in the SVG, checked at its byte
// offset; wrong values are refused before anything is written.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "host/svg/svg_effect_art.h"
#include "presets/param_record.h"
#include "support/app_runner.h"
#include "support/host_fixture.h"

namespace vx::test {
namespace {

namespace fs = std::filesystem;

constexpr const char* kInput = R"(<svg xmlns="http://www.w3.org/2000/svg" width="200" height="200">
  <rect id="box" x="20" y="20" width="60" height="60" fill="#ffffff" stroke="#000000" stroke-width="4"/>
</svg>
)";

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

TEST(PaletteFields, EverySettingReachesTheStoredRecord) {
  const fs::path dir = FreshSettingsDir();
  fs::create_directories(dir);
  std::ofstream(dir / "in.svg") << kInput;
  const struct {
    const char* effect;
    const char* settings;
    size_t size;
    std::vector<Stored> stored;
  } cases[] = {
      {"Galaxy",
       "--set total-branches=3 --set branch-twist=45 --set shrink-grow=50 "
       "--set stacking=below --set same-sequence=on --set core-radius=-20",
       132,
       {{64, false, 3}, {84, true, RecordRadians(45.0f)}, {116, true, 0.5}, {120, false, 1},
        {124, false, 1}, {92, true, -20}}},
      {"Explosion", "--set total=5 --set space=uni --set shrink-grow=100 --set keep-angle=on", 104,
       {{64, false, 5}, {84, false, 1}, {92, true, 1.0}, {68, false, 1}}},
      {"Circle", "--set total=6 --set datum=0 --set offset-h=-50 --set height=50", 92,
       {{64, false, 6}, {72, false, 0}, {76, true, -50}, {88, true, 0.5}}},
      {"Circle", "--set datum=8 --set centre-mark=off", 92, {{72, false, 8}, {84, false, 0}}},
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
      {"Trail", "--set 'end-stroke-colour=gray(25)'", 272,
       {{84, false, 2}, {156, false, kGrayColor}, {160, true, 0.25}}},
  };
  int n = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.effect) + " " + c.settings);
    const std::string out = (dir / ("out" + std::to_string(n++) + ".svg")).string();
    const CommandRun run = RunVersalix4(std::string("effect ") + c.effect + " " +
                                            (dir / "in.svg").string() + " -o " + out +
                                            " --select box " + c.settings + " --settings " +
                                            (dir / "settings").string(),
                                        dir);
    ASSERT_EQ(0, run.exitCode) << run.err;
    std::ifstream in(out);
    std::stringstream text;
    text << in.rdbuf();
    const std::vector<uint8_t> record = RecordOf(text.str());
    ASSERT_EQ(c.size, record.size());
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
  // Refused with the field's own words, nothing written.
  const struct {
    const char* effect;
    const char* setting;
    const char* says;
  } refused[] = {
      {"Circle", "datum=9", "datum takes a cell from 0"},
      {"Trail", "end-colour=#ff00", "end-colour"},
      {"Galaxy", "stacking=sideways", "stacking takes above below"},
      {"Trail", "end-fill-source=1", "has no field"},
  };
  for (const auto& r : refused) {
    SCOPED_TRACE(r.setting);
    const fs::path out = dir / "refused.svg";
    const CommandRun run = RunVersalix4(std::string("effect ") + r.effect + " " +
                                            (dir / "in.svg").string() + " -o " + out.string() +
                                            " --set " + r.setting + " --settings " +
                                            (dir / "settings").string(),
                                        dir);
    EXPECT_EQ(2, run.exitCode);
    EXPECT_NE(std::string::npos, run.err.find(r.says)) << run.err;
    EXPECT_FALSE(fs::exists(out));
  }
}

}  // namespace
}  // namespace vx::test
