// The reader of session scripts (versalix4 script): the whole session is
// read and checked before any line runs, so that a mistake on line 20 stops
// the session before line 1 opened or saved anything. Reading needs no host.
#pragma once

#include <string>
#include <vector>

#include "host/tools/tool_driver.h"

namespace vx::app {

// The most drag events added between two points of a drag (--steps, and
// "steps N" in a session).
inline constexpr int kMaxDragSteps = 10000;

struct ScriptAction {
  enum class Verb {
    Open, Select, Menu, Palette, ToolSelect, ToolOptions, ToolSet, ToolPreset, ToolDrag,
    Update, Save
  };
  Verb verb = Verb::Update;
  int line = 0;  // from 1, in the session's text
  // Open, Save: the file; Menu: the item's text; Palette: the effect;
  // ToolSelect, ToolOptions: the tool's title (ToolDrag: the tool to pick
  // first, "" for the current one); ToolSet: FIELD=VALUE; ToolPreset: the
  // preset; Select: "all", "none" or ids.
  std::string text;
  std::vector<std::string> ids;  // Select by ids
  std::string action;            // Palette: the palette action ("set 11=4")
  host::tools::DragSpec drag;    // ToolDrag
};

// Reads a session: one action a line, blank lines and lines starting with #
// skipped, a CR before the line end ignored. On the first line that cannot
// be read answers false with "LINE: why" in *error.
bool ReadSession(const std::string& text, std::vector<ScriptAction>* actions,
                 std::string* error);

// "X,Y:X,Y...": points with finite coordinates; empty with *error set when
// a point is not X,Y or no point is given.
std::vector<AIRealPoint> ParsePointList(const std::string& text, std::string* error);

}  // namespace vx::app
