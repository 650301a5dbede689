// The versalix4 command line: options every command shares, exit codes, and
// the set-up of each sub-command (one file per command).
#pragma once

#include <CLI/CLI.hpp>

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "host/core/host.h"
#include "host/platform/program_file.h"

namespace vx::app {

// Exit codes: user mistakes and program faults are told apart.
enum ExitCode {
  kExitOk = 0,
  kExitFailed = 1,     // the operation failed (the plug-in's message is shown)
  kExitUsage = 2,      // the command line is wrong
  kExitIo = 3,         // an input could not be read or an output written
  kExitInternal = 4    // a fault of this program
};

struct CommonOptions {
  std::string hostVersion = "15";
  std::string settingsDir;
  std::string pluginPath;
  bool verbose = false;
  // --select ID[,ID...]: the objects to work on (empty: every top-level one).
  std::vector<std::string> select;
  // --in-place: the output may be the input file.
  bool inPlace = false;
  // --accept-warnings: a warning of the plug-in (or objects left unchanged)
  // does not stop the command from writing its result.
  bool acceptWarnings = false;
  // --last: dialogs and palettes start from their remembered Last Setting
  // instead of their kind's Default Setting.
  bool last = false;
  // Set before the commands are set up: the one command whose options are
  // built, the others keeping only their name and description (see
  // SetsUpOptions); empty: all of them.
  std::string setUpOnly;
};

// Whether a command set-up goes on to build `command`'s options. Building
// every command's options costs more than the rest of a small command's
// start, so main builds only those of the command the line names (help, the
// document generators and a line that names no command build them all, and
// read the same).
bool SetsUpOptions(const CLI::App& command, const CommonOptions& common);

// The help section of the options a developer needs, not a designer.
inline constexpr const char* kDeveloperOptions = "Developer options";

// Adds the options every command takes to a sub-command.
void AddCommonOptions(CLI::App& command, CommonOptions& common);

// --last, for commands that fill in a dialog or palette of the plug-in.
void AddLastOption(CLI::App& command, CommonOptions& common);

// Refuses a number option that is not a finite number ("nan", "inf", 1e999):
// range checks let NaN through.
extern const CLI::Validator kFiniteNumber;

// -o/--output (a file, or "-" for standard output) and --in-place, for
// commands that write one output. CheckOutputTarget (document_files.h)
// checks them before the command does any work.
void AddOutputOptions(CLI::App& command, std::string& output, CommonOptions& common,
                      const char* what);

// The longest settings folder path: the plug-in keeps it, followed by
// "/VERSALiX4 User Settings/" and a terminator, in 300 bytes.
inline constexpr size_t kMaxSettingsPath = 300 - 26;

// A host with the plug-in module loaded (not started). On failure (also a
// settings folder path longer than kMaxSettingsPath) prints one line and
// returns null.
// `failure` receives the exit code: kExitUsage for the settings folder,
// kExitInternal when the plug-in cannot be loaded.
std::unique_ptr<host::Host> MakeHost(const CommonOptions& common, int* failure);

using host::ProgramFile;

// "Default Settings": the first entry of every preset menu of the plug-in.
inline constexpr int32_t kDefaultSettingsEntry = 0;

// "-3600 to 3600 °": a range as messages and help show it.
std::string RangeText(double min, double max, const std::string& unit);
// A number as a person writes it: "99999", "0.5".
std::string NumberText(double value);

// Prints the message of a failed operation and returns kExitFailed.
int ReportFailure(const std::string& what, int32_t code);
// The text in lower case, for matching names that users type in any case.
std::string Lower(std::string text);

// "-108" or "SEGM": a result code as the error dialog shows it.
std::string CodeText(int32_t code);

// Each command file provides one of these; main.cpp lists them.
void SetUpInfoCommand(CLI::App& app, CommonOptions& common, int& exitCode);
void SetUpConvertCommand(CLI::App& app, CommonOptions& common, int& exitCode);
void SetUpRenderCommand(CLI::App& app, CommonOptions& common, int& exitCode);
void SetUpDemoCommand(CLI::App& app, CommonOptions& common, int& exitCode);
void SetUp3DCommand(CLI::App& app, CommonOptions& common, int& exitCode);
void SetUpEffectCommand(CLI::App& app, CommonOptions& common, int& exitCode);
// update, expand and release.
void SetUpUpdateCommands(CLI::App& app, CommonOptions& common, int& exitCode);
void SetUpScriptCommand(CLI::App& app, CommonOptions& common, int& exitCode);
void SetUpFractalizeCommand(CLI::App& app, CommonOptions& common, int& exitCode);
void SetUpPresetCommand(CLI::App& app, CommonOptions& common, int& exitCode);
void SetUpToolCommand(CLI::App& app, CommonOptions& common, int& exitCode);
void SetUpObjectsCommand(CLI::App& app, CommonOptions& common, int& exitCode);
// inkscape install, uninstall and run.
void SetUpInkscapeCommand(CLI::App& app, CommonOptions& common, int& exitCode);
// The browser studio (app/studio/).
void SetUpStudioCommand(CLI::App& app, CommonOptions& common, int& exitCode);
// list and manual.
void SetUpListCommand(CLI::App& app, CommonOptions& common, int& exitCode);

// --man-page and --bash-completion (hidden): the man page and the bash
// completion, generated from the commands set up on `app` (cli_docs.cpp).
void AddDocumentGenerators(CLI::App& app, const std::string& version);

// The user presets of a kind, one a line (preset KIND list).
int RunPresetList(const CommonOptions& common, const std::string& kind);
// A 3D kind's value rows and what its cursor does (3d --help-kind).
int PrintKindHelp(const CommonOptions& common, const std::string& kind);

}  // namespace vx::app
