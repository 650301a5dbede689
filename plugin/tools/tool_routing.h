// Tool event routing: each "AI Tool" message to the operation of the tool it
// addresses, the one options palette (made on Select, hidden on Deselect,
// placed where it was last), the cursor for every pointer position, and the
// hold on the suites while a tool is in use.
#pragma once

#include <cstdint>

#include "vx_sdk.h"

namespace vx {

struct ToolInfo;

constexpr int32_t kToolPaletteStartLeft = 84;
constexpr int32_t kToolPaletteStartTop = 59;
constexpr int32_t kToolPaletteStyle = 3;  // floating tabbed palette

// One of the seven tool selectors for the tool the message names; an
// unmatched handle or selector answers 0 and does nothing.
ASErr RouteTool(const char* selector, AIToolMessage* message);

// The cursor for the tool under these modifier bits (kAIEvent...Key).
int16_t ToolCursorFor(const ToolInfo& tool, uint16_t modifiers);
// Track Cursor: stores the cursor id in ToolCursorId and makes the cursor
// resource of the plug-in's own module current; one that cannot be loaded
// leaves the cursor as it was.
void TrackToolCursor(const ToolInfo& tool, uint16_t modifiers);

}  // namespace vx
