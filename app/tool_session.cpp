#include "app/tool_session.h"

#include <cmath>
#include <cstdlib>
#include <iostream>
#include <sstream>

#include "app/console_agent.h"
#include "app/effect_session.h"
#include "app/settings_snapshot.h"
#include "host/adm/dialog_manager.h"
#include "host/adm/palette_settings.h"
#include "host/core/registrations.h"
#include "host/tools/tool_catalog.h"
#include "host/tools/tool_driver.h"

namespace vx::app {

std::string ToolTitles(host::Host& host) {
  std::string titles;
  for (const host::Tool* tool : host.registrations().Tools()) titles += " " + tool->title;
  return titles;
}

host::adm::Dialog* CurrentToolPalette(host::Host& host) {
  // The palette the plug-in made from the tool's template when it was
  // selected.
  const VxToolInfo* info = host::tools::ToolInfoOf(host, host.tools().current());
  return info && info->paletteTemplate ? host.dialogs().DialogWithTemplate(info->paletteTemplate)
                                       : nullptr;
}

int SetToolPalette(host::Host& host, AIToolHandle tool, const std::vector<std::string>& settings,
                   const std::string& preset) {
  auto fail = [](const std::string& what) {
    std::cerr << "versalix4: tool: " << what << "\n";
    return kExitUsage;
  };
  if (settings.empty() && preset.empty()) return kExitOk;
  host::adm::Dialog* palette = CurrentToolPalette(host);
  if (!palette) return fail("this tool has no options palette");
  if (!preset.empty()) {
    const int32_t entry = PresetEntry(*palette, preset);
    if (entry < 0) return fail("no preset \"" + preset + "\" in the palette's menu");
    if (std::string e =
            PerformPaletteAction(host, *palette, "choose menu=" + std::to_string(entry));
        !e.empty())
      return fail(e);
  }
  const auto fields = host::tools::ToolPaletteFields(host, tool);
  for (const std::string& setting : settings) {
    std::string error;
    const std::string action = host::adm::FieldAction(*palette, fields, setting, &error);
    if (action.empty()) return fail(error);
    if (std::string e = PerformPaletteAction(host, *palette, action); !e.empty())
      return fail(setting + ": " + e);
  }
  return kExitOk;
}

std::string ToolFieldsHelp(const CommonOptions& common, const std::string& name) {
  if (name.empty()) return "";
  // The fields are read from the palette the plug-in makes for the tool.
  int failure = kExitOk;
  auto host = MakeHost(common, &failure);
  if (!host) return "";
  // Help changes nothing: the settings the palette saves are put back.
  const SettingsSnapshot settings(host->settingsDir());
  if (host->Startup()) return "";
  std::string text;
  const AIToolHandle tool = host->tools().ToolTitled(name);
  if (!tool) {
    text = "There is no tool \"" + name + "\"; the tools are:" + ToolTitles(*host) + "\n";
  } else if (host->tools().SelectTool(tool) == kNoErr) {
    host::adm::Dialog* palette = CurrentToolPalette(*host);
    const auto fields = host::tools::ToolPaletteFields(*host, tool);
    text = !palette         ? "The " + name + " tool has no options palette.\n"
           : fields.empty() ? "The plug-in describes no fields of the " + name + " palette.\n"
                            : "Fields of the " + name + " palette (--set FIELD=VALUE):\n" +
                                  host::adm::DescribeFields(*palette, fields);
  }
  host->Shutdown();
  settings.Restore();
  return text;
}

namespace {

int RunTool(host::Host& host, const ToolRun& run, double flipY) {
  host::tools::ToolDriver& driver = host.tools();
  ConsoleAgent console(host, std::cerr);
  const AIToolHandle tool = driver.ToolTitled(run.name);
  if (!tool) {
    std::cerr << "versalix4: tool: no tool \"" << run.name << "\"; the tools are:"
              << ToolTitles(host) << "\n";
    return kExitUsage;
  }
  if (int32_t err = driver.SelectTool(tool))
    return console.errors().empty() ? ReportFailure(run.name, err) : kExitFailed;
  if (int code = SetToolPalette(host, tool, run.settings, run.preset)) return code;
  NotifySelectionChanged(host);
  host::tools::DragSpec drag;
  // The host's page points have y up: flipped about the page as read.
  for (const AIRealPoint& p : run.points) drag.points.push_back({p.h, AIReal(flipY - p.v)});
  drag.steps = run.steps;
  drag.keys = run.keys;
  drag.spaceAtRelease = run.keys.space;
  driver.clock().Set(run.tickStart, run.tickStep);
  const int32_t result = driver.Drag(drag);
  // The console agent printed the plug-in's own words; a warning (an alert)
  // fails the command as an error does.
  if (result) return console.errors().empty() ? ReportFailure(run.name, result) : kExitFailed;
  if (!console.errors().empty() || !host.dialogs().alerts().empty()) return kExitFailed;
  if (int32_t err = driver.DeselectTool()) return ReportFailure(run.name, err);
  return kExitOk;
}

}  // namespace

int DragToolOnDocument(const CommonOptions& common, svg::ImportResult& document,
                       const ToolRun& run,
                       const std::function<int(const host::art::Document&)>& save) {
  const double flipY = document.kept.flipY;
  return RunOnDocument(common, document,
                       [&](host::Host& host, host::art::Document& doc, const auto& selection) {
                         if (int code = RequirePaths(host, selection, "tool " + run.name))
                           return code;
                         const int code = RunTool(host, run, flipY);
                         return code == kExitOk ? save(doc) : code;
                       });
}

}  // namespace vx::app
