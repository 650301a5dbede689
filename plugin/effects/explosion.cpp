// Live Explosion: copies of each source object burst radially from a core
// point, evenly around a full turn, each pushed out by a seeded random share
// of the spread and scaled with it.
#include "effects/explosion.h"

#include "effects/placement.h"
#include "shell/globals.h"
#include "shell/suites.h"

namespace vx {
namespace {


// The share w of the spread for a random value r in [0, 1).
float Shape(int32_t space, float r) {
  switch (space) {
    case 0: return 1.0f - (r - 1.0f) * (r - 1.0f);  // Decelerate
    case 2: return r * r;                           // Accelerate
    default: return r;                              // Uniform
  }
}

ASErr Explode(AIArtHandle into, AIArtHandle source, const ExplosionPGParams& p) {
  AIRealRect r{};
  if (ASErr err = VisibleBounds(source, &r)) return err;
  const float middle = (r.top + r.bottom) * 0.5f;
  // Copies are scaled about the middle of the object's left edge.
  const CopyFrame frame{{r.left - p.coreRadius, middle}, {r.left, middle}};
  auto* palette = static_cast<ExplosionPGParams*>(gGlobals->effectRecords[kExplosion]);
  sRandom->SetRndSeed(UpdateSeed(p.sameSequence, p.seed, 0,
                                 palette ? &palette->seed : nullptr));
  // Copy 0 stays in place, on top of the others.
  AIArtHandle copy = nullptr;
  if (ASErr err = sArt->DuplicateArt(source, kPlaceInsideOnBottom, into, &copy)) return err;
  if (ASErr err = PlaceCopyTurned(copy, frame, 0.0f, 0.0f, 1.0f, false)) return err;
  for (int32_t i = 1; i < p.total; ++i) {
    if (ASErr err = sArt->DuplicateArt(source, kPlaceInsideOnBottom, into, &copy))
      return err;
    const float deviation = CentredRandom() * p.radialDeviation;
    const float w = Shape(p.space, sRandom->FloatRnd());
    const float d = w * p.spread;
    const float s = 1.0f + w * (p.shrinkGrow - 1.0f);
    const float a = float(i) * kTwoPi / float(p.total) + deviation;
    if (ASErr err = PlaceCopyTurned(copy, frame, d, a, s, p.keepAngle != 0)) return err;
  }
  if (!p.showCentreMark) return kNoErr;
  return DrawCentreMark(into, frame.core);
}

}  // namespace

ASErr ExplosionBuild(AIArtHandle into, AIArtHandle edit, const void* record) {
  const auto& p = *static_cast<const ExplosionPGParams*>(record);
  return ForEachSource(edit, [&](AIArtHandle source) { return Explode(into, source, p); });
}

}  // namespace vx
