#include "app/studio/live_menu.h"

#include <nlohmann/json.hpp>

#include "app/document_files.h"
#include "host/core/registrations.h"
#include "host/live/live_effect_apply.h"

namespace vx::app::studio {

namespace {

std::string MenuPath(const host::LiveEffect::Menu& menu) {
  return menu.category.empty() ? "Effect" : "Effect > " + menu.category;
}

// The command names the whole path: the Filter menu has a Fractalize... too.
std::string Command(const host::LiveEffect::Menu& menu) {
  return MenuPath(menu) + " > " + menu.title;
}

}  // namespace

std::vector<nlohmann::json> LiveEffectMenus(const host::Registrations& registrations) {
  std::vector<nlohmann::json> rows;
  for (const host::LiveEffect* effect : registrations.LiveEffects())
    for (const host::LiveEffect::Menu& menu : effect->menus)
      rows.push_back({{"menu", MenuPath(menu)}, {"title", menu.title}, {"command", Command(menu)}});
  return rows;
}

bool RunLiveEffectMenu(host::Host& host, host::art::Document& doc, const std::string& command,
                       int32_t* err, std::string* why) {
  for (const host::LiveEffect* effect : host.registrations().LiveEffects())
    for (const host::LiveEffect::Menu& menu : effect->menus) {
      if (Command(menu) != command) continue;
      std::vector<host::art::Art*> targets;
      ForEachObject(doc, [&](const host::art::Art& a, const std::string&, int depth) {
        if (depth == 0 && a.selected()) targets.push_back(const_cast<host::art::Art*>(&a));
      });
      if (targets.empty()) {
        *why = "select the objects for " + menu.title + " first";
        *err = kNoErr;
        return true;
      }
      *err = host::live::ApplyOrEditLiveEffect(host, doc, effect->name, targets);
      return true;
    }
  return false;
}

}  // namespace vx::app::studio
