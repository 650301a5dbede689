// versalix4 studio. The command and its options belong to versalix4; the
// studio itself runs in a program of its own (versalix4-studio), so that its
// HTTP library, and the TLS and compression libraries that library loads,
// are loaded and started by this command only, not by every command.
#pragma once

#include <string>

#include "app/cli.h"

namespace vx::app {

struct StudioOptions {
  std::string file;
  int port = 0;
  bool noBrowser = false;
};

// Runs the studio and answers the exit code. versalix4 replaces itself with
// the studio program, given the same arguments (launch_studio.cpp); the
// studio program serves the page (run_studio.cpp).
int RunStudio(const CommonOptions& common, const StudioOptions& options);

}  // namespace vx::app
