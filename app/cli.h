// The versalix4 command line: options every command shares, exit codes, and
// the set-up of each sub-command (one file per command).
#pragma once

#include <CLI/CLI.hpp>

#include <memory>
#include <string>
#include <vector>

#include "host/core/host.h"

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
};

// Adds the options every command takes to a sub-command.
void AddCommonOptions(CLI::App& command, CommonOptions& common);

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

}  // namespace vx::app
