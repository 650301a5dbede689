// Perspective projection of mapped points onto the page.
#pragma once

#include "geometry/matrix3.h"

namespace vx {

// One tenth of the largest float: the "not computed" depth, and the bound
// beyond which a perspective distance or factor counts as infinite.
constexpr float kDepthSentinel = -3.4028235e37f;
constexpr float kFloatLimit = 3.4028235e37f;

// Projects v seen from the view point at distance d in front of the page:
// (f x, f y) with f = d / (d - z). When d or f is not strictly inside
// (-kFloatLimit, kFloatLimit) the point keeps its x and y (perspective off).
// Returns true when the point lies at or behind the view point (z >= d).
// Inline: the piece mapper projects every point it maps.
inline bool Project(float d, const Point3& v, AIRealPoint* out) {
  const bool behind = v.z >= d;
  out->h = v.x;
  out->v = v.y;
  if (d > -kFloatLimit && d < kFloatLimit) {
    const float f = d / (d - v.z);
    if (f > -kFloatLimit && f < kFloatLimit) {
      out->h = f * v.x;
      out->v = f * v.y;
    }
  }
  return behind;
}
// The same with y negated, for drawing where y grows downwards.
bool ProjectFlipped(float d, const Point3& v, AIRealPoint* out);

}  // namespace vx
