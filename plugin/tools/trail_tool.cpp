// The Trail tool: at every drag step each selected object leaves copies
// toward the pointer, laid by the Live Trail effect's rule (tools/
// trail_copies.h); an Alt-click picks the end colours.
#include <cmath>

#include "effects/trail.h"
#include "shell/blocks.h"
#include "shell/suites.h"
#include "tools/copy_sources.h"
#include "tools/point_tools.h"
#include "tools/tool_drag.h"
#include "tools/tool_routing.h"
#include "tools/tool_table.h"
#include "tools/trail_copies.h"

namespace vx {
namespace {

// The end colours become the fill and stroke of the path under the
// pointer (a side it does not paint keeps its colour).
ASErr PickEndColours(TrailToolParams* record, AIRealPoint where) {
  AIPathStyle style{};
  bool found = false;
  if (ASErr err = StyleUnderPointer(where, &style, &found); err || !found) return err;
  if (style.fillPaint) {
    WritePacked(&record->endFillColour, style.fill.color);
    record->endFillSource = kTrailChosenColour;
  }
  if (style.strokePaint) {
    WritePacked(&record->endStrokeColour, style.stroke.color);
    record->endStrokeSource = kTrailChosenColour;
  }
  return kNoErr;
}

// The trail of one object: copy k placed by entry k + 1 of the table and
// coloured by entry k, as the effect lays them; each copy above (stacking
// 0) or below (1) the one before it.
ASErr TrailOf(AIArtHandle source, const TrailPGParams& p, TrailStep* table) {
  AIRealRect bounds{};
  if (ASErr err = sArt->GetArtBounds(source, &bounds)) return err;
  const AIRealPoint pivot{(bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2};
  TrailSteps(p, pivot, p.steps, table);
  const int16_t placement = p.stacking == 0 ? kPlaceAbove : kPlaceBelow;
  AIArtHandle previous = source;
  for (int32_t k = 0; k < p.steps; ++k) {
    AIArtHandle copy = nullptr;
    if (ASErr err = sArt->DuplicateArt(source, placement, previous, &copy)) return err;
    const AIRealMatrix m = TrailStepMatrix(pivot, table[k + 1]);
    if (ASErr err = TrailCopy(copy, m, table[k].colour, p)) return err;
    previous = copy;
  }
  return kNoErr;
}

ASErr LayTrails(ToolTracking* t, const TrailToolParams& record, AIRealPoint drag) {
  const int32_t n = TrailCopyCount(record, drag);
  if (n < 1) return kNoErr;
  const TrailPGParams p = TrailRecordForDrag(record, drag, n);
  BlockPtr<TrailStep> table;
  if (ASErr err = table.Allocate(size_t(n) + 1, "tDelta")) return err;
  for (int32_t i = 0; i < t->artCount; ++i) {
    bool source = false;
    if (ASErr err = IsCopySource((*t->art)[i], &source)) return err;
    if (source)
      if (ASErr err = TrailOf((*t->art)[i], p, table.get())) return err;
  }
  return kNoErr;
}

}  // namespace

ASErr TrailMouseDown(AIToolMessage* message) {
  const ToolInfo* tool = nullptr;
  TrailToolParams* record = nullptr;
  if (ASErr err = ToolAndRecord(message, &tool, &record)) return err;
  if (!tool) return kNoErr;
  ToolTracking* t = &Tracking();
  EndTracking(t);
  if (message->event->modifiers & kAIEventAltKey)
    return PickEndColours(record, message->event->where);
  if (ASErr err = CollectSelection(t)) return err;
  BeginTracking(t, *message->event);
  return kNoErr;
}

ASErr TrailMouseDrag(AIToolMessage* message) {
  const ToolInfo* tool = nullptr;
  TrailToolParams* record = nullptr;
  if (ASErr err = ToolAndRecord(message, &tool, &record)) return err;
  ToolTracking* t = &Tracking();
  if (!tool || !t->art) return kNoErr;
  const AIEvent& event = *message->event;
  t->modifiers = event.modifiers;
  TrackToolCursor(*tool, event.modifiers);
  if (ClickFiltered(*t, event)) return kNoErr;
  if (ASErr err = RevertStep(t)) return StepFailed(t, err);
  t->current = LockAxis(*t, event.where, event.modifiers);
  const AIRealPoint drag{t->current.h - t->down.h, t->current.v - t->down.v};
  if (ASErr err = LayTrails(t, *record, drag)) return StepFailed(t, err);
  MarkApplied(t, t->current, false);
  return kNoErr;
}

ASErr TrailMouseUp(AIToolMessage* message) {
  ToolTracking* t = &Tracking();
  ASErr err = kNoErr;
  if (t->art && t->hasLastStep && message->event &&
      !ReleaseIsClick(*t, message->event->where) && SpaceHeldAtRelease())
    err = RevertStep(t);
  EndTracking(t);
  return err;
}

}  // namespace vx
