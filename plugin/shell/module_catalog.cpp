// The module catalog (VxModuleCatalog, vx_catalog.h): the preset kinds with
// their file and dialog names, the 3D kinds' value rows and the generators'
// names, from the tables the plug-in itself reads, in the plain form the
// command line reads.
#include <cstring>

#include "effects/effect_table.h"
#include "filters/filter_preset_kinds.h"
#include "filters/fractalize_generator.h"
#include "filters/kinds3d.h"
#include "filters/transform3d_dialog.h"
#include "filters/transform3d_params.h"
#include "generated/resource_ids.h"
#include "presets/preset_kinds.h"
#include "shell/error_report.h"
#include "shell/help_texts.h"
#include "tools/tool_table.h"
#include "vx_catalog.h"

namespace vx {
namespace {

constexpr std::size_t kPrefix = sizeof "VERSALiX4_PST_" - 1;
constexpr std::size_t kSuffix = sizeof ".txt" - 1;
constexpr std::size_t kMaxName = 32;

struct Catalog {
  VxPresetKindInfo kinds[kPresetKindCount];
  char names[kPresetKindCount][kMaxName];
  int32_t radius[kTransformKindCount];
  VxCatalog table;
};

// Owner, index and dialog name of a preset kind, found in the families'
// own tables.
void Describe(const PresetKind* kind, VxPresetKindInfo& out) {
  for (int i = 0; const PresetKind* k = FilterPresetKindAt(i); ++i) {
    if (k != kind) continue;
    out.owner = i < kTransformKindCount ? kVxPresetOwnerTransform : kVxPresetOwnerFractalize;
    out.index = i < kTransformKindCount ? i : 0;
    out.title = i < kTransformKindCount ? nullptr : "Fractalize";
    return;
  }
  for (int i = 0; const ToolInfo* tool = ToolAt(i); ++i) {
    if (tool->presetKind != kind) continue;
    out = {out.name, tool->name, kVxPresetOwnerTool, i};
    return;
  }
  for (int i = 0; i < kEffectCount; ++i) {
    if (EffectPresetKindAt(i) != kind) continue;
    out = {out.name, Effect(i).name, kVxPresetOwnerEffect, i};
    return;
  }
}

bool Fill(Catalog& c) {
  for (int i = 0; i < kPresetKindCount; ++i) {
    const PresetKind* kind = PresetKindAt(i);
    const std::size_t length = kind ? std::strlen(kind->fileName) : 0;
    const std::size_t n = length > kPrefix + kSuffix ? length - kPrefix - kSuffix : 0;
    if (n >= kMaxName) return false;
    std::memcpy(c.names[i], kind ? kind->fileName + kPrefix : "", n);
    c.names[i][n] = '\0';
    c.kinds[i] = {c.names[i], nullptr, -1, -1};
    if (kind) Describe(kind, c.kinds[i]);
  }
  for (int k = 0; k < kTransformKindCount; ++k) c.radius[k] = CursorRadiusOf(k);
  c.table = {c.kinds,
             uint32_t(kPresetKindCount),
             {res::kTransform3DDialog, res::kTransformKindMenu, kTransformKindStrings,
              kTransformKindStride, kTransformRowCount, kTransformRowStep, c.radius,
              kTransformKindCount},
             {res::kFractalizeActionTexts, kGeneratorFirstName, kGeneratorCount},
             {res::kHelpTopics, kHelpTopics, kHelpTopicCount},
             res::kErrorTexts,
             // Start-up registers the filters from (category, title) pairs
             // and the live effect from (category, name, title) triples.
             res::kFilterTexts + 2,
             res::kFilterTexts + 4,
             res::kLiveEffectTexts + 2};
  return true;
}

}  // namespace
}  // namespace vx

extern "C" __attribute__((visibility("default"))) const VxCatalog* VxModuleCatalog(void) {
  static vx::Catalog catalog{};
  static const bool filled = vx::Fill(catalog);
  return filled ? &catalog.table : nullptr;
}
