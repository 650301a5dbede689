// Live Shadow's update: the shadow below the object, its recolouring by
// colour kind, and the shadow showing through the object in a clipping
// group when transparent.
#include "effect_fixture.h"
#include "effects/shadow.h"

namespace vx::test {
namespace {

// Away from the light at 135 degrees, 10 points: toward the lower right.
constexpr float kAway = 7.0710678f;

class ShadowTest : public EffectTest {
 protected:
  Art* effect_ = nullptr;
  // Shadow art around a 50-point square at (100, 100).
  void Run(const ShadowPGParams& p, const AIColor& fill, float stroke = 0,
           const AIColor& strokeColour = Gray(1)) {
    effect_ = MakeEffectArt(kShadow, p);
    Paint(*AddSquare("square", 100, 100, 50, effect_->editGroup()), stroke, strokeColour,
          &fill);
    ASSERT_EQ(0, SendUpdates());
  }
  static ShadowPGParams Params(float shade, float transparency) {
    ShadowPGParams p = kShadowFactoryParams;
    p.shadowShade = shade;
    p.transparency = transparency;
    return p;
  }
  // The groups of the result from the bottom: the shadow under the object,
  // then the clipping group (when there is one).
  std::vector<const Art*> Groups() const {
    std::vector<const Art*> out;
    for (const Art* a = effect_->resultGroup()->lastChild(); a; a = a->priorSibling())
      out.push_back(a);
    return out;
  }
  void Clear() {
    while (Art* a = layer()->firstChild()) ASSERT_EQ(0, doc().Dispose(a));
  }
};

TEST_F(ShadowTest, FactoryValuesOnABlackCmykSquareMakeOneMovedShadowAndNoClippingGroup) {
  Run(kShadowFactoryParams, Cmyk(0, 0, 0, 1));
  auto groups = Groups();
  ASSERT_EQ(1u, groups.size());
  const Art* object = groups[0]->firstChild();
  const Art* shadow = object->sibling();
  ASSERT_NE(nullptr, shadow);
  EXPECT_EQ(nullptr, shadow->sibling());
  EXPECT_FLOAT_EQ(1.0f, object->style()->fill.color.c.f.black);
  EXPECT_FLOAT_EQ(100.0f, object->path().segments[0].p.h);
  const AIFourColorStyle& ink = shadow->style()->fill.color.c.f;
  EXPECT_NEAR(0.6666f, ink.black, 1e-4f);
  EXPECT_FLOAT_EQ(0.0f, ink.cyan);
  EXPECT_NEAR(100 + kAway, shadow->path().segments[0].p.h, 1e-4f);
  EXPECT_NEAR(100 - kAway, shadow->path().segments[0].p.v, 1e-4f);
}

TEST_F(ShadowTest, TheShadowBelowIsRecolouredByKind) {
  const float s = 0.3333f;
  struct Row { float u; AIColor in; float want[4]; };
  const Row rows[] = {
      // White RGB: each channel 1 - (1 - u) s.
      {0, Rgb(1, 1, 1), {1 - s, 1 - s, 1 - s}},
      {0.5f, Rgb(1, 1, 1), {1 - 0.5f * s, 1 - 0.5f * s, 1 - 0.5f * s}},
      // Black RGB: 0 + (1 - s) x 1, minus (1 - u) s.
      {0, Rgb(0, 0, 0), {1 - 2 * s, 1 - 2 * s, 1 - 2 * s}},
      {0.5f, Gray(1), {s + 0.5f * s}},
      {0, Gray(0), {s}},
      {0, Cmyk(0.6f, 0.3f, 0, 0.5f), {0.6f * s, 0.3f * s, 0, 0.5f * s + s}},
  };
  for (const Row& r : rows) {
    Run(Params(s, r.u), r.in);
    const AIColor& got = Groups()[0]->lastChild()->style()->fill.color;
    ASSERT_EQ(r.in.kind, got.kind);
    const float* g = &got.c.f.cyan;
    for (int i = 0; i < (got.kind == kFourColor ? 4 : got.kind == kThreeColor ? 3 : 1); ++i)
      EXPECT_NEAR(r.want[i], g[i], 1e-4f) << "u " << r.u << " kind " << got.kind << " " << i;
    Clear();
  }
}

TEST_F(ShadowTest, TransparencyAddsALighterShadowClippedToTheObjectUnlessTheShadeIsZero) {
  const float s = 0.3333f, u = 0.5f, q = s * u, k = (1 - u) * s * u * 0.5f;
  // The stroke (grey 0.2 over a grey 0.5 fill) mixes with the fill by q.
  Run(Params(s, u), Gray(0.5f), 2, Gray(0.2f));
  auto groups = Groups();
  ASSERT_EQ(2u, groups.size());
  const Art* clip = groups[1];
  EXPECT_TRUE(clip->group().clipped);
  const Art* mask = clip->firstChild();
  const Art* shadow = clip->lastChild();
  ASSERT_NE(mask, shadow);
  EXPECT_TRUE(mask->style()->clip);
  EXPECT_FALSE(mask->style()->fillPaint || mask->style()->strokePaint);
  EXPECT_FLOAT_EQ(100.0f, mask->path().segments[0].p.h);
  EXPECT_NEAR(100 + kAway, shadow->path().segments[0].p.h, 1e-4f);
  EXPECT_NEAR(0.5f * (1 + q) + k, shadow->style()->fill.color.c.g.gray, 1e-5f);
  EXPECT_NEAR(q * 0.2f + (1 - q) * 0.5f + k, shadow->style()->stroke.color.c.g.gray, 1e-5f);
  Clear();

  // A stroke of another kind than the fill stays as it is over the object.
  Run(Params(s, u), Rgb(0.5f, 0.5f, 0.5f), 2, Gray(0.2f));
  shadow = Groups()[1]->lastChild();
  EXPECT_NEAR(0.5f - q * 0.5f - k, shadow->style()->fill.color.c.rgb.red, 1e-5f);
  EXPECT_FLOAT_EQ(0.2f, shadow->style()->stroke.color.c.g.gray);
  Clear();

  Run(Params(0, 1), Gray(0.5f));
  EXPECT_EQ(1u, Groups().size());
}

TEST_F(ShadowTest, OnlyTheFirstSourceObjectTakesPartAndAGroupIsMaskedByACompoundPath) {
  effect_ = MakeEffectArt(kShadow, Params(0.5f, 0.5f));
  AddSquare("later", 0, 0, 10, effect_->editGroup());
  Art* group = AddContainer("g", ArtKind::Group, effect_->editGroup());
  AddSquare("a", 0, 0, 10, group);
  ASSERT_EQ(0, SendUpdates());
  auto groups = Groups();
  ASSERT_EQ(2u, groups.size());
  const Art* below = groups[0];
  ASSERT_EQ(ArtKind::Group, below->firstChild()->kind());
  ASSERT_EQ(ArtKind::Group, below->lastChild()->kind());
  EXPECT_EQ(below->firstChild()->sibling(), below->lastChild());  // object, shadow
  EXPECT_NEAR(kAway, below->lastChild()->firstChild()->path().segments[0].p.h, 1e-4f);
  const Art* mask = groups[1]->firstChild();
  ASSERT_EQ(ArtKind::CompoundPath, mask->kind());
  ASSERT_EQ(ArtKind::Group, mask->firstChild()->kind());
  EXPECT_TRUE(mask->firstChild()->firstChild()->style()->clip);
}

}  // namespace
}  // namespace vx::test
