#include "tools/wave_tool.h"

#include "geometry/path_mapping.h"
#include "geometry/piece_mapping.h"
#include "shell/suites.h"
#include "tools/tool_drag.h"
#include "tools/trace_menu.h"
#include "tools/wave_shapes.h"

namespace vx {
namespace {

TraceOptions WaveTraceOptions(const void* raw);

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
  if (step.trace && WaveTraceOptions(&record).mode == TraceMode::kFullCycle)
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
  return MapHostPath(ctx, path, step.scratch, step.source);
}

TraceOptions WaveTraceOptions(const void* raw) {
  const auto& record = *static_cast<const WaveToolParams*>(raw);
  TraceOptions o = ReadTraceMenu(
      {record.trace, record.traceMode, record.space, record.steps}, true,
      kWaveToolFactoryParams.traceMode);
  const bool fullCycle = o.mode == TraceMode::kFullCycle;
  const bool roll = record.shape == kWaveRollShape;
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
