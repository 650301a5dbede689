#include "host/core/registrations.h"

namespace vx::host {

struct Registrations::Store {
  std::vector<std::unique_ptr<MenuItem>> menuItems;
  std::vector<std::unique_ptr<MenuGroup>> menuGroups;
  std::vector<std::unique_ptr<Notifier>> notifiers;
  std::vector<std::unique_ptr<PluginGroup>> pluginGroups;
  std::vector<std::unique_ptr<Filter>> filters;
  std::vector<std::unique_ptr<LiveEffect>> liveEffects;
  std::vector<std::unique_ptr<Tool>> tools;
  std::vector<std::unique_ptr<ActionEvent>> actionEvents;
};

namespace {
template <typename T>
T& Append(std::vector<std::unique_ptr<T>>& all, T value) {
  all.push_back(std::make_unique<T>(std::move(value)));
  return *all.back();
}
template <typename T>
std::vector<const T*> View(const std::vector<std::unique_ptr<T>>& all) {
  std::vector<const T*> out;
  out.reserve(all.size());
  for (const auto& p : all) out.push_back(p.get());
  return out;
}
// The record whose address is the handle, or null for a foreign handle.
template <typename T, typename Handle>
T* ByHandle(const std::vector<std::unique_ptr<T>>& all, Handle handle) {
  for (const auto& p : all)
    if (reinterpret_cast<Handle>(p.get()) == handle) return p.get();
  return nullptr;
}
template <typename T, typename Pred>
T* FirstWhere(const std::vector<std::unique_ptr<T>>& all, Pred pred) {
  for (const auto& p : all)
    if (pred(*p)) return p.get();
  return nullptr;
}
}  // namespace

Registrations::Registrations() : store_(std::make_unique<Store>()) {}
Registrations::~Registrations() = default;

MenuItem& Registrations::AddMenuItem(MenuItem item) {
  return Append(store_->menuItems, std::move(item));
}
MenuGroup& Registrations::AddMenuGroup(MenuGroup group) {
  return Append(store_->menuGroups, std::move(group));
}
Notifier& Registrations::AddNotifier(Notifier notifier) {
  return Append(store_->notifiers, std::move(notifier));
}
PluginGroup& Registrations::AddPluginGroup(PluginGroup group) {
  return Append(store_->pluginGroups, std::move(group));
}
Filter& Registrations::AddFilter(Filter filter) {
  return Append(store_->filters, std::move(filter));
}
LiveEffect& Registrations::AddLiveEffect(LiveEffect effect) {
  return Append(store_->liveEffects, std::move(effect));
}
Tool& Registrations::AddTool(Tool tool) {
  tool.number = static_cast<AIToolType>(store_->tools.size());
  return Append(store_->tools, std::move(tool));
}
ActionEvent& Registrations::AddActionEvent(ActionEvent event) {
  return Append(store_->actionEvents, std::move(event));
}

std::vector<const MenuItem*> Registrations::MenuItems() const {
  return View(store_->menuItems);
}
std::vector<const MenuGroup*> Registrations::MenuGroups() const {
  return View(store_->menuGroups);
}
std::vector<const Notifier*> Registrations::Notifiers() const {
  return View(store_->notifiers);
}
std::vector<const PluginGroup*> Registrations::PluginGroups() const {
  return View(store_->pluginGroups);
}
std::vector<const Filter*> Registrations::Filters() const {
  return View(store_->filters);
}
std::vector<const LiveEffect*> Registrations::LiveEffects() const {
  return View(store_->liveEffects);
}
std::vector<const Tool*> Registrations::Tools() const {
  return View(store_->tools);
}
std::vector<const ActionEvent*> Registrations::ActionEvents() const {
  return View(store_->actionEvents);
}

MenuItem* Registrations::FindMenuItem(AIMenuItemHandle handle) const {
  return ByHandle(store_->menuItems, handle);
}
MenuGroup* Registrations::FindMenuGroup(const std::string& name) const {
  return FirstWhere(store_->menuGroups,
                    [&](const MenuGroup& g) { return g.name == name; });
}
Notifier* Registrations::FindNotifier(AINotifierHandle handle) const {
  return ByHandle(store_->notifiers, handle);
}
PluginGroup* Registrations::FindPluginGroup(AIPluginGroupHandle handle) const {
  return ByHandle(store_->pluginGroups, handle);
}
Filter* Registrations::FindFilter(AIFilterHandle handle) const {
  return ByHandle(store_->filters, handle);
}
LiveEffect* Registrations::FindLiveEffect(AILiveEffectHandle handle) const {
  return ByHandle(store_->liveEffects, handle);
}
Tool* Registrations::FindTool(AIToolHandle handle) const {
  return ByHandle(store_->tools, handle);
}
Tool* Registrations::FindToolByName(const std::string& name) const {
  return FirstWhere(store_->tools, [&](const Tool& t) { return t.name == name; });
}
Tool* Registrations::FindToolByNumber(AIToolType number) const {
  return FirstWhere(store_->tools,
                    [&](const Tool& t) { return t.number == number; });
}

MenuItem* Registrations::MenuItemNamed(const std::string& keyName) const {
  return FirstWhere(store_->menuItems,
                    [&](const MenuItem& m) { return m.keyName == keyName; });
}
MenuItem* Registrations::MenuItemWithText(const std::string& text) const {
  return FirstWhere(store_->menuItems,
                    [&](const MenuItem& m) { return m.text == text; });
}
PluginGroup* Registrations::PluginGroupNamed(const std::string& name) const {
  return FirstWhere(store_->pluginGroups,
                    [&](const PluginGroup& g) { return g.name == name; });
}
Filter* Registrations::FilterTitled(const std::string& title) const {
  return FirstWhere(store_->filters,
                    [&](const Filter& f) { return f.title == title; });
}
LiveEffect* Registrations::LiveEffectNamed(const std::string& name) const {
  return FirstWhere(store_->liveEffects,
                    [&](const LiveEffect& e) { return e.name == name; });
}
Tool* Registrations::ToolTitled(const std::string& title) const {
  return FirstWhere(store_->tools,
                    [&](const Tool& t) { return t.title == title; });
}
ActionEvent* Registrations::ActionEventNamed(const std::string& name) const {
  return FirstWhere(store_->actionEvents,
                    [&](const ActionEvent& e) { return e.name == name; });
}

}  // namespace vx::host
