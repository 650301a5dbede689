#include "presets/preset_menu.h"

#include <cstring>

#include "generated/resource_ids.h"
#include "presets/param_record.h"
#include "presets/preset_file.h"
#include "shell/globals.h"
#include "shell/suites.h"

namespace vx {
namespace preset_ui {

void PresetText(SPPluginRef plugin, int32_t index, char* out, int32_t size) {
  out[0] = '\0';
  if (sADMBasic && sADMBasic->GetIndexString)
    sADMBasic->GetIndexString(plugin, res::kPresetTexts, index, out, size);
}

void ShowPresetFileError(SPPluginRef plugin) {
  char text[128];
  PresetText(plugin, 1, text, sizeof text);
  if (sADMBasic && sADMBasic->ErrorAlert) sADMBasic->ErrorAlert(text);
}

void ShowPresetMessage(SPPluginRef plugin, int32_t textIndex) {
  char text[128];
  PresetText(plugin, textIndex, text, sizeof text);
  if (sADMBasic && sADMBasic->MessageAlert) sADMBasic->MessageAlert(text);
}

namespace {

// The New and Update dialogs keep the name in the same item.
constexpr int32_t kNameItem = res::NewPreset::kName;
static_assert(res::UpdatePreset::kName == kNameItem);

// Keeps the edit field and the record's name together; OK only with a name.
void NameChanged(ADMItemRef item, ADMNotifierRef) {
  ADMDialogRef dialog = sADMItem->GetDialog(item);
  char* name = static_cast<char*>(sADMDialog->GetUserData(dialog));
  char text[kParamNameSize];
  sADMItem->GetText(item, text, sizeof text);
  presets::SetRecordName(name, text);
  sADMItem->Enable(sADMDialog->GetItem(dialog, kADMDefaultItemID),
                   name[0] != '\0');
}

ASErr InitNameDialog(ADMDialogRef dialog) {
  const char* name = static_cast<const char*>(sADMDialog->GetUserData(dialog));
  ADMItemRef edit = sADMDialog->GetItem(dialog, kNameItem);
  sADMItem->SetMaxTextLength(edit, kParamNameSize - 1);
  sADMItem->SetText(edit, name);
  sADMItem->SetNotifyProc(edit, NameChanged);
  sADMItem->Enable(sADMDialog->GetItem(dialog, kADMDefaultItemID),
                   name[0] != '\0');
  return kNoErr;
}

}  // namespace

bool AskPresetName(SPPluginRef plugin, int32_t dialogId, void* record) {
  char saved[kParamNameSize];
  std::memcpy(saved, record, kParamNameSize);
  int32_t ended = sADMDialog->Modal(plugin, nullptr, dialogId,
                                    kADMModalDialogStyle, InitNameDialog,
                                    record, 0);
  if (ended == kADMDefaultItemID && static_cast<char*>(record)[0]) return true;
  std::memcpy(record, saved, kParamNameSize);
  return false;
}

}  // namespace preset_ui

using preset_ui::ShowPresetFileError;

namespace {

ADMListRef MenuList(const PresetMenuOwner& owner) {
  if (!sADMDialog || !sADMItem || !sADMList || !owner.dialog) return nullptr;
  ADMItemRef item = sADMDialog->GetItem(owner.dialog, owner.menuItemId);
  return item ? sADMItem->GetList(item) : nullptr;
}

}  // namespace

ASErr FillPresetMenu(const PresetMenuOwner& owner) {
  ADMListRef list = MenuList(owner);
  if (!list) return kCantHappenErr;
  sADMList->SetMenuID(list, res::kPresetMenu);
  const int32_t count = sADMList->NumberOfEntries(list);
  for (int32_t i = 0; i < count; ++i)
    sADMEntry->SetID(sADMList->IndexEntry(list, i), i);
  return FillPresetList(list, owner.presetFile, true);
}

ASErr RefreshPresetMenu(const PresetMenuOwner& owner) {
  ADMListRef list = MenuList(owner);
  if (!list) return kCantHappenErr;
  while (sADMList->NumberOfEntries(list) >
         kPresetMenuFirstPreset + kPresetMenuTrailingItems)
    sADMList->RemoveEntry(list, kPresetMenuFirstPreset);
  return FillPresetList(list, owner.presetFile, true);
}

ASErr ApplyPreset(const PresetMenuOwner& owner, PresetIndex index) {
  if (ASErr err = LoadPreset(owner.presetFile, owner.record, index)) return err;
  if (owner.refresh) owner.refresh(owner.dialog, owner.record);
  return kNoErr;
}

ASErr ChoosePresetMenuEntry(const PresetMenuOwner& owner, int32_t position,
                            bool alt) {
  ADMListRef list = MenuList(owner);
  if (!list) return kCantHappenErr;
  const int32_t count = sADMList->NumberOfEntries(list);
  ASErr err = kNoErr;
  if (position == 2) {
    err = RunPresetManager(owner);
    if (!err) err = RefreshPresetMenu(owner);
  } else if (position == count - 1) {
    if (owner.about) owner.about(owner.plugin);
    return kNoErr;
  } else if (position == 0) {
    err = ApplyPreset(owner, kDefaultSettingIndex);
  } else if (position >= kPresetMenuFirstPreset &&
             position < count - kPresetMenuTrailingItems) {
    const PresetIndex index = PresetIndex(position - kPresetMenuFirstPreset);
    if (!alt) {
      err = ApplyPreset(owner, index);
    } else {
      // The stored name, not the menu's text with its added space.
      ADMEntryRef entry = sADMList->IndexEntry(list, position);
      char text[kParamNameSize];
      sADMEntry->GetText(entry, text, sizeof text);
      const char* name = text[0] == ' ' && text[1] == '-' ? text + 1 : text;
      char* record = static_cast<char*>(owner.record);
      presets::SetRecordName(record, name);
      if (preset_ui::AskPresetName(owner.plugin, res::kUpdatePreset,
                                   owner.record)) {
        err = SavePreset(owner.presetFile, owner.record, index);
        if (!err) {
          char shown[kParamNameSize];
          PresetMenuText(record, shown);
          sADMEntry->SetText(entry, shown);
        }
      }
    }
  }
  if (err) ShowPresetFileError(owner.plugin);
  return err;
}

}  // namespace vx
