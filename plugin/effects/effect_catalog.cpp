// The effect table as the module exports it (VxModuleEffects, vx_effects.h):
// the rows and binding tables of effect_table.h in the plain form the
// command line reads, so that it keeps no list of effects or items.
#include <cstdint>
#include <iterator>

#include "effects/effect_table.h"
#include "palettes/binding_catalog.h"
#include "shell/globals.h"
#include "vx_effects.h"

namespace vx {
namespace {

// Room for every bound field of every palette.
constexpr int kMaxFields = 32 * kEffectCount;

struct Catalog {
  VxEffectInfo effects[kEffectCount];
  VxEffectField fields[kMaxFields];
  VxEffectTable table;
};

// Fills the catalog in place: its entries point into it.
bool Fill(Catalog& c) {
  int used = 0;
  for (int i = 0; i < kEffectCount; ++i) {
    const EffectRow& row = Effect(i);
    VxEffectInfo& e = c.effects[i];
    e = {row.name, row.groupPrefix, row.paletteName, row.paletteTemplate,
         row.buttons.apply, row.buttons.release, row.buttons.expand, nullptr, 0,
         row.strokeStepsField, row.manualSteps};
    if (!row.palette || used + row.palette->fieldCount > kMaxFields) continue;
    e.fields = c.fields + used;
    for (const PaletteField& f : *row.palette) {
      // Fields no item shows (a seed, a colour source) are not the user's.
      if (!f.item) continue;
      ++e.fieldCount;
      c.fields[used++] = DescribeField(*row.palette, f);
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
