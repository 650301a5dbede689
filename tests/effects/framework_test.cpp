// The palette framework over Border: wrapping the selection, the selection
// rules, Live Update, the steps list, dials, actions, placement and docking,
// and no block left behind when allocations fail.
#include <cmath>
#include <cstring>

#include "effect_fixture.h"
#include "effects/tiling.h"
#include "host/adm/dialog_manager.h"
#include "host/art/document_set.h"
#include "host/art/dump.h"
#include "host/core/messages.h"
#include "host/core/preferences.h"
#include "effects/effect_framework.h"
#include "shell/suites.h"
#include "vx_effects.h"

extern "C" const VxEffectTable* VxModuleEffects(void);

namespace vx::test {
namespace {

constexpr const char* kOtherEffectAlert =
    "If you want to continue, please remove other Live effect that is already "
    "applied to the selected object.";

class FrameworkTest : public EffectTest {
 protected:
  Art* Stroked(const std::string& id, float x, Art* container = nullptr) {
    Art* a = AddSquare(id, x, 0, 20, container);
    Paint(*a, 3, Gray(0), nullptr);
    return a;
  }
  void OpenBorder() {
    if (!Palette(kBorder)) {
      ASSERT_EQ(0, ChooseWindowItem(kBorder));
    }
  }
  void SelectionChanged() {
    ASSERT_EQ(0, host::SendNotify(host(), kAIArtSelectionChangedNotifier));
  }
  // Border applied through the palette to a stroked square; with
  // `selectArt` only the effect art is then selected, as a user selects it.
  Art* Applied(bool selectArt = true) {
    Select({Stroked("a", 0)});
    OpenBorder();
    Act(kBorder, "press", BorderItems::kApply);
    if (selectArt) Select({EffectArt().at(0)});
    if (selectArt) SelectionChanged();
    return EffectArt().at(0);
  }
};

// A group of three paths becomes one effect art; a group holding text is
// left alone, silently.
TEST_F(FrameworkTest, AGroupOfThreePathsBecomesOneEffectArtAndAGroupHoldingTextIsLeftAlone) {
  Art* withText = AddContainer("t", ArtKind::Group);
  Stroked("q", 0, withText);
  AddText("text", withText);
  Art* group = AddContainer("g", ArtKind::Group);
  for (int i = 0; i < 3; ++i) Stroked("p" + std::to_string(i), 30.0f * i, group);
  Select({withText, group});  // the walk meets the group holding text first and goes on
  OpenBorder();
  Act(kBorder, "press", BorderItems::kApply);
  auto effects = EffectArt();
  ASSERT_EQ(1u, effects.size());
  EXPECT_EQ(group, effects[0]->editGroup()->firstChild());
  EXPECT_EQ(nullptr, group->sibling());
  // Auto (Mid) on 3 points: three stepped copies of the group and the shape.
  EXPECT_EQ(4u, Generated(*effects[0]).size());
  EXPECT_EQ(layer(), withText->parent());
  EXPECT_TRUE(alerts_.empty());
}

TEST_F(FrameworkTest, AnotherEffectInsideAGroupStopsAllWrappingWithTheAlert) {
  // Tiling art inside the group (made by the Tiling palette's Apply).
  Art* group = AddContainer("g", ArtKind::Group);
  Art* inner = Stroked("inner", 0, group);
  Select({inner});
  ASSERT_EQ(0, ChooseWindowItem(kTiling));
  Act(kTiling, "press " + std::to_string(kTilingEffect.buttons.apply));
  Art* below = AddSquare("below", 200, 0, 10);
  ASSERT_EQ(0, doc().Reorder(below, host::art::Placement::BelowAll, nullptr));
  Art* above = Stroked("above", 100);
  Select({above, group, below});
  OpenBorder();
  Act(kBorder, "press", BorderItems::kApply);
  ASSERT_EQ(1u, alerts_.size());
  EXPECT_EQ(kOtherEffectAlert, alerts_[0]);
  // The group is never wrapped, and the walk stopped at it: of the two
  // plain objects only the one listed before the group was wrapped.
  EXPECT_EQ(layer(), group->parent());
  EXPECT_EQ(1u, EffectArt().size());
}

TEST_F(FrameworkTest, ApplyOrAPresetOnSelectedBorderArtReleasesAndRewrapsIt) {
  // Only the effect art selected: Apply is offered and re-wraps the source
  // with the palette's record.
  Applied();
  EXPECT_TRUE(Palette(kBorder)->GetItem(BorderItems::kApply)->enabled);
  BorderRecord()->offset = 0.5f;
  Act(kBorder, "press", BorderItems::kApply);
  ASSERT_EQ(1u, EffectArt().size());
  EXPECT_FLOAT_EQ(0.5f, StoredBorder(*EffectArt()[0]).offset);
  EXPECT_EQ(ArtKind::Path, EffectArt()[0]->editGroup()->firstChild()->kind());
  // Choosing a preset does the same with the preset's record.
  Select({EffectArt().at(0)});
  SelectionChanged();
  Act(kBorder, "choose menu=0");  // Default Settings
  ASSERT_EQ(1u, EffectArt().size());
  EXPECT_FLOAT_EQ(0.0f, StoredBorder(*EffectArt()[0]).offset);
  EXPECT_EQ(4u, Generated(*EffectArt()[0]).size());
}

// A palette edit is one undo step with the update it caused; the first edit
// acts on the art Apply just made, without selecting it again.
TEST_F(FrameworkTest, LiveUpdateRewritesEverySelectedBorderArtAndRegeneratesInOneUndoStep) {
  Art* effect = Applied(false);
  const std::string applied = host::art::DumpDocument(doc());
  Act(kBorder, "set", BorderItems::kOffset, "=50");
  EXPECT_FLOAT_EQ(0.5f, StoredBorder(*effect).offset);
  // The widest copy moved by half the 3-point stroke at -45 degrees.
  auto copies = Generated(*effect);
  ASSERT_EQ(4u, copies.size());
  EXPECT_NEAR(1.5f * std::cos(RecordRadians(-45)), copies[3]->path().segments[0].p.h,
              1e-4f);
  ASSERT_TRUE(doc().Undo());
  EXPECT_EQ(applied, host::art::DumpDocument(doc()));
  SelectionChanged();  // as the host tells the plug-in after an undo
  Act(kBorder, "set", BorderItems::kOffset, "=50");
  // With Live Update off the art keeps its record.
  Act(kBorder, "set", BorderItems::kLiveUpdate, "=0");
  Act(kBorder, "set", BorderItems::kOffset, "=20");
  EXPECT_FLOAT_EQ(0.5f, StoredBorder(*EffectArt().at(0)).offset);
  // Turning it on writes the current record at once.
  Act(kBorder, "set", BorderItems::kLiveUpdate, "=1");
  EXPECT_FLOAT_EQ(0.2f, StoredBorder(*EffectArt().at(0)).offset);
}

TEST_F(FrameworkTest, ManualStepsEnablesTheStepsFieldAndTheSameChoiceWritesNothing) {
  Applied();
  EXPECT_FALSE(Palette(kBorder)->GetItem(BorderItems::kSteps)->enabled);
  Act(kBorder, "choose", BorderItems::kStepsMode, "=3");
  EXPECT_TRUE(Palette(kBorder)->GetItem(BorderItems::kSteps)->enabled);
  EXPECT_TRUE(Palette(kBorder)->GetItem(BorderItems::kStepsLabel)->enabled);
  Art* effect = EffectArt().at(0);
  EXPECT_EQ(3, StoredBorder(*effect).stepsMode);
  // Change the stored record behind the palette's back: choosing Manual
  // again must not write it.
  doc().MutablePlugin(*effect).data[76] = 42;
  doc().TakePendingUpdates();
  Act(kBorder, "choose", BorderItems::kStepsMode, "=3");
  EXPECT_EQ(42, StoredBorder(*EffectArt().at(0)).steps);
  Act(kBorder, "choose", BorderItems::kStepsMode, "=0");
  EXPECT_FALSE(Palette(kBorder)->GetItem(BorderItems::kSteps)->enabled);
}

TEST_F(FrameworkTest, ADialReleasedLeavesTheAngleAtTheWholeDegreeShown) {
  OpenBorder();
  host::adm::Item* dial = Palette(kBorder)->GetItem(BorderItems::kAngleDial);
  const int w = dial->bounds.right - dial->bounds.left;
  EXPECT_EQ(w, dial->bounds.bottom - dial->bounds.top);  // made square
  // Up and to the right of the centre, not on a whole degree.
  Act(kBorder, "drag", BorderItems::kAngleDial,
      "=" + std::to_string(w / 2) + "," + std::to_string(w / 2) + ":" +
          std::to_string(w / 2 + 9) + "," + std::to_string(w / 2 - 4));
  const float degrees = std::round(std::atan2(4.0f, 9.0f) * 180.0f / 3.14159265f);
  EXPECT_FLOAT_EQ(RecordRadians(degrees), BorderRecord()->angle);
  EXPECT_DOUBLE_EQ(degrees, Palette(kBorder)->GetItem(BorderItems::kAngle)->Value());
}

TEST_F(FrameworkTest, ArcButtonsSliderAndFieldsStoreTheirUnits) {
  OpenBorder();
  Act(kBorder, "press", BorderItems::kArcPlus);
  EXPECT_FLOAT_EQ(1.0f, BorderRecord()->gradientArc);
  EXPECT_DOUBLE_EQ(100, Palette(kBorder)->GetItem(BorderItems::kArcField)->Value());
  Act(kBorder, "set", BorderItems::kArcField, "=-40");
  EXPECT_NEAR(-0.4f, BorderRecord()->gradientArc, 1e-6f);
  EXPECT_NEAR(-40, Palette(kBorder)->GetItem(BorderItems::kArcSlider)->Value(), 1e-4);
  Act(kBorder, "press", BorderItems::kReverse);
  EXPECT_EQ(1, BorderRecord()->reverse);
  EXPECT_EQ(res::kArcReversePictures,
            Palette(kBorder)->GetItem(BorderItems::kArcMinus)->pictureId);
  EXPECT_FALSE(Palette(kBorder)->GetItem(BorderItems::kTint)->enabled);
  Act(kBorder, "press", BorderItems::kShadow);
  EXPECT_TRUE(Palette(kBorder)->GetItem(BorderItems::kTint)->enabled);
}

TEST_F(FrameworkTest, AnActionRecordedWithAutomaticStepsPlaysBackWithThreeSteps) {
  Art* a = Stroked("a", 0);
  Select({a});
  OpenBorder();
  host().actions().SetRecording(true);
  Act(kBorder, "press", BorderItems::kApply);
  ASSERT_EQ(1u, host().actions().recorded().size());
  const auto& recorded = host().actions().recorded()[0];
  EXPECT_EQ("VsX4_Border_Action", recorded.eventName);
  const host::ActionValue* steps = recorded.value.Find(uint32_t(VX_FOURCC('s', 't', 'e', 'p')));
  ASSERT_NE(nullptr, steps);
  EXPECT_EQ("Auto (Mid)", steps->text);
  EXPECT_EQ(nullptr, recorded.value.Find(uint32_t(VX_FOURCC('s', 'h', 'd', 'w'))));  // shadow off
  host().actions().SetRecording(false);
  BorderRecord()->steps = 9;
  Select({EffectArt().at(0)});
  ASSERT_EQ(0, host::DoAction(host(), "VsX4_Border_Action", recorded.value, false));
  EXPECT_EQ(3, BorderRecord()->steps);
  auto effects = EffectArt();
  ASSERT_EQ(1u, effects.size());
  EXPECT_EQ(3, StoredBorder(*effects[0]).steps);
  EXPECT_EQ(1, StoredBorder(*effects[0]).stepsMode);
}

TEST_F(FrameworkTest, AManualActionPlaysBackItsStepsAndShadow) {
  const host::ActionParamValue value = ActionValues(
      {{"styl", actionTypeEnum, 1, 0, "Inside"}, {"brgt", actionTypeUnitReal, 50, unitPercent},
       {"brtR", actionTypeBool, 1}, {"stSy", actionTypeEnum, 3},
       {"step", actionTypeString, 0, 0, "7"}, {"ofst", actionTypeUnitReal, 25, unitPercent},
       {"angl", actionTypeUnitReal, 90, unitAngle}, {"shdF", actionTypeBool, 1},
       {"shdw", actionTypeUnitReal, 40, unitPercent}, {"shOf", actionTypeUnitReal, 3, unitPixels},
       {"shAg", actionTypeUnitReal, 45, unitAngle}});
  Select({Stroked("a", 0)});
  ASSERT_EQ(0, host::DoAction(host(), "VsX4_Border_Action", value, false));
  EXPECT_FALSE(Palette(kBorder)->visible);  // made for the action, hidden
  // The factory record with the action's values (the tint within the
  // rounding of its percent); the name area of effect art is zeros.
  const BorderPGParams stored = StoredBorder(*EffectArt().at(0));
  EXPECT_FLOAT_EQ(0.4f, stored.shadowTint);
  BorderPGParams want = kBorderFactoryParams;
  want.style = 1, want.gradientArc = 0.5f, want.reverse = 1, want.stepsMode = 3, want.steps = 7;
  want.offset = 0.25f, want.angle = RecordRadians(90), want.shadow = 1;
  want.shadowTint = stored.shadowTint, want.shadowOffset = 3, want.lightAngle = RecordRadians(45);
  EXPECT_EQ(0, std::memcmp(&want, &stored, sizeof want));
}

// A palette without a stored location opens at the screen's lower right,
// which it stores with its docking at shutdown, beside the last setting; a
// stored location places it (its top below the title bar).
TEST_F(FrameworkTest, PlacementDockingAndTheLastSettingOutliveAHostRestart) {
  OpenBorder();
  const ASRect screen = host().dialogs().screen();
  const ASRect first = Palette(kBorder)->bounds;
  const int32_t w = 117, h = 258;
  EXPECT_EQ(screen.right - w, first.left);
  EXPECT_EQ(screen.bottom - h - 6, first.top);
  EXPECT_EQ(first.left + w + 4, first.right);
  EXPECT_EQ(first.top + h + 6, first.bottom);
  Act(kBorder, "choose", BorderItems::kStepsMode, "=3");
  Act(kBorder, "set", BorderItems::kSteps, "=12");
  Act(kBorder, "set", BorderItems::kOffset, "=30");
  ExpectCleanShutdown();
  using Type = host::Preferences::Type;
  const auto stored = [&](const char* key, Type type) {  // zeros when missing
    return host().preferences().Get("QVR-VsX4LiveBorder", key, type).value_or(
        host::Preferences::Value{});
  };
  EXPECT_EQ(0x1C00, stored("DockCode", Type::Integer).integer);
  EXPECT_EQ("QVR-VsX4LiveBorder", stored("DockGroup", Type::String).text);
  EXPECT_EQ(screen.right - w, stored("Location", Type::Point).point.h);
  EXPECT_EQ(screen.bottom - h, stored("Location", Type::Point).point.v);
  host_.reset();
  ASSERT_EQ(0, StartHost());
  doc_ = &host().documents().New("again");
  OpenBorder();
  EXPECT_EQ(3, BorderRecord()->stepsMode);
  EXPECT_EQ(12, BorderRecord()->steps);
  EXPECT_FLOAT_EQ(0.3f, BorderRecord()->offset);
  host::Preferences::Value location;
  location.type = Type::Point;
  location.point = {300, 200};
  ASSERT_EQ(0, host().preferences().Put("QVR-VsX4LiveTiling", "Location", location));
  ASSERT_EQ(0, ChooseWindowItem(kTiling));
  EXPECT_EQ(300, Palette(kTiling)->bounds.left);
  EXPECT_EQ(194, Palette(kTiling)->bounds.top);
}

TEST_F(FrameworkTest, ASelectionListWithOneEntryIsNeverExamined) {
  Art* effect = Applied(false);
  // A run of a text object alone: the host lists only its layer.
  Art* text = AddText("t");
  doc().DeselectAll();
  doc().Select(*text->firstChild(), true);
  ASSERT_EQ(0, AcquireSuites(host().basic()));
  AIArtHandleList list = nullptr;
  int32_t count = 0;
  ASSERT_EQ(0, sMatchingArt->GetSelectedArt(&list, &count));
  sMdMemory->MdMemoryDisposeHandle(reinterpret_cast<AIMdMemoryHandle>(list));
  ASSERT_EQ(1, count);
  BorderRecord()->offset = 0.75f;
  const std::string before = host::art::DumpDocument(doc());
  struct Row {
    const char* what;
    ASErr (*run)(int);
  };
  const Row rows[] = {{"apply", ApplyToSelection},
                      {"release", ReleaseSelection},
                      {"expand", ExpandSelection},
                      {"live update", LiveUpdateSelection}};
  for (const Row& r : rows) {
    SCOPED_TRACE(r.what);
    EXPECT_EQ(0, r.run(kBorder));
    EXPECT_EQ(before, host::art::DumpDocument(doc()));
  }
  EXPECT_EQ(0, EffectSelectionChanged(kBorder, globals().effectPalettes[kBorder]));
  ReleaseSuites(host().basic());
  EXPECT_FLOAT_EQ(0.75f, BorderRecord()->offset);
  EXPECT_FLOAT_EQ(0.0f, StoredBorder(*effect).offset);
  for (int32_t button : {BorderItems::kExpand, BorderItems::kRelease, BorderItems::kApply})
    EXPECT_FALSE(Palette(kBorder)->GetItem(button)->enabled);
}

}  // namespace
}  // namespace vx::test
