#include "host/art/text_start.h"

#include <algorithm>
#include <cmath>

#include "host/art/art.h"

namespace vx::host::art {
namespace {

// Chords per Bezier piece when measuring along a path: at the sizes text
// paths have, the chord error stays far below a tenth of a point.
constexpr int kChordsPerPiece = 64;

AIRealPoint CubicPoint(const Segment& s, const Segment& e, double t) {
  const double u = 1 - t;
  const double b0 = u * u * u, b1 = 3 * u * u * t, b2 = 3 * u * t * t, b3 = t * t * t;
  return {AIReal(b0 * s.p.h + b1 * s.out.h + b2 * e.in.h + b3 * e.p.h),
          AIReal(b0 * s.p.v + b1 * s.out.v + b2 * e.in.v + b3 * e.p.v)};
}

}  // namespace

Art* PathOfTextPath(const Art& textPath) {
  if (textPath.kind() != ArtKind::TextPath) return nullptr;
  for (Art* c = textPath.firstChild(); c; c = c->sibling())
    if (c->kind() == ArtKind::Path) return c;
  return nullptr;
}

std::optional<AIRealPoint> TextPathStart(const Art& textPath) {
  const Art* path = PathOfTextPath(textPath);
  if (!path || path->path().segments.empty()) return std::nullopt;
  const PathData& p = path->path();
  const size_t n = p.segments.size();
  double left = std::max<double>(textPath.textPath().startOffset, 0);
  AIRealPoint at = p.segments[0].p;
  const size_t pieces = p.closed ? n : n - 1;
  for (size_t i = 0; i < pieces; ++i) {
    const Segment& s = p.segments[i];
    const Segment& e = p.segments[(i + 1) % n];
    for (int k = 1; k <= kChordsPerPiece; ++k) {
      const AIRealPoint next = CubicPoint(s, e, double(k) / kChordsPerPiece);
      const double chord = std::hypot(double(next.h) - at.h, double(next.v) - at.v);
      if (chord >= left && chord > 0) {
        const double f = left / chord;
        return AIRealPoint{AIReal(at.h + f * (double(next.h) - at.h)),
                           AIReal(at.v + f * (double(next.v) - at.v))};
      }
      left -= chord;
      at = next;
    }
  }
  return at;
}

Hit HitTextPathStart(Art& text, AIRealPoint point, double tolerance) {
  for (Art* c = text.firstChild(); c; c = c->sibling()) {
    if (c->kind() != ArtKind::TextPath) continue;
    const std::optional<AIRealPoint> start = TextPathStart(*c);
    if (start && std::fabs(double(start->h) - point.h) <= tolerance &&
        std::fabs(double(start->v) - point.v) <= tolerance) {
      Hit h;
      h.part = kTextStartPart;
      h.art = c;
      h.point = point;
      return h;
    }
    break;
  }
  return {};
}

}  // namespace vx::host::art
