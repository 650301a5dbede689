#include "tools/wave_tool.h"

#include <algorithm>
#include <cmath>

#include "geometry/path_mapping.h"
#include "geometry/piece_mapping.h"
#include "shell/suites.h"
#include "tools/tool_drag.h"
#include "tools/wave_shapes.h"

namespace vx {
namespace {

// Trace menu 16030: 0 Drag Along, 1 Full Cycle, 2-4 Uniform / Accelerate /
// Decelerate one way, 5-7 the same as round trips.
constexpr int16_t kFullCycleMode = 1;
constexpr int16_t kLastTraceMode = 7;

// A stored index outside the menu (a damaged preset) reads as the factory
// mode.
int16_t TraceModeIndex(const WaveToolParams& record) {
  return record.traceMode >= 0 && record.traceMode <= kLastTraceMode
             ? record.traceMode
             : kWaveToolFactoryParams.traceMode;
}

ASErr MapWavePoint(const void* data, Point3* v) {
  AIRealPoint p{v->x, v->y};
  WaveMapPoint(*static_cast<const WaveGeometry*>(data), &p);
  v->x = p.h;
  v->y = p.v;
  return kNoErr;
}

ASErr DeformWavePath(const DragStep& step, AIArtHandle path) {
  const auto& record = *static_cast<const WaveToolParams*>(step.record);
  const AIRealRect& bounds = step.tracking->bounds;
  // A Full Cycle copy keeps the whole drag amount and moves its crest: the
  // copies' crests stand evenly across the selection (the list holds the
  // down point, then one entry per copy).
  float crest = step.alt ? step.point.v : step.point.h;
  if (step.trace && TraceModeIndex(record) == kFullCycleMode)
    crest = WaveFullCycleCrest(bounds, step.alt, step.traceIndex, step.traceCount - 1);
  WaveGeometry g;
  if (!WaveSetUp(record.shape, record.cycle, step.alt, bounds, step.tracking->down,
                 step.point, crest, &g))
    return kNoErr;
  if (g.shape == kWaveRollShape) {
    if (!sTransformArt || !sTransformArt->TransformArt) return kSPSuiteNotFoundError;
    const AIRealMatrix squeeze = WaveSqueeze(g, bounds);
    if (ASErr err = sTransformArt->TransformArt(path, &squeeze, 1.0f, kTransformObjects))
      return err;
  }
  // The wave moves the whole selection, so straight pieces get handles at
  // thirds within H of the selection's centre, the band the wave spans.
  const AIRealPoint centre{(bounds.left + bounds.right) / 2.0f,
                           (bounds.top + bounds.bottom) / 2.0f};
  const MapContext ctx = MakeToolContext(MapWavePoint, &g, centre, g.half);
  return MapHostPath(ctx, path, step.scratch);
}

TraceOptions WaveTraceOptions(const void* raw) {
  const auto& record = *static_cast<const WaveToolParams*>(raw);
  static constexpr TraceMode kModes[] = {TraceMode::kUniform, TraceMode::kAccelerate,
                                         TraceMode::kDecelerate};
  const int16_t index = TraceModeIndex(record);
  const bool fullCycle = index == kFullCycleMode;
  const bool roll = record.shape == kWaveRollShape;
  TraceOptions o{};
  o.on = record.trace != 0;
  o.mode = index == 0 ? TraceMode::kDragAlong
           : fullCycle ? TraceMode::kFullCycle
                       : kModes[(index - 2) % 3];
  o.roundTrip = index >= 5;
  o.space = record.space;
  // Steps is a whole number; the palette keeps it within 1 .. 4000.
  o.steps = std::isfinite(record.steps) && record.steps > 0.0f
                ? int32_t(std::min(record.steps, 4000.0f))
                : 0;
  // The rolled shape's copies start at the down point and replace the
  // source; Full Cycle's copies replace it too.
  o.fromFirstPoint = roll && !fullCycle;
  o.removeSource = roll || fullCycle;
  o.recordDownFirst = roll;
  return o;
}

}  // namespace

const DragTool kWaveDrag = {DeformWavePath, WaveTraceOptions, nullptr};

}  // namespace vx
