#include "app/effect_session.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <iostream>

#include "host/adm/dialog_manager.h"
#include "host/adm/user_agent.h"
#include "host/art/document_set.h"
#include "host/core/messages.h"
#include "host/core/registrations.h"

namespace vx::app {

namespace {

void CollectEffectArt(host::art::Art* container, std::vector<host::art::Art*>* out) {
  for (host::art::Art* a = container->firstChild(); a; a = a->sibling()) {
    if (a->kind() == host::art::ArtKind::PluginGroup) out->push_back(a);
    else CollectEffectArt(a, out);
  }
}

}  // namespace

std::span<const VxEffectInfo> Effects(host::Host& host) {
  const host::PluginModule* module = host.plugin();
  const VxEffectTable* table = module ? module->Effects() : nullptr;
  if (!table || !table->effects) return {};
  return {table->effects, table->count};
}

int FindEffect(host::Host& host, const std::string& name) {
  const auto effects = Effects(host);
  for (size_t i = 0; i < effects.size(); ++i)
    if (Lower(effects[i].name) == Lower(name)) return int(i);
  return -1;
}

int EffectOfGroupName(host::Host& host, const std::string& groupName) {
  const auto effects = Effects(host);
  for (size_t i = 0; i < effects.size(); ++i)
    if (groupName.starts_with(effects[i].groupPrefix)) return int(i);
  return -1;
}

const VxEffectField* FieldNamed(const VxEffectInfo& effect, const std::string& name) {
  for (int32_t i = 0; i < effect.fieldCount; ++i)
    if (effect.fields[i].name == name) return &effect.fields[i];
  return nullptr;
}

std::vector<host::art::Art*> AllEffectArt(host::art::Document& document) {
  std::vector<host::art::Art*> out;
  for (int i = 0; i < document.LayerCount(); ++i)
    CollectEffectArt(document.LayerAt(i)->group, &out);
  return out;
}

void SelectOnly(host::art::Document& document, const std::vector<host::art::Art*>& art) {
  document.DeselectAll();
  for (host::art::Art* a : art) document.Select(*a, true);
}

host::adm::Dialog* OpenEffectPalette(host::Host& host, int effect) {
  const VxEffectInfo& e = Effects(host)[size_t(effect)];
  host::adm::Dialog* palette = host.dialogs().DialogNamed(e.paletteName);
  if (palette && palette->visible) return palette;
  char key[32];
  std::snprintf(key, sizeof key, "VERSALiX4_%02d", effect);
  host::MenuItem* item = host.registrations().MenuItemNamed(key);
  if (!item) {
    std::cerr << "versalix4: the plug-in registered no menu item for Live " << e.name << "\n";
    return nullptr;
  }
  if (int32_t err = host::SendMenuGo(host, reinterpret_cast<AIMenuItemHandle>(item))) {
    std::cerr << "versalix4: opening the Live " << e.name << " palette failed (" << CodeText(err)
              << ")\n";
    return nullptr;
  }
  palette = host.dialogs().DialogNamed(e.paletteName);
  if (!palette) std::cerr << "versalix4: the Live " << e.name << " palette did not open\n";
  return palette;
}

std::string PerformPaletteAction(host::Host& host, host::adm::Dialog& palette,
                                 const std::string& action) {
  std::string error;
  auto parsed = host::adm::ParseAgentAction(action, &error);
  if (!parsed) return error;
  host::adm::DialogDriver driver(host.dialogs(), palette);
  return host::adm::Perform(driver, *parsed);
}

void NotifySelectionChanged(host::Host& host) {
  host::SendNotify(host, kAIArtSelectionChangedNotifier);
}

int32_t PresetEntry(host::adm::Dialog& palette, const std::string& preset) {
  host::adm::List* list = palette.MenuItem().list();
  for (int32_t i = 0; list && i < list->Count(); ++i) {
    std::string text = list->At(i)->text;
    if (text.starts_with(" -")) text.erase(0, 1);
    if (text == preset && text != "-") return i;
  }
  return -1;
}

}  // namespace vx::app
