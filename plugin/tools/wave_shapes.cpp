#include "tools/wave_shapes.h"

#include <cmath>

#include "tools/warp_shapes.h"

namespace vx {
namespace {

constexpr float kPi = 3.1415927f;
// k of shape 4 is this over the cycle count (about 1 / pi: one cycle of
// the rolled wave climbs by the drag amount over pi radians either side).
constexpr float kRollScale = 0.3185f;

// Per shape: the reference row (0 centre, -1 low edge, 1 high edge), the
// scale (1 = b, 0 = b / 2, -1 = 1.0, -2 = kRollScale / cycle) and whether
// the drag amount changes sign.
struct WaveShape {
  int8_t row;
  int8_t scale;
  bool negated;
};
constexpr WaveShape kWaveShapes[kWaveShapeCount] = {
    {0, 1, false},    // 0: swells about the centre row
    {-1, 0, false},   // 1: about the low edge
    {1, 0, true},     // 2: about the high edge, dragged the other way
    {0, -1, false},   // 3: shifts every point by the wave
    {0, -2, false},   // 4: rolls the squeezed selection round
};

}  // namespace

bool WaveSetUp(int16_t shape, float cycle, bool alt, const AIRealRect& bounds,
               AIRealPoint down, AIRealPoint pointer, float crest,
               WaveGeometry* g) {
  if (shape < 0 || shape >= kWaveShapeCount || !(cycle > 0.0f)) return false;
  if (bounds.right - bounds.left == 0.0f || bounds.top - bounds.bottom == 0.0f)
    return false;
  const WaveShape& s = kWaveShapes[shape];
  const float acrossLow = alt ? bounds.bottom : bounds.left;
  const float acrossHigh = alt ? bounds.top : bounds.right;
  const float alongLow = alt ? bounds.left : bounds.bottom;
  const float alongHigh = alt ? bounds.right : bounds.top;
  const float b = WarpBaseScale(alongHigh - alongLow);
  float a = alt ? pointer.h - down.h : pointer.v - down.v;
  if (s.negated) a = -a;

  g->shape = shape;
  g->alt = alt;
  g->cycle = cycle;
  g->crest = crest;
  g->centre = (acrossLow + acrossHigh) / 2.0f;
  g->x0 = shape == kWaveRollShape ? g->centre : crest;
  g->y0 = s.row < 0   ? alongLow
          : s.row > 0 ? alongHigh
                      : (alongLow + alongHigh) / 2.0f;
  g->k = s.scale == 1 ? b : s.scale == 0 ? b / 2.0f : s.scale == -1 ? 1.0f : kRollScale / cycle;
  g->a = a;
  g->half = (acrossHigh - acrossLow) / 2.0f;
  if (shape == kWaveRollShape) g->half = g->half / (cycle * kPi);
  return true;
}

void WaveMapPoint(const WaveGeometry& g, AIRealPoint* p) {
  float& u = g.alt ? p->v : p->h;
  float& v = g.alt ? p->h : p->v;
  if (g.shape == kWaveRollShape) {
    const float theta = (u - g.x0) / g.half * kPi * g.cycle;
    const float phase = kPi * (g.crest - g.x0) / g.half;
    v = v + g.k * g.a * theta;
    u = g.centre + g.half * std::sin(theta - phase);
    return;
  }
  const float theta = std::abs(u - g.x0) / g.half * kPi * g.cycle;
  if (g.shape == 3)
    v = v + g.k * g.a * std::cos(theta);
  else
    v = v + (v - g.y0) * g.a * g.k * (1.0f + std::cos(theta));
}

AIRealMatrix WaveSqueeze(const WaveGeometry& g, const AIRealRect& bounds) {
  const float s = 1.0f / (g.cycle * kPi);
  const float cx = (bounds.left + bounds.right) / 2.0f;
  const float cy = (bounds.top + bounds.bottom) / 2.0f;
  if (g.alt) return AIRealMatrix{1.0f, 0.0f, 0.0f, s, 0.0f, cy - s * cy};
  return AIRealMatrix{s, 0.0f, 0.0f, 1.0f, cx - s * cx, 0.0f};
}

float WaveFullCycleCrest(const AIRealRect& bounds, bool alt, int32_t index,
                         int32_t count) {
  const float low = alt ? bounds.bottom : bounds.left;
  const float high = alt ? bounds.top : bounds.right;
  if (count <= 0) return low;
  return low + (high - low) * float(index - 1) / float(count);
}

}  // namespace vx
