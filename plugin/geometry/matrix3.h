// Points in space and the 3x3 rotation matrices that turn them. All values are
// 32-bit floats; angles are radians.
#pragma once

#include "vx_sdk.h"

namespace vx {

// x, y in points relative to the transformation centre; z is the depth,
// positive towards the viewer.
struct Point3 {
  float x, y, z;
};

// Row-major: Apply gives (m0 x + m1 y + m2 z, m3 x + m4 y + m5 z,
// m6 x + m7 y + m8 z).
struct Matrix3 {
  float m[9];
};

void SetIdentity(Matrix3* m);
// Rotations about one axis, counter-clockwise when the axis points at the
// viewer.
void RotationX(Matrix3* m, float a);
void RotationY(Matrix3* m, float a);
void RotationZ(Matrix3* m, float a);
// a = a * b.
void MultiplyInPlace(Matrix3* a, const Matrix3& b);
// m = RotationX(ax) * RotationY(ay) * RotationZ(az): a vector is turned about
// z first, then y, then x.
void EulerXYZ(Matrix3* m, float ax, float ay, float az);
// v = m * v. Inline: every mapped point of a 3D kind passes through it once
// or twice.
inline void Apply(const Matrix3& m, Point3* v) {
  const float x = v->x, y = v->y, z = v->z;
  v->x = m.m[0] * x + m.m[1] * y + m.m[2] * z;
  v->y = m.m[3] * x + m.m[4] * y + m.m[5] * z;
  v->z = m.m[6] * x + m.m[7] * y + m.m[8] * z;
}

}  // namespace vx
