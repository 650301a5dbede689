#include "app/cli.h"

#include "host/adm/dialog_manager.h"

#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <cstdio>
#include <filesystem>
#include <initializer_list>
#include <iostream>

#include "app/item_names.h"

namespace vx::app {

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return char(std::tolower(c)); });
  return text;
}

void AddCommonOptions(CLI::App& command, CommonOptions& common) {
  command.add_option("--select", common.select,
                     "Objects to work on, by id or Inkscape label (versalix4 objects FILE "
                     "lists them; default: every top-level object)")
      ->delimiter(',');
  command.add_option("--settings", common.settingsDir,
                     "User settings folder (default: $VERSALIX4_SETTINGS, "
                     "else $XDG_CONFIG_HOME/versalix4)");
  command.add_flag("--accept-warnings", common.acceptWarnings,
                   "Write the result even when the plug-in warns or objects are left "
                   "unchanged (the warnings are still printed)");
  command.add_option("--host-version", common.hostVersion,
                     "Version text the host reports (default \"15\", a "
                     "CS5-like host; \"13\" is CS3, \"8\" is AI8)")
      ->group(kDeveloperOptions);
  command.add_option("--plugin", common.pluginPath,
                     "Plug-in module to load (default: the one installed beside "
                     "this program)")
      ->group(kDeveloperOptions);
  command.add_flag("-v,--verbose", common.verbose,
                   "Log every call of the plug-in to the host on stderr")
      ->group(kDeveloperOptions);
}

void AddLastOption(CLI::App& command, CommonOptions& common) {
  command.add_flag("--last", common.last,
                   "Start from the remembered Last Setting instead of the Default Setting "
                   "(without it the same command line always gives the same file)");
}

const CLI::Validator kFiniteNumber(
    [](std::string& text) -> std::string {
      char* end = nullptr;
      const double value = std::strtod(text.c_str(), &end);
      if (text.empty() || *end || !std::isfinite(value)) return "not a finite number: " + text;
      return "";
    },
    "NUMBER");

bool SetsUpOptions(const CLI::App& command, const CommonOptions& common) {
  return common.setUpOnly.empty() || command.check_name(common.setUpOnly);
}

void AddOutputOptions(CLI::App& command, std::string& output, CommonOptions& common,
                      const char* what) {
  command.add_option("-o,--output", output,
                     std::string(what) + " to write (\"-\": standard output)");
  command.add_flag("--in-place", common.inPlace,
                   "Replace the input file (with no -o, or -o naming the input)");
}

namespace {
// The plug-in module: $VERSALIX4_PLUGIN, else the build folder's (app/versalix4,
// plugin/VERSALiX4.so), else the one beside this program (the studio program
// is installed beside it), else the installed one (bin/versalix4,
// VX_INSTALLED_LIBDIR/VERSALiX4.so).
std::string DefaultPluginPath() {
  if (const char* env = std::getenv("VERSALIX4_PLUGIN"); env && *env) return env;
  return ProgramFile({"../plugin/VERSALiX4.so", "VERSALiX4.so",
                      VX_INSTALLED_LIBDIR "/VERSALiX4.so"});
}
}  // namespace

std::unique_ptr<host::Host> MakeHost(const CommonOptions& common, int* failure) {
  host::HostOptions options;
  options.versionText = common.hostVersion;
  options.settingsDir = common.settingsDir;
  options.log = common.verbose ? &std::cerr : nullptr;
  std::string path = common.pluginPath.empty() ? DefaultPluginPath()
                                               : common.pluginPath;
  std::string error;
  auto module = host::PluginModule::Load(path, &error);
  if (!module) {
    std::cerr << "versalix4: cannot load the plug-in: " << error << "\n";
    *failure = kExitInternal;
    return nullptr;
  }
  auto h = std::make_unique<host::Host>(std::move(options));
  std::string folder = h->settingsDir().string();
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  if (folder.size() > kMaxSettingsPath) {
    std::cerr << "versalix4: the settings folder " << folder << " is " << folder.size()
              << " characters long; at most " << kMaxSettingsPath << " are supported\n";
    *failure = kExitUsage;
    return nullptr;
  }
  h->AttachPlugin(std::move(module));
  h->dialogs().itemNames = &ItemNameOf;
  // Alerts before a command's own console takes over (start-up: a preset
  // file kept aside) reach the user too.
  h->dialogs().onAlert = [](const host::adm::Alert& a) { std::cerr << "versalix4: " << a.text << "\n"; };
  return h;
}

std::string CodeText(int32_t code) {
  int32_t high = code >> 16;
  if (high == 0 || high == -1) return std::to_string(code);
  std::string text;
  for (int shift = 24; shift >= 0; shift -= 8)
    text += static_cast<char>((uint32_t(code) >> shift) & 0xFF);
  return text;
}

std::string NumberText(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.10g", value);
  return text;
}

std::string RangeText(double min, double max, const std::string& unit) {
  std::string text = NumberText(min) + " to " + NumberText(max);
  if (unit.empty()) return text;
  return text + (unit == "%" || unit == "°" ? "" : " ") + unit;
}

int ReportFailure(const std::string& what, int32_t code) {
  std::cerr << "versalix4: " << what << " (" << CodeText(code) << ")\n";
  return kExitFailed;
}

}  // namespace vx::app
