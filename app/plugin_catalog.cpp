#include "app/plugin_catalog.h"

#include <cstdlib>
#include <sstream>

#include "app/cli.h"
#include "host/adm/dialog_template.h"

namespace vx::app {

namespace {

std::string Text(const host::PluginModule& module, uint32_t type, int32_t id) {
  const VxResource* r = module.FindResource(type, id);
  return r ? std::string(static_cast<const char*>(r->data), r->size) : std::string();
}

}  // namespace

std::vector<std::string> MenuEntries(const host::PluginModule& module, int32_t menuId) {
  return host::adm::MenuLines(Text(module, kVxMenuResource, menuId));
}

std::string FilterTitle(const host::PluginModule& module, int32_t owner) {
  const VxCatalog* catalog = module.Catalog();
  if (!catalog) return "";
  return Text(module, kVxStringResource,
              owner == kVxPresetOwnerTransform ? catalog->transformTitle : catalog->fractalizeTitle);
}

std::string FractalizeEffectName(const host::PluginModule& module) {
  const VxCatalog* catalog = module.Catalog();
  return catalog ? Text(module, kVxStringResource, catalog->fractalizeEffectName) : "";
}

std::string PluginErrorText(const host::PluginModule& module, int32_t code) {
  const VxCatalog* catalog = module.Catalog();
  if (!catalog) return "";
  const std::string wanted = CodeText(code);
  for (int32_t index = 1;; index += 2) {
    const std::string codeText = Text(module, kVxStringResource, catalog->errorStrings + index);
    if (codeText.empty()) return "";
    if (codeText == wanted) return Text(module, kVxStringResource, catalog->errorStrings + index + 1);
  }
}

std::vector<TransformKind> TransformKinds(const host::PluginModule& module) {
  const VxCatalog* catalog = module.Catalog();
  if (!catalog) return {};
  const VxTransformCatalog& t = catalog->transform;
  const std::vector<std::string> names = MenuEntries(module, t.kindMenu);
  std::vector<TransformKind> kinds;
  for (int32_t k = 0; k < t.kindCount && size_t(k) < names.size(); ++k) {
    TransformKind kind{k, names[size_t(k)], "", t.radius[k], {}};
    for (uint32_t i = 0; i < catalog->presetKindCount; ++i) {
      const VxPresetKindInfo& p = catalog->presetKinds[i];
      if (p.owner == kVxPresetOwnerTransform && p.index == k) kind.presetName = p.name;
    }
    const int32_t table = t.rowStrings + t.rowStride * k;
    auto string = [&](int32_t n) { return Text(module, kVxStringResource, table + n); };
    auto number = [&](int32_t n) { return std::strtod(string(n).c_str(), nullptr); };
    for (int32_t r = 0; r < t.rowCount; ++r) {
      const int32_t n = 1 + t.rowStep * r;
      const std::string label = string(n);
      if (label.empty() || label == "\n") continue;
      kind.rows.push_back({r + 1, label, string(n + 1), number(n + 2), number(n + 3),
                           number(n + 4)});
    }
    kinds.push_back(std::move(kind));
  }
  return kinds;
}

std::vector<std::string> GeneratorNames(const host::PluginModule& module) {
  std::vector<std::string> names;
  if (const VxCatalog* catalog = module.Catalog()) {
    const VxGeneratorCatalog& g = catalog->generators;
    for (int32_t i = 0; i < g.count; ++i)
      names.push_back(Text(module, kVxStringResource, g.names + g.first + i));
  }
  return names;
}

std::vector<PresetKind> PresetKinds(const host::PluginModule& module) {
  std::vector<PresetKind> kinds;
  const VxCatalog* catalog = module.Catalog();
  if (!catalog) return kinds;
  const std::vector<std::string> kindNames = MenuEntries(module, catalog->transform.kindMenu);
  for (uint32_t i = 0; i < catalog->presetKindCount; ++i) {
    const VxPresetKindInfo& p = catalog->presetKinds[i];
    std::string title = p.title ? p.title : "";
    if (!p.title && p.index >= 0 && size_t(p.index) < kindNames.size())
      title = kindNames[size_t(p.index)];
    kinds.push_back({p.name, title, p.owner, p.index});
  }
  return kinds;
}

const TransformKind* FindTransformKind(const std::vector<TransformKind>& kinds,
                                       const std::string& name) {
  for (const TransformKind& kind : kinds)
    if (Lower(kind.name) == Lower(name) || Lower(kind.presetName) == Lower(name) ||
        std::to_string(kind.index) == name)
      return &kind;
  return nullptr;
}

std::optional<PresetKind> FindPresetKind(const host::PluginModule& module,
                                         const std::string& name) {
  // File names first: the Trail tool's title is the Trail effect's name.
  const std::vector<PresetKind> kinds = PresetKinds(module);
  for (const PresetKind& kind : kinds)
    if (Lower(kind.name) == Lower(name)) return kind;
  for (const PresetKind& kind : kinds)
    if (Lower(kind.title) == Lower(name)) return kind;
  return std::nullopt;
}

std::string BothNames(const std::string& title, const std::string& name) {
  return title == name || name.empty() ? title : title + " (" + name + ")";
}

}  // namespace vx::app
