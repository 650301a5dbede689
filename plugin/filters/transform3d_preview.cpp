#include "filters/transform3d_preview.h"

#include <algorithm>
#include <cmath>

#include "filters/kinds3d.h"
#include "filters/transform3d_filter.h"
#include "geometry/path_mapping.h"
#include "generated/resource_ids.h"
#include "shell/suites.h"

namespace vx {

const int32_t kZoomTable[kZoomSteps] = {
    1,   5,   10,  20,   40,   60,   80,   100,  150,  200,  300,  400,
    500, 600, 800, 1000, 1500, 2000, 2500, 3000, 3500, 4000, 5000, 6000};

namespace {
constexpr int kStepsPerPiece = 12;
constexpr int kWarningInset = 12;
constexpr int kCursorArm = 6;
constexpr ADMRGBColor kWarningColour = 0x000000FF;  // red
constexpr int32_t kMaxPercent = 6000;

// The Bernstein weights of the steps t = k / kStepsPerPiece, k = 1 ..
// kStepsPerPiece, the same for every piece.
struct StepWeights {
  float w[kStepsPerPiece][4];
  StepWeights() {
    for (int k = 1; k <= kStepsPerPiece; ++k) {
      const float t = float(k) / kStepsPerPiece;
      const float u = 1.0f - t;
      float* c = w[k - 1];
      c[0] = u * u * u;
      c[1] = 3 * u * u * t;
      c[2] = 3 * u * t * t;
      c[3] = t * t * t;
    }
  }
};

AIRealPoint CubicAt(const Segment& a, const Segment& b, const float (&w)[4]) {
  return {w[0] * a.p.h + w[1] * a.out.h + w[2] * b.in.h + w[3] * b.p.h,
          w[0] * a.p.v + w[1] * a.out.v + w[2] * b.in.v + w[3] * b.p.v};
}

// std::lround of a float within +-1e6 (NaN included), inline: the preview
// rounds two coordinates for every step of every path. Below 2^24 the part
// after the point, v - trunc(v), is exact, so halves go away from zero as
// with lround.
int32_t RoundHalfAway(float v) {
  if (!(std::fabs(v) <= 1.0e6f)) return int32_t(std::lround(v));
  const int32_t whole = int32_t(v);
  const float rest = v - float(whole);
  return whole + (rest >= 0.5f) - (rest <= -0.5f);
}

// The scroll that keeps a pixel's page point in place when the percent
// changes from old to now, in the integer steps of the zoom buttons.
int32_t ScrollAbout(int32_t scroll, int32_t pixelFromCentre, int32_t old,
                    int32_t now) {
  const int32_t away = pixelFromCentre - scroll;
  return pixelFromCentre - away * 100 / old * now / 100;
}
}  // namespace

void InitPreview(PreviewState* s, ADMDialogRef dialog, int32_t itemId) {
  ASRect r{0, 0, 0, 0};
  if (ADMItemRef item = sADMDialog->GetItem(dialog, itemId))
    sADMItem->GetBoundsRect(item, &r);
  // Item coordinates: the drawer's origin is the item's top left.
  s->rect = {1, 1, r.right - r.left - 1, r.bottom - r.top - 1};
  s->centre = {(s->rect.left + s->rect.right) / 2,
               (s->rect.top + s->rect.bottom) / 2};
  s->tracking = PreviewTracking::kNone;
  s->redraw = 0;
  CenterPreview(s);
  s->previousPercent = s->percent;
}

void CenterPreview(PreviewState* s) {
  s->zoomIndex = kStartZoomIndex;
  s->previousPercent = s->percent;
  s->percent = kZoomTable[kStartZoomIndex];
  s->scale = 1.0f;
  s->scroll = {0, 0};
}

bool ZoomStep(PreviewState* s, int step) {
  const int next = s->zoomIndex + step;
  if (next < 0 || next >= kZoomSteps) return false;
  const int32_t old = s->percent;
  s->zoomIndex = next;
  s->previousPercent = old;
  s->percent = kZoomTable[next];
  s->scroll.h = s->scroll.h * 100 / old * s->percent / 100;
  s->scroll.v = s->scroll.v * 100 / old * s->percent / 100;
  return true;
}

bool ZoomStepAbout(PreviewState* s, int step, const ASPoint& pixel) {
  const ASPoint scroll = s->scroll;
  const int32_t old = s->percent;
  if (!ZoomStep(s, step)) return false;
  s->scroll = {ScrollAbout(scroll.h, pixel.h - s->centre.h, old, s->percent),
               ScrollAbout(scroll.v, pixel.v - s->centre.v, old, s->percent)};
  return true;
}

bool ZoomToRect(PreviewState* s, const ASRect& dragged) {
  const int32_t w = std::abs(dragged.right - dragged.left);
  const int32_t h = std::abs(dragged.bottom - dragged.top);
  if (w == 0 || h == 0) return false;
  const int32_t size = h >= w ? s->rect.bottom - s->rect.top
                              : s->rect.right - s->rect.left;
  const int32_t old = s->percent;
  const int64_t wanted = int64_t(size) * 100 / (h >= w ? h : w) * old / 100;
  const int32_t now = int32_t(std::clamp<int64_t>(wanted, 1, kMaxPercent));
  int32_t index = kZoomSteps - 1;
  for (int32_t i = 0; i < kZoomSteps; ++i)
    if (kZoomTable[i] > now) {
      index = i;
      break;
    }
  // The rectangle's centre comes to the preview's centre.
  const ASPoint middle{(dragged.left + dragged.right) / 2,
                       (dragged.top + dragged.bottom) / 2};
  s->scroll = {ScrollAbout(s->scroll.h, middle.h - s->centre.h, old, now) -
                   (middle.h - s->centre.h),
               ScrollAbout(s->scroll.v, middle.v - s->centre.v, old, now) -
                   (middle.v - s->centre.v)};
  s->zoomIndex = index;
  s->previousPercent = old;
  s->percent = now;
  return true;
}

float PixelsPerPoint(const PreviewState& s, const TransformParams& p) {
  // At 100 % the selection's diagonal spans the preview.
  const float size = float(std::min(s.rect.right - s.rect.left,
                                     s.rect.bottom - s.rect.top));
  const float diagonal = p.halfDiagonal > 0.0f ? 2.0f * p.halfDiagonal : 1.0f;
  return size / diagonal * float(s.percent) / 100.0f * s.scale;
}

namespace {
// PageToPixel with k = PixelsPerPoint(s, p) measured once by the caller.
ASPoint PageToPixelAt(const PreviewState& s, const TransformParams& p, float k,
                      const AIRealPoint& page) {
  const float x = (page.h - p.boundsCentre.h) * k;
  const float y = -(page.v - p.boundsCentre.v) * k;
  auto clampPixel = [](float v) { return RoundHalfAway(std::clamp(v, -1.0e6f, 1.0e6f)); };
  return {s.centre.h + s.scroll.h + clampPixel(x),
          s.centre.v + s.scroll.v + clampPixel(y)};
}
}  // namespace

ASPoint PageToPixel(const PreviewState& s, const TransformParams& p,
                    const AIRealPoint& page) {
  return PageToPixelAt(s, p, PixelsPerPoint(s, p), page);
}

AIRealPoint PixelToOffset(const PreviewState& s, const TransformParams& p,
                          const ASPoint& pixel) {
  const float k = PixelsPerPoint(s, p);
  return {float(pixel.h - s.centre.h - s.scroll.h) / k,
          -float(pixel.v - s.centre.v - s.scroll.v) / k};
}

int32_t PreviewWarningIndex(int32_t resultFlag) {
  return resultFlag == kPathSetBehind || resultFlag == kPathSetZeroRadius
             ? resultFlag
             : 0;
}

void PreviewMessage(SPPluginRef plugin, const PathSet& set, ASErr error,
                    char* out, int32_t size) {
  out[0] = '\0';
  int32_t text = PreviewWarningIndex(set.resultFlag);
  if (error == kOverflowErr) text = 3;
  if (text)
    sADMBasic->GetIndexString(plugin, res::kPreviewWarnings, text, out, size);
}

void RenderOutline(PreviewBitmap* b, const PreviewState& s,
                   const TransformParams& p, const PathSet& set) {
  ClearPreviewBitmap(b);
  ASPoint c[4];
  for (int i = 0; i < 4; ++i)
    c[i] = PageToPixel(s, p, {set.corners[i].x, set.corners[i].y});
  for (int i = 0; i < 4; ++i)
    BitmapLine(b, c[i], c[(i + 1) % 4], kOutlineInk, false);
  BitmapLine(b, c[0], c[2], kOutlineInk, false);
  BitmapLine(b, c[1], c[3], kOutlineInk, false);
}

void RenderPath(PreviewBitmap* b, const PreviewState& s,
                const TransformParams& p, const SegmentBuffer& path) {
  static const StepWeights steps;
  const int32_t pieces = path.closed ? path.count : path.count - 1;
  const float scale = PixelsPerPoint(s, p);
  for (int32_t i = 0; i < pieces; ++i) {
    const Segment& a = path.segments[i];
    const Segment& z = path.segments[(i + 1) % path.count];
    ASPoint from = PageToPixelAt(s, p, scale, a.p);
    for (int k = 1; k <= kStepsPerPiece; ++k) {
      const ASPoint to =
          PageToPixelAt(s, p, scale, CubicAt(a, z, steps.w[k - 1]));
      BitmapLine(b, from, to, kPathInk, false);
      from = to;
    }
  }
}

void RenderCursor(PreviewBitmap* b, const PreviewState& s,
                  const TransformParams& p) {
  const ASPoint c = PageToPixel(s, p, p.centre);
  BitmapLine(b, {c.h - kCursorArm, c.v}, {c.h + kCursorArm + 1, c.v},
             kCursorInk, false);
  BitmapLine(b, {c.h, c.v - kCursorArm}, {c.h, c.v + kCursorArm + 1},
             kCursorInk, false);
}

void RenderPreview(PreviewBitmap* b, const PreviewState& s,
                   const TransformParams& p, const PathSet& set,
                   bool withUnmapped) {
  RenderOutline(b, s, p, set);
  for (int32_t i = 0; i < set.pathCount; ++i) {
    if (i < set.nextPath) RenderPath(b, s, p, set.working[i]);
    else if (withUnmapped) RenderPath(b, s, p, set.source[i]);
  }
  RenderCursor(b, s, p);
}

void ShowPreview(ADMDrawerRef drawer, const PreviewState& s,
                 const PreviewBitmap& b, const char* message) {
  CopyBitmap(b, drawer);
  if (!message || !message[0]) return;
  sADMDrawer->SetRGBColor(drawer, kWarningColour);
  const ASRect box{s.rect.left + kWarningInset, s.rect.top + kWarningInset,
                   s.rect.right - kWarningInset, s.rect.bottom - kWarningInset};
  sADMDrawer->DrawTextInABox(drawer, &box, message);
}

void MakeOutlineGuide(PreviewGuide* g, const PreviewState& s,
                      const TransformParams& p, const PathSet& set) {
  // Four edges and two diagonals of the bounds, each sampled in steps so
  // that bent kinds show their bend.
  static constexpr int kEnds[kGuideLines][2] = {{0, 1}, {1, 2}, {2, 3},
                                                {3, 0}, {0, 2}, {1, 3}};
  const MapContext ctx = MakeKindContext(p);
  g->lines = 0;
  g->pointsPerLine = kGuideSteps + 1;
  for (int l = 0; l < kGuideLines; ++l) {
    const Point3& a = set.corners[kEnds[l][0]];
    const Point3& z = set.corners[kEnds[l][1]];
    for (int k = 0; k <= kGuideSteps; ++k) {
      const float t = float(k) / kGuideSteps;
      const AIRealPoint page{a.x + (z.x - a.x) * t, a.y + (z.y - a.y) * t};
      AIRealPoint mapped;
      float depth = 0.0f;
      bool behind = false;
      if (MapPagePoint(ctx, page, &mapped, &depth, &behind)) return;
      g->points[l * g->pointsPerLine + k] = PageToPixel(s, p, mapped);
    }
    g->lines = l + 1;
  }
}

void MakeRectGuide(PreviewGuide* g, const ASPoint& a, const ASPoint& b) {
  g->lines = 1;
  g->pointsPerLine = 5;
  g->points[0] = a;
  g->points[1] = {b.h, a.v};
  g->points[2] = b;
  g->points[3] = {a.h, b.v};
  g->points[4] = a;
}

void XorGuide(PreviewBitmap* b, const PreviewGuide& g) {
  for (int32_t l = 0; l < g.lines; ++l) {
    const ASPoint* pts = g.points + l * g.pointsPerLine;
    for (int32_t k = 1; k < g.pointsPerLine; ++k)
      BitmapLine(b, pts[k - 1], pts[k], kGuideInk, true);
  }
}

ASErr AdvancePreview(TransformParams* p, PathSet* set, const PreviewState& s,
                     PreviewBitmap* b, SliceEndProc sliceEnd, void* data) {
  if (set->nextPath >= set->pathCount) return kNoErr;
  MapContext ctx;
  PathMapping mapping;
  PrepareTransform(p, set, &ctx, &mapping);
  uint32_t sliceStart = sUser->GetTickCount();
  while (set->nextPath < set->pathCount) {
    const int32_t i = set->nextPath;
    if (ASErr err = MapNextPath(set, ctx, mapping, false)) return err;
    RenderPath(b, s, *p, set->working[i]);
    if (sUser->GetTickCount() - sliceStart < kPreviewSliceTicks) continue;
    if (!sliceEnd) break;
    sliceEnd(data);
    sliceStart = sUser->GetTickCount();
  }
  return kNoErr;
}

}  // namespace vx
