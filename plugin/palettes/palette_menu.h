// A floating palette's own menu (the palette-menu item) as its preset menu,
// for the live effects' and the tools' palettes: the menu is filled from
// the preset menu resource and the user presets, and a choice (Alt updates a preset) goes
// to the preset menu handler with the palette's owner context.
#pragma once

#include "presets/preset_menu.h"
#include "vx_sdk.h"

namespace vx {

// Who owns a palette: fills *owner for the dialog; false when the palette
// has no record (a choice then does nothing).
struct PalettePresetSource {
  bool (*ownerOf)(ADMDialogRef dialog, PresetMenuOwner* owner);
};

// Connects the palette's menu item to `source` (kept by pointer: static
// storage) and fills it; a failure to list the presets shows "Preset File
// Error!" and the menu keeps its fixed items.
void ConnectPalettePresetMenu(ADMDialogRef dialog, const PalettePresetSource* source);

}  // namespace vx
