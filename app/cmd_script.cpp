// versalix4 script: replays a session of user actions from a file, one per
// line, so that whole sessions can be recorded and run again:
//
//   open IN.svg                 read a document (the current one from now on)
//   select ID[,ID...] | all | none
//   menu TEXT                   choose a Window > VERSALiX4 item ("Live Border")
//   palette NAME ACTION         act on an effect's palette (opened when needed):
//                               set 11=4, press 37, choose 9=3, choose menu=0,
//                               drag 16=10,10:20,5, text 2=...
//   tool select TITLE           pick a tool in the toolbox
//   tool options TITLE          double-click it (its Edit Options)
//   tool set FIELD=VALUE        set a field of its options palette
//   tool preset NAME            choose a preset of its palette's menu
//   tool drag X,Y:X,Y ... [steps N] [alt] [shift] [ctrl] [space-at-release]
//                               drag the current tool over the page (points,
//                               y up; a single point is a click)
//   tool TITLE drag ...         pick the tool, then drag it
//   update                      regenerate every live effect art
//   save OUT.svg                write the current document
//
// Blank lines and lines starting with # are skipped. The first failing line
// stops the session with its line number.
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
#include "app/settings_snapshot.h"
#include "app/tool_session.h"
#include "host/adm/dialog_manager.h"
#include "host/art/document_set.h"
#include "host/art/plugin_group_updates.h"
#include "host/core/messages.h"
#include "host/core/registrations.h"
#include "host/svg/svg_effect_art.h"
#include "host/tools/tool_driver.h"

namespace vx::app {

namespace {

struct Session {
  host::Host& host;
  std::vector<std::unique_ptr<svg::ImportResult>> documents;
  host::art::Document* current = nullptr;
  svg::KeptSvg* kept = nullptr;
};

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::stringstream in(text);
  for (std::string part; std::getline(in, part, separator);)
    if (!part.empty()) parts.push_back(part);
  return parts;
}

std::string Rest(std::istringstream& in) {
  std::string rest;
  std::getline(in >> std::ws, rest);
  return rest;
}

// "tool ..." lines: the toolbox, the options palette and drags.
std::string RunToolLine(Session& s, std::istringstream& in) {
  host::tools::ToolDriver& driver = s.host.tools();
  std::string action;
  in >> action;
  const auto failed = [](const char* what, int32_t err) {
    return err ? std::string(what) + " failed (" + CodeText(err) + ")" : std::string();
  };
  if (action == "select" || action == "options") {
    const std::string title = Rest(in);
    const AIToolHandle tool = driver.ToolTitled(title);
    if (!tool) return "no tool \"" + title + "\"; the tools are:" + ToolTitles(s.host);
    return action == "select" ? failed("selecting the tool", driver.SelectTool(tool))
                              : failed("the tool's options", driver.DoubleClick(tool));
  }
  if (action == "set" || action == "preset") {
    const std::string what = Rest(in);
    const bool set = action == "set";
    return SetToolPalette(s.host, driver.current(), set ? std::vector{what} : std::vector<std::string>{},
                          set ? "" : what)
               ? "the palette was not set"
               : "";
  }
  if (action != "drag") {
    // "tool TITLE drag ...": pick the tool first.
    const AIToolHandle tool = driver.ToolTitled(action);
    std::string drag;
    in >> drag;
    if (!tool || drag != "drag")
      return "tool takes: select TITLE, options TITLE, set FIELD=VALUE, preset NAME, drag POINTS";
    if (int32_t err = driver.SelectTool(tool)) return failed("selecting the tool", err);
  }
  if (!driver.current()) return "no tool is selected (tool select TITLE first)";
  host::tools::DragSpec drag;
  for (std::string word; in >> word;) {
    if (word == "alt") drag.keys.alt = true;
    else if (word == "shift") drag.keys.shift = true;
    else if (word == "ctrl") drag.keys.ctrl = true;
    else if (word == "space-at-release") drag.spaceAtRelease = true;
    else if (word == "steps") {
      if (!(in >> drag.steps) || drag.steps < 0) return "steps takes a whole number of 0 or more";
    } else {
      std::string error;
      for (const AIRealPoint& p : ParsePointList(word, &error)) drag.points.push_back(p);
      if (!error.empty()) return error;
    }
  }
  if (drag.points.empty()) return "a drag needs at least one point";
  return failed("the tool", driver.Drag(drag));
}

// Runs one line; answers "" or what went wrong.
std::string RunLine(Session& s, const std::string& line) {
  std::istringstream in(line);
  std::string verb;
  in >> verb;
  if (verb == "open") {
    auto document = std::make_unique<svg::ImportResult>();
    if (ReadSvgDocument(Rest(in), document.get())) return "cannot open the document";
    s.current = &s.host.documents().Adopt(std::move(document->document));
    svg::BindEffectArt(*s.current, document->kept, s.host.registrations());
    s.current->ClearHistory();
    s.kept = &document->kept;
    s.documents.push_back(std::move(document));
    return "";
  }
  if (!s.current) return "no document is open (use open FILE first)";
  if (verb == "select") {
    const std::string what = Rest(in);
    std::vector<host::art::Art*> art;
    if (what == "all") {
      for (int i = 0; i < s.current->LayerCount(); ++i)
        for (host::art::Art* a = s.current->LayerAt(i)->group->firstChild(); a; a = a->sibling())
          art.push_back(a);
    } else if (what != "none") {
      for (const std::string& id : Split(what, ',')) {
        host::art::Art* a = s.current->FindById(id);
        if (!a) return "no object with the id \"" + id + "\"";
        art.push_back(a);
      }
    }
    SelectOnly(*s.current, art);
    NotifySelectionChanged(s.host);
    return "";
  }
  if (verb == "menu") {
    const std::string text = Rest(in);
    for (const host::MenuItem* item : s.host.registrations().MenuItems())
      if (item->text == text && item->group == "VERSALiX4_Gr") {
        const int32_t err = host::SendMenuGo(
            s.host, reinterpret_cast<AIMenuItemHandle>(const_cast<host::MenuItem*>(item)));
        return err ? "the command failed (" + CodeText(err) + ")" : "";
      }
    return "no menu item \"" + text + "\"";
  }
  if (verb == "palette") {
    std::string name;
    in >> name;
    const int effect = FindEffect(s.host, name);
    if (effect < 0) return "no effect \"" + name + "\"";
    host::adm::Dialog* palette =
        s.host.dialogs().DialogNamed(Effects(s.host)[size_t(effect)].paletteName);
    if (!palette) palette = OpenEffectPalette(s.host, effect);
    if (!palette) return "the palette did not open";
    return PerformPaletteAction(s.host, *palette, Rest(in));
  }
  if (verb == "tool") return RunToolLine(s, in);
  if (verb == "update") {
    for (host::art::Art* art : AllEffectArt(*s.current)) s.current->MarkForUpdate(*art);
    const int32_t err = host::art::SendPluginGroupUpdates(s.host);
    return err ? "the update failed (" + CodeText(err) + ")" : "";
  }
  if (verb == "save") {
    return WriteSvgDocument(Rest(in), *s.current, s.kept) ? "cannot write the document" : "";
  }
  return "unknown action \"" + verb + "\"";
}

}  // namespace

void SetUpScriptCommand(CLI::App& app, CommonOptions& common, int& exitCode) {
  CLI::App* cmd = app.add_subcommand(
      "script", "Replay a session of user actions (open, select, menu, palette, tool, save)");
  static std::string file;
  cmd->add_option("session", file, "The session file, one action per line")->required();
  AddCommonOptions(*cmd, common);
  cmd->callback([&common, &exitCode] {
    std::ifstream in(file);
    if (!in) {
      std::cerr << "versalix4: cannot read " << file << "\n";
      exitCode = kExitIo;
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
    int number = 0;
    for (std::string line; std::getline(in, line);) {
      ++number;
      const auto first = line.find_first_not_of(" \t\r");
      if (first == std::string::npos || line[first] == '#') continue;
      if (!line.empty() && line.back() == '\r') line.pop_back();
      if (std::string error = RunLine(session, line.substr(first)); !error.empty()) {
        std::cerr << file << ":" << number << ": " << error << "\n";
        exitCode = kExitFailed;
        break;
      }
    }
    host->Shutdown();
    if (exitCode != kExitOk) settings.Restore();
  });
}

}  // namespace vx::app
