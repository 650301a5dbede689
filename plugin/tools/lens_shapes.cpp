#include "tools/lens_shapes.h"

#include <algorithm>
#include <cmath>

#include "tools/lens_tool.h"

namespace vx {
namespace {

constexpr float kPi = 3.1415927f;
// Handle length of a quarter ellipse arc, as a fraction of its radius.
constexpr float kArcKappa = 0.5523f;

float ClampSize(float s) { return std::clamp(s, kLensMinSize, kLensMaxSize); }

// A point in lens coordinates: d = (x - ch, (y - cv) w / h), the vertical
// factor only for an ellipse, so that the lens is a circle of radius R = w / 2.
struct LensPoint {
  float dx, dy, r, radius;
};
LensPoint ToLens(const LensArea& area, AIRealPoint p) {
  LensPoint l;
  l.dx = p.h - area.centre.h;
  l.dy = p.v - area.centre.v;
  if (area.width != area.height) l.dy = l.dy * area.width / area.height;
  l.r = std::sqrt(l.dx * l.dx + l.dy * l.dy);
  l.radius = area.width / 2.0f;
  return l;
}
// Lens coordinates back to the page.
AIRealPoint FromLens(const LensArea& area, float dx, float dy) {
  if (area.width != area.height) dy = dy * area.height / area.width;
  return {area.centre.h + dx, area.centre.v + dy};
}

// Fish-eye's new radius; tau in -1 .. 1, not 0.
float FishEyeRadius(float r, float R, float tau) {
  if (tau > 0.0f) {
    tau = std::min(tau, 1.0f);
    const float alpha = std::atan(r / R);
    if (tau == 1.0f) return R * std::sin(2.0f * alpha);
    const float m = (0.5f / tau - 0.5f * tau) * R;
    const float s = std::sqrt(R * R + m * m);
    const float u = std::clamp((R - m) * std::sin(alpha) / s, -1.0f, 1.0f);
    return s * (u * std::cos(alpha) + std::sqrt(1.0f - u * u) * std::sin(alpha));
  }
  tau = std::max(tau, -1.0f);
  if (tau == -1.0f) {
    const float q = r / R;
    return r / (std::sqrt(1.0f - q * q) + 1.0f);
  }
  const float m = (0.5f / tau - 0.5f * tau) * R;
  const float s = std::sqrt(R * R + m * m);
  const float q = r / s;
  const float g = s <= r ? m : std::sqrt(1.0f - q * q) * s + m;
  return r * R / (g + R);
}

// Twirl's turn (counter-clockwise radians) at rho = r / R.
float TwirlTurn(float rho, float angle, int16_t cycle) {
  if (cycle == 1) return -(std::abs(1.0f - rho) * angle);
  const float a0 = rho * angle * 0.5f;
  float b = a0 * std::cos(float(cycle) * kPi * rho);
  if (cycle % 2 != 0) b = -b;
  return b - a0;
}

}  // namespace

LensArea LensFollow(AIRealPoint pointer, float width, float height) {
  return {{pointer.h - width / 2.0f, pointer.v + height / 2.0f}, width, height};
}

// Alt and Alt+Shift, read together: Alt keeps the centre and makes the
// pointer a corner of the area's bounding box (w = 2 |ch - ph|, h = 2 |cv -
// pv|). Alt+Shift then makes a circle of the larger size, and the axis whose
// size grew re-places the centre as following does (ch = ph - w / 2 when the
// width grew, cv = pv + h / 2 when the height did), so the pointer stays on
// the box's right or lower edge; on the other axis the centre stays. The
// next Alt+Shift step finds the same sizes again, so the circle holds still
// while the pointer does. The limits apply before the circle is made, so
// the centre is placed for the final size.
LensArea LensResize(const LensArea& current, AIRealPoint pointer, bool shift) {
  LensArea area = current;
  area.width = ClampSize(2.0f * std::abs(area.centre.h - pointer.h));
  area.height = ClampSize(2.0f * std::abs(area.centre.v - pointer.v));
  if (shift) {
    if (area.width <= area.height) {
      area.width = area.height;
      area.centre.h = pointer.h - area.width / 2.0f;
    } else {
      area.height = area.width;
      area.centre.v = pointer.v + area.height / 2.0f;
    }
  }
  return area;
}

bool LensSetUp(const LensToolParams& record, const LensArea& area, LensGeometry* g) {
  const auto type = static_cast<LensType>(record.lensType);
  if (!(area.width > 0.0f) || !(area.height > 0.0f)) return false;
  switch (type) {
    case LensType::kFishEye:
      if (record.thickness == 0.0f || !std::isfinite(record.thickness)) return false;
      break;
    case LensType::kMagnify:
    case LensType::kTwirl:
      break;
    default:
      return false;
  }
  *g = LensGeometry{type, area, record.thickness, record.magnification, record.angle,
                    record.cycle};
  return true;
}

bool LensMapPoint(const LensGeometry& g, AIRealPoint* p) {
  const LensPoint l = ToLens(g.area, *p);
  if (!(l.r < l.radius)) return false;
  switch (g.type) {
    case LensType::kFishEye: {
      const float r = FishEyeRadius(l.r, l.radius, g.thickness);
      const float phi = std::atan2(l.dy, l.dx);
      *p = FromLens(g.area, r * std::cos(phi), r * std::sin(phi));
      return true;
    }
    case LensType::kMagnify: {
      // The inner part is enlarged; past R / s the ring is pressed onto the
      // edge.
      float s = std::sqrt(g.magnification);
      if (l.r > l.radius / s) s = l.radius / l.r;
      *p = FromLens(g.area, l.dx * s, l.dy * s);
      return true;
    }
    case LensType::kTwirl: {
      const float turn = TwirlTurn(l.r / l.radius, g.angle, g.cycle);
      const float c = std::cos(turn), s = std::sin(turn);
      *p = FromLens(g.area, l.dx * c - l.dy * s, l.dx * s + l.dy * c);
      return true;
    }
    case LensType::kTone:
      break;
  }
  return false;
}

bool ToneFactors(const LensArea& area, AIRealPoint minimum, AIRealPoint reference,
                 AIRealPoint* factors) {
  if (minimum.h == 1.0f && minimum.v == 1.0f) return false;
  const LensPoint l = ToLens(area, reference);
  if (!(l.r < l.radius)) return false;
  const float rho = l.r / l.radius;
  factors->h = std::max(0.0f, (1.0f - rho) * minimum.h + rho);
  factors->v = std::max(0.0f, (1.0f - rho) * minimum.v + rho);
  return true;
}

void LensFrameSegments(const LensArea& area, Segment out[4]) {
  const float rx = area.width / 2.0f, ry = area.height / 2.0f;
  const float kx = kArcKappa * rx, ky = kArcKappa * ry;
  const float h = area.centre.h, v = area.centre.v;
  const AIRealPoint pts[4][3] = {
      {{h + rx, v}, {h + rx, v - ky}, {h + rx, v + ky}},
      {{h, v + ry}, {h + kx, v + ry}, {h - kx, v + ry}},
      {{h - rx, v}, {h - rx, v + ky}, {h - rx, v - ky}},
      {{h, v - ry}, {h - kx, v - ry}, {h + kx, v - ry}}};
  for (int i = 0; i < 4; ++i) {
    out[i] = Segment{};
    out[i].p = pts[i][0];
    out[i].in = pts[i][1];
    out[i].out = pts[i][2];
    out[i].corner = 0;
  }
}

}  // namespace vx
