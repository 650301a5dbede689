// versalix4 studio: the plug-in, interactively, in a browser.
#include "app/studio/cmd_studio.h"

namespace vx::app {

void SetUpStudioCommand(CLI::App& app, CommonOptions& common, int& exitCode) {
  CLI::App* cmd = app.add_subcommand(
      "studio", "Open a document in the browser studio: menus, dialogs, palettes and tools");
  if (!SetsUpOptions(*cmd, common)) return;
  static StudioOptions options;
  cmd->add_option("file", options.file, "The SVG file to open (none: a new document)")
      ->check(CLI::ExistingFile);
  cmd->add_option("--port", options.port, "The port to listen on (0: any free port)")
      ->check(CLI::Range(0, 65535));
  cmd->add_flag("--no-browser", options.noBrowser, "Only print the address; start no browser");
  AddCommonOptions(*cmd, common);
  cmd->callback([&common, &exitCode] { exitCode = RunStudio(common, options); });
}

}  // namespace vx::app
