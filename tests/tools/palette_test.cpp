// The eight tool options palettes over their records: every bound field
// shown from the record and stored from its item (16-bit fields without
// touching their neighbours), the enabling and showing rules, the Last
// Setting across a reload, presets refreshing the items, and allocation
// failures while a palette is made.
#include <cstring>
#include <vector>

#include "host/adm/dialog_manager.h"
#include "host/adm/user_agent.h"
#include "presets/preset_store.h"
#include "shell/globals.h"
#include "shell/suites.h"
#include "support/allocation_sweep.h"
#include "support/bound_palette_check.h"
#include "support/scratch_folder.h"
#include "support/tool_fixture.h"
#include "tools/tool_palette.h"
#include "tools/lens_tool.h"
#include "tools/tool_table.h"

namespace vx::test {
namespace {

using host::adm::Dialog;
using host::adm::Item;

const ToolInfo& Tool(const char* name) {
  for (int i = 0; i < kToolCount; ++i)
    if (std::strcmp(ToolAt(i)->name, name) == 0) return *ToolAt(i);
  ADD_FAILURE() << name;
  return *ToolAt(0);
}

// The palettes as Select makes them, on the tool fixture; alerts are
// collected.
class PaletteTest : public ToolTest {
 protected:
  void SetUp() override {
    ToolTest::SetUp();
    host().dialogs().onAlert = [this](const host::adm::Alert& a) { alerts_.push_back(a.text); };
  }
  Dialog* Open(const ToolInfo& tool) {
    UseTool(tool.name);
    return palette();
  }
  uint8_t* Record(const ToolInfo& tool) {
    return static_cast<uint8_t*>(gGlobals->ToolParams[tool.paletteIndex]);
  }
  std::vector<std::string> alerts_;
};

const char* const kTools[] = {"Warp",  "Wave",      "Lens",  "Craft",
                              "Roughening", "Broom", "MetaBrush", "Trail"};

TEST_F(PaletteTest, EveryBoundFieldRoundTripsBetweenRecordAndItemAlone) {
  for (const char* name : kTools) {
    SCOPED_TRACE(name);
    const ToolInfo& tool = Tool(name);
    Dialog* palette = Open(tool);
    ASSERT_TRUE(palette);
    const ToolPaletteSpec& spec = *tool.palette;
    ExpectEveryBoundFieldRoundTrips(
        {.binding = spec.binding,
         .dialog = *palette,
         .record = Record(tool),
         .recordSize = tool.presetKind->recordSize,
         .refresh = [&] { RefreshToolPalette(gGlobals->ToolPalette, Record(tool)); },
         .act = [&](const std::string& action) { return Act(action); },
         // Craft's and Broom's twirl spacing shows with their twirl sweep.
         .makeUsable =
             [&](const PaletteField& f) {
               if (spec.sweep && f.item == spec.sweep->twirlItems[0])
                 WriteIntField(Record(tool), spec.sweep->sweep, spec.sweep->twirl);
             }});
  }
  EXPECT_TRUE(alerts_.empty());
}

// One record field set (by its name in the binding), then what the items
// show: visible, enabled.
struct RuleCase {
  const char* tool;
  const char* field1;
  int32_t value1;
  const char* field2;  // or null
  int32_t value2;
  int32_t item;
  bool visible, enabled;
};
constexpr RuleCase kRuleCases[] = {
    {"Warp", "trace", 0, nullptr, 0, res::WarpToolPalette::kTraceMode, true, false},
    {"Warp", "trace", 1, nullptr, 0, res::WarpToolPalette::kTraceMode, true, true},
    {"Warp", "trace-mode", 0, nullptr, 0, res::WarpToolPalette::kSpace, true, true},
    {"Warp", "trace-mode", 0, nullptr, 0, res::WarpToolPalette::kSteps, false, true},
    {"Warp", "trace-mode", 3, nullptr, 0, res::WarpToolPalette::kSpaceUnits, false, true},
    {"Warp", "trace-mode", 3, nullptr, 0, res::WarpToolPalette::kStepsLabel, true, true},
    {"Wave", "trace-mode", 1, nullptr, 0, res::WaveToolPalette::kSteps, true, true},
    {"Lens", "lens", 2, nullptr, 0, res::LensToolPalette::kCycle, true, true},
    {"Lens", "lens", 2, nullptr, 0, res::LensToolPalette::kThickness, false, true},
    {"Lens", "lens", 3, nullptr, 0, res::LensToolPalette::kGroupAsOneUnit, true, true},
    {"Lens", "lens", 1, nullptr, 0, res::LensToolPalette::kAngleUnits, false, true},
    {"Craft", "distortion", 3, "trace-mode", 0, res::CraftToolPalette::kTwirlSpace, true, true},
    {"Craft", "distortion", 3, "trace-mode", 0, res::CraftToolPalette::kSpace, false, true},
    {"Craft", "distortion", 0, "trace-mode", 0, res::CraftToolPalette::kSpaceUnits, true, true},
    {"Craft", "distortion", 3, "trace-mode", 2, res::CraftToolPalette::kTwirlSpace, false, true},
    {"Broom", "sweep", 2, "trace-mode", 0, res::BroomToolPalette::kSpaceLabel, true, true},
    {"Broom", "sweep", 3, "trace-mode", 4, res::BroomToolPalette::kStepsLabel, true, true},
    {"Roughening", "trace", 1, nullptr, 0, res::RoughToolPalette::kTraceMode, true, true},
    {"Trail", "end-fill", 2, nullptr, 0, res::TrailToolPalette::kEndFillColour, true, true},
    {"Trail", "end-stroke", 1, nullptr, 0, res::TrailToolPalette::kEndStrokeColour, true, false},
    {"MetaBrush", "paint", 1, nullptr, 0, res::MetaBrushToolPalette::kStrokeWidth, true, true},
    {"MetaBrush", "paint", 1, nullptr, 0, res::MetaBrushToolPalette::kRandomSeed, true, false},
    {"MetaBrush", "paint", 0, nullptr, 0, res::MetaBrushToolPalette::kStacking, true, true},
};

TEST_F(PaletteTest, RulesEnableAndShowItemsByTheRecord) {
  for (const RuleCase& c : kRuleCases) {
    SCOPED_TRACE(std::string(c.tool) + " " + c.field1 + " item " + std::to_string(c.item));
    const ToolInfo& tool = Tool(c.tool);
    Dialog* palette = Open(tool);
    ASSERT_TRUE(palette);
    const PaletteBinding& b = tool.palette->binding;
    WriteIntField(Record(tool), b.FieldNamed(c.field1)->field, c.value1);
    if (c.field2) WriteIntField(Record(tool), b.FieldNamed(c.field2)->field, c.value2);
    RefreshToolPalette(gGlobals->ToolPalette, Record(tool));
    EXPECT_EQ(c.visible, palette->GetItem(c.item)->visible);
    EXPECT_EQ(c.enabled, palette->GetItem(c.item)->enabled);
  }
}

TEST_F(PaletteTest, DynamicDisablesTheSteppedTraceModesAndKeepsTheChosenOne) {
  for (const char* name : {"Craft", "Broom"}) {
    SCOPED_TRACE(name);
    const ToolInfo& tool = Tool(name);
    Dialog* palette = Open(tool);
    const PaletteBinding& b = tool.palette->binding;
    const PaletteField& mode = *b.FieldNamed("trace-mode");
    WriteIntField(Record(tool), b.FieldNamed("trace")->field, 1);
    WriteIntField(Record(tool), mode.field, 2);
    RefreshToolPalette(gGlobals->ToolPalette, Record(tool));
    // The user picks Dynamic: the stepped entries go grey at once.
    ASSERT_EQ("", Act("press 2"));
    const host::adm::List& list = *palette->GetItem(mode.item)->list();
    EXPECT_TRUE(list.At(0)->enabled);
    for (int32_t i = 1; i <= 6; ++i) EXPECT_FALSE(list.At(i)->enabled) << i;
    EXPECT_EQ(2, list.IndexOf(*list.Active()));
    EXPECT_NE("", Act("choose " + std::to_string(mode.item) + "=4"));
    ASSERT_EQ("", Act("press 3"));  // Pinch offers them again
    EXPECT_TRUE(list.At(4)->enabled);
  }
}

// The Last Setting entry as the destroyed palette wrote it.
std::string LastSettingEntry(const std::filesystem::path& settings, const char* file) {
  const std::string all = ReadFile(settings / "VERSALiX4 User Settings" / file);
  const size_t at = all.find("$\tLast Setting");
  return at == std::string::npos ? "" : all.substr(at, all.find("$\t", at + 2) - at);
}

TEST_F(PaletteTest, TheLastSettingSurvivesAReloadOfThePlugIn) {
  const ToolInfo& warp = Tool("Warp");
  Dialog* palette = Open(warp);
  ASSERT_TRUE(palette);
  ASSERT_EQ("", Act("press 8"));    // shape 7
  ASSERT_EQ("", Act("set 24=100"));  // margin 100 %
  ASSERT_EQ("", Act("press 28"));    // Trace
  UseTool("Wave");                   // Warp's palette is destroyed
  EXPECT_EQ("$\tLast Setting\r\nA\t7\r\nB\t1.000000\r\nC\t0\r\nD\t1\r\nE\t1\r\n"
            "F\t10.000000\r\nG\t24.000000\r\n",
            LastSettingEntry(options_.settingsDir, warp.presetKind->fileName));
  ExpectCleanShutdown();
  host_.reset();
  ASSERT_EQ(0, StartHost());
  palette = Open(warp);
  ASSERT_TRUE(palette);
  EXPECT_TRUE(palette->GetItem(8)->BooleanValue());
  EXPECT_FLOAT_EQ(100.0f, float(palette->GetItem(res::WarpToolPalette::kMargin)->Value()));
  EXPECT_TRUE(palette->GetItem(res::WarpToolPalette::kTraceMode)->enabled);
}

TEST_F(PaletteTest, ChoosingAPresetRefreshesTheItems) {
  const ToolInfo& lens = Tool("Lens");
  Dialog* palette = Open(lens);
  ASSERT_TRUE(palette);
  LensToolParams preset = kLensToolFactoryParams;
  std::strcpy(preset.name, "-Twirl");
  preset.lensType = 2;
  preset.cycle = 5;
  preset.area = {40.0f, 60.0f};
  ASSERT_EQ(0, AppendPreset(lens.presetKind->fileName, &preset));
  UseTool("Warp");
  palette = Open(lens);  // the menu lists the new preset, minus fixed
  const host::adm::List& menu = *palette->GetItem(kADMMenuItemID)->list();
  ASSERT_EQ(" -Twirl", menu.At(4)->text);
  ASSERT_EQ("", Act("choose menu=4"));
  const auto& record = *reinterpret_cast<LensToolParams*>(Record(lens));
  EXPECT_EQ(2, record.lensType);
  EXPECT_EQ(5, record.cycle);
  EXPECT_TRUE(palette->GetItem(res::LensToolPalette::kTwirl)->BooleanValue());
  EXPECT_TRUE(palette->GetItem(res::LensToolPalette::kCycle)->visible);
  EXPECT_EQ(5.0, palette->GetItem(res::LensToolPalette::kCycle)->Value());
  EXPECT_EQ(60.0, palette->GetItem(res::LensToolPalette::kAreaHeight)->Value());
  EXPECT_FALSE(palette->GetItem(res::LensToolPalette::kThickness)->visible);
}

// Counts the modal dialogs shown (the error dialog) and closes them.
struct ModalCounter : host::adm::UserAgent {
  int shown = 0;
  void RunModal(host::adm::DialogDriver&) override { ++shown; }
};

TEST_F(PaletteTest, AllocationFailuresWhileMakingAPaletteAreShownAndLeaveNoBlock) {
  UseTool("AlignPoints");  // the suites held, no palette
  ModalCounter errors;
  host().dialogs().SetAgent(&errors);
  for (const char* name : {"Warp", "MetaBrush"}) {
    SCOPED_TRACE(name);
    const ToolInfo& tool = Tool(name);
    AllocationSweep sweep;
    sweep.prepare = [&] {
      alerts_.clear();
      errors.shown = 0;
    };
    sweep.run = [&]() -> ASErr {
      // What Select does: the palette from the row's template.
      ADMDialogRef& made = gGlobals->ToolPalette;
      made = sADMDialog->Create(host().pluginRef(), "", tool.paletteTemplate,
                                kADMTabbedFloatingDialogStyle, tool.paletteInit, nullptr, 0);
      if (made) {
        sADMDialog->Show(made, true);
        sADMDialog->Destroy(made);
      }
      const bool shown = made != nullptr;
      made = nullptr;
      FreeToolRecords();
      return shown ? kNoErr : kOutOfMemoryErr;
    };
    sweep.check = [&](ASErr result, long n, bool failed) {
      // A failed allocation either keeps the palette from being made or
      // leaves it working with factory values; the user is told either way.
      EXPECT_EQ(failed, !alerts_.empty() || errors.shown > 0) << n;
      if (result) {
        EXPECT_EQ(1, errors.shown) << n;  // no palette: the error dialog
      }
      if (!failed) {
        EXPECT_EQ(kNoErr, result);
      }
    };
    EXPECT_GT(SweepAllocationFailures(host(), sweep), 3);
  }
  host().dialogs().SetAgent(nullptr);
}

}  // namespace
}  // namespace vx::test
