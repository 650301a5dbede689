// The effect table as the module exports it (VxModuleEffects, vx_effects.h):
// the rows and binding tables of effect_table.h in the plain form the
// command line reads, so that it keeps no list of effects or items.
#include <cstdint>
#include <iterator>

#include "effects/effect_table.h"
#include "shell/globals.h"
#include "vx_effects.h"

namespace vx {
namespace {

static_assert(int(Unit::Percent) == kVxUnitPercent && int(Unit::Degrees) == kVxUnitDegrees &&
              int(Unit::Points) == kVxUnitPoints && int(Unit::Integer) == kVxUnitInteger &&
              int(Unit::Flag) == kVxUnitFlag && int(Unit::Choice) == kVxUnitChoice &&
              int(Unit::Radio) == kVxUnitRadio && int(Unit::Colour) == kVxUnitColour &&
              int(Unit::Grid) == kVxUnitGrid);
static_assert(int(EnableRule::NonZero) == kVxEnabledWhenOn &&
              int(EnableRule::Equals) == kVxEnabledWhenEquals &&
              int(EnableRule::NotEquals) == kVxEnabledWhenNotEquals);

// Room for every bound field of every palette.
constexpr int kMaxFields = 32 * kEffectCount;

struct Catalog {
  VxEffectInfo effects[kEffectCount];
  VxEffectField fields[kMaxFields];
  VxEffectTable table;
};

// The name of the field stored at the rule's offset, or null.
const char* FieldOfRule(const PaletteBinding& b, const EnableRule& rule) {
  for (const PaletteField& f : b)
    if (f.field.offset == rule.on.offset) return f.name;
  return nullptr;
}

// Fills the catalog in place: its entries point into it.
bool Fill(Catalog& c) {
  int used = 0;
  for (int i = 0; i < kEffectCount; ++i) {
    const EffectRow& row = Effect(i);
    VxEffectInfo& e = c.effects[i];
    e = {row.name, row.groupPrefix, row.paletteName, row.paletteTemplate,
         row.buttons.apply, row.buttons.release, row.buttons.expand, nullptr, 0};
    if (!row.palette || used + row.palette->fieldCount > kMaxFields) continue;
    e.fields = c.fields + used;
    for (const PaletteField& f : *row.palette) {
      // Fields no item shows (a seed, a colour source) are not the user's.
      if (!f.item) continue;
      ++e.fieldCount;
      VxEffectField& out = c.fields[used++];
      out = {f.name, f.item, int32_t(f.unit), f.radios, f.radioCount, nullptr, 0, 0};
      if (f.rule < 0) continue;
      const EnableRule& rule = row.palette->rules[f.rule];
      out.enabledBy = FieldOfRule(*row.palette, rule);
      out.enabledTest = int32_t(rule.test);
      out.enabledValue = rule.value;
    }
  }
  c.table = {c.effects, uint32_t(kEffectCount)};
  return true;
}

}  // namespace
}  // namespace vx

extern "C" __attribute__((visibility("default"))) const VxEffectTable* VxModuleEffects(void) {
  static vx::Catalog catalog{};
  static const bool filled = vx::Fill(catalog);
  (void)filled;
  return &catalog.table;
}
