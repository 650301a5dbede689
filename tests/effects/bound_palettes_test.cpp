// The palettes of Circle, Explosion, Galaxy, Neon and Trail as a user works
// them: items set, Trail's end colour buttons, swap and swatch (through the
// colour picker), Circle's datum picker; Apply records the action, and the
// action played back onto the selection stores the same record.
#include <algorithm>
#include <cmath>
#include <cstring>

#include "effect_fixture.h"
#include "effects/circle.h"
#include "effects/explosion.h"
#include "effects/galaxy.h"
#include "effects/neon.h"
#include "effects/trail.h"
#include "host/core/messages.h"
#include "presets/preset_store.h"

namespace vx::test {
namespace {

class BoundPalettesTest : public EffectTest {
 protected:
  // The record an effect art stores.
  static const uint8_t* Stored(const Art& art) { return art.plugin().data.data(); }
  // Every bound field of two records alike: integers and colours exactly,
  // angles within the rounding of their trip through degrees.
  static void ExpectSameFields(int effect, const uint8_t* a, const uint8_t* b) {
    for (const PaletteField& f : *Effect(effect).palette) {
      SCOPED_TRACE(f.name);
      if (f.unit == Unit::Colour) {
        EXPECT_EQ(0, std::memcmp(a + f.field.offset, b + f.field.offset, sizeof(AIColor)));
      } else if (f.field.isFloat) {
        float x = 0, y = 0;
        std::memcpy(&x, a + f.field.offset, sizeof x);
        std::memcpy(&y, b + f.field.offset, sizeof y);
        EXPECT_NEAR(x, y, 1e-6f * std::max(1.0f, std::fabs(x)));
      } else {
        int32_t x = 0, y = 0;
        std::memcpy(&x, a + f.field.offset, sizeof x);
        std::memcpy(&y, b + f.field.offset, sizeof y);
        EXPECT_EQ(x, y);
      }
    }
  }
};

TEST_F(BoundPalettesTest, ActionsRecordAndReplayWhatThePaletteSet) {
  namespace C = res::CirclePalette;
  namespace E = res::ExplosionPalette;
  namespace G = res::GalaxyPalette;
  namespace N = res::NeonPalette;
  namespace T = res::TrailPalette;
  using host::adm::ItemAction;
  auto set = [](int32_t item, const char* value) { return ItemAction("set", item, value); };
  auto press = [](int32_t item) { return ItemAction("press", item); };
  const struct {
    int effect;
    std::vector<std::string> actions;
  } cases[] = {
      {kCircle, {set(C::kTotal, "=5"), press(C::kKeepAngle), ItemAction("drag", C::kDatum, "=2,2"),
                 set(C::kHeight, "=50")}},
      {kExplosion, {set(E::kTotal, "=7"), press(E::kDecelerate), set(E::kShrinkGrow, "=150"),
                    press(E::kSameSequence)}},
      {kGalaxy, {set(G::kTotalBranches, "=3"), set(G::kTotalPerBranch, "=4"),
                 set(G::kBranchTwist, "=-30"), press(G::kBelow), press(G::kShowCentreMark),
                 press(G::kSameSequence)}},
      {kNeon, {set(N::kTracks, "=2"), ItemAction("choose", N::kStepsMode, "=3"),
               set(N::kSteps, "=4"), press(N::kShadow), set(N::kTint, "=40"),
               press(N::kShadowReverse)}},
      {kTrail, {set(T::kSteps, "=3"), press(T::kFillBlack), press(T::kSwapEnds),
                ItemAction("colour", T::kEndFillSwatch, "=#00ff00"), press(T::kStrokeNone),
                set(T::kDragDirection, "=30"), set(T::kDragLength, "=40"), set(T::kToSizeH, "=50")}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(Effect(c.effect).name);
    Art* square = AddSquare("s" + std::to_string(c.effect), 0, 0, 20);
    const AIColor red = Rgb(1, 0, 0);
    Paint(*square, 2, red, &red);
    Select({square});
    if (!Palette(c.effect) || !Palette(c.effect)->visible) {
      ASSERT_EQ(0, ChooseWindowItem(c.effect));
    }
    for (const std::string& a : c.actions) Act(c.effect, a);
    host().actions().SetRecording(true);
    Act(c.effect, "press", Effect(c.effect).buttons.apply);
    host().actions().SetRecording(false);
    ASSERT_EQ(1u, host().actions().recorded().size());
    const auto recorded = host().actions().recorded()[0];
    host().actions().ClearRecorded();
    std::vector<Art*> made = EffectArt();
    ASSERT_EQ(1u, made.size());
    const std::vector<uint8_t> applied(Stored(*made[0]), Stored(*made[0]) + Effect(c.effect).record.size);
    // The palette back at its factory values, then the action replayed on
    // the released source.
    void* record = globals().effectRecords[c.effect];
    ASSERT_EQ(0, FillFactoryRecord(Effect(c.effect).presetFile, record));
    Select({made[0]});
    ASSERT_EQ(0, host::DoAction(host(), Effect(c.effect).action.eventName, recorded.value, false));
    made = EffectArt();
    ASSERT_EQ(1u, made.size());
    ExpectSameFields(c.effect, applied.data(), Stored(*made[0]));
    EXPECT_EQ(0, doc().Dispose(made[0]));
  }
}

// Trail's end colour buttons: white and black in the model of the current
// paint style, the object's colour and none leave no chosen colour, the
// swap exchanges both sides, a cancelled picker changes nothing.
TEST_F(BoundPalettesTest, TrailEndColourButtonsSwapAndPicker) {
  namespace T = TrailItems;
  ASSERT_EQ(0, ChooseWindowItem(kTrail));
  auto* p = static_cast<TrailPGParams*>(globals().effectRecords[kTrail]);
  AIPathStyle style = doc().currentStyle();
  style.fill.color = Rgb(0.2f, 0.2f, 0.2f);
  style.stroke.color = Gray(0.5f);
  doc().SetCurrentStyle(style);
  const struct {
    int32_t button;
    int32_t fillSource, strokeSource;
    int32_t fillKind, strokeKind;
    float fillValue;  // red (three-colour) or black (four-colour) of the fill
  } rows[] = {
      {T::kFillBlack, 2, 2, kThreeColor, kThreeColor, 0},
      {T::kFillWhite, 2, 2, kThreeColor, kThreeColor, 1},
      {T::kStrokeBlack, 2, 2, kThreeColor, kFourColor, 1},
      {T::kSwapEnds, 2, 2, kFourColor, kThreeColor, 1},
      {T::kFillObject, 0, 2, -1, kThreeColor, 1},
      {T::kStrokeObject, 0, 1, -1, -1, 1},
      {T::kSwapEnds, 1, 0, -1, -1, 1},
      {T::kFillNone, 3, 0, -1, -1, 1},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.button);
    Act(kTrail, "press", r.button);
    EXPECT_EQ(r.fillSource, p->endFillSource);
    EXPECT_EQ(r.strokeSource, p->endStrokeSource);
    EXPECT_EQ(r.fillKind, p->endFillColour.kind);
    EXPECT_EQ(r.strokeKind, p->endStrokeColour.kind);
    const AIColor& fill = p->endFillColour;
    if (r.fillKind != -1) {
      EXPECT_EQ(r.fillValue, r.fillKind == kThreeColor ? fill.c.rgb.red : fill.c.f.black);
    }
  }
  // A picker the user cancels: nothing changes.
  const TrailPGParams before = *p;
  Act(kTrail, "press", T::kEndStrokeSwatch);
  EXPECT_EQ(0, std::memcmp(&before, p, sizeof before));
  Act(kTrail, "colour", T::kEndStrokeSwatch, "=cmyk(0,0,0,100)");
  EXPECT_EQ(kTrailChosenColour, p->endStrokeSource);
  EXPECT_EQ(kFourColor, p->endStrokeColour.kind);
  EXPECT_EQ(1.0f, p->endStrokeColour.c.f.black);
}

}  // namespace
}  // namespace vx::test
