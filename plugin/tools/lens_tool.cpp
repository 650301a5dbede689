#include "tools/lens_tool.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "effects/art_styling.h"
#include "geometry/bezier.h"
#include "geometry/path_mapping.h"
#include "geometry/piece_mapping.h"
#include "shell/suites.h"
#include "tools/lens_shapes.h"
#include "tools/tool_drag.h"
#include "tools/tool_palette.h"
#include "tools/tool_routing.h"
#include "tools/tool_table.h"
#include "tools/trace_menu.h"

namespace vx {
namespace {

ASErr MapLensPoint(const void* data, Point3* v) {
  AIRealPoint p{v->x, v->y};
  if (!LensMapPoint(*static_cast<const LensGeometry*>(data), &p)) return kUntouchedErr;
  v->x = p.h;
  v->y = p.v;
  return kNoErr;
}

AIRealPoint Centre(const AIRealRect& r) {
  return {(r.left + r.right) / 2.0f, (r.top + r.bottom) / 2.0f};
}

bool IsUnitType(int16_t type) {
  return type == kGroupArt || type == kCompoundPathArt || type == kPluginArt;
}

// Tone's reference point of a path: the centre of its bounds or, with Group
// as One Unit, of the nearest selected group, compound path or plug-in group
// that holds it (a layer is never a unit). A path in no selected unit is
// its own unit.
ASErr ToneReference(AIArtHandle path, bool groupAsOne, AIRealPoint* reference) {
  AIArtHandle unit = path;
  for (AIArtHandle art = path; groupAsOne;) {
    AIArtHandle parent = nullptr;
    if (ASErr err = sArt->GetArtParent(art, &parent)) return err;
    if (!parent) break;
    ASBoolean layer = 0;
    if (ASErr err = sArt->IsArtLayerGroup(parent, &layer)) return err;
    if (layer) break;
    int16_t type = kUnknownArt;
    int32_t selected = 0;
    if (ASErr err = sArt->GetArtType(parent, &type)) return err;
    if (ASErr err = sArt->GetArtUserAttr(parent, kArtSelected, &selected)) return err;
    if (IsUnitType(type) && selected) {
      unit = parent;
      break;
    }
    art = parent;
  }
  AIRealRect bounds{};
  if (ASErr err = sArt->GetArtBounds(unit, &bounds)) return err;
  *reference = Centre(bounds);
  return kNoErr;
}

// Tone scales the path's anchors and handles about its reference point.
ASErr TonePath(const LensToolParams& record, const LensArea& area, AIArtHandle path) {
  if (!sArt || !sTransformArt || !sTransformArt->TransformArt) return kSPSuiteNotFoundError;
  AIRealPoint reference{};
  if (ASErr err = ToneReference(path, record.groupAsOneUnit != 0, &reference)) return err;
  AIRealPoint f{};
  if (!ToneFactors(area, ReadPacked(&record.sizeMinimum), reference, &f)) return kNoErr;
  const AIRealMatrix scale{f.h, 0.0f, 0.0f, f.v, reference.h - f.h * reference.h,
                           reference.v - f.v * reference.v};
  return sTransformArt->TransformArt(path, &scale, 1.0f, kTransformObjects);
}

// The area of one step: the record's size, or the size a Drag Along trace
// entry was recorded with, placed to the upper left of the step's point.
LensArea StepArea(const DragStep& step, const LensToolParams& record) {
  const AIRealPoint size = step.trace ? step.trace->aux : ReadPacked(&record.area);
  return LensFollow(step.point, size.h, size.v);
}

ASErr DeformLensPath(const DragStep& step, AIArtHandle path) {
  const auto& record = *static_cast<const LensToolParams*>(step.record);
  const LensArea area = StepArea(step, record);
  if (static_cast<LensType>(record.lensType) == LensType::kTone)
    return TonePath(record, area, path);
  LensGeometry g;
  if (!LensSetUp(record, area, &g)) return kNoErr;
  // Straight pieces get handles at thirds inside the area's bounding box,
  // whose lower right corner is the reference point.
  const AIRealPoint corner{area.centre.h + area.width / 2.0f,
                           area.centre.v - area.height / 2.0f};
  const MapContext ctx = MakeToolAreaContext(MapLensPoint, &g, corner, area.width, area.height);
  return MapHostPath(ctx, path, step.scratch, step.source);
}

TraceOptions LensTraceOptions(const void* raw) {
  const auto& r = *static_cast<const LensToolParams*>(raw);
  return ReadTraceMenu({r.trace, r.traceMode, r.space, r.steps}, false,
                       kLensToolFactoryParams.traceMode);
}

// Every trace entry keeps the area size in force when it was recorded.
void AnnotateLensEntry(const void* raw, TracePoint* entry) {
  entry->aux = ReadPacked(&static_cast<const LensToolParams*>(raw)->area);
}

// The frame that shows the lens area while dragging: a thin outline on top
// of the selection's layer, made inside the drag step so that the step's
// undo takes it away again; Mouse Up removes the last one.
constexpr float kFrameStrokeWidth = 0.5f;
// The frame as read back from the host matches its segments this closely.
constexpr float kFrameMatch = 0.001f;

// The group of the layer that holds the selection.
ASErr FrameLayerGroup(const ToolTracking& t, AIArtHandle* group) {
  *group = nullptr;
  if (!t.art || t.artCount == 0) return kNoErr;
  AILayerHandle layer = nullptr;
  if (ASErr err = sArt->GetLayerOfArt((*t.art)[t.artCount - 1], &layer)) return err;
  return sArt->GetFirstArtOfLayer(layer, group);
}

ASErr DrawFrame(const ToolTracking& t, const LensArea& area) {
  AIArtHandle group = nullptr;
  if (ASErr err = FrameLayerGroup(t, &group)) return err;
  AIPathStyle style{};
  if (ASErr err = GuideOutlineStyle(kFrameStrokeWidth, &style)) return err;
  Segment segments[4];
  LensFrameSegments(area, segments);
  AIArtHandle frame = nullptr;
  if (ASErr err = sArt->NewArt(kPathArt, kPlaceInsideOnTop, group, &frame)) return err;
  if (ASErr err = sPath->SetPathSegmentCount(frame, 4)) return err;
  if (ASErr err = sPath->SetPathSegments(frame, 0, 4, segments)) return err;
  if (ASErr err = sPath->SetPathClosed(frame, true)) return err;
  return sPathStyle->SetPathStyle(frame, &style);
}

// True when art is the frame of `area`: a closed path of its four segments.
ASErr IsFrame(AIArtHandle art, const LensArea& area, bool* frame) {
  *frame = false;
  int16_t type = kUnknownArt, count = 0;
  ASBoolean closed = 0;
  if (ASErr err = sArt->GetArtType(art, &type)) return err;
  if (type != kPathArt) return kNoErr;
  if (ASErr err = sPath->GetPathSegmentCount(art, &count)) return err;
  if (count != 4) return kNoErr;
  if (ASErr err = sPath->GetPathClosed(art, &closed)) return err;
  Segment want[4], have[4];
  LensFrameSegments(area, want);
  if (ASErr err = sPath->GetPathSegments(art, 0, 4, have)) return err;
  *frame = closed != 0;
  for (int i = 0; i < 4; ++i)
    for (auto [a, b] : {std::pair{want[i].p, have[i].p}, std::pair{want[i].in, have[i].in},
                        std::pair{want[i].out, have[i].out}})
      *frame = *frame && PointsClose(a, b, kFrameMatch);
  return kNoErr;
}

// Removes the frame of `area` from the top of the selection's layer.
ASErr RemoveFrame(const ToolTracking& t, const LensArea& area) {
  AIArtHandle group = nullptr, art = nullptr;
  if (ASErr err = FrameLayerGroup(t, &group)) return err;
  if (!group) return kNoErr;
  if (ASErr err = sArt->GetArtFirstChild(group, &art)) return err;
  for (; art; ) {
    bool frame = false;
    if (ASErr err = IsFrame(art, area, &frame)) return err;
    if (frame) return sArt->DisposeArt(art);
    if (ASErr err = sArt->GetArtSibling(art, &art)) return err;
  }
  return kNoErr;
}

// The Lens tool's record; null (and CANT) when its palette has not made it.
ASErr LensRecord(LensToolParams** record) {
  const ToolInfo* row = ToolOfSlot(kLensSlot);
  *record = row ? static_cast<LensToolParams*>(ToolRecord(*row)) : nullptr;
  return *record ? kNoErr : kCantHappenErr;
}

// The lens is placed by the lower right corner of its bounding box: the
// deformation (and every trace entry) reads the area back from that corner
// and the area size, so a step's point alone says where its lens was.
AIRealPoint Corner(const LensArea& area) {
  return {area.centre.h + area.width / 2.0f, area.centre.v - area.height / 2.0f};
}

}  // namespace

const DragTool kLensDrag = {DeformLensPath, LensTraceOptions, AnnotateLensEntry};

// A drag step of the Lens tool: the cycle's step, except that the pointer
// moves or (with Alt) resizes the lens instead of being locked to an axis
// by Shift, the palette's area follows Alt's resizing at once, and the
// frame of the area is drawn on top.
ASErr LensMouseDrag(AIToolMessage* message) {
  LensToolParams* record = nullptr;
  if (ASErr err = LensRecord(&record)) return err;
  ToolTracking* t = &Tracking();
  if (!t->art || !message->event) return kNoErr;  // no drag under way
  if (ASErr err = RevertStep(t)) return err;
  const AIEvent& event = *message->event;
  t->modifiers = event.modifiers;
  t->current = event.where;
  TrackToolCursor(*ToolOfSlot(kLensSlot), event.modifiers);
  if (ClickFiltered(*t, event)) return kNoErr;
  // The lens of the last step (at mouse down: the lens at the down point);
  // a failing step puts it back, as the host puts that step back.
  const AIRealPoint lastPoint = t->lastPoint, lastSize = ReadPacked(&record->area);
  LensArea area = LensFollow(lastPoint, lastSize.h, lastSize.v);
  if (event.modifiers & kAIEventAltKey) {
    area = LensResize(area, event.where, (event.modifiers & kAIEventShiftKey) != 0);
    WritePacked(&record->area, AIRealPoint{area.width, area.height});
    RefreshCurrentToolPalette();  // the palette shows the new size at once
  } else {
    area = LensFollow(event.where, area.width, area.height);
  }
  const AIRealPoint corner = Corner(area);
  const TraceOptions o = LensTraceOptions(record);
  ASErr err = kNoErr;
  if (o.on && o.mode == TraceMode::kDragAlong)
    err = RecordDragAlong(t, corner, o, &kLensDrag, record);
  if (!err && !t->boundsEmpty) err = DeformSelection(t, kLensDrag, record, corner, false);
  if (!err) err = DrawFrame(*t, area);
  // The frame alone is a step too (no path to deform): the next move
  // undoes it.
  if (!err && t->boundsEmpty) MarkApplied(t, corner, false);
  if (!err) return kNoErr;
  t->lastPoint = lastPoint;
  WritePacked(&record->area, lastSize);
  RefreshCurrentToolPalette();
  return StepFailed(t, err);
}

// Mouse up: when the last step stays on the artwork (no Space, no Trace,
// which both revert it), its frame goes; then the cycle's Mouse Up follows.
ASErr LensMouseUp(AIToolMessage* message) {
  LensToolParams* record = nullptr;
  ToolTracking* t = &Tracking();
  if (t->art && t->applied && !SpaceHeldAtRelease() && LensRecord(&record) == kNoErr &&
      !LensTraceOptions(record).on) {
    const LensArea last = LensFollow(t->lastPoint, record->area.h, record->area.v);
    if (ASErr err = RemoveFrame(*t, last)) {
      EndTracking(t);
      return err;
    }
  }
  return DragCycleMouseUp(message);
}

}  // namespace vx
