// Menus, notifiers, plug-in groups, live effects and tools as a plug-in
// registers them, and the messages the host sends back to them (the filters'
// parameter block kept between runs: the filter dialogs' tests).
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "host/core/messages.h"
#include "host/core/registrations.h"
#include "support/fake_suite.h"

namespace vx::host {
namespace {

using test::FakePlugin;

// A length-prefixed string, as menu texts are passed.
struct Pascal {
  explicit Pascal(const std::string& s) {
    bytes.push_back(uint8_t(s.size()));
    for (char c : s) bytes.push_back(uint8_t(c));
  }
  const unsigned char* get() const { return bytes.data(); }
  std::vector<unsigned char> bytes;
};

class RegistrationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    FakePlugin::Reset();
    host_ = FakePlugin::MakeHost();
    self_ = host_->pluginRef();
    menu_ = VX_FAKE_SUITE(AIMenuSuite);
    notifier_ = VX_FAKE_SUITE(AINotifierSuite);
    groups_ = VX_FAKE_SUITE(AIPluginGroupSuite);
    effect_ = VX_FAKE_SUITE(AILiveEffectSuite);
    tool_ = VX_FAKE_SUITE(AIToolSuite);
    ASSERT_TRUE(menu_ && notifier_ && groups_ && effect_ && tool_);
  }
  void TearDown() override { FakePlugin::Reset(); }

  AIMenuItemHandle AddItem(const char* key, const char* group,
                           const std::string& text, int32_t options,
                           ASErr* err = nullptr) {
    Pascal p(text);
    AIPlatformAddMenuItemData data{group, p.get()};
    AIMenuItemHandle item = nullptr;
    ASErr e = menu_->AddMenuItem(self_, key, &data, options, &item);
    if (err) *err = e;
    return item;
  }

  std::unique_ptr<Host> host_;
  SPPluginRef self_ = nullptr;
  const AIMenuSuite* menu_ = nullptr;
  const AINotifierSuite* notifier_ = nullptr;
  const AIPluginGroupSuite* groups_ = nullptr;
  const AILiveEffectSuite* effect_ = nullptr;
  const AIToolSuite* tool_ = nullptr;
};

// The items' keys, texts, options and submenu as the plug-in registers them
// are checked in its start-up test; here the refusals and the item states.
TEST_F(RegistrationTest, MenuItemsRefuseASecondSubmenuAndKeepTheirStates) {
  AIMenuItemHandle sep = AddItem("VERSALiX4_Top_Separator", "Window Utilities", "-", 0);
  AIMenuItemHandle top = AddItem("VERSALiX4_Gr", "Window Utilities", "VERSALiX4", 0);
  AIMenuGroup group = nullptr;
  ASSERT_EQ(0, menu_->AddMenuGroupAsSubMenu("VERSALiX4_Gr", 0, top, &group));
  ASSERT_NE(nullptr, group);
  AIMenuItemHandle live = AddItem("VERSALiX4_00", "VERSALiX4_Gr", "Live Border", 1);
  ASSERT_TRUE(sep && top && live);
  // A second submenu of the same name, or under the same item, is refused.
  AIMenuGroup again = nullptr;
  EXPECT_NE(0, menu_->AddMenuGroupAsSubMenu("VERSALiX4_Gr", 0, sep, &again));
  EXPECT_NE(0, menu_->AddMenuGroupAsSubMenu("Other", 0, top, &again));
  const MenuItem* item = host_->registrations().MenuItems().at(2);
  ASBoolean checked = 9;
  ASSERT_EQ(0, menu_->CheckItem(live, 1));
  ASSERT_EQ(0, menu_->IsItemChecked(live, &checked));
  EXPECT_EQ(1, checked);
  ASSERT_EQ(0, menu_->DisableItem(live));
  EXPECT_FALSE(item->enabled);
  ASSERT_EQ(0, menu_->EnableItem(live));
  EXPECT_TRUE(item->enabled);
  // A handle the host never gave is refused.
  int foreign = 0;
  EXPECT_NE(0, menu_->CheckItem(reinterpret_cast<AIMenuItemHandle>(&foreign), 1));
}

TEST_F(RegistrationTest, MenuUpdateReachesOnlyItemsThatAskedForIt) {
  std::vector<AIMenuItemHandle> updated, chosen;
  FakePlugin::SetMain([&](const char* caller, const char* selector, void* m) -> ASErr {
    auto* message = static_cast<AIMenuMessage*>(m);
    if (std::strcmp(caller, kCallerAIMenu) == 0) {
      if (std::strcmp(selector, kSelectorAIUpdateMenuItem) == 0)
        updated.push_back(message->menuItem);
      else if (std::strcmp(selector, kSelectorAIGoMenuItem) == 0)
        chosen.push_back(message->menuItem);
    }
    return kNoErr;
  });
  AIMenuItemHandle a = AddItem("a", "G", "A", 0);
  AIMenuItemHandle b = AddItem("b", "G", "B", kMenuItemWantsUpdateOption);
  AIMenuItemHandle c = AddItem("c", "G", "C", kMenuItemWantsUpdateOption);
  EXPECT_EQ(0, SendMenuUpdate(*host_));
  EXPECT_EQ((std::vector<AIMenuItemHandle>{b, c}), updated);
  EXPECT_EQ(0, SendMenuGo(*host_, a));
  EXPECT_EQ((std::vector<AIMenuItemHandle>{a}), chosen);
}

TEST_F(RegistrationTest, NotificationsGoToActiveNotifiersOfTheType) {
  std::vector<AINotifierHandle> heard;
  FakePlugin::SetMain([&](const char* caller, const char*, void* m) -> ASErr {
    if (std::strcmp(caller, kCallerAINotifier) == 0)
      heard.push_back(static_cast<AINotifierMessage*>(m)->notifier);
    return kNoErr;
  });
  AINotifierHandle selection = nullptr, opened = nullptr;
  ASSERT_EQ(0, notifier_->AddNotifier(self_, "notifierName",
                                      kAIArtSelectionChangedNotifier, &selection));
  ASSERT_EQ(0, notifier_->AddNotifier(self_, "notifierName",
                                      kAIDocumentOpenedNotifier, &opened));
  EXPECT_EQ(0, SendNotify(*host_, kAIDocumentOpenedNotifier));
  EXPECT_EQ(0, notifier_->SetNotifierActive(opened, 0));
  EXPECT_EQ(0, SendNotify(*host_, kAIDocumentOpenedNotifier));
  EXPECT_EQ(0, SendNotify(*host_, kAIArtSelectionChangedNotifier));
  EXPECT_EQ((std::vector<AINotifierHandle>{opened, selection}), heard);
  ASBoolean active = 1;
  EXPECT_EQ(0, notifier_->IsNotifierActive(opened, &active));
  EXPECT_EQ(0, active);
}

// The texts the plug-in registers are checked in its start-up test; here
// what the suites answer about them, and the refused twin.
TEST_F(RegistrationTest, PluginGroupsAndLiveEffectMenusAnswerWhatWasRegistered) {
  AIAddPluginGroupData data{1, 0, "VERSALiX4 Live Borderver4.2 for Win AICS5"};
  AIPluginGroupHandle border = nullptr, twin = nullptr;
  ASSERT_EQ(0, groups_->AddAIPluginGroup(self_, "Border", &data, 0, &border));
  EXPECT_NE(0, groups_->AddAIPluginGroup(self_, "Border", &data, 0, &twin));
  const char* name = nullptr;
  const char* desc = nullptr;
  ASSERT_EQ(0, groups_->GetAIPluginGroupName(border, &name));
  ASSERT_EQ(0, groups_->GetAIPluginGroupDescription(border, &desc));
  EXPECT_STREQ("Border", name);
  EXPECT_STREQ(data.desc, desc);

  AILiveEffectData effectData{self_, "Fractalize...", "Fractalize...", 1, 0, 7, 1};
  AILiveEffectHandle effect = nullptr;
  ASSERT_EQ(0, effect_->AddLiveEffect(&effectData, &effect));
  AddLiveEffectMenuData menuData{"VERSALiX4", "Fractalize...", 0};
  AIMenuItemHandle effectItem = nullptr;
  ASSERT_EQ(0, effect_->AddLiveEffectMenuItem(effect, nullptr, &menuData,
                                              &effectItem, nullptr));
  const LiveEffect* e = host_->registrations().LiveEffects().at(0);
  ASSERT_EQ(1u, e->menus.size());
  EXPECT_EQ(reinterpret_cast<AIMenuItemHandle>(e->menus[0].item), effectItem);
}

// The plug-in's tool layout (groups and toolsets by leader) is checked in
// its start-up test; here the refusals.
TEST_F(RegistrationTest, ToolsRefuseUnknownNamesAndGroups) {
  AIToolType none = 0;
  EXPECT_NE(0, tool_->GetToolNumberFromName("Brush", &none));
  AIAddToolData bad{};
  bad.title = "Bad";
  bad.sameGroupAs = 99;
  bad.sameToolsetAs = kNoTool;
  AIToolHandle handle = nullptr;
  EXPECT_NE(0, tool_->AddTool(self_, "Bad", &bad, 0, &handle));
  EXPECT_TRUE(host_->registrations().Tools().empty());
}

TEST_F(RegistrationTest, ToolMessagesCarryHandlePointAndModifiers) {
  AIToolMessage got{};
  AIEvent event{};
  FakePlugin::SetMain([&](const char* caller, const char*, void* m) -> ASErr {
    if (std::strcmp(caller, kCallerAITool) == 0) {
      got = *static_cast<AIToolMessage*>(m);
      event = *got.event;
    }
    return kNoErr;
  });
  AIAddToolData data{};
  data.title = "Warp";
  data.sameGroupAs = data.sameToolsetAs = kNoTool;
  AIToolHandle warp = nullptr;
  ASSERT_EQ(0, tool_->AddTool(self_, "Warp", &data, 1, &warp));
  AIEvent sent{};
  sent.where = {10.5f, -3};
  sent.modifiers = kAIEventAltKey | kAIEventShiftKey;
  EXPECT_EQ(0, SendToolEvent(*host_, kSelectorAIToolMouseDrag, warp, sent));
  EXPECT_EQ(warp, got.tool);
  EXPECT_EQ(10.5f, got.cursor.h);
  EXPECT_EQ(-3.0f, got.cursor.v);
  EXPECT_EQ(kAIEventAltKey | kAIEventShiftKey, event.modifiers);
}

}  // namespace
}  // namespace vx::host
