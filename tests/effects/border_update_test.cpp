// Live Border's update: steps, shades, widths, offsets, shadows, colour
// kinds and the Inside clip mask.
#include <cmath>

#include "effect_fixture.h"
#include "effects/border_effect.h"
#include "host/art/plugin_group_updates.h"

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
  // Applies Border with the record p to the selection through the palette.
  void ApplyBorder(const BorderPGParams& p) {
    if (!Palette(kBorder)) ASSERT_EQ(0, ChooseWindowItem(kBorder));
    ASSERT_NE(nullptr, BorderRecord());
    *BorderRecord() = p;
    Act(kBorder, "press", BorderItems::kApply);
  }
  BorderPGParams Params(int32_t mode, int32_t steps = 3) {
    BorderPGParams p = kBorderFactoryParams;
    p.stepsMode = mode;
    p.steps = steps;
    p.offset = 0;
    return p;
  }
  Art* StrokedSquare(float width, const AIColor& stroke, const AIColor* fill) {
    Art* square = AddSquare("square", 100, 100, 50);
    Paint(*square, width, stroke, fill);
    Select({square});
    return square;
  }
  const Art& OnlyEffect() {
    auto effects = EffectArt();
    EXPECT_EQ(1u, effects.size());
    return *effects.at(0);
  }
  static float X0(const Art* path) { return path->path().segments[0].p.h; }
};

TEST_F(BorderUpdateTest, OutsideAutoHighOnASevenPointStrokeMakesFourteenStepsAndTheShape) {
  const AIColor white = Gray(1);
  StrokedSquare(7, Gray(0), &white);
  ApplyBorder(Params(0));
  auto copies = Generated(OnlyEffect());
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
    const AIColor white = Gray(1);
    StrokedSquare(4, Gray(0), &white);
    BorderPGParams p = Params(3, 4);
    p.reverse = reverse;
    ApplyBorder(p);
    auto copies = Generated(OnlyEffect());
    ASSERT_EQ(5u, copies.size());
    const float shades[4] = {1.0f, 0.75f, 0.5f, 0.25f};
    for (int k = 0; k < 4; ++k) {
      const float f = reverse ? shades[3 - k] : shades[k];
      // Blend of black toward white by shade f: gray = 1 - f.
      EXPECT_NEAR(1.0f - f, copies[4 - k]->style()->stroke.color.c.g.gray, 1e-6f) << k;
    }
    doc().DeselectAll();
    while (Art* a = layer()->firstChild()) ASSERT_EQ(0, doc().Dispose(a));
  }
}

TEST_F(BorderUpdateTest, OutsideOffsetMovesTheWidestCopyByTheFullStrokeWidth) {
  StrokedSquare(8, Gray(0), nullptr);
  BorderPGParams p = Params(3, 4);
  p.offset = 1.0f;
  p.angle = 0;
  ApplyBorder(p);
  auto copies = Generated(OnlyEffect());
  ASSERT_EQ(5u, copies.size());
  EXPECT_FLOAT_EQ(100.0f, X0(copies[0]));      // the final copy stays
  EXPECT_NEAR(108.0f, X0(copies[4]), 1e-4f);   // widest: full width
  EXPECT_NEAR(106.0f, X0(copies[3]), 1e-4f);
  EXPECT_NEAR(102.0f, X0(copies[1]), 1e-4f);   // last: width / n
}

TEST_F(BorderUpdateTest, InsideOffsetGrowsFromAStepToTheFullWidthUnderAClipMask) {
  const AIColor white = Gray(1);
  StrokedSquare(8, Gray(0), &white);
  BorderPGParams p = Params(3, 4);
  p.offset = 1.0f;
  p.angle = 0;
  p.style = 1;
  ApplyBorder(p);
  const Art& effect = OnlyEffect();
  const Art* clip = effect.resultGroup()->firstChild();
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
  for (int32_t mode : {0, 1, 2, 3}) {
    SCOPED_TRACE(mode);
    const AIColor red = Rgb(1, 0, 0);
    StrokedSquare(0, Rgb(0, 0, 1), &red);
    ApplyBorder(Params(mode, 2));
    const Art& effect = OnlyEffect();
    ASSERT_NE(nullptr, effect.resultGroup()->firstChild());
    EXPECT_EQ(mode == 3 ? 3u : 0u, Generated(effect).size());
    doc().DeselectAll();
    while (Art* a = layer()->firstChild()) ASSERT_EQ(0, doc().Dispose(a));
  }
}

TEST_F(BorderUpdateTest, StrokeAndFillOfDifferentKindsKeepTheStrokeColour) {
  const AIColor fill = Rgb(1, 0, 0);
  StrokedSquare(3, Gray(0.2f), &fill);
  ApplyBorder(Params(1));
  auto copies = Generated(OnlyEffect());
  ASSERT_EQ(4u, copies.size());
  for (int k = 1; k < 4; ++k) {
    EXPECT_EQ(kGrayColor, copies[k]->style()->stroke.color.kind);
    EXPECT_FLOAT_EQ(0.2f, copies[k]->style()->stroke.color.c.g.gray);
    EXPECT_EQ(kGrayColor, copies[k]->style()->fill.color.kind);
  }
}

TEST_F(BorderUpdateTest, FourColourBlendsEachInkAndTintsTheShadowsBlack) {
  const AIColor fill = Cmyk(0, 0, 0, 0.2f);
  StrokedSquare(3, Cmyk(1, 0.5f, 0, 1), &fill);
  BorderPGParams p = Params(3, 2);
  p.shadow = 1;
  p.shadowTint = 0.9f;
  p.shadowOffset = 0;  // tinted, not moved
  ApplyBorder(p);
  auto copies = Generated(OnlyEffect());
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
  StrokedSquare(4, Gray(0), nullptr);
  BorderPGParams p = Params(3, 1);
  p.shadow = 1;
  p.shadowOffset = 3;
  p.lightAngle = 0;  // light from the right: shadows move left
  ApplyBorder(p);
  auto copies = Generated(OnlyEffect());
  ASSERT_EQ(3u, copies.size());
  EXPECT_NEAR(97.0f, X0(copies[2]), 1e-5f);
  EXPECT_FLOAT_EQ(100.0f, X0(copies[1]));
}

TEST_F(BorderUpdateTest, AGroupAsTheInsideSourceIsMaskedByACompoundPathHoldingIt) {
  Art* group = AddContainer("g", ArtKind::Group);
  Art* a = AddSquare("a", 0, 0, 10, group);
  Art* b = AddSquare("b", 20, 0, 10, group);
  Paint(*a, 3, Gray(0), nullptr);
  Paint(*b, 3, Gray(0), nullptr);
  Select({group});
  BorderPGParams p = Params(1);
  p.style = 1;
  ApplyBorder(p);
  const Art& effect = OnlyEffect();
  const Art* clip = effect.resultGroup()->firstChild();
  ASSERT_NE(nullptr, clip);
  const Art* mask = clip->firstChild();
  ASSERT_EQ(ArtKind::CompoundPath, mask->kind());
  const Art* copy = mask->firstChild();
  ASSERT_NE(nullptr, copy);
  EXPECT_EQ(ArtKind::Group, copy->kind());
  EXPECT_TRUE(copy->firstChild()->style()->clip);
}

TEST_F(BorderUpdateTest, ChangingTheSourceRegeneratesFromTheStoredRecord) {
  Art* square = StrokedSquare(2, Gray(0), nullptr);
  ApplyBorder(Params(1));  // Auto (Mid) on a 2-point stroke: 3 steps
  ASSERT_EQ(4u, Generated(OnlyEffect()).size());
  // Another program widens the stroke: the host updates the art.
  Paint(*square, 9, Gray(0), nullptr);
  ASSERT_EQ(0, host::art::SendPluginGroupUpdates(host()));
  EXPECT_EQ(10u, Generated(OnlyEffect()).size());
}

}  // namespace
}  // namespace vx::test
