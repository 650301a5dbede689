#include "tools/metabrush.h"

#include <algorithm>
#include <cmath>

namespace vx {
namespace {

float Curve(int16_t curve, float t) {
  switch (curve) {
    case 1: return t * t;                              // Accelerate
    case 2: return 1.0f - (1.0f - t) * (1.0f - t);     // Decelerate
    default: return t;                                 // Uniform
  }
}

float SegmentLength(AIRealPoint a, AIRealPoint b) {
  return std::hypot(b.h - a.h, b.v - a.v);
}

}  // namespace

int32_t BrushStamps(const AIRealPoint* points, int32_t count, float spacing,
                    BrushStamp* out, int32_t capacity) {
  if (count < 1 || capacity < 1) return 0;
  spacing = std::max(spacing, 1.0f);
  float total = 0.0f;
  for (int32_t i = 1; i < count; ++i) total += SegmentLength(points[i - 1], points[i]);
  int32_t n = 0;
  float angle = 0.0f;
  // The first stamp takes the direction of the first piece with length.
  for (int32_t i = 1; i < count; ++i)
    if (SegmentLength(points[i - 1], points[i]) > 0.0f) {
      angle = std::atan2(points[i].v - points[i - 1].v, points[i].h - points[i - 1].h);
      break;
    }
  out[n++] = {points[0], angle, 0.0f};
  // Walk the pieces; `next` is the length at which the next stamp lies.
  float walked = 0.0f, next = spacing;
  for (int32_t i = 1; i < count && n < capacity; ++i) {
    const AIRealPoint a = points[i - 1], b = points[i];
    const float len = SegmentLength(a, b);
    if (len <= 0.0f) continue;
    const float dir = std::atan2(b.v - a.v, b.h - a.h);
    while (next <= walked + len && n < capacity) {
      const float f = (next - walked) / len;
      out[n++] = {{a.h + f * (b.h - a.h), a.v + f * (b.v - a.v)}, dir,
                  total > 0.0f ? std::min(next / total, 1.0f) : 0.0f};
      next += spacing;
    }
    walked += len;
  }
  return n;
}

BrushJitter DrawBrushJitter(AIReal (*random)()) {
  BrushJitter j{};
  j.scatterH = 2.0f * random() - 1.0f;
  j.scatterV = 2.0f * random() - 1.0f;
  j.size = random();
  return j;
}

float BrushCopyScale(const MetaBrushToolParams& p, const BrushStamp& stamp,
                     const BrushJitter& jitter, float extent) {
  float s = p.keyO + (p.keyP3 - p.keyO) * Curve(p.keyM, stamp.along);
  s *= p.keyS.h + (p.keyS.v - p.keyS.h) * jitter.size;
  // Fit Size: a selection without extent keeps its size.
  if (p.keyQ && extent > 0.0f) s *= p.keyL / extent;
  return s;
}

AIRealMatrix BrushCopyMatrix(const MetaBrushToolParams& p, const BrushStamp& stamp,
                             const BrushJitter& jitter, AIRealPoint pivot,
                             float extent) {
  const float s = BrushCopyScale(p, stamp, jitter, extent);
  const float sh = s * p.keyT.h, sv = s * p.keyT.v;
  const float turn = p.keyU + (p.keyC ? stamp.angle : 0.0f);
  const float c = std::cos(turn), r = std::sin(turn);
  // (x, y) -> R S (x - pivot) + target, in the host's matrix layout.
  AIRealMatrix m{sh * c, sh * r, -sv * r, sv * c, 0.0f, 0.0f};
  const AIRealPoint target{stamp.at.h + p.keyV.h + jitter.scatterH * p.keyR.h,
                           stamp.at.v + p.keyV.v + jitter.scatterV * p.keyR.v};
  m.tx = target.h - (m.a * pivot.h + m.c * pivot.v);
  m.ty = target.v - (m.b * pivot.h + m.d * pivot.v);
  return m;
}

void BrushStrokeSegments(const BrushStamp* stamps, int32_t count, Segment* out) {
  for (int32_t i = 0; i < count; ++i) {
    const AIRealPoint prev = stamps[std::max(i - 1, 0)].at;
    const AIRealPoint next = stamps[std::min(i + 1, count - 1)].at;
    const AIRealPoint p = stamps[i].at;
    const AIRealPoint d{(next.h - prev.h) / 6.0f, (next.v - prev.v) / 6.0f};
    out[i].p = p;
    out[i].in = i == 0 ? p : AIRealPoint{p.h - d.h, p.v - d.v};
    out[i].out = i == count - 1 ? p : AIRealPoint{p.h + d.h, p.v + d.v};
    out[i].corner = 0;
  }
}

}  // namespace vx
