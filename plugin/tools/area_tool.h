// The mouse cycle of the area tools (Broom and Craft): a circular target
// area drawn on the artwork, Alt-drag changing only its radius, the click
// filter, Shift's axis lock, the pinch and twirl amounts, Drag Along
// recording and the trace copies. Each tool supplies an AreaTool: how to
// read its record and how to move the selection or a copy for one step.
//
// Choices where the cycle is open:
// - Radius mode and Craft's anchor insertion are decided by the keys held
//   at mouse down (the cursor shown then) and kept for the whole drag.
// - The indicator follows the pointer of the current step in Dynamic (drawn
//   after the click filter and the axis lock), so it sits under the cursor.
// - The release point of the trace list is the pointer at mouse up under
//   the drag's axis lock.
#pragma once

#include <cstdint>

#include "shell/globals.h"
#include "tools/area_sweep.h"
#include "tools/area_trace.h"
#include "tools/area_tracking.h"
#include "vx_sdk.h"

namespace vx {

// What a tool's record says for one drag.
struct AreaSettings {
  int16_t sweep;       // AreaSweep
  int16_t resistance;  // 1 .. 5
  float radius;        // points
  bool groupAsUnit;    // Broom only
  AreaTraceOptions trace;
};

struct AreaTool {
  float pinchRate;  // pinch amount per point dragged up
  AreaSettings (*settings)(const void* record);
  // Stores an Alt-dragged radius in the record and shows it on the palette.
  void (*setRadius)(void* record, float radius);
  // Moves the selection list for step s (t->scratch is allocated).
  ASErr (*moveSelection)(const AreaStep& s, const AreaSettings& o, ToolTracking* t);
  // Moves one selected art of a trace copy for step s; *done when its
  // members need no visit. The cycle walks the copy: the copy and, inside
  // groups, compound paths and plug-in group art's edit group, every art
  // whose selected attribute is set.
  // t->scratch and t->source are allocated.
  ASErr (*moveCopyArt)(const AreaStep& s, const AreaSettings& o, AIArtHandle art,
                       const ToolTracking& t, bool* done);
  // Alt+Shift mouse down at `where`; null: Alt+Shift acts as Alt.
  ASErr (*altShiftClick)(AIRealPoint where);
};

// The area state of the drag in progress.
AreaTracking& AreaState();

// The three mouse operations, shared by the area tools.
ASErr AreaMouseDown(const AreaTool& tool, AIToolMessage* message);
ASErr AreaMouseDrag(const AreaTool& tool, AIToolMessage* message);
ASErr AreaMouseUp(const AreaTool& tool, AIToolMessage* message);

// The area indicator as new path art on top of the current layer (an
// unfilled, stroked circle, see AreaIndicatorSegments).
ASErr DrawAreaIndicator(const AIRealPoint& centre, float radius, AIArtHandle* art);
// Disposes of the indicator when it is still on the artwork (the host's undo
// may have taken it already); *art becomes null.
ASErr RemoveAreaIndicator(AIArtHandle* art);

// The rows' mouse operations of the two area tools.
ASErr BroomMouseDown(AIToolMessage* message);
ASErr BroomMouseDrag(AIToolMessage* message);
ASErr BroomMouseUp(AIToolMessage* message);
ASErr CraftMouseDown(AIToolMessage* message);
ASErr CraftMouseDrag(AIToolMessage* message);
ASErr CraftMouseUp(AIToolMessage* message);

}  // namespace vx
