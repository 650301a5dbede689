// Live Galaxy, Circle, Explosion and Reflections: where each puts the copies
// of its source. Galaxy: branches, scales and the ray of copies, branch
// groups, seeds and "same sequence", and when the host's updates regenerate
// it. Circle rings them about the datum point, squashed by the height,
// with and without Keep Angle, and draws the centre mark; Explosion keeps
// copy 0 in place and pushes every other out along its ray by a share of
// the spread, scaled with that share; each reflector puts its mirror images
// in its order, the radial ring as many as its total.

#include "copy_effect_fixture.h"
#include "effects/circle.h"
#include "effects/explosion.h"
#include "effects/galaxy.h"
#include "effects/reflections.h"
#include "host/core/user_interaction.h"
#include "host/svg/svg_export.h"

namespace vx::test {
namespace {

using CircleTest = CopyEffectTest;
using ExplosionTest = CopyEffectTest;
using ReflectionsTest = CopyEffectTest;

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

TEST_F(ExplosionTest, TwoHundredPercentDoublesTheCopiesAtFullSpreadAndOneCopySitsInPlace) {
  Source();
  ExplosionPGParams p = kExplosionFactoryParams;  // shrink/grow 200 %
  p.total = 40;
  p.radialDeviation = 0;
  p.space = 1;  // Uniform
  auto made = Generated(*Apply(kExplosion, &p));
  ASSERT_EQ(40u, made.size());  // copy 0 on top, later copies below
  const AIRealPoint core{100.0f - p.coreRadius, kCentre.v};
  for (int i = 1; i < 40; ++i) {
    SCOPED_TRACE(i);
    // Copies scale about the middle of the left edge, which stays on the
    // copy's ray at core radius + d from the core.
    const auto& s = made[i]->path().segments;
    const AIRealPoint edge{(s[0].p.h + s[3].p.h) * 0.5f, (s[0].p.v + s[3].p.v) * 0.5f};
    const float d = Distance(edge, core) - p.coreRadius;
    EXPECT_GE(d, -1e-3f);
    EXPECT_LE(d, p.spread + 1e-3f);
    EXPECT_NEAR(1.0f + d / p.spread, Side(made[i]) / kSide, 1e-4f);
    const float angle = std::atan2(edge.v - core.v, edge.h - core.h);
    EXPECT_NEAR(0.0f, std::remainder(angle - float(i) * kTwoPi / 40.0f, kTwoPi), 1e-3f);
  }
  Source();  // one copy sits in place
  p = kExplosionFactoryParams;
  p.total = 1;
  made = Generated(*Apply(kExplosion, &p));
  ASSERT_EQ(1u, made.size());
  ExpectSquare(made[0], kCentre, kSide);
}

// Positive for the source square's counter-clockwise corners; a mirror image
// runs the other way round.
float SignedArea(const Art* path) {
  const auto& s = path->path().segments;
  float area = 0;
  for (size_t i = 0; i < s.size(); ++i) {
    const AIRealPoint& a = s[i].p;
    const AIRealPoint& b = s[(i + 1) % s.size()].p;
    area += a.h * b.v - b.h * a.v;
  }
  return area * 0.5f;
}

TEST_F(ReflectionsTest, EachReflectorPutsItsImagesAboutTheBottomLeftCornerMovedByTheOffsets) {
  // The source square's centre is (125, 125), its bottom-left corner (100, 100).
  // Radial with total 4 is said to give 8 reflections counting the object's
  // own place: the algorithm adds the mirror image and three turns (90, 180,
  // 270 degrees) of the object and of the mirror image, 7 copies, which with
  // the copy of the object make 8.
  struct Row {
    int32_t reflector;
    float offsetH, offsetV;
    int32_t total;
    std::vector<AIRealPoint> centres;  // the copy of the object first
    const char* mirrored;              // per copy: 1 mirror image, 0 turned
  };
  const Row rows[] = {
      {1, 0, 0, 3, {{125, 125}, {75, 125}}, "01"},
      {1, 10, 0, 3, {{125, 125}, {55, 125}}, "01"},  // offset H 10 moves it 20
      {0, 0, 0, 3, {{125, 125}, {125, 75}}, "01"},
      {0, 0, 5, 3, {{125, 125}, {125, 65}}, "01"},
      {2, 0, 0, 3, {{125, 125}, {75, 125}, {125, 75}, {75, 75}}, "0110"},
      {3, 0, 0, 4,
       {{125, 125}, {75, 125}, {75, 125}, {75, 75}, {75, 75}, {125, 75}, {125, 75},
        {125, 125}},
       "01010101"},
      {3, 0, 0, 1, {{125, 125}, {75, 125}}, "01"},
      {7, 0, 0, 3, {{125, 125}}, "0"},  // no such reflector: nothing added
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.reflector * 1000 + r.total);
    Source();
    ReflectionsPGParams p = kReflectionsFactoryParams;
    p.reflector = r.reflector;
    p.offsetH = r.offsetH;
    p.offsetV = r.offsetV;
    p.total = r.total;
    auto made = Generated(*Apply(kReflections, &p));
    ASSERT_EQ(r.centres.size(), made.size());
    for (size_t i = 0; i < made.size(); ++i) {
      SCOPED_TRACE(i);
      ExpectSquare(made[i], r.centres[i], kSide);
      EXPECT_EQ(r.mirrored[i] == '1', SignedArea(made[i]) < 0);
    }
  }
}

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
