// Live Galaxy: branches, scales and the ray of copies, branch groups, seeds
// and "same sequence", and when the host's updates regenerate it.
#include "copy_effect_fixture.h"
#include "effects/galaxy.h"
#include "host/core/user_interaction.h"
#include "host/svg/svg_export.h"

namespace vx::test {
namespace {

class GalaxyTest : public CopyEffectTest {
 protected:
  static GalaxyPGParams Params(int32_t branches, int32_t perBranch) {
    GalaxyPGParams p = kGalaxyFactoryParams;
    p.totalBranches = branches;
    p.totalPerBranch = perBranch;
    return p;
  }
  static GalaxyPGParams Scattered(int32_t sameSequence) {
    GalaxyPGParams p = Params(4, 6);
    p.radialDeviation = 0.5f;
    p.kink = 0.2f;
    p.sizeDeviation = 0.5f;
    p.sameSequence = sameSequence;
    p.seed = 77;
    return p;
  }
  Art* ApplyGalaxy(const GalaxyPGParams& p) { return Apply(kGalaxy, &p); }
  int32_t PaletteSeed() {
    return static_cast<GalaxyPGParams*>(globals().effectRecords[kGalaxy])->seed;
  }
  std::string Svg() { return host::svg::ExportSvg(doc(), nullptr); }
};

TEST_F(GalaxyTest, OneBranchIsARayFromTheObjectShrinkingToTheLastScaleWithoutGroups) {
  Source();
  GalaxyPGParams p = Params(1, 16);
  p.branchTwist = 0;  // a straight ray
  auto made = Generated(*Apply(kGalaxy, &p));
  ASSERT_EQ(18u, made.size());  // the cross on top, then the copies, last on top
  for (const Art* a : made) ASSERT_EQ(ArtKind::Path, a->kind());
  const Art* first = made[17];
  const Art* last = made[2];
  ExpectSquare(first, kCentre, kSide);
  // Shrink/grow 10 %: the last copy at scale 0.1, at the spread.
  ExpectSquare(last, {kCentre.h + 150.0f, kCentre.v}, kSide * 0.1f);
  // The centre mark crosses at the core: core radius 50 left of the left edge.
  EXPECT_FLOAT_EQ(50.0f, made[1]->path().segments[1].p.h);
  EXPECT_FLOAT_EQ(kCentre.v, made[0]->path().segments[1].p.v);
}

TEST_F(GalaxyTest, BranchGroupsComeOnlyWithSeveralBranchesOfSeveralCopies) {
  // One copy per branch divides by N - 1 = 0: the steps take the divisor of
  // N = 2 and are never used, so every branch is one copy at distance 0
  // turned about the core.
  struct Row { int32_t branches, perBranch; size_t children; };
  for (const Row& r : {Row{8, 16, 8}, Row{8, 1, 8}, Row{1, 1, 1}, Row{2, 3, 2}}) {
    SCOPED_TRACE(r.branches * 100 + r.perBranch);
    Source();
    GalaxyPGParams p = Params(r.branches, r.perBranch);
    p.showCentreMark = 0;
    auto made = Generated(*Apply(kGalaxy, &p));
    ASSERT_EQ(r.children, made.size());
    const bool groups = r.branches >= 2 && r.perBranch >= 2;
    for (const Art* a : made) {
      EXPECT_EQ(groups ? ArtKind::Group : ArtKind::Path, a->kind());
      if (!groups) {
        EXPECT_NEAR(75.0f, Distance(Centre(a), {50, kCentre.v}), 1e-3f);
      }
    }
  }
}

TEST_F(GalaxyTest, ANewSeedChangesTheGeometryOnlyWithDeviationsAndSameSequenceOff) {
  struct Row { GalaxyPGParams p; bool changes; };
  for (const Row& r : {Row{Scattered(1), false}, Row{Scattered(0), true},
                       Row{kGalaxyFactoryParams, false}}) {
    SCOPED_TRACE(r.changes);
    Source();
    host().user().FixTickCount(5000);
    Art* effect = ApplyGalaxy(r.p);
    Select({effect});
    const std::string before = Svg();
    host().user().FixTickCount(9000);
    ASSERT_EQ(0, Regenerate(*effect));
    EXPECT_EQ(r.changes, before != Svg());
    // The tick count + 1000 when the seed is new, kept by the palette.
    EXPECT_EQ(r.p.sameSequence ? r.p.seed : 9000 + 1000, PaletteSeed());
  }
}

TEST_F(GalaxyTest, UpdatesRegenerateOnlySelectedArtOrTheFocusedTextExceptOnVersion8) {
  // Whether an update regenerated shows in the seed the palette keeps.
  struct Row { const char* version; bool select, focus, regenerates; };
  const Row rows[] = {{"15", false, false, false}, {"15", true, false, true},
                      {"15", false, true, true}, {"8", false, false, true}};
  for (const Row& r : rows) {
    SCOPED_TRACE(std::string(r.version) + (r.select ? " selected" : "") +
                 (r.focus ? " focused" : ""));
    RestartHost(r.version);
    Art* text = AddText("text");
    Select({text});
    host().user().FixTickCount(1);
    Art* effect = ApplyGalaxy(Scattered(0));
    ASSERT_EQ(1001, PaletteSeed());
    // The source keeps its selection inside the edit group, where deselecting
    // the layers does not reach: the art counts as selected through it.
    doc().DeselectAll();
    doc().Select(*text, false);
    if (r.select) Select({effect});
    if (r.focus) doc().SetTextFocus(text);
    host().user().FixTickCount(2);
    ASSERT_EQ(0, Regenerate(*effect));
    EXPECT_EQ(r.regenerates ? 1002 : 1001, PaletteSeed());
  }
}

}  // namespace
}  // namespace vx::test
