// Live Explosion: copy 0 in place, and every other copy pushed out along its
// ray by a share of the spread and scaled with that share.
#include "copy_effect_fixture.h"
#include "effects/explosion.h"
#include "effects/placement.h"

namespace vx::test {
namespace {

using ExplosionTest = CopyEffectTest;

TEST_F(ExplosionTest, OneCopySitsInPlace) {
  Source();
  ExplosionPGParams p = kExplosionFactoryParams;
  p.total = 1;
  auto made = Generated(*Apply(kExplosion, &p));
  ASSERT_EQ(1u, made.size());
  ExpectSquare(made[0], kCentre, kSide);
}

TEST_F(ExplosionTest, TwoHundredPercentDoublesTheCopiesAtFullSpread) {
  Source();
  ExplosionPGParams p = kExplosionFactoryParams;  // shrink/grow 200 %
  p.total = 40;
  p.radialDeviation = 0;
  p.space = 1;  // Uniform
  auto made = Generated(*Apply(kExplosion, &p));
  ASSERT_EQ(40u, made.size());  // copy 0 on top, later copies below
  const AIRealPoint core{100.0f - p.coreRadius, kCentre.v};
  for (int i = 1; i < 40; ++i) {
    SCOPED_TRACE(i);
    // Copies scale about the middle of the left edge, which stays on the
    // copy's ray at core radius + d from the core.
    const auto& s = made[i]->path().segments;
    const AIRealPoint edge{(s[0].p.h + s[3].p.h) * 0.5f, (s[0].p.v + s[3].p.v) * 0.5f};
    const float d = Distance(edge, core) - p.coreRadius;
    EXPECT_GE(d, -1e-3f);
    EXPECT_LE(d, p.spread + 1e-3f);
    EXPECT_NEAR(1.0f + d / p.spread, Side(made[i]) / kSide, 1e-4f);
    const float angle = std::atan2(edge.v - core.v, edge.h - core.h);
    EXPECT_NEAR(0.0f, std::remainder(angle - float(i) * kTwoPi / 40.0f, kTwoPi), 1e-3f);
  }
}

}  // namespace
}  // namespace vx::test
