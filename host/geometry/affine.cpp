#include "host/geometry/affine.h"

#include <algorithm>

namespace vx::host {

double Affine::operator[](int i) const {
  switch (i) {
    case 0: return a;
    case 1: return b;
    case 2: return c;
    case 3: return d;
    case 4: return tx;
    default: return ty;
  }
}

bool Affine::IsIdentity(double eps) const {
  return Near(a, 1, eps) && Near(b, 0, eps) && Near(c, 0, eps) && Near(d, 1, eps) &&
         Near(tx, 0, eps) && Near(ty, 0, eps);
}

bool Affine::IsUniformScaleOrRotation(double eps) const {
  const bool uniformScale = Near(a, d, eps) && Near(b, 0, eps) && Near(c, 0, eps);
  const bool rotation = !Near(a, 1, eps) && Near(a, d, eps) && Near(b, -c, eps) &&
                        Near(a * a + b * b, 1, eps);
  return uniformScale || rotation;
}

Affine Affine::Inverse() const {
  // Singular when the square root of the determinant is negligible against
  // a norm of the linear part.
  const double norm = std::max(std::fabs(a) + std::fabs(b), std::fabs(c) + std::fabs(d));
  if (!(norm > 0)) return {};
  const double det = Det();
  const double root = std::sqrt(std::fabs(det)), bound = 1e-6 * norm;
  if (root <= bound && root >= -bound) return {};
  const double inverseDet = 1.0 / det;
  Affine r;
  r.a = d * inverseDet;
  r.b = -b * inverseDet;
  r.c = -c * inverseDet;
  r.d = a * inverseDet;
  r.tx = -tx * r.a - ty * r.c;
  r.ty = -tx * r.b - ty * r.d;
  return r;
}

}  // namespace vx::host
