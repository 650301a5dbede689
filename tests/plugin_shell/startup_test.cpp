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
  const char* texts[16] = {
      "Live Border", "Live Circle",     "Live Cutout",  "Live Emboss",
      "Live Explosion", "Live Frame",   "Live Galaxy",  "Live Generation",
      "Live Neon",   "Live Reflections", "Live Shadow", "Live Tiling",
      "Live Trail",  "Show Palette",    "-",            "Help"};
  for (int n = 0; n < 16; ++n) {
    const host::MenuItem* item = items[2 + n];
    char name[16];
    std::snprintf(name, sizeof name, "VERSALiX4_%02d", n);
    EXPECT_EQ(name, item->keyName);
    EXPECT_EQ("VERSALiX4_Gr", item->group);
    EXPECT_EQ(texts[n], item->text);
    EXPECT_EQ(1, item->options);
    EXPECT_EQ(reinterpret_cast<AIMenuItemHandle>(const_cast<host::MenuItem*>(item)),
              gGlobals->WindowMenuItems[n]);
  }
}

TEST_F(StartupTest, TwoNotifiers) {
  ASSERT_EQ(0, StartHost());
  auto notifiers = reg().Notifiers();
  ASSERT_EQ(2u, notifiers.size());
  EXPECT_EQ("notifierName", notifiers[0]->name);
  EXPECT_EQ("AI Art Selection Changed Notifier", notifiers[0]->type);
  EXPECT_EQ("AI Document Opened Notifier", notifiers[1]->type);
}

TEST_F(StartupTest, PluginGroupsCarryTheHostLabel) {
  struct Case {
    const char* version;
    const char* borderName;
    const char* borderDesc;
  } cases[] = {
      {"13", "VERSALiX4 Border ver4.2 for Win AICS3",
       "VERSALiX4 Live Borderver4.2 for Win AICS3"},
      {"16", "VERSALiX4 Border ver4.2 ", "VERSALiX4 Live Borderver4.2 "},
      {"8", "VERSALiX4 Border ver4.2 for Win AI8",
       "VERSALiX4 Live Borderver4.2 for Win AI8"},
  };
  for (const Case& c : cases) {
    options_.versionText = c.version;
    host_.reset();
    ASSERT_EQ(0, StartHost());
    auto groups = reg().PluginGroups();
    ASSERT_EQ(13u, groups.size());
    EXPECT_EQ(c.borderName, groups[0]->name);
    EXPECT_EQ(c.borderDesc, groups[0]->description);
    EXPECT_EQ(1, groups[0]->major);
    EXPECT_EQ(0, groups[0]->minor);
    EXPECT_EQ(std::string("8") == c.version ? 1 : 0, gGlobals->HostIsAI8);
    ExpectCleanShutdown();
  }
}

// One row per effect, in effect order: the names that user documents and
// action sets keep.
struct EffectNames {
  const char* groupPrefix;
  const char* action;
};
constexpr EffectNames kEffectNames[13] = {
    {"VERSALiX4 Border ", "VsX4_Border_Action"},
    {"VERSALiX4 Circle ", "VsX4_Circle_Action"},
    {"VERSALiX4 Cutout ", "VsX4_Cutout_Action"},
    {"VERSALiX4 Emboss ", "VsX4_Emboss_Action"},
    {"VERSALiX4 Explosion ", "VsX4_Explosion_Action"},
    {"VERSALiX4 Frame ", "VsX4_Frame_Action"},
    {"VERSALiX4 Galaxy ", "VsX4_Galaxy_Action"},
    {"VERSALiX4 Generation ", "VsX4_Generation_Action"},
    {"VERSALiX4 Neon ", "VsX4_Neon_Action"},
    {"VERSALiX4 Reflections ", "VsX4_Reflections_Action"},
    {"VERSALiX4 DropShadow ", "VsX4_DropShadow_Action"},
    {"VERSALiX4 Tiling ", "VsX4_Tiling_Action"},
    {"VERSALiX4 Trail ", "VsX4_Trail_Action"}};

TEST_F(StartupTest, GroupsAndActionEventsInEffectOrderThenFractalize) {
  options_.versionText = "15";
  ASSERT_EQ(0, StartHost());
  auto groups = reg().PluginGroups();
  auto events = reg().ActionEvents();
  ASSERT_EQ(13u, groups.size());
  ASSERT_EQ(14u, events.size());
  for (int i = 0; i < 14; ++i) {
    const bool effect = i < 13;
    SCOPED_TRACE(i);
    EXPECT_EQ(effect ? kEffectNames[i].action : "VsX4_Fractalize_Action", events[i]->name);
    EXPECT_EQ(1, events[i]->version);
    // The user data points at the action number: 1 .. 13, Fractalize 0.
    ASSERT_NE(nullptr, events[i]->userData);
    EXPECT_EQ(effect ? i + 1 : 0, *static_cast<int16_t*>(events[i]->userData));
    if (!effect) break;
    EXPECT_EQ(std::string(kEffectNames[i].groupPrefix) + "ver4.2 for Win AICS5",
              groups[i]->name);
    EXPECT_EQ(reinterpret_cast<AIPluginGroupHandle>(
                  const_cast<host::PluginGroup*>(groups[i])),
              gGlobals->effectSlots[i].group);
  }
  EXPECT_EQ("VERSALiX4 Live Trailver4.2 for Win AICS5", groups[12]->description);
  EXPECT_EQ("VERSALiX4 Live Shadowver4.2 for Win AICS5", groups[10]->description);
  EXPECT_EQ("Live Border", events[0]->localizedName);
  EXPECT_EQ("Fractalize", events[13]->localizedName);
  // The parameter types were given back after registration.
  EXPECT_EQ(0u, host().actions().LiveParamTypes());
}

TEST_F(StartupTest, BorderActionKeysInOrderWithLabelsAndShownFlags) {
  ASSERT_EQ(0, StartHost());
  const host::ActionEvent* border = reg().ActionEventNamed("VsX4_Border_Action");
  ASSERT_NE(nullptr, border);
  struct Key {
    const char* key;
    const char* name;
    const char* type;
    bool shown;
  } expected[] = {{"styl", "Style: ", "enum", true},
                  {"brgt", "Gradient Arc: ", "real", true},
                  {"brtR", "Reverse: ", "bool", true},
                  {"stSy", "", "enum", false},
                  {"step", "Steps: ", "strn", true},
                  {"ofst", "Offset: ", "real", true},
                  {"angl", "Angle: ", "real", true},
                  {"shdF", "Shadow: ", "bool", true},
                  {"shdw", " - Tint: ", "real", true},
                  {"shOf", " - Offset: ", "real", true},
                  {"shAg", " - Light Angle: ", "real", true}};
  ASSERT_EQ(std::size(expected), border->keys.size());
  for (size_t i = 0; i < std::size(expected); ++i) {
    EXPECT_EQ(expected[i].key, FourCC(border->keys[i].key)) << i;
    EXPECT_EQ(expected[i].name, border->keys[i].name) << i;
    EXPECT_EQ(expected[i].type, FourCC(border->keys[i].type)) << i;
    EXPECT_EQ(expected[i].shown, border->keys[i].shown) << i;
  }
}

TEST_F(StartupTest, FractalizeActionHidesTheUnitKey) {
  ASSERT_EQ(0, StartHost());
  const host::ActionEvent* f = reg().ActionEventNamed("VsX4_Fractalize_Action");
  ASSERT_NE(nullptr, f);
  std::vector<std::string> keys;
  for (const auto& k : f->keys) keys.push_back(FourCC(k.key) + (k.shown ? "" : "-"));
  EXPECT_EQ((std::vector<std::string>{"gene", "genH", "levl", "dens", "unev",
                                      "uneU-"}),
            keys);
  EXPECT_EQ("Distortion: ", f->keys[4].name);
}

TEST_F(StartupTest, TwoFiltersEnabledByPathSelection) {
  ASSERT_EQ(0, StartHost());
  auto filters = reg().Filters();
  ASSERT_EQ(2u, filters.size());
  EXPECT_EQ(2, gGlobals->FilterCount);
  const char* titles[2] = {"3D Transform...", "Fractalize..."};
  for (int k = 0; k < 2; ++k) {
    EXPECT_EQ("VERSALiX4 Filter", filters[k]->name);
    EXPECT_EQ("VERSALiX4", filters[k]->category);
    EXPECT_EQ(titles[k], filters[k]->title);
    ASSERT_NE(nullptr, filters[k]->menuItem);
    EXPECT_TRUE(filters[k]->menuItem->autoUpdate);
    EXPECT_EQ(1, filters[k]->menuItem->autoUpdateSettings.action);
    EXPECT_EQ(2, filters[k]->menuItem->autoUpdateSettings.positiveSelectionCriteria);
    EXPECT_EQ(0, filters[k]->menuItem->autoUpdateSettings.positiveArtTypes);
  }
}

TEST_F(StartupTest, FractalizeLiveEffectInTheEffectMenu) {
  ASSERT_EQ(0, StartHost());
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
    const char* tip;
    const char* toolsetLeader;
    int slot;
  } expected[] = {{"Warp", "VERSALiX4 Warp Tool", "Warp", 0},
                  {"Wave", "VERSALiX4 Wave Tool", "Wave", 2},
                  {"Lens", "VERSALiX4 Lens Tool", "Lens", 4},
                  {"Craft", "VERSALiX4 Craft Tool", "Craft", 6},
                  {"Roughening", "VERSALiX4 Roughening Tool", "Craft", 7},
                  {"Broom", "VERSALiX4 Broom Tool", "Craft", 8},
                  {"MetaBrush", "VERSALiX4 MetaBrush Tool", "MetaBrush", 10},
                  {"Trail", "VERSALiX4 Trail Tool", "MetaBrush", 11},
                  {"AlignPoints", "VERSALiX4 AlignPoints Tool", "AlignPoints", 13}};
  const host::Tool* warp = tools[0];
  for (size_t i = 0; i < 9; ++i) {
    const host::Tool* t = tools[i];
    EXPECT_EQ(expected[i].title, t->name);
    EXPECT_EQ(expected[i].title, t->title);
    EXPECT_EQ(expected[i].tip, t->tooltip);
    EXPECT_EQ(1, t->options);
    EXPECT_EQ(warp->number, t->group) << t->title;
    const host::Tool* leader = reg().FindToolByNumber(t->toolset);
    ASSERT_NE(nullptr, leader);
    EXPECT_EQ(expected[i].toolsetLeader, leader->title) << t->title;
    EXPECT_EQ(reinterpret_cast<AIToolHandle>(const_cast<host::Tool*>(t)),
              gGlobals->ToolHandles[expected[i].slot]);
  }
  EXPECT_EQ(84, gGlobals->ToolPaletteLeft);
  EXPECT_EQ(59, gGlobals->ToolPaletteTop);
}

TEST_F(StartupTest, StateTheLaterCommandsRelyOn) {
  ASSERT_EQ(0, StartHost());
  const PluginGlobals& g = *gGlobals;
  EXPECT_EQ(-1, g.HelpTopic);
  EXPECT_EQ(0, g.FractalPreviewOn);
  EXPECT_EQ(0, g.ForceNewSeed);
  EXPECT_EQ(1, g.ReuseSeed);
  EXPECT_EQ(0, g.transformDialogPosition.saved);
  EXPECT_EQ(0, g.fractalizeDialogPosition.saved);
  EXPECT_EQ(0, g.helpDialogPosition.saved);
  EXPECT_EQ(host().pluginRef(), g.PluginRef);
  EXPECT_EQ(nullptr, g.ToolPalette);
  EXPECT_EQ(nullptr, g.HelpPalette);
  for (int i = 0; i < kEffectCount; ++i) {
    EXPECT_EQ(nullptr, g.effectPalettes[i]);
    EXPECT_EQ(nullptr, g.effectRecords[i]);
  }
  for (int32_t v : g.transformPerKind) EXPECT_EQ(0, v);
  EXPECT_EQ(gGlobals, host().globalsSlot());
}

TEST_F(StartupTest, HelpTextsLoadedWithFallbackForMissingTopics) {
  ASSERT_EQ(0, StartHost());
  auto live = host().blocks().LiveByLabel();
  EXPECT_EQ(36, live["VERSALiX_Help Text Buffer"]);
  EXPECT_EQ(1, live["globals"]);
  // The separators have no text.
  EXPECT_STREQ("Not Found TEXT", gGlobals->HelpTexts[10]);
  EXPECT_STREQ("Not Found TEXT", gGlobals->HelpTexts[34]);
}

}  // namespace
}  // namespace vx::test
