// The tool table: one row per tool, in slot order, read by start-up
// registration, tool routing and the preset kinds. A tool is a row here,
// its record header and its behaviour; nothing else keeps a list of tools.
#pragma once

#include <cstdint>

#include "generated/resource_ids.h"
#include "presets/preset_codec.h"
#include "shell/globals.h"
#include "vx_sdk.h"

namespace vx {

// Strings of slot s in res::kToolTexts: identifier, title (also the name the tool
// is registered under) and tool tip.
constexpr int32_t ToolIdentifierIndex(ToolSlot s) { return 3 * s + 1; }
constexpr int32_t ToolTitleIndex(ToolSlot s) { return 3 * s + 2; }
constexpr int32_t ToolTipIndex(ToolSlot s) { return 3 * s + 3; }

// Where start-up places a tool among the host's tool groups and toolsets.
enum class ToolPlacement : uint8_t {
  kNewGroup,       // the first tool: a new tool group and a new toolset
  kNewToolset,     // the first group's tool group, a toolset of its own
  kLeaderToolset,  // the toolset of the last tool that started one
};

// One of the tool's mouse operations (Mouse Down, Drag, Up); the tool's
// result travels back to the host unchanged.
using ToolEntry = ASErr (*)(AIToolMessage* message);

struct DragTool;
struct ToolPaletteSpec;

struct ToolInfo {
  ToolSlot slot;
  const char* name;        // "Warp", as the title string reads
  int32_t icon;            // icon resource
  ToolPlacement placement;
  int32_t paletteTemplate;          // options palette dialog; 0 none
  ToolPaletteIndex paletteIndex;    // ToolPaletteOf / ToolParams entry
  int16_t selectCursor;             // cursor set on Select; 0 none
  // Track Cursor of the tools without shapes: selectCursor with Alt up and
  // Shift up, then these for Shift alone, Alt alone, Alt and Shift.
  int16_t shiftCursor = 0;
  int16_t altCursor = 0;
  int16_t altShiftCursor = 0;
  // Offset of a record flag without which Alt shows the Alt-up cursors
  // (MetaBrush's key "D"); -1 for none.
  int32_t altCursorFlag = -1;
  // Cursors chosen by the record's shape (Warp and Wave); each has an Alt
  // twin one number higher. Null and 0 for the other tools.
  const int16_t* shapeCursors = nullptr;
  int32_t shapeCursorCount = 0;
  // The options record as stored (size and block label) and its presets;
  // null for a tool without options.
  const PresetKind* presetKind = nullptr;
  // Called by the dialog manager while Select creates the options palette
  // (makes the record, fills and connects the controls); null: the palette
  // is created without one.
  ADMDialogInitProc paletteInit = nullptr;
  // The palette's binding of the record, its "?" item and help topic
  // (tools/tool_palette.h); null without a palette. Rows with one name
  // InitToolPalette as their paletteInit.
  const ToolPaletteSpec* palette = nullptr;
  // The tool's behaviour; a null operation answers 0.
  ToolEntry mouseDown = nullptr;
  ToolEntry mouseDrag = nullptr;
  ToolEntry mouseUp = nullptr;
  // Whole-selection tools whose operations are the shared drag cycle's
  // (tools/tool_drag.h); null for the others.
  const DragTool* drag = nullptr;
};

constexpr int kToolCount = 9;

// Row i of the slot order (0 .. 8); null outside.
const ToolInfo* ToolAt(int i);
// The row of a slot; null for an empty slot.
const ToolInfo* ToolOfSlot(int slot);
// The tool registered under handle `tool` (compared with ToolHandles in slot
// order); null when none matches.
const ToolInfo* ToolOfHandle(AIToolHandle tool);

}  // namespace vx
