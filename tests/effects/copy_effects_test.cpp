// What Galaxy, Explosion, Circle and Reflections share: Expand and Release,
// failing host calls and allocations during an update, and turns by a
// multiple of pi made in two steps except on version-8 hosts.
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "copy_effect_fixture.h"
#include "effects/circle.h"
#include "effects/explosion.h"
#include "effects/galaxy.h"
#include "effects/reflections.h"
#include "host/core/call_failures.h"
#include "host/svg/svg_export.h"
#include "support/app_runner.h"

namespace vx::test {
namespace {

struct Factory {
  int effect;
  const void* record;
  size_t made;   // children of the generated group for the 50-point square
  size_t paths;  // paths among them, at any depth
};
// Galaxy: 8 branch groups of 16 and the cross; Explosion: 200 copies;
// Circle: 8 copies and the cross; Reflections: the object and its vertical
// mirror image.
const Factory kFactories[] = {{kGalaxy, &kGalaxyFactoryParams, 10, 130},
                              {kExplosion, &kExplosionFactoryParams, 200, 200},
                              {kCircle, &kCircleFactoryParams, 10, 10},
                              {kReflections, &kReflectionsFactoryParams, 2, 2}};

class CopyEffectsTest : public CopyEffectTest {
 protected:
  Art* Fresh(const Factory& f) {
    Source();
    Art* effect = Apply(f.effect, f.record);
    if (effect) Select({effect});
    return effect;
  }
  void Press(int effect, int32_t button) {
    Act(effect, "press " + std::to_string(button));
  }
};

TEST_F(CopyEffectsTest, ExpandLeavesTheGeneratedArtAndReleaseTheSource) {
  for (const Factory& f : kFactories) {
    SCOPED_TRACE(f.effect);
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

TEST_F(CopyEffectsTest, AFailingHostCallEndsTheUpdateWithItsCodeAndTheNextRebuildsIt) {
  for (const Factory& f : kFactories) {
    SCOPED_TRACE(f.effect);
    Art* effect = Fresh(f);
    ASSERT_NE(nullptr, effect);
    ASSERT_TRUE(SameAsSource(effect->editGroup()->firstChild()));
    ExpectCallFailuresEndTheUpdate(
        *effect, {{"DuplicateArt", 1}, {"DuplicateArt", 2}, {"TransformArt", 2}}, f.made);
  }
}

TEST_F(CopyEffectsTest, ApplyAndUpdateLeakNothingWhenAnyAllocationFails) {
  for (const Factory& f : kFactories) {
    if (!Palette(f.effect)) {
      ASSERT_EQ(0, ChooseWindowItem(f.effect));
    }
    std::memcpy(globals().effectRecords[f.effect], f.record,
                size_t(Effect(f.effect).record.size));
    SweepLeaks([&] { Source(); }, [&] { Press(f.effect, Effect(f.effect).buttons.apply); });
    ASSERT_EQ(1u, EffectArt().size());
    EXPECT_EQ(f.made, Generated(*EffectArt()[0]).size());
  }
}

TEST_F(CopyEffectsTest, ATurnByAMultipleOfPiTakesTwoTransformsExceptOnVersion8) {
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

TEST_F(CopyEffectsTest, VersalixUpdateRegeneratesEachFromItsStoredRecord) {
  const std::filesystem::path dir = FreshSettingsDir();
  for (const Factory& f : kFactories) {
    SCOPED_TRACE(f.effect);
    Art* effect = Fresh(f);
    ASSERT_NE(nullptr, effect);
    // A file whose result is empty and where nothing is selected.
    while (Art* a = effect->resultGroup()->firstChild()) ASSERT_EQ(0, doc().Dispose(a));
    std::ofstream(dir / "in.svg") << host::svg::ExportSvg(doc(), nullptr);
    const CommandRun run =
        RunVersalix4("update " + (dir / "in.svg").string() + " -o " +
                         (dir / "out.svg").string() + " --settings " + dir.string(),
                     dir);
    ASSERT_EQ(0, run.exitCode) << run.err;
    EXPECT_EQ(f.paths + 1, CountPaths(dir / "out.svg"));  // and the source
  }
}

}  // namespace
}  // namespace vx::test
