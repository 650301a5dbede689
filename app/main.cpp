// versalix4: vector-art commands of the VERSALiX4 plug-in, run through our
// own host on SVG documents.
#include <csignal>
#include <iostream>
#include <memory>
#include <string>

#include "app/cli.h"
#include "host/platform/process_heap.h"

namespace {

// The program with its commands, in the order help lists them.
std::unique_ptr<CLI::App> MakeApp(vx::app::CommonOptions& common, int& exitCode,
                                  const std::string& version) {
  auto app = std::make_unique<CLI::App>(
      "VERSALiX4: 3D Transform, Fractalize, live effects, tools and presets "
      "for SVG artwork.\nEvery command runs the VERSALiX4 plug-in inside its "
      "own host; the input file is never modified.",
      "versalix4");
  app->require_subcommand(1);
  app->set_version_flag("--version", version);
  vx::app::SetUpInfoCommand(*app, common, exitCode);
  vx::app::SetUpConvertCommand(*app, common, exitCode);
  vx::app::SetUpRenderCommand(*app, common, exitCode);
  vx::app::SetUpDemoCommand(*app, common, exitCode);
  vx::app::SetUp3DCommand(*app, common, exitCode);
  vx::app::SetUpEffectCommand(*app, common, exitCode);
  vx::app::SetUpUpdateCommands(*app, common, exitCode);
  vx::app::SetUpScriptCommand(*app, common, exitCode);
  vx::app::SetUpFractalizeCommand(*app, common, exitCode);
  vx::app::SetUpPresetCommand(*app, common, exitCode);
  vx::app::SetUpToolCommand(*app, common, exitCode);
  vx::app::SetUpListCommand(*app, common, exitCode);
  vx::app::SetUpObjectsCommand(*app, common, exitCode);
  vx::app::SetUpInkscapeCommand(*app, common, exitCode);
  vx::app::SetUpStudioCommand(*app, common, exitCode);
  vx::app::AddDocumentGenerators(*app, version);
  return app;
}

// The command whose options are built (vx::app::SetsUpOptions): the one the
// first argument names; none for --version; all of them for help, the
// document generators and no command.
std::string SetUpOnly(int argc, char** argv) {
  if (argc < 2) return "";
  const std::string first = argv[1];
  if (first == "--version") return first;
  return first.starts_with('-') ? "" : first;
}

}  // namespace

int main(int argc, char** argv) {
  vx::host::SetUpProcessHeap();
  // Past a file size limit (RLIMIT_FSIZE) a write then fails with EFBIG and
  // the command ends with its I/O error instead of being killed mid-file.
  signal(SIGXFSZ, SIG_IGN);
  const std::string version = "versalix4 " VX_VERSION;
  vx::app::CommonOptions common;
  int exitCode = vx::app::kExitOk;
  common.setUpOnly = SetUpOnly(argc, argv);
  std::unique_ptr<CLI::App> app = MakeApp(common, exitCode, version);
  const auto named = [&common](const CLI::App* c) { return c->check_name(common.setUpOnly); };
  if (!common.setUpOnly.empty() && !common.setUpOnly.starts_with('-') &&
      app->get_subcommands(named).empty()) {
    // Not a command: everything is set up, so that the error reads as always.
    common.setUpOnly.clear();
    app = MakeApp(common, exitCode, version);
  }
  try {
    app->parse(argc, argv);
  } catch (const CLI::CallForHelp& e) {
    return app->exit(e);
  } catch (const CLI::CallForAllHelp& e) {
    return app->exit(e);
  } catch (const CLI::CallForVersion& e) {
    return app->exit(e);
  } catch (const CLI::Success&) {
    return vx::app::kExitOk;  // a help option that printed its text
  } catch (const CLI::RuntimeError& e) {
    return e.get_exit_code();  // a help option that printed why it could not
  } catch (const CLI::ParseError& e) {
    std::cerr << "versalix4: " << e.what() << "\nRun 'versalix4 --help' for usage.\n";
    return vx::app::kExitUsage;
  } catch (const std::exception& e) {
    std::cerr << "versalix4: internal error: " << e.what() << "\n";
    return vx::app::kExitInternal;
  }
  return exitCode;
}
