// Live Neon: glowing tubes made of stroke-only copies of the source whose
// widths fall from the full stroke to a thin core while their colour runs
// back and forth between the stroke and the fill colour, once per track.
#include <algorithm>
#include <cmath>

#include "effects/border_effect.h"
#include "effects/neon.h"
#include "shell/suites.h"

namespace vx {
namespace {



// Tracks below 1 (possible only through a played-back action) divide by
// zero; they take the value of the nearest defined case, one track.
int32_t Tracks(const NeonPGParams& p) { return std::max(p.tracks, 1); }

ASErr NeonMeasure(AIArtHandle art, int32_t mode, int32_t tracks,
                  StrokeMeasure* measure) {
  return ForEachStyledLeaf(art, [&](AIArtHandle leaf, int16_t type) -> ASErr {
    AIPathStyle style{};
    if (ASErr err = GetLeafStyle(leaf, type, &style)) return err;
    if (!style.strokePaint) return kNoErr;
    const float w = style.stroke.width;
    measure->mostSteps = std::max(measure->mostSteps, NeonAutoSteps(w, mode, tracks));
    measure->widestStroke = std::max(measure->widestStroke, w);
    return kNoErr;
  });
}

// Every path and text run of art becomes stroke only: width x s (s = 0: no
// stroke), its colour blended toward the fill colour by f, with the shadow
// tint (when tint >= 0) on the stroke side, or the fill side with reverse.
ASErr NeonRestyle(AIArtHandle art, float s, float f, int32_t reverse, float tint) {
  f = std::clamp(f, 0.0f, 1.0f);
  return ForEachStyledLeaf(art, [&](AIArtHandle leaf, int16_t type) -> ASErr {
    AIPathStyle style{};
    if (ASErr err = GetLeafStyle(leaf, type, &style)) return err;
    style.fillPaint = false;
    style.clip = false;
    if (ASErr err = ShadeStroke(&style, s, f, tint, reverse != 0)) return err;
    return SetLeafStyle(leaf, type, style);
  });
}

// One source object's stack of copies, above everything made before.
ASErr NeonRun(AIArtHandle group, AIArtHandle source, const NeonPGParams& p) {
  const int32_t tracks = Tracks(p);
  StrokeMeasure measure;
  int32_t n = 0;
  float size = 0;
  if (p.stepsMode == kNeonManualSteps) {
    n = (p.steps - 1) * tracks + 1;
  } else {
    if (ASErr err = NeonMeasure(source, p.stepsMode, tracks, &measure)) return err;
    n = measure.mostSteps;
    size = measure.widestStroke;
    if (n == 0 || size == 0) return kNoErr;
  }
  float ox = 0, oy = 0;
  if (p.offset != 0) {
    if (size == 0) {
      if (ASErr err = NeonMeasure(source, kNeonManualSteps, tracks, &measure)) return err;
      size = measure.widestStroke;
      if (size == 0) return kNoErr;
    }
    const float d = size * p.offset;
    ox = d * std::cos(p.angle);
    oy = d * std::sin(p.angle);
    if (n > 1) {
      ox /= float(n);
      oy /= float(n);
    }
  }
  const float stepX = ox, stepY = oy;
  float sx = 0, sy = 0;
  if (p.shadowOffset != 0) {
    sx = p.shadowOffset * std::cos(p.lightAngle);
    sy = p.shadowOffset * std::sin(p.lightAngle);
  }
  const float tint = p.shadow ? p.shadowTint : -1.0f;
  // One copy, or none, has no colour step: it takes the step of two
  // copies, so that nothing divides by zero.
  const int32_t q = std::max(n / tracks, 1);
  float dt = float(tracks) / float(std::max(n - 1, 1));
  const float ds = 2.0f / float(2 * n - 1);
  float s = 1.0f, t = 0.0f, f = 1.0f;
  for (int32_t i = 0; i < n; ++i) {
    AIArtHandle copy = nullptr;
    if (ASErr err = sArt->DuplicateArt(source, kPlaceInsideOnTop, group, &copy)) return err;
    if (ASErr err = NeonRestyle(copy, s, f, p.shadowReverse, tint)) return err;
    if (p.shadow && p.shadowOffset != 0)
      if (ASErr err = TranslateArt(copy, -sx, -sy)) return err;
    if (i > 0 && p.offset != 0) {
      if (ASErr err = TranslateArt(copy, ox, oy)) return err;
      ox += stepX;
      oy += stepY;
    }
    if (p.shadow) {
      if (ASErr err = sArt->DuplicateArt(source, kPlaceInsideOnTop, group, &copy))
        return err;
      if (ASErr err = NeonRestyle(copy, s, f, p.shadowReverse, -1.0f)) return err;
      if (i > 0 && p.offset != 0)
        if (ASErr err = TranslateArt(copy, ox, oy)) return err;
    }
    s -= ds;
    // t runs up over q copies, down over the next q, one half-wave a track.
    if (i > 0 && i % q == 0) dt = -dt;
    t = std::clamp(t + dt, 0.0f, 1.0f);
    f = NeonShade(t, p.gradientArc, p.contrast);
  }
  return kNoErr;
}

}  // namespace

int32_t NeonAutoSteps(float w, int32_t mode, int32_t tracks) {
  tracks = std::max(tracks, 1);
  auto whole = [&](float bands) {
    return std::max(1, int32_t(std::round(bands)) / tracks) * tracks + 1;
  };
  switch (mode) {
    case 0: return w < 3.0f ? 5 * tracks + 1 : whole(2.0f * std::round(w));
    case 1: return w < 3.0f ? tracks + 1 : whole(w);
    case 2: return w < 3.0f ? tracks + 1 : whole(w * 0.5f);
    default: return 0;
  }
}

float NeonShade(float t, float a, float k) {
  const float ramp = 1.0f - k * t;
  if (a == 0.0f) return ramp;
  if (a > 0.0f) {
    const float u = t - 1.0f;
    return (1.0f - a) * ramp + a * (1.0f - k * std::sqrt(1.0f - u * u));
  }
  return (1.0f + a) * ramp - a * ((1.0f - k) + k * std::sqrt(1.0f - t * t));
}

ASErr NeonBuild(AIArtHandle into, AIArtHandle edit, const void* record) {
  const auto& p = *static_cast<const NeonPGParams*>(record);
  AIArtHandle child = nullptr;
  if (ASErr err = sArt->GetArtFirstChild(edit, &child)) return err;
  while (child) {
    if (ASErr err = NeonRun(into, child, p)) return err;
    if (ASErr err = sArt->GetArtSibling(child, &child)) return err;
  }
  return kNoErr;
}

}  // namespace vx
