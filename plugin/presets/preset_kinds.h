// The table of preset kinds: every preset file, in installation order, with
// the record it stores and that record's field table. The kinds are listed
// by their families (filters, tools, effects); this table joins the lists.
#pragma once

#include <cstdint>

#include "presets/preset_codec.h"

namespace vx {

constexpr int kPresetKindCount = 34;

// Kind i of the installation order (0 .. 33); null outside.
const PresetKind* PresetKindAt(int i);
// The kind whose file name is exactly fileName; null when none is.
const PresetKind* FindPresetKind(const char* fileName);
// Largest record size over all kinds.
constexpr uint32_t kLargestPresetRecord = 512;

// The families' own lists, each in installation order: kind i of the
// family, null past its end. Defined beside the families' records.
const PresetKind* FilterPresetKindAt(int i);  // the 3D kinds, Fractalize
const PresetKind* ToolPresetKindAt(int i);    // the tools with presets
const PresetKind* EffectPresetKindAt(int i);  // the thirteen live effects

}  // namespace vx
