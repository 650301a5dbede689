// The thirteen live effects in effect order: one EffectRow each, defined in
// the effect's record header next to its record, drives plug-in group
// registration, action registration, routing, palettes and presets.
//
// Adding an effect: its record header (record, binding table, row), its
// update source (the build routine), and its row's place in effect_table.cpp.
#pragma once

#include <cstdint>

#include "palettes/palette_binding.h"
#include "generated/resource_ids.h"
#include "vx_sdk.h"

namespace vx {

struct ActionSpec {
  const char* eventName;  // "VsX4_Border_Action"
  int32_t stringTable;    // index 1 the localised name, then shown labels
  const ActionKeySpec* keys;
  int keyCount;
};

// Item ids of the buttons every palette has.
struct EffectButtons {
  int32_t liveUpdate;
  int32_t expand;
  int32_t release;
  int32_t apply;
  int32_t help;
};
// The buttons of a palette whose template names them LiveUpdate, Expand,
// Release, Apply and Help (res::BorderPalette ...).
#define VX_EFFECT_BUTTONS(Palette)                                    \
  ::vx::EffectButtons {                                               \
    ::vx::res::Palette::kLiveUpdate, ::vx::res::Palette::kExpand,     \
        ::vx::res::Palette::kRelease, ::vx::res::Palette::kApply,     \
        ::vx::res::Palette::kHelp                                     \
  }

// The stored record: its allocation label and its size, from its type.
struct EffectRecord {
  const char* name;  // "BorderPGParams"
  int32_t size;      // bytes
};
template <typename Record>
constexpr EffectRecord RecordOf(const char* name) {
  return {name, int32_t(sizeof(Record))};
}
#define VX_RECORD(Record) ::vx::RecordOf<Record>(#Record)

// Builds the result of one update into `into` (a new group inside the
// result group) from the edit group's children and the art's record.
using EffectBuildProc = ASErr (*)(AIArtHandle into, AIArtHandle editGroup,
                                  const void* record);
// The update of an effect whose drawing is not built yet: nothing.
ASErr PendingBuild(AIArtHandle into, AIArtHandle editGroup, const void* record);

// Whether an update regenerates this effect art now; *yes false keeps the
// last result (asked before the result group is emptied).
using EffectRegenerateProc = ASErr (*)(AIArtHandle art, bool* yes);

struct EffectRow {
  const char* name;          // "Border"
  const char* groupPrefix;   // "VERSALiX4 Border " (the name's first part)
  int32_t paletteTemplate;   // dialog template of the palette
  const char* paletteName;   // dialog name and preference prefix
  EffectRecord record;
  const char* presetFile;    // its preset kind: "VERSALiX4_PST_Border.txt"
  int32_t helpTopic;
  ActionSpec action;         // keys: from the binding when there is one
  EffectButtons buttons;
  const PaletteBinding* palette;  // null: the palette has only its buttons
  EffectBuildProc build;
  EffectRegenerateProc regenerates = nullptr;  // null: every update regenerates
  // The bound field (by name) whose automatic modes take the steps from the
  // source's stroke width, so that art without a stroke draws nothing
  // unless the field holds `manualSteps`. Null: no stroke is needed.
  const char* strokeStepsField = nullptr;
  int32_t manualSteps = 0;
};

// Row i is LiveEffectIndex i.
const EffectRow& Effect(int index);
// The effect whose name is `name` (any case), or -1.
int FindEffectNamed(const char* name);

// Fractalize's action event (number 0).
const ActionSpec& FractalizeAction();

}  // namespace vx
