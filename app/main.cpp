// versalix4: vector-art commands of the VERSALiX4 plug-in, run through our
// own host on SVG documents.
#include <csignal>
#include <iostream>

#include "app/cli.h"

int main(int argc, char** argv) {
  // Past a file size limit (RLIMIT_FSIZE) a write then fails with EFBIG and
  // the command ends with its I/O error instead of being killed mid-file.
  signal(SIGXFSZ, SIG_IGN);
  CLI::App app{
      "VERSALiX4: 3D Transform, Fractalize, live effects, tools and presets "
      "for SVG artwork.\nEvery command runs the VERSALiX4 plug-in inside its "
      "own host; the input file is never modified.",
      "versalix4"};
  app.require_subcommand(1);
  const std::string version = "versalix4 " VX_VERSION;
  app.set_version_flag("--version", version);
  vx::app::CommonOptions common;
  int exitCode = vx::app::kExitOk;
  vx::app::SetUpInfoCommand(app, common, exitCode);
  vx::app::SetUpConvertCommand(app, common, exitCode);
  vx::app::SetUpRenderCommand(app, common, exitCode);
  vx::app::SetUpDemoCommand(app, common, exitCode);
  vx::app::SetUp3DCommand(app, common, exitCode);
  vx::app::SetUpEffectCommand(app, common, exitCode);
  vx::app::SetUpUpdateCommands(app, common, exitCode);
  vx::app::SetUpScriptCommand(app, common, exitCode);
  vx::app::SetUpFractalizeCommand(app, common, exitCode);
  vx::app::SetUpPresetCommand(app, common, exitCode);
  vx::app::SetUpToolCommand(app, common, exitCode);
  vx::app::SetUpListCommand(app, common, exitCode);
  vx::app::SetUpObjectsCommand(app, common, exitCode);
  vx::app::SetUpStudioCommand(app, common, exitCode);
  vx::app::AddDocumentGenerators(app, version);
  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp& e) {
    return app.exit(e);
  } catch (const CLI::CallForAllHelp& e) {
    return app.exit(e);
  } catch (const CLI::CallForVersion& e) {
    return app.exit(e);
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
