#include "tools/craft_distort.h"

#include <algorithm>

#include "geometry/bezier.h"
#include "geometry/path_mapping.h"
#include "geometry/progress.h"
#include "shell/blocks.h"
#include "shell/suites.h"

namespace vx {

namespace {

// The point mapper of the Craft tool. The context's centre is the page
// origin, so points arrive in page coordinates.
ASErr CraftMapPoint(const void* data, Point3* v) {
  const AreaStep& step = *static_cast<const AreaStep*>(data);
  AIRealPoint moved;
  if (!SweepPoint(step, {v->x, v->y}, &moved)) return kUntouchedErr;
  v->x = moved.h;
  v->y = moved.v;
  return kNoErr;
}

AIRealPoint Lerp(const AIRealPoint& a, const AIRealPoint& b, float t) {
  return {a.h + t * (b.h - a.h), a.v + t * (b.v - a.v)};
}

bool Same(const AIRealPoint& a, const AIRealPoint& b) { return a.h == b.h && a.v == b.v; }

}  // namespace

MapContext CraftContext(const AreaStep* step) {
  return MakeToolContext(CraftMapPoint, step, step->centre, step->radius);
}

ASErr DistortSegments(const AreaStep& step, const Segment* source, int32_t count,
                      bool closed, Segment* out, int32_t* outCount) {
  float depth;
  const ASErr r = MapSegmentsSubdividing(CraftContext(&step), source, count, closed, out,
                                         outCount, &depth, ProgressSpan{0, 0});
  return r == kPieceBehind ? kNoErr : r;
}

ASErr DistortHostPath(const AreaStep& step, AIArtHandle path, Segment* scratch,
                      Segment* source) {
  return MapHostPath(CraftContext(&step), path, scratch, source);
}

int32_t InsertAnchor(const Segment* segments, int32_t count, bool closed,
                     int32_t piece, float t, Segment* out) {
  const int32_t pieces = closed ? count : count - 1;
  if (count < 2 || piece < 0 || piece >= pieces || !(t > 0.0f && t < 1.0f)) return -1;
  const int32_t next = (piece + 1) % count;
  std::copy(segments, segments + piece + 1, out);
  std::copy(segments + piece + 1, segments + count, out + piece + 2);
  Segment& first = out[piece];
  Segment& second = out[next == 0 ? 0 : piece + 2];
  Segment& added = out[piece + 1];
  const AIRealPoint p0 = first.p, p1 = first.out, p2 = second.in, p3 = second.p;
  if (Same(p1, p0) && Same(p2, p3)) {
    const AIRealPoint m = Lerp(p0, p3, t);
    added = {m, m, m, 1};
    return piece + 1;
  }
  const AIRealPoint a = Lerp(p0, p1, t), b = Lerp(p1, p2, t), c = Lerp(p2, p3, t);
  const AIRealPoint d = Lerp(a, b, t), e = Lerp(b, c, t);
  first.out = a;
  second.in = c;
  added = {Lerp(d, e, t), d, e, 0};
  return piece + 1;
}

ASErr InsertAnchorIntoPath(AIArtHandle path, int32_t piece, float t) {
  if (!sPath) return kSPSuiteNotFoundError;
  int16_t count = 0;
  ASBoolean closed = 0;
  if (ASErr err = sPath->GetPathSegmentCount(path, &count)) return err;
  if (ASErr err = sPath->GetPathClosed(path, &closed)) return err;
  // The host's segment count is 16-bit: a full path takes no more anchors.
  if (count < 2 || count >= INT16_MAX) return kNoErr;
  BlockPtr<Segment> segs;
  if (ASErr err = segs.Allocate(static_cast<std::size_t>(count) * 2 + 1,
                                "buffer 2 for segments"))
    return err;
  Segment* source = segs.get();
  Segment* result = segs.get() + count;
  if (ASErr err = sPath->GetPathSegments(path, 0, count, source)) return err;
  if (InsertAnchor(source, count, closed != 0, piece, t, result) < 0) return kNoErr;
  const int16_t grown = static_cast<int16_t>(count + 1);
  if (ASErr err = sPath->SetPathSegmentCount(path, grown)) return err;
  return sPath->SetPathSegments(path, 0, grown, result);
}

// How near the pointer an outline must pass, in points (as near as the
// click filter's reach).
constexpr AIReal kInsertTolerance = 2.0f;

ASErr InsertAnchorAtHit(AIRealPoint where) {
  if (!sHitTest || !sHitTest->HitTestSegment || !sArt) return kSPSuiteNotFoundError;
  AIHitSegmentResult hit{};
  if (ASErr err = sHitTest->HitTestSegment(nullptr, &where, kInsertTolerance, &hit))
    return err;
  if (!hit.art || hit.onAnchor) return kNoErr;
  int16_t type = kUnknownArt;
  if (ASErr err = sArt->GetArtType(hit.art, &type)) return err;
  if (type != kPathArt) return kNoErr;
  return InsertAnchorIntoPath(hit.art, hit.segmentIndex, hit.t);
}

}  // namespace vx
