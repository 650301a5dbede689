// The tools from the command line and scripts: the tool titles the plug-in
// registered, a tool's options palette set from FIELD=VALUE settings or a
// preset, the palette's fields for help, and drag points as typed.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "app/cli.h"
#include "app/document_files.h"
#include "app/script_reader.h"
#include "host/adm/dialog.h"
#include "host/tools/tool_driver.h"

namespace vx::app {

// " Warp Wave ...": the registered tools' titles, each after a space.
std::string ToolTitles(host::Host& host);

// The options palette of the current tool, or null (AlignPoints has none).
host::adm::Dialog* CurrentToolPalette(host::Host& host);

// Chooses the preset (when given) from the current tool's palette menu, then
// sets each FIELD=VALUE through the palette's items, as a person would.
// Prints what went wrong and answers its exit code, or kExitOk.
int SetToolPalette(host::Host& host, AIToolHandle tool, const std::vector<std::string>& settings,
                   const std::string& preset);

// The fields of the named tool's palette, for `versalix4 tool NAME --help`;
// "" when no tool is named.
std::string ToolFieldsHelp(const CommonOptions& common, const std::string& name);

// One drag of a tool, as `versalix4 tool` takes it.
struct ToolRun {
  std::string name;  // the tool's title, any case
  std::vector<std::string> settings;  // FIELD=VALUE
  std::string preset;
  // Document coordinates (SVG user units, y down): press at the first,
  // release at the last.
  std::vector<AIRealPoint> points;
  int steps = 0;
  host::tools::Keys keys;  // .space: held at release
  uint32_t tickStart = 0, tickStep = host::tools::TickClock::kDefaultStep;
};

// Drags the tool over the document's selection (--select, or every
// top-level object) in a new host: picks the tool, sets its palette, drags,
// and calls `save` with the result while the host still runs. A failure or
// warning of the plug-in is printed in its own words and fails the run.
int DragToolOnDocument(const CommonOptions& common, svg::ImportResult& document,
                       const ToolRun& run,
                       const std::function<int(const host::art::Document&)>& save);

}  // namespace vx::app
