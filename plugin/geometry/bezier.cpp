#include "geometry/bezier.h"

#include <cmath>
#include <cstring>

namespace vx {
namespace {
AIRealPoint Mid(const AIRealPoint& a, const AIRealPoint& b) {
  return {(a.h + b.h) / 2.0f, (a.v + b.v) / 2.0f};
}
bool Same(const AIRealPoint& a, const AIRealPoint& b) {
  return a.h == b.h && a.v == b.v;
}
}  // namespace

void SplitPieceAtHalf(Segment* segments, int32_t i, int32_t count) {
  Segment& s0 = segments[i];
  Segment& s1 = segments[i + 1];
  const AIRealPoint p0 = s0.p, p1 = s0.out, p2 = s1.in, p3 = s1.p;
  Segment mid{};
  if (Same(p1, p0) && Same(p2, p3)) {
    mid.p = mid.in = mid.out = Mid(p0, p3);
  } else {
    const AIRealPoint a = Mid(p0, p1), b = Mid(p1, p2), c = Mid(p2, p3);
    const AIRealPoint d = Mid(a, b), e = Mid(b, c);
    s0.out = a;
    s1.in = c;
    mid.p = Mid(d, e);
    mid.in = d;
    mid.out = e;
  }
  mid.corner = 0;
  std::memmove(&segments[i + 2], &segments[i + 1],
               sizeof(Segment) * static_cast<std::size_t>(count - i - 1));
  segments[i + 1] = mid;
}

float Distance(const AIRealPoint& a, const AIRealPoint& b) {
  const float dx = b.h - a.h, dy = b.v - a.v;
  return std::sqrt(dx * dx + dy * dy);
}

}  // namespace vx
