#include "geometry/piece_mapping.h"

#include <algorithm>
#include <cmath>

#include "geometry/bezier.h"
#include "geometry/projection.h"

namespace vx {
namespace {

constexpr float kTangentTolerance = 0.0001f;

AIRealPoint Minus(const AIRealPoint& a, const AIRealPoint& b) {
  return {a.h - b.h, a.v - b.v};
}
AIRealPoint Plus(const AIRealPoint& a, const AIRealPoint& b) {
  return {a.h + b.h, a.v + b.v};
}
bool Same(const AIRealPoint& a, const AIRealPoint& b) {
  return a.h == b.h && a.v == b.v;
}
// from + (to - from) / 3
AIRealPoint Third(const AIRealPoint& from, const AIRealPoint& to) {
  return {from.h + (to.h - from.h) / 3.0f, from.v + (to.v - from.v) / 3.0f};
}

// One mapped (and, for 3D, projected) point.
struct MappedPoint {
  AIRealPoint pt;
  float z;
  bool untouched;
};

// Maps the n points p (relative to the centre) in their order; "ooTa"
// leaves a point where it was. The first error ends the run. The mapped
// points are projected afterwards, all together: the projections' divisions
// then overlap instead of each waiting at the end of a mapper call. Sets
// *behind when a mapped point lies at or behind the view point.
template <int n>
[[gnu::always_inline]] inline ASErr MapPoints(const MapContext& ctx,
                                              const AIRealPoint (&p)[n],
                                              MappedPoint (&out)[n],
                                              bool* behind) {
  Point3 v[n];
  for (int i = 0; i < n; ++i) {
    v[i] = Point3{p[i].h, p[i].v, 0.0f};
    const ASErr err = ctx.mapper(ctx.mapperData, &v[i]);
    out[i].untouched = err == kUntouchedErr;
    if (out[i].untouched) {
      v[i] = Point3{p[i].h, p[i].v, 0.0f};
    } else if (err) {
      return err;
    }
  }
  for (int i = 0; i < n; ++i) {
    out[i].z = v[i].z;
    if (ctx.project) {
      if (Project(ctx.distance, v[i], &out[i].pt)) *behind = true;
    } else {
      out[i].pt = {v[i].x, v[i].y};
    }
  }
  return kNoErr;
}

bool GetsThirds(const MapContext& ctx, const AIRealPoint& relativeAnchor) {
  switch (ctx.thirds) {
    case ThirdsRule::kAlways:
      return true;
    case ThirdsRule::kNearAnchor:
      return Distance(Plus(relativeAnchor, ctx.centre), ctx.reference) <=
             ctx.size;
    case ThirdsRule::kInsideArea: {
      const AIRealPoint a = Plus(relativeAnchor, ctx.centre);
      return a.h >= ctx.reference.h - ctx.areaWidth && a.h <= ctx.reference.h &&
             a.v >= ctx.reference.v && a.v <= ctx.reference.v + ctx.areaHeight;
    }
  }
  return false;
}

float SquaredDistance(const AIRealPoint& a, const AIRealPoint& b) {
  const float dx = b.h - a.h, dy = b.v - a.v;
  return dx * dx + dy * dy;
}

// The handle of a mapped end: as long as the mapped handle (its squared
// length given), along the mapped tangent from the anchor towards its
// t = 0.001 neighbour; retracted when the two coincide.
AIRealPoint Reaim(const AIRealPoint& anchor, const AIRealPoint& near,
                  float squaredLength, float tangentTolerance) {
  if (PointsClose(anchor, near, tangentTolerance)) return anchor;
  const AIRealPoint d = Minus(near, anchor);
  const float f = std::sqrt(squaredLength / (d.h * d.h + d.v * d.v));
  return {anchor.h + f * d.h, anchor.v + f * d.v};
}

}  // namespace

ASErr MapPagePoint(const MapContext& ctx, const AIRealPoint& p,
                   AIRealPoint* out, float* z, bool* behind) {
  const AIRealPoint relative[1] = {Minus(p, ctx.centre)};
  MappedPoint m[1];
  const ASErr err = MapPoints(ctx, relative, m, behind);
  if (err) return err;
  *out = Plus(m[0].pt, ctx.centre);
  *z = m[0].z;
  return kNoErr;
}

MapContext MakeTransformContext(PointMapper mapper, const void* mapperData,
                                AIRealPoint centre, float distance,
                                float halfDiagonal) {
  MapContext ctx{};
  ctx.mapper = mapper;
  ctx.mapperData = mapperData;
  ctx.centre = centre;
  ctx.project = true;
  ctx.distance = distance;
  ctx.splitLength = std::max(halfDiagonal * 0.01f, 2.0f);
  ctx.matchTolerance = std::clamp(halfDiagonal * 0.005f, 0.5f, 5.0f);
  ctx.tangentTolerance = kTangentTolerance;
  ctx.thirds = ThirdsRule::kAlways;
  ctx.untouchedRules = false;
  return ctx;
}

MapContext MakeToolContext(PointMapper mapper, const void* mapperData,
                           AIRealPoint reference, float size) {
  MapContext ctx{};
  ctx.mapper = mapper;
  ctx.mapperData = mapperData;
  ctx.centre = {0.0f, 0.0f};
  ctx.project = false;
  ctx.distance = 0.0f;
  ctx.splitLength = std::max(size * 0.01f, 2.0f);
  ctx.matchTolerance = std::max(size * 0.01f, 1.0f);
  ctx.tangentTolerance = kTangentTolerance;
  ctx.thirds = ThirdsRule::kNearAnchor;
  ctx.untouchedRules = true;
  ctx.reference = reference;
  ctx.size = size;
  return ctx;
}

MapContext MakeToolAreaContext(PointMapper mapper, const void* mapperData,
                               AIRealPoint reference, float width,
                               float height) {
  MapContext ctx = MakeToolContext(mapper, mapperData, reference, 0.0f);
  const float s = std::min(width, height) * 0.005f;
  ctx.splitLength = std::max(s, 2.0f);
  ctx.matchTolerance = std::max(s, 1.0f);
  ctx.thirds = ThirdsRule::kInsideArea;
  ctx.areaWidth = width;
  ctx.areaHeight = height;
  return ctx;
}

ASErr MapPiece(const MapContext& ctx, Segment* first, Segment* second,
               float* depth, bool allowSplit) {
  const AIRealPoint& c = ctx.centre;
  AIRealPoint a0 = Minus(first->p, c), a1 = Minus(first->out, c);
  AIRealPoint a2 = Minus(second->in, c), a3 = Minus(second->p, c);
  // Lengths are compared squared: one square root less per length.
  const float split2 = ctx.splitLength * ctx.splitLength;
  if (allowSplit && SquaredDistance(a0, a3) < split2) allowSplit = false;
  if (Same(a1, a0) && Same(a2, a3)) {
    // Straight: handles at thirds give the mapped tangents a direction.
    // Both are computed from the original anchors.
    const AIRealPoint t1 = Third(a0, a3), t2 = Third(a3, a0);
    if (GetsThirds(ctx, a0)) a1 = t1;
    if (GetsThirds(ctx, a3)) a2 = t2;
  }

  bool behind = false;
  // In this order: P0, its t = 0.001 neighbour, P1, P3, its neighbour, P2.
  const AIRealPoint ends[6] = {a0, CurvePoint(kWeightsNearEnd, a0, a1, a2, a3),
                               a1, a3, CurvePoint(kWeightsNearEnd, a3, a2, a1, a0),
                               a2};
  MappedPoint mapped[6];
  ASErr err = MapPoints(ctx, ends, mapped, &behind);
  if (err) return err;
  const MappedPoint &p0 = mapped[0], &q0 = mapped[1], &p1 = mapped[2];
  const MappedPoint &p3 = mapped[3], &q3 = mapped[4], &p2 = mapped[5];

  const float chord2 = SquaredDistance(p0.pt, p3.pt);
  const float lead2 = SquaredDistance(p0.pt, p1.pt);
  const float trail2 = SquaredDistance(p3.pt, p2.pt);
  const bool keep0 =
      ctx.untouchedRules && p0.untouched && q0.untouched && p1.untouched;
  const bool keep1 =
      ctx.untouchedRules && p3.untouched && q3.untouched && p2.untouched;
  const AIRealPoint n1 =
      keep0 ? p1.pt : Reaim(p0.pt, q0.pt, lead2, ctx.tangentTolerance);
  const AIRealPoint n2 =
      keep1 ? p2.pt : Reaim(p3.pt, q3.pt, trail2, ctx.tangentTolerance);

  const bool mayTest =
      allowSplit && (chord2 >= split2 || lead2 >= split2 || trail2 >= split2);
  // The samples at 1/3 and 2/3 are mapped whenever they can matter: for the
  // split test, and in 3D for the "behind" warning.
  if (mayTest || ctx.project) {
    const AIRealPoint thirds[2] = {CurvePoint(kWeightsThird, a0, a1, a2, a3),
                                   CurvePoint(kWeightsThird, a3, a2, a1, a0)};
    MappedPoint m[2];
    if ((err = MapPoints(ctx, thirds, m, &behind))) return err;
    const MappedPoint &m1 = m[0], &m2 = m[1];
    const bool allUntouched = keep0 && keep1 && m1.untouched && m2.untouched;
    if (mayTest && !allUntouched) {
      const AIRealPoint c1 = CurvePoint(kWeightsThird, p0.pt, n1, n2, p3.pt);
      const AIRealPoint c2 = CurvePoint(kWeightsThird, p3.pt, n2, n1, p0.pt);
      if (!PointsClose(m1.pt, c1, ctx.matchTolerance) ||
          !PointsClose(m2.pt, c2, ctx.matchTolerance))
        return kPieceSplit;
    }
  }

  *depth = std::max(std::max(kDepthSentinel, p0.z), p3.z);
  first->p = Plus(p0.pt, c);
  first->out = Plus(n1, c);
  second->in = Plus(n2, c);
  second->p = Plus(p3.pt, c);
  if (!keep0) first->corner = 1;
  if (!keep1) second->corner = 1;
  return behind ? kPieceBehind : kPieceMapped;
}

}  // namespace vx
