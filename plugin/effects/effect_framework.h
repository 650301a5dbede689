// The framework the thirteen live effects share: each effect's palette, the
// effect art it makes, stores its record in, releases and expands, its
// action recording and playback, and the update skeleton. Every operation
// takes the effect's index (LiveEffectIndex); what differs per effect comes
// from its row of the effect table (effect_table.h) and its palette's
// binding (palettes/palette_binding.h).
#pragma once

#include <cstdint>

#include "effects/effect_table.h"
#include "shell/globals.h"
#include "vx_sdk.h"

namespace vx {

// The effect whose palette this is (by its template), or -1.
int EffectOfDialog(ADMDialogRef dialog);
// The effect registered with this plug-in group handle, or -1.
int EffectOfGroup(AIPluginGroupHandle group);

// ---- palettes ------------------------------------------------------------------

// Creates the effect's palette hidden (its init loads the Last Setting and
// restores docking) and keeps it in the effect's slot.
ASErr EffectPaletteOpen(int effect, SPPluginRef plugin);
ASErr InitEffectPalette(ADMDialogRef dialog);
void DestroyEffectPalette(ADMDialogRef dialog);
// Shows the record in the palette's items.
void EffectPaletteRefresh(int effect, ADMDialogRef dialog, const void* record);
// Loads the record of the selected effect art (the last one in list order)
// and enables Apply, Release and Expand by what is selected.
ASErr EffectSelectionChanged(int effect, ADMDialogRef dialog);
// The palette of this plug-in group: created when absent, shown, brought to
// the front. -1 for a group of none of the effects.
ASErr ShowEffectPalette(SPPluginRef plugin, AIPluginGroupHandle group);
// ShowEffectPalette for every selected effect art (walked from the second
// entry of the selection), counting the palettes shown. A host error ends
// the walk and is answered.
ASErr ShowSelectedEffectPalettes(SPPluginRef plugin, int32_t* shown);

// ---- effect art -----------------------------------------------------------------

// Stores the record's fields (bytes 64 on; the name area as zeros) as the
// art's data store.
ASErr WriteRecordToArt(int effect, AIArtHandle art, const void* record);
// The same with the effect's current record.
ASErr WriteParamsToArt(int effect, AIArtHandle art);
// With Live Update on: the current record into every selected effect art of
// this effect.
ASErr LiveUpdateSelection(int effect);
ASErr ApplyToSelection(int effect);
// Wraps source into new effect art (made above it when *slot is null).
ASErr WrapInEffectArt(int effect, AIPluginGroupHandle group, AIArtHandle* slot,
                      const void* record, AIArtHandle source);
// 0, -1 another effect's art found, -2 text found, or a host error; adds the
// number of descendants to *count.
ASErr CountEligibleDescendants(int effect, AIArtHandle art, int32_t* count);
// Puts the edit group's (release) or the result group's (expand) children
// where the effect art was, and deletes it.
ASErr ReleaseEffectArt(AIArtHandle art);
ASErr ExpandEffectArt(AIArtHandle art);
// Release or Expand on every selected effect art of this effect.
ASErr ReleaseSelection(int effect);
ASErr ExpandSelection(int effect);

// Regenerates the result of one effect art from its source and record.
ASErr EffectUpdate(int effect, AIArtHandle art);

// ---- bound palette items (palette_binding.cpp) -----------------------------------

// Installs the notifiers of the effect's bound items (and its dials and
// sliders) and runs the binding's own set-up.
void SetUpBoundItems(int effect, ADMDialogRef dialog);
// Shows the record in the bound items and enables them by the rules.
void ShowBoundRecord(int effect, ADMDialogRef dialog, const void* record);
// The record's bound fields as an action's parameter value, and back.
ASErr WriteBoundAction(int effect, SPPluginRef plugin, AIActionParamValueRef value,
                       const void* record);
ASErr ReadBoundAction(int effect, AIActionParamValueRef value, void* record);

// ---- actions --------------------------------------------------------------------

ASErr RecordEffectAction(int effect, SPPluginRef plugin);
ASErr EffectDoAction(int effect, DoActionMessage* message);

}  // namespace vx
