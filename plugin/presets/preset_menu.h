// The preset menu that every palette and both filter dialogs carry, and the
// preset manager it opens. One handler serves every owner; the owner hands
// in its context each time.
//
// Menu layout by position: 0 "Default Settings", 1 separator, 2 "Edit...",
// 3 separator, 4 .. 4+n-1 the user presets (entry id = position; a name
// beginning with "-" is shown with a space in front), then a separator and
// "About this plug-in...".
#pragma once

#include <cstdint>

#include "presets/preset_store.h"
#include "vx_sdk.h"

namespace vx {

constexpr int32_t kPresetMenuFirstPreset = 4;
// Fixed items after the presets: the separator and the About item.
constexpr int32_t kPresetMenuTrailingItems = 2;

// Who a preset menu belongs to, set by the owner before each call.
struct PresetMenuOwner {
  SPPluginRef plugin;
  ADMDialogRef dialog;        // the palette or dialog with the menu
  int32_t menuItemId;         // kADMMenuItemID for palettes
  void* record;               // the owner's current parameter record
  const char* presetFile;     // file of the record's kind
  // Shows the record in the owner's controls (after a preset is applied).
  void (*refresh)(ADMDialogRef dialog, void* record);
  // Shows the About box; null: the item does nothing.
  void (*about)(SPPluginRef plugin);
  // Shows a failed import or export with its message; null: the shared
  // error dialog with the code's message.
  void (*reportError)(SPPluginRef plugin, ASErr code);
};

// Fills the owner's menu: the preset menu resource and the user presets.
ASErr FillPresetMenu(const PresetMenuOwner& owner);
// Drops the listed presets from the menu and lists them again.
ASErr RefreshPresetMenu(const PresetMenuOwner& owner);
// Loads entry index into the owner's record and shows it.
ASErr ApplyPreset(const PresetMenuOwner& owner, PresetIndex index);

// The user chose the menu entry at position (Alt held: alt). Failures are
// shown to the user ("Preset File Error!") and returned.
ASErr ChoosePresetMenuEntry(const PresetMenuOwner& owner, int32_t position,
                            bool alt);

// Runs the preset manager modally (new, update, delete, import, export).
ASErr RunPresetManager(const PresetMenuOwner& owner);

// Internal to the preset user interface: shared by the menu and the manager.
namespace preset_ui {
// Reads text index of the preset texts (the PresetTexts string table).
void PresetText(SPPluginRef plugin, int32_t index, char* out, int32_t size);
void ShowPresetFileError(SPPluginRef plugin);
void ShowPresetMessage(SPPluginRef plugin, int32_t textIndex);
// Runs a name dialog (New Preset or Update Preset) over the record's name;
// true on OK.
bool AskPresetName(SPPluginRef plugin, int32_t dialogId, void* record);
}  // namespace preset_ui

}  // namespace vx
