// Live Cutout's update: the shaded copies' widths, joins, shifts and moves,
// the clipping group and its mask, grouped input and text as the mask.
#include "effect_fixture.h"
#include "effects/cutout.h"
#include "host/core/call_failures.h"
#include "host/core/suite_registry.h"

namespace vx::test {
namespace {

// Away from the light at 135 degrees, 5 points: toward the lower right.
constexpr float kAway = 3.5355339f;

class CutoutTest : public EffectTest {
 protected:
  Art* effect_ = nullptr;
  // Cutout art whose edit group gets the source made by `make`.
  template <typename Make>
  void Run(const CutoutPGParams& p, Make&& make) {
    effect_ = MakeEffectArt(kCutout, p);
    make(effect_->editGroup());
    ASSERT_EQ(0, SendUpdates());
  }
  void RunSquare(const CutoutPGParams& p, const AIColor& fill, float stroke = 0,
                 const AIColor& strokeColour = Gray(1)) {
    Run(p, [&](Art* edit) {
      Paint(*AddSquare("square", 100, 100, 50, edit), stroke, strokeColour, &fill);
    });
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

TEST_F(CutoutTest, FactoryValuesStrokeFiveCopiesFromTenToTwoPointsUnderAPlainCopy) {
  // Grey 0 (no ink) shaded by t with the ink rule becomes t itself.
  RunSquare(kCutoutFactoryParams, Gray(0));
  const Art* mask = nullptr;
  auto copies = Copies(&mask);
  ASSERT_EQ(6u, copies.size());
  const float widths[] = {10, 8, 6, 4, 2};
  const float shifts[] = {0.6667f, 0.5333f, 0.4f, 0.2667f, 0.1333f};
  for (int i = 0; i < 6; ++i) {
    const AIPathStyle& s = *copies[i]->style();
    EXPECT_NEAR(100 + kAway, copies[i]->path().segments[0].p.h, 1e-4f) << i;
    EXPECT_NEAR(100 - kAway, copies[i]->path().segments[0].p.v, 1e-4f) << i;
    if (i == 5) {  // the plain copy
      EXPECT_FALSE(s.strokePaint);
      EXPECT_FLOAT_EQ(0.0f, s.fill.color.c.g.gray);
      continue;
    }
    EXPECT_TRUE(s.strokePaint);
    EXPECT_NEAR(widths[i], s.stroke.width, 1e-4f) << i;
    EXPECT_EQ(i == 0 ? kAIMiterJoin : kAIRoundJoin, s.stroke.join) << i;
    EXPECT_EQ(kAIButtCap, s.stroke.cap);
    EXPECT_NEAR(shifts[i], s.fill.color.c.g.gray, 1e-4f) << i;
    EXPECT_NEAR(shifts[i], s.stroke.color.c.g.gray, 1e-4f) << i;
  }
  // The mask: the square where it was, unpainted, a clip member.
  ASSERT_EQ(ArtKind::Path, mask->kind());
  EXPECT_FLOAT_EQ(100.0f, mask->path().segments[0].p.h);
  EXPECT_TRUE(mask->style()->clip);
  EXPECT_FALSE(mask->style()->fillPaint || mask->style()->strokePaint);
}

TEST_F(CutoutTest, OneStepTakesTheFullShadeAndNoStepsOnlyThePlainCopy) {
  struct Row { int32_t steps; size_t copies; };
  for (const Row& r : {Row{1, 2}, Row{0, 1}, Row{-3, 1}}) {
    CutoutPGParams p = kCutoutFactoryParams;
    p.cutSteps = r.steps;
    RunSquare(p, Gray(0));
    auto copies = Copies();
    ASSERT_EQ(r.copies, copies.size()) << r.steps;
    if (r.copies == 2) {
      EXPECT_NEAR(10.0f, copies[0]->style()->stroke.width, 1e-5f);
      EXPECT_NEAR(0.6667f, copies[0]->style()->fill.color.c.g.gray, 1e-5f);
    }
    while (Art* a = layer()->firstChild()) ASSERT_EQ(0, doc().Dispose(a));
  }
}

TEST_F(CutoutTest, AStrokedObjectKeepsItsStrokeColourOnlyOnThePlainCopy) {
  RunSquare(kCutoutFactoryParams, Rgb(0, 0, 1), 3, Rgb(1, 0, 0));
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
      EXPECT_FLOAT_EQ(mask->path().segments[0].p.h + kAway, a->path().segments[0].p.h);
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

}  // namespace
}  // namespace vx::test
