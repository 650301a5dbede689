// The Roughening tool: the drag cycle around the roughening geometry of
// tools/roughen.h, the area frame, Alt's radius drag and the trace copies.
#include <algorithm>
#include <cmath>

#include "geometry/bezier.h"
#include "shell/suites.h"
#include "tools/area_frame.h"
#include "tools/copy_sources.h"
#include "tools/craft_distort.h"
#include "tools/point_tools.h"
#include "tools/roughen.h"
#include "tools/roughening_tool.h"
#include "tools/tool_drag.h"
#include "tools/tool_routing.h"
#include "tools/tool_table.h"

namespace vx {
namespace {

constexpr float kMinRadius = 1.0f, kMaxRadius = 4000.0f;
// The tool has no Space field: Drag Along records the pointer every this
// many points, the factory Space of the other tools.
constexpr float kDragAlongSpace = 10.0f;

// The tool's part of the tracking state, beside the shared one: the area's
// centre is the shared down point.
struct RoughTracking {
  bool resizing;         // Alt at mouse down: the drag sets the radius
  int32_t seed;          // the random seed of this drag's pattern
  AIArtHandle frame;     // the frame the artwork shows, or null
  int32_t seededCopy;    // the trace copy the generator was seeded for
};
RoughTracking gRough{};

bool Has(uint16_t modifiers, int bit) { return (modifiers & bit) != 0; }

ASErr RoughenPath(const DragStep& step, AIArtHandle path) {
  const auto& record = *static_cast<const RoughToolParams*>(step.record);
  // A trace copy draws its pattern from the seed; with New Sequence each
  // copy draws its own (the seed moved on by the copy's index), without it
  // every copy repeats the pattern of the most roughened one.
  if (step.trace && step.traceIndex != gRough.seededCopy) {
    gRough.seededCopy = step.traceIndex;
    sRandom->SetRndSeed(gRough.seed + (record.newSequence ? step.traceIndex : 0));
  }
  int16_t count = 0;
  if (ASErr err = sPath->GetPathSegmentCount(path, &count)) return err;
  // A path at the limit stays: roughening never takes anchors away.
  if (count < 2 || count >= kSegmentLimit) return kNoErr;
  ASBoolean closed = 0;
  if (ASErr err = sPath->GetPathClosed(path, &closed)) return err;
  if (ASErr err = sPath->GetPathSegments(path, 0, count, step.source)) return err;
  const AIRealPoint down = step.tracking->down;
  const RoughenStep rough{down, record.areaRadius, step.point.h - down.h,
                          step.point.v - down.v, record.kind == 1, sRandom->FloatRnd};
  int32_t made = 0;
  RoughenSegments(rough, step.source, count, closed != 0, step.scratch, &made);
  if (made >= kSegmentLimit) return kNoErr;
  const int16_t n = int16_t(made);
  if (ASErr err = sPath->SetPathSegmentCount(path, n)) return err;
  if (ASErr err = sPath->SetPathSegments(path, 0, n, step.scratch)) return err;
  return sArt->SetArtUserAttr(path, kArtSelected, kArtSelected);
}

// Trace menu (res::kSweepTraceMenu): 0 Drag Along, 1-3 Uniform / Accelerate / Decelerate one
// way, 4-6 the same as round trips; an index outside reads as Drag Along,
// the factory mode.
TraceOptions RoughTraceOptions(const void* raw) {
  const auto& record = *static_cast<const RoughToolParams*>(raw);
  static constexpr TraceMode kModes[] = {TraceMode::kUniform, TraceMode::kAccelerate,
                                         TraceMode::kDecelerate};
  const int16_t index = record.traceMode >= 0 && record.traceMode <= 6 ? record.traceMode : 0;
  TraceOptions o{};
  o.on = record.trace != 0;
  o.mode = index == 0 ? TraceMode::kDragAlong : kModes[(index - 1) % 3];
  o.roundTrip = index >= 4;
  o.space = kDragAlongSpace;
  o.steps = std::isfinite(record.steps) && record.steps > 0.0f
                ? int32_t(std::min(float(record.steps), 4000.0f))
                : 0;
  return o;
}

const DragTool kRoughDrag = {RoughenPath, RoughTraceOptions, nullptr};

// A new frame for this step; the step's own frame replaces the handle only
// once the step stands.
ASErr Redraw(float radius, AIArtHandle* frame) {
  return DrawAreaFrame(Tracking().down, radius, frame);
}

}  // namespace

ASErr RoughMouseDown(AIToolMessage* message) {
  const ToolInfo* tool = nullptr;
  RoughToolParams* record = nullptr;
  if (ASErr err = ToolAndRecord(message, &tool, &record)) return err;
  if (!tool) return kNoErr;
  ToolTracking* t = &Tracking();
  EndTracking(t);  // a drag whose Mouse Up never came
  gRough = RoughTracking{};
  gRough.seededCopy = -1;
  // Alt+Shift (the insert-anchor cursor, which Craft shares) hit-tests the
  // artwork under the pointer and inserts one anchor into the path piece
  // found there, keeping its outline: anchors placed by hand before a
  // roughening drag. Nothing else happens in this drag.
  const uint16_t keys = message->event->modifiers;
  if (Has(keys, kAIEventAltKey) && Has(keys, kAIEventShiftKey))
    return InsertAnchorAtHit(message->event->where);
  // The pattern goes on from the generator's seed (the one the last drag
  // used), so drags repeat until Shift picks a new one.
  gRough.seed = sRandom->GetRndSeed();
  gRough.resizing = Has(message->event->modifiers, kAIEventAltKey);
  if (!gRough.resizing)
    if (ASErr err = CollectSelection(t)) return err;
  BeginTracking(t, *message->event);
  AIArtHandle frame = nullptr;
  ASErr err = Redraw(record->areaRadius, &frame);
  gRough.frame = frame;
  if (err) EndTracking(t);
  return err;
}

ASErr RoughMouseDrag(AIToolMessage* message) {
  const ToolInfo* tool = nullptr;
  RoughToolParams* record = nullptr;
  if (ASErr err = ToolAndRecord(message, &tool, &record)) return err;
  ToolTracking* t = &Tracking();
  if (!tool || (!t->art && !gRough.resizing)) return kNoErr;
  const AIEvent& event = *message->event;
  t->modifiers = event.modifiers;
  TrackToolCursor(*tool, event.modifiers);
  // Click filter: while nothing is applied, a move close to the last
  // processed point soon after the mouse down does nothing.
  if (!t->hasLastStep && event.when - t->downTime < 30 &&
      PointsClose(event.where, t->lastPoint, 2.0f))
    return kNoErr;
  // A failing step is taken back by the host, frame and all: the frame of
  // the last step (or of the mouse down) is then the one to remove.
  const AIArtHandle lastFrame = gRough.frame;
  if (t->applied) {
    if (ASErr err = RevertStep(t)) return StepFailed(t, err);
  } else if (ASErr err = RemoveAreaFrame(&gRough.frame)) {
    gRough.frame = lastFrame;
    return StepFailed(t, err);
  }
  t->current = event.where;
  if (gRough.resizing) {
    const float r = Distance(t->down, event.where);
    record->areaRadius = std::clamp(r, kMinRadius, kMaxRadius);
    RefreshCurrentToolPalette();  // the palette shows the new radius at once
  } else if (Has(event.modifiers, kAIEventShiftKey)) {
    gRough.seed = int32_t(event.when);  // a new pattern from the tick count
  }
  AIArtHandle frame = nullptr;
  ASErr err = Redraw(record->areaRadius, &frame);
  if (!err && !gRough.resizing) {
    sRandom->SetRndSeed(gRough.seed);
    const TraceOptions o = RoughTraceOptions(record);
    if (o.on && o.mode == TraceMode::kDragAlong)
      err = RecordDragAlong(t, event.where, o, &kRoughDrag, record);
    if (!err && !t->boundsEmpty)
      err = DeformSelection(t, kRoughDrag, record, event.where, false);
  }
  if (err) {
    gRough.frame = lastFrame;
    return StepFailed(t, err);
  }
  if (gRough.resizing) MarkApplied(t, event.where, true);
  gRough.frame = frame;
  return kNoErr;
}

ASErr RoughMouseUp(AIToolMessage* message) {
  const ToolInfo* tool = nullptr;
  RoughToolParams* record = nullptr;
  ToolTracking* t = &Tracking();
  ASErr err = ToolAndRecord(message, &tool, &record);
  if (!err && tool && t->hasLastStep && !gRough.resizing &&
      !ReleaseIsClick(*t, message->event->where)) {
    const TraceOptions o = RoughTraceOptions(record);
    if (SpaceHeldAtRelease()) {
      err = RevertStep(t);
    } else if (o.on) {
      err = RevertStep(t);
      const AIRealPoint up = message->event->where;
      if (!err && o.mode == TraceMode::kDragAlong)
        err = AppendTracePoint(t, TracePoint{up, {0, 0}, 0});
      else if (!err)
        err = FillSteppedTrace(t, up, o, false, &kRoughDrag, record);
      if (!err) err = MakeTraceCopies(t, kRoughDrag, record, o, false, false);
    }
  }
  if (ASErr removed = RemoveAreaFrame(&gRough.frame); !err) err = removed;
  EndTracking(t);
  gRough = RoughTracking{};
  return err;
}

}  // namespace vx
