// versalix4 list and versalix4 manual: what the plug-in offers (3D kinds
// with their value rows, generators, effects, presets) and its manual, read
// from its own tables and resources so that nothing here keeps a list.
#include <iostream>
#include <sstream>

#include "app/cli.h"
#include "app/effect_session.h"
#include "app/plugin_catalog.h"

namespace vx::app {

std::string DescribeKind(const TransformKind& kind) {
  std::ostringstream out;
  out << kind.index << " " << BothNames(kind.name, kind.presetName) << "\n";
  if (kind.rows.empty()) out << "  no value rows\n";
  for (const ValueRow& row : kind.rows)
    out << "  --value " << row.number << "=V  " << row.label << " " << RangeText(row.min, row.max, row.unit)
        << ", default " << NumberText(row.standard) << "\n";
  switch (kind.radius) {
    case kVxRadiusDistance:
      out << "  --cursor H,V sets the radius: the cursor's distance from the centre\n";
      break;
    case kVxRadiusBoth:
      out << "  --cursor H,V sets the radii: V the ring's, H the tube's\n";
      break;
    case kVxRadiusVertical:
      out << "  --cursor H,V: V sets the radius, the height of the bend's centre\n";
      break;
    default: break;
  }
  if (kind.radius != kVxRadiusNone)
    out << "  without --cursor the radius is half the larger side of the selection's bounds\n";
  return out.str();
}

namespace {

// The plug-in module alone (not started): its catalog and resources.
template <typename Use>
int WithModule(const CommonOptions& common, const Use& use) {
  int failure = kExitInternal;
  auto host = MakeHost(common, &failure);
  if (!host) return failure;
  return use(*host);
}

int ListWhat(const CommonOptions& common, const std::string& what, const std::string& kind) {
  return WithModule(common, [&](host::Host& host) {
    const host::PluginModule& module = *host.plugin();
    if (what == "kinds") {
      for (const TransformKind& k : TransformKinds(module)) std::cout << DescribeKind(k);
    } else if (what == "generators") {
      int n = 0;
      for (const std::string& name : GeneratorNames(module)) std::cout << ++n << " " << name << "\n";
    } else if (what == "effects") {
      for (const VxEffectInfo& e : Effects(host)) {
        std::cout << e.name << ":";
        for (int32_t i = 0; i < e.fieldCount; ++i) std::cout << " " << e.fields[i].name;
        std::cout << (e.fieldCount ? "\n" : " (no fields yet: its factory values and presets)\n");
      }
    } else if (what == "presets" && kind.empty()) {
      for (const PresetKind& k : PresetKinds(module))
        std::cout << BothNames(k.title, k.name) << "\n";
    } else if (what == "presets") {
      return RunPresetList(common, kind);
    } else {
      std::cerr << "versalix4: list takes kinds, generators, effects or presets [KIND], not \""
                << what << "\"\n";
      return int(kExitUsage);
    }
    return int(kExitOk);
  });
}

// Topic n of the manual: by number, or by its title (any case, a part is
// enough when only one title holds it). -1 with a message when none is.
int FindTopic(const std::vector<std::string>& titles, const std::string& which) {
  int found = -1, matches = 0;
  for (size_t n = 0; n < titles.size(); ++n) {
    const std::string title = Lower(titles[n]);
    if (title == "-" || title.empty()) continue;
    if (std::to_string(n) == which || title.find(Lower(which)) != std::string::npos) {
      found = int(n);
      ++matches;
      if (std::to_string(n) == which || title == " - " + Lower(which) || title == Lower(which))
        return found;
    }
  }
  if (matches == 1) return found;
  std::cerr << "versalix4: manual: " << (matches ? "more than one topic holds \"" : "no topic \"")
            << which << "\"; versalix4 manual lists them\n";
  return -1;
}

int Manual(const CommonOptions& common, const std::string& topic) {
  return WithModule(common, [&](host::Host& host) {
    const host::PluginModule& module = *host.plugin();
    const VxCatalog* catalog = module.Catalog();
    if (!catalog) {
      std::cerr << "versalix4: manual: the plug-in has no manual\n";
      return int(kExitFailed);
    }
    const VxManualCatalog& manual = catalog->manual;
    std::vector<std::string> titles;
    const VxResource* menu = module.FindResource(kVxMenuResource, manual.topicMenu);
    std::istringstream lines(menu ? std::string(static_cast<const char*>(menu->data), menu->size)
                                  : std::string());
    for (std::string line; std::getline(lines, line);) titles.push_back(line);
    titles.resize(size_t(manual.topicCount));
    for (int32_t n = 0; n < manual.topicCount; ++n)
      if (!manual.topics[n].text) titles[size_t(n)].clear();
    if (topic.empty()) {
      for (size_t n = 0; n < titles.size(); ++n)
        if (!titles[n].empty() && titles[n] != "-") std::cout << n << " " << titles[n] << "\n";
      return int(kExitOk);
    }
    const int n = FindTopic(titles, topic);
    if (n < 0) return int(kExitUsage);
    const VxResource* text = module.FindResource(kVxTextResource, manual.topics[n].text);
    if (!text) {
      std::cerr << "versalix4: manual: topic " << n << " has no text\n";
      return int(kExitFailed);
    }
    std::cout << std::string(static_cast<const char*>(text->data), text->size);
    return int(kExitOk);
  });
}

}  // namespace

void SetUpListCommand(CLI::App& app, CommonOptions& common, int& exitCode) {
  CLI::App* cmd = app.add_subcommand(
      "list", "List what the plug-in offers: kinds (3D, with their values), generators, "
              "effects (with their fields), presets [KIND]");
  if (SetsUpOptions(*cmd, common)) {
    static std::string what, kind;
    cmd->add_option("what", what, "kinds, generators, effects or presets")->required();
    cmd->add_option("kind", kind, "presets: the kind whose user presets to list");
    AddCommonOptions(*cmd, common);
    cmd->callback([&common, &exitCode] { exitCode = ListWhat(common, what, kind); });
  }

  CLI::App* manual = app.add_subcommand(
      "manual", "Print the manual's topics, or one topic (by number or title) as text");
  if (!SetsUpOptions(*manual, common)) return;
  static std::string topic;
  manual->add_option("topic", topic, "The topic's number or title, or a part of its title");
  AddCommonOptions(*manual, common);
  manual->callback([&common, &exitCode] { exitCode = Manual(common, topic); });
}

int PrintKindHelp(const CommonOptions& common, const std::string& name) {
  return WithModule(common, [&](host::Host& host) {
    const std::vector<TransformKind> kinds = TransformKinds(*host.plugin());
    const TransformKind* kind = FindTransformKind(kinds, name);
    if (!kind) {
      std::cerr << "versalix4: 3d: no kind \"" << name << "\"; versalix4 list kinds lists them\n";
      return int(kExitUsage);
    }
    std::cout << DescribeKind(*kind);
    return int(kExitOk);
  });
}

}  // namespace vx::app
