#include "tools/warp_shapes.h"

#include <algorithm>
#include <cmath>

namespace vx {
namespace {

constexpr float kPi = 3.1415927f;
constexpr float kHalfPi = 1.5707964f;
constexpr float kTwoOverPi = 0.6366197723857773f;
constexpr float kMinBaseScale = 0.001f;
constexpr float kMaxBaseScale = 10.0f;

using M = WarpMapping;

// Mappings under which a point at the reach or beyond does not move.
bool FadesAtReach(WarpMapping m) {
  return m == M::kCircularBulge || m == M::kCircularShift || m == M::kCosineHump ||
         m == M::kCosineShift || m == M::kLinearPeak || m == M::kLinearShift;
}

// The mappings whose Perspective step widens the reach (W' = (1 + q) W) and
// multiplies the vertical step by f = 1 + q.
bool WidensReach(WarpMapping m) {
  return m == M::kCosineBend || m == M::kCosineCup || m == M::kLinearFold;
}

// The shapes gated on a > 0 with Perspective: the scaled ones (0-5, 7-12,
// 15-20); the shifts (6, 13, 21) and the slant (14) are not.
bool NeedsUpwardWithPerspective(WarpMapping m) {
  return m != M::kCircularShift && m != M::kCosineShift &&
         m != M::kArcsineSlant && m != M::kLinearShift;
}

// Distance s (fraction of the reach) along the across axis from x0, on the
// point's side: x0 - s W at or left of x0, x0 + s W right of it.
float Side(float u, float x0, float s, float w) {
  return u <= x0 ? x0 - s * w : x0 + s * w;
}

// The Perspective step: the new across coordinate for the fraction t.
float PerspectiveAcross(const WarpGeometry& g, float u, float t) {
  const float q = g.q;
  switch (g.mapping) {
    case M::kCosineBend:
      return Side(u, g.x0, t + q * (0.5f - 0.5f * std::cos(kPi * t)), g.w);
    case M::kCircularBulge:
      return Side(u, g.x0, (std::sin(t * kHalfPi) - t) * q + t, g.w);
    case M::kCircularShift:
      return Side(u, g.x0, std::sin(t * kHalfPi), g.w);
    case M::kCosineCup:
      return Side(u, g.x0, t + q * std::asin(t) * kTwoOverPi, g.w);
    case M::kCosineHump:
      return Side(u, g.x0, (std::acos(1.0f - t) * kTwoOverPi - t) * q + t, g.w);
    case M::kArcsineSlant: {
      const float c = std::clamp(u - g.x0, -g.w, g.w) / g.w;
      return g.x0 + std::sin(c * kHalfPi) * g.w;
    }
    case M::kLinearFold:
      return Side(u, g.x0, t * t * q + t, g.w);
    case M::kLinearPeak:
      return Side(u, g.x0, ((1.0f - (t - 1.0f) * (t - 1.0f)) - t) * q + t, g.w);
    case M::kCosineShift:
    case M::kLinearShift:
      break;
  }
  return u;
}

// The vertical step: the new along coordinate. t is the fraction at the
// original across coordinate, tp the one at the new across coordinate (and
// the widened reach), f the widening factor.
float AlongStep(const WarpGeometry& g, float u1, float v, float t, float tp,
                float f) {
  const float ak = g.a * g.k;
  const float rel = v - g.y0;
  switch (g.mapping) {
    case M::kCosineBend:
      return v + rel * ak * (1.0f - std::sqrt(std::abs(1.0f - tp * tp))) * f;
    case M::kCircularBulge:
      return v + rel * ak * std::sqrt(1.0f - tp * tp);
    case M::kCircularShift:
      return v + g.k * g.a * std::sqrt(1.0f - tp * tp);
    case M::kCosineCup:
      return v + rel * ak * (1.0f - std::cos(kPi * tp)) * f;
    case M::kCosineHump:
      return v + rel * ak * (1.0f + std::cos(kPi * tp));
    case M::kCosineShift:
      return v + g.k * g.a * (1.0f + std::cos(kPi * t));
    case M::kArcsineSlant:
      return v + std::asin(std::clamp(u1 - g.x0, -g.w, g.w) / g.w) * g.a * g.k;
    case M::kLinearFold:
      return v + (1.0f - std::abs(1.0f - tp)) * rel * ak * f;
    case M::kLinearPeak:
      return v + rel * ak * std::abs(1.0f - tp);
    case M::kLinearShift:
      return v + g.k * g.a * std::abs(1.0f - t);
  }
  return v;
}

}  // namespace

// Columns: mirrored reference column, reference row, scale, constant k,
// negated drag amount, mapping.
const WarpShape kWarpShapes[kWarpShapeCount] = {
    {true, 0, 2, 0.0f, false, M::kCosineBend},      // 0
    {true, -1, 1, 0.0f, false, M::kCosineBend},     // 1
    {true, 1, 1, 0.0f, true, M::kCosineBend},       // 2
    {false, 0, 2, 0.0f, false, M::kCircularBulge},  // 3
    {false, -1, 1, 0.0f, false, M::kCircularBulge}, // 4
    {false, 1, 1, 0.0f, true, M::kCircularBulge},   // 5
    {false, 0, -1, 1.0f, false, M::kCircularShift}, // 6
    {true, 0, 1, 0.0f, false, M::kCosineCup},       // 7
    {true, -1, 0, 0.0f, false, M::kCosineCup},      // 8
    {true, 1, 0, 0.0f, true, M::kCosineCup},        // 9
    {false, 0, 1, 0.0f, false, M::kCosineHump},     // 10
    {false, -1, 0, 0.0f, false, M::kCosineHump},    // 11
    {false, 1, 0, 0.0f, true, M::kCosineHump},      // 12
    {false, 0, -1, 0.5f, false, M::kCosineShift},   // 13
    {true, 0, -1, 0.7f, false, M::kArcsineSlant},   // 14
    {true, 0, 2, 0.0f, false, M::kLinearFold},      // 15
    {true, -1, 1, 0.0f, false, M::kLinearFold},     // 16
    {true, 1, 1, 0.0f, true, M::kLinearFold},       // 17
    {false, 0, 2, 0.0f, false, M::kLinearPeak},     // 18
    {false, -1, 1, 0.0f, false, M::kLinearPeak},    // 19
    {false, 1, 1, 0.0f, true, M::kLinearPeak},      // 20
    {false, 0, -1, 1.0f, false, M::kLinearShift},   // 21
};

float WarpBaseScale(float extent) {
  return std::clamp(1.0f / extent, kMinBaseScale, kMaxBaseScale);
}

bool WarpSetUp(int32_t shape, float margin, bool perspective, bool alt,
               const AIRealRect& bounds, AIRealPoint down, AIRealPoint pointer,
               WarpGeometry* g) {
  if (shape < 0 || shape >= kWarpShapeCount) return false;
  if (bounds.right - bounds.left == 0.0f || bounds.top - bounds.bottom == 0.0f)
    return false;
  const WarpShape& s = kWarpShapes[shape];
  // Across: the axis the bend spreads along; along: the axis of the drag.
  const float acrossLow = alt ? bounds.bottom : bounds.left;
  const float acrossHigh = alt ? bounds.top : bounds.right;
  const float alongLow = alt ? bounds.left : bounds.bottom;
  const float alongHigh = alt ? bounds.right : bounds.top;
  const float pointerAcross = alt ? pointer.v : pointer.h;
  const float centreAcross = (acrossLow + acrossHigh) / 2.0f;

  const float b = WarpBaseScale(alongHigh - alongLow);
  const float h = b / 2.0f;
  float a = alt ? pointer.h - down.h : pointer.v - down.v;
  if (s.negated) a = -a;
  if (perspective ? NeedsUpwardWithPerspective(s.mapping) && !(a > 0.0f)
                  : (s.mapping == M::kCircularShift ||
                     s.mapping == M::kArcsineSlant ||
                     s.mapping == M::kLinearShift) && a == 0.0f)
    return false;
  if (s.mapping == M::kCosineShift && a == 0.0f) return false;

  g->mapping = s.mapping;
  g->alt = alt;
  g->perspective = perspective;
  g->x0 = s.mirrored ? 2.0f * centreAcross - pointerAcross : pointerAcross;
  g->y0 = s.row < 0   ? alongLow
          : s.row > 0 ? alongHigh
                      : (alongLow + alongHigh) / 2.0f;
  g->k = s.scale == 2 ? 2.0f * b : s.scale == 1 ? b : s.scale == 0 ? h : s.constant;
  g->a = a;
  g->w = (pointerAcross >= centreAcross ? pointerAcross - acrossLow
                                        : acrossHigh - pointerAcross) *
         (1.0f + margin);
  g->q = perspective ? std::clamp(h * a, 0.0f, 1.0f) : 0.0f;
  return g->w > 0.0f;
}

bool WarpMapPoint(const WarpGeometry& g, AIRealPoint* p) {
  float& u = g.alt ? p->v : p->h;
  float& v = g.alt ? p->h : p->v;
  const float d = std::abs(u - g.x0);
  if (d >= g.w && FadesAtReach(g.mapping)) return false;
  const float t = std::min(d, g.w) / g.w;
  float u1 = u;
  float wp = g.w;
  float f = 1.0f;
  if (g.perspective) {
    u1 = PerspectiveAcross(g, u, t);
    if (WidensReach(g.mapping)) {
      f = 1.0f + g.q;
      wp = f * g.w;
    }
  }
  const float tp = std::min(std::abs(u1 - g.x0), wp) / wp;
  v = AlongStep(g, u1, v, t, tp, f);
  u = u1;
  return true;
}

}  // namespace vx
