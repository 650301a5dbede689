// Start-up registration as the host sees it: names, texts, options, order.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "host/core/action_values.h"
#include "host/core/registrations.h"
#include "shell/globals.h"
#include "shell/startup.h"
#include "support/host_fixture.h"
#include "support/scratch_folder.h"

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

// Everything start-up registered, a line each (keys indented under their
// event), in the order it was registered.
std::string Registered(const host::Registrations& reg) {
  std::ostringstream out;
  for (const host::MenuItem* m : reg.MenuItems()) {
    out << "menu " << m->keyName << " | " << m->group << " | " << m->text << " | " << m->options;
    if (m->submenu) out << " | submenu " << m->submenu->name;
    const host::MenuAutoUpdate& u = m->autoUpdateSettings;
    if (m->autoUpdate)
      out << " | auto " << u.action << " " << u.positiveSelectionCriteria << " " << u.positiveArtTypes;
    out << "\n";
  }
  for (const host::Notifier* n : reg.Notifiers()) out << "notifier " << n->name << " | " << n->type << "\n";
  for (const host::PluginGroup* g : reg.PluginGroups())
    out << "group " << g->name << " | " << g->description << " | " << g->major << "." << g->minor << "\n";
  for (const host::ActionEvent* e : reg.ActionEvents()) {
    out << "event " << e->name << " | " << e->localizedName << " | " << e->version << " | "
        << (e->userData ? *static_cast<int16_t*>(e->userData) : -1) << "\n";
    for (const host::ActionKey& k : e->keys)
      out << "  " << FourCC(k.key) << " | " << k.name << " | " << FourCC(k.type) << (k.shown ? "" : " | -") << "\n";
  }
  for (const host::Filter* f : reg.Filters())
    out << "filter " << f->name << " | " << f->category << " | " << f->title << " | "
        << (f->menuItem ? "menu " + f->menuItem->group + " / " + f->menuItem->text : "no menu") << "\n";
  for (const host::LiveEffect* e : reg.LiveEffects()) {
    out << "live " << e->name << " | " << e->title << " | " << e->prefersAsInput << " | " << e->styleFilterFlags;
    for (const auto& menu : e->menus) out << " | menu " << menu.category;
    out << "\n";
  }
  const auto title = [&](AIToolType n) { auto* t = reg.FindToolByNumber(n); return t ? t->title : "?"; };
  for (const host::Tool* t : reg.Tools())
    out << "tool " << t->name << " | " << t->title << " | " << t->tooltip << " | " << t->options
        << " | group " << title(t->group) << " | toolset " << title(t->toolset) << "\n";
  return out.str();
}

// The Window submenu's sixteen items after a separator and its owner, the
// notifiers, the effects' groups and action events ("VERSALiX4 <name> "
// groups, "VsX4_<name>_Action" events keep user documents and action sets
// working; the event's user data is its action number, Fractalize 0), the
// filters and the live effect, the nine tools in one group and five
// toolsets: as the golden file lists them, byte for byte.
TEST_F(StartupTest, EverythingRegisteredIsTheGoldenListing) {
  ASSERT_EQ(0, StartHost());
  EXPECT_EQ(ReadFile(std::string(VX_TEST_DATA_DIR) + "/plugin_shell/registered.txt"), Registered(reg()));
  EXPECT_EQ(0u, host().actions().LiveParamTypes());  // given back after registration
  EXPECT_EQ(2, gGlobals->FilterCount);
  EXPECT_EQ(1, gGlobals->LiveEffectCount);
  // Another host: its label (the label's own table has them all) and flag.
  EXPECT_EQ(0, gGlobals->HostIsAI8);
  ExpectCleanShutdown();
  host_.reset();
  options_.versionText = "8";
  ASSERT_EQ(0, StartHost());
  EXPECT_EQ(1, gGlobals->HostIsAI8);
  EXPECT_EQ("VERSALiX4 Border ver4.2 for Win AI8", reg().PluginGroups().at(0)->name);
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
