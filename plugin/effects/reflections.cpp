// Live Reflections: mirror images of the objects inside the effect group
// about a vertical or horizontal reflector (or both), or a radial ring of
// the object and its mirror image turned in equal steps.
#include "effects/reflections.h"

#include "effects/placement.h"
#include "shell/globals.h"
#include "shell/suites.h"

namespace vx {
namespace {

constexpr float kQuarterTurn = 1.57079632679490f;

enum Reflector : int32_t { kHorizontal = 0, kVertical = 1, kBoth = 2, kRadial = 3 };

// translate(-R), rotate(angle), scale(sx, sy), translate(R) on every leaf.
ASErr TransformAbout(AIArtHandle art, const AIRealPoint& R, float angle, float sx,
                     float sy) {
  MatrixChain chain;
  chain.Translate(-R.h, -R.v).Rotate(angle).Scale(sx, sy).Translate(R);
  return TransformCopy(art, chain.matrix());
}

// Every copy is a duplicate of `of` at the bottom of the result.
ASErr Duplicate(AIArtHandle of, AIArtHandle into, AIArtHandle* copy) {
  return sArt->DuplicateArt(of, kPlaceInsideOnBottom, into, copy);
}

// A copy of `of` scaled (sx, sy) about R. Hosts other than version 8 reach
// it in two turns: a quarter turn, then a quarter turn with scale (-sx, -sy).
ASErr Mirror(AIArtHandle of, AIArtHandle into, const AIRealPoint& R, float sx,
             float sy, AIArtHandle* copy) {
  if (ASErr err = Duplicate(of, into, copy)) return err;
  if (gGlobals->HostIsAI8) return TransformAbout(*copy, R, 0.0f, sx, sy);
  if (ASErr err = TransformAbout(*copy, R, kQuarterTurn, 1.0f, 1.0f)) return err;
  return TransformAbout(*copy, R, kQuarterTurn, -sx, -sy);
}

// A copy of `of` turned by angle about R (in two turns, 0.1 and the rest,
// where the angle asks for it).
ASErr Turned(AIArtHandle of, AIArtHandle into, const AIRealPoint& R, float angle) {
  AIArtHandle copy = nullptr;
  if (ASErr err = Duplicate(of, into, &copy)) return err;
  if (!TurnsInTwoSteps(angle)) return TransformAbout(copy, R, angle, 1.0f, 1.0f);
  if (ASErr err = TransformAbout(copy, R, kFirstTurnStep, 1.0f, 1.0f)) return err;
  return TransformAbout(copy, R, angle - kFirstTurnStep, 1.0f, 1.0f);
}

ASErr Reflect(AIArtHandle into, AIArtHandle source, const ReflectionsPGParams& p) {
  AIRealRect r{};
  if (ASErr err = VisibleBounds(source, &r)) return err;
  const AIRealPoint R{r.left - p.offsetH, r.bottom - p.offsetV};
  AIArtHandle mirror = nullptr;
  switch (p.reflector) {
    case kHorizontal:
      return Mirror(source, into, R, 1.0f, -1.0f, &mirror);
    case kVertical:
      return Mirror(source, into, R, -1.0f, 1.0f, &mirror);
    case kBoth:
      if (ASErr err = Mirror(source, into, R, -1.0f, 1.0f, &mirror)) return err;
      if (ASErr err = Mirror(source, into, R, 1.0f, -1.0f, &mirror)) return err;
      return Mirror(source, into, R, -1.0f, -1.0f, &mirror);
    case kRadial: {
      if (ASErr err = Mirror(source, into, R, -1.0f, 1.0f, &mirror)) return err;
      if (p.total < 2) return kNoErr;
      // The object and its mirror image at each further step of the ring.
      const float step = kTwoPi / float(p.total);
      float angle = step;
      for (int32_t k = 1; k < p.total; ++k) {
        if (ASErr err = Turned(source, into, R, angle)) return err;
        if (ASErr err = Turned(mirror, into, R, angle)) return err;
        angle += step;
      }
      return kNoErr;
    }
    default:
      return kNoErr;  // no such reflector: nothing is added
  }
}

}  // namespace

ASErr ReflectionsBuild(AIArtHandle into, AIArtHandle edit, const void* record) {
  const auto& p = *static_cast<const ReflectionsPGParams*>(record);
  // The objects themselves first, keeping their stacking order; every
  // reflection lies below them, later objects' below earlier ones'.
  if (ASErr err = ForEachSource(edit, [&](AIArtHandle source) {
        AIArtHandle copy = nullptr;
        return Duplicate(source, into, &copy);
      }))
    return err;
  return ForEachSource(edit, [&](AIArtHandle source) { return Reflect(into, source, p); });
}

}  // namespace vx
