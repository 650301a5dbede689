// The help window: topics in the palette and in the modal dialog, the
// Window menu's Help, placement and its preferences, resizing.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "generated/resource_ids.h"
#include "host/adm/dialog.h"
#include "host/adm/dialog_manager.h"
#include "host/adm/user_agent.h"
#include "host/core/messages.h"
#include "host/core/preferences.h"
#include "host/core/registrations.h"
#include "shell/globals.h"
#include "shell/help_window.h"
#include "shell/suites.h"
#include "support/host_fixture.h"

namespace vx::test {
namespace {

namespace Help = res::HelpWindow;

// A help topic's number (its popup entry), text and picture.
#define TOPIC(name) res::HelpTopics::k##name, res::k##name##Text, res::k##name##Picture

using host::adm::Dialog;
using host::adm::DialogDriver;

constexpr int kHelpMenuItem = 15;
constexpr int32_t kWidth = 340, kHeight = 420;  // the template's size

// Acts on the modal help dialog through `act`, then closes it.
class HelpAgent : public host::adm::UserAgent {
 public:
  std::function<void(DialogDriver&)> act;
  int runs = 0;
  void RunModal(DialogDriver& driver) override {
    ++runs;
    if (act) act(driver);
    if (!driver.ended()) driver.Press(Help::kClose);
  }
};

class HelpWindowTest : public HostTest {
 protected:
  HelpAgent agent_;

  void Start() {
    ASSERT_EQ(0, StartHost());
    host().dialogs().SetAgent(&agent_);
  }
  void TearDown() override {
    if (host_) host().dialogs().SetAgent(nullptr);
    HostTest::TearDown();
  }
  // A "?" button asking for a topic, inside the suite hold a palette or
  // dialog callback runs with.
  void AskForTopic(int32_t topic) {
    ASSERT_EQ(0, AcquireSuites(host().basic()));
    EXPECT_EQ(0, ShowHelpTopic(host().pluginRef(), topic));
    ReleaseSuites(host().basic());
  }
  Dialog* Palette() { return host().dialogs().DialogNamed(kHelpWindowName); }
  int32_t ChoiceOf(Dialog& d) {
    auto* list = d.GetItem(Help::kTopics)->list();
    return list->Active() ? list->IndexOf(*list->Active()) : -1;
  }
  std::string TextOf(int32_t textId) {
    auto text = host().dialogs().Resource(host().pluginRef(), kVxTextResource, textId);
    return text ? std::string(*text) : std::string("Not Found TEXT");
  }
  void ExpectPage(Dialog& d, int32_t topic, int32_t textId, int32_t picture) {
    SCOPED_TRACE(topic);
    EXPECT_EQ(topic, ChoiceOf(d));
    EXPECT_EQ(TextOf(textId), d.GetItem(Help::kText)->Text());
    EXPECT_EQ(picture, d.GetItem(Help::kPicture)->pictureId);
  }
  bool HelpChecked() {
    EXPECT_EQ(0, host::SendMenuUpdate(host()));
    return host().registrations().FindMenuItem(gGlobals->WindowMenuItems[kHelpMenuItem])->checked;
  }
};

TEST_F(HelpWindowTest, PaletteTopicsShowTheirTextAndPicture) {
  Start();
  struct Row {
    int32_t topic, textId, picture;
  };
  const Row rows[] = {{TOPIC(ToolsInGeneral)},  {TOPIC(AlignPointsTool)},  {10, 0, 0},
                      {TOPIC(LiveBorder)}, {TOPIC(LiveNeon)}, {TOPIC(LiveTrail)}};
  for (const Row& r : rows) {
    AskForTopic(r.topic);
    ASSERT_NE(nullptr, Palette());
    EXPECT_TRUE(Palette()->visible);
    EXPECT_EQ(r.topic, gGlobals->HelpTopic);
    ExpectPage(*Palette(), r.topic, r.textId, r.picture);
  }
  EXPECT_EQ(0, agent_.runs);
}

TEST_F(HelpWindowTest, ATopicFromADialogRunsTheModalHelpAndItsChoiceReachesThePalette) {
  struct Row {
    const char* version;
    int32_t style;
  };
  for (const Row& r : {Row{"15", kADMResizingModalDialogStyle}, Row{"8.0", kADMModalDialogStyle}}) {
    SCOPED_TRACE(r.version);
    options_.versionText = r.version;
    Start();
    AskForTopic(13);
    ASRect modalBounds{};
    agent_.act = [&](DialogDriver& d) {
      EXPECT_EQ(r.style, d.dialog().style());
      EXPECT_EQ(d.dialog().GetItem(Help::kText)->Text(), TextOf(res::kTransform3DPart1Text));
      EXPECT_EQ(res::kTransform3DPart1Picture, d.dialog().GetItem(Help::kPicture)->pictureId);
      EXPECT_TRUE(d.dialog().GetItem(Help::kClose)->visible);  // Close
      EXPECT_EQ("", d.Choose(Help::kTopics, 20));
      EXPECT_EQ(d.dialog().GetItem(Help::kText)->Text(), TextOf(res::kLiveGenerationText));
      modalBounds = d.dialog().bounds;
    };
    AskForTopic(28);
    EXPECT_EQ(1, agent_.runs);
    ASSERT_NE(nullptr, Palette());
    EXPECT_EQ(reinterpret_cast<ADMDialogRef>(Palette()), gGlobals->HelpPalette);
    EXPECT_EQ(20, gGlobals->HelpTopic);
    ExpectPage(*Palette(), TOPIC(LiveGeneration));
    EXPECT_EQ(1, gGlobals->helpDialogPosition.saved);
    EXPECT_EQ(modalBounds.left, gGlobals->helpDialogPosition.left);
    EXPECT_EQ(modalBounds.top, gGlobals->helpDialogPosition.top);
    ExpectCleanShutdown();
    host_.reset();
    agent_.runs = 0;
  }
}

TEST_F(HelpWindowTest, TheModalHelpGrowsInStepsNeverBelowItsSizeAndReopensWhereItWasClosed) {
  Start();
  struct Drag {
    ASPoint to;
    int32_t width, height;
  };
  const Drag drags[] = {{{40, 20}, kWidth + 32, kHeight + 16},
                        {{15, 15}, kWidth + 32, kHeight + 16},
                        {{-400, -400}, kWidth, kHeight}};
  agent_.act = [&](DialogDriver& d) {
    Dialog& dialog = d.dialog();
    for (const Drag& drag : drags) {
      SCOPED_TRACE(drag.to.h);
      ASSERT_EQ("", d.Drag(Help::kSizeGrip, {{0, 0}, drag.to}));
      EXPECT_EQ(drag.width, dialog.bounds.right - dialog.bounds.left);
      EXPECT_EQ(drag.height, dialog.bounds.bottom - dialog.bounds.top);
    }
    EXPECT_EQ("", d.SetBounds({40, 50, 40 + kWidth, 50 + kHeight}));
  };
  AskForTopic(30);
  agent_.act = [&](DialogDriver& d) {
    EXPECT_EQ(40, d.dialog().bounds.left);
    EXPECT_EQ(50, d.dialog().bounds.top);
  };
  AskForTopic(31);
  EXPECT_EQ(2, agent_.runs);
}

TEST_F(HelpWindowTest, TheWindowMenuTogglesThePaletteAtTheLastTopic) {
  Start();
  ASSERT_EQ(0, host::SendMenuGo(host(), gGlobals->WindowMenuItems[kHelpMenuItem]));
  ASSERT_NE(nullptr, Palette());
  EXPECT_TRUE(Palette()->visible);
  ExpectPage(*Palette(), TOPIC(ToolsInGeneral));
  EXPECT_TRUE(HelpChecked());
  AskForTopic(16);
  ASSERT_EQ(0, host::SendMenuGo(host(), gGlobals->WindowMenuItems[kHelpMenuItem]));
  EXPECT_FALSE(Palette()->visible);
  EXPECT_FALSE(HelpChecked());
  ASSERT_EQ(0, host::SendMenuGo(host(), gGlobals->WindowMenuItems[kHelpMenuItem]));
  EXPECT_TRUE(Palette()->visible);
  ExpectPage(*Palette(), TOPIC(LiveEmboss));
  // A choice in the popup shows that topic.
  DialogDriver driver(host().dialogs(), *Palette());
  EXPECT_EQ("", driver.Choose(Help::kTopics, 33));
  EXPECT_EQ(33, gGlobals->HelpTopic);
  ExpectPage(*Palette(), TOPIC(PresetMenu));
}

TEST_F(HelpWindowTest, ANegativeTopicMakesTheHiddenPaletteWhichStoresItsLocationAtShutdown) {
  Start();
  AskForTopic(-1);
  ASSERT_NE(nullptr, Palette());
  EXPECT_FALSE(Palette()->visible);
  EXPECT_EQ(0, gGlobals->HelpTopic);
  const ASRect screen = host().dialogs().screen();
  EXPECT_EQ(screen.right - kWidth, Palette()->bounds.left);
  EXPECT_EQ(screen.bottom - kHeight, Palette()->bounds.top);
  EXPECT_EQ(kHeight, Palette()->bounds.bottom - Palette()->bounds.top);
  DialogDriver(host().dialogs(), *Palette()).SetBounds({300, 200, 300 + kWidth, 200 + kHeight});
  ExpectCleanShutdown();
  auto location = host().preferences().Get(kHelpWindowName, "Location",
                                           host::Preferences::Type::Point);
  ASSERT_TRUE(location);
  EXPECT_EQ(300, location->point.h);
  EXPECT_EQ(200, location->point.v);
  auto visible = host().preferences().Get(kHelpWindowName, "Visible",
                                          host::Preferences::Type::Boolean);
  ASSERT_TRUE(visible);
  EXPECT_EQ(0, visible->integer);
  // The next session places it there.
  options_.settingsDir = host().settingsDir();
  host_.reset();
  Start();
  AskForTopic(2);
  EXPECT_EQ(300, Palette()->bounds.left);
  EXPECT_EQ(200, Palette()->bounds.top);
}

TEST_F(HelpWindowTest, TheTextFollowsTheHeightAndACollapsedPaletteGetsItsHeightBack) {
  Start();
  AskForTopic(4);
  Dialog& palette = *Palette();
  const ASRect text = palette.GetItem(Help::kText)->bounds;
  const int32_t creditBelow = palette.GetItem(Help::kCredit)->bounds.top - text.bottom;
  const ASRect b = palette.bounds;
  struct Row {
    int32_t height, textBottom;
  };
  for (const Row& r : {Row{kHeight + 100, text.bottom + 100}, Row{40, text.top},
                       Row{kHeight, text.bottom}}) {
    SCOPED_TRACE(r.height);
    DialogDriver(host().dialogs(), palette).SetBounds({b.left, b.top, b.right, b.top + r.height});
    EXPECT_EQ(r.textBottom, palette.GetItem(Help::kText)->bounds.bottom);
    EXPECT_EQ(text.top, palette.GetItem(Help::kText)->bounds.top);
    EXPECT_EQ(creditBelow, palette.GetItem(Help::kCredit)->bounds.top - r.textBottom);
  }
  palette.collapsed = true;
  host().dialogs().SetBounds(palette, {b.left, b.top, b.right, b.top + 18});
  AskForTopic(5);
  EXPECT_EQ(kHeight, palette.bounds.bottom - palette.bounds.top);
  ExpectPage(palette, TOPIC(MetaBrushTool));
}

// An open palette keeps the plug-in loaded: Unload is refused, and the
// palette still works afterwards.
TEST_F(HelpWindowTest, AnOpenPaletteKeepsThePluginLoaded) {
  Start();
  EXPECT_EQ(0, host().plugin()->accessHolds());
  AskForTopic(3);
  EXPECT_EQ(1, host().plugin()->accessHolds());
  PluginGlobals* before = gGlobals;
  EXPECT_EQ(0, host().Unload());
  EXPECT_EQ(0, host().Reload());
  EXPECT_EQ(before, gGlobals);
  EXPECT_EQ(1, SuiteUseCount);  // the palette's hold survived
  DialogDriver driver(host().dialogs(), *Palette());
  EXPECT_EQ("", driver.Choose(Help::kTopics, 8));
  ExpectPage(*Palette(), TOPIC(WarpTool));
  ExpectCleanShutdown();
  EXPECT_EQ(0, host().plugin()->accessHolds());
}

#undef TOPIC

}  // namespace
}  // namespace vx::test
