#include "tools/tool_routing.h"

#include <cstring>

#include "generated/resource_ids.h"
#include "geometry/segment_buffer.h"
#include "presets/param_record.h"
#include "shell/globals.h"
#include "shell/help_window.h"
#include "shell/suites.h"
#include "tools/tool_drag.h"
#include "tools/tool_table.h"

namespace vx {
namespace {

constexpr int32_t kToolTitleSize = 256;

bool Is(const char* selector, const char* name) {
  return std::strcmp(selector, name) == 0;
}

bool IsAlignPoints(const ToolInfo& tool) { return tool.slot == kAlignPointsSlot; }

uint16_t Modifiers(const AIToolMessage* message) {
  return message->event ? message->event->modifiers : 0;
}

// The shape of a shape-driven tool: the 16-bit field after the record's
// name. Before the palette made the record it is shape 0; a stored shape
// outside the table (a damaged preset) shows the nearest table entry.
int32_t ShapeOf(const ToolInfo& tool) {
  const void* record = ToolRecord(tool);
  if (!record) return 0;
  int16_t shape = 0;
  std::memcpy(&shape, static_cast<const char*>(record) + kParamNameSize,
              sizeof shape);
  if (shape < 0) return 0;
  return shape < tool.shapeCursorCount ? shape : tool.shapeCursorCount - 1;
}

bool RecordFlagSet(const ToolInfo& tool, int32_t offset) {
  const void* record = ToolRecord(tool);
  if (!record || offset < 0) return false;
  int32_t flag = 0;
  std::memcpy(&flag, static_cast<const char*>(record) + offset, sizeof flag);
  return flag != 0;
}

// ---- the seven operations ---------------------------------------------------------

ASErr Deselect() {
  PluginGlobals& g = *gGlobals;
  if (!g.ToolPalette) return kNoErr;
  ASRect bounds{};
  sADMDialog->GetBoundsRect(g.ToolPalette, &bounds);
  g.ToolPaletteLeft = bounds.left;
  g.ToolPaletteTop = bounds.top;
  sADMDialog->Activate(g.ToolPalette, false);
  sADMDialog->Show(g.ToolPalette, false);
  return kNoErr;
}

ASErr Select(AIToolMessage* message) {
  // This hold keeps the suites for the palette's callbacks; only Shutdown
  // drops it.
  if (ASErr err = AcquireSuites(message->d.basic)) return err;
  PluginGlobals& g = *gGlobals;
  if (g.ToolPalette) {
    sADMDialog->Destroy(g.ToolPalette);
    g.ToolPalette = nullptr;
    // No entry may name the destroyed palette, also when the new tool
    // (AlignPoints) makes none.
    for (ADMDialogRef& palette : g.ToolPaletteOf) palette = nullptr;
  }
  const ToolInfo* tool = ToolOfHandle(message->tool);
  if (!tool) return kNoErr;
  const int slot = tool->slot;
  if (slot == kLensSlot || slot == kCraftSlot || slot == kRoughSlot ||
      slot == kBroomSlot) {
    // No drag is under way between tools; a list left behind is released.
    ReleaseArtList(&g.tracking.art);
    g.tracking.artCount = 0;
  }
  if (tool->selectCursor) g.ToolCursorId = tool->selectCursor;
  if (IsAlignPoints(*tool) || !tool->paletteTemplate) return kNoErr;

  g.ToolPalette = sADMDialog->Create(message->d.self, "", tool->paletteTemplate,
                                     kToolPaletteStyle, tool->paletteInit,
                                     nullptr, 0);
  if (g.ToolPalette) {
    char title[kToolTitleSize] = "";
    sADMBasic->GetIndexString(message->d.self, res::kToolTexts,
                              ToolTitleIndex(tool->slot), title, kToolTitleSize);
    sADMDialog->SetText(g.ToolPalette, title);
  }
  for (ADMDialogRef& palette : g.ToolPaletteOf) palette = nullptr;
  g.ToolPaletteOf[tool->paletteIndex] = g.ToolPalette;
  if (g.ToolPalette) {
    sADMDialog->Move(g.ToolPalette, g.ToolPaletteLeft, g.ToolPaletteTop);
    sADMDialog->Show(g.ToolPalette, true);
    sADMDialog->Activate(g.ToolPalette, true);
  }
  return kNoErr;
}

ASErr EditOptions(AIToolMessage* message) {
  Deselect();
  gGlobals->ToolPaletteLeft = kToolPaletteStartLeft;
  gGlobals->ToolPaletteTop = kToolPaletteStartTop;
  if (ASErr err = Select(message)) return err;
  const ToolInfo* tool = ToolOfHandle(message->tool);
  if (tool && IsAlignPoints(*tool))
    return ShowHelpTopic(message->d.self, res::HelpTopics::kAlignPointsTool);
  return kNoErr;
}

// Mouse events reach a tool only while its palette exists (AlignPoints has
// none and always gets them).
bool MouseAllowed(const ToolInfo& tool) {
  return gGlobals->ToolPalette || IsAlignPoints(tool);
}

ASErr MouseDown(const ToolInfo& tool, AIToolMessage* message) {
  if (!MouseAllowed(tool)) return kNoErr;
  if (tool.mouseDown)
    if (ASErr err = tool.mouseDown(message)) return err;
  if (sDocument && sDocument->RedrawDocument) sDocument->RedrawDocument();
  TrackToolCursor(tool, Modifiers(message));
  return kNoErr;
}

ASErr MouseDrag(const ToolInfo& tool, AIToolMessage* message) {
  if (!MouseAllowed(tool)) return kNoErr;
  TrackToolCursor(tool, Modifiers(message));
  return tool.mouseDrag ? tool.mouseDrag(message) : kNoErr;
}

ASErr MouseUp(const ToolInfo& tool, AIToolMessage* message) {
  TrackToolCursor(tool, Modifiers(message));
  if (!MouseAllowed(tool)) return kNoErr;
  const ASErr result = tool.mouseUp ? tool.mouseUp(message) : kNoErr;
  TrackToolCursor(tool, Modifiers(message));
  return result;
}

}  // namespace

int16_t ToolCursorFor(const ToolInfo& tool, uint16_t modifiers) {
  const bool alt = modifiers & kAIEventAltKey;
  const bool shift = modifiers & kAIEventShiftKey;
  if (tool.shapeCursors && tool.shapeCursorCount > 0)
    return int16_t(tool.shapeCursors[ShapeOf(tool)] + (alt ? 1 : 0));
  if (alt && (tool.altCursorFlag < 0 || RecordFlagSet(tool, tool.altCursorFlag)))
    return shift ? tool.altShiftCursor : tool.altCursor;
  return shift ? tool.shiftCursor : tool.selectCursor;
}

void TrackToolCursor(const ToolInfo& tool, uint16_t modifiers) {
  PluginGlobals& g = *gGlobals;
  g.ToolCursorId = ToolCursorFor(tool, modifiers);
  if (!sPlatformCursor || !sPlugins || !sAccess) return;
  SPAccessRef access = nullptr;
  SPPlatformAccessRef module = nullptr;
  if (sPlugins->GetPluginAccess(g.PluginRef, &access) ||
      sAccess->GetAccessInfo(access, &module))
    return;
  if (VxCursorRef cursor = sPlatformCursor->LoadCursor(module, g.ToolCursorId))
    sPlatformCursor->SetCursor(cursor);
}

ASErr RouteTool(const char* selector, AIToolMessage* message) {
  if (Is(selector, kSelectorAISelectTool)) return Select(message);
  if (Is(selector, kSelectorAIDeselectTool)) return Deselect();
  if (Is(selector, kSelectorAIEditToolOptions)) return EditOptions(message);
  const ToolInfo* tool = ToolOfHandle(message->tool);
  if (!tool) return kNoErr;
  if (Is(selector, kSelectorAITrackToolCursor)) {
    TrackToolCursor(*tool, Modifiers(message));
    return kNoErr;
  }
  if (Is(selector, kSelectorAIToolMouseDown)) return MouseDown(*tool, message);
  if (Is(selector, kSelectorAIToolMouseDrag)) return MouseDrag(*tool, message);
  if (Is(selector, kSelectorAIToolMouseUp)) return MouseUp(*tool, message);
  return kNoErr;
}

}  // namespace vx
