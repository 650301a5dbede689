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

const std::vector<EffectName>& EffectNames() {
  static const std::vector<EffectName> kNames = {
      {"Border", "QVR-VsX4LiveBorder", "VERSALiX4 Border "},
      {"Circle", "QVR-VsX4LiveCircle", "VERSALiX4 Circle "},
      {"Cutout", "QVR-VsX4LiveCutout", "VERSALiX4 Cutout "},
      {"Emboss", "QVR-VsX4LiveEmboss", "VERSALiX4 Emboss "},
      {"Explosion", "QVR-VsX4LiveExplosion", "VERSALiX4 Explosion "},
      {"Frame", "QVR-VsX4LiveFrame", "VERSALiX4 Frame "},
      {"Galaxy", "QVR-VsX4LiveGalaxy", "VERSALiX4 Galaxy "},
      {"Generation", "QVR-VsX4LiveGeneration", "VERSALiX4 Generation "},
      {"Neon", "QVR-VsX4LiveNeon", "VERSALiX4 Neon "},
      {"Reflections", "QVR-VsX4LiveReflections", "VERSALiX4 Reflections "},
      {"Shadow", "QVR-VsX4LiveDropShadow", "VERSALiX4 DropShadow "},
      {"Tiling", "QVR-VsX4LiveTiling", "VERSALiX4 Tiling "},
      {"Trail", "QVR-VsX4LiveTrail", "VERSALiX4 Trail "},
  };
  return kNames;
}

int FindEffect(const std::string& name) {
  const auto& names = EffectNames();
  for (size_t i = 0; i < names.size(); ++i)
    if (Lower(names[i].name) == Lower(name)) return int(i);
  return -1;
}

int EffectOfGroupName(const std::string& groupName) {
  const auto& names = EffectNames();
  for (size_t i = 0; i < names.size(); ++i)
    if (groupName.starts_with(names[i].groupPrefix)) return int(i);
  return -1;
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
  const EffectName& e = EffectNames()[size_t(effect)];
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

int32_t ItemWithText(const host::adm::Dialog& palette, const std::string& text) {
  for (const host::adm::Item* item : palette.Items())
    if (item->Text() == text) return item->id();
  return 0;
}

void NotifySelectionChanged(host::Host& host) {
  host::SendNotify(host, kAIArtSelectionChangedNotifier);
}

}  // namespace vx::app
