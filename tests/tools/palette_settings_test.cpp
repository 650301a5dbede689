// FIELD=VALUE as a person sets a palette field: the action on its item, or
// the message that says why not.
#include <gtest/gtest.h>

#include "host/adm/dialog_manager.h"
#include "host/adm/palette_settings.h"
#include "support/fake_plugin.h"
#include "support/scratch_folder.h"

namespace vx::host::adm {
namespace {

using test::FakePlugin;

constexpr int32_t kRadios[] = {5, 6};
constexpr VxEffectField kFields[] = {
    {"margin", 2, kVxUnitPercent, nullptr, 0, nullptr, 0, 0, 0},
    {"steps", 3, kVxUnitInteger, nullptr, 0, nullptr, 0, 0, 0},
    {"trace", 4, kVxUnitFlag, nullptr, 0, nullptr, 0, 0, 0},
    {"direction", 0, kVxUnitRadio, kRadios, 2, nullptr, 0, 0, 0},
    {"mode", 7, kVxUnitChoice, nullptr, 0, "trace", kVxEnabledWhenOn, 0, 0},
};

TEST(PaletteSettings, EachValueBecomesTheUserActionOrSaysWhyNot) {
  FakePlugin::Reset();
  FakePlugin::AddResource(kVxMenuResource, 900, "Drag Along\nUniform (One Way)\nAccelerate (One Way)");
  // Items: 2 spin edit (0 to 4000), 3 integer (1 to 4000), 4 checkbox
  // "Trace", 5 and 6 radio buttons "Up" and "Down", 7 popup of menu 900.
  FakePlugin::AddResource(kVxDialogResource, 800,
                          test::ReadFile(std::string(VX_TEST_DATA_DIR) + "/tools/options_palette.rc"));
  auto host = FakePlugin::MakeHost();
  Dialog* palette = host->dialogs().CreatePalette(host->pluginRef(), "", 800,
                                                  kADMTabbedFloatingDialogStyle, nullptr, nullptr);
  ASSERT_NE(nullptr, palette);
  struct Row { const char* setting; const char* action; const char* error; };
  const Row rows[] = {
      {"margin=100", "set 2=100", ""},
      {"MARGIN=0", "set 2=0", ""},
      {"margin=4001", "", "margin takes 0 to 4000 %, not 4001"},
      {"margin=wide", "", "margin takes a number, not \"wide\""},
      {"steps=2.5", "", "steps takes a number, not \"2.5\""},
      {"steps=24", "set 3=24", ""},
      {"trace=on", "set 4=1", ""},
      {"trace=no", "set 4=0", ""},
      {"trace=maybe", "", "trace takes on or off, not \"maybe\""},
      {"direction=down", "press 6", ""},
      {"direction=0", "press 5", ""},
      {"direction=2", "", "direction takes one of \"Up\", \"Down\" or its number, 0 to 1, not \"2\""},
      {"mode=accel", "choose 7=2", ""},
      {"mode=1", "choose 7=1", ""},
      {"shape=3", "", "the palette has no field \"shape\"; its fields are: margin steps trace "
                      "direction mode"},
      {"margin", "", "--set takes FIELD=VALUE, not \"margin\""},
  };
  for (const Row& row : rows) {
    std::string error;
    EXPECT_EQ(row.action, FieldAction(*palette, kFields, row.setting, &error)) << row.setting;
    EXPECT_EQ(row.error, error) << row.setting;
  }
  EXPECT_EQ("  margin          0 to 4000 %\n"
            "  steps           1 to 4000\n"
            "  trace           on or off\n"
            "  direction       one of \"Up\", \"Down\" or its number, 0 to 1\n"
            "  mode            one of \"Drag Along\", \"Uniform (One Way)\", \"Accelerate (One "
            "Way)\" or its number, 0 to 2 (follows trace)\n",
            DescribeFields(*palette, kFields));
  host.reset();
  FakePlugin::Reset();
}

}  // namespace
}  // namespace vx::host::adm
