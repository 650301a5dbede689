#include "host/art/hit_test_segment.h"

#include <algorithm>
#include <cmath>

#include "host/art/art.h"
#include "host/art/document.h"
#include "host/art/suites/suite_support.h"

namespace vx::host::art {

namespace {

// The nearest point of a piece is found by sampling it and then narrowing
// the best sample's neighbourhood by golden-section search. Between two
// samples of a piece of ordinary size the distance has a single minimum, so
// the search converges on it; 60 steps shrink the bracket below 1e-12.
constexpr int kSamplesPerPiece = 64;
constexpr int kRefineSteps = 60;

struct Cubic {
  double x[4], y[4];
  void At(double t, double* px, double* py) const {
    const double u = 1 - t, b0 = u * u * u, b1 = 3 * u * u * t, b2 = 3 * u * t * t,
                 b3 = t * t * t;
    *px = b0 * x[0] + b1 * x[1] + b2 * x[2] + b3 * x[3];
    *py = b0 * y[0] + b1 * y[1] + b2 * y[2] + b3 * y[3];
  }
  double Distance2(double t, AIRealPoint q) const {
    double px, py;
    At(t, &px, &py);
    return (px - q.h) * (px - q.h) + (py - q.v) * (py - q.v);
  }
};

Cubic PieceOf(const Segment& a, const Segment& b) {
  return {{a.p.h, a.out.h, b.in.h, b.p.h}, {a.p.v, a.out.v, b.in.v, b.p.v}};
}

// The parameter of the point of c nearest to q.
double NearestT(const Cubic& c, AIRealPoint q) {
  int best = 0;
  double bestD = c.Distance2(0, q);
  for (int k = 1; k <= kSamplesPerPiece; ++k) {
    const double d = c.Distance2(double(k) / kSamplesPerPiece, q);
    if (d < bestD) bestD = d, best = k;
  }
  const double g = (std::sqrt(5.0) - 1) / 2;
  double lo = std::max(0.0, double(best - 1) / kSamplesPerPiece);
  double hi = std::min(1.0, double(best + 1) / kSamplesPerPiece);
  double m1 = hi - g * (hi - lo), m2 = lo + g * (hi - lo);
  double d1 = c.Distance2(m1, q), d2 = c.Distance2(m2, q);
  for (int i = 0; i < kRefineSteps; ++i) {
    if (d1 < d2) {
      hi = m2, m2 = m1, d2 = d1;
      m1 = hi - g * (hi - lo), d1 = c.Distance2(m1, q);
    } else {
      lo = m1, m1 = m2, d1 = d2;
      m2 = lo + g * (hi - lo), d2 = c.Distance2(m2, q);
    }
  }
  return (lo + hi) / 2;
}

bool TestPath(Art& art, AIRealPoint q, double tol, SegmentHit* hit) {
  const PathData& p = art.path();
  const size_t n = p.segments.size();
  for (size_t i = 0; i < n; ++i)
    if (std::fabs(double(p.segments[i].p.h) - q.h) <= tol &&
        std::fabs(double(p.segments[i].p.v) - q.v) <= tol) {
      *hit = {&art, int(i), true, 0, p.segments[i].p};
      return true;
    }
  if (n < 2) return false;
  const double reach = tol + (p.style.strokePaint ? p.style.stroke.width * 0.5 : 0);
  double bestD = reach * reach;
  bool found = false;
  const size_t pieces = p.closed ? n : n - 1;
  for (size_t i = 0; i < pieces; ++i) {
    const Cubic c = PieceOf(p.segments[i], p.segments[(i + 1) % n]);
    const double t = NearestT(c, q), d = c.Distance2(t, q);
    if (d <= bestD) {
      double x, y;
      c.At(t, &x, &y);
      *hit = {&art, int(i), false, t, {AIReal(x), AIReal(y)}};
      bestD = d;
      found = true;
    }
  }
  return found;
}

bool TestArt(Art& art, AIRealPoint q, double tol, SegmentHit* hit) {
  if (art.hidden()) return false;
  switch (art.kind()) {
    case ArtKind::Path: return TestPath(art, q, tol, hit);
    case ArtKind::Group:
    case ArtKind::CompoundPath:
      for (Art* c = art.firstChild(); c; c = c->sibling())
        if (TestArt(*c, q, tol, hit)) return true;
      return false;
    default: return false;
  }
}

}  // namespace

SegmentHit HitTestSegment(const Document& doc, Art* art, AIRealPoint point,
                          AIReal tolerance) {
  const double tol = std::max<double>(tolerance, 0);
  SegmentHit hit;
  if (art) {
    TestArt(*art, point, tol, &hit);
    return hit;
  }
  for (int i = 0; i < doc.LayerCount(); ++i) {  // top layer first
    Layer* layer = doc.LayerAt(i);
    if (layer->visible && TestArt(*layer->group, point, tol, &hit)) break;
  }
  return hit;
}

ASErr HitTestSegmentSuite(AIArtHandle handle, const AIRealPoint* point,
                          AIReal tolerance, AIHitSegmentResult* result) {
  Document* doc = CurrentDocument();
  if (!doc) return kNoDocumentErr;
  Art* art = handle ? ArtFrom(handle) : nullptr;
  if (!point || !result || (handle && !art)) return kSPBadParameterError;
  const SegmentHit hit = HitTestSegment(*doc, art, *point, tolerance);
  result->art = ToHandle(hit.art);
  result->segmentIndex = int16_t(hit.segment);
  result->onAnchor = hit.onAnchor ? 1 : 0;
  result->t = AIReal(hit.t);
  result->point = hit.point;
  return kNoErr;
}

}  // namespace vx::host::art
