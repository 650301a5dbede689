#include "tools/lens_tool.h"

#include <algorithm>
#include <cmath>

#include "geometry/path_mapping.h"
#include "geometry/piece_mapping.h"
#include "shell/suites.h"
#include "tools/lens_shapes.h"
#include "tools/tool_drag.h"

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
  if (!ToneFactors(area, record.sizeMinimum, reference, &f)) return kNoErr;
  const AIRealMatrix scale{f.h, 0.0f, 0.0f, f.v, reference.h - f.h * reference.h,
                           reference.v - f.v * reference.v};
  return sTransformArt->TransformArt(path, &scale, 1.0f, kTransformObjects);
}

// The area of one step: the record's size, or the size a Drag Along trace
// entry was recorded with, placed to the upper left of the step's point.
LensArea StepArea(const DragStep& step, const LensToolParams& record) {
  const AIRealPoint size = step.trace ? step.trace->aux : record.area;
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
  return MapHostPath(ctx, path, step.scratch);
}

// Trace menu 16010, as the Warp tool reads it.
TraceOptions LensTraceOptions(const void* raw) {
  const auto& record = *static_cast<const LensToolParams*>(raw);
  static constexpr TraceMode kModes[] = {TraceMode::kUniform, TraceMode::kAccelerate,
                                         TraceMode::kDecelerate};
  const int16_t index = record.traceMode >= 0 && record.traceMode <= 6
                            ? record.traceMode
                            : kLensToolFactoryParams.traceMode;
  TraceOptions o{};
  o.on = record.trace != 0;
  o.mode = index == 0 ? TraceMode::kDragAlong : kModes[(index - 1) % 3];
  o.roundTrip = index >= 4;
  o.space = record.space;
  o.steps = std::isfinite(record.steps) && record.steps > 0.0f
                ? int32_t(std::min(record.steps, 4000.0f))
                : 0;
  return o;
}

// Every trace entry keeps the area size in force when it was recorded.
void AnnotateLensEntry(const void* raw, TracePoint* entry) {
  entry->aux = static_cast<const LensToolParams*>(raw)->area;
}

}  // namespace

const DragTool kLensDrag = {DeformLensPath, LensTraceOptions, AnnotateLensEntry};

}  // namespace vx
