// Inkscape extensions of the plug-in's commands: one .inx file a command
// (3D Transform, Fractalize, each live effect, Update, Expand, Release)
// with a parameter page made from the plug-in's own tables, all run by one
// launcher, and the translation of Inkscape's call of the launcher into the
// versalix4 command line the page stands for.
#pragma once

#include <string>
#include <vector>

#include "host/core/host.h"

namespace vx::app {

struct InxFile {
  std::string name;  // "versalix4-live-border.inx"
  std::string text;
};

// The launcher's file name in the extensions folder; every .inx runs it.
inline constexpr const char* kInkscapeLauncher = "versalix4-inkscape";

// The .inx files for a started host (its effect palettes are opened to read
// their fields' ranges, entries and Default Settings values). Empty with
// *error set when a table or palette cannot be read.
std::vector<InxFile> InkscapeExtensions(host::Host& host, std::string* error);

// Inkscape's arguments (--param=value ..., --id=ID per selected object, the
// document's path last) as the versalix4 arguments of the command the .inx
// page stands for, writing to standard output (or to the file of an
// --output=FILE argument). Empty with *error set when they are not what a
// generated page passes.
std::vector<std::string> InkscapeCommandLine(const host::PluginModule& module,
                                             const std::vector<std::string>& args,
                                             std::string* error);

}  // namespace vx::app
