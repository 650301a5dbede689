// The MetaBrush tool: the pointer's path is recorded in the drag's trace
// list, and every drag step lays the brush anew along the whole path:
// copies of the selection (tools/metabrush.h), or one stroke. Shift drags
// the Brush Size; with Pick With Alt an Alt-click picks the Brush Colour.
#include <algorithm>
#include <cmath>

#include "effects/art_styling.h"
#include "geometry/bezier.h"
#include "shell/blocks.h"
#include "shell/suites.h"
#include "tools/copy_sources.h"
#include "tools/metabrush.h"
#include "tools/point_tools.h"
#include "tools/tool_drag.h"
#include "tools/tool_routing.h"
#include "tools/tool_table.h"

namespace vx {
namespace {

// A stroke never lays more copies than this (a long drag at Spacing 1
// would otherwise bury the document); the stroke path stays below the
// segment limit.
constexpr int32_t kMaxStamps = 4000;
constexpr float kMinSize = 1.0f, kMaxSize = 4000.0f;

enum class BrushDrag { kPaint, kSize, kNone };
BrushDrag gBrushDrag = BrushDrag::kNone;

ASErr PickBrushColour(MetaBrushToolParams* record, AIRealPoint where) {
  AIPathStyle style{};
  bool found = false;
  if (ASErr err = StyleUnderPointer(where, &style, &found); err || !found) return err;
  if (style.fillPaint) WritePacked(&record->keyF, style.fill.color);
  return kNoErr;
}

// Colourize: every painted fill and stroke of a copy takes the colour.
ASErr Colourize(AIArtHandle copy, const AIColor& colour) {
  return ForEachStyledLeaf(copy, [&](AIArtHandle leaf, int16_t type) -> ASErr {
    AIPathStyle style{};
    if (ASErr err = GetLeafStyle(leaf, type, &style)) return err;
    if (style.fillPaint) style.fill.color = colour;
    if (style.strokePaint) style.stroke.color = colour;
    return SetLeafStyle(leaf, type, style);
  });
}

// One stamp's copies of every source, in paint order, each above (Stacking
// 1) or below (0) the copy laid before; *last is the last one laid.
ASErr LayCopies(const ToolTracking& t, const MetaBrushToolParams& p,
                const AIRealMatrix& m, float lineScale, AIArtHandle* last) {
  const bool above = p.keyE != 0;
  for (int32_t k = 0; k < t.artCount; ++k) {
    // Below: the topmost source first, so the stamp keeps its order.
    AIArtHandle source = (*t.art)[above ? k : t.artCount - 1 - k];
    bool copied = false;
    if (ASErr err = IsCopySource(source, &copied)) return err;
    if (!copied) continue;
    AIArtHandle copy = nullptr;
    if (ASErr err = sArt->DuplicateArt(source, above ? kPlaceAbove : kPlaceBelow, *last, &copy))
      return err;
    const int32_t flags = kTransformObjects | kTransformFillGradients |
                          kTransformFillPatterns | kTransformStrokePatterns | kScaleLines;
    if (ASErr err = sTransformArt->TransformArt(copy, &m, lineScale, flags)) return err;
    if (p.keyN)
      if (ASErr err = Colourize(copy, ReadPacked(&p.keyF))) return err;
    *last = copy;
  }
  return kNoErr;
}

ASErr PaintCopies(const ToolTracking& t, const MetaBrushToolParams& p,
                  const BrushStamp* stamps, int32_t n) {
  if (t.boundsEmpty) return kNoErr;
  const AIRealRect& b = t.bounds;
  const AIRealPoint pivot{(b.left + b.right) / 2, (b.top + b.bottom) / 2};
  const float extent = std::max(b.right - b.left, b.top - b.bottom);
  // The first copy goes next to the topmost (above) or bottommost source.
  AIArtHandle last = nullptr;
  for (int32_t k = 0; k < t.artCount && !last; ++k) {
    AIArtHandle a = (*t.art)[p.keyE ? t.artCount - 1 - k : k];
    bool source = false;
    if (ASErr err = IsCopySource(a, &source)) return err;
    if (source) last = a;
  }
  if (!last) return kNoErr;
  sRandom->SetRndSeed(int32_t(p.keyP2));
  for (int32_t i = 0; i < n; ++i) {
    const BrushJitter j = DrawBrushJitter(sRandom->FloatRnd);
    const AIRealMatrix m = BrushCopyMatrix(p, stamps[i], j, pivot, extent);
    const float scale = BrushCopyScale(p, stamps[i], j, extent) *
                        std::sqrt(std::fabs(p.keyT.h * p.keyT.v));
    if (ASErr err = LayCopies(t, p, m, scale, &last)) return err;
  }
  return kNoErr;
}

ASErr PaintStroke(const MetaBrushToolParams& p, const BrushStamp* stamps, int32_t n,
                  Segment* scratch) {
  if (n < 2) return kNoErr;
  BrushStrokeSegments(stamps, n, scratch);
  AIArtHandle path = nullptr;
  if (ASErr err = sArt->NewArt(kPathArt, kPlaceAboveAll, nullptr, &path)) return err;
  if (ASErr err = sPath->SetPathSegmentCount(path, int16_t(n))) return err;
  if (ASErr err = sPath->SetPathSegments(path, 0, int16_t(n), scratch)) return err;
  AIPathStyle style{};
  if (ASErr err = sPathStyle->GetPathStyle(path, &style)) return err;
  style.fillPaint = false;
  style.strokePaint = true;
  style.stroke.color = ReadPacked(&p.keyF);
  style.stroke.width = std::max(float(p.keyK), 0.0f);
  style.stroke.cap = 1;   // round: a brush's end
  style.stroke.join = 1;  // round
  return sPathStyle->SetPathStyle(path, &style);
}

// Lays the brush along the recorded path.
ASErr Paint(ToolTracking* t, const MetaBrushToolParams& p) {
  BlockPtr<AIRealPoint> points;
  BlockPtr<BrushStamp> stamps;
  const int32_t count = t->traceCount;
  if (ASErr err = points.Allocate(size_t(count), "brush path")) return err;
  for (int32_t i = 0; i < count; ++i) points[size_t(i)] = t->trace[i].point;
  if (ASErr err = stamps.Allocate(size_t(kMaxStamps), "brush stamps")) return err;
  const int32_t n = BrushStamps(points.get(), count, p.keyB, stamps.get(), kMaxStamps);
  if (p.keyA == 1) {
    if (ASErr err = EnsureScratch(t)) return err;
    return PaintStroke(p, stamps.get(), std::min(n, kSegmentLimit - 1), t->scratch);
  }
  return PaintCopies(*t, p, stamps.get(), n);
}

}  // namespace

ASErr MetaBrushMouseDown(AIToolMessage* message) {
  const ToolInfo* tool = nullptr;
  MetaBrushToolParams* record = nullptr;
  if (ASErr err = ToolAndRecord(message, &tool, &record)) return err;
  if (!tool) return kNoErr;
  ToolTracking* t = &Tracking();
  EndTracking(t);
  gBrushDrag = BrushDrag::kNone;
  const AIEvent& event = *message->event;
  if ((event.modifiers & kAIEventAltKey) && record->keyD)
    return PickBrushColour(record, event.where);
  const bool sizing = (event.modifiers & kAIEventShiftKey) != 0;
  // Copies need a selection; the stroke and the size drag do not.
  if (!sizing && record->keyA != 1)
    if (ASErr err = CollectSelection(t)) return err;
  BeginTracking(t, event);
  if (!sizing)
    if (ASErr err = AppendTracePoint(t, TracePoint{event.where, {0, 0}, 0})) {
      EndTracking(t);
      return err;
    }
  gBrushDrag = sizing ? BrushDrag::kSize : BrushDrag::kPaint;
  return kNoErr;
}

ASErr MetaBrushMouseDrag(AIToolMessage* message) {
  const ToolInfo* tool = nullptr;
  MetaBrushToolParams* record = nullptr;
  if (ASErr err = ToolAndRecord(message, &tool, &record)) return err;
  ToolTracking* t = &Tracking();
  if (!tool || gBrushDrag == BrushDrag::kNone) return kNoErr;
  const AIEvent& event = *message->event;
  t->modifiers = event.modifiers;
  TrackToolCursor(*tool, event.modifiers);
  if (gBrushDrag == BrushDrag::kSize) {
    record->keyL = std::clamp(Distance(t->down, event.where), kMinSize, kMaxSize);
    return kNoErr;
  }
  if (ClickFiltered(*t, event)) return kNoErr;
  if (ASErr err = RevertStep(t)) return StepFailed(t, err);
  const AIRealPoint last = t->trace[t->traceCount - 1].point;
  if (last.h != event.where.h || last.v != event.where.v)
    if (ASErr err = AppendTracePoint(t, TracePoint{event.where, {0, 0}, 0}))
      return StepFailed(t, err);
  t->current = event.where;
  if (ASErr err = Paint(t, *record)) return StepFailed(t, err);
  MarkApplied(t, event.where, false);
  return kNoErr;
}

ASErr MetaBrushMouseUp(AIToolMessage* message) {
  ToolTracking* t = &Tracking();
  ASErr err = kNoErr;
  if (gBrushDrag == BrushDrag::kPaint && t->hasLastStep && message->event &&
      SpaceHeldAtRelease())
    err = RevertStep(t);
  EndTracking(t);
  gBrushDrag = BrushDrag::kNone;
  return err;
}

}  // namespace vx
