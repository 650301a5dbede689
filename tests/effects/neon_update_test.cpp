// Live Neon's update: copy counts, widths, the banded shading, offsets,
// shadows and text runs.
#include <cmath>
#include <cstring>

#include "effect_fixture.h"
#include "effects/neon.h"
#include "host/art/plugin_group_updates.h"

namespace vx::test {
namespace {

TEST(NeonNumbers, AutoStepsAreWholeTracksPlusTheCore) {
  struct Row { float width; int32_t mode, tracks, steps; };
  const Row rows[] = {
      {2, 0, 3, 16}, {2, 1, 3, 4}, {10, 1, 4, 9}, {2, 2, 1, 2},
      {10, 0, 4, 21}, {10, 2, 4, 5}, {10, 2, 2, 5}, {7, 3, 1, 0},
      {2, 0, 0, 6},  // no track: as one
  };
  for (const Row& r : rows)
    EXPECT_EQ(r.steps, NeonAutoSteps(r.width, r.mode, r.tracks))
        << r.width << " mode " << r.mode << " tracks " << r.tracks;
}

TEST(NeonNumbers, ShadeRunsFromOneToOneMinusContrastForEveryArc) {
  for (float a : {-1.0f, -0.5f, 0.0f, 0.5f, 1.0f})
    for (float k : {0.25f, 1.0f}) {
      EXPECT_FLOAT_EQ(1.0f, NeonShade(0, a, k)) << a;
      EXPECT_NEAR(1.0f - k, NeonShade(1, a, k), 1e-6f) << a;
    }
  EXPECT_FLOAT_EQ(0.5f, NeonShade(0.5f, 0, 1));
  EXPECT_NEAR(1 - std::sqrt(0.75f), NeonShade(0.5f, 1, 1), 1e-6f);
  EXPECT_NEAR(std::sqrt(0.75f), NeonShade(0.5f, -1, 1), 1e-6f);
}

class NeonUpdateTest : public EffectTest {
 protected:
  NeonPGParams Manual(int32_t tracks, int32_t steps) {
    NeonPGParams p = kNeonFactoryParams;
    p.stepsMode = 3;
    p.tracks = tracks;
    p.steps = steps;
    return p;
  }
  // Neon art around a red-stroked, blue-filled square; its copies from the
  // bottom (the first copy) up.
  std::vector<const Art*> Run(const NeonPGParams& p, float width = 10) {
    Art* effect = MakeEffectArt(kNeon, p);
    Art* square = AddSquare("square", 100, 100, 50, effect->editGroup());
    const AIColor blue = Rgb(0, 0, 1);
    Paint(*square, width, Rgb(1, 0, 0), &blue);
    EXPECT_EQ(0, SendUpdates());
    auto copies = Generated(*effect);
    return {copies.rbegin(), copies.rend()};
  }
  static float Red(const Art* a) { return a->style()->stroke.color.c.rgb.red; }
};

TEST_F(NeonUpdateTest, OneTrackOfThreeStepsNarrowsAndShadesFromStrokeToFill) {
  auto copies = Run(Manual(1, 3));
  ASSERT_EQ(3u, copies.size());
  const float widths[] = {1, 0.6f, 0.2f}, reds[] = {1, 0.5f, 0};
  for (int i = 0; i < 3; ++i) {
    const AIPathStyle& s = *copies[i]->style();
    EXPECT_NEAR(10 * widths[i], s.stroke.width, 1e-5f) << i;
    EXPECT_NEAR(reds[i], s.stroke.color.c.rgb.red, 1e-6f) << i;
    EXPECT_NEAR(1 - reds[i], s.stroke.color.c.rgb.blue, 1e-6f) << i;
    EXPECT_FALSE(s.fillPaint);
    EXPECT_TRUE(s.strokePaint);
  }
}

TEST_F(NeonUpdateTest, TwoTracksRunToTheFillColourAndBack) {
  auto copies = Run(Manual(2, 3));
  ASSERT_EQ(5u, copies.size());
  const float t[] = {0, 0.5f, 1, 0.5f, 0};
  for (int i = 0; i < 5; ++i) EXPECT_NEAR(1 - t[i], Red(copies[i]), 1e-6f) << i;
}

TEST_F(NeonUpdateTest, CopyCountsOfTheStatedCases) {
  struct Row { int32_t mode, tracks, steps; float width; size_t copies; };
  const Row rows[] = {{3, 1, 3, 10, 3}, {3, 2, 3, 10, 5}, {0, 3, 3, 2, 16},
                      {1, 3, 3, 2, 4},  {1, 4, 3, 10, 9},
                      // one step, no track: one full-width copy, nothing faults
                      {3, 1, 1, 10, 1}, {3, 0, 2, 10, 2}, {3, 1, 0, 10, 0}};
  for (const Row& r : rows) {
    NeonPGParams p = Manual(r.tracks, r.steps);
    p.stepsMode = r.mode;
    EXPECT_EQ(r.copies, Run(p, r.width).size()) << r.mode << " " << r.tracks;
  }
}

TEST_F(NeonUpdateTest, OffsetMovesCopyIByIStepsOfTheStrokeWidthOverN) {
  NeonPGParams p = Manual(1, 5);
  p.offset = 1;
  p.angle = 0;
  auto copies = Run(p, 10);
  ASSERT_EQ(5u, copies.size());
  for (int i = 0; i < 5; ++i)
    EXPECT_NEAR(100 + 2.0f * float(i), copies[i]->path().segments[0].p.h, 1e-4f) << i;
}

TEST_F(NeonUpdateTest, ShadowTintsTheStrokeSideOrWithReverseTheFillSide) {
  for (int32_t reverse : {0, 1}) {
    NeonPGParams p = Manual(1, 2);
    p.shadow = 1;
    p.shadowTint = 0.75f;
    p.shadowReverse = reverse;
    p.shadowOffset = 2;
    p.lightAngle = 0;
    auto copies = Run(p);
    ASSERT_EQ(4u, copies.size());
    // Bottom up: first copy's shadow, first copy, last copy's shadow, last.
    EXPECT_NEAR(98, copies[0]->path().segments[0].p.h, 1e-5f);
    EXPECT_FLOAT_EQ(100, copies[1]->path().segments[0].p.h);
    // f = 1: the stroke itself, tinted when reverse is off.
    EXPECT_NEAR(reverse ? 1 : 0.25f, Red(copies[0]), 1e-6f) << reverse;
    // f = 0: the fill colour, tinted when reverse is on.
    EXPECT_NEAR(reverse ? 0.25f : 0, Red(copies[2]), 1e-6f) << reverse;
    EXPECT_NEAR(0, Red(copies[3]), 1e-6f);
    while (Art* a = layer()->firstChild()) ASSERT_EQ(0, doc().Dispose(a));
  }
}

TEST_F(NeonUpdateTest, TextRunsGlowAndUnstrokedArtGivesNothingInAutomaticModes) {
  Art* effect = MakeEffectArt(kNeon, Manual(1, 3));
  Art* text = AddText("t", effect->editGroup());
  AIPathStyle style = text->firstChild()->run().style;
  style.strokePaint = true;
  style.stroke.width = 5;
  style.stroke.color = Gray(1);
  ASSERT_EQ(0, doc().SetStyle(*text->firstChild(), style));
  ASSERT_EQ(0, SendUpdates());
  auto copies = Generated(*effect);
  ASSERT_EQ(3u, copies.size());
  EXPECT_EQ(ArtKind::Text, copies[0]->kind());
  EXPECT_NEAR(1, copies[0]->firstChild()->style()->stroke.width, 1e-5f);

  NeonPGParams automatic = Manual(1, 3);
  automatic.stepsMode = 1;
  Art* plain = MakeEffectArt(kNeon, automatic);
  const AIColor red = Rgb(1, 0, 0);
  Paint(*AddSquare("s", 0, 0, 5, plain->editGroup()), 0, red, &red);
  ASSERT_EQ(0, SendUpdates());
  EXPECT_TRUE(Generated(*plain).empty());
}

}  // namespace
}  // namespace vx::test
