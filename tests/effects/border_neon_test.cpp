// Live Border's and Live Neon's updates: steps, shades, widths, offsets,
// shadows; Border's colour kinds and Inside clip mask, Neon's tracks of
// banded shading and text runs.
#include <cmath>

#include "effect_fixture.h"
#include "effects/border_effect.h"
#include "effects/neon.h"

namespace vx::test {
namespace {

TEST(BorderNumbers, AutoStepsFollowTheStrokeWidth) {
  struct Row { float width; int32_t mode; float steps; };
  const Row rows[] = {
      {2.5f, 0, 6}, {2.5f, 1, 3}, {2.5f, 2, 2}, {2.5f, 3, 0},
      {7.0f, 0, 14}, {7.0f, 1, 7}, {7.0f, 2, 4}, {7.0f, 3, 0},
      {3.0f, 0, 6}, {3.0f, 2, 2}, {10.9f, 0, 20}, {5.0f, 2, 3},
  };
  for (const Row& r : rows)
    EXPECT_EQ(r.steps, AutoSteps(r.width, r.mode)) << r.width << " mode " << r.mode;
}

TEST(BorderNumbers, ShadeCurveIsLinearAtArcZeroAndQuarterCirclesAtTheEnds) {
  for (float t : {0.0f, 0.25f, 0.5f, 0.75f, 1.0f})
    EXPECT_FLOAT_EQ(1.0f - t, ShadeCurve(t, 0.0f));
  EXPECT_FLOAT_EQ(1.0f, ShadeCurve(0.0f, 1.0f));
  EXPECT_FLOAT_EQ(0.0f, ShadeCurve(1.0f, 1.0f));
  EXPECT_NEAR(1.0f - std::sqrt(1.0f - 0.25f), ShadeCurve(0.5f, 1.0f), 1e-6f);
  EXPECT_NEAR(std::sqrt(1.0f - 0.25f), ShadeCurve(0.5f, -1.0f), 1e-6f);
  // Between: a linear blend of the ramp and the curve.
  EXPECT_NEAR(0.5f * 0.5f + 0.5f * (1.0f - std::sqrt(0.75f)), ShadeCurve(0.5f, 0.5f),
              1e-6f);
}

class BorderUpdateTest : public EffectTest {
 protected:
  static BorderPGParams Params(int32_t mode, int32_t steps = 3) {
    BorderPGParams p = kBorderFactoryParams;
    p.stepsMode = mode;
    p.steps = steps;
    p.offset = 0;
    return p;
  }
  static float X0(const Art* path) { return path->path().segments[0].p.h; }
  const AIColor white_ = Gray(1);
};

TEST_F(BorderUpdateTest, OutsideAutoHighOnASevenPointStrokeMakesFourteenStepsAndTheShape) {
  auto copies = RunOnSquare(kBorder, Params(0), &white_, 7, Gray(0));
  ASSERT_EQ(15u, copies.size());
  // Paint order from the top: the final copy, then the narrowest step.
  const AIPathStyle& top = *copies[0]->style();
  EXPECT_FALSE(top.strokePaint);
  EXPECT_TRUE(top.fillPaint);
  EXPECT_FLOAT_EQ(1.0f, top.fill.color.c.g.gray);
  for (int k = 0; k < 14; ++k) {
    const AIPathStyle& s = *copies[14 - k]->style();
    EXPECT_NEAR(7.0f * (1.0f - float(k) / 14.0f), s.stroke.width, 1e-4f) << k;
    // Fill mode 2: the fill takes the blended stroke colour.
    EXPECT_FLOAT_EQ(s.stroke.color.c.g.gray, s.fill.color.c.g.gray);
    EXPECT_NEAR(float(k) / 14.0f, s.stroke.color.c.g.gray, 1e-5f) << k;
  }
}

TEST_F(BorderUpdateTest, ArcZeroWithFourStepsShadesFromStrokeToFillAndReverseTheOtherWay) {
  for (int reverse : {0, 1}) {
    SCOPED_TRACE(reverse);
    BorderPGParams p = Params(3, 4);
    p.reverse = reverse;
    auto copies = RunOnSquare(kBorder, p, &white_, 4, Gray(0));
    ASSERT_EQ(5u, copies.size());
    const float shades[4] = {1.0f, 0.75f, 0.5f, 0.25f};
    for (int k = 0; k < 4; ++k) {
      const float f = reverse ? shades[3 - k] : shades[k];
      // Blend of black toward white by shade f: gray = 1 - f.
      EXPECT_NEAR(1.0f - f, copies[4 - k]->style()->stroke.color.c.g.gray, 1e-6f) << k;
    }
  }
}

TEST_F(BorderUpdateTest, OutsideOffsetMovesTheWidestCopyByTheFullStrokeWidth) {
  BorderPGParams p = Params(3, 4);
  p.offset = 1.0f;
  p.angle = 0;
  auto copies = RunOnSquare(kBorder, p, nullptr, 8, Gray(0));
  ASSERT_EQ(5u, copies.size());
  EXPECT_FLOAT_EQ(100.0f, X0(copies[0]));      // the final copy stays
  EXPECT_NEAR(108.0f, X0(copies[4]), 1e-4f);   // widest: full width
  EXPECT_NEAR(106.0f, X0(copies[3]), 1e-4f);
  EXPECT_NEAR(102.0f, X0(copies[1]), 1e-4f);   // last: width / n
}

TEST_F(BorderUpdateTest, InsideOffsetGrowsFromAStepToTheFullWidthUnderAClipMask) {
  BorderPGParams p = Params(3, 4);
  p.offset = 1.0f;
  p.angle = 0;
  p.style = 1;
  RunOnSquare(kBorder, p, &white_, 8, Gray(0));
  const Art* clip = effect_->resultGroup()->firstChild();
  ASSERT_NE(nullptr, clip);
  EXPECT_TRUE(clip->group().clipped);
  EXPECT_EQ(nullptr, clip->sibling());
  const Art* mask = clip->firstChild();
  ASSERT_EQ(ArtKind::Path, mask->kind());
  EXPECT_TRUE(mask->style()->clip);
  EXPECT_FALSE(mask->style()->fillPaint);
  EXPECT_FALSE(mask->style()->strokePaint);
  const Art* stack = mask->sibling();
  ASSERT_EQ(ArtKind::Group, stack->kind());
  std::vector<const Art*> copies;
  for (const Art* a = stack->firstChild(); a; a = a->sibling()) copies.push_back(a);
  ASSERT_EQ(4u, copies.size());
  // Later copies lie below: the first step is on top.
  EXPECT_NEAR(102.0f, X0(copies[0]), 1e-4f);
  EXPECT_NEAR(108.0f, X0(copies[3]), 1e-4f);
  EXPECT_NEAR(2.0f, copies[0]->style()->stroke.width, 1e-5f);
  EXPECT_NEAR(8.0f, copies[3]->style()->stroke.width, 1e-5f);
  EXPECT_FALSE(copies[0]->style()->fillPaint);
  EXPECT_TRUE(copies[3]->style()->fillPaint);  // the last step keeps the fill
}

TEST_F(BorderUpdateTest, AFilledPathWithoutStrokeVanishesInAutomaticModes) {
  const AIColor red = Rgb(1, 0, 0);
  for (int32_t mode : {0, 1, 2, 3}) {
    SCOPED_TRACE(mode);
    auto copies = RunOnSquare(kBorder, Params(mode, 2), &red, 0, Rgb(0, 0, 1));
    ASSERT_NE(nullptr, effect_->resultGroup()->firstChild());
    EXPECT_EQ(mode == 3 ? 3u : 0u, copies.size());
  }
}

TEST_F(BorderUpdateTest, StrokeAndFillOfDifferentKindsKeepTheStrokeColour) {
  const AIColor fill = Rgb(1, 0, 0);
  auto copies = RunOnSquare(kBorder, Params(1), &fill, 3, Gray(0.2f));
  ASSERT_EQ(4u, copies.size());
  for (int k = 1; k < 4; ++k) {
    EXPECT_EQ(kGrayColor, copies[k]->style()->stroke.color.kind);
    EXPECT_FLOAT_EQ(0.2f, copies[k]->style()->stroke.color.c.g.gray);
    EXPECT_EQ(kGrayColor, copies[k]->style()->fill.color.kind);
  }
}

TEST_F(BorderUpdateTest, FourColourBlendsEachInkAndTintsTheShadowsBlack) {
  const AIColor fill = Cmyk(0, 0, 0, 0.2f);
  BorderPGParams p = Params(3, 2);
  p.shadow = 1;
  p.shadowTint = 0.9f;
  p.shadowOffset = 0;  // tinted, not moved
  auto copies = RunOnSquare(kBorder, p, &fill, 3, Cmyk(1, 0.5f, 0, 1));
  ASSERT_EQ(5u, copies.size());  // two steps of tinted + plain copy, the shape
  // Bottom: step 0's tinted copy (f = 1: the tint replaces black).
  const AIColor& tinted = copies[4]->style()->stroke.color;
  EXPECT_FLOAT_EQ(1.0f, tinted.c.f.cyan);
  EXPECT_FLOAT_EQ(0.9f, tinted.c.f.black);
  EXPECT_FLOAT_EQ(100.0f, X0(copies[4]));
  // Step 1's plain copy: f = 0.5 between the inks.
  const AIColor& half = copies[1]->style()->stroke.color;
  EXPECT_FLOAT_EQ(0.5f, half.c.f.cyan);
  EXPECT_FLOAT_EQ(0.25f, half.c.f.magenta);
  EXPECT_FLOAT_EQ(0.6f, half.c.f.black);
}

TEST_F(BorderUpdateTest, ShadowCopiesMoveAwayFromTheLight) {
  BorderPGParams p = Params(3, 1);
  p.shadow = 1;
  p.shadowOffset = 3;
  p.lightAngle = 0;  // light from the right: shadows move left
  auto copies = RunOnSquare(kBorder, p, nullptr, 4, Gray(0));
  ASSERT_EQ(3u, copies.size());
  EXPECT_NEAR(97.0f, X0(copies[2]), 1e-5f);
  EXPECT_FLOAT_EQ(100.0f, X0(copies[1]));
}

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
    const AIColor blue = Rgb(0, 0, 1);
    auto copies = RunOnSquare(kNeon, p, &blue, width, Rgb(1, 0, 0));
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
  // The automatic counts are NeonNumbers' rows; one step, no track: one
  // full-width copy, nothing faults.
  const Row rows[] = {{0, 3, 3, 2, 16}, {3, 1, 1, 10, 1}, {3, 0, 2, 10, 2}, {3, 1, 0, 10, 0}};
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
