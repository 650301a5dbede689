// Everything the plug-in registered with the host, in the order it did:
// menu items and groups, notifiers, plug-in groups, filters, live effects,
// tools and action events. Handles given to the plug-in are the addresses of
// these records, which stay put until the host goes away.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "host/core/action_values.h"
#include "vx_sdk.h"

namespace vx::host {

struct MenuGroup;

// The automatic enabling of a menu item (UpdateMenuItemAutomatically).
struct MenuAutoUpdate {
  int32_t action = 0;
  int32_t positiveArtTypes = 0, negativeArtTypes = 0;
  int32_t positiveSelectionCriteria = 0, negativeSelectionCriteria = 0;
  int32_t positiveDocumentCriteria = 0, negativeDocumentCriteria = 0;
};

struct MenuItem {
  SPPluginRef plugin = nullptr;
  std::string keyName;  // the item's name (AddMenuItem's inKeyName)
  std::string group;    // the menu group it is in
  std::string text;     // the text shown; "-" is a separator line
  int32_t options = 0;
  bool enabled = true;
  bool checked = false;
  bool autoUpdate = false;
  MenuAutoUpdate autoUpdateSettings;
  MenuGroup* submenu = nullptr;  // the group this item opens, if any
};

struct MenuGroup {
  std::string name;
  int32_t options = 0;
  MenuItem* owner = nullptr;  // the item whose submenu it is
};

struct Notifier {
  SPPluginRef plugin = nullptr;
  std::string name;
  std::string type;
  bool active = true;
};

struct PluginGroup {
  SPPluginRef plugin = nullptr;
  std::string name;
  std::string description;
  int32_t major = 0, minor = 0;
  int32_t options = 0;
};

struct Filter {
  SPPluginRef plugin = nullptr;
  std::string name;
  std::string category;
  std::string title;
  int32_t options = 0;
  MenuItem* menuItem = nullptr;
  // The parameter block the host keeps for the filter between runs.
  void* parameters = nullptr;
};

struct LiveEffect {
  SPPluginRef plugin = nullptr;
  std::string name;
  std::string title;
  int32_t majorVersion = 0, minorVersion = 0;
  int32_t prefersAsInput = 0;
  int32_t styleFilterFlags = 0;
  // Menu items added with AddLiveEffectMenuItem.
  struct Menu {
    std::string menuName;
    std::string category;
    std::string title;
    int32_t options = 0;
    MenuItem* item = nullptr;
  };
  std::vector<Menu> menus;
};

struct Tool {
  SPPluginRef plugin = nullptr;
  AIToolType number = 0;  // the tool's number (its order of registration)
  std::string name;
  std::string title;
  std::string tooltip;
  int32_t helpID = 0;
  ADMIconRef icon = nullptr;
  int32_t options = 0;
  AIToolType group = 0;    // number of the first tool of its tool group
  AIToolType toolset = 0;  // number of the first tool of its toolset
};

struct ActionEvent {
  SPPluginRef plugin = nullptr;
  std::string name;
  std::string localizedName;
  int32_t version = 0;
  int32_t flags = 0;
  AIActionCallbackProc callback = nullptr;
  void* userData = nullptr;
  std::vector<ActionKey> keys;  // in the order they were added
};

class Registrations {
 public:
  Registrations();
  ~Registrations();
  Registrations(const Registrations&) = delete;
  Registrations& operator=(const Registrations&) = delete;

  MenuItem& AddMenuItem(MenuItem item);
  MenuGroup& AddMenuGroup(MenuGroup group);
  Notifier& AddNotifier(Notifier notifier);
  PluginGroup& AddPluginGroup(PluginGroup group);
  Filter& AddFilter(Filter filter);
  LiveEffect& AddLiveEffect(LiveEffect effect);
  Tool& AddTool(Tool tool);  // numbers the tool
  ActionEvent& AddActionEvent(ActionEvent event);

  // In registration order.
  std::vector<const MenuItem*> MenuItems() const;
  std::vector<const MenuGroup*> MenuGroups() const;
  std::vector<const Notifier*> Notifiers() const;
  std::vector<const PluginGroup*> PluginGroups() const;
  std::vector<const Filter*> Filters() const;
  std::vector<const LiveEffect*> LiveEffects() const;
  std::vector<const Tool*> Tools() const;
  std::vector<const ActionEvent*> ActionEvents() const;

  // Handle checks: the record when the handle is one of ours, else null.
  MenuItem* FindMenuItem(AIMenuItemHandle handle) const;
  MenuGroup* FindMenuGroup(const std::string& name) const;
  Notifier* FindNotifier(AINotifierHandle handle) const;
  PluginGroup* FindPluginGroup(AIPluginGroupHandle handle) const;
  Filter* FindFilter(AIFilterHandle handle) const;
  LiveEffect* FindLiveEffect(AILiveEffectHandle handle) const;
  Tool* FindTool(AIToolHandle handle) const;
  Tool* FindToolByName(const std::string& name) const;
  Tool* FindToolByNumber(AIToolType number) const;

  // Look-ups by name, as tests and the command line address things.
  MenuItem* MenuItemNamed(const std::string& keyName) const;
  MenuItem* MenuItemWithText(const std::string& text) const;
  PluginGroup* PluginGroupNamed(const std::string& name) const;
  Filter* FilterTitled(const std::string& title) const;
  LiveEffect* LiveEffectNamed(const std::string& name) const;
  Tool* ToolTitled(const std::string& title) const;
  ActionEvent* ActionEventNamed(const std::string& name) const;

  // What the live effect suite's UpdateParameters does: the document model
  // installs the re-run of Go Live over the effect art using these
  // parameters. Without documents there is no such art and nothing to do.
  std::function<int32_t(AIDictionaryRef parameters)> updateLiveEffectParameters;

 private:
  struct Store;
  std::unique_ptr<Store> store_;
};

}  // namespace vx::host
