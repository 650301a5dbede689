// Routing of plug-in group, menu, notifier and action messages to the
// thirteen effects.

#include "effect_fixture.h"
#include "effects/effect_framework.h"
#include "effects/effect_table.h"
#include "host/adm/dialog_manager.h"
#include "host/art/document_set.h"
#include "host/art/dump.h"
#include "host/core/messages.h"
#include "host/core/registrations.h"
#include "host/core/user_interaction.h"

namespace vx::test {
namespace {

class RoutingTest : public EffectTest {
 protected:
  // Border effect art around a stroked square, made as a document would
  // hold it (no palette involved).
  Art* MakeBorderArt(const BorderPGParams& p) {
    Art* effect = MakeEffectArt(kBorder, p);
    Paint(*AddSquare("square", 0, 0, 20, effect->editGroup()), 2.5f, Gray(0), nullptr);
    doc().TakePendingUpdates();
    return effect;
  }
  int CountDialogs(const char* name) {
    int n = 0;
    for (auto* d : host().dialogs().Dialogs()) n += d->name() == name;
    return n;
  }
  bool Checked(int item) {
    return host().registrations().FindMenuItem(globals().WindowMenuItems[item])->checked;
  }
};

TEST_F(RoutingTest, AnUpdateCreatesTheNeverOpenedPaletteHiddenOnceAndRegenerates) {
  Art* effect = MakeBorderArt(kBorderFactoryParams);
  ASSERT_EQ(nullptr, Palette(kBorder));
  for (int round = 0; round < 2; ++round) {
    ASSERT_EQ(0, host::SendPluginGroup(host(), kSelectorAIUpdateArt,
                                       globals().effectSlots[kBorder].group,
                                       effect->handle()));
    ASSERT_NE(nullptr, Palette(kBorder));
    EXPECT_FALSE(Palette(kBorder)->visible);
    EXPECT_EQ(1, CountDialogs("QVR-VsX4LiveBorder"));
    // Auto (Mid) on 2.5 points: 3 steps and the shape.
    EXPECT_EQ(4u, Generated(*effect).size());
  }
}

TEST_F(RoutingTest, NotifyEditsAcceptsEveryEditAndChangesNoArtAndNoEffectsGroupIsAnswered) {
  Art* effect = MakeBorderArt(kBorderFactoryParams);
  // A group of no effect: answered with zero, no palette made.
  EXPECT_EQ(0, host::SendPluginGroup(host(), kSelectorAIUpdateArt, nullptr,
                                     effect->handle()));
  EXPECT_TRUE(host().dialogs().Dialogs().empty());
  const std::string before = host::art::DumpDocument(doc());
  EXPECT_EQ(0, host::SendPluginGroup(host(), kSelectorAINotifyEdits,
                                     globals().effectSlots[kBorder].group,
                                     effect->handle()));
  EXPECT_EQ(before, host::art::DumpDocument(doc()));
  EXPECT_NE(nullptr, Palette(kBorder));
}

// The Window menu toggles each palette and the check mark follows; every
// palette's help button opens its topic, and with Ctrl the selected art's
// palette instead, or beeps.
TEST_F(RoutingTest, TheWindowMenuTogglesEachPaletteAndItsHelpButtonOpensItsTopic) {
  for (int effect = 0; effect < kEffectCount; ++effect) {
    SCOPED_TRACE(Effect(effect).name);
    ASSERT_EQ(0, ChooseWindowItem(effect));
    ASSERT_NE(nullptr, Palette(effect));
    EXPECT_TRUE(Palette(effect)->visible);
    ASSERT_EQ(0, host::SendMenuUpdate(host()));
    EXPECT_TRUE(Checked(effect));
    Act(effect, "press", Effect(effect).buttons.help);
    EXPECT_EQ(Effect(effect).helpTopic, globals().HelpTopic);
    ASSERT_NE(nullptr, globals().HelpPalette);
    EXPECT_TRUE(host().dialogs().Find(globals().HelpPalette)->visible);
    ASSERT_EQ(0, ChooseWindowItem(effect));
    EXPECT_FALSE(Palette(effect)->visible);
    ASSERT_EQ(0, host::SendMenuUpdate(host()));
    EXPECT_FALSE(Checked(effect));
    EXPECT_NE(nullptr, globals().effectRecords[effect]);
  }
  // Ctrl: the palettes of the selected effect art instead, or a beep.
  ASSERT_EQ(0, ChooseWindowItem(kTiling));  // shown again, Border's stays hidden
  const int32_t tilingHelp = Effect(kTiling).buttons.help;
  const int beeps = host().user().beeps();
  Select({});
  Act(kTiling, "press", tilingHelp, " ctrl");
  EXPECT_EQ(beeps + 1, host().user().beeps());
  ASSERT_FALSE(Palette(kBorder)->visible);
  Select({MakeBorderArt(kBorderFactoryParams)});
  Act(kTiling, "press", tilingHelp, " ctrl");
  EXPECT_EQ(beeps + 1, host().user().beeps());
  EXPECT_TRUE(Palette(kBorder)->visible);
  EXPECT_EQ(Effect(kTrail).helpTopic, globals().HelpTopic);
}

TEST_F(RoutingTest, ASelectionChangeLoadsTheSelectedArtsRecordIntoAVisiblePaletteWithADocument) {
  ASSERT_EQ(0, ChooseWindowItem(kBorder));
  BorderPGParams stored = kBorderFactoryParams;
  stored.steps = 77;
  stored.stepsMode = 3;
  Art* effect = MakeBorderArt(stored);
  Select({effect});
  EXPECT_EQ(0, host::SendNotify(host(), kAIArtSelectionChangedNotifier));
  EXPECT_EQ(77, BorderRecord()->steps);
  EXPECT_EQ(77, Palette(kBorder)->GetItem(BorderItems::kSteps)->Value());
  EXPECT_TRUE(Palette(kBorder)->GetItem(BorderItems::kSteps)->enabled);
  EXPECT_TRUE(Palette(kBorder)->GetItem(BorderItems::kRelease)->enabled);
  // Without a document no effect is called.
  BorderRecord()->steps = 5;
  host().documents().Close(doc_);
  doc_ = nullptr;
  EXPECT_EQ(0, host::SendNotify(host(), kAIArtSelectionChangedNotifier));
  EXPECT_EQ(5, BorderRecord()->steps);
}

TEST_F(RoutingTest, ShowPaletteShowsTheSelectedEffectsPaletteOrBeeps) {
  const int kShowPalette = kEffectCount;  // the item after the effects'
  const int beeps = host().user().beeps();
  ASSERT_EQ(0, ChooseWindowItem(kShowPalette));
  EXPECT_EQ(beeps + 1, host().user().beeps());
  Art* effect = MakeBorderArt(kBorderFactoryParams);
  Select({effect});
  ASSERT_EQ(0, ChooseWindowItem(kShowPalette));
  EXPECT_EQ(beeps + 1, host().user().beeps());
  ASSERT_NE(nullptr, Palette(kBorder));
  EXPECT_TRUE(Palette(kBorder)->visible);
}

}  // namespace
}  // namespace vx::test
