#include "tools/warp_tool.h"

#include <algorithm>
#include <cmath>

#include "geometry/path_mapping.h"
#include "geometry/piece_mapping.h"
#include "tools/tool_drag.h"
#include "tools/warp_shapes.h"

namespace vx {
namespace {

// Shapes 6 and 14 are the Trace menu's tool-specific cases: the first list
// point gets a copy, Drag Along starts at the down point, and the source is
// removed once the copies stand.
bool CopiesFromDownPoint(int16_t shape) { return shape == 6 || shape == 14; }

ASErr MapWarpPoint(const void* data, Point3* v) {
  AIRealPoint p{v->x, v->y};
  if (!WarpMapPoint(*static_cast<const WarpGeometry*>(data), &p))
    return kUntouchedErr;
  v->x = p.h;
  v->y = p.v;
  return kNoErr;
}

ASErr DeformWarpPath(const DragStep& step, AIArtHandle path) {
  const auto& record = *static_cast<const WarpToolParams*>(step.record);
  WarpGeometry g;
  if (!WarpSetUp(record.shape, record.margin, record.perspective != 0, step.alt,
                 step.tracking->bounds, step.tracking->down, step.point, &g))
    return kNoErr;
  // Straight pieces get handles at thirds near the bend: within the reach
  // of the reference column at the pointer's height (width with Alt).
  const AIRealPoint reference = step.alt ? AIRealPoint{step.point.h, g.x0}
                                         : AIRealPoint{g.x0, step.point.v};
  const MapContext ctx = MakeToolContext(MapWarpPoint, &g, reference, g.w);
  return MapHostPath(ctx, path, step.scratch, step.source);
}

// Trace menu (res::kTraceMenu): 0 Drag Along, 1-3 Uniform / Accelerate / Decelerate one
// way, 4-6 the same as round trips. A stored index outside the menu (a
// damaged preset) reads as the factory mode, Uniform (One Way).
TraceOptions WarpTraceOptions(const void* raw) {
  const auto& record = *static_cast<const WarpToolParams*>(raw);
  static constexpr TraceMode kModes[] = {TraceMode::kUniform, TraceMode::kAccelerate,
                                         TraceMode::kDecelerate};
  const int16_t index = record.traceMode >= 0 && record.traceMode <= 6
                            ? record.traceMode
                            : kWarpToolFactoryParams.traceMode;
  TraceOptions o{};
  o.on = record.trace != 0;
  o.mode = index == 0 ? TraceMode::kDragAlong : kModes[(index - 1) % 3];
  o.roundTrip = index >= 4;
  o.space = record.space;
  // Steps is a whole number; the palette keeps it within 1 .. 4000.
  o.steps = std::isfinite(record.steps) && record.steps > 0.0f
                ? int32_t(std::min(float(record.steps), 4000.0f))
                : 0;
  o.fromFirstPoint = o.removeSource = o.recordDownFirst =
      CopiesFromDownPoint(record.shape);
  return o;
}

}  // namespace

const DragTool kWarpDrag = {DeformWarpPath, WarpTraceOptions, nullptr};

}  // namespace vx
