// Live Galaxy: each source object becomes spiral branches of copies leaving a
// core point, moving outward, turning and shrinking (or growing), scattered
// by seeded random deviations.
#include "effects/galaxy.h"

#include "effects/placement.h"
#include "shell/globals.h"
#include "shell/suites.h"

namespace vx {
namespace {

// Galaxy's seeds are the tick count plus this.
constexpr uint32_t kGalaxyTickOffset = 1000;

// Where one branch starts and how it moves from copy to copy.
struct Branch {
  float a = 0;            // angle about the core
  float twistStep = 0;
  float spreadStep = 0;
  float s = 1;            // scale
  float shrinkStep = 0;
  float d = 0;            // distance along the branch
};

// Branch b's start. Branch 0 is undeviated; the others draw five values in
// this order from the seed S + b + 1.
Branch StartBranch(const GalaxyPGParams& p, int32_t b, int32_t seed) {
  const int32_t n = p.totalPerBranch;
  // The steps divide by N - 1. With one copy per branch the steps are never
  // used (there is no second copy); the divisor then takes the value of the
  // neighbouring defined case, N = 2, so that nothing divides by zero.
  const float intervals = n > 1 ? float(n - 1) : 1.0f;
  Branch br;
  if (b == 0) {
    br.twistStep = p.branchTwist / intervals;
    br.spreadStep = p.spread / intervals;
    br.shrinkStep = (1.0f - p.shrinkGrow) / intervals;
    return br;
  }
  sRandom->SetRndSeed(SeedPlus(seed, b + 1));
  const float evenAngle = float(b) * kTwoPi / float(p.totalBranches);
  if (n < 2) {
    br.a = evenAngle;
    br.spreadStep = p.spread;
    return br;
  }
  br.a = evenAngle + CentredRandom() * p.radialDeviation;
  br.twistStep = (CentredRandom() * p.twistDeviation + p.branchTwist) / intervals;
  br.spreadStep = (CentredRandom() * p.spreadDeviation + p.spread) / intervals;
  br.s = CentredRandom() * p.sizeDeviation + 1.0f;
  br.shrinkStep = (1.0f - p.shrinkGrow) * br.s / intervals;
  br.d = CentredRandom() * p.coreDeviation;
  return br;
}

ASErr GenerateGalaxy(AIArtHandle into, AIArtHandle source, const GalaxyPGParams& p) {
  AIRealRect r{};
  if (ASErr err = VisibleBounds(source, &r)) return err;
  const AIRealPoint centre{(r.left + r.right) * 0.5f, (r.top + r.bottom) * 0.5f};
  // The core lies on the object's horizontal centre line, core radius to the
  // left of its left edge.
  const CopyFrame frame{{r.left - p.coreRadius, centre.v}, centre};
  const int16_t order = p.stacking == 0 ? kPlaceInsideOnTop : kPlaceInsideOnBottom;
  auto* palette = static_cast<GalaxyPGParams*>(gGlobals->effectRecords[kGalaxy]);
  const int32_t seed = UpdateSeed(p.sameSequence, p.seed, kGalaxyTickOffset,
                                  palette ? &palette->seed : nullptr);
  const bool branchGroups = p.totalBranches >= 2 && p.totalPerBranch >= 2;
  for (int32_t b = 0; b < p.totalBranches; ++b) {
    Branch br = StartBranch(p, b, seed);
    AIArtHandle target = into;
    if (branchGroups)
      if (ASErr err = sArt->NewArt(kGroupArt, kPlaceInsideOnTop, into, &target)) return err;
    sRandom->SetRndSeed(SeedPlus(seed, -1 - b));
    for (int32_t i = 0; i < p.totalPerBranch; ++i) {
      AIArtHandle copy = nullptr;
      if (ASErr err = sArt->DuplicateArt(source, order, target, &copy)) return err;
      if (ASErr err = PlaceCopyTurned(copy, frame, br.d, br.a, br.s, p.keepAngle != 0))
        return err;
      br.s -= br.shrinkStep;
      br.d += br.spreadStep;
      br.a = br.a + br.twistStep + CentredRandom() * p.kink;
    }
  }
  if (!p.showCentreMark) return kNoErr;
  return DrawCentreMark(into, frame.core);
}

}  // namespace

ASErr GalaxyBuild(AIArtHandle into, AIArtHandle edit, const void* record) {
  const auto& p = *static_cast<const GalaxyPGParams*>(record);
  return ForEachSource(edit, [&](AIArtHandle source) {
    return GenerateGalaxy(into, source, p);
  });
}

}  // namespace vx
