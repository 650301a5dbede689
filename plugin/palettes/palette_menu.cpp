#include "palettes/palette_menu.h"

#include "shell/globals.h"
#include "shell/suites.h"

namespace vx {
namespace {

// Modifiers of the last click on a palette's menu (Alt updates a preset).
uint32_t gMenuModifiers = 0;

ASBoolean MenuTrack(ADMItemRef item, ADMTrackerRef tracker) {
  gMenuModifiers = sADMTracker->GetModifiers(tracker);
  return sADMItem->DefaultTrack(item, tracker);
}

void MenuNotify(ADMItemRef item, ADMNotifierRef notifier) {
  if (!sADMNotifier->IsNotifierType(notifier, kADMUserChangedNotifier)) return;
  const bool alt = (gMenuModifiers & kADMModKeyModifier) != 0;
  gMenuModifiers = 0;
  const auto* source = static_cast<const PalettePresetSource*>(sADMItem->GetUserData(item));
  PresetMenuOwner owner{};
  if (!source || !source->ownerOf(sADMItem->GetDialog(item), &owner)) return;
  ADMEntryRef entry = sADMList->GetActiveEntry(sADMItem->GetList(item));
  if (!entry) return;
  // Failures were shown to the user by the preset menu.
  ChoosePresetMenuEntry(owner, sADMEntry->GetIndex(entry), alt);
}

}  // namespace

void ConnectPalettePresetMenu(ADMDialogRef dialog, const PalettePresetSource* source) {
  ADMItemRef menu = sADMDialog->GetItem(dialog, kADMMenuItemID);
  if (!menu) return;
  sADMItem->SetUserData(menu, const_cast<PalettePresetSource*>(source));
  sADMItem->SetNotifyProc(menu, MenuNotify);
  sADMItem->SetTrackProc(menu, MenuTrack);
  PresetMenuOwner owner{};
  if (source->ownerOf(dialog, &owner) && FillPresetMenu(owner))
    preset_ui::ShowPresetFileError(gGlobals->PluginRef);
}

}  // namespace vx
