// Live Trail's update: the step table's spacing, the copies' geometry and
// colours, gradients and stacking.
#include "effect_fixture.h"
#include "effects/trail.h"

namespace vx::test {
namespace {

class TrailUpdateTest : public EffectTest {
 protected:
  // Straight along x by `length`, same size, no turn, colours from the
  // object's own without weakening.
  static TrailPGParams Along(float length, int32_t steps, int32_t space = 1) {
    TrailPGParams p = kTrailFactoryParams;
    p.steps = steps;
    p.space = space;
    p.beginning = 1;
    p.dragVector = {length, 0};
    return p;
  }
  // Trail art around a square at (100, 100) of size 50, filled with fill
  // and unstroked; its generated objects from the top.
  std::vector<const Art*> Run(const TrailPGParams& p, const AIColor& fill) {
    return RunOnSquare(kTrail, p, &fill, 0, Gray(0), /*select=*/true);  // selected: Trail updates no other
  }
  static AIRealPoint P0(const Art* a) { return a->path().segments[0].p; }
  static const AIColor& Fill(const Art* a) { return a->style()->fill.color; }
};

TEST_F(TrailUpdateTest, OneStepGivesOneCopyAtTheTargetWithTheFullSizeAndAngle) {
  TrailPGParams p = Along(100, 1);
  p.toSize = {2, 0.5f};
  p.toAngle = RecordRadians(90);
  p.beginning = 0.5f;
  auto made = Run(p, Rgb(1, 0, 0));
  ASSERT_EQ(2u, made.size());  // Below: the source on top, then the copy
  EXPECT_FLOAT_EQ(100, P0(made[0]).h);
  // Corner (-25, -25) from the pivot: scaled (-50, -12.5), turned a quarter
  // (12.5, -50), at the end (225, 125).
  EXPECT_NEAR(237.5f, P0(made[1]).h, 1e-4f);
  EXPECT_NEAR(75, P0(made[1]).v, 1e-4f);
  // Colour position 0: the fill only weakened by beginning.
  EXPECT_FLOAT_EQ(1, Fill(made[1]).c.rgb.red);
  EXPECT_FLOAT_EQ(0.5f, Fill(made[1]).c.rgb.green);
  EXPECT_FLOAT_EQ(0.5f, Fill(made[1]).c.rgb.blue);
}

TEST_F(TrailUpdateTest, SpacingCurvesPlaceAndColourTheCopies) {
  struct Row { int32_t space; float x[4]; float c[4]; };
  const Row rows[] = {
      {0, {5, 20, 45, 80}, {0, 1 / 9.0f, 4 / 9.0f, 1}},   // Decelerate: u^2
      {1, {20, 40, 60, 80}, {0, 1 / 3.0f, 2 / 3.0f, 1}},  // Uniform
      {2, {35, 60, 75, 80}, {0, 5 / 9.0f, 8 / 9.0f, 1}},  // Accelerate
  };
  for (const Row& r : rows) {
    // Black toward the factory end colour, white: red shows the position.
    auto made = Run(Along(80, 4, r.space), Rgb(0, 0, 0));
    ASSERT_EQ(5u, made.size());
    for (int k = 0; k < 4; ++k) {
      EXPECT_NEAR(100 + r.x[k], P0(made[k + 1]).h, 1e-4f) << r.space << " " << k;
      EXPECT_NEAR(r.c[k], Fill(made[k + 1]).c.rgb.red, 1e-6f) << r.space << " " << k;
    }
  }
}

TEST_F(TrailUpdateTest, EndFillSourcesAndTint) {
  struct Row { int32_t source; float tint; bool filled; float red; };
  const Row rows[] = {
      {kTrailObjectStroke, 1, false, 0},  // no stroke to take: no fill
      {kTrailNoColour, 1, false, 0},
      {kTrailObjectFill, 1, true, 1},
      {kTrailChosenColour, 0.5f, true, 0.5f},  // black tinted half-way
  };
  for (const Row& r : rows) {
    TrailPGParams p = Along(10, 3);
    p.beginning = 0.96f;
    p.endFillSource = r.source;
    p.endFillColour = Rgb(0, 0, 0);
    p.toTint = r.tint;
    auto made = Run(p, Rgb(1, 0, 0));
    ASSERT_EQ(4u, made.size());
    for (size_t k = 1; k < 4; ++k) EXPECT_EQ(r.filled, bool(made[k]->style()->fillPaint));
    if (r.filled) {
      EXPECT_NEAR(r.red, Fill(made[3]).c.rgb.red, 1e-6f) << r.source;
    }
  }
}

TEST_F(TrailUpdateTest, GradientsAreRebuiltWithTheirStopsSteppedAndMoved) {
  host::art::Gradient g;
  g.type = kRadialGradient;
  g.name = "glow";
  const float reds[] = {0, 0.5f, 1};
  for (float red : reds) {
    AIGradientStop stop{};
    stop.rampPoint = red * 100;
    stop.midPoint = 50;
    stop.color = Rgb(red, 0, 0);
    g.stops.push_back(stop);
  }
  AIColor fill{};
  fill.kind = kGradient;
  fill.c.b.gradient = doc().NewGradient(g);
  fill.c.b.matrix = {1, 0, 0, 1, 0, 0};
  auto made = Run(Along(60, 3), fill);
  ASSERT_EQ(4u, made.size());
  EXPECT_EQ(fill.c.b.gradient, Fill(made[0]).c.b.gradient);
  for (int k = 0; k < 3; ++k) {
    const AIColor& c = Fill(made[k + 1]);
    ASSERT_EQ(kGradient, c.kind);
    EXPECT_NEAR(20.0f * float(k + 1), c.c.b.matrix.tx, 1e-4f);
    const host::art::Gradient* rebuilt = doc().FindGradient(c.c.b.gradient);
    ASSERT_NE(nullptr, rebuilt);
    // The first copy's colours stay the object's own: its gradient too.
    EXPECT_EQ(k == 0, fill.c.b.gradient == c.c.b.gradient);
    EXPECT_EQ(kRadialGradient, rebuilt->type);
    EXPECT_EQ("glow", rebuilt->name);
    ASSERT_EQ(3u, rebuilt->stops.size());
    for (int i = 0; i < 3; ++i) {
      // Toward white by colour position k / 2.
      const float expect = reds[i] + (1 - reds[i]) * float(k) / 2;
      EXPECT_NEAR(expect, rebuilt->stops[size_t(i)].color.c.rgb.red, 1e-6f) << k << i;
      EXPECT_FLOAT_EQ(reds[i] * 100, rebuilt->stops[size_t(i)].rampPoint);
    }
  }
  // The document keeps every gradient made: later updates reuse the
  // identical ones instead of adding two more each time.
  const size_t gradients = doc().gradients().size();
  EXPECT_EQ(1u + 2u, gradients);
  for (int update = 0; update < 3; ++update) {
    doc().MarkForUpdate(*effect_);
    ASSERT_EQ(0, SendUpdates());
  }
  EXPECT_EQ(gradients, doc().gradients().size());
  EXPECT_EQ(4u, Generated(*effect_).size());
}

TEST_F(TrailUpdateTest, AboveStacksLaterCopiesHigherAndTextGetsNone) {
  TrailPGParams p = Along(10, 2);
  p.stacking = 0;
  effect_ = MakeEffectArt(kTrail, p);
  Select({effect_});
  Art* square = AddSquare("square", 0, 0, 10, effect_->editGroup());
  AddText("text", effect_->editGroup());
  const AIColor red = Rgb(1, 0, 0);
  Paint(*square, 0, red, &red);
  ASSERT_EQ(0, SendUpdates());
  auto made = Generated(*effect_);
  ASSERT_EQ(4u, made.size());
  EXPECT_NEAR(10, P0(made[0]).h, 1e-5f);
  EXPECT_NEAR(5, P0(made[1]).h, 1e-5f);
  EXPECT_EQ(ArtKind::Text, made[2]->kind());
  EXPECT_FLOAT_EQ(0, P0(made[3]).h);
}

TEST_F(TrailUpdateTest, ApplyDrawsTheFactoryTrailAtOnceAroundTheSelectedSource) {
  ASSERT_EQ(0, ChooseWindowItem(kTrail));
  Art* square = AddSquare("square", 0, 0, 10);
  const AIColor red = Rgb(1, 0, 0);
  Paint(*square, 0, red, &red);
  Select({square});
  Act(kTrail, "press", res::TrailPalette::kApply);
  ASSERT_EQ(1u, EffectArt().size());
  auto made = Generated(*EffectArt()[0]);
  ASSERT_EQ(26u, made.size());  // the source and 25 copies
  // The last copy, at the end of the factory vector, is white.
  EXPECT_NEAR(70.710678f, P0(made[25]).h, 1e-3f);
  EXPECT_FLOAT_EQ(1, Fill(made[25]).c.rgb.green);
}

}  // namespace
}  // namespace vx::test
