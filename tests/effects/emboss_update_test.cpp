// Live Emboss's update: the copies' shifts and moves by step, style and
// colour kind; and the Emboss, Cutout and Shadow palettes' units.
#include <cmath>
#include <cstring>
#include <string>

#include "effect_fixture.h"
#include "host/adm/user_agent.h"
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
    Art* effect = MakeEffectArt(kEmboss, p);
    Paint(*AddSquare("square", 100, 100, 50, effect->editGroup()), 0, fill, &fill);
    EXPECT_EQ(0, SendUpdates());
    return Generated(*effect);
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

TEST_F(EmbossTest, FactoryValuesOnGreyHalfMakeALighterAndADarkerCopyBehindTheObject) {
  auto made = Run(kEmbossFactoryParams, Gray(0.5f));
  ASSERT_EQ(3u, made.size());
  EXPECT_FLOAT_EQ(0.5f, made[0]->style()->fill.color.c.g.gray);
  ExpectAt(made[0], 0, 0);
  EXPECT_NEAR(0.1667f, made[1]->style()->fill.color.c.g.gray, 1e-4f);
  ExpectAt(made[1], kCos135, kSin135);  // toward the light
  EXPECT_NEAR(0.8333f, made[2]->style()->fill.color.c.g.gray, 1e-4f);
  ExpectAt(made[2], -kCos135, -kSin135);
}

TEST_F(EmbossTest, ThreeStepsOfThreePointsStepTheDistanceAndTheShift) {
  auto made = Run(Steps(0, 3, 3), Gray(0.5f));
  ASSERT_EQ(7u, made.size());
  for (int i = 1; i <= 3; ++i) {
    const float t = 0.6667f * float(i) / 3;
    const Art* light = made[2 * i - 1];
    const Art* dark = made[2 * i];
    EXPECT_NEAR(0.5f * (1 - t), light->style()->fill.color.c.g.gray, 1e-5f) << i;
    EXPECT_NEAR(0.5f * (1 + t), dark->style()->fill.color.c.g.gray, 1e-5f) << i;
    ExpectAt(light, float(i) * kCos135, float(i) * kSin135);
    ExpectAt(dark, -float(i) * kCos135, -float(i) * kSin135);
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
    while (Art* a = layer()->firstChild()) ASSERT_EQ(0, doc().Dispose(a));
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
    while (Art* a = layer()->firstChild()) ASSERT_EQ(0, doc().Dispose(a));
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

TEST_F(EmbossTest, ThePalettesStoreTheirItemsInTheRecordInTheirUnits) {
  struct Row { int effect; std::string action; size_t offset; bool isInt; float value; };
  const Row rows[] = {
      {kEmboss, host::adm::ItemAction("choose", res::EmbossPalette::kStyle, "=2"), offsetof(EmbossPGParams, embossStyle), true, 2},
      {kEmboss, host::adm::ItemAction("set", res::EmbossPalette::kContrast, "=50"), offsetof(EmbossPGParams, contrast), false, 0.5f},
      {kEmboss, host::adm::ItemAction("set", res::EmbossPalette::kLightAngle, "=90"), offsetof(EmbossPGParams, lightAngle), false, 1.5707964f},
      {kEmboss, host::adm::ItemAction("set", res::EmbossPalette::kSteps, "=4"), offsetof(EmbossPGParams, steps), true, 4},
      {kCutout, host::adm::ItemAction("set", res::CutoutPalette::kOffset, "=7"), offsetof(CutoutPGParams, cutOffset), false, 7},
      {kCutout, host::adm::ItemAction("set", res::CutoutPalette::kSteps, "=3"), offsetof(CutoutPGParams, cutSteps), true, 3},
      {kShadow, host::adm::ItemAction("set", res::ShadowPalette::kShade, "=25"), offsetof(ShadowPGParams, shadowShade), false, 0.25f},
      {kShadow, host::adm::ItemAction("set", res::ShadowPalette::kTransparencySlider, "=40"), offsetof(ShadowPGParams, transparency), false, 0.4f},
  };
  for (const Row& r : rows) {
    if (!Palette(r.effect)) ASSERT_EQ(0, ChooseWindowItem(r.effect));
    Act(r.effect, r.action);
    const auto* record = static_cast<const uint8_t*>(globals().effectRecords[r.effect]);
    float f = 0;
    int32_t i = 0;
    std::memcpy(&f, record + r.offset, 4);
    std::memcpy(&i, record + r.offset, 4);
    EXPECT_NEAR(r.value, r.isInt ? float(i) : f, 1e-5f) << r.action;
  }
}

}  // namespace
}  // namespace vx::test
