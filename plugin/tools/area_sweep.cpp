#include "tools/area_sweep.h"

#include <algorithm>
#include <cmath>

#include "geometry/bezier.h"

namespace vx {

namespace {

constexpr float kPi = 3.14159265358979323846f;
// Handle length of a quarter circle drawn as one cubic, per unit radius.
constexpr float kQuarterHandle = 0.55229f;

AIRealPoint Plus(const AIRealPoint& a, float w, const AIRealPoint& from,
                 const AIRealPoint& to) {
  return {a.h + w * (to.h - from.h), a.v + w * (to.v - from.v)};
}

}  // namespace

float AreaWeight(float d, float radius, int16_t resistance) {
  const float base = std::fabs(1.0f - d / radius);
  float w = base;
  for (int16_t i = 1; i < resistance; ++i) w *= base;
  return w;
}

bool SweepPoint(const AreaStep& s, const AIRealPoint& x, AIRealPoint* out) {
  *out = x;
  const float d = Distance(s.centre, x);
  // A zero or negative radius (never offered by the palette) reaches nothing.
  if (!(d < s.radius)) return false;
  const float w = AreaWeight(d, s.radius, s.resistance);
  switch (s.sweep) {
    case kSweepFree: *out = Plus(x, w, s.down, s.current); return true;
    case kSweepDynamic: *out = Plus(x, w, s.previous, s.current); return true;
    case kSweepPinch: {
      const float k = std::max(w * s.pinch + 1.0f, 0.0f);
      *out = {s.centre.h + k * (x.h - s.centre.h), s.centre.v + k * (x.v - s.centre.v)};
      return true;
    }
    case kSweepTwirl: {
      const float a = w * s.twirl, c = std::cos(a), n = std::sin(a);
      const float dx = x.h - s.centre.h, dy = x.v - s.centre.v;
      *out = {s.centre.h + c * dx - n * dy, s.centre.v + n * dx + c * dy};
      return true;
    }
    default: return false;
  }
}

float PinchIncrement(const AIRealPoint& q, const AIRealPoint& p, float rate) {
  return (p.v - q.v) * rate;
}

float TwirlIncrement(const AIRealPoint& centre, const AIRealPoint& q,
                     const AIRealPoint& p) {
  if ((q.h == centre.h && q.v == centre.v) || (p.h == centre.h && p.v == centre.v))
    return 0.0f;
  float a = std::atan2(p.v - centre.v, p.h - centre.h) -
            std::atan2(q.v - centre.v, q.h - centre.h);
  if (a > kPi) a -= 2.0f * kPi;
  if (a <= -kPi) a += 2.0f * kPi;
  return a;
}

bool IsClickStep(bool firstStep, int32_t ticksSinceDown, const AIRealPoint& p,
                 const AIRealPoint& q) {
  return firstStep && ticksSinceDown < kAreaClickTicks && PointsClose(p, q, kAreaClickDistance);
}

AIRealPoint LockAreaAxis(AxisLock* lock, bool shift, const AIRealPoint& p,
                         const AIRealPoint& q) {
  if (!shift) {
    *lock = kAxisFree;
    return p;
  }
  if (*lock == kAxisFree)
    *lock = std::fabs(p.h - q.h) <= std::fabs(p.v - q.v) ? kAxisKeepH : kAxisKeepV;
  return ApplyLock(*lock, p, q);
}

AIRealPoint ApplyLock(AxisLock lock, const AIRealPoint& p, const AIRealPoint& q) {
  switch (lock) {
    case kAxisKeepH: return {q.h, p.v};
    case kAxisKeepV: return {p.h, q.v};
    default: return p;
  }
}

void AreaIndicatorSegments(const AIRealPoint& c, float r,
                           Segment out[kIndicatorSegments]) {
  const float k = kQuarterHandle * r;
  // Clockwise from the top; each anchor's out handle points along the way.
  const struct {
    float dx, dy, tx, ty;  // anchor offset and unit tangent of travel
  } kAnchors[kIndicatorSegments] = {
      {0, 1, 1, 0}, {1, 0, 0, -1}, {0, -1, -1, 0}, {-1, 0, 0, 1}};
  for (int32_t i = 0; i < kIndicatorSegments; ++i) {
    const auto& a = kAnchors[i];
    const AIRealPoint p{c.h + a.dx * r, c.v + a.dy * r};
    out[i].p = p;
    out[i].in = {p.h - a.tx * k, p.v - a.ty * k};
    out[i].out = {p.h + a.tx * k, p.v + a.ty * k};
    out[i].corner = 0;
  }
}

float DraggedRadius(const AIRealPoint& c, const AIRealPoint& p) {
  return std::clamp(Distance(c, p), kMinAreaRadius, kMaxAreaRadius);
}

}  // namespace vx
