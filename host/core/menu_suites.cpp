// The menu suite: items in groups, submenus, automatic enabling, check marks.
#include "host/core/call_failures.h"
#include "host/core/core_suites.h"
#include "host/core/host.h"
#include "host/core/registrations.h"

namespace vx::host {
namespace {

ASErr AddMenuItem(SPPluginRef self, const char* keyName,
                  const AIPlatformAddMenuItemData* data, int32_t options,
                  AIMenuItemHandle* menuItem) {
  Host& host = Host::Current();
  if (menuItem) *menuItem = nullptr;
  if (!keyName || !data || !data->groupName || !menuItem)
    return kSPBadParameterError;
  MenuItem item;
  item.plugin = self;
  item.keyName = keyName;
  item.group = data->groupName;
  item.text = PascalText(data->itemText);
  item.options = options;
  VX_LOG(host, "AddMenuItem \"" << item.keyName << "\" in \"" << item.group
                                << "\" text \"" << item.text << "\" options "
                                << options);
  if (ASErr err = host.failures().Check("AddMenuItem")) return err;
  *menuItem = reinterpret_cast<AIMenuItemHandle>(
      &host.registrations().AddMenuItem(std::move(item)));
  return kNoErr;
}

ASErr AddMenuGroupAsSubMenu(const char* groupName, int32_t options,
                            AIMenuItemHandle menuItem, AIMenuGroup* group) {
  Host& host = Host::Current();
  if (group) *group = nullptr;
  MenuItem* owner = host.registrations().FindMenuItem(menuItem);
  if (!groupName || !*groupName || !owner) return kSPBadParameterError;
  VX_LOG(host, "AddMenuGroupAsSubMenu \"" << groupName << "\" under \""
                                          << owner->keyName << "\"");
  if (ASErr err = host.failures().Check("AddMenuGroupAsSubMenu")) return err;
  // A group name names one group: a second submenu of that name is refused.
  if (host.registrations().FindMenuGroup(groupName) || owner->submenu)
    return kSPBadParameterError;
  MenuGroup& made =
      host.registrations().AddMenuGroup({groupName, options, owner});
  owner->submenu = &made;
  if (group) *group = reinterpret_cast<AIMenuGroup>(&made);
  return kNoErr;
}

ASErr UpdateMenuItemAutomatically(AIMenuItemHandle menuItem, int32_t action,
                                  int32_t positiveArtTypes,
                                  int32_t negativeArtTypes,
                                  int32_t positiveSelectionCriteria,
                                  int32_t negativeSelectionCriteria,
                                  int32_t positiveDocumentCriteria,
                                  int32_t negativeDocumentCriteria) {
  Host& host = Host::Current();
  MenuItem* item = host.registrations().FindMenuItem(menuItem);
  if (!item) return kSPBadParameterError;
  VX_LOG(host, "UpdateMenuItemAutomatically \"" << item->keyName
                                                << "\" action " << action);
  if (ASErr err = host.failures().Check("UpdateMenuItemAutomatically"))
    return err;
  item->autoUpdate = true;
  item->autoUpdateSettings = {action,
                              positiveArtTypes,
                              negativeArtTypes,
                              positiveSelectionCriteria,
                              negativeSelectionCriteria,
                              positiveDocumentCriteria,
                              negativeDocumentCriteria};
  return kNoErr;
}

ASErr CheckItem(AIMenuItemHandle menuItem, ASBoolean checked) {
  Host& host = Host::Current();
  MenuItem* item = host.registrations().FindMenuItem(menuItem);
  if (!item) return kSPBadParameterError;
  VX_LOG(host, "CheckItem \"" << item->keyName << "\" " << int(checked != 0));
  item->checked = checked != 0;
  return kNoErr;
}

ASErr IsItemChecked(AIMenuItemHandle menuItem, ASBoolean* checked) {
  MenuItem* item = Host::Current().registrations().FindMenuItem(menuItem);
  if (!item || !checked) return kSPBadParameterError;
  *checked = item->checked;
  return kNoErr;
}

ASErr SetEnabled(AIMenuItemHandle menuItem, bool enabled) {
  Host& host = Host::Current();
  MenuItem* item = host.registrations().FindMenuItem(menuItem);
  if (!item) return kSPBadParameterError;
  VX_LOG(host, (enabled ? "EnableItem \"" : "DisableItem \"") << item->keyName
                                                              << "\"");
  item->enabled = enabled;
  return kNoErr;
}
ASErr EnableItem(AIMenuItemHandle menuItem) { return SetEnabled(menuItem, true); }
ASErr DisableItem(AIMenuItemHandle menuItem) {
  return SetEnabled(menuItem, false);
}

const AIMenuSuite kMenu = {AddMenuItem, AddMenuGroupAsSubMenu,
                           UpdateMenuItemAutomatically, CheckItem,
                           IsItemChecked, EnableItem, DisableItem};

}  // namespace

void RegisterMenuSuites(Host& host) {
  host.suites().Add(kAIMenuSuite, kAIMenuSuiteVersion, &kMenu);
}

}  // namespace vx::host
