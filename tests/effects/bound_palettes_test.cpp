// Bound palettes as a user works them: every effect palette's fields
// between record and items; Apply records the action (every unit and
// action hook in some row), and the action played back onto the selection
// stores the same record; Trail's end colour buttons, swap and swatch
// (through the colour picker).
#include <cmath>
#include <cstring>

#include "copy_effect_fixture.h"
#include "effects/circle.h"
#include "effects/explosion.h"
#include "effects/frame.h"
#include "effects/generation.h"
#include "effects/neon.h"
#include "effects/tiling.h"
#include "effects/trail.h"
#include "host/core/messages.h"
#include "presets/preset_store.h"
#include "support/bound_palette_check.h"

namespace vx::test {
namespace {

class BoundPalettesTest : public CopyEffectTest {
 protected:
  // Every bound field of two records alike: exactly, or with `scaled` angles
  // and percentages within the rounding of their trip through the unit.
  static void ExpectSameFields(int effect, const uint8_t* a, const uint8_t* b, bool scaled) {
    for (const PaletteField& f : *Effect(effect).palette) {
      SCOPED_TRACE(f.name);
      const size_t size = f.unit == Unit::Colour ? sizeof(AIColor) : 4;
      if (!scaled || (f.unit != Unit::Degrees && f.unit != Unit::Percent)) {
        EXPECT_EQ(0, std::memcmp(a + f.field.offset, b + f.field.offset, size));
        continue;
      }
      float x = 0, y = 0;
      std::memcpy(&x, a + f.field.offset, sizeof x);
      std::memcpy(&y, b + f.field.offset, sizeof y);
      EXPECT_NEAR(x, y, 1e-6f * std::max(1.0f, std::fabs(x)));
    }
  }
};

// Every effect's palette, as the tools' palettes are checked.
TEST_F(BoundPalettesTest, EveryBoundFieldRoundTripsBetweenRecordAndItemAlone) {
  for (int e = 0; e < kEffectCount; ++e) {
    if (!Effect(e).palette) continue;
    SCOPED_TRACE(Effect(e).name);
    ASSERT_EQ(0, ChooseWindowItem(e));
    auto* record = static_cast<uint8_t*>(globals().effectRecords[e]);
    ExpectEveryBoundFieldRoundTrips(
        {.binding = *Effect(e).palette,
         .dialog = *Palette(e),
         .record = record,
         .recordSize = uint32_t(Effect(e).record.size),
         .refresh = [&] { EffectPaletteRefresh(e, globals().effectPalettes[e], record); },
         .act = [&](const std::string& action) {
           Act(e, action);
           return std::string();
         }});
  }
}

// The rows change fields of every unit from the factory values; absolute
// space of Tiling is recorded once, in points.
TEST_F(BoundPalettesTest, ActionsRecordAndReplayTheAppliedRecord) {
  CirclePGParams circle = kCircleFactoryParams;
  circle.total = 5, circle.keepAngle = 1, circle.datum = 2, circle.height = 0.5f;
  ExplosionPGParams explosion = kExplosionFactoryParams;
  explosion.total = 7, explosion.space = 2, explosion.shrinkGrow = 1.5f;
  explosion.sameSequence = 1;
  NeonPGParams neon = kNeonFactoryParams;
  neon.tracks = 2, neon.stepsMode = 3, neon.steps = 4, neon.shadow = 1, neon.shadowTint = 0.4f;
  neon.shadowReverse = 1;
  TrailPGParams trail = kTrailFactoryParams;
  trail.steps = 3, trail.endFillColour = Rgb(0, 1, 0), trail.endStrokeSource = kTrailNoColour;
  trail.dragDirection = RecordRadians(30), trail.dragLength = 40, trail.toSize = {0.5f, 1};
  TilingPGParams tiling = kTilingFactoryParams;
  tiling.spaceMode = 1, tiling.spaceH = 12.5f, tiling.rotationV = RecordRadians(30);
  GenerationPGParams generation = kGenerationFactoryParams;
  generation.space = 1.5f, generation.stacking = 1;
  FramePGParams frame = kFrameFactoryParams;
  frame.frameSpaceMode = 1, frame.cornerSpace = 7, frame.cycling = 0, frame.cornerOffset = -0.5f;
  const struct {
    int effect;
    const void* record;
    bool scaled = true;
  } rows[] = {{kCircle, &circle}, {kExplosion, &explosion}, {kNeon, &neon},
              {kTrail, &trail},   {kTiling, &tiling, false}, {kGeneration, &generation, false},
              {kFrame, &frame, false}};
  for (const auto& r : rows) {
    SCOPED_TRACE(Effect(r.effect).name);
    Source(2);
    host().actions().SetRecording(true);
    Art* made = Apply(r.effect, r.record);
    host().actions().SetRecording(false);
    ASSERT_NE(nullptr, made);
    ASSERT_EQ(1u, host().actions().recorded().size());
    const host::RecordedAction recorded = host().actions().recorded()[0];
    host().actions().ClearRecorded();
    EXPECT_EQ(Effect(r.effect).action.eventName, recorded.eventName);
    if (r.effect == kTiling) {
      const host::ActionValue* space = recorded.value.Find(ActionKey("hMov"));
      ASSERT_NE(nullptr, space);
      EXPECT_EQ(ActionParamUnitID(unitPixels), space->unit);
      EXPECT_DOUBLE_EQ(12.5, space->real);
    }
    const std::vector<uint8_t> applied = made->plugin().data;
    ExpectSameFields(r.effect, static_cast<const uint8_t*>(r.record), applied.data(), r.scaled);
    // The effect art selected (which loads its record into the palette),
    // the palette back at its factory values, then the action replayed on
    // the art, which is released and wrapped again.
    Select({made});
    ASSERT_EQ(0, FillFactoryRecord(Effect(r.effect).presetFile, globals().effectRecords[r.effect]));
    ASSERT_EQ(0, host::DoAction(host(), Effect(r.effect).action.eventName, recorded.value, false));
    ASSERT_EQ(1u, EffectArt().size());
    ExpectSameFields(r.effect, applied.data(), EffectArt()[0]->plugin().data.data(), r.scaled);
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
