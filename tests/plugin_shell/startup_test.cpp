// Start-up registration as the host sees it: names, texts, options, order.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/core/action_values.h"
#include "host/core/registrations.h"
#include "shell/globals.h"
#include "shell/startup.h"
#include "support/host_fixture.h"

namespace vx::test {
namespace {

std::string FourCC(uint32_t k) {
  return {char(k >> 24), char(k >> 16), char(k >> 8), char(k)};
}

TEST(VersionLabel, HostLabelFromTheVersionText) {
  struct Case {
    const char* version;
    const char* label;
  } cases[] = {
      {"8", "ver4.2 for Win AI8"},       {"8.0.1", "ver4.2 for Win AI8"},
      {"9", "ver4.2 for Win AI9"},       {"10", "ver4.2 for Win AI10"},
      {"11", "ver4.2 for Win AICS"},     {"12", "ver4.2 for Win AICS2"},
      {"13", "ver4.2 for Win AICS3"},    {"14.0", "ver4.2 for Win AICS4"},
      {"15", "ver4.2 for Win AICS5"},    {"16", "ver4.2 "},
      {"1", "ver4.2 "},                  {"", "ver4.2 "},
  };
  for (const Case& c : cases) {
    char label[64];
    BuildVersionLabel(c.version, label, sizeof label);
    EXPECT_STREQ(c.label, label) << "version \"" << c.version << "\"";
  }
}

class StartupTest : public HostTest {
 protected:
  host::Registrations& reg() { return host().registrations(); }
};

// One row per effect, in effect order: its Window menu text, and the name
// that user documents and action sets keep ("VERSALiX4 <name> " groups,
// "VsX4_<name>_Action" events).
struct EffectNames {
  const char* menu;
  const char* stored;
};
constexpr EffectNames kEffectNames[13] = {
    {"Live Border", "Border"},         {"Live Circle", "Circle"},
    {"Live Cutout", "Cutout"},         {"Live Emboss", "Emboss"},
    {"Live Explosion", "Explosion"},   {"Live Frame", "Frame"},
    {"Live Galaxy", "Galaxy"},         {"Live Generation", "Generation"},
    {"Live Neon", "Neon"},             {"Live Reflections", "Reflections"},
    {"Live Shadow", "DropShadow"},     {"Live Tiling", "Tiling"},
    {"Live Trail", "Trail"}};

TEST_F(StartupTest, WindowSubmenuHasSixteenItemsAfterASeparatorAndItsOwner) {
  ASSERT_EQ(0, StartHost());
  auto items = reg().MenuItems();
  ASSERT_GE(items.size(), 18u);
  EXPECT_EQ("VERSALiX4_Top_Separator", items[0]->keyName);
  EXPECT_EQ("Window Utilities", items[0]->group);
  EXPECT_EQ("-", items[0]->text);
  EXPECT_EQ("VERSALiX4_Gr", items[1]->keyName);
  EXPECT_EQ("VERSALiX4", items[1]->text);
  ASSERT_NE(nullptr, items[1]->submenu);
  EXPECT_EQ("VERSALiX4_Gr", items[1]->submenu->name);
  const char* after[3] = {"Show Palette", "-", "Help"};
  for (int n = 0; n < 16; ++n) {
    const host::MenuItem* item = items[2 + n];
    char name[16];
    std::snprintf(name, sizeof name, "VERSALiX4_%02d", n);
    EXPECT_EQ(name, item->keyName);
    EXPECT_EQ("VERSALiX4_Gr", item->group);
    EXPECT_EQ(n < 13 ? kEffectNames[n].menu : after[n - 13], item->text);
    EXPECT_EQ(1, item->options);
    EXPECT_EQ(reinterpret_cast<AIMenuItemHandle>(const_cast<host::MenuItem*>(item)),
              gGlobals->WindowMenuItems[n]);
  }
  auto notifiers = reg().Notifiers();
  ASSERT_EQ(2u, notifiers.size());
  EXPECT_EQ("notifierName", notifiers[0]->name);
  EXPECT_EQ("AI Art Selection Changed Notifier", notifiers[0]->type);
  EXPECT_EQ("AI Document Opened Notifier", notifiers[1]->type);
}

TEST_F(StartupTest, GroupsAndActionEventsInEffectOrderThenFractalizeWithTheHostLabel) {
  ASSERT_EQ(0, StartHost());
  EXPECT_EQ(0, gGlobals->HostIsAI8);
  auto groups = reg().PluginGroups();
  auto events = reg().ActionEvents();
  ASSERT_EQ(13u, groups.size());
  ASSERT_EQ(14u, events.size());
  for (int i = 0; i < 14; ++i) {
    const bool effect = i < 13;
    SCOPED_TRACE(i);
    EXPECT_EQ(effect ? std::string("VsX4_") + kEffectNames[i].stored + "_Action"
                     : "VsX4_Fractalize_Action",
              events[i]->name);
    EXPECT_EQ(1, events[i]->version);
    // The user data points at the action number: 1 .. 13, Fractalize 0.
    ASSERT_NE(nullptr, events[i]->userData);
    EXPECT_EQ(effect ? i + 1 : 0, *static_cast<int16_t*>(events[i]->userData));
    if (!effect) break;
    EXPECT_EQ(std::string("VERSALiX4 ") + kEffectNames[i].stored + " ver4.2 for Win AICS5",
              groups[i]->name);
    EXPECT_EQ(std::string("VERSALiX4 ") + kEffectNames[i].menu + "ver4.2 for Win AICS5",
              groups[i]->description);
    EXPECT_EQ(1, groups[i]->major);
    EXPECT_EQ(0, groups[i]->minor);
    EXPECT_EQ(reinterpret_cast<AIPluginGroupHandle>(const_cast<host::PluginGroup*>(groups[i])),
              gGlobals->effectSlots[i].group);
  }
  EXPECT_EQ("Live Border", events[0]->localizedName);
  EXPECT_EQ("Fractalize", events[13]->localizedName);
  // The parameter types were given back after registration.
  EXPECT_EQ(0u, host().actions().LiveParamTypes());
  // Another host: its label (the label's own table has them all) and flag.
  ExpectCleanShutdown();
  host_.reset();
  options_.versionText = "8";
  ASSERT_EQ(0, StartHost());
  EXPECT_EQ(1, gGlobals->HostIsAI8);
  EXPECT_EQ("VERSALiX4 Border ver4.2 for Win AI8", reg().PluginGroups().at(0)->name);
}

TEST_F(StartupTest, BorderActionKeysInOrderWithLabelsAndShownFlags) {
  ASSERT_EQ(0, StartHost());
  const host::ActionEvent* border = reg().ActionEventNamed("VsX4_Border_Action");
  ASSERT_NE(nullptr, border);
  // Key, label, type, and "-" for a key not shown.
  std::vector<std::string> keys;
  for (const auto& k : border->keys)
    keys.push_back(FourCC(k.key) + "|" + k.name + "|" + FourCC(k.type) + (k.shown ? "" : "|-"));
  EXPECT_EQ((std::vector<std::string>{
                "styl|Style: |enum", "brgt|Gradient Arc: |real", "brtR|Reverse: |bool",
                "stSy||enum|-", "step|Steps: |strn", "ofst|Offset: |real", "angl|Angle: |real",
                "shdF|Shadow: |bool", "shdw| - Tint: |real", "shOf| - Offset: |real",
                "shAg| - Light Angle: |real"}),
            keys);
}

TEST_F(StartupTest, FiltersAndTheFractalizeActionAndLiveEffect) {
  ASSERT_EQ(0, StartHost());
  const host::ActionEvent* f = reg().ActionEventNamed("VsX4_Fractalize_Action");
  ASSERT_NE(nullptr, f);
  std::vector<std::string> keys;
  for (const auto& k : f->keys) keys.push_back(FourCC(k.key) + (k.shown ? "" : "-"));
  EXPECT_EQ((std::vector<std::string>{"gene", "genH", "levl", "dens", "unev",
                                      "uneU-"}),
            keys);
  EXPECT_EQ("Distortion: ", f->keys[4].name);
  auto filters = reg().Filters();
  ASSERT_EQ(2u, filters.size());
  EXPECT_EQ(2, gGlobals->FilterCount);
  const char* titles[2] = {"3D Transform...", "Fractalize..."};
  for (int k = 0; k < 2; ++k) {
    EXPECT_EQ("VERSALiX4 Filter", filters[k]->name);
    EXPECT_EQ("VERSALiX4", filters[k]->category);
    EXPECT_EQ(titles[k], filters[k]->title);
    ASSERT_NE(nullptr, filters[k]->menuItem);
    EXPECT_EQ(titles[k], filters[k]->menuItem->text);
    EXPECT_EQ("VERSALiX4", filters[k]->menuItem->group);
    EXPECT_TRUE(filters[k]->menuItem->autoUpdate);
    EXPECT_EQ(1, filters[k]->menuItem->autoUpdateSettings.action);
    EXPECT_EQ(2, filters[k]->menuItem->autoUpdateSettings.positiveSelectionCriteria);
    EXPECT_EQ(0, filters[k]->menuItem->autoUpdateSettings.positiveArtTypes);
  }
  auto effects = reg().LiveEffects();
  ASSERT_EQ(1u, effects.size());
  EXPECT_EQ(1, gGlobals->LiveEffectCount);
  EXPECT_EQ("Fractalize...", effects[0]->name);
  EXPECT_EQ("Fractalize...", effects[0]->title);
  EXPECT_EQ(7, effects[0]->prefersAsInput);
  EXPECT_EQ(1, effects[0]->styleFilterFlags);
  ASSERT_EQ(1u, effects[0]->menus.size());
  EXPECT_EQ("VERSALiX4", effects[0]->menus[0].category);
}

TEST_F(StartupTest, NineToolsInOneGroupAndFiveToolsets) {
  ASSERT_EQ(0, StartHost());
  auto tools = reg().Tools();
  ASSERT_EQ(9u, tools.size());
  struct Expect {
    const char* title;
    const char* toolsetLeader;
    int slot;
  } expected[] = {{"Warp", "Warp", 0},          {"Wave", "Wave", 2},
                  {"Lens", "Lens", 4},          {"Craft", "Craft", 6},
                  {"Roughening", "Craft", 7},   {"Broom", "Craft", 8},
                  {"MetaBrush", "MetaBrush", 10}, {"Trail", "MetaBrush", 11},
                  {"AlignPoints", "AlignPoints", 13}};
  for (size_t i = 0; i < 9; ++i) {
    const host::Tool* t = tools[i];
    SCOPED_TRACE(expected[i].title);
    EXPECT_EQ(expected[i].title, t->name);
    EXPECT_EQ(expected[i].title, t->title);
    EXPECT_EQ(std::string("VERSALiX4 ") + expected[i].title + " Tool", t->tooltip);
    EXPECT_EQ(1, t->options);
    EXPECT_EQ(tools[0]->number, t->group);
    const host::Tool* leader = reg().FindToolByNumber(t->toolset);
    ASSERT_NE(nullptr, leader);
    EXPECT_EQ(expected[i].toolsetLeader, leader->title);
    EXPECT_EQ(reinterpret_cast<AIToolHandle>(const_cast<host::Tool*>(t)),
              gGlobals->ToolHandles[expected[i].slot]);
  }
  EXPECT_EQ(84, gGlobals->ToolPaletteLeft);
  EXPECT_EQ(59, gGlobals->ToolPaletteTop);
}

TEST_F(StartupTest, StateTheLaterCommandsRelyOnAndTheHelpTexts) {
  ASSERT_EQ(0, StartHost());
  const PluginGlobals& g = *gGlobals;
  EXPECT_EQ(-1, g.HelpTopic);
  EXPECT_EQ(0, g.FractalPreviewOn);
  EXPECT_EQ(0, g.ForceNewSeed);
  EXPECT_EQ(1, g.ReuseSeed);
  EXPECT_EQ(0, g.transformDialogPosition.saved);
  EXPECT_EQ(0, g.fractalizeDialogPosition.saved);
  EXPECT_EQ(0, g.helpDialogPosition.saved);
  for (int32_t v : g.transformPerKind) EXPECT_EQ(0, v);
  auto live = host().blocks().LiveByLabel();
  EXPECT_EQ(36, live["VERSALiX_Help Text Buffer"]);
  EXPECT_EQ(1, live["globals"]);
  // The separators have no text.
  EXPECT_STREQ("Not Found TEXT", gGlobals->HelpTexts[10]);
  EXPECT_STREQ("Not Found TEXT", gGlobals->HelpTexts[34]);
}

}  // namespace
}  // namespace vx::test
