// versalix4 info: start the plug-in, list what it registered, shut it down.
#include <iostream>

#include "app/cli.h"

namespace vx::app {

void SetUpInfoCommand(CLI::App& app, CommonOptions& common, int& exitCode) {
  CLI::App* cmd = app.add_subcommand(
      "info", "Start the plug-in and list everything it registered");
  AddCommonOptions(*cmd, common);
  cmd->callback([&common, &exitCode] {
    auto host = MakeHost(common);
    if (!host) {
      exitCode = kExitIo;
      return;
    }
    int32_t result = host->Startup();
    int32_t shutdown = host->Shutdown();
    if (result) {
      exitCode = ReportFailure("start-up failed", result);
      return;
    }
    if (shutdown) exitCode = ReportFailure("shutdown failed", shutdown);
  });
}

}  // namespace vx::app
