// What the effects share, one row per effect: Expand leaves the result and
// Release the source; an update refused for a colour the document does not
// hold, failing host calls and allocations leave no block and the source
// and record as they were; `versalix4 update` regenerates from the record.
#include "copy_effect_fixture.h"
#include "effects/circle.h"
#include "effects/cutout.h"
#include "effects/emboss.h"
#include "effects/explosion.h"
#include "effects/frame.h"
#include "effects/galaxy.h"
#include "effects/generation.h"
#include "effects/neon.h"
#include "effects/reflections.h"
#include "effects/shadow.h"
#include "effects/tiling.h"
#include "effects/trail.h"
#include "host/core/call_failures.h"
#include "host/svg/svg_export.h"
#include "support/allocation_sweep.h"
#include "support/app_runner.h"
#include "support/scratch_folder.h"

namespace vx::test {
namespace {

// The factory record applied to the 50-point square with a 7-point stroke.
struct Factory {
  int effect;
  const void* record;
  size_t made;        // children of the generated group
  size_t paths;       // paths among them at any depth (0: not written out)
  long lastDuplicate; // the last DuplicateArt call made to fail (0: none)
  bool whenSelected;  // keeps its last result while not selected
};
// Border: Auto (Mid) on 7 points, 7 steps and the shape; Trail: the source
// and 25 copies; Galaxy: 8 branch groups of 16 and the cross; Explosion:
// 200 copies; Circle: 8 copies and the cross; Reflections: the object and
// its vertical mirror image; Tiling 8 x 8; Generation 20; Frame 36;
// Emboss: the object, a lighter and a darker copy; Cutout: the mask and the
// copies; Shadow: the object and its shadow.
const Factory kFactories[] = {
    {kBorder, &kBorderFactoryParams, 8, 0, 0, false},
    {kTrail, &kTrailFactoryParams, 26, 0, 0, true},
    {kGalaxy, &kGalaxyFactoryParams, 10, 130, 2, true},
    {kExplosion, &kExplosionFactoryParams, 200, 200, 2, true},
    {kCircle, &kCircleFactoryParams, 10, 10, 2, true},
    {kReflections, &kReflectionsFactoryParams, 2, 2, 2, false},
    {kTiling, &kTilingFactoryParams, 64, 64, 3, true},
    {kGeneration, &kGenerationFactoryParams, 20, 20, 3, false},
    {kFrame, &kFrameFactoryParams, 36, 36, 3, false},
    {kEmboss, &kEmbossFactoryParams, 3, 0, 0, false},
    {kCutout, &kCutoutFactoryParams, 2, 0, 0, false},
    {kShadow, &kShadowFactoryParams, 2, 0, 0, false},
};

class SharedBehaviourTest : public CopyEffectTest {
 protected:
  Art* Fresh(const Factory& f) {
    Source(7);
    Art* effect = Apply(f.effect, f.record);
    if (effect) Select({effect});
    return effect;
  }
  void Press(int effect, int32_t button) { Act(effect, "press " + std::to_string(button)); }
};

TEST_F(SharedBehaviourTest, ExpandLeavesTheGeneratedArtAndReleaseTheSource) {
  for (const Factory& f : kFactories) {
    SCOPED_TRACE(Effect(f.effect).name);
    Art* effect = Fresh(f);
    ASSERT_NE(nullptr, effect);
    ASSERT_EQ(f.made, Generated(*effect).size());
    Press(f.effect, Effect(f.effect).buttons.expand);
    EXPECT_TRUE(EffectArt().empty());
    const Art* expanded = layer()->firstChild();
    ASSERT_NE(nullptr, expanded);
    EXPECT_EQ(nullptr, expanded->sibling());
    size_t children = 0;
    for (const Art* a = expanded->firstChild(); a; a = a->sibling(), ++children)
      EXPECT_NE(ArtKind::PluginGroup, a->kind());
    EXPECT_EQ(f.made, children);

    Fresh(f);
    Press(f.effect, Effect(f.effect).buttons.release);
    EXPECT_TRUE(EffectArt().empty());
    EXPECT_TRUE(SameAsSource(layer()->firstChild()));
    EXPECT_EQ(nullptr, layer()->firstChild()->sibling());
  }
}

TEST_F(SharedBehaviourTest, SomeKeepTheirLastResultWhileNotSelected) {
  for (const Factory& f : kFactories) {
    SCOPED_TRACE(Effect(f.effect).name);
    Art* effect = Fresh(f);
    ASSERT_NE(nullptr, effect);
    doc().DeselectAll();
    doc().Select(*effect->editGroup()->firstChild(), false);  // the source kept its selection
    ASSERT_EQ(0, doc().Dispose(const_cast<Art*>(Generated(*effect).at(0))));
    ASSERT_EQ(0, Regenerate(*effect));
    EXPECT_EQ(f.made - (f.whenSelected ? 1 : 0), Generated(*effect).size());
    Select({effect});
    ASSERT_EQ(0, Regenerate(*effect));
    EXPECT_EQ(f.made, Generated(*effect).size());
  }
}

TEST_F(SharedBehaviourTest, AFailingHostCallEndsTheUpdateWithItsCodeAndTheNextRebuildsIt) {
  for (const Factory& f : kFactories) {
    if (!f.lastDuplicate) continue;
    SCOPED_TRACE(Effect(f.effect).name);
    Art* effect = Fresh(f);
    ASSERT_NE(nullptr, effect);
    ASSERT_TRUE(SameAsSource(effect->editGroup()->firstChild()));
    // Each call (name, which call) failing in turn ends the update with the
    // call's code, leaving no block, the record and the source (alone in
    // the edit group) as they were.
    const std::vector<uint8_t> record = effect->plugin().data;
    for (const auto& [name, k] : std::initializer_list<std::pair<const char*, long>>{
             {"DuplicateArt", 1}, {"DuplicateArt", f.lastDuplicate}, {"TransformArt", 2}}) {
      SCOPED_TRACE(std::string(name) + " " + std::to_string(k));
      const size_t live = host().blocks().LiveCount();
      host().failures().FailCall(name, k, -43);
      EXPECT_EQ(-43, Regenerate(*effect));
      host().failures().Clear();
      EXPECT_EQ(live, host().blocks().LiveCount());
      EXPECT_EQ(record, effect->plugin().data);
      EXPECT_TRUE(SameAsSource(effect->editGroup()->firstChild()));
      EXPECT_EQ(nullptr, effect->editGroup()->firstChild()->sibling());
    }
    ASSERT_EQ(0, Regenerate(*effect));
    EXPECT_EQ(f.made, Generated(*effect).size());
  }
}

TEST_F(SharedBehaviourTest, ApplyAndUpdateLeakNothingWhenAnyAllocationFails) {
  for (const Factory& f : kFactories) {
    SCOPED_TRACE(Effect(f.effect).name);
    if (!Palette(f.effect)) {
      ASSERT_EQ(0, ChooseWindowItem(f.effect));
    }
    std::memcpy(globals().effectRecords[f.effect], f.record,
                size_t(Effect(f.effect).record.size));
    SweepAllocationFailures(host(), {.prepare = [&] { Source(7); },
                                     .run = [&] { Press(f.effect, Effect(f.effect).buttons.apply); return ASErr(0); },
                                     .check = [](ASErr, long, bool) {}, .cap = 100});
    ASSERT_EQ(1u, EffectArt().size());
    EXPECT_EQ(f.made, Generated(*EffectArt()[0]).size());
  }
}

// Neon with two tracks of three steps; Trail straight along x by 30 in
// three steps (Trail regenerates selected art only).
NeonPGParams NeonTwoTracks() {
  NeonPGParams p = kNeonFactoryParams;
  p.stepsMode = 3;
  p.tracks = 2;
  p.steps = 3;
  return p;
}
TrailPGParams TrailAlong() {
  TrailPGParams p = kTrailFactoryParams;
  p.steps = 3;
  p.space = 1;
  p.beginning = 1;
  p.dragVector = {30, 0};
  return p;
}

TEST_F(SharedBehaviourTest, AStaleColourIsRefusedAndAFailingAllocationEndsTheUpdateCleanly) {
  static const NeonPGParams neon = NeonTwoTracks();
  static const TrailPGParams trail = TrailAlong();
  AIColor staleGradient{};
  staleGradient.kind = kGradient;
  staleGradient.c.b.gradient = 4711;  // a gradient the document does not hold
  const struct {
    int effect;
    const void* record;
    size_t size;
    AIColor stale;
    size_t made;  // after the last run (0: not counted)
  } rows[] = {
      {kNeon, &neon, sizeof neon, StaleCustomColor(), 5},
      {kTrail, &trail, sizeof trail, staleGradient, 4},
      {kEmboss, &kEmbossFactoryParams, sizeof kEmbossFactoryParams, StaleCustomColor(), 3},
      {kCutout, &kCutoutFactoryParams, sizeof kCutoutFactoryParams, StaleCustomColor(), 0},
      {kShadow, &kShadowFactoryParams, sizeof kShadowFactoryParams, StaleCustomColor(), 0},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(Effect(r.effect).name);
    if (!Palette(r.effect)) {  // its palette and record first
      ASSERT_EQ(0, ChooseWindowItem(r.effect));
    }
    Art* effect = MakeEffectArt(r.effect, r.record, r.size);
    Select({effect});
    Art* square = AddSquare("square", 0, 0, 10, effect->editGroup());
    Paint(*square, 2, r.stale, &r.stale);
    const size_t live = host().blocks().LiveCount();
    const AIPathStyle stale = square->path().style;
    EXPECT_EQ(kSPBadParameterError, SendUpdates());  // refused, the source's style kept
    EXPECT_TRUE(host::art::SamePathStyle(stale, square->path().style));
    const AIColor red = Rgb(1, 0, 0);
    Paint(*square, 2, red, &red);
    const AIPathStyle redStyle = square->path().style;
    SweepAllocationFailures(host(), {.prepare = [&] { doc().MarkForUpdate(*effect); },
                                     .run = [&] { return ASErr(SendUpdates()); }});
    EXPECT_TRUE(host::art::SamePathStyle(redStyle, square->path().style));
    EXPECT_EQ(live, host().blocks().LiveCount());
    if (r.made) {
      EXPECT_EQ(r.made, Generated(*effect).size());
    }
    EXPECT_EQ(0, std::memcmp(r.record, effect->plugin().data.data(), r.size));
    EXPECT_EQ(effect->editGroup(), square->parent());
    ClearLayer();
  }
}

TEST_F(SharedBehaviourTest, VersalixUpdateRegeneratesEachFromItsStoredRecord) {
  const ScratchFolder dir("vx-update");
  for (const Factory& f : kFactories) {
    if (!f.paths) continue;
    SCOPED_TRACE(Effect(f.effect).name);
    Art* effect = Fresh(f);
    ASSERT_NE(nullptr, effect);
    // A file whose result is empty and where nothing is selected.
    while (Art* a = effect->resultGroup()->firstChild()) ASSERT_EQ(0, doc().Dispose(a));
    WriteFile(dir / "in.svg", host::svg::ExportSvg(doc(), nullptr));
    const CommandRun run = RunVersalix4("update " + (dir / "in.svg").string() + " -o " +
                                            (dir / "out.svg").string() + " --settings " +
                                            dir.string(),
                                        dir);
    ASSERT_EQ(0, run.exitCode) << run.err;
    const std::string out = ReadFile(dir / "out.svg");
    size_t paths = 0;  // and the source
    for (size_t at = out.find("<path"); at != std::string::npos; at = out.find("<path", at + 1)) ++paths;
    EXPECT_EQ(f.paths + 1, paths);
  }
}

TEST_F(SharedBehaviourTest, ATurnByAMultipleOfPiTakesTwoTransformsExceptOnVersion8) {
  // A one-copy galaxy: its copy turns by 0. The second transform fails only
  // where the turn is made in two; both forms leave the copy in place.
  GalaxyPGParams p = kGalaxyFactoryParams;
  p.totalBranches = 1;
  p.totalPerBranch = 1;
  p.showCentreMark = 0;
  for (const char* version : {"8", "15"}) {
    SCOPED_TRACE(version);
    RestartHost(version);
    Source();
    Art* effect = Apply(kGalaxy, &p);
    const Art* copy = Generated(*effect).at(0);
    ExpectSquare(copy, kCentre, kSide);
    Select({effect});
    host().failures().FailCall("TransformArt", 2, -43);
    EXPECT_EQ(version[0] == '8' ? 0 : -43, Regenerate(*effect));
    host().failures().Clear();
  }
}

}  // namespace
}  // namespace vx::test
