// Filters and host live effects: registration with names, categories,
// titles and the menu items the host makes for them.
#include "host/core/call_failures.h"
#include "host/core/core_suites.h"
#include "host/core/host.h"
#include "host/core/registrations.h"

namespace vx::host {
namespace {

// ---- filters ---------------------------------------------------------------
ASErr AddFilter(SPPluginRef self, const char* name,
                const PlatformAddFilterData* data, int32_t options,
                AIFilterHandle* filter) {
  Host& host = Host::Current();
  if (filter) *filter = nullptr;
  if (!name || !data || !filter) return kSPBadParameterError;
  Filter made;
  made.plugin = self;
  made.name = name;
  made.category = PascalText(data->category);
  made.title = PascalText(data->title);
  made.options = options;
  VX_LOG(host, "AddFilter \"" << made.name << "\" category \"" << made.category
                              << "\" title \"" << made.title << "\"");
  if (ASErr err = host.failures().Check("AddFilter")) return err;
  Registrations& regs = host.registrations();
  // The host lists every filter in its Filter menu under its category.
  MenuItem item;
  item.plugin = self;
  item.keyName = made.name;
  item.group = made.category;
  item.text = made.title;
  made.menuItem = &regs.AddMenuItem(std::move(item));
  *filter = reinterpret_cast<AIFilterHandle>(&regs.AddFilter(std::move(made)));
  return kNoErr;
}

ASErr GetFilterMenuItem(AIFilterHandle handle, AIMenuItemHandle* menuItem) {
  Filter* filter = Host::Current().registrations().FindFilter(handle);
  if (!filter || !menuItem) return kSPBadParameterError;
  *menuItem = reinterpret_cast<AIMenuItemHandle>(filter->menuItem);
  return kNoErr;
}

ASErr GetFilterName(AIFilterHandle handle, const char** name) {
  Filter* filter = Host::Current().registrations().FindFilter(handle);
  if (!filter || !name) return kSPBadParameterError;
  *name = filter->name.c_str();
  return kNoErr;
}

const AIFilterSuite kFilter = {AddFilter, GetFilterMenuItem, GetFilterName};

// ---- live effects ----------------------------------------------------------
ASErr AddLiveEffect(const AILiveEffectData* data, AILiveEffectHandle* effect) {
  Host& host = Host::Current();
  if (effect) *effect = nullptr;
  if (!data || !data->name || !effect) return kSPBadParameterError;
  LiveEffect made;
  made.plugin = data->self;
  made.name = data->name;
  made.title = data->title ? data->title : "";
  made.majorVersion = data->majorVersion;
  made.minorVersion = data->minorVersion;
  made.prefersAsInput = data->prefersAsInput;
  made.styleFilterFlags = data->styleFilterFlags;
  VX_LOG(host, "AddLiveEffect \"" << made.name << "\" title \"" << made.title
                                  << "\" input " << made.prefersAsInput
                                  << " flags " << made.styleFilterFlags);
  if (ASErr err = host.failures().Check("AddLiveEffect")) return err;
  if (host.registrations().LiveEffectNamed(made.name))
    return kSPBadParameterError;
  *effect = reinterpret_cast<AILiveEffectHandle>(
      &host.registrations().AddLiveEffect(std::move(made)));
  return kNoErr;
}

ASErr AddLiveEffectMenuItem(AILiveEffectHandle handle, const char* menuName,
                            const AddLiveEffectMenuData* data,
                            AIMenuItemHandle* menuItem,
                            AIMenuGroup* menuGroup) {
  Host& host = Host::Current();
  if (menuItem) *menuItem = nullptr;
  if (menuGroup) *menuGroup = nullptr;
  LiveEffect* effect = host.registrations().FindLiveEffect(handle);
  if (!effect || !data) return kSPBadParameterError;
  LiveEffect::Menu menu;
  menu.menuName = menuName ? menuName : "";
  menu.category = data->category ? data->category : "";
  menu.title = data->title ? data->title : "";
  menu.options = data->options;
  VX_LOG(host, "AddLiveEffectMenuItem \"" << effect->name << "\" category \""
                                          << menu.category << "\" title \""
                                          << menu.title << "\"");
  if (ASErr err = host.failures().Check("AddLiveEffectMenuItem")) return err;
  MenuItem item;
  item.plugin = effect->plugin;
  item.keyName = menu.menuName.empty() ? effect->name : menu.menuName;
  item.group = menu.category;
  item.text = menu.title;
  item.options = menu.options;
  menu.item = &host.registrations().AddMenuItem(std::move(item));
  if (menuItem) *menuItem = reinterpret_cast<AIMenuItemHandle>(menu.item);
  effect->menus.push_back(std::move(menu));
  return kNoErr;
}

ASErr GetLiveEffectName(AILiveEffectHandle handle, const char** name) {
  LiveEffect* effect = Host::Current().registrations().FindLiveEffect(handle);
  if (!effect || !name) return kSPBadParameterError;
  *name = effect->name.c_str();
  return kNoErr;
}

ASErr GetLiveEffectTitle(AILiveEffectHandle handle, const char** title) {
  LiveEffect* effect = Host::Current().registrations().FindLiveEffect(handle);
  if (!effect || !title) return kSPBadParameterError;
  *title = effect->title.c_str();
  return kNoErr;
}

ASErr UpdateParameters(AIDictionaryRef parameters) {
  Host& host = Host::Current();
  VX_LOG(host, "UpdateParameters");
  if (ASErr err = host.failures().Check("UpdateParameters")) return err;
  auto& update = host.registrations().updateLiveEffectParameters;
  return update ? update(parameters) : kNoErr;
}

const AILiveEffectSuite kLiveEffect = {AddLiveEffect, AddLiveEffectMenuItem,
                                       GetLiveEffectName, GetLiveEffectTitle,
                                       UpdateParameters};

}  // namespace

void RegisterFilterSuites(Host& host) {
  host.suites().Add(kAIFilterSuite, kAIFilterSuiteVersion, &kFilter);
  host.suites().Add(kAILiveEffectSuite, kAILiveEffectSuiteVersion,
                    &kLiveEffect);
}

}  // namespace vx::host
