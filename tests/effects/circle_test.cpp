// Live Circle: the ring about the datum point, squashed by the height, with
// and without Keep Angle, and the centre mark.
#include "copy_effect_fixture.h"
#include "effects/circle.h"
#include "effects/placement.h"

namespace vx::test {
namespace {

using CircleTest = CopyEffectTest;

TEST_F(CircleTest, FactorySettingsRingEightCopiesRoundAPointAHundredLeftOfTheCentre) {
  struct Row { int32_t keepAngle; float height; };
  for (const Row& r : {Row{0, 1.0f}, Row{1, 1.0f}, Row{0, 0.5f}, Row{1, 0.5f}}) {
    SCOPED_TRACE(r.keepAngle * 10 + r.height);
    Source();
    CirclePGParams p = kCircleFactoryParams;
    p.keepAngle = r.keepAngle;
    p.height = r.height;
    auto made = Generated(*Apply(kCircle, &p));
    ASSERT_EQ(10u, made.size());  // the cross on top, then copies 0 to 7
    const AIRealPoint datum{kCentre.h - 100.0f, kCentre.v};
    EXPECT_FLOAT_EQ(datum.h, made[0]->path().segments[1].p.h);
    EXPECT_FLOAT_EQ(datum.v, made[1]->path().segments[1].p.v);
    for (int i = 0; i < 8; ++i) {
      SCOPED_TRACE(i);
      const Art* copy = made[2 + i];
      const float a = float(i) * kTwoPi / 8.0f;
      ExpectSquare(copy, {datum.h + 100.0f * std::cos(a),
                          datum.v + 100.0f * r.height * std::sin(a)}, 0);
      // The bottom edge turns with the ring unless Keep Angle holds it level.
      const auto& s = copy->path().segments;
      const float turn = std::atan2(s[1].p.v - s[0].p.v, s[1].p.h - s[0].p.h);
      const float expected = r.keepAngle ? 0.0f
                                         : std::atan2(r.height * std::sin(a), std::cos(a));
      EXPECT_NEAR(0.0f, std::remainder(turn - expected, kTwoPi), 1e-3f);
    }
  }
}

}  // namespace
}  // namespace vx::test
