// The drag cycle the tools share: the tracking state of one drag, the
// selection and its bounds, undoing the previous drag step, the click
// filter, Shift's axis lock, the trace list and the trace copies.
//
// How a tool plugs in
// ===================
// A tool is one row of the tool table (tools/tool_table.cpp). Its Mouse
// Down, Mouse Drag and Mouse Up are ToolEntry functions (AIToolMessage* ->
// result code) that tool routing calls after its guards (an options palette
// exists, except for AlignPoints) and around which it sets the cursor. A
// tool's options record is gGlobals->ToolParams[row.paletteIndex], made by
// its palette (ToolRecord below gives it, or null before the palette).
//
// 1. Whole-selection tools (Warp, Wave, Lens): the row names
//    DragCycleMouseDown / DragCycleMouseDrag / DragCycleMouseUp and points
//    its `drag` field at a DragTool. The cycle then does everything:
//    - Mouse Down collects the selection and its bounds ("!sel" when nothing
//      usable is selected), remembers the down point and time.
//    - Every Mouse Drag reverts the previous step with the host's undo
//      (RevertStep), applies Shift's axis lock, sets the cursor, runs the
//      click filter and the Drag Along recording, then calls
//      DragTool::deformPath once for every path (art type path) of the list
//      with a DragStep whose `point` is the current point. A failing call
//      ends the step with its error; the host takes back what the failing
//      message changed and shows the last successful step again.
//    - Mouse Up keeps the last step, reverts it (Space held at release, or
//      Trace), and with Trace fills the trace list and makes the copies: for
//      each list point the source is duplicated and the cycle calls
//      deformPath for every path inside the copy, with DragStep::point set
//      to that list point and DragStep::trace set to its entry.
//    A deformPath reads everything it needs from the DragStep (bounds, down
//    point, the point the drag ends at, Alt, the record, the segment scratch)
//    and changes only the path it is given; it must not keep pointers into
//    the step. It must give the same result for the same step, since a drag
//    step is applied, undone and applied again at every mouse move.
//
// 2. Tools with drags of their own (Craft, Broom, Roughening, AlignPoints,
//    MetaBrush, Trail) write their own three ToolEntry functions and use the
//    pieces below in the same order as the cycle does: CollectSelection and
//    BeginTracking at Mouse Down; RevertStep, LockAxis, ClickFiltered,
//    RecordDragAlong / AppendTracePoint and DeformSelection (or their own
//    deformation followed by MarkApplied) at every drag step;
//    ReleaseIsClick, SpaceHeldAtRelease, RevertStep, FillSteppedTrace and
//    MakeTraceCopies (or their own copies) at Mouse Up, and EndTracking on
//    every way out of Mouse Up (and of a failed Mouse Down).
//
// Reverting and applying a step: everything a tool changes between mouse
// down and mouse up is one undoable step of the host; RevertStep asks the
// host to undo the changes made so far in that step (AIUndoSuite::
// UndoChanges), so a drag step always starts from the artwork as it was at
// mouse down. MarkApplied records that the artwork now shows a step (and
// its Alt state), which the next RevertStep undoes.
//
// Memory: the art list is the host's (released by EndTracking); the trace
// list ("g buffer for trace", grown as "g buffer2 for trace") and the
// segment scratch ("g buffer for segments", kScratchSegments segments,
// allocated at the first step that needs it and reused for every path and
// move) are plug-in blocks freed by EndTracking. No block stays live after
// Mouse Up, whatever happened.
#pragma once

#include <cstdint>

#include "shell/globals.h"
#include "vx_sdk.h"

namespace vx {

struct ToolInfo;

// The modes of the trace popups, as the cycle understands them (a tool maps
// its menu index onto these).
enum class TraceMode : int32_t {
  kDragAlong,   // points recorded while dragging, Space apart
  kUniform,     // f(t) = t
  kAccelerate,  // f(t) = t squared
  kDecelerate,  // f(t) = 1 - (1 - t) squared
  kFullCycle,   // Steps copies, all at the up point (the tool spreads them
                // by DragStep::traceIndex)
};

// A tool's trace settings for one drag, read from its record.
struct TraceOptions {
  bool on;            // Trace is checked
  TraceMode mode;
  bool roundTrip;     // a backward pass follows the forward one
  float space;        // Drag Along spacing, document units
  int32_t steps;      // copies of the stepped modes (already truncated)
  // The tool-specific case: the first list point gets a copy, the backward
  // pass reaches index 0, there is no final undeformed copy.
  bool fromFirstPoint;
  // The source is removed at the end (when the stepped count is not 0).
  bool removeSource;
  // Drag Along records the down point first when the list is empty.
  bool recordDownFirst;
};

// What the cycle passes to a tool's deformation.
struct DragStep {
  const ToolTracking* tracking;  // bounds, down point, modifiers ...
  const void* record;            // the tool's options record
  AIRealPoint point;             // where the drag is taken to end
  bool alt;                      // the variant with the axes exchanged
  Segment* scratch;              // kScratchSegments segments, reusable
  Segment* source;               // the same, for a path read before mapping
  // Trace copies: the list entry and its index (null / -1 while dragging),
  // and the number of copies the pass makes.
  const TracePoint* trace;
  int32_t traceIndex;
  int32_t traceCount;
};

// A whole-selection tool, as the drag cycle calls it.
struct DragTool {
  // Deforms one path in place for step.point. Returns 0 or an error (-108,
  // a host error) that ends the step.
  ASErr (*deformPath)(const DragStep& step, AIArtHandle path);
  // The trace settings of this record.
  TraceOptions (*traceOptions)(const void* record);
  // Optional: fills what the tool keeps with a trace entry (Lens: its area
  // size in `aux`), for every point recorded or filled. Null: nothing.
  void (*annotate)(const void* record, TracePoint* entry);
};

// ---- the whole cycle (row entries of whole-selection tools) --------------------
ASErr DragCycleMouseDown(AIToolMessage* message);
ASErr DragCycleMouseDrag(AIToolMessage* message);
ASErr DragCycleMouseUp(AIToolMessage* message);

// ---- the pieces ------------------------------------------------------------------

// The tracking state (one set: only one drag is ever in progress).
ToolTracking& Tracking();
// The tool's options record, or null (no palette yet, or no record).
void* ToolRecord(const ToolInfo& tool);

// Mouse down, 1-2: the selected groups, paths, compound paths, art of type 8
// and plug-in group art into t->art, and the union of the selected paths'
// bounds (boundsEmpty when the list holds no path). "!sel" when nothing is
// selected; on any error the list is released.
ASErr CollectSelection(ToolTracking* t);
// Mouse down, 3: down point and time, current point = down point, empty
// trace list, nothing applied.
void BeginTracking(ToolTracking* t, const AIEvent& event);
// Undoes the step on the artwork when one is applied; clears `applied`.
ASErr RevertStep(ToolTracking* t);
// Records that a step is on the artwork, made for `point` with or without
// Alt.
void MarkApplied(ToolTracking* t, AIRealPoint point, bool alt);
// A drag step (or Mouse Up) failed with `error`: the host takes back what
// the failing message changed and puts the last successful step back on
// the artwork, so the state counts that step as applied again. Answers
// `error`.
ASErr StepFailed(ToolTracking* t, ASErr error);
// Shift's axis lock: with Shift and without Alt the horizontal coordinate
// becomes the bounds' centre, with Alt the vertical one.
AIRealPoint LockAxis(const ToolTracking& t, AIRealPoint p, uint16_t modifiers);
// The click filter: nothing applied yet, no more than 29 ticks after the
// mouse down and within 2 points of the down point in both coordinates.
bool ClickFiltered(const ToolTracking& t, const AIEvent& event);
// Appends one entry to the trace list (grown by 100 entries at a time).
ASErr AppendTracePoint(ToolTracking* t, const TracePoint& entry);
// Drag Along: appends p when it is more than `space` from the last recorded
// point in either coordinate; an empty list measures from the down point,
// or first records the down point itself when recordDownFirst.
ASErr RecordDragAlong(ToolTracking* t, AIRealPoint p, const TraceOptions& o,
                      const DragTool* tool, const void* record);
// Drag step, 6: calls tool.deformPath for every path (art type path) of the
// list with the drag ending at `point`, then MarkApplied. The first error
// ends the walk.
ASErr DeformSelection(ToolTracking* t, const DragTool& tool, const void* record,
                      AIRealPoint point, bool alt);
// Mouse up: the up point lies within 1 point of the down point in both
// coordinates.
bool ReleaseIsClick(const ToolTracking& t, AIRealPoint up);
// Mouse up: the dialog toolkit's tracker reports exactly 0x200 (Space held)
// at release; the tool event's modifier word is not consulted.
bool SpaceHeldAtRelease();
// Mouse up, stepped modes: the list becomes the down point followed by n
// points sharing the up point's other coordinate, whose drag coordinate
// (vertical, with Alt horizontal) is down + (up - down) f(i / n). Full Cycle:
// n entries at the up point.
ASErr FillSteppedTrace(ToolTracking* t, AIRealPoint up, const TraceOptions& o,
                       bool alt, const DragTool* tool, const void* record);
// The segment scratch and the source buffer, allocated on first use (so a
// drag's Mouse Up, which the steps prepared, maps its copies without
// allocating).
ASErr EnsureScratch(ToolTracking* t);
// The trace copies for the list points: forward pass, the Round Trip's
// backward pass and final undeformed copy, Ctrl's new layer per copy after
// the first, the source removed in the tool-specific case.
ASErr MakeTraceCopies(ToolTracking* t, const DragTool& tool, const void* record,
                      const TraceOptions& o, bool alt, bool ctrl);
// Frees the trace list, the scratch and the art list; the state is empty.
void EndTracking(ToolTracking* t);

}  // namespace vx
