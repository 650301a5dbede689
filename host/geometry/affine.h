// Points and affine matrices, and the one way the host composes and applies
// matrices: the matrix suite's single-precision AIRealMatrix and the SVG
// reader's and writer's double-precision Affine share the arithmetic below
// (each step in double, rounded once to the matrix's own type).
//
// A matrix maps (x, y) to (a x + c y + tx, b x + d y + ty). `first * second`
// applies first, then second, as SVG writes a transform list right to left.
#pragma once

#include <cmath>

namespace vx::host {

// The matrix that applies `m`, then `n`.
template <class M>
M ConcatMatrices(const M& m, const M& n) {
  using T = decltype(m.a);
  return {T(double(m.a) * n.a + double(m.b) * n.c), T(double(m.a) * n.b + double(m.b) * n.d),
          T(double(m.c) * n.a + double(m.d) * n.c), T(double(m.c) * n.b + double(m.d) * n.d),
          T(double(m.tx) * n.a + double(m.ty) * n.c + n.tx),
          T(double(m.tx) * n.b + double(m.ty) * n.d + n.ty)};
}

template <class M, class P>
P ApplyMatrix(const M& m, const P& p) {
  using T = decltype(p.h);
  return {T(double(m.a) * p.h + double(m.c) * p.v + m.tx),
          T(double(m.b) * p.h + double(m.d) * p.v + m.ty)};
}

struct Point {
  double h = 0, v = 0;

  double operator[](int i) const { return i == 0 ? h : v; }
  friend Point operator+(Point p, Point q) { return {p.h + q.h, p.v + q.v}; }
  friend Point operator-(Point p, Point q) { return {p.h - q.h, p.v - q.v}; }
  friend Point operator*(double s, Point p) { return {p.h * s, p.v * s}; }
  friend bool operator==(Point p, Point q) { return p.h == q.h && p.v == q.v; }
  friend bool operator!=(Point p, Point q) { return !(p == q); }
};

inline double Dot(Point p, Point q) { return p.h * q.h + p.v * q.v; }
inline double Cross(Point p, Point q) { return p.h * q.v - p.v * q.h; }
inline double Length(Point p) { return std::hypot(p.h, p.v); }
// Within `eps` of each other, by distance.
inline bool Near(Point p, Point q, double eps = 1e-6) { return Length(p - q) <= eps; }
inline bool Near(double x, double y, double eps = 1e-6) { return x - y <= eps && x - y >= -eps; }

struct Affine {
  double a = 1, b = 0, c = 0, d = 1, tx = 0, ty = 0;

  // a, b, c, d, tx, ty by index, in the order of SVG's matrix().
  double operator[](int i) const;
  double Det() const { return a * d - b * c; }
  // Every entry within `eps` of the identity's.
  bool IsIdentity(double eps) const;
  // Without its translation: a uniform scale, or a rotation other than
  // none (both within `eps`).
  bool IsUniformScaleOrRotation(double eps) const;
  // The identity when the matrix is singular or nearly so.
  Affine Inverse() const;

  friend Affine operator*(const Affine& m, const Affine& n) { return ConcatMatrices(m, n); }
  bool operator==(const Affine&) const = default;  // entry by entry, exactly
};

inline Point operator*(Point p, const Affine& m) { return ApplyMatrix(m, p); }

}  // namespace vx::host
