#include "tools/tool_drag.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <cstring>
#include <initializer_list>
#include <utility>

#include "geometry/bezier.h"
#include "geometry/segment_buffer.h"
#include "shell/blocks.h"
#include "shell/suites.h"
#include "tools/tool_routing.h"
#include "tools/tool_table.h"

namespace vx {
namespace {

constexpr int32_t kTraceRoom = 501;
constexpr int32_t kTraceGrowth = 100;
constexpr uint32_t kClickTicks = 29;
constexpr float kClickDistance = 2.0f;
constexpr float kReleaseClickDistance = 1.0f;
constexpr uint32_t kSpaceAtRelease = 0x200;

bool HasModifier(uint16_t modifiers, int bit) { return (modifiers & bit) != 0; }

AIRealPoint EventPoint(const AIToolMessage* message) {
  return message->event ? message->event->where : message->cursor;
}
uint16_t EventModifiers(const AIToolMessage* message) {
  return message->event ? message->event->modifiers : 0;
}

void UnionInto(AIRealRect* into, const AIRealRect& r) {
  into->left = std::min(into->left, r.left);
  into->right = std::max(into->right, r.right);
  into->top = std::max(into->top, r.top);
  into->bottom = std::min(into->bottom, r.bottom);
}

// The row and record of a drag-cycle tool; CANT for a row that names the
// cycle's entries without a DragTool, or a tool without its record.
ASErr CycleTool(const AIToolMessage* message, const ToolInfo** tool,
                void** record) {
  *tool = ToolOfHandle(message->tool);
  if (!*tool) return kNoErr;
  *record = ToolRecord(**tool);
  if (!(*tool)->drag || !*record) return kCantHappenErr;
  return kNoErr;
}

// Calls the tool's deformation for every path at or under art.
ASErr DeformSubtree(const DragStep& step, const DragTool& tool, AIArtHandle art) {
  int16_t type = kUnknownArt;
  if (ASErr err = sArt->GetArtType(art, &type)) return err;
  if (type == kPathArt) return tool.deformPath(step, art);
  if (type != kGroupArt && type != kCompoundPathArt) return kNoErr;
  AIArtHandle child = nullptr;
  if (ASErr err = sArt->GetArtFirstChild(art, &child)) return err;
  while (child) {
    if (ASErr err = DeformSubtree(step, tool, child)) return err;
    if (ASErr err = sArt->GetArtSibling(child, &child)) return err;
  }
  return kNoErr;
}

DragStep MakeStep(ToolTracking* t, const void* record, AIRealPoint point,
                  bool alt) {
  return DragStep{t, record, point, alt, t->scratch, t->source, nullptr, -1, 0};
}

// The source of the trace copies: entry 1 of the list, or, when several
// objects of the first layer are selected (entries whose parent is entry 0,
// the layer's group), a new group above entry 1 holding all of them.
ASErr TraceSource(ToolTracking* t, AIArtHandle* source) {
  *source = nullptr;
  if (t->artCount < 2) return kNoErr;
  AIArtHandle* list = *t->art;
  int32_t topLevel = 0;
  for (int32_t i = 1; i < t->artCount; ++i) {
    AIArtHandle parent = nullptr;
    if (ASErr err = sArt->GetArtParent(list[i], &parent)) return err;
    if (parent == list[0]) ++topLevel;
  }
  if (topLevel <= 1) {
    *source = list[1];
    return kNoErr;
  }
  AIArtHandle group = nullptr;
  if (ASErr err = sArt->NewArt(kGroupArt, kPlaceAbove, list[1], &group))
    return err;
  // The list runs in paint order (bottom first); moving its entries in
  // reverse, each to the bottom of the group, keeps their stacking.
  for (int32_t i = t->artCount - 1; i >= 1; --i) {
    AIArtHandle parent = nullptr;
    if (ASErr err = sArt->GetArtParent(list[i], &parent)) return err;
    if (parent != list[0]) continue;
    if (ASErr err = sArt->ReorderArt(list[i], kPlaceInsideOnBottom, group))
      return err;
  }
  *source = group;
  return kNoErr;
}

// One copy of source above `above` (or, with a layer, inside it on top),
// deformed for trace entry i; a null tool leaves it undeformed.
ASErr MakeCopy(ToolTracking* t, const DragTool* tool, const void* record,
               bool alt, AIArtHandle source, AIArtHandle above,
               AILayerHandle layer, int32_t i, int32_t count,
               AIArtHandle* copy) {
  if (layer) {
    AIArtHandle layerGroup = nullptr;
    if (ASErr err = sArt->GetFirstArtOfLayer(layer, &layerGroup)) return err;
    if (ASErr err = sArt->DuplicateArt(source, kPlaceInsideOnTop, layerGroup, copy))
      return err;
  } else if (ASErr err = sArt->DuplicateArt(source, kPlaceAbove, above, copy)) {
    return err;
  }
  if (!tool) return kNoErr;
  DragStep step = MakeStep(t, record, t->trace[i].point, alt);
  step.trace = &t->trace[i];
  step.traceIndex = i;
  step.traceCount = count;
  return DeformSubtree(step, *tool, *copy);
}

}  // namespace

ToolTracking& Tracking() { return gGlobals->tracking; }

void* ToolRecord(const ToolInfo& tool) {
  if (!tool.presetKind || tool.paletteIndex < 0 ||
      tool.paletteIndex >= kToolPaletteCount)
    return nullptr;
  return gGlobals->ToolParams[tool.paletteIndex];
}

ASErr CollectSelection(ToolTracking* t) {
  ReleaseArtList(&t->art);
  t->artCount = 0;
  t->bounds = AIRealRect{0, 0, 0, 0};
  t->boundsEmpty = 1;
  if (!sMatchingArt || !sArt) return kSPSuiteNotFoundError;
  const AIMatchingArtSpec specs[] = {{kGroupArt, kArtSelected, kArtSelected},
                                     {kPathArt, kArtSelected, kArtSelected},
                                     {kCompoundPathArt, kArtSelected, kArtSelected},
                                     {kMysteryPathArt, kArtSelected, kArtSelected},
                                     {kPluginArt, kArtSelected, kArtSelected}};
  int32_t count = 0;
  ASErr err = sMatchingArt->GetMatchingArt(specs, int16_t(std::size(specs)),
                                           &t->art, &count);
  if (err == kNoDocumentErr || (!err && (count <= 0 || !t->art)))
    err = kBadSelectionErr;
  for (int32_t i = 0; !err && i < count; ++i) {
    AIArtHandle art = (*t->art)[i];
    int16_t type = kUnknownArt;
    if ((err = sArt->GetArtType(art, &type)) || type != kPathArt) continue;
    AIRealRect r;
    if ((err = sArt->GetArtBounds(art, &r))) break;
    if (t->boundsEmpty) t->bounds = r;
    else UnionInto(&t->bounds, r);
    t->boundsEmpty = 0;
  }
  if (err) {
    ReleaseArtList(&t->art);
    t->bounds = AIRealRect{0, 0, 0, 0};
    t->boundsEmpty = 1;
    return err;
  }
  t->artCount = count;
  return kNoErr;
}

void BeginTracking(ToolTracking* t, const AIEvent& event) {
  t->down = event.where;
  t->downTime = event.when;
  t->current = event.where;
  t->modifiers = event.modifiers;
  t->applied = 0;
  t->appliedAlt = 0;
  t->hasLastStep = 0;
  t->lastPoint = event.where;
  t->traceCount = 0;
}

ASErr RevertStep(ToolTracking* t) {
  if (!t->applied) return kNoErr;
  t->applied = 0;
  return sUndo->UndoChanges();
}

void MarkApplied(ToolTracking* t, AIRealPoint point, bool alt) {
  t->applied = 1;
  t->appliedAlt = alt ? 1 : 0;
  t->hasLastStep = 1;
  t->lastPoint = point;
}

ASErr StepFailed(ToolTracking* t, ASErr error) {
  t->applied = t->hasLastStep;
  return error;
}

AIRealPoint LockAxis(const ToolTracking& t, AIRealPoint p, uint16_t modifiers) {
  if (!HasModifier(modifiers, kAIEventShiftKey)) return p;
  if (HasModifier(modifiers, kAIEventAltKey))
    p.v = (t.bounds.top + t.bounds.bottom) / 2.0f;
  else
    p.h = (t.bounds.left + t.bounds.right) / 2.0f;
  return p;
}

// "Within 2 points" reads as PointsClose, the geometry's closeness test.
bool ClickFiltered(const ToolTracking& t, const AIEvent& event) {
  return !t.hasLastStep && event.when - t.downTime <= kClickTicks &&
         PointsClose(event.where, t.down, kClickDistance);
}

ASErr AppendTracePoint(ToolTracking* t, const TracePoint& entry) {
  if (!t->trace || t->traceCount >= t->traceCapacity) {
    const bool first = !t->trace;
    const int32_t room = first ? kTraceRoom : t->traceCapacity + kTraceGrowth;
    void* raw = nullptr;
    if (ASErr err = NewBlock(sizeof(TracePoint) * std::size_t(room),
                             first ? "g buffer for trace" : "g buffer2 for trace",
                             &raw))
      return err;
    auto* grown = static_cast<TracePoint*>(raw);
    if (t->traceCount > 0)
      std::memcpy(grown, t->trace, sizeof(TracePoint) * std::size_t(t->traceCount));
    void* old = t->trace;
    FreeBlock(old);
    t->trace = grown;
    t->traceCapacity = room;
  }
  t->trace[t->traceCount++] = entry;
  return kNoErr;
}

namespace {
ASErr AppendPoint(ToolTracking* t, AIRealPoint p, const DragTool* tool,
                  const void* record) {
  TracePoint entry{p, {0.0f, 0.0f}, 0};
  if (tool && tool->annotate) tool->annotate(record, &entry);
  return AppendTracePoint(t, entry);
}
}  // namespace

ASErr RecordDragAlong(ToolTracking* t, AIRealPoint p, const TraceOptions& o,
                      const DragTool* tool, const void* record) {
  if (t->traceCount == 0 && o.recordDownFirst)
    if (ASErr err = AppendPoint(t, t->down, tool, record)) return err;
  const AIRealPoint last = t->traceCount ? t->trace[t->traceCount - 1].point : t->down;
  if (std::abs(p.h - last.h) > o.space || std::abs(p.v - last.v) > o.space)
    return AppendPoint(t, p, tool, record);
  return kNoErr;
}

bool ReleaseIsClick(const ToolTracking& t, AIRealPoint up) {
  return PointsClose(up, t.down, kReleaseClickDistance);
}

bool SpaceHeldAtRelease() {
  return sADMTracker && sADMTracker->GetModifiers &&
         sADMTracker->GetModifiers(nullptr) == kSpaceAtRelease;
}

ASErr FillSteppedTrace(ToolTracking* t, AIRealPoint up, const TraceOptions& o,
                       bool alt, const DragTool* tool, const void* record) {
  t->traceCount = 0;
  if (ASErr err = AppendPoint(t, t->down, tool, record)) return err;
  const int32_t n = o.steps;
  for (int32_t i = 1; i <= n; ++i) {
    const float s = float(i) / float(n);
    float f = s;
    if (o.mode == TraceMode::kAccelerate) f = s * s;
    if (o.mode == TraceMode::kDecelerate) f = 1.0f - (1.0f - s) * (1.0f - s);
    if (o.mode == TraceMode::kFullCycle) f = 1.0f;
    AIRealPoint p = up;
    if (alt) p.h = t->down.h + (up.h - t->down.h) * f;
    else p.v = t->down.v + (up.v - t->down.v) * f;
    if (ASErr err = AppendPoint(t, p, tool, record)) return err;
  }
  return kNoErr;
}

ASErr EnsureScratch(ToolTracking* t) {
  for (auto [buffer, name] : {std::pair{&t->scratch, "g buffer for segments"},
                              std::pair{&t->source, "buffer 2 for segments"}}) {
    if (*buffer) continue;
    void* raw = nullptr;
    if (ASErr err = NewBlock(sizeof(Segment) * std::size_t(kScratchSegments), name, &raw))
      return err;
    *buffer = static_cast<Segment*>(raw);
  }
  return kNoErr;
}

ASErr DeformSelection(ToolTracking* t, const DragTool& tool, const void* record,
                      AIRealPoint point, bool alt) {
  if (ASErr err = EnsureScratch(t)) return err;
  const DragStep step = MakeStep(t, record, point, alt);
  // Entry 0 is the layer's group, never a path: the walk reads every path.
  for (int32_t i = 0; i < t->artCount; ++i) {
    AIArtHandle art = (*t->art)[i];
    int16_t type = kUnknownArt;
    if (ASErr err = sArt->GetArtType(art, &type)) return err;
    if (type != kPathArt) continue;
    if (ASErr err = tool.deformPath(step, art)) return err;
  }
  MarkApplied(t, point, alt);
  return kNoErr;
}

ASErr MakeTraceCopies(ToolTracking* t, const DragTool& tool, const void* record,
                      const TraceOptions& o, bool alt, bool ctrl) {
  AIArtHandle source = nullptr;
  if (ASErr err = TraceSource(t, &source)) return err;
  if (!source || t->traceCount == 0) return kNoErr;
  if (ASErr err = EnsureScratch(t)) return err;
  AILayerHandle layer = nullptr;
  if (ctrl)
    if (ASErr err = sArt->GetLayerOfArt(source, &layer)) return err;
  const int32_t first = o.fromFirstPoint ? 0 : 1;
  const int32_t last = t->traceCount - 1;
  AIArtHandle above = source;
  int32_t made = 0;
  // Ctrl: every copy after the first goes into a new layer above the
  // previous copy's layer.
  auto copyAt = [&](int32_t i, const DragTool* deform) -> ASErr {
    AILayerHandle into = nullptr;
    if (ctrl && made > 0) {
      if (ASErr err = sLayer->InsertLayer(layer, kPlaceAbove, &layer)) return err;
      into = layer;
    }
    AIArtHandle copy = nullptr;
    if (ASErr err = MakeCopy(t, deform, record, alt, source, above, into, i,
                             t->traceCount, &copy))
      return err;
    above = copy;
    ++made;
    return kNoErr;
  };
  for (int32_t i = first; i <= last; ++i)
    if (ASErr err = copyAt(i, &tool)) return err;
  if (o.roundTrip) {
    for (int32_t i = last - 1; i >= first; --i)
      if (ASErr err = copyAt(i, &tool)) return err;
    if (!o.fromFirstPoint)
      if (ASErr err = copyAt(0, nullptr)) return err;
  }
  if (o.removeSource && o.steps != 0) return sArt->DisposeArt(source);
  return kNoErr;
}

void EndTracking(ToolTracking* t) {
  void* trace = t->trace;
  FreeBlock(trace);
  void* scratch = t->scratch;
  FreeBlock(scratch);
  void* source = t->source;
  FreeBlock(source);
  ReleaseArtList(&t->art);
  *t = ToolTracking{};
}

// ---- the whole cycle ----------------------------------------------------------------

ASErr DragCycleMouseDown(AIToolMessage* message) {
  const ToolInfo* tool = nullptr;
  void* record = nullptr;
  if (ASErr err = CycleTool(message, &tool, &record)) return err;
  if (!tool || !message->event) return kNoErr;
  ToolTracking* t = &Tracking();
  EndTracking(t);  // a drag whose Mouse Up never came
  if (ASErr err = CollectSelection(t)) return err;
  BeginTracking(t, *message->event);
  return kNoErr;
}

ASErr DragCycleMouseDrag(AIToolMessage* message) {
  const ToolInfo* tool = nullptr;
  void* record = nullptr;
  if (ASErr err = CycleTool(message, &tool, &record)) return err;
  ToolTracking* t = &Tracking();
  if (!tool || !t->art || !message->event) return kNoErr;  // no drag under way
  const DragTool& drag = *tool->drag;
  if (ASErr err = RevertStep(t)) return err;
  const uint16_t modifiers = EventModifiers(message);
  const bool alt = HasModifier(modifiers, kAIEventAltKey);
  t->modifiers = modifiers;
  t->current = LockAxis(*t, EventPoint(message), modifiers);
  TrackToolCursor(*tool, modifiers);
  if (ClickFiltered(*t, *message->event)) return kNoErr;
  const TraceOptions o = drag.traceOptions(record);
  ASErr err = kNoErr;
  if (o.on && o.mode == TraceMode::kDragAlong)
    err = RecordDragAlong(t, t->current, o, &drag, record);
  if (!err && !t->boundsEmpty)
    err = DeformSelection(t, drag, record, t->current, alt);
  return err ? StepFailed(t, err) : kNoErr;
}

ASErr DragCycleMouseUp(AIToolMessage* message) {
  const ToolInfo* tool = nullptr;
  void* record = nullptr;
  ToolTracking* t = &Tracking();
  ASErr err = CycleTool(message, &tool, &record);
  if (err || !tool || !t->art) {
    EndTracking(t);
    return err;
  }
  const DragTool& drag = *tool->drag;
  const uint16_t modifiers = EventModifiers(message);
  const AIRealPoint up = LockAxis(*t, EventPoint(message), modifiers);
  if (!t->hasLastStep || ReleaseIsClick(*t, up)) {
    EndTracking(t);
    return kNoErr;
  }
  const TraceOptions o = drag.traceOptions(record);
  if (SpaceHeldAtRelease()) {
    err = RevertStep(t);
  } else if (o.on) {
    const bool alt = t->appliedAlt != 0;
    err = RevertStep(t);
    // Drag Along ends at the up point; when the last move recorded that
    // point already, a second copy on top of the first would only hide it.
    const bool recorded = t->traceCount > 0 &&
                          t->trace[t->traceCount - 1].point.h == up.h &&
                          t->trace[t->traceCount - 1].point.v == up.v;
    if (!err && o.mode == TraceMode::kDragAlong && !recorded)
      err = AppendPoint(t, up, &drag, record);
    else if (!err && o.mode != TraceMode::kDragAlong)
      err = FillSteppedTrace(t, up, o, alt, &drag, record);
    if (!err)
      err = MakeTraceCopies(t, drag, record, o, alt,
                            HasModifier(modifiers, kAIEventCtrlKey));
  }
  EndTracking(t);
  return err;
}

}  // namespace vx
