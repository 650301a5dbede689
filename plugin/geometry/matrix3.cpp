#include "geometry/matrix3.h"

#include <cmath>

namespace vx {

void SetIdentity(Matrix3* m) {
  *m = Matrix3{{1.0f, 0.0f, 0.0f, 0.0f, 1.0f, 0.0f, 0.0f, 0.0f, 1.0f}};
}

void RotationX(Matrix3* m, float a) {
  const float c = std::cos(a), s = std::sin(a);
  *m = Matrix3{{1.0f, 0.0f, 0.0f, 0.0f, c, -s, 0.0f, s, c}};
}

void RotationY(Matrix3* m, float a) {
  const float c = std::cos(a), s = std::sin(a);
  *m = Matrix3{{c, 0.0f, s, 0.0f, 1.0f, 0.0f, -s, 0.0f, c}};
}

void RotationZ(Matrix3* m, float a) {
  const float c = std::cos(a), s = std::sin(a);
  *m = Matrix3{{c, -s, 0.0f, s, c, 0.0f, 0.0f, 0.0f, 1.0f}};
}

void MultiplyInPlace(Matrix3* a, const Matrix3& b) {
  const Matrix3 l = *a;  // b may alias a
  const Matrix3 r = b;
  for (int row = 0; row < 3; ++row)
    for (int col = 0; col < 3; ++col)
      a->m[row * 3 + col] = l.m[row * 3] * r.m[col] +
                            l.m[row * 3 + 1] * r.m[3 + col] +
                            l.m[row * 3 + 2] * r.m[6 + col];
}

void EulerXYZ(Matrix3* m, float ax, float ay, float az) {
  Matrix3 turn;
  RotationX(m, ax);
  RotationY(&turn, ay);
  MultiplyInPlace(m, turn);
  RotationZ(&turn, az);
  MultiplyInPlace(m, turn);
}

}  // namespace vx
