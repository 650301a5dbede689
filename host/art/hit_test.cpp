#include "host/art/hit_test.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "host/art/art.h"
#include "host/art/document.h"
#include "host/art/geometry.h"
#include "host/art/matching.h"
#include "host/art/text_start.h"

namespace vx::host::art {

namespace {

// Each Bezier piece is flattened into this many chords for the stroke and
// fill tests; at a tolerance of a point or more the chord error of pieces
// of ordinary size is far below it.
constexpr int kChordsPerPiece = 32;

bool Near(AIRealPoint a, AIRealPoint b, double tol) {
  return std::fabs(double(a.h) - b.h) <= tol && std::fabs(double(a.v) - b.v) <= tol;
}

std::vector<AIRealPoint> Flatten(const PathData& p) {
  std::vector<AIRealPoint> pts;
  size_t n = p.segments.size();
  if (n == 0) return pts;
  pts.push_back(p.segments[0].p);
  size_t pieces = p.closed ? n : n - 1;
  for (size_t i = 0; i < pieces && n > 1; ++i) {
    const Segment& s = p.segments[i];
    const Segment& e = p.segments[(i + 1) % n];
    for (int k = 1; k <= kChordsPerPiece; ++k) {
      double t = double(k) / kChordsPerPiece, u = 1 - t;
      double b0 = u * u * u, b1 = 3 * u * u * t, b2 = 3 * u * t * t, b3 = t * t * t;
      pts.push_back({AIReal(b0 * s.p.h + b1 * s.out.h + b2 * e.in.h + b3 * e.p.h),
                     AIReal(b0 * s.p.v + b1 * s.out.v + b2 * e.in.v + b3 * e.p.v)});
    }
  }
  return pts;
}

double DistanceToPolyline(const std::vector<AIRealPoint>& pts, AIRealPoint q) {
  double best = INFINITY;
  for (size_t i = 0; i + 1 < pts.size(); ++i) {
    double ax = pts[i].h, ay = pts[i].v, bx = pts[i + 1].h, by = pts[i + 1].v;
    double dx = bx - ax, dy = by - ay, len2 = dx * dx + dy * dy;
    double t = len2 > 0 ? ((q.h - ax) * dx + (q.v - ay) * dy) / len2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    best = std::min(best, std::hypot(q.h - (ax + t * dx), q.v - (ay + t * dy)));
  }
  if (pts.size() == 1) best = std::hypot(q.h - pts[0].h, q.v - pts[0].v);
  return best;
}

// Whether q lies within `margin` of the box of a path's anchors and control
// points. A Bezier path lies inside that box (its pieces inside the hulls
// of their control points), and so do its centre and its fill: a point
// outside the grown box hits nothing, and the flattening is skipped.
bool NearControlBox(const PathData& p, AIRealPoint q, double margin) {
  if (p.segments.empty()) return false;
  double left = INFINITY, right = -INFINITY, bottom = INFINITY, top = -INFINITY;
  for (const Segment& s : p.segments)
    for (AIRealPoint c : {s.in, s.p, s.out}) {
      left = std::min(left, double(c.h));
      right = std::max(right, double(c.h));
      bottom = std::min(bottom, double(c.v));
      top = std::max(top, double(c.v));
    }
  return q.h >= left - margin && q.h <= right + margin && q.v >= bottom - margin &&
         q.v <= top + margin;
}

double StrokeReach(const PathData& p, double tol) {
  return tol + (p.style.strokePaint ? p.style.stroke.width * 0.5 : 0);
}

// Winding number of the closed polygon around q.
int Winding(const std::vector<AIRealPoint>& pts, AIRealPoint q) {
  int w = 0;
  size_t n = pts.size();
  for (size_t i = 0; i < n; ++i) {
    AIRealPoint a = pts[i], b = pts[(i + 1) % n];
    if (a.v <= q.v) {
      if (b.v > q.v && (b.h - a.h) * (q.v - a.v) - (q.h - a.h) * (b.v - a.v) > 0) ++w;
    } else if (b.v <= q.v && (b.h - a.h) * (q.v - a.v) - (q.h - a.h) * (b.v - a.v) < 0) {
      --w;
    }
  }
  return w;
}

Hit TestPath(Art& art, const PathData& p, AIRealPoint q, double tol,
             int fillWinding, bool fillTested) {
  Hit hit;
  const double reach = StrokeReach(p, tol);
  if (!NearControlBox(p, q, reach)) return hit;
  hit.art = &art;
  hit.point = q;
  for (size_t i = 0; i < p.segments.size(); ++i)
    if (Near(p.segments[i].p, q, tol)) {
      hit.part = kAnchorPart;
      hit.segment = int(i);
      return hit;
    }
  for (size_t i = 0; i < p.segments.size(); ++i) {
    const Segment& s = p.segments[i];
    if (!Near(s.in, s.p, 0) && Near(s.in, q, tol)) {
      hit.part = kInPart;
      hit.segment = int(i);
      return hit;
    }
    if (!Near(s.out, s.p, 0) && Near(s.out, q, tol)) {
      hit.part = kOutPart;
      hit.segment = int(i);
      return hit;
    }
  }
  BoundsBuilder b = ArtBounds(art, nullptr, 0);
  if (!b.empty && p.segments.size() > 1 &&
      Near({AIReal((b.left + b.right) / 2), AIReal((b.top + b.bottom) / 2)}, q, tol)) {
    hit.part = kCenterPart;
    return hit;
  }
  std::vector<AIRealPoint> pts = Flatten(p);
  if (DistanceToPolyline(pts, q) <= reach) {
    hit.part = kStrokePart;
    return hit;
  }
  if (p.style.fillPaint) {
    int w = fillTested ? fillWinding : Winding(pts, q);
    if (p.style.evenodd ? (w & 1) : w != 0) {
      hit.part = kFillPart;
      return hit;
    }
  }
  hit.part = kNothingPart;
  return hit;
}

Hit TestArt(Art& art, AIRealPoint q, double tol);

Hit TestChildren(Art& art, AIRealPoint q, double tol) {
  for (Art* c = art.firstChild(); c; c = c->sibling()) {
    Hit h = TestArt(*c, q, tol);
    if (h.part != kNothingPart) return h;
  }
  return {};
}

Hit TestArt(Art& art, AIRealPoint q, double tol) {
  if (art.hidden()) return {};
  switch (art.kind()) {
    case ArtKind::Path: return TestPath(art, art.path(), q, tol, 0, false);
    case ArtKind::CompoundPath: {
      // The fill of a compound path is the winding over all its paths.
      int w = 0;
      const AIPathStyle* style = nullptr;
      for (Art* c = art.firstChild(); c; c = c->sibling())
        if (c->kind() == ArtKind::Path) {
          // Outside a member's box its winding about q is 0.
          if (NearControlBox(c->path(), q, 0)) w += Winding(Flatten(c->path()), q);
          if (!style) style = &c->path().style;
        }
      for (Art* c = art.firstChild(); c; c = c->sibling()) {
        Hit h = c->kind() == ArtKind::Path ? TestPath(*c, c->path(), q, tol, w, true)
                                           : TestArt(*c, q, tol);
        if (h.part != kNothingPart) return h;
      }
      return {};
    }
    case ArtKind::Text: {
      if (Hit h = HitTextPathStart(art, q, tol); h.part != kNothingPart) return h;
      if (Near(art.text().start, q, tol)) {
        Hit h;
        h.part = kTextStartPart;
        h.art = &art;
        h.point = q;
        return h;
      }
      BoundsBuilder b = ArtBounds(art, nullptr, 0);
      if (!b.empty && q.h >= b.left - tol && q.h <= b.right + tol &&
          q.v >= b.bottom - tol && q.v <= b.top + tol) {
        Hit h;
        h.part = kFillPart;
        h.art = &art;
        h.point = q;
        return h;
      }
      return {};
    }
    case ArtKind::Group:
    case ArtKind::TextPath: return TestChildren(art, q, tol);
    case ArtKind::PluginGroup: {
      Hit h = TestChildren(*art.resultGroup(), q, tol);
      if (h.part != kNothingPart) h.art = &art;
      return h;
    }
    case ArtKind::TextRun:
    case ArtKind::Opaque: break;
  }
  return {};
}

}  // namespace

Hit HitTest(const Document& doc, Art* art, AIRealPoint point, AIReal tolerance) {
  double tol = std::max<double>(tolerance, 0);
  if (art) return TestArt(*art, point, tol);
  for (int i = 0; i < doc.LayerCount(); ++i) {  // top layer first
    Layer* layer = doc.LayerAt(i);
    if (!layer->visible) continue;
    Hit h = TestChildren(*layer->group, point, tol);
    if (h.part != kNothingPart) return h;
  }
  return {};
}

}  // namespace vx::host::art
