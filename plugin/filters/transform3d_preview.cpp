#include "filters/transform3d_preview.h"

#include <algorithm>
#include <cmath>

#include "geometry/bezier.h"
#include "shell/suites.h"

namespace vx {

const int32_t kZoomTable[kZoomSteps] = {
    1,   5,   10,  20,   40,   60,   80,   100,  150,  200,  300,  400,
    500, 600, 800, 1000, 1500, 2000, 2500, 3000, 3500, 4000, 5000, 6000};

namespace {
constexpr ADMRGBColor kOutlineColour = 0x00A0A0A0;
constexpr ADMRGBColor kPathColour = 0x00000000;
constexpr ADMRGBColor kCursorColour = 0x00FF0000;  // blue
constexpr ADMRGBColor kWarningColour = 0x000000FF;  // red
constexpr int kStepsPerPiece = 12;
constexpr int kWarningInset = 12;

AIRealPoint CubicAt(const Segment& a, const Segment& b, float t) {
  const float u = 1.0f - t;
  const float w0 = u * u * u, w1 = 3 * u * u * t, w2 = 3 * u * t * t,
              w3 = t * t * t;
  return {w0 * a.p.h + w1 * a.out.h + w2 * b.in.h + w3 * b.p.h,
          w0 * a.p.v + w1 * a.out.v + w2 * b.in.v + w3 * b.p.v};
}

void Line(ADMDrawerRef drawer, ASPoint a, ASPoint b) {
  sADMDrawer->DrawLine(drawer, &a, &b);
}

void DrawPath(ADMDrawerRef drawer, const PreviewState& s,
              const TransformParams& p, const SegmentBuffer& path) {
  const int32_t pieces = path.closed ? path.count : path.count - 1;
  for (int32_t i = 0; i < pieces; ++i) {
    const Segment& a = path.segments[i];
    const Segment& b = path.segments[(i + 1) % path.count];
    ASPoint from = PageToPixel(s, p, a.p);
    for (int k = 1; k <= kStepsPerPiece; ++k) {
      const ASPoint to =
          PageToPixel(s, p, CubicAt(a, b, float(k) / kStepsPerPiece));
      Line(drawer, from, to);
      from = to;
    }
  }
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

float PixelsPerPoint(const PreviewState& s, const TransformParams& p) {
  // At 100 % the selection's diagonal spans the preview.
  const float size = float(std::min(s.rect.right - s.rect.left,
                                     s.rect.bottom - s.rect.top));
  const float diagonal = p.halfDiagonal > 0.0f ? 2.0f * p.halfDiagonal : 1.0f;
  return size / diagonal * float(s.percent) / 100.0f * s.scale;
}

ASPoint PageToPixel(const PreviewState& s, const TransformParams& p,
                    const AIRealPoint& page) {
  const float k = PixelsPerPoint(s, p);
  const float x = (page.h - p.boundsCentre.h) * k;
  const float y = -(page.v - p.boundsCentre.v) * k;
  auto clampPixel = [](float v) {
    return int32_t(std::lround(std::clamp(v, -1.0e6f, 1.0e6f)));
  };
  return {s.centre.h + s.scroll.h + clampPixel(x),
          s.centre.v + s.scroll.v + clampPixel(y)};
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
    sADMBasic->GetIndexString(plugin, kTransformWarningTable, text, out, size);
}

void DrawPreview(SPPluginRef plugin, ADMDrawerRef drawer,
                 const PreviewState& s, const TransformParams& p,
                 const PathSet& set, ASErr error) {
  sADMDrawer->SetDrawMode(drawer, kADMNormalMode);
  sADMDrawer->ClearRect(drawer, &s.rect);
  // The untransformed outline with its cross.
  sADMDrawer->SetRGBColor(drawer, kOutlineColour);
  ASPoint c[4];
  for (int i = 0; i < 4; ++i)
    c[i] = PageToPixel(s, p, {set.corners[i].x, set.corners[i].y});
  for (int i = 0; i < 4; ++i) Line(drawer, c[i], c[(i + 1) % 4]);
  Line(drawer, c[0], c[2]);
  Line(drawer, c[1], c[3]);
  // The mapped paths (those not mapped yet show their source).
  sADMDrawer->SetRGBColor(drawer, kPathColour);
  for (int32_t i = 0; i < set.pathCount; ++i)
    DrawPath(drawer, s, p, i < set.nextPath ? set.working[i] : set.source[i]);
  // The cross cursor through the transformation centre.
  sADMDrawer->SetRGBColor(drawer, kCursorColour);
  const ASPoint centre = PageToPixel(s, p, p.centre);
  Line(drawer, {centre.h - 6, centre.v}, {centre.h + 6, centre.v});
  Line(drawer, {centre.h, centre.v - 6}, {centre.h, centre.v + 6});
  // Warnings and errors in red.
  char message[256];
  PreviewMessage(plugin, set, error, message, sizeof message);
  if (message[0]) {
    sADMDrawer->SetRGBColor(drawer, kWarningColour);
    const ASRect box{s.rect.left + kWarningInset, s.rect.top + kWarningInset,
                     s.rect.right - kWarningInset,
                     s.rect.bottom - kWarningInset};
    sADMDrawer->DrawTextInABox(drawer, &box, message);
  }
}

}  // namespace vx
