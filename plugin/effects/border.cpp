// Live Border: a shaded rim along the outline, made of copies of the source
// whose strokes narrow from copy to copy while their colour runs from the
// stroke colour to the fill colour.
#include <algorithm>
#include <cmath>

#include "effects/art_styling.h"
#include "effects/border_effect.h"
#include "shell/globals.h"
#include "shell/suites.h"

namespace vx {
namespace {

constexpr int32_t kManualSteps = 3;

// The shading position of one run: it starts at 0 (or 1 - 1/n with
// Reverse) and moves by 1/n per step, kept within [0, 1].
struct Shading {
  float t;
  float dt;
  float arc;
  float Next() {
    const float f = ShadeCurve(t, arc);
    t = std::clamp(t + dt, 0.0f, 1.0f);
    return f;
  }
};

// What both styles work out before making copies.
struct RunSetUp {
  bool empty = false;  // nothing to draw
  int32_t n = 0;
  float inverseN = 0;  // 1/n, 0 when there are no steps
  float ox = 0, oy = 0;
  float sx = 0, sy = 0;
  Shading shading{};
};

ASErr SetUpRun(AIArtHandle source, const BorderPGParams& p, RunSetUp* run) {
  StrokeMeasure measure;
  float size = 0;
  if (p.stepsMode != kManualSteps) {
    if (ASErr err = MeasureStrokes(source, p.stepsMode, &measure)) return err;
    run->n = measure.mostSteps;
    size = measure.widestStroke;
    if (run->n == 0 || size == 0) {
      run->empty = true;
      return kNoErr;
    }
  } else {
    run->n = p.steps;
  }
  if (p.offset != 0) {
    if (size == 0) {
      if (ASErr err = MeasureStrokes(source, kManualSteps, &measure)) return err;
      size = measure.widestStroke;
      if (size == 0) {
        run->empty = true;
        return kNoErr;
      }
    }
    const float d = size * p.offset;
    run->ox = d * std::cos(p.angle);
    run->oy = d * std::sin(p.angle);
  }
  if (p.shadowOffset != 0) {
    run->sx = p.shadowOffset * std::cos(p.lightAngle);
    run->sy = p.shadowOffset * std::sin(p.lightAngle);
  }
  // Steps below 1 come only from played-back actions: no step runs then.
  run->inverseN = run->n > 0 ? 1.0f / float(run->n) : 0.0f;
  run->shading = p.reverse ? Shading{1.0f - run->inverseN, -run->inverseN, p.gradientArc}
                           : Shading{0.0f, run->inverseN, p.gradientArc};
  return kNoErr;
}

ASErr Copy(AIArtHandle source, int16_t placement, AIArtHandle group,
           AIArtHandle* copy) {
  return sArt->DuplicateArt(source, placement, group, copy);
}

}  // namespace

float AutoSteps(float w, int32_t mode) {
  switch (mode) {
    case 0: return w < 3.0f ? 6.0f : 2.0f * std::floor(w);
    case 1: return w < 3.0f ? 3.0f : std::floor(w);
    case 2: return w < 3.0f ? 2.0f : std::round(w * 0.5f);
    default: return 0.0f;
  }
}

float ShadeCurve(float t, float a) {
  if (a == 0.0f) return 1.0f - t;
  if (a > 0.0f) {
    const float u = t - 1.0f;
    return (1.0f - a) * (1.0f - t) + a * (1.0f - std::sqrt(1.0f - u * u));
  }
  return (1.0f + a) * (1.0f - t) - a * std::sqrt(1.0f - t * t);
}

ASErr MeasureStrokes(AIArtHandle art, int32_t mode, StrokeMeasure* measure) {
  return ForEachStyledLeaf(art, [&](AIArtHandle leaf, int16_t type) -> ASErr {
    AIPathStyle style{};
    if (ASErr err = GetLeafStyle(leaf, type, &style)) return err;
    if (!style.strokePaint) return kNoErr;
    const float w = style.stroke.width;
    const int32_t k = int32_t(AutoSteps(w, mode));
    measure->mostSteps = std::max(measure->mostSteps, k);
    measure->widestStroke = std::max(measure->widestStroke, w);
    return kNoErr;
  });
}

ASErr BorderOutside(AIArtHandle group, AIArtHandle source, const BorderPGParams& p) {
  RunSetUp run;
  if (ASErr err = SetUpRun(source, p, &run)) return err;
  if (run.empty) return kNoErr;
  const float stepX = run.ox * run.inverseN, stepY = run.oy * run.inverseN;
  const float tint = p.shadow ? p.shadowTint : -1.0f;
  float s = 1.0f;
  for (int32_t k = 0; k < run.n; ++k) {
    const float f = run.shading.Next();
    AIArtHandle copy = nullptr;
    if (ASErr err = Copy(source, kPlaceInsideOnTop, group, &copy)) return err;
    if (ASErr err = RestyleArt(copy, s, f, 2, 0, tint)) return err;
    if (p.shadow && p.shadowOffset != 0)
      if (ASErr err = TranslateArt(copy, -run.sx, -run.sy)) return err;
    if (p.offset != 0) {
      if (ASErr err = TranslateArt(copy, run.ox, run.oy)) return err;
      run.ox -= stepX;
      run.oy -= stepY;
    }
    if (p.shadow) {
      if (ASErr err = Copy(source, kPlaceInsideOnTop, group, &copy)) return err;
      if (ASErr err = RestyleArt(copy, s, f, 2, 0, -1.0f)) return err;
      if (p.offset != 0)
        if (ASErr err = TranslateArt(copy, run.ox, run.oy)) return err;
    }
    s -= run.inverseN;
  }
  AIArtHandle top = nullptr;
  if (ASErr err = Copy(source, kPlaceInsideOnTop, group, &top)) return err;
  return RestyleArt(top, 0.0f, 0.0f, 1, 0, -1.0f);
}

ASErr BorderInside(AIArtHandle group, AIArtHandle source, const BorderPGParams& p) {
  RunSetUp run;
  if (ASErr err = SetUpRun(source, p, &run)) return err;
  if (run.empty) return kNoErr;
  if (run.n > 1) {
    run.ox *= run.inverseN;
    run.oy *= run.inverseN;
  }
  const float stepX = run.ox, stepY = run.oy;
  const float tint = p.shadow ? p.shadowTint : -1.0f;
  float s = run.inverseN;
  for (int32_t k = 0; k < run.n; ++k) {
    const int32_t fillMode = k == run.n - 1 ? 1 : 0;
    const float f = run.shading.Next();
    AIArtHandle copy = nullptr;
    if (p.shadow) {
      if (ASErr err = Copy(source, kPlaceInsideOnBottom, group, &copy)) return err;
      if (ASErr err = RestyleArt(copy, s, f, fillMode, 0, -1.0f)) return err;
      if (p.offset != 0)
        if (ASErr err = TranslateArt(copy, run.ox, run.oy)) return err;
    }
    if (ASErr err = Copy(source, kPlaceInsideOnBottom, group, &copy)) return err;
    if (ASErr err = RestyleArt(copy, s, f, fillMode, 0, tint)) return err;
    if (p.shadow && p.shadowOffset != 0)
      if (ASErr err = TranslateArt(copy, run.sx, run.sy)) return err;
    if (p.offset != 0) {
      if (ASErr err = TranslateArt(copy, run.ox, run.oy)) return err;
      run.ox += stepX;
      run.oy += stepY;
    }
    s += run.inverseN;
  }
  return kNoErr;
}

ASErr BuildClipMask(AIArtHandle clipGroup, AIArtHandle source) {
  int16_t type = 0;
  if (ASErr err = sArt->GetArtType(source, &type)) return err;
  AIArtHandle mask = nullptr;
  switch (type) {
    case kPathArt:
    case kCompoundPathArt:
    case kTextArt:
      if (ASErr err = sArt->DuplicateArt(source, kPlaceInsideOnBottom, clipGroup, &mask))
        return err;
      break;
    case kGroupArt: {
      AIArtHandle compound = nullptr;
      if (ASErr err = sArt->NewArt(kCompoundPathArt, kPlaceInsideOnTop, clipGroup, &compound))
        return err;
      if (ASErr err = sArt->DuplicateArt(source, kPlaceInsideOnBottom, compound, &mask))
        return err;
      break;
    }
    default:
      return kNoErr;
  }
  return RestyleArt(mask, 0.0f, 0.0f, 0, 1, -1.0f);
}

ASErr BorderBuild(AIArtHandle into, AIArtHandle edit, const void* record) {
  const auto& p = *static_cast<const BorderPGParams*>(record);
  AIArtHandle child = nullptr;
  if (ASErr err = sArt->GetArtFirstChild(edit, &child)) return err;
  if (p.style == 0) {
    while (child) {
      if (ASErr err = BorderOutside(into, child, p)) return err;
      if (ASErr err = sArt->GetArtSibling(child, &child)) return err;
    }
    return kNoErr;
  }
  // Inside: only the first source object, its stack clipped to its shape.
  if (!child) return kNoErr;
  if (ASErr err = BorderInside(into, child, p)) return err;
  AIArtHandle result = nullptr, clip = nullptr;
  if (ASErr err = sArt->GetArtParent(into, &result)) return err;
  if (ASErr err = sArt->NewArt(kGroupArt, kPlaceInsideOnTop, result, &clip)) return err;
  if (ASErr err = BuildClipMask(clip, child)) return err;
  if (ASErr err = sArt->ReorderArt(into, kPlaceInsideOnBottom, clip)) return err;
  return sGroup->SetGroupClipped(clip, true);
}

}  // namespace vx
