#include "geometry/projection.h"

namespace vx {
namespace {
bool Finite(float value) { return value > -kFloatLimit && value < kFloatLimit; }
}  // namespace

bool Project(float d, const Point3& v, AIRealPoint* out) {
  const bool behind = v.z >= d;
  out->h = v.x;
  out->v = v.y;
  if (Finite(d)) {
    const float f = d / (d - v.z);
    if (Finite(f)) {
      out->h = f * v.x;
      out->v = f * v.y;
    }
  }
  return behind;
}

bool ProjectFlipped(float d, const Point3& v, AIRealPoint* out) {
  const bool behind = Project(d, v, out);
  out->v = -out->v;
  return behind;
}

}  // namespace vx
