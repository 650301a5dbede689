// versalix4 update, expand and release: act on every live effect art of the
// selection (default: all of the document). Update regenerates each result
// from its source and stored record or parameters (after the source was
// edited in another program); Expand replaces the art by its result,
// Release by its source, through the effect's palette as a person would
// (the host's own live effects, such as Fractalize, through the host).
// Update does not overwrite a result that was edited in another program
// since it was generated (its stored digest no longer matches) unless told
// to with --discard-edits.
#include <iostream>
#include <set>
#include <string>
#include <vector>

#include "app/cli.h"
#include "app/document_files.h"
#include "app/effect_session.h"
#include "host/adm/user_agent.h"
#include "host/adm/dialog_manager.h"
#include "host/art/document_set.h"
#include "host/art/plugin_group_updates.h"
#include "host/core/registrations.h"
#include "host/live/live_effect_apply.h"
#include "host/live/live_effect_instance.h"
#include "host/live/live_effect_render.h"
#include "host/svg/svg_effect_art.h"

namespace vx::app {

namespace {

enum class EffectCommand { Update, Expand, Release };

// The effect art to act on: inside the selected objects (or all).
std::vector<host::art::Art*> Targets(host::art::Document& doc,
                                     const std::vector<host::art::Art*>& selection,
                                     bool all) {
  std::vector<host::art::Art*> every = AllEffectArt(doc);
  if (all) return every;
  std::vector<host::art::Art*> out;
  for (host::art::Art* art : every)
    for (host::art::Art* s : selection)
      if (art->isWithin(s)) {
        out.push_back(art);
        break;
      }
  return out;
}

// The effect whose plug-in group the art is bound to, or -1.
int EffectOf(host::Host& host, const host::art::Art& art) {
  const host::PluginGroup* group =
      host.registrations().FindPluginGroup(art.plugin().group);
  return group ? EffectOfGroupName(host, group->name) : -1;
}

// Live effect art of the host whose effect the plug-in registered; the
// others are left as they are, with a warning.
bool IsRenderable(host::Host& host, const host::art::Art& art, std::vector<std::string>* warnings) {
  const host::live::LiveEffectInstance* live = host::live::InstanceOf(art);
  if (!live || host::live::FindLiveEffect(host, live->effect)) return true;
  warnings->push_back(NameOf(art) + " uses the live effect \"" + live->effect +
                      "\", which the plug-in does not offer; left as it is");
  return false;
}

// Selected objects that hold no live effect art, which the command leaves
// as they are; "" when every one holds some.
std::string HoldingNone(const std::vector<host::art::Art*>& selection,
                        const std::vector<host::art::Art*>& targets, const char* command) {
  std::string names;
  for (const host::art::Art* s : selection) {
    bool holds = false;
    for (const host::art::Art* art : targets) holds = holds || art->isWithin(s);
    if (!holds) names += (names.empty() ? "" : ", ") + NameOf(*s) + " (" + TypeName(*s) + ")";
  }
  if (names.empty()) return "";
  return std::string(command) + " left these objects as they were: " + names +
         "; they hold no live effect art";
}

int Run(host::Host& host, host::art::Document& doc, const std::vector<host::art::Art*>& targets,
        EffectCommand command, std::vector<std::string>* warnings) {
  if (command == EffectCommand::Update) {
    // Plug-in group art updates through its group, the host's own live
    // effects render through Go Live. The targets are selected first, as a
    // person selects what to update: some effects regenerate only while
    // their art is selected.
    SelectOnly(doc, targets);
    for (host::art::Art* art : targets)
      if (IsRenderable(host, *art, warnings)) doc.MarkForUpdate(*art);
    if (int32_t err = host::art::SendPluginGroupUpdates(host))
      return ReportFailure("update", err);
    return kExitOk;
  }
  const char* button = command == EffectCommand::Expand ? "Expand" : "Release";
  std::set<int> effects;
  std::vector<host::art::Art*> plugins;
  for (host::art::Art* art : targets) {
    if (host::live::InstanceOf(*art)) {
      const int32_t err = command == EffectCommand::Expand
                              ? host::live::ExpandLiveEffect(doc, *art)
                              : host::live::ReleaseLiveEffect(doc, *art);
      if (err) return ReportFailure(command == EffectCommand::Expand ? "expand" : "release", err);
      continue;
    }
    plugins.push_back(art);
  }
  for (host::art::Art* art : plugins) {
    const int effect = EffectOf(host, *art);
    if (effect < 0) {
      warnings->push_back(NameOf(*art) + " belongs to no effect of the plug-in; left as it is");
      continue;
    }
    effects.insert(effect);
  }
  for (int effect : effects) {
    SelectOnly(doc, plugins);
    host::adm::Dialog* palette = OpenEffectPalette(host, effect);
    if (!palette) return kExitInternal;
    const VxEffectInfo& info = Effects(host)[size_t(effect)];
    const int32_t item = command == EffectCommand::Expand ? info.expandItem : info.releaseItem;
    if (std::string e = PerformPaletteAction(host, *palette, host::adm::ItemAction("press", item));
        !e.empty()) {
      std::cerr << "versalix4: " << button << ": " << e << "\n";
      return kExitFailed;
    }
  }
  return kExitOk;
}

// Effect art among the targets whose result was edited elsewhere: named on
// stderr with what to do. True when there is any.
bool ReportEditedResults(const std::vector<host::art::Art*>& targets, const svg::KeptSvg& kept) {
  bool any = false;
  for (const host::art::Art* art : targets) {
    if (!kept.editedResults.count(art->uid())) continue;
    std::cerr << "versalix4: " << NameOf(*art)
              << ": its result was edited in another program since it was generated; "
                 "nothing was written. Run update with --discard-edits to regenerate it "
                 "anyway, or expand it to keep the edited result as plain art\n";
    any = true;
  }
  return any;
}

void SetUp(CLI::App& app, CommonOptions& common, int& exitCode, const char* name,
           const char* description, EffectCommand command) {
  CLI::App* cmd = app.add_subcommand(name, description);
  if (!SetsUpOptions(*cmd, common)) return;
  auto input = std::make_shared<std::string>();
  auto output = std::make_shared<std::string>();
  auto discardEdits = std::make_shared<bool>(false);
  cmd->add_option("input", *input, "The SVG file to read")->required();
  AddOutputOptions(*cmd, *output, common, "The SVG file");
  if (command == EffectCommand::Update) {
    cmd->add_flag("--discard-edits", *discardEdits,
                  "Regenerate results that were edited in another program, losing the edits");
  }
  AddCommonOptions(*cmd, common);
  cmd->callback([&common, &exitCode, input, output, command, discardEdits, name] {
    if ((exitCode = CheckOutputTarget(*input, *output, common))) return;
    svg::ImportResult document;
    if ((exitCode = ReadSvgDocument(*input, &document))) return;
    exitCode = RunOnDocument(
        common, document,
        [&](host::Host& host, host::art::Document& doc,
            const std::vector<host::art::Art*>& selection) {
          const auto targets = Targets(doc, selection, common.select.empty());
          std::vector<std::string> warnings;
          if (targets.empty()) warnings.push_back("no live effect art to act on");
          else if (!common.select.empty()) warnings.push_back(HoldingNone(selection, targets, name));
          if (command == EffectCommand::Update && !*discardEdits &&
              ReportEditedResults(targets, document.kept)) {
            return int(kExitFailed);
          }
          int code = Run(host, doc, targets, command, &warnings);
          if (code == kExitOk) {
            std::erase(warnings, std::string());
            code = CheckWarnings(host, common, warnings);
          }
          if (code == kExitOk) code = WriteSvgDocument(*output, doc, &document.kept);
          return code;
        },
        SelectionUse::Searched);
  });
}

}  // namespace

void SetUpUpdateCommands(CLI::App& app, CommonOptions& common, int& exitCode) {
  SetUp(app, common, exitCode, "update",
        "Regenerate every live effect art from its source and stored parameters",
        EffectCommand::Update);
  SetUp(app, common, exitCode, "expand",
        "Replace every live effect art by what it generated", EffectCommand::Expand);
  SetUp(app, common, exitCode, "release",
        "Replace every live effect art by its source art", EffectCommand::Release);
}

}  // namespace vx::app
