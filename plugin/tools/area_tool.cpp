#include "tools/area_tool.h"

#include "geometry/bezier.h"
#include "shell/suites.h"
#include "tools/tool_drag.h"
#include "tools/tool_palette.h"
#include "tools/tool_routing.h"
#include "tools/tool_table.h"

namespace vx {

namespace {

constexpr float kIndicatorStroke = 0.5f;

bool Has(uint16_t modifiers, int bit) { return (modifiers & bit) != 0; }

// What a mouse message addresses: the tool's row, its record and the
// event. CANT when the row has no record yet (the routing's guard lets no
// message through before its palette made one).
struct Addressed {
  const ToolInfo* row = nullptr;
  void* record = nullptr;
  const AIEvent* event = nullptr;
  bool usable() const { return row && event; }
};

ASErr Address(const AIToolMessage* message, Addressed* m) {
  m->row = ToolOfHandle(message->tool);
  m->record = m->row ? ToolRecord(*m->row) : nullptr;
  m->event = message->event;
  return m->row && !m->record ? kCantHappenErr : kNoErr;
}

void EndArea(ToolTracking* t, AreaTracking* a) {
  EndTracking(t);
  *a = AreaTracking{};
}

// The source of the copies: entry 1 of the list, or, when several objects
// of the first layer are selected (entries whose parent is entry 0, the
// layer's group), a new group above entry 1 holding all of them in their
// stacking order.
ASErr CopySource(const ToolTracking& t, AIArtHandle* source) {
  *source = nullptr;
  if (t.artCount < 2) return kNoErr;
  const AIArtHandle* list = *t.art;
  int32_t topLevel = 0;
  for (int32_t i = 1; i < t.artCount; ++i) {
    AIArtHandle parent = nullptr;
    if (ASErr err = sArt->GetArtParent(list[i], &parent)) return err;
    if (parent == list[0]) ++topLevel;
  }
  if (topLevel <= 1) {
    *source = list[1];
    return kNoErr;
  }
  AIArtHandle group = nullptr;
  if (ASErr err = sArt->NewArt(kGroupArt, kPlaceAbove, list[1], &group)) return err;
  for (int32_t i = t.artCount - 1; i >= 1; --i) {
    AIArtHandle parent = nullptr;
    if (ASErr err = sArt->GetArtParent(list[i], &parent)) return err;
    if (parent != list[0]) continue;
    if (ASErr err = sArt->ReorderArt(list[i], kPlaceInsideOnBottom, group)) return err;
  }
  *source = group;
  return kNoErr;
}

// Moves the selected art of one trace copy (see AreaTool::moveCopyArt).
ASErr MoveCopy(const AreaTool& tool, const AreaStep& s, const AreaSettings& o,
               AIArtHandle art, const ToolTracking& t) {
  int16_t type = kUnknownArt;
  int32_t attrs = 0;
  if (ASErr err = sArt->GetArtType(art, &type)) return err;
  if (ASErr err = sArt->GetArtUserAttr(art, kArtSelected, &attrs)) return err;
  if (attrs & kArtSelected) {
    bool done = false;
    if (ASErr err = tool.moveCopyArt(s, o, art, t, &done)) return err;
    if (done) return kNoErr;
  }
  AIArtHandle child = nullptr;
  if (type == kPluginArt) {
    AIArtHandle edit = nullptr;
    if (!sPluginGroup) return kSPSuiteNotFoundError;
    if (ASErr err = sPluginGroup->GetPluginArtEditArt(art, &edit)) return err;
    if (ASErr err = sArt->GetArtFirstChild(edit, &child)) return err;
  } else if (type == kGroupArt || type == kCompoundPathArt) {
    if (ASErr err = sArt->GetArtFirstChild(art, &child)) return err;
  }
  while (child) {
    if (ASErr err = MoveCopy(tool, s, o, child, t)) return err;
    if (ASErr err = sArt->GetArtSibling(child, &child)) return err;
  }
  return kNoErr;
}

// One copy made by the trace pass: the art, and the layer made for it with
// Ctrl (null when it went above the previous copy).
struct TraceCopy {
  AIArtHandle art;
  AILayerHandle layer;
};

ASErr DropCopy(const TraceCopy& c) {
  return c.layer ? sLayer->DeleteLayer(c.layer) : sArt->DisposeArt(c.art);
}

// The copies of a completed trace list, in the order TraceCopyCount and
// TraceCopyEntry give. Dynamic copies are duplicates of the copy before (so
// the moves add up) and one whose entry was recorded with flag 0 goes once
// the next exists.
ASErr MakeAreaCopies(const AreaTool& tool, const AreaSettings& o, ToolTracking* t,
                     const AreaStep& last, bool ctrl) {
  AIArtHandle source = nullptr;
  if (ASErr err = CopySource(*t, &source)) return err;
  if (!source || t->traceCount == 0) return kNoErr;
  if (ASErr err = EnsureScratch(t)) return err;
  const bool dynamic = last.sweep == kSweepDynamic;
  const int16_t mode = EffectiveTraceMode(last.sweep, o.trace.traceMode);
  AILayerHandle layer = nullptr;
  if (ctrl)
    if (ASErr err = sArt->GetLayerOfArt(source, &layer)) return err;
  TraceCopy previous{source, nullptr};
  bool dropPrevious = false;
  const int32_t copies = TraceCopyCount(mode, t->traceCount);
  for (int32_t k = 0; k < copies; ++k) {
    TraceCopy copy{nullptr, nullptr};
    const AIArtHandle from = dynamic ? previous.art : source;
    if (ctrl && k > 0) {
      if (ASErr err = sLayer->InsertLayer(layer, kPlaceAbove, &layer)) return err;
      copy.layer = layer;
      AIArtHandle layerGroup = nullptr;
      if (ASErr err = sArt->GetFirstArtOfLayer(layer, &layerGroup)) return err;
      if (ASErr err = sArt->DuplicateArt(from, kPlaceInsideOnTop, layerGroup, &copy.art))
        return err;
    } else if (ASErr err = sArt->DuplicateArt(from, kPlaceAbove, previous.art, &copy.art)) {
      return err;
    }
    const int32_t e = TraceCopyEntry(mode, t->traceCount, k);
    if (e >= 0)
      if (ASErr err = MoveCopy(tool, StepOfEntry(last, t->trace[e]), o, copy.art, *t))
        return err;
    if (dropPrevious)
      if (ASErr err = DropCopy(previous)) return err;
    dropPrevious = dynamic && e >= 0 && t->trace[e].flag == 0;
    previous = copy;
  }
  return kNoErr;
}

// Radius mode: the radius follows the pointer, the indicator is drawn anew.
ASErr DragRadius(const AreaTool& tool, void* record, ToolTracking* t, AreaTracking* a,
                 AIRealPoint p) {
  const float radius = DraggedRadius(a->indicatorCentre, p);
  tool.setRadius(record, radius);
  RefreshCurrentToolPalette();  // the palette shows the new radius at once
  if (ASErr err = RevertStep(t)) return err;
  if (ASErr err = RemoveAreaIndicator(&a->indicator)) return err;
  if (ASErr err = DrawAreaIndicator(a->indicatorCentre, radius, &a->indicator)) return err;
  MarkApplied(t, p, true);
  return kNoErr;
}

// One sweep step for the event point (the state is changed in place; the
// caller restores it when the step fails).
ASErr SweepStep(const AreaTool& tool, const AreaSettings& o, ToolTracking* t,
                AreaTracking* a, AIRealPoint p, bool shift) {
  AreaStep& s = a->step;
  p = LockAreaAxis(&a->lock, shift, p, s.previous);
  if (s.sweep == kSweepDynamic) {
    // No undo: the moves of successive steps add up.
    if (ASErr err = RemoveAreaIndicator(&a->indicator)) return err;
    if (ASErr err = DrawAreaIndicator(p, s.radius, &a->indicator)) return err;
  } else {
    if (ASErr err = RevertStep(t)) return err;
    // The undo takes the indicator with the step; the first step finds the
    // one drawn at mouse down still there.
    if (!a->indicator || !sArt->ValidArt(a->indicator))
      if (ASErr err = DrawAreaIndicator(s.centre, s.radius, &a->indicator)) return err;
  }
  s.current = p;
  if (s.sweep == kSweepDynamic) s.centre = p;
  if (s.sweep == kSweepPinch) s.pinch += PinchIncrement(s.previous, p, tool.pinchRate);
  if (s.sweep == kSweepTwirl) s.twirl += TwirlIncrement(s.centre, s.previous, p);
  if (ASErr err = RecordTraceStep(t, a, o.trace)) return err;
  if (o.trace.trace)
    if (ASErr err = ReserveTrace(t, TraceCompletionRoom(s.sweep, o.trace, t->traceCount)))
      return err;
  if (ASErr err = EnsureScratch(t)) return err;
  if (ASErr err = tool.moveSelection(s, o, t)) return err;
  MarkApplied(t, p, false);
  a->firstStep = 0;
  s.previous = p;
  return kNoErr;
}

}  // namespace

AreaTracking& AreaState() { return gGlobals->areaTracking; }

ASErr DrawAreaIndicator(const AIRealPoint& centre, float radius, AIArtHandle* art) {
  *art = nullptr;
  if (!sArt || !sPath || !sPathStyle) return kSPSuiteNotFoundError;
  Segment segs[kIndicatorSegments];
  AreaIndicatorSegments(centre, radius, segs);
  AIArtHandle path = nullptr;
  if (ASErr err = sArt->NewArt(kPathArt, kPlaceAboveAll, nullptr, &path)) return err;
  AIPathStyle style{};
  ASErr err = sPathStyle->GetPathStyle(path, &style);
  style.fillPaint = 0;
  style.strokePaint = 1;
  style.stroke.width = kIndicatorStroke;
  if (!err) err = sPath->SetPathSegmentCount(path, kIndicatorSegments);
  if (!err) err = sPath->SetPathSegments(path, 0, kIndicatorSegments, segs);
  if (!err) err = sPath->SetPathClosed(path, 1);
  if (!err) err = sPathStyle->SetPathStyle(path, &style);
  if (err) {
    sArt->DisposeArt(path);
    return err;
  }
  *art = path;
  return kNoErr;
}

ASErr RemoveAreaIndicator(AIArtHandle* art) {
  const AIArtHandle old = *art;
  *art = nullptr;
  if (!old || !sArt->ValidArt(old)) return kNoErr;
  return sArt->DisposeArt(old);
}

ASErr AreaMouseDown(const AreaTool& tool, AIToolMessage* message) {
  Addressed m;
  if (ASErr err = Address(message, &m); err || !m.usable()) return err;
  ToolTracking* t = &Tracking();
  AreaTracking* a = &AreaState();
  EndArea(t, a);  // a drag whose Mouse Up never came
  const AIEvent& event = *m.event;
  void* record = m.record;
  const bool alt = Has(event.modifiers, kAIEventAltKey);
  if (alt && Has(event.modifiers, kAIEventShiftKey) && tool.altShiftClick)
    return tool.altShiftClick(event.where);
  if (alt) {
    a->radiusMode = 1;
    a->indicatorCentre = event.where;
    BeginTracking(t, event);
    return kNoErr;
  }
  if (ASErr err = CollectSelection(t)) return err;
  BeginTracking(t, event);
  const AreaSettings o = tool.settings(record);
  a->step = AreaStep{o.sweep, o.resistance, o.radius, event.where, event.where,
                     event.where, event.where, 0.0f, 0.0f};
  a->firstStep = 1;
  a->lock = kAxisFree;
  a->lastRecorded = event.where;
  a->lastAmount = 0.0f;
  if (ASErr err = DrawAreaIndicator(event.where, o.radius, &a->indicator)) {
    EndArea(t, a);
    return err;
  }
  return kNoErr;
}

ASErr AreaMouseDrag(const AreaTool& tool, AIToolMessage* message) {
  Addressed m;
  if (ASErr err = Address(message, &m); err || !m.usable()) return err;
  ToolTracking* t = &Tracking();
  AreaTracking* a = &AreaState();
  const AIEvent& event = *m.event;
  void* record = m.record;
  t->modifiers = event.modifiers;
  if (a->radiusMode) {
    const AIArtHandle before = a->indicator;
    ASErr err = DragRadius(tool, record, t, a, event.where);
    if (err) a->indicator = before;
    return err ? StepFailed(t, err) : kNoErr;
  }
  if (!t->art) return kNoErr;
  if (a->firstStep &&
      IsClickStep(true, int32_t(event.when - t->downTime), event.where, a->step.previous))
    return kNoErr;
  TrackToolCursor(*m.row, event.modifiers);
  const AreaSettings o = tool.settings(record);
  const AreaTracking before = *a;
  const int32_t traceBefore = t->traceCount;
  ASErr err = SweepStep(tool, o, t, a, event.where, Has(event.modifiers, kAIEventShiftKey));
  if (!err) return kNoErr;
  // The host puts the last successful step back, indicator included.
  *a = before;
  t->traceCount = traceBefore;
  return StepFailed(t, err);
}

ASErr AreaMouseUp(const AreaTool& tool, AIToolMessage* message) {
  ToolTracking* t = &Tracking();
  AreaTracking* a = &AreaState();
  Addressed m;
  ASErr err = Address(message, &m);
  if (err || !m.usable() || (!a->radiusMode && !t->art)) {
    EndArea(t, a);
    return err;
  }
  const AIEvent& event = *m.event;
  void* record = m.record;
  const AreaStep& s = a->step;
  if (a->radiusMode) {
    if (t->applied) err = RevertStep(t);
  } else if (PointsClose(s.current, s.down, kAreaNoMoveDistance) || !t->hasLastStep) {
  } else if (SpaceHeldAtRelease()) {
    err = RevertStep(t);
  } else {
    const AreaSettings o = tool.settings(record);
    const bool altShift = Has(event.modifiers, kAIEventAltKey) &&
                          Has(event.modifiers, kAIEventShiftKey) && tool.altShiftClick;
    if (o.trace.trace && !altShift) {
      AreaStep last = s;
      last.current = ApplyLock(a->lock, event.where, s.previous);
      // Every drag step reserved the room the completion needs, and made the
      // scratch: nothing here runs out of memory.
      err = RevertStep(t);
      if (!err) err = CompleteTrace(t, last, o.trace);
      if (!err) err = RemoveAreaIndicator(&a->indicator);
      if (!err)
        err = MakeAreaCopies(tool, o, t, last, Has(event.modifiers, kAIEventCtrlKey));
    }
  }
  // On every way out the indicator goes, whatever failed before (an undo
  // that took it already leaves nothing to remove).
  if (ASErr removed = RemoveAreaIndicator(&a->indicator); !err) err = removed;
  EndArea(t, a);
  return err;
}

}  // namespace vx
