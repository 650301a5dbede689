// The tool table as the module exports it (VxModuleTools, vx_tools.h): the
// rows of tool_table.cpp and their palettes' bindings in the plain form the
// command line reads, so that it keeps no list of tools or fields.
#include <cstdint>

#include "palettes/binding_catalog.h"
#include "tools/tool_palette.h"
#include "tools/tool_table.h"
#include "vx_tools.h"

namespace vx {
namespace {

// Room for every bound field of every palette.
constexpr int kMaxFields = 32 * kToolCount;

struct Catalog {
  VxToolInfo tools[kToolCount];
  VxEffectField fields[kMaxFields];
  VxToolTable table;
};

// Fills the catalog in place: its entries point into it.
bool Fill(Catalog& c) {
  int used = 0;
  for (int i = 0; i < kToolCount; ++i) {
    const ToolInfo& row = *ToolAt(i);
    VxToolInfo& t = c.tools[i];
    t = {row.name, int32_t(row.slot), row.paletteTemplate,
         row.presetKind ? row.presetKind->fileName : nullptr, nullptr, 0};
    if (!row.palette) continue;
    const PaletteBinding& b = row.palette->binding;
    if (used + b.fieldCount > kMaxFields) continue;
    t.fields = c.fields + used;
    t.fieldCount = b.fieldCount;
    for (const PaletteField& f : b) c.fields[used++] = DescribeField(b, f);
  }
  c.table = {c.tools, uint32_t(kToolCount)};
  return true;
}

}  // namespace
}  // namespace vx

extern "C" __attribute__((visibility("default"))) const VxToolTable* VxModuleTools(void) {
  static vx::Catalog catalog{};
  static const bool filled = vx::Fill(catalog);
  (void)filled;
  return &catalog.table;
}
