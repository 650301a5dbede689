// versalix4 info: start the plug-in, list everything it registered with its
// texts exactly as registered, shut it down.
#include <iostream>
#include <sstream>

#include "app/cli.h"
#include "app/console_agent.h"
#include "host/core/action_values.h"
#include "host/core/registrations.h"

namespace vx::app {

namespace {

// A text in double quotes, with quotes, backslashes and control characters
// escaped, so that every registered text shows exactly, blanks included.
std::string Quoted(const std::string& text) {
  std::string out = "\"";
  for (unsigned char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += char(c);
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\t') {
      out += "\\t";
    } else if (c < 0x20) {
      char buffer[8];
      std::snprintf(buffer, sizeof buffer, "\\x%02X", c);
      out += buffer;
    } else {
      out += char(c);
    }
  }
  return out + "\"";
}

std::string FourChars(uint32_t code) { return "'" + host::FourCharText(code) + "'"; }

void PrintRegistrations(const host::Registrations& regs, std::ostream& out) {
  for (const host::MenuItem* m : regs.MenuItems()) {
    out << "menu item " << Quoted(m->group) << " " << Quoted(m->keyName) << " "
        << Quoted(m->text) << " options " << m->options;
    if (m->submenu) out << " submenu " << Quoted(m->submenu->name);
    if (m->autoUpdate)
      out << " auto-update action " << m->autoUpdateSettings.action
          << " selection " << m->autoUpdateSettings.positiveSelectionCriteria;
    out << "\n";
  }
  for (const host::Notifier* n : regs.Notifiers())
    out << "notifier " << Quoted(n->name) << " " << Quoted(n->type)
        << (n->active ? "" : " inactive") << "\n";
  for (const host::PluginGroup* g : regs.PluginGroups())
    out << "plug-in group " << Quoted(g->name) << " " << Quoted(g->description)
        << " version " << g->major << "." << g->minor << "\n";
  for (const host::ActionEvent* e : regs.ActionEvents()) {
    out << "action event " << Quoted(e->name) << " " << Quoted(e->localizedName);
    if (e->userData)
      out << " number " << *static_cast<const int16_t*>(e->userData);
    out << " keys";
    for (const host::ActionKey& k : e->keys)
      out << " " << FourChars(k.key) << " " << FourChars(k.type) << " "
          << Quoted(k.name) << (k.shown ? " shown" : " hidden");
    out << "\n";
  }
  for (const host::Filter* f : regs.Filters())
    out << "filter " << Quoted(f->name) << " " << Quoted(f->category) << " "
        << Quoted(f->title) << "\n";
  for (const host::LiveEffect* e : regs.LiveEffects()) {
    out << "live effect " << Quoted(e->name) << " " << Quoted(e->title);
    for (const auto& menu : e->menus) out << " menu " << Quoted(menu.category);
    out << "\n";
  }
  for (const host::Tool* t : regs.Tools()) {
    const host::Tool* group = regs.FindToolByNumber(t->group);
    const host::Tool* toolset = regs.FindToolByNumber(t->toolset);
    out << "tool " << Quoted(t->title) << " " << Quoted(t->tooltip) << " group "
        << Quoted(group ? group->title : "?") << " toolset "
        << Quoted(toolset ? toolset->title : "?") << "\n";
  }
}

}  // namespace

void SetUpInfoCommand(CLI::App& app, CommonOptions& common, int& exitCode) {
  CLI::App* cmd = app.add_subcommand(
      "info", "Start the plug-in and list everything it registered");
  if (!SetsUpOptions(*cmd, common)) return;
  AddCommonOptions(*cmd, common);
  cmd->callback([&common, &exitCode] {
    auto host = MakeHost(common, &exitCode);
    if (!host) return;
    ConsoleAgent user(*host, std::cerr);
    int32_t result = host->Startup();
    if (result) {
      // The plug-in has shown its error dialog, which the agent printed.
      if (user.errors().empty()) ReportFailure("start-up failed", result);
      host->Shutdown();
      exitCode = kExitFailed;
      return;
    }
    // Read while the plug-in is running: action numbers live in its globals.
    PrintRegistrations(host->registrations(), std::cout);
    if (int32_t shutdown = host->Shutdown())
      exitCode = user.errors().empty() ? ReportFailure("shutdown failed", shutdown)
                                       : kExitFailed;
  });
}

}  // namespace vx::app
