#include "geometry/projection.h"

namespace vx {
bool ProjectFlipped(float d, const Point3& v, AIRealPoint* out) {
  const bool behind = Project(d, v, out);
  out->v = -out->v;
  return behind;
}

}  // namespace vx
