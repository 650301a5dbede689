// The thirteen live effects in effect order: one row each drives plug-in
// group registration, action registration, routing, palettes and presets.
#pragma once

#include <cstdint>

#include "shell/globals.h"
#include "vx_sdk.h"

namespace vx {

// One parameter of an effect's (or Fractalize's) action event.
struct ActionKeySpec {
  uint32_t key;      // four-character key such as 'styl'
  uint32_t type;     // 'enum', 'real', 'bool', 'long', 'strn', 'tdta'
  bool shown;        // hidden keys are registered with an empty label
};

struct ActionSpec {
  const char* eventName;    // "VsX4_Border_Action"
  int32_t stringTable;      // index 1 the localised name, then shown labels
  const ActionKeySpec* keys;
  int keyCount;
};

struct EffectInfo {
  const char* name;          // "Border"
  const char* groupPrefix;   // "VERSALiX4 Border " (the name's first part)
  int32_t paletteTemplate;   // dialog template of the palette
  const char* paletteName;   // dialog name and preference prefix
  const char* recordName;    // "BorderPGParams"
  int32_t recordSize;        // bytes of the parameter record
  const char* presetFile;    // "VERSALiX4_PST_Border.txt"
  int32_t helpTopic;
  ActionSpec action;
};

// Row i is LiveEffectIndex i.
const EffectInfo& Effect(int index);

// Fractalize's action event (number 0).
const ActionSpec& FractalizeAction();

}  // namespace vx
