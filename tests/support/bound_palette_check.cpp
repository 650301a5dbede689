#include "support/bound_palette_check.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

#include "presets/param_record.h"

namespace vx::test {
namespace {

// The record's value of what an item shows, by unit.
float ToRecord(Unit unit, float shown) {
  return unit == Unit::Percent   ? shown * 0.01f
         : unit == Unit::Degrees ? RecordRadians(shown)
                                 : shown;
}

float FloatAt(const uint8_t* record, const PaletteField& f) {
  float v = 0;
  std::memcpy(&v, record + f.field.offset, sizeof v);
  return v;
}
void SetFloatAt(uint8_t* record, const PaletteField& f, float v) {
  std::memcpy(record + f.field.offset, &v, sizeof v);
}

void MakeUsable(const BoundPalette& p, const PaletteField& f) {
  if (f.rule >= 0) {
    const EnableRule& r = p.binding.rules[f.rule];
    WriteIntField(p.record, r.on, r.test == EnableRule::NotEquals ? r.value + 1
                                  : r.test == EnableRule::Equals  ? r.value
                                                                  : 1);
  }
  if (p.makeUsable) p.makeUsable(f);
  p.refresh();
  const host::adm::Item* item = p.dialog.GetItem(f.unit == Unit::Radio ? f.radios[0] : f.item);
  ASSERT_TRUE(item && item->visible && item->enabled) << f.name;
}

}  // namespace

void ExpectEveryBoundFieldRoundTrips(const BoundPalette& p) {
  const AIColor red = {.kind = kThreeColor, .c = {.rgb = {1.0f, 0.0f, 0.0f}}};
  for (const PaletteField& f : p.binding) {
    if (f.unit != Unit::Radio && f.item == 0) continue;  // kept, shown by no item
    SCOPED_TRACE(f.name);
    MakeUsable(p, f);
    std::vector<uint8_t> expected(p.record, p.record + p.recordSize);
    const int32_t id = f.unit == Unit::Radio ? f.radios[0] : f.item;
    std::string action;
    if (f.unit == Unit::Colour) {
      action = "colour " + std::to_string(id) + "=#ff0000";
      std::memcpy(expected.data() + f.field.offset, &red, sizeof red);
    } else if (f.field.isFloat) {
      // Whole numbers a quarter and half way through the item's range.
      const host::adm::Item& item = *p.dialog.GetItem(id);
      const float shown = std::round(float(item.min() + (item.max() - item.min()) / 4));
      const float entered = std::round(float(item.min() + (item.max() - item.min()) / 2));
      const float stored = ToRecord(f.unit, shown), after = ToRecord(f.unit, entered);
      // A value typed back as the item shows it leaves the record alone,
      // though the number typed is not the one stored (a third off).
      const float odd = ToRecord(f.unit, shown + 1.0f / 3);
      SetFloatAt(p.record, f, odd);
      p.refresh();
      ASSERT_EQ("", p.act("set " + std::to_string(id) + "=" + item.Text()));
      EXPECT_EQ(odd, FloatAt(p.record, f)) << item.Text();
      SetFloatAt(p.record, f, stored);
      p.refresh();
      EXPECT_NEAR(shown, item.Value(), 1e-3 * std::fabs(shown) + 1e-4);
      action = "set " + std::to_string(id) + "=" + std::to_string(entered);
      SetFloatAt(expected.data(), f, after);
      // A slider beside the field, moved a quarter through its own range:
      // it stores its value and the field shows it; the field's own edit
      // below then sets `entered`.
      if (f.partner && (f.unit != Unit::Degrees || f.partnerIsSlider)) {
        const host::adm::Item& slider = *p.dialog.GetItem(f.partner);
        const float moved = std::round(float(slider.min() + (slider.max() - slider.min()) / 4));
        const float movedStored = ToRecord(f.unit, moved);
        ASSERT_EQ("", p.act("set " + std::to_string(f.partner) + "=" + std::to_string(moved)));
        EXPECT_NEAR(movedStored, FloatAt(p.record, f), 1e-6f * std::fabs(movedStored) + 1e-7f);
        EXPECT_NEAR(moved, item.Value(), 1e-3 * std::fabs(moved) + 1e-4);
      }
    } else {
      // Whole numbers: 3 (Integer, Grid) or 1 (Flag, Choice, Radio) shown,
      // then 4, or the first entry, radio button or a cleared check box. A
      // grid is drawn from the record: it shows no value of its own.
      const bool integer = f.unit == Unit::Integer || f.unit == Unit::Grid;
      WriteIntField(p.record, f.field, integer ? 3 : 1);
      p.refresh();
      const host::adm::Item& shown = *p.dialog.GetItem(f.unit == Unit::Radio ? f.radios[1] : f.item);
      if (f.unit != Unit::Grid) {
        EXPECT_EQ(integer ? 3.0 : 1.0, f.unit == Unit::Radio ? shown.BooleanValue() : shown.Value());
      }
      const ASRect& b = shown.bounds;  // a grid is clicked in its middle cell, 4
      action = f.unit == Unit::Grid
                   ? "drag " + std::to_string(id) + "=" + std::to_string((b.right - b.left) / 2) +
                         "," + std::to_string((b.bottom - b.top) / 2)
               : integer                ? "set " + std::to_string(id) + "=4"
               : f.unit == Unit::Choice ? "choose " + std::to_string(id) + "=0"
                                        : "press " + std::to_string(id);
      // Stored in the field's own width: int16 fields leave their
      // neighbours' bytes alone.
      const int32_t after = integer ? 4 : 0;
      const int16_t after16 = int16_t(after);
      std::memcpy(expected.data() + f.field.offset,
                  f.field.size == 2 ? static_cast<const void*>(&after16) : &after, f.field.size);
    }
    ASSERT_EQ("", p.act(action));
    if (p.binding.derive) p.binding.derive(expected.data());
    EXPECT_EQ(expected, std::vector<uint8_t>(p.record, p.record + p.recordSize));
  }
}

}  // namespace vx::test
