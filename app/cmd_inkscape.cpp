// versalix4 inkscape install|uninstall|run: the plug-in's commands in
// Inkscape's Extensions > VERSALiX4 menu. install writes one .inx page a
// command, the launcher they run and a manifest of what it wrote into the
// user's Inkscape extensions folder; uninstall removes exactly what the
// manifest names; run is what the launcher calls with Inkscape's arguments.
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <set>
#include <sstream>

#include "app/cli.h"
#include "app/document_files.h"
#include "app/inkscape_extensions.h"
#include "host/io/atomic_file.h"
#include "host/svg/svg_import.h"

namespace vx::app {

namespace {

namespace fs = std::filesystem;

constexpr const char* kManifest = "versalix4-inkscape.manifest";

// $XDG_CONFIG_HOME/inkscape/extensions, else ~/.config/inkscape/extensions.
fs::path ExtensionsFolder(const std::string& dir) {
  if (!dir.empty()) return dir;
  if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && *config)
    return fs::path(config) / "inkscape" / "extensions";
  const char* home = std::getenv("HOME");
  return fs::path(home ? home : ".") / ".config" / "inkscape" / "extensions";
}

// The manifest's file names; empty when there is none.
std::vector<std::string> ManifestNames(const fs::path& folder) {
  std::vector<std::string> names;
  std::ifstream in(folder / kManifest);
  for (std::string line; std::getline(in, line);)
    // Only plain names in the folder itself are ever removed.
    if (!line.empty() && line.find('/') == std::string::npos && line != "." && line != "..")
      names.push_back(line);
  return names;
}

std::string ShellQuoted(const std::string& text) {
  std::string out = "'";
  for (char c : text) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return out + "'";
}

bool Write(const fs::path& path, const std::string& bytes) {
  std::string error;
  if (host::io::WriteOutput(path, bytes, &error)) return true;
  std::cerr << "versalix4: inkscape install: cannot write " << path.string() << ": " << error
            << "\n";
  return false;
}

int Install(const CommonOptions& common, const fs::path& folder) {
  // The palettes are read on Default Settings in a settings folder of their
  // own, so the user's remembered Last Settings stay as they were.
  const fs::path scratch = fs::temp_directory_path() / ("versalix4-inx-" + std::to_string(getpid()));
  CommonOptions own = common;
  own.settingsDir = scratch.string();
  // The filters' dialogs open on a selected path, as from their menu.
  std::string error;
  auto drawing = svg::ImportSvg(
      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"100\" height=\"100\">"
      "<path d=\"M10 10 L90 10 L50 90 Z\"/></svg>",
      &error);
  if (!drawing) {
    std::cerr << "versalix4: inkscape install: " << error << "\n";
    return kExitInternal;
  }
  std::vector<InxFile> files;
  const int code = RunOnDocument(
      own, *drawing, [&](host::Host& host, host::art::Document&, const std::vector<host::art::Art*>&) {
        files = InkscapeExtensions(host, &error);
        return files.empty() ? int(kExitFailed) : int(kExitOk);
      });
  std::error_code ec;
  fs::remove_all(scratch, ec);
  if (files.empty()) {
    if (!error.empty()) std::cerr << "versalix4: inkscape install: " << error << "\n";
    return code ? code : int(kExitFailed);
  }
  std::error_code self;
  const fs::path program = fs::read_symlink("/proc/self/exe", self);
  if (self) {
    std::cerr << "versalix4: inkscape install: cannot tell where this program is\n";
    return kExitInternal;
  }
  files.push_back({kInkscapeLauncher,
                   "#!/bin/sh\n"
                   "# Runs a VERSALiX4 command for Inkscape: the page's options, one --id a\n"
                   "# selected object and the document last; the result SVG on standard output.\n"
                   "exec " + ShellQuoted(program.string()) + " inkscape run \"$@\"\n"});
  // Files of the same names that an earlier install did not write are the
  // user's: nothing is written over them.
  const std::vector<std::string> before = ManifestNames(folder);
  const std::set<std::string> ours(before.begin(), before.end());
  for (const InxFile& f : files)
    if (fs::exists(folder / f.name) && !ours.count(f.name)) {
      std::cerr << "versalix4: inkscape install: " << (folder / f.name).string()
                << " exists and was not written by versalix4; nothing was installed\n";
      return kExitFailed;
    }
  fs::create_directories(folder, ec);
  if (ec) {
    std::cerr << "versalix4: inkscape install: cannot make " << folder.string() << ": "
              << ec.message() << "\n";
    return kExitIo;
  }
  // The manifest names what is there before anything is written, so that
  // an install cut short is still undone.
  std::set<std::string> both(before.begin(), before.end());
  std::string manifest, written;
  for (const InxFile& f : files) manifest += f.name + "\n", both.insert(f.name);
  for (const std::string& n : both) written += n + "\n";
  if (!Write(folder / kManifest, written)) return kExitIo;
  for (const InxFile& f : files)
    if (!Write(folder / f.name, f.text)) return kExitIo;
  fs::permissions(folder / kInkscapeLauncher, fs::perms::owner_exec | fs::perms::group_exec |
                                                  fs::perms::others_exec,
                  fs::perm_options::add, ec);
  if (ec) {
    std::cerr << "versalix4: inkscape install: cannot make the launcher executable: "
              << ec.message() << "\n";
    return kExitIo;
  }
  // Pages of an earlier install that this one no longer writes go.
  for (const std::string& n : before) {
    if (manifest.find(n + "\n") != std::string::npos) continue;
    if (fs::remove(folder / n, ec); ec) {
      // Still listed in the manifest, so uninstall removes it later.
      std::cerr << "versalix4: inkscape install: cannot remove the old " << (folder / n).string()
                << ": " << ec.message() << "\n";
      return kExitIo;
    }
  }
  if (!Write(folder / kManifest, manifest)) return kExitIo;
  std::cout << "Installed " << files.size() - 1 << " Inkscape extensions and their launcher in "
            << folder.string() << "; restart Inkscape and look in Extensions > VERSALiX4.\n";
  return kExitOk;
}

int Uninstall(const fs::path& folder) {
  const std::vector<std::string> names = ManifestNames(folder);
  if (names.empty()) {
    std::cerr << "versalix4: inkscape uninstall: nothing of versalix4 is installed in "
              << folder.string() << "\n";
    return kExitFailed;
  }
  for (const std::string& n : names) {
    std::error_code ec;
    fs::remove(folder / n, ec);
    if (ec) {
      std::cerr << "versalix4: inkscape uninstall: cannot remove " << (folder / n).string()
                << ": " << ec.message() << "\n";
      return kExitIo;
    }
  }
  std::error_code ec;
  fs::remove(folder / kManifest, ec);
  if (ec) {
    std::cerr << "versalix4: inkscape uninstall: cannot remove the manifest: " << ec.message()
              << "\n";
    return kExitIo;
  }
  std::cout << "Removed " << names.size() << " files from " << folder.string() << ".\n";
  return kExitOk;
}

// Runs the command a page stands for in place of this process.
int Run(const CommonOptions& common, const std::vector<std::string>& args) {
  std::string error;
  int failure = kExitInternal;
  auto host = MakeHost(common, &failure);
  if (!host) return failure;
  std::vector<std::string> command = InkscapeCommandLine(*host->plugin(), args, &error);
  if (command.empty()) {
    std::cerr << "versalix4: inkscape run: " << error << "\n";
    return kExitUsage;
  }
  host.reset();
  std::vector<char*> argv{const_cast<char*>("versalix4")};
  for (std::string& a : command) argv.push_back(a.data());
  argv.push_back(nullptr);
  std::cout.flush();
  execv("/proc/self/exe", argv.data());
  std::cerr << "versalix4: inkscape run: cannot run the command\n";
  return kExitInternal;
}

}  // namespace

void SetUpInkscapeCommand(CLI::App& app, CommonOptions& common, int& exitCode) {
  CLI::App* cmd = app.add_subcommand(
      "inkscape", "Add the commands to Inkscape's Extensions > VERSALiX4 menu, or remove them");
  if (!SetsUpOptions(*cmd, common)) return;
  cmd->require_subcommand(1);
  static std::string dir;
  for (const char* action : {"install", "uninstall"}) {
    CLI::App* sub = cmd->add_subcommand(
        action, std::string(action) == "install"
                    ? "Write an Inkscape extension a command, and their launcher, into the "
                      "extensions folder"
                    : "Remove what install wrote");
    sub->add_option("--dir", dir,
                    "The extensions folder (default: $XDG_CONFIG_HOME/inkscape/extensions, "
                    "else ~/.config/inkscape/extensions)");
    sub->callback([&common, &exitCode, action] {
      const fs::path folder = ExtensionsFolder(dir);
      exitCode = std::string(action) == "install" ? Install(common, folder) : Uninstall(folder);
    });
  }
  CLI::App* run = cmd->add_subcommand(
      "run", "What the launcher runs: Inkscape's --name=value options, --id=ID a selected "
             "object and the document last; writes the result SVG to standard output");
  run->prefix_command();
  run->callback([&common, &exitCode, run] { exitCode = Run(common, run->remaining()); });
}

}  // namespace vx::app
