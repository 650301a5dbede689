// Live Emboss, Cutout and Shadow. Emboss: the copies' shifts and moves by
// step, style and colour kind. Cutout: the shaded copies' widths, joins,
// shifts and moves, the clipping group and its mask, grouped input and text
// as the mask. Shadow: the shadow below the object, its recolouring by
// colour kind, and the shadow showing through the object in a clipping
// group when transparent, and its transparency slider.
#include <algorithm>
#include <cstring>

#include "effect_fixture.h"
#include "host/core/call_failures.h"
#include "host/core/suite_registry.h"
#include "effects/cutout.h"
#include "effects/emboss.h"
#include "effects/shadow.h"

namespace vx::test {
namespace {

constexpr float kCos135 = -0.70710678f, kSin135 = 0.70710678f;

class EmbossTest : public EffectTest {
 protected:
  // Emboss art around a 50-point square at (100, 100) filled with fill; the
  // generated objects from the top.
  std::vector<const Art*> Run(const EmbossPGParams& p, const AIColor& fill) {
    return RunOnSquare(kEmboss, p, &fill, 0, fill);
  }
  static EmbossPGParams Steps(int32_t style, int32_t steps, float offset) {
    EmbossPGParams p = kEmbossFactoryParams;
    p.embossStyle = style;
    p.steps = steps;
    p.offset = offset;
    return p;
  }
  static void ExpectAt(const Art* a, float dx, float dy) {
    EXPECT_NEAR(100 + dx, a->path().segments[0].p.h, 1e-4f);
    EXPECT_NEAR(100 + dy, a->path().segments[0].p.v, 1e-4f);
  }
};

// The factory values (one step of one point), then three steps of three
// points: each step's lighter copy toward the light, its darker copy away,
// behind the object.
TEST_F(EmbossTest, EachStepShiftsTheShadeAndTheDistanceByItsShare) {
  for (const EmbossPGParams& p : {kEmbossFactoryParams, Steps(0, 3, 3)}) {
    SCOPED_TRACE(p.steps);
    auto made = Run(p, Gray(0.5f));
    ASSERT_EQ(size_t(2 * p.steps + 1), made.size());
    EXPECT_FLOAT_EQ(0.5f, made[0]->style()->fill.color.c.g.gray);
    ExpectAt(made[0], 0, 0);
    for (int i = 1; i <= p.steps; ++i) {
      const float t = 0.6667f * float(i) / float(p.steps), d = p.offset * float(i) / float(p.steps);
      EXPECT_NEAR(0.5f * (1 - t), made[2 * i - 1]->style()->fill.color.c.g.gray, 1e-5f) << i;
      EXPECT_NEAR(0.5f * (1 + t), made[2 * i]->style()->fill.color.c.g.gray, 1e-5f) << i;
      ExpectAt(made[2 * i - 1], d * kCos135, d * kSin135);
      ExpectAt(made[2 * i], -d * kCos135, -d * kSin135);
    }
  }
}

TEST_F(EmbossTest, HighlightOnlyAndShadowOnlyKeepOneSideReverseSwapsThem) {
  struct Row { int32_t style, reverse; float gray, side; };
  const Row rows[] = {{1, 0, 0.5f * (1 - 0.6667f), 1}, {2, 0, 0.5f * 1.6667f, -1},
                      {1, 1, 0.5f * (1 - 0.6667f), -1}};
  for (const Row& r : rows) {
    EmbossPGParams p = Steps(r.style, 1, 1);
    p.reverse = r.reverse;
    auto made = Run(p, Gray(0.5f));
    ASSERT_EQ(2u, made.size()) << r.style;
    EXPECT_NEAR(r.gray, made[1]->style()->fill.color.c.g.gray, 1e-5f) << r.style;
    ExpectAt(made[1], r.side * kCos135, r.side * kSin135);
  }
}

TEST_F(EmbossTest, EveryColourKindShiftsByItsRule) {
  AICustomColor spot{};
  spot.kind = kFourColor;
  spot.c.f = {0, 0, 0, 1};
  AIColor custom{};
  custom.kind = kCustomColor;
  custom.c.c.color = doc().NewCustomColor({spot, "spot"});
  custom.c.c.tint = 0.5f;
  struct Row { AIColor in, light, dark; };
  const Row rows[] = {
      // White stays white when lightened; darkened, each channel is 1 - t.
      {Rgb(1, 1, 1), Rgb(1, 1, 1), Rgb(0.3333f, 0.3333f, 0.3333f)},
      {Rgb(0.5f, 0.25f, 0), Rgb(1, 1, 0.6667f), Rgb(0.16665f, 0.083325f, 0)},
      // Grey 0 (no ink) scales to 0 both ways.
      {Gray(0), Gray(0), Gray(0)},
      {Cmyk(0.2f, 0.4f, 0.9f, 0.1f), Cmyk(0.06666f, 0.13332f, 0.29997f, 0.03333f),
       Cmyk(0.33334f, 0.66668f, 1, 0.83337f)},
      // The custom colour at tint 0.5 is process black 0.5.
      {custom, Cmyk(0, 0, 0, 0.16665f), Cmyk(0, 0, 0, 1)},
  };
  for (const Row& r : rows) {
    auto made = Run(kEmbossFactoryParams, r.in);
    ASSERT_EQ(3u, made.size());
    for (int side : {1, 2}) {
      const AIColor& want = side == 1 ? r.light : r.dark;
      for (const AIColor* got : {&made[side]->style()->fill.color,
                                 &made[side]->style()->stroke.color}) {
        ASSERT_EQ(want.kind, got->kind);
        const float* w = &want.c.f.cyan;
        const float* g = &got->c.f.cyan;
        for (int i = 0; i < (want.kind == kFourColor ? 4 : want.kind == kThreeColor ? 3 : 1); ++i)
          EXPECT_NEAR(w[i], g[i], 1e-4f) << "kind " << want.kind << " side " << side << " " << i;
      }
    }
  }
}

TEST_F(EmbossTest, GroupsStayGroupsTextShiftsRunByRunAndOtherArtIsLeftOut) {
  Art* effect = MakeEffectArt(kEmboss, kEmbossFactoryParams);
  Art* group = AddContainer("g", ArtKind::Group, effect->editGroup());
  AddSquare("a", 0, 0, 10, group);
  AddText("t", group);
  AddContainer("other", ArtKind::PluginGroup, effect->editGroup());
  ASSERT_EQ(0, SendUpdates());
  auto made = Generated(*effect);
  ASSERT_EQ(1u, made.size());
  ASSERT_EQ(ArtKind::Group, made[0]->kind());
  std::vector<const Art*> texts;
  int paths = 0;
  for (const Art* a = made[0]->firstChild(); a; a = a->sibling()) {
    if (a->kind() == ArtKind::Text) texts.push_back(a);
    paths += a->kind() == ArtKind::Path;
  }
  ASSERT_EQ(3u, texts.size());
  EXPECT_EQ(3, paths);
  // The object, then its lighter copy: the run's black (gray 1) x (1 - t).
  EXPECT_FLOAT_EQ(1.0f, texts[0]->lastChild()->style()->fill.color.c.g.gray);
  EXPECT_NEAR(0.3333f, texts[1]->lastChild()->style()->fill.color.c.g.gray, 1e-4f);
}

// Away from the light at 135 degrees, 5 points: toward the lower right.
constexpr float kCutoutAway = 3.5355339f;

class CutoutTest : public EffectTest {
 protected:
  // Cutout art whose edit group gets the source made by `make`.
  template <typename Make>
  void Run(const CutoutPGParams& p, Make&& make) {
    effect_ = MakeEffectArt(kCutout, p);
    make(effect_->editGroup());
    ASSERT_EQ(0, SendUpdates());
  }
  // The clipping group's copies from the bottom (the first, widest) up, and
  // its mask.
  std::vector<const Art*> Copies(const Art** mask = nullptr) const {
    const Art* clip = effect_->resultGroup()->firstChild();
    EXPECT_TRUE(clip->group().clipped);
    if (mask) *mask = clip->firstChild();
    const Art* copies = clip->lastChild();
    std::vector<const Art*> out;
    for (const Art* a = copies->lastChild(); a; a = a->priorSibling()) out.push_back(a);
    return out;
  }
};

// The factory's five steps stroke copies from ten points down by a fifth
// each under a plain copy; one step takes the full shade; no steps leave
// only the plain copy.
TEST_F(CutoutTest, StepsStrokeCopiesFromTenPointsDownUnderAPlainCopy) {
  // Grey 0 (no ink) shaded by t with the ink rule becomes t itself.
  const AIColor noInk = Gray(0);
  for (int32_t steps : {5, 1, 0, -3}) {
    SCOPED_TRACE(steps);
    CutoutPGParams p = kCutoutFactoryParams;
    p.cutSteps = steps;
    RunOnSquare(kCutout, p, &noInk);
    const Art* mask = nullptr;
    auto copies = Copies(&mask);
    const int n = std::max(steps, 0);
    ASSERT_EQ(size_t(n + 1), copies.size());
    for (int i = 0; i <= n; ++i) {
      const AIPathStyle& s = *copies[i]->style();
      EXPECT_NEAR(100 + kCutoutAway, copies[i]->path().segments[0].p.h, 1e-4f) << i;
      EXPECT_NEAR(100 - kCutoutAway, copies[i]->path().segments[0].p.v, 1e-4f) << i;
      if (i == n) {  // the plain copy
        EXPECT_FALSE(s.strokePaint);
        EXPECT_FLOAT_EQ(0.0f, s.fill.color.c.g.gray);
        continue;
      }
      const float share = float(n - i) / float(n);
      EXPECT_TRUE(s.strokePaint);
      EXPECT_NEAR(10 * share, s.stroke.width, 1e-5f) << i;
      EXPECT_EQ(i == 0 ? kAIMiterJoin : kAIRoundJoin, s.stroke.join) << i;
      EXPECT_EQ(kAIButtCap, s.stroke.cap);
      EXPECT_NEAR(0.6667f * share, s.fill.color.c.g.gray, 1e-5f) << i;
      EXPECT_NEAR(0.6667f * share, s.stroke.color.c.g.gray, 1e-5f) << i;
    }
    // The mask: the square where it was, unpainted, a clip member.
    ASSERT_EQ(ArtKind::Path, mask->kind());
    EXPECT_FLOAT_EQ(100.0f, mask->path().segments[0].p.h);
    EXPECT_TRUE(mask->style()->clip);
    EXPECT_FALSE(mask->style()->fillPaint || mask->style()->strokePaint);
  }
}

TEST_F(CutoutTest, AStrokedObjectKeepsItsStrokeColourOnlyOnThePlainCopy) {
  const AIColor blue = Rgb(0, 0, 1);
  RunOnSquare(kCutout, kCutoutFactoryParams, &blue, 3, Rgb(1, 0, 0));
  auto copies = Copies();
  ASSERT_EQ(6u, copies.size());
  // RGB darkens by x (1 - t): blue 1 becomes 1 - 0.6667.
  EXPECT_NEAR(0.3333f, copies[0]->style()->stroke.color.c.rgb.blue, 1e-4f);
  EXPECT_FLOAT_EQ(0.0f, copies[0]->style()->stroke.color.c.rgb.red);
  EXPECT_FLOAT_EQ(1.0f, copies[5]->style()->stroke.color.c.rgb.red);
  EXPECT_FLOAT_EQ(3.0f, copies[5]->style()->stroke.width);
}

TEST_F(CutoutTest, OnlyTheFirstSourceObjectTakesPartAndEachObjectOfAGroupIsCutOutAlone) {
  Run(kCutoutFactoryParams, [&](Art* edit) {
    AddSquare("later", 0, 0, 10, edit);
    Art* group = AddContainer("g", ArtKind::Group, edit);  // first child: on top
    AddSquare("a", 0, 0, 10, group);
    AddSquare("b", 20, 0, 10, group);
  });
  int clips = 0;
  for (const Art* g = effect_->resultGroup()->firstChild(); g; g = g->sibling()) {
    if (g->kind() != ArtKind::Group || !g->group().clipped) continue;
    ++clips;
    const Art* mask = g->firstChild();
    const Art* copies = g->lastChild();
    ASSERT_NE(mask, copies);
    int n = 0;
    for (const Art* a = copies->firstChild(); a; a = a->sibling()) {
      EXPECT_FLOAT_EQ(mask->path().segments[0].p.h + kCutoutAway, a->path().segments[0].p.h);
      ++n;
    }
    EXPECT_EQ(6, n);
  }
  EXPECT_EQ(2, clips);
}

TEST_F(CutoutTest, TextMasksByItsClippingExceptOnAVersionEightHostAndFailuresEndTheUpdate) {
  struct Row { int32_t ai8; int failing; int32_t error; bool clipping; };
  enum { kNone, kCall, kSuite };
  const Row rows[] = {{0, kNone, 0, true},
                      {1, kNone, 0, false},
                      {0, kCall, kOutOfMemoryErr, false},
                      {0, kSuite, kSPSuiteNotFoundError, false}};
  for (const Row& r : rows) {
    SCOPED_TRACE(r.failing);
    globals().HostIsAI8 = r.ai8;
    if (r.failing == kCall) host().failures().FailCall("SetTextClipping", 1, r.error);
    if (r.failing == kSuite) host().suites().MakeMissing(kAITextSuite, kAITextSuiteClipVersion);
    effect_ = MakeEffectArt(kCutout, kCutoutFactoryParams);
    AddText("t", effect_->editGroup());
    ASSERT_EQ(r.error, SendUpdates());
    host().suites().ClearMissing();
    if (r.error) {
      EXPECT_FALSE(effect_->editGroup()->firstChild()->text().clipping);
      EXPECT_EQ(0, host().suites().AcquisitionsOf(kAITextSuite, kAITextSuiteClipVersion));
      continue;
    }
    const Art* mask = nullptr;
    auto copies = Copies(&mask);
    ASSERT_EQ(ArtKind::Text, mask->kind());
    EXPECT_EQ(r.clipping, mask->text().clipping);
    EXPECT_TRUE(mask->lastChild()->style()->clip);
    EXPECT_FALSE(mask->lastChild()->style()->fillPaint);
    ASSERT_EQ(6u, copies.size());
    EXPECT_FLOAT_EQ(10.0f, copies[0]->lastChild()->style()->stroke.width);
    EXPECT_FALSE(copies[0]->text().clipping);
  }
}

// Away from the light at 135 degrees, 10 points: toward the lower right.
constexpr float kShadowAway = 7.0710678f;

class ShadowTest : public EffectTest {
 protected:
  void Run(const ShadowPGParams& p, const AIColor& fill, float stroke = 0,
           const AIColor& strokeColour = Gray(1)) {
    RunOnSquare(kShadow, p, &fill, stroke, strokeColour);
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
  EXPECT_NEAR(100 + kShadowAway, shadow->path().segments[0].p.h, 1e-4f);
  EXPECT_NEAR(100 - kShadowAway, shadow->path().segments[0].p.v, 1e-4f);
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
  EXPECT_NEAR(100 + kShadowAway, shadow->path().segments[0].p.h, 1e-4f);
  EXPECT_NEAR(0.5f * (1 + q) + k, shadow->style()->fill.color.c.g.gray, 1e-5f);
  EXPECT_NEAR(q * 0.2f + (1 - q) * 0.5f + k, shadow->style()->stroke.color.c.g.gray, 1e-5f);

  // A stroke of another kind than the fill stays as it is over the object.
  Run(Params(s, u), Rgb(0.5f, 0.5f, 0.5f), 2, Gray(0.2f));
  shadow = Groups()[1]->lastChild();
  EXPECT_NEAR(0.5f - q * 0.5f - k, shadow->style()->fill.color.c.rgb.red, 1e-5f);
  EXPECT_FLOAT_EQ(0.2f, shadow->style()->stroke.color.c.g.gray);

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
  EXPECT_NEAR(kShadowAway, below->lastChild()->firstChild()->path().segments[0].p.h, 1e-4f);
  const Art* mask = groups[1]->firstChild();
  ASSERT_EQ(ArtKind::CompoundPath, mask->kind());
  ASSERT_EQ(ArtKind::Group, mask->firstChild()->kind());
  EXPECT_TRUE(mask->firstChild()->firstChild()->style()->clip);
}

}  // namespace
}  // namespace vx::test
