// The preset menu and the preset manager over the headless dialog manager:
// what the user sees in the menu and what reaches the file.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "effects/border.h"
#include "generated/resource_ids.h"
#include "host/adm/dialog_manager.h"
#include "host/adm/user_agent.h"
#include "presets/preset_fixture.h"
#include "presets/preset_menu.h"
#include "presets/preset_store.h"
#include "shell/suites.h"
#include "support/allocation_sweep.h"
#include "support/function_agent.h"

namespace vx::test {
namespace {

namespace fs = std::filesystem;
using host::adm::ItemAction;
using host::adm::ScriptedAgent;
constexpr const char* kBorderFile = "VERSALiX4_PST_Border.txt";

// The scripted agent's key of a dialog: its template id.
std::string DialogKey(int32_t id) { return "#" + std::to_string(id); }

int gRefreshes = 0;
std::vector<ASErr> gReported;
void CountRefresh(ADMDialogRef, void*) { ++gRefreshes; }
void Report(SPPluginRef, ASErr code) { gReported.push_back(code); }

class PresetMenu : public PresetTest {
 protected:
  void SetUp() override {
    PresetTest::SetUp();
    host().dialogs().SetAgent(&agent_);
    gRefreshes = 0;
    gReported.clear();
    UseFile(kBorderFile);
    InstallFactoryCopy();
    palette_ = MakePalette(res::kDeletePresets);
    owner_ = PresetMenuOwner{host().pluginRef(), palette_, kADMMenuItemID,
                             &record_, kBorderFile, CountRefresh, nullptr,
                             Report};
  }
  void TearDown() override {
    EXPECT_TRUE(agent_.failures().empty())
        << (agent_.failures().empty() ? "" : agent_.failures().front());
    host().dialogs().SetAgent(nullptr);
    PresetTest::TearDown();
  }
  void AddPresets(int count, const char* prefix = "P") {
    for (int i = 0; i < count; ++i) {
      BorderPGParams p = kBorderFactoryParams;
      std::snprintf(p.name, sizeof p.name, "%s%d", prefix, i);
      p.steps = 100 + i;
      ASSERT_EQ(kNoErr, AppendPreset(file(), &p));
    }
  }
  ADMListRef menu() {
    return sADMItem->GetList(sADMDialog->GetItem(palette_, kADMMenuItemID));
  }
  // A script for the manager (closed at its end) or for another dialog.
  void Manager(std::vector<std::string> lines) {
    lines.push_back(ItemAction("press", res::PresetManager::kClose));
    Answer(res::kPresetManager, lines);
  }
  void Answer(int32_t dialog, const std::vector<std::string>& lines) {
    agent_.AddScript(DialogKey(dialog), Script(lines));
  }
  static std::string Pick(const char* row) {
    return ItemAction("choose", res::PresetManager::kList, std::string("=") + row);
  }
  std::vector<std::string> Alerts() {
    std::vector<std::string> texts;
    for (const auto& a : host().dialogs().alerts()) texts.push_back(a.text);
    return texts;
  }

  ScriptedAgent agent_;
  ADMDialogRef palette_ = nullptr;
  BorderPGParams record_ = kBorderFactoryParams;
  PresetMenuOwner owner_{};
};

TEST_F(PresetMenu, ShowsFixedItemsAroundThePresetsAndAppliesThem) {
  AddPresets(2);
  // A name beginning with "-" gets a space in the menu only; the longest
  // such name loses its last character to it.
  for (const std::string& name : {std::string("-dash"), "-" + std::string(62, 'x')}) {
    BorderPGParams dash = kBorderFactoryParams;
    std::strcpy(dash.name, name.c_str());
    ASSERT_EQ(kNoErr, AppendPreset(file(), &dash));
  }
  ASSERT_EQ(kNoErr, FillPresetMenu(owner_));
  EXPECT_EQ((std::vector<std::string>{"Default Settings", "-", "Edit...", "-", "P0", "P1",
                                      " -dash", " -" + std::string(61, 'x'), "-",
                                      "About this plug-in..."}),
            ListTexts(menu()));
  EXPECT_EQ(6, sADMEntry->GetID(sADMList->IndexEntry(menu(), 6)));
  EXPECT_EQ("-dash", PresetNames(currentPath())[2]);
  // The manager's list shows the names as they are, with ids from 0.
  ADMListRef list = sADMItem->GetList(
      sADMDialog->GetItem(MakePalette(res::kPresetImport), res::PresetImport::kList));
  ASSERT_EQ(kNoErr, FillPresetList(list, currentPath().c_str(), false));
  EXPECT_EQ((std::vector<std::string>{"P0", "P1", "-dash", "-" + std::string(62, 'x')}),
            ListTexts(list));
  EXPECT_EQ(3, sADMEntry->GetID(sADMList->IndexEntry(list, 3)));
  // Choosing applies the defaults and the presets.
  record_.steps = 1;
  ASSERT_EQ(kNoErr, ChoosePresetMenuEntry(owner_, 5, false));
  EXPECT_EQ(101, record_.steps);
  ASSERT_EQ(kNoErr, ChoosePresetMenuEntry(owner_, 0, true));
  EXPECT_EQ(3, record_.steps);
  EXPECT_EQ(2, gRefreshes);
  EXPECT_TRUE(host().dialogs().alerts().empty());
  AddPresets(1, "Q");
  ASSERT_EQ(kNoErr, RefreshPresetMenu(owner_));
  EXPECT_EQ(11u, ListTexts(menu()).size());
  EXPECT_EQ("Q0", ListTexts(menu())[8]);
  // A store failure shows the preset file error.
  fs::remove(currentPath());
  EXPECT_EQ(kCantOpenFileErr, ChoosePresetMenuEntry(owner_, 4, false));
  EXPECT_EQ((std::vector<std::string>{"Preset File Error!"}), Alerts());
}

// New, update (Alt + click) and delete in the manager, and update by an Alt
// choice in the menu: the file's presets, the record stored, and the menu
// listing them, nothing applied; an empty name cannot be confirmed (the
// dialog manager refuses "press" on the disabled OK), Cancel changes nothing.
TEST_F(PresetMenu, ManagerEditsReachTheFileAndTheMenu) {
  const struct {
    const char* what;
    int presets;
    int menuEntry;  // chosen in the menu (2: "Edit..."; a preset with Alt), -1: the manager
    std::vector<std::string> manager;
    int32_t dialog;
    std::vector<std::string> answer;
    std::vector<std::string> names;
    PresetIndex stored;  // the preset holding `steps` (-9: none)
    int steps = 77;      // the record's steps when the script runs
    size_t refused = 0;  // agent actions the dialog manager refused
  } rows[] = {
      {"new", 2, 2, {ItemAction("press", res::PresetManager::kNew)}, res::kNewPreset,
       {ItemAction("text", res::NewPreset::kName, "=Mine"), ItemAction("press", res::NewPreset::kOk)},
       {"P0", "P1", "Mine"}, 2},
      {"update", 2, -1, {Pick("1 alt")}, res::kUpdatePreset,
       {ItemAction("text", res::UpdatePreset::kName, "=Updated"),
        ItemAction("press", res::UpdatePreset::kOk)},
       {"P0", "Updated"}, 1},
      {"alt choice", 1, 4, {}, res::kUpdatePreset,
       {ItemAction("text", res::UpdatePreset::kName, "=-renamed"),
        ItemAction("press", res::UpdatePreset::kOk)},
       {"-renamed"}, 0},
      {"alt choice cancelled", 1, 4, {}, res::kUpdatePreset,
       {ItemAction("text", res::UpdatePreset::kName, "=other"),
        ItemAction("press", res::UpdatePreset::kCancel)},
       {"P0"}, 0, 100},
      {"delete", 4, -1,
       {Pick("0"), Pick("2 shift"), ItemAction("press", res::PresetManager::kDelete)},
       res::kDeletePresets, {ItemAction("press", res::DeletePresets::kOk)}, {"P1", "P3"}, -9},
      {"empty name", 0, -1, {ItemAction("press", res::PresetManager::kNew)}, res::kNewPreset,
       {ItemAction("text", res::NewPreset::kName, "="), ItemAction("press", res::NewPreset::kOk),
        ItemAction("press", res::NewPreset::kCancel)}, {}, -9, 77, 1},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.what);
    WriteFile(currentPath(), ReadFile(FactoryFolder() / kBorderFile));
    AddPresets(r.presets);
    ASSERT_EQ(kNoErr, FillPresetMenu(owner_));
    record_.steps = 77;
    if (!r.manager.empty()) Manager(r.manager);
    Answer(r.dialog, r.answer);
    ASSERT_EQ(kNoErr, r.menuEntry >= 0 ? ChoosePresetMenuEntry(owner_, r.menuEntry, r.menuEntry > 3)
                                       : RunPresetManager(owner_));
    EXPECT_EQ(r.names, PresetNames(currentPath()));
    EXPECT_EQ(0, gRefreshes);
    ASSERT_EQ(r.refused, agent_.failures().size());
    const_cast<std::vector<std::string>&>(agent_.failures()).clear();
    std::vector<std::string> menuTexts = {"Default Settings", "-", "Edit...", "-"};
    for (const std::string& name : r.names) menuTexts.push_back((name[0] == '-' ? " " : "") + name);
    menuTexts.insert(menuTexts.end(), {"-", "About this plug-in..."});
    EXPECT_EQ(menuTexts, ListTexts(menu()));
    if (r.stored == -9) continue;
    BorderPGParams loaded = kBorderFactoryParams;
    ASSERT_EQ(kNoErr, LoadPreset(file(), &loaded, r.stored));
    EXPECT_EQ(r.steps, loaded.steps);
  }
}

TEST_F(PresetMenu, ManagerSurvivesEveryAllocationFailure) {
  AddPresets(3);
  ASSERT_EQ(kNoErr, FillPresetMenu(owner_));
  const std::string before = ReadFile(currentPath());
  SweepAllocationFailures(host(), {
      .prepare = [&] {
        WriteFile(currentPath(), before);
        ASSERT_EQ(kNoErr, RefreshPresetMenu(owner_));
        host().dialogs().ClearAlerts();
        Manager({Pick("1"), ItemAction("press", res::PresetManager::kDelete)});
        Answer(res::kDeletePresets, {ItemAction("press", res::DeletePresets::kOk)});
      },
      .run = [&] { return RunPresetManager(owner_); },
      .check = [&](ASErr err, long, bool failed) {
        if (!failed) {
          EXPECT_EQ(kNoErr, err);
          EXPECT_EQ((std::vector<std::string>{"P0", "P2"}), PresetNames(currentPath()));
          return;
        }
        // The list could not be filled, or the delete failed and said so.
        if (err) EXPECT_EQ(kOutOfMemoryErr, err);
        else EXPECT_EQ((std::vector<std::string>{"Preset File Error!"}), Alerts());
        EXPECT_EQ(before, ReadFile(currentPath()));
      },
      .cap = 20});
}

TEST_F(PresetMenu, ImportingFiveIntoThreeFreePlaces) {
  // The user file holds 1,021 presets; another folder holds five.
  std::string bytes = ReadFile(currentPath());
  for (int i = 0; i < 1021; ++i)
    bytes += "$\tU" + std::to_string(i) + "\r\nD\t1\r\n";
  WriteFile(currentPath(), bytes);
  const fs::path other = settingsRoot_ / "elsewhere";
  fs::create_directories(other);
  fs::copy_file(FactoryFolder() / kBorderFile, other / kBorderFile);
  std::string source = ReadFile(other / kBorderFile);
  for (int i = 0; i < 5; ++i)
    source += "$\tI" + std::to_string(i) + "\r\nD\t" + std::to_string(i) + "\r\n";
  WriteFile(other / kBorderFile, source);

  agent_.AddFolderAnswer(other.string());
  Manager({ItemAction("press", res::PresetManager::kImport)});
  std::vector<std::string> picks = {ItemAction("choose", res::PresetImport::kList, "=0")};
  for (int i = 1; i < 5; ++i)  // all five
    picks.push_back(ItemAction("choose", res::PresetImport::kList, "=" + std::to_string(i) + " shift"));
  picks.push_back(ItemAction("press", res::PresetImport::kOk));
  Answer(res::kPresetImport, picks);
  ASSERT_EQ(kNoErr, RunPresetManager(owner_));
  EXPECT_EQ((std::vector<std::string>{"Some are not able to be imported."}),
            Alerts());
  auto names = PresetNames(currentPath());
  ASSERT_EQ(1024u, names.size());
  EXPECT_EQ("I0", names[1021]);
  EXPECT_EQ("I2", names[1023]);
  EXPECT_TRUE(gReported.empty());
}

// The folder chooser of import and export: the own folder is refused, a
// folder without a file of the kind too, a cancelled chooser does nothing;
// the user's file stays as it was, and export appends to the other's file.
TEST_F(PresetMenu, ImportAndExportTakeAnotherFolderWithAFileOfTheKind) {
  AddPresets(2);
  const std::string before = ReadFile(currentPath());
  const fs::path other = settingsRoot_ / "target";
  fs::create_directories(other);
  const std::string importing = ItemAction("press", res::PresetManager::kImport);
  const std::string exporting = ItemAction("press", res::PresetManager::kExport);
  const struct {
    const char* what;
    std::optional<std::string> folder;  // the chooser's answer (none: cancelled)
    std::vector<std::string> script;
    std::vector<ASErr> reported;
  } rows[] = {
      {"own folder", userFolder().string(), {importing}, {kSameFileErr}},
      {"no file of the kind", other.string(), {Pick("1"), exporting}, {kExportNotFoundErr}},
      {"cancelled", std::nullopt, {importing, Pick("0"), exporting}, {}},
      {"export", other.string(), {Pick("1"), exporting}, {}},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.what);
    gReported.clear();
    if (r.reported.empty() && r.folder) {
      fs::copy_file(FactoryFolder() / kBorderFile, other / kBorderFile);
    }
    agent_.AddFolderAnswer(r.folder);
    Manager(r.script);
    ASSERT_EQ(kNoErr, RunPresetManager(owner_));
    EXPECT_EQ(r.reported, gReported);
    EXPECT_TRUE(host().dialogs().alerts().empty());
    EXPECT_EQ(before, ReadFile(currentPath()));
    EXPECT_EQ(r.reported.empty() && r.folder, fs::exists(other / kBorderFile));
  }
  EXPECT_EQ((std::vector<std::string>{"P1"}), PresetNames(other / kBorderFile));
}

// A drag in the manager's list: from the middle of a row through points
// given as rows (-1: above the list, 99: below it) to the release.
std::string DragScript(int32_t from, std::vector<int32_t> through) {
  using host::adm::DialogManager;
  auto point = [](int32_t row) {
    const int v = row < 0 ? -3 : row >= 99 ? 195 : DialogManager::ListRowMiddle(row);
    return "20," + std::to_string(v);
  };
  std::string script = ItemAction("drag", res::PresetManager::kList, "=") + point(from);
  for (int32_t row : through) script += ":" + point(row);
  return script;
}

TEST_F(PresetMenu, DraggingAnEntryMovesItInTheFile) {
  struct Case {
    int32_t from;
    std::vector<int32_t> through;
    std::vector<int> order;  // the presets' old positions, in the new order
    bool blocked;            // the rewrite cannot rename the file
  };
  const Case cases[] = {
      {0, {1, 2}, {1, 2, 0, 3}, false},
      {3, {0}, {3, 0, 1, 2}, false},
      {1, {99, 99, 99}, {0, 2, 3, 1}, false},  // leaves below: one step each
      {2, {-1}, {0, 2, 1, 3}, false},          // leaves above: one step
      {2, {2}, {0, 1, 2, 3}, true},            // onto itself: nothing written
      {0, {3}, {0, 1, 2, 3}, true},
  };
  AddPresets(4);
  const std::string original = ReadFile(currentPath());
  std::vector<char> text(kEntryBufferSize);
  std::vector<std::string> entries;  // 0, 1 fixed; 2.. the presets
  for (int32_t k = 0; k < 6; ++k) {
    ASSERT_EQ(kNoErr, ReadEntryText(currentPath().c_str(), k, text.data(), text.size()));
    entries.push_back(text.data());
  }
  const std::string header = original.substr(0, original.find("$\t"));
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "drag from " << c.from);
    WriteFile(currentPath(), original);
    ASSERT_EQ(kNoErr, FillPresetMenu(owner_));
    host().dialogs().ClearAlerts();
    const fs::path blocker = currentPath().string() + "Tmp/inside";
    if (c.blocked) fs::create_directories(blocker);
    Manager({DragScript(c.from, c.through)});
    ASSERT_EQ(kNoErr, RunPresetManager(owner_));
    std::string expected = header + entries[0] + entries[1];
    std::vector<std::string> names;
    for (int i : c.order) {
      expected += entries[size_t(i) + 2];
      names.push_back("P" + std::to_string(i));
    }
    EXPECT_EQ(expected, ReadFile(currentPath()));
    EXPECT_EQ(c.blocked && c.from != c.through.back()
                  ? std::vector<std::string>{"Preset File Error!"}
                  : std::vector<std::string>{},
              Alerts());
    std::vector<std::string> menuNames = ListTexts(menu());
    EXPECT_EQ(names, std::vector<std::string>(menuNames.begin() + 4, menuNames.end() - 2));
    fs::remove_all(currentPath().string() + "Tmp");
  }
}

TEST_F(PresetMenu, DoubleClickAppliesWhileTheManagerStaysOpen) {
  AddPresets(3);
  ASSERT_EQ(kNoErr, FillPresetMenu(owner_));
  const std::string before = ReadFile(currentPath());
  record_.steps = 1;
  // The manager is still open after the double click: New follows.
  Manager({ItemAction("double", res::PresetManager::kList, "=2"),
           ItemAction("press", res::PresetManager::kNew)});
  Answer(res::kNewPreset, {ItemAction("press", res::NewPreset::kCancel)});
  ASSERT_EQ(kNoErr, RunPresetManager(owner_));
  EXPECT_EQ(102, record_.steps);
  EXPECT_EQ(1, gRefreshes);
  EXPECT_EQ((std::vector<std::string>{DialogKey(res::kPresetManager), DialogKey(res::kNewPreset)}),
            agent_.seen());
  EXPECT_EQ(before, ReadFile(currentPath()));
  // A single click only selects.
  Manager({Pick("0"), Pick("0")});
  ASSERT_EQ(kNoErr, RunPresetManager(owner_));
  EXPECT_EQ(102, record_.steps);
}

}  // namespace
}  // namespace vx::test
