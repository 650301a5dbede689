#include "tools/roughen.h"

#include <algorithm>
#include <cmath>

#include "geometry/bezier.h"

namespace vx {
namespace {

constexpr float kPi = 3.14159265f;

bool InArea(const RoughenStep& s, const AIRealPoint& p) {
  return Distance(p, s.centre) < s.radius;
}

bool Same(const AIRealPoint& a, const AIRealPoint& b) {
  return a.h == b.h && a.v == b.v;
}

// A retracted handle of a piece in the area is put a third of the way to
// the other anchor, so that a pushed Smooth anchor bends its spans instead
// of kinking them.
void HandlesAtThirds(Segment* a, Segment* b) {
  if (Same(a->out, a->p))
    a->out = {a->p.h + (b->p.h - a->p.h) / 3.0f, a->p.v + (b->p.v - a->p.v) / 3.0f};
  if (Same(b->in, b->p))
    b->in = {b->p.h + (a->p.h - b->p.h) / 3.0f, b->p.v + (a->p.v - b->p.v) / 3.0f};
}

float Wrap(float a) {
  if (a > kPi) return a - 2.0f * kPi;
  if (a < -kPi) return a + 2.0f * kPi;
  return a;
}

// The direction across the path at s: a quarter turn from the one handle
// it has, else the mean of its two handles' angles.
float NormalAngle(const Segment& s) {
  auto angle = [&](const AIRealPoint& q) { return std::atan2(q.v - s.p.v, q.h - s.p.h); };
  if (Same(s.in, s.p)) return Wrap(angle(s.out) + kPi / 2.0f);
  if (Same(s.out, s.p)) return Wrap(angle(s.in) - kPi / 2.0f);
  return (angle(s.in) + angle(s.out)) / 2.0f;
}

void Push(const RoughenStep& step, Segment* s) {
  const float u = step.random();
  const float m = (u - 0.5f) * std::fabs(step.dragV);
  float theta = NormalAngle(*s);
  if (m < 0.0f) theta += kPi;
  const float dh = std::fabs(m) * std::cos(theta), dv = std::fabs(m) * std::sin(theta);
  s->p = {s->p.h + dh, s->p.v + dv};
  if (step.smooth) {
    s->in = {s->in.h + dh, s->in.v + dv};
    s->out = {s->out.h + dh, s->out.v + dv};
  } else {
    s->in = s->p;
    s->out = s->p;
    s->corner = 1;
  }
}

// Densifies into out like the adaptive piece driver: out[0, pos) is done,
// out[pos, total) waits; a piece with an anchor in the area is split in half
// while its anchors lie more than `spacing` apart. Returns the count, or
// kSegmentLimit when the path would need that many.
int32_t Densify(const RoughenStep& step, const Segment* source, int32_t count,
                bool closed, Segment* out) {
  const float spacing = std::max(72.0f / std::fabs(step.dragH), 1.0f);
  const bool split = step.dragH != 0.0f;
  const int32_t pieces = closed ? count : count - 1;
  int32_t pos = 0;
  out[0] = source[0];
  for (int32_t k = 0; k < pieces; ++k) {
    if (pos + 2 > kSegmentLimit) return kSegmentLimit;
    out[pos + 1] = source[k + 1 < count ? k + 1 : 0];
    int32_t total = pos + 2, end = pos + 1;
    while (pos < end) {
      Segment& a = out[pos];
      Segment& b = out[pos + 1];
      if (InArea(step, a.p) || InArea(step, b.p)) {
        HandlesAtThirds(&a, &b);
        if (split && Distance(a.p, b.p) > spacing) {
          if (total >= kSegmentLimit) return kSegmentLimit;
          SplitPieceAtHalf(out, pos, total);
          ++total;
          ++end;
          continue;
        }
      }
      ++pos;
    }
  }
  if (!closed) return pos + 1;
  // The closing piece ended on a copy of segment 0: its in-handle is the
  // first segment's.
  out[0].in = out[pos].in;
  return pos;
}

}  // namespace

void RoughenSegments(const RoughenStep& step, const Segment* source,
                     int32_t count, bool closed, Segment* out,
                     int32_t* outCount) {
  if (count < 2) {
    std::copy(source, source + std::max(count, 0), out);
    *outCount = std::max(count, 0);
    return;
  }
  *outCount = Densify(step, source, count, closed, out);
  if (*outCount >= kSegmentLimit) return;
  for (int32_t i = 0; i < *outCount; ++i)
    if (InArea(step, out[i].p)) Push(step, &out[i]);
}

}  // namespace vx
