// versalix4 script: replays a session of user actions from a file, one per
// line, so that whole sessions can be recorded and run again. The format is
// documented once, in the command's help (kSessionFormat).
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "app/cli.h"
#include "app/console_agent.h"
#include "app/document_files.h"
#include "app/effect_session.h"
#include "app/script_reader.h"
#include "app/settings_snapshot.h"
#include "app/tool_session.h"
#include "host/adm/dialog_manager.h"
#include "host/art/document_set.h"
#include "host/art/plugin_group_updates.h"
#include "host/core/messages.h"
#include "host/core/registrations.h"
#include "host/io/atomic_file.h"
#include "host/svg/svg_effect_art.h"
#include "host/tools/tool_driver.h"

namespace vx::app {

namespace {

using Verb = ScriptAction::Verb;

struct Session {
  host::Host& host;
  std::vector<std::unique_ptr<svg::ImportResult>> documents;
  host::art::Document* current = nullptr;
  svg::KeptSvg* kept = nullptr;
};

// "tool ..." actions: the toolbox, the options palette and drags.
std::string RunToolAction(Session& s, const ScriptAction& a) {
  host::tools::ToolDriver& driver = s.host.tools();
  const auto failed = [](const char* what, int32_t err) {
    return err ? std::string(what) + " failed (" + CodeText(err) + ")" : std::string();
  };
  const auto titled = [&](AIToolHandle* tool) -> std::string {
    *tool = driver.ToolTitled(a.text);
    return *tool ? "" : "no tool \"" + a.text + "\"; the tools are:" + ToolTitles(s.host);
  };
  AIToolHandle tool = nullptr;
  switch (a.verb) {
    case Verb::ToolSelect:
    case Verb::ToolOptions:
      if (std::string e = titled(&tool); !e.empty()) return e;
      return a.verb == Verb::ToolSelect ? failed("selecting the tool", driver.SelectTool(tool))
                                        : failed("the tool's options", driver.DoubleClick(tool));
    case Verb::ToolSet:
    case Verb::ToolPreset: {
      const bool set = a.verb == Verb::ToolSet;
      return SetToolPalette(s.host, driver.current(), set ? std::vector{a.text} : std::vector<std::string>{},
                            set ? "" : a.text)
                 ? "the palette was not set"
                 : "";
    }
    default:
      break;
  }
  if (!a.text.empty()) {
    if (std::string e = titled(&tool); !e.empty()) return e;
    if (int32_t err = driver.SelectTool(tool)) return failed("selecting the tool", err);
  }
  if (!driver.current()) return "no tool is selected (tool select TITLE first)";
  return failed("the tool", driver.Drag(a.drag));
}

// Runs one action; answers "" or what went wrong.
std::string RunAction(Session& s, const ScriptAction& a) {
  if (a.verb == Verb::Open) {
    auto document = std::make_unique<svg::ImportResult>();
    if (ReadSvgDocument(a.text, document.get())) return "cannot open the document";
    s.current = &s.host.documents().Adopt(std::move(document->document));
    svg::BindEffectArt(*s.current, document->kept, s.host.registrations());
    s.current->ClearHistory();
    s.kept = &document->kept;
    s.documents.push_back(std::move(document));
    return "";
  }
  if (!s.current) return "no document is open (use open FILE first)";
  switch (a.verb) {
    case Verb::Select: {
      std::vector<host::art::Art*> art;
      if (a.text == "all") {
        for (int i = 0; i < s.current->LayerCount(); ++i)
          for (host::art::Art* x = s.current->LayerAt(i)->group->firstChild(); x; x = x->sibling())
            art.push_back(x);
      }
      for (const std::string& id : a.ids) {
        host::art::Art* x = s.current->FindById(id);
        if (!x) return "no object with the id \"" + id + "\"";
        art.push_back(x);
      }
      SelectOnly(*s.current, art);
      NotifySelectionChanged(s.host);
      return "";
    }
    case Verb::Menu:
      for (const host::MenuItem* item : s.host.registrations().MenuItems())
        if (item->text == a.text && item->group == "VERSALiX4_Gr") {
          const int32_t err = host::SendMenuGo(
              s.host, reinterpret_cast<AIMenuItemHandle>(const_cast<host::MenuItem*>(item)));
          return err ? "the command failed (" + CodeText(err) + ")" : "";
        }
      return "no menu item \"" + a.text + "\"";
    case Verb::Palette: {
      const int effect = FindEffect(s.host, a.text);
      if (effect < 0) return "no effect \"" + a.text + "\"";
      host::adm::Dialog* palette =
          s.host.dialogs().DialogNamed(Effects(s.host)[size_t(effect)].paletteName);
      if (!palette) palette = OpenEffectPalette(s.host, effect);
      if (!palette) return "the palette did not open";
      return PerformPaletteAction(s.host, *palette, a.action);
    }
    case Verb::Update: {
      for (host::art::Art* art : AllEffectArt(*s.current)) s.current->MarkForUpdate(*art);
      const int32_t err = host::art::SendPluginGroupUpdates(s.host);
      return err ? "the update failed (" + CodeText(err) + ")" : "";
    }
    case Verb::Save:
      return WriteSvgDocument(a.text, *s.current, s.kept) ? "cannot write the document" : "";
    default:
      return RunToolAction(s, a);
  }
}

}  // namespace

// The session format, as `versalix4 script --help` shows it.
constexpr const char* kSessionFormat = R"(Session format: one action a line; blank lines and lines starting with # are skipped.
  open FILE.svg                 read a document; it is the current one from now on
  select ID[,ID...] | all | none
                                select objects of the current document by id
  menu TEXT                     choose a Window > VERSALiX4 menu item by its visible
                                text ("Live Border", "Show Palette", "Help")
  palette NAME ACTION           act on an effect's palette, opened when needed:
                                  set ITEM=NUMBER      type a number into item ITEM
                                  press ITEM           press a button or check box
                                  choose ITEM=ENTRY    choose entry ENTRY of a list
                                  choose menu=ENTRY    choose from the palette's menu
                                  drag ITEM=X,Y:X,Y    drag in an item
                                  text ITEM=TEXT       type a text
  tool select TITLE             pick a tool in the toolbox
  tool options TITLE            double-click it (its Edit Options)
  tool set FIELD=VALUE          set a field of its options palette
  tool preset NAME              choose a preset of its palette's menu
  tool drag X,Y:X,Y ... [steps N] [alt] [shift] [ctrl] [space-at-release]
                                drag the current tool over the page (points,
                                y up; a single point is a click)
  tool TITLE drag ...           pick the tool, then drag it
  update                        regenerate every live effect art
  save FILE.svg                 write the current document
The whole session is read first: a line that cannot be read stops it before
anything runs (exit 2). The first failing action stops the session with its
line number (exit 1); nothing of the session's settings is kept then.

Example:
  # a Border on the square, with shadow
  open sample.svg
  select square
  menu Live Border
  palette Border press 21
  palette Border press 37
  save bordered.svg)";

void SetUpScriptCommand(CLI::App& app, CommonOptions& common, int& exitCode) {
  CLI::App* cmd = app.add_subcommand(
      "script", "Replay a session of user actions (open, select, menu, palette, tool, save)");
  if (!SetsUpOptions(*cmd, common)) return;
  static std::string file;
  cmd->add_option("session", file, "The session file, one action per line (\"-\": standard input)")
      ->required();
  cmd->footer(kSessionFormat);
  AddCommonOptions(*cmd, common);
  cmd->callback([&common, &exitCode] {
    std::string text, error;
    if (!host::io::ReadFile(file, &text, &error)) {
      std::cerr << "versalix4: " << error << "\n";
      exitCode = kExitIo;
      return;
    }
    std::vector<ScriptAction> actions;
    if (!ReadSession(text, &actions, &error)) {
      std::cerr << file << ":" << error << "\n";
      exitCode = kExitUsage;
      return;
    }
    auto host = MakeHost(common, &exitCode);
    if (!host) return;
    if (int32_t err = host->Startup()) {
      exitCode = ReportFailure("start-up", err);
      return;
    }
    const SettingsSnapshot settings(host->settingsDir());
    ConsoleAgent console(*host, std::cerr);
    Session session{*host, {}, nullptr, nullptr};
    for (const ScriptAction& action : actions) {
      if (std::string why = RunAction(session, action); !why.empty()) {
        std::cerr << file << ":" << action.line << ": " << why << "\n";
        exitCode = kExitFailed;
        break;
      }
    }
    host->Shutdown();
    if (exitCode != kExitOk) settings.Restore();
  });
}

}  // namespace vx::app
