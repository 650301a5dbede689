// The headless dialog manager over a fake plug-in's templates: init, the
// agent's actions reaching the notify and track procedures, EndModal, the
// default and cancel buttons, palettes, lists from menus, strings, icons,
// alerts and stale references.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "host/adm/colour_text.h"
#include "host/adm/dialog_manager.h"
#include "host/adm/user_agent.h"
#include "host/core/user_interaction.h"
#include "support/fake_suite.h"
#include "support/function_agent.h"
#include "support/scratch_folder.h"

namespace vx::host::adm {
namespace {

using test::FakePlugin;
using test::Script;

// The suites as the plug-in holds them, and what its procedures saw.
const ADMDialogSuite* sDialog;
const ADMItemSuite* sItem;
const ADMListSuite* sList;
const ADMEntrySuite* sEntry;
const ADMNotifierSuite* sNotifier;
const ADMTrackerSuite* sTracker;
const ADMDrawerSuite* sDrawer;
const ADMBasicSuite* sBasic;
const ADMIconSuite* sIcon;
std::vector<std::string> gLog;
ASErr gInitResult = 0;

// The test dialog (400, tests/data/host_adm/test_dialog.rc), 200 x 120:
// 1 OK, 2 Cancel, 3 edit-real (-100 to 100, two places), 4 checkbox, 5 popup
// of menu 500, 6 user item, 7 and 8 radio buttons (7 on), 9 a disabled button
// 'say "hi"', 10 a list box of menu 500.

void LogNotify(ADMItemRef item, ADMNotifierRef notifier) {
  char type[64];
  sNotifier->GetNotifierType(notifier, type, sizeof type);
  std::ostringstream line;
  line << "notify " << sItem->GetID(item);
  if (std::strcmp(type, kADMUserChangedNotifier) != 0) line << " " << type;
  line << " " << std::to_string(sItem->GetFloatValue(item));
  if (ADMListRef list = sItem->GetList(item)) {
    char text[32];
    sEntry->GetText(sList->GetActiveEntry(list), text, sizeof text);
    line << " " << text;
  }
  gLog.push_back(line.str());
}

ASBoolean LogTrack(ADMItemRef, ADMTrackerRef tracker) {
  ASPoint p;
  sTracker->GetPoint(tracker, &p);
  std::ostringstream line;
  line << "track " << sTracker->GetAction(tracker) << " " << p.h << "," << p.v
       << " mods " << sTracker->GetModifiers(tracker);
  gLog.push_back(line.str());
  return 1;
}

void XorCross(ADMItemRef, ADMDrawerRef drawer) {
  gLog.push_back("draw 6");
  ASRect b;
  sDrawer->GetBoundsRect(drawer, &b);
  sDrawer->SetDrawMode(drawer, kADMXORMode);
  sDrawer->SetRGBColor(drawer, 0xFFFFFF);
  ASPoint a{0, 0}, c{b.right, b.bottom};
  sDrawer->DrawLine(drawer, &a, &c);
}

void LogDestroy(ADMDialogRef) { gLog.push_back("destroy"); }

void LogDialogNotify(ADMDialogRef, ADMNotifierRef notifier) {
  char type[64];
  sNotifier->GetNotifierType(notifier, type, sizeof type);
  std::string line = "dialog ";
  line += type;
  gLog.push_back(line);
}

ASErr Init(ADMDialogRef dialog) {
  std::string line = "init ";
  line += sDialog->GetDialogName(dialog);
  gLog.push_back(line);
  sDialog->SetDestroyProc(dialog, LogDestroy);
  for (int id : {3, 4, 5, 6, 8}) sItem->SetNotifyProc(sDialog->GetItem(dialog, id), LogNotify);
  ADMItemRef user = sDialog->GetItem(dialog, 6);
  sItem->SetTrackProc(user, LogTrack);
  sItem->SetDrawProc(user, XorCross);
  sItem->SetFloatValue(sDialog->GetItem(dialog, 3), 12.345f);
  return gInitResult;
}

void EndWithSeven(ADMItemRef item, ADMNotifierRef) {
  sDialog->EndModal(sItem->GetDialog(item), 7, 0);
}
ASErr InitEndsWithSeven(ADMDialogRef dialog) {
  sItem->SetNotifyProc(sDialog->GetItem(dialog, 1), EndWithSeven);
  return kNoErr;
}

class DialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    FakePlugin::Reset();
    FakePlugin::AddResource(kVxDialogResource, 400,
                            test::ReadFile(std::string(VX_TEST_DATA_DIR) + "/host_adm/test_dialog.rc"));
    FakePlugin::AddResource(kVxMenuResource, 500, "One\n-\nThree");
    FakePlugin::AddResource(kVxStringResource, 1001, "Hello");
    FakePlugin::AddResource(kVxIconResource, 600, "2 2\nk.\n.k");
    FakePlugin::AddResource(kVxIconResource, 601, "0 0");
    host_ = FakePlugin::MakeHost();
    self_ = host_->pluginRef();
    sDialog = VX_FAKE_SUITE(ADMDialogSuite);
    sItem = VX_FAKE_SUITE(ADMItemSuite);
    sList = VX_FAKE_SUITE(ADMListSuite);
    sEntry = VX_FAKE_SUITE(ADMEntrySuite);
    sNotifier = VX_FAKE_SUITE(ADMNotifierSuite);
    sTracker = VX_FAKE_SUITE(ADMTrackerSuite);
    sDrawer = VX_FAKE_SUITE(ADMDrawerSuite);
    sBasic = VX_FAKE_SUITE(ADMBasicSuite);
    sIcon = VX_FAKE_SUITE(ADMIconSuite);
    gLog.clear();
    gInitResult = 0;
    host_->dialogs().SetAgent(&agent_);
  }
  void TearDown() override {
    EXPECT_TRUE(host_->dialogs().Dialogs().empty());
    FakePlugin::Reset();
  }
  ScriptedAgent agent_;
  std::unique_ptr<Host> host_;
  SPPluginRef self_ = nullptr;
};

TEST_F(DialogTest, AgentActionsReachTheNotifyAndTrackProcedures) {
  agent_.AddScript("Test Dialog",
                   Script({"set 3=150", "press 4", "choose 5=2", "choose 5=1",
                           "press 8", "drag 6=1,2:5,6 alt", "press 9", "press 1",
                           "press 2"}));
  const int32_t result =
      sDialog->Modal(self_, "Test Dialog", 400, kADMModalDialogStyle, Init, nullptr, 0);
  EXPECT_EQ(1, result);
  const std::vector<std::string> expected = {
      "init Test Dialog",
      "draw 6",                         // painted once it is shown
      "notify 3 100.000000",            // 150 is past the maximum
      "notify 4 1.000000",
      "notify 5 2.000000 Three",
      "notify 8 1.000000",              // the separator (5=1) cannot be chosen
      "track 1 1,2 mods 2048",
      "track 2 5,6 mods 2048",
      "track 3 5,6 mods 2048",
      "notify 6 0.000000",
      "destroy",                        // OK ended it; "press 2" never ran
  };
  EXPECT_EQ(expected, gLog);
  ASSERT_EQ(2u, agent_.failures().size());
  EXPECT_NE(std::string::npos, agent_.failures()[0].find("cannot be chosen"));
  // Named by its label: the host knows no names of its own.
  EXPECT_NE(std::string::npos, agent_.failures()[1].find("\"say \"hi\"\" is disabled"));
}

TEST_F(DialogTest, NothingIsPaintedWhileTheUserLooksAway) {
  struct LookingAway : UserAgent {
    bool watching = false;
    bool Watching() const override { return watching; }
    void RunModal(DialogDriver& driver) override {
      EXPECT_EQ("", driver.Press(4));
      EXPECT_EQ(0, driver.dialog().paints);
      watching = true;
      driver.dialog().manager().PaintVisible();
      EXPECT_EQ(1, driver.dialog().paints);
      EXPECT_EQ("", driver.Press(1));
    }
  } away;
  host_->dialogs().SetAgent(&away);
  sDialog->Modal(self_, "Test Dialog", 400, kADMModalDialogStyle, Init, nullptr, 0);
  const auto at = [](const char* line) { return std::find(gLog.begin(), gLog.end(), line); };
  ASSERT_NE(gLog.end(), at("draw 6"));
  EXPECT_LT(at("notify 4 1.000000"), at("draw 6"));  // first painted once looked at
  host_->dialogs().SetAgent(&agent_);
}

TEST_F(DialogTest, ItemStateFollowsTheTemplateAndTheSuites) {
  auto init = [](ADMDialogRef d) -> ASErr {
    char text[64];
    ADMItemRef e = sDialog->GetItem(d, 3);
    sItem->SetFloatValue(e, 12.345f);
    sItem->GetText(e, text, sizeof text);
    EXPECT_STREQ("12.35", text);  // written with its precision
    EXPECT_EQ(12, sItem->GetIntValue(e));
    sItem->GetText(sDialog->GetItem(d, 9), text, sizeof text);
    EXPECT_STREQ("say \"hi\"", text);
    sItem->SetBooleanValue(sDialog->GetItem(d, 8), 1);  // turns 7 off
    EXPECT_EQ(0, sItem->GetBooleanValue(sDialog->GetItem(d, 7)));
    EXPECT_EQ(1, sItem->GetBooleanValue(sDialog->GetItem(d, 8)));
    EXPECT_EQ(3, sList->NumberOfEntries(sItem->GetList(sDialog->GetItem(d, 5))));
    gLog.push_back("init ran");
    return kNoErr;
  };
  EXPECT_EQ(1, sDialog->Modal(self_, "", 400, 0, init, nullptr, 0));
  EXPECT_EQ(std::vector<std::string>{"init ran"}, gLog);
  EXPECT_EQ(std::vector<std::string>{"#400"}, agent_.seen());
}

TEST_F(DialogTest, DefaultButtonCancelAndInitFailure) {
  // No script: the default button is pressed.
  EXPECT_EQ(1, sDialog->Modal(self_, "Test Dialog", 400, 0, Init, nullptr, 0));
  // The plug-in's own handler of OK decides the result.
  EXPECT_EQ(7, sDialog->Modal(self_, "x", 400, 0, InitEndsWithSeven, nullptr, 0));
  // An agent that walks away cancels the dialog.
  agent_.AddScript("Test Dialog", Script({"press 4"}));
  gLog.clear();
  EXPECT_EQ(2, sDialog->Modal(self_, "Test Dialog", 400, 0, Init, nullptr, 0));
  EXPECT_EQ("destroy", gLog.back());
  // A failing init: -1, and the destroy procedure still runs.
  gLog.clear();
  gInitResult = kOutOfMemoryErr;
  EXPECT_EQ(-1, sDialog->Modal(self_, "Test Dialog", 400, 0, Init, nullptr, 0));
  EXPECT_EQ((std::vector<std::string>{"init Test Dialog", "destroy"}), gLog);
  // No such template.
  EXPECT_EQ(-1, sDialog->Modal(self_, "y", 401, 0, nullptr, nullptr, 0));
}

TEST_F(DialogTest, PalettesAreCreatedHiddenAndDrivenBetweenMessages) {
  auto init = [](ADMDialogRef d) -> ASErr {
    sDialog->SetNotifyProc(d, LogDialogNotify);
    sDialog->SetDestroyProc(d, LogDestroy);
    ADMItemRef menu = sDialog->GetItem(d, kADMMenuItemID);
    sList->SetMenuID(sItem->GetList(menu), 500);
    sItem->SetNotifyProc(menu, LogNotify);
    return kNoErr;
  };
  ADMDialogRef palette =
      sDialog->Create(self_, "QVR-VsX4LiveBorder", 400, kADMTabbedFloatingDialogStyle,
                      init, nullptr, 0);
  ASSERT_NE(nullptr, palette);
  EXPECT_FALSE(sDialog->IsVisible(palette));
  Dialog* dialog = host_->dialogs().DialogNamed("QVR-VsX4LiveBorder");
  ASSERT_NE(nullptr, dialog);
  DialogDriver driver(host_->dialogs(), *dialog);
  EXPECT_EQ("the dialog is hidden", driver.Press(4));
  sDialog->Show(palette, 1);
  sDialog->Move(palette, 84, 59);
  ASRect b;
  sDialog->GetBoundsRect(palette, &b);
  EXPECT_EQ(84, b.left);
  EXPECT_EQ(59 + 120, b.bottom);
  EXPECT_EQ("", driver.Choose(kADMMenuItemID, 2));
  EXPECT_EQ("", driver.Close());
  EXPECT_FALSE(sDialog->IsVisible(palette));
  sDialog->Destroy(palette);
  const std::vector<std::string> expected = {
      "dialog ADM Show Window Notifier", "dialog ADM Bounds Changed Notifier",
      "notify -2 2.000000 Three",        "dialog ADM Close Hit Notifier",
      "dialog ADM Hide Window Notifier", "destroy"};
  EXPECT_EQ(expected, gLog);
  // References to a destroyed palette are refused, not followed.
  EXPECT_EQ(nullptr, sDialog->GetItem(palette, 1));
  EXPECT_FALSE(sDialog->IsVisible(palette));
}

TEST_F(DialogTest, DrawProceduresPaintTheDialogRaster) {
  // A palette's raster can be read after the procedures ran.
  ADMDialogRef palette = sDialog->Create(self_, "p", 400, 3, Init, nullptr, 0);
  ASSERT_NE(nullptr, palette);
  sDialog->Show(palette, 1);
  Dialog* d = host_->dialogs().DialogNamed("p");
  ASSERT_NE(nullptr, d);
  const Raster& r = d->raster();
  // The user item (100,40)-(140,80) has the XOR diagonal of XorCross.
  const Rgba bg = Drawer::kBackground;
  EXPECT_EQ((Rgba{uint8_t(bg.r ^ 255), uint8_t(bg.g ^ 255), uint8_t(bg.b ^ 255), 255}),
            r.Get(100, 40));
  EXPECT_EQ(bg, r.Get(101, 40));
  // An invalidated item is painted again at the next update, over a cleared area.
  sItem->Invalidate(sDialog->GetItem(palette, 6));
  sDialog->Update(palette);
  EXPECT_EQ((Rgba{uint8_t(bg.r ^ 255), uint8_t(bg.g ^ 255), uint8_t(bg.b ^ 255), 255}),
            r.Get(120, 60));
  sDialog->Destroy(palette);
}

TEST_F(DialogTest, StringsMenusIconsAndAlerts) {
  for (auto [index, size, expected] : {std::tuple{1, 16, "Hello"}, {2, 16, ""}, {1, 3, "He"}}) {
    char text[16] = "junk";
    EXPECT_EQ(0, sBasic->GetIndexString(self_, 1000, index, text, size));
    EXPECT_STREQ(expected, text);
  }

  std::vector<ADMIconRef> icons;  // a picture, an empty one, none
  for (int32_t id : {600, 601, 602}) icons.push_back(sIcon->GetFromResource(self_, id, 0));
  EXPECT_EQ((std::vector<int32_t>{kADMIconBitmap, kADMUnknownIconType, kADMUnknownIconType}),
            (std::vector<int32_t>{sIcon->GetType(icons[0]), sIcon->GetType(icons[1]), sIcon->GetType(icons[2])}));
  sIcon->Destroy(icons[0]);
  EXPECT_EQ(2u, host_->dialogs().LiveIcons());

  std::vector<std::string> printed;
  host_->dialogs().onAlert = [&](const Alert& a) { printed.push_back(a.text); };
  sBasic->ErrorAlert("Preset File Error!");
  sBasic->MessageAlert("The maximum number is exceeded.");
  agent_.AddYesNoAnswer(false);
  EXPECT_EQ(0, sBasic->YesNoAlert("Delete?"));
  EXPECT_EQ(1, sBasic->YesNoAlert("Again?"));
  const auto& alerts = host_->dialogs().alerts();
  ASSERT_EQ(4u, alerts.size());
  EXPECT_EQ(Alert::Kind::Error, alerts[0].kind);
  EXPECT_EQ("The maximum number is exceeded.", alerts[1].text);
  EXPECT_FALSE(alerts[2].answer);
  EXPECT_EQ(4u, printed.size());

  char path[64];
  agent_.AddFolderAnswer("/tmp/presets");
  EXPECT_EQ(0, sBasic->ChooseFolder("Select the folder including the files.", path, 64));
  EXPECT_STREQ("/tmp/presets", path);
  EXPECT_EQ(kCanceledErr, sBasic->ChooseFolder("again", path, 64));
  sBasic->Beep();
  EXPECT_EQ(1, host_->user().beeps());
}

// A swatch: a press opens the colour picker on black and logs the answer.
ASBoolean PickOnPress(ADMItemRef, ADMTrackerRef tracker) {
  if (sTracker->GetAction(tracker) != kADMMouseDownAction) return 1;
  AIColor black{}, chosen{};
  black.kind = kGrayColor;
  black.c.g.gray = 1;
  const ASErr err = sBasic->ChooseColor("End Colour", &black, &chosen);
  gLog.push_back(err ? "cancelled" : "picked " + FormatColourText(chosen));
  return 1;
}

TEST(ColourText, TheThreeFormsAndTheirMistakes) {
  struct Row { const char* text; const char* formatted; };  // null: refused
  const Row rows[] = {
      {"#ff8000", "#ff8000"}, {"#FFffFF", "#ffffff"}, {"cmyk(0,50,100,25)", "cmyk(0,50,100,25)"},
      {"cmyk( 10 , 0,0,0)", "cmyk(10,0,0,0)"}, {"gray(40)", "gray(40)"},
      {"#ff80", nullptr}, {"#gg8000", nullptr}, {"cmyk(0,0,0)", nullptr},
      {"gray(101)", nullptr}, {"gray(-1)", nullptr}, {"rgb(1,2,3)", nullptr}, {"", nullptr},
  };
  for (const Row& r : rows) {
    std::string error;
    auto colour = ParseColourText(r.text, &error);
    ASSERT_EQ(r.formatted != nullptr, colour.has_value()) << r.text;
    if (colour) EXPECT_EQ(r.formatted, FormatColourText(*colour));
    else EXPECT_NE(std::string::npos, error.find(r.text)) << error;
  }
  EXPECT_FLOAT_EQ(0.5f, ParseColourText("cmyk(0,50,100,25)", nullptr)->c.f.magenta);
}

TEST_F(DialogTest, TheColourPickerTakesTheAgentsAnswerOrTheActionsColour) {
  AIColor chosen{};
  AIColor red{};
  red.kind = kThreeColor;
  red.c.rgb = {1, 0, 0};
  agent_.AddColourAnswer(red);
  EXPECT_EQ(0, sBasic->ChooseColor("End Colour", nullptr, &chosen));
  EXPECT_EQ("#ff0000", FormatColourText(chosen));
  EXPECT_EQ(kCanceledErr, sBasic->ChooseColor("End Colour", &red, &chosen));
  EXPECT_EQ(kSPBadParameterError, sBasic->ChooseColor("End Colour", &red, nullptr));

  auto init = [](ADMDialogRef d) -> ASErr {
    sItem->SetTrackProc(sDialog->GetItem(d, 6), PickOnPress);
    return kNoErr;
  };
  agent_.AddScript("swatch", Script({"colour 6=cmyk(0,0,0,100)", "colour 4=#000000",
                                     "press 6", "press 1"}));
  EXPECT_EQ(1, sDialog->Modal(self_, "swatch", 400, 0, init, nullptr, 0));
  const std::vector<std::string> expected = {"picked cmyk(0,0,0,100)", "cancelled"};
  EXPECT_EQ(expected, gLog);
  ASSERT_EQ(1u, agent_.failures().size());
  EXPECT_NE(std::string::npos, agent_.failures()[0].find("opens no colour picker"));
  std::string error;
  EXPECT_FALSE(ParseAgentAction("colour 6=blue", &error));
}

void LogSelection(ADMItemRef item, ADMNotifierRef) {
  ADMListRef list = sItem->GetList(item);
  std::string line = "selected";
  for (int32_t i = 0; i < sList->NumberOfEntries(list); ++i)
    if (sEntry->IsSelected(sList->IndexEntry(list, i))) line += " " + std::to_string(i);
  gLog.push_back(line);
}

TEST_F(DialogTest, ListBoxRowsAreClickedAndDragged) {
  auto init = [](ADMDialogRef d) -> ASErr {
    sItem->SetNotifyProc(sDialog->GetItem(d, 10), LogSelection);
    return kNoErr;
  };
  // Rows are 10 pixels below a 2-pixel margin: y 25 is the third row.
  agent_.AddScript("lists", Script({"drag 10=5,3", "choose 10=2 ctrl", "drag 10=5,25",
                                    "drag 10=5,15", "choose 10=1", "press 1"}));
  EXPECT_EQ(1, sDialog->Modal(self_, "lists", 400, 0, init, nullptr, 0));
  const std::vector<std::string> expected = {"selected 0", "selected 0 2", "selected 2",
                                             "selected 2"};  // row 1 is a separator
  EXPECT_EQ(expected, gLog);
  EXPECT_EQ(1u, agent_.failures().size());
}

TEST(AgentActions, ParseTheScriptForm) {
  struct Case {
    const char* text;
    bool ok;
    AgentAction::Kind kind;
    int32_t item;
    uint32_t modifiers;
  };
  const Case cases[] = {
      {"set 7=50", true, AgentAction::Kind::SetValue, 7, 0},
      {"set 7=-0.5", true, AgentAction::Kind::SetValue, 7, 0},
      {"text 2=Preset #1 x", true, AgentAction::Kind::SetText, 2, 0},
      {"press 1", true, AgentAction::Kind::Press, 1, 0},
      {"press 4 alt shift", true, AgentAction::Kind::Press, 4, 0x0A00},
      {"choose menu=4 alt", true, AgentAction::Kind::Choose, kADMMenuItemID, 0x0800},
      {"drag 16=0,0:10,-3 ctrl", true, AgentAction::Kind::Drag, 16, 0x0100},
      {"close", true, AgentAction::Kind::Close, 0, 0},
      {"bounds 1,2,3,4", true, AgentAction::Kind::Bounds, 0, 0},
      {"set 7", false, {}, 0, 0},
      {"set x=1", false, {}, 0, 0},
      {"press 1 meta", false, {}, 0, 0},
      {"drag 3=1,2:3", false, {}, 0, 0},
      {"jump 1", false, {}, 0, 0},
  };
  for (const Case& c : cases) {
    std::string error;
    auto a = ParseAgentAction(c.text, &error);
    ASSERT_EQ(c.ok, a.has_value()) << c.text << " " << error;
    if (!a) continue;
    EXPECT_EQ(c.kind, a->kind) << c.text;
    EXPECT_EQ(c.item, a->item) << c.text;
    EXPECT_EQ(c.modifiers, a->modifiers) << c.text;
  }
  auto text = ParseAgentAction("text 2=Preset #1 x", nullptr);
  EXPECT_EQ("Preset #1 x", text->text);
  auto drag = ParseAgentAction("drag 16=0,0:10,-3", nullptr);
  ASSERT_EQ(2u, drag->points.size());
  EXPECT_EQ(-3, drag->points[1].v);
}

}  // namespace
}  // namespace vx::host::adm
