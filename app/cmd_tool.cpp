// versalix4 tool: drags one of the plug-in's tools over the selected
// objects, as a person would: picks the tool in the toolbox, sets its
// options palette (fields by name, or a preset of its menu), then presses
// the button at the first point, drags through the others and releases at
// the last, holding the keys asked for.
#include <iostream>
#include <string>
#include <vector>

#include "app/cli.h"
#include "app/document_files.h"
#include "app/tool_session.h"

namespace vx::app {

void SetUpToolCommand(CLI::App& app, CommonOptions& common, int& exitCode) {
  CLI::App* cmd = app.add_subcommand(
      "tool", "Drag a tool (Warp, Wave, Lens, ...) over the selected objects");
  if (!SetsUpOptions(*cmd, common)) return;
  static ToolRun run;
  static std::string input, output, drag;
  static bool space = false;
  cmd->add_option("name", run.name, "The tool, by its title")->required();
  cmd->add_option("input", input, "The SVG file to read")->required();
  AddOutputOptions(*cmd, output, common, "The SVG file");
  cmd->add_option("--drag", drag,
                  "X0,Y0:X1,Y1[:X2,Y2...]: press at the first point, drag through the "
                  "others, release at the last (document coordinates as Inkscape shows "
                  "them, y down; one point is a click)")
      ->required();
  cmd->add_option("--steps", run.steps, "Drag events added evenly between each pair of points")
      ->check(CLI::Range(0, kMaxDragSteps));
  cmd->add_flag("--alt", run.keys.alt, "Hold Alt through the drag");
  cmd->add_flag("--shift", run.keys.shift, "Hold Shift through the drag");
  cmd->add_flag("--ctrl", run.keys.ctrl, "Hold Ctrl through the drag");
  cmd->add_flag("--space-at-release", space,
                "Hold Space as the button goes up (takes the drag back)");
  cmd->add_option("--set", run.settings,
                  "FIELD=VALUE: an options palette field, in the units the palette shows "
                  "(versalix4 tool NAME --help lists them)");
  cmd->add_option("--preset", run.preset,
                  "Choose a preset of the palette's menu (or \"Default Settings\") first");
  cmd->add_option("--tick-start", run.tickStart, "The time of the first pointer event, in ticks");
  cmd->add_option("--tick-step", run.tickStep, "Ticks from one pointer event to the next");
  AddCommonOptions(*cmd, common);
  cmd->footer([&common] { return ToolFieldsHelp(common, run.name); });
  cmd->callback([&common, &exitCode] {
    std::string error;
    run.points = ParsePointList(drag, &error);
    run.keys.space = space;
    if (!error.empty()) {
      std::cerr << "versalix4: tool: --drag: " << error << "\n";
      exitCode = kExitUsage;
      return;
    }
    if ((exitCode = CheckOutputTarget(input, output, common))) return;
    svg::ImportResult document;
    if ((exitCode = ReadSvgDocument(input, &document))) return;
    exitCode = DragToolOnDocument(common, document, run, [&](const host::art::Document& doc) {
      return WriteSvgDocument(output, doc, &document.kept);
    });
  });
}

}  // namespace vx::app
