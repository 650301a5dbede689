// The tool options palettes over their records, driven by each tool's
// binding (tool_palette.h).
#include "tools/tool_palette.h"

#include <cstring>

#include "palettes/colour_swatch.h"
#include "palettes/palette_menu.h"
#include "presets/preset_store.h"
#include "shell/about_dialog.h"
#include "shell/blocks.h"
#include "shell/error_report.h"
#include "shell/globals.h"
#include "shell/help_window.h"
#include "shell/suites.h"
#include "tools/tool_table.h"

namespace vx {
namespace {

void*& RecordOf(const ToolInfo& tool) { return gGlobals->ToolParams[tool.paletteIndex]; }

// The tool and record of a palette; false for another dialog or a palette
// whose tool has no record yet.
bool Locate(ADMDialogRef dialog, const ToolInfo** tool, void** record) {
  *tool = ToolOfPalette(dialog);
  *record = *tool ? RecordOf(**tool) : nullptr;
  return *record != nullptr;
}

void About(SPPluginRef plugin) { ShowAboutDialog(plugin); }

bool OwnerOf(ADMDialogRef dialog, PresetMenuOwner* owner) {
  const ToolInfo* tool = nullptr;
  void* record = nullptr;
  if (!Locate(dialog, &tool, &record)) return false;
  *owner = {};
  owner->plugin = gGlobals->PluginRef;
  owner->dialog = dialog;
  owner->menuItemId = kADMMenuItemID;
  owner->record = record;
  owner->presetFile = tool->presetKind->fileName;
  owner->refresh = RefreshToolPalette;
  owner->about = About;
  return true;
}
constexpr PalettePresetSource kToolPresets = {OwnerOf};

void ShowItem(ADMDialogRef dialog, int32_t id, bool show) {
  if (ADMItemRef item = sADMDialog->GetItem(dialog, id)) sADMItem->Show(item, show);
}

void ApplySweepSpacing(const SweepSpacing& s, ADMDialogRef dialog, const void* record) {
  const int32_t sweep = ReadIntField(record, s.sweep);
  const bool dragAlong = ReadIntField(record, s.traceMode) == 0;
  for (int32_t id : s.spaceItems) ShowItem(dialog, id, dragAlong && sweep != s.twirl);
  for (int32_t id : s.twirlItems) ShowItem(dialog, id, dragAlong && sweep == s.twirl);
  // While Dynamic the stepped modes cannot be chosen; a stepped mode kept
  // from before (or from a preset) stays chosen and shown.
  ADMItemRef popup = sADMDialog->GetItem(dialog, s.tracePopup);
  ADMListRef list = popup ? sADMItem->GetList(popup) : nullptr;
  if (!list) return;
  for (int32_t i = s.firstStepped; i <= s.lastStepped; ++i)
    if (ADMEntryRef entry = sADMList->IndexEntry(list, i))
      sADMEntry->Enable(entry, sweep != s.dynamic);
}

void ApplyRules(const ToolPaletteSpec& spec, ADMDialogRef dialog, const void* record) {
  ApplyBindingRules(spec.binding, dialog, record);
  if (spec.sweep) ApplySweepSpacing(*spec.sweep, dialog, record);
}

bool UserChanged(ADMNotifierRef notifier) {
  return sADMNotifier->IsNotifierType(notifier, kADMUserChangedNotifier) != 0;
}

void ItemNotify(ADMItemRef item, ADMNotifierRef notifier) {
  if (!UserChanged(notifier)) return;
  ADMDialogRef dialog = sADMItem->GetDialog(item);
  const ToolInfo* tool = nullptr;
  void* record = nullptr;
  if (!Locate(dialog, &tool, &record)) return;
  if (StoreBoundItem(tool->palette->binding, item, record))
    ApplyRules(*tool->palette, dialog, record);
}

// Where the swatch's colour sits in the record. Tool records are packed on
// 2-byte boundaries, so the colour is copied in and out, never referenced.
uint8_t* ColourOfItem(ADMItemRef item, const ToolInfo** tool) {
  void* record = nullptr;
  if (!Locate(sADMItem->GetDialog(item), tool, &record)) return nullptr;
  const PaletteField* f = (*tool)->palette->binding.FieldOfItem(sADMItem->GetID(item));
  if (!f || f->unit != Unit::Colour) return nullptr;
  return static_cast<uint8_t*>(record) + f->field.offset;
}

void SwatchDraw(ADMItemRef item, ADMDrawerRef drawer) {
  const ToolInfo* tool = nullptr;
  if (const uint8_t* at = ColourOfItem(item, &tool)) {
    AIColor colour;
    std::memcpy(&colour, at, sizeof colour);
    DrawSwatch(drawer, colour);
  }
}

// A press on a swatch opens the colour picker; cancelling changes nothing.
void SwatchNotify(ADMItemRef item, ADMNotifierRef notifier) {
  if (!UserChanged(notifier)) return;
  const ToolInfo* tool = nullptr;
  uint8_t* at = ColourOfItem(item, &tool);
  if (!at) return;
  AIColor colour;
  std::memcpy(&colour, at, sizeof colour);
  const ASErr err = PickSwatchColour(&colour);
  if (err == kCanceledErr) return;
  if (err) {
    ReportError(gGlobals->PluginRef, err);
    return;
  }
  std::memcpy(at, &colour, sizeof colour);
  ItemNotify(item, notifier);
}

void HelpNotify(ADMItemRef item, ADMNotifierRef notifier) {
  if (!UserChanged(notifier)) return;
  if (const ToolInfo* tool = ToolOfPalette(sADMItem->GetDialog(item)))
    if (ASErr err = ShowHelpTopic(gGlobals->PluginRef, tool->palette->helpTopic))
      ReportError(gGlobals->PluginRef, err);
}

void Connect(const ToolPaletteSpec& spec, ADMDialogRef dialog) {
  ConnectBoundItems(spec.binding, dialog, ItemNotify);
  for (const PaletteField& f : spec.binding) {
    if (f.unit != Unit::Colour) continue;
    if (ADMItemRef swatch = sADMDialog->GetItem(dialog, f.item)) {
      sADMItem->SetDrawProc(swatch, SwatchDraw);
      sADMItem->SetNotifyProc(swatch, SwatchNotify);
    }
  }
  if (ADMItemRef help = sADMDialog->GetItem(dialog, spec.helpItem))
    sADMItem->SetNotifyProc(help, HelpNotify);
}

// The record of the tool, made and filled the first time its palette is
// created; it then lives until shutdown, so a later palette shows the
// values as the last one left them.
ASErr MakeRecord(const ToolInfo& tool) {
  void*& record = RecordOf(tool);
  if (record) return kNoErr;
  const PresetKind& kind = *tool.presetKind;
  if (ASErr err = NewBlock(kind.recordSize, kind.recordKey, &record)) return err;
  // A failure leaves the factory values in the record; the user is told
  // that the preset file could not be read or repaired.
  if (LoadLastSettingOrDefaults(kind.fileName, record))
    preset_ui::ShowPresetFileError(gGlobals->PluginRef);
  return kNoErr;
}

}  // namespace

const ToolInfo* ToolOfPalette(ADMDialogRef dialog) {
  if (!dialog || !gGlobals) return nullptr;
  const int32_t id = sADMDialog->GetID(dialog);
  for (int i = 0; i < kToolCount; ++i) {
    const ToolInfo* tool = ToolAt(i);
    if (tool->palette && tool->presetKind && tool->paletteTemplate == id) return tool;
  }
  return nullptr;
}

ASErr InitToolPalette(ADMDialogRef dialog) {
  const ToolInfo* tool = ToolOfPalette(dialog);
  if (!tool) return kSPBadParameterError;
  if (ASErr err = MakeRecord(*tool)) {
    // No palette without its record: Select leaves the tool without one,
    // and the user learns why.
    ReportError(gGlobals->PluginRef, err);
    return err;
  }
  ConnectPalettePresetMenu(dialog, &kToolPresets);
  Connect(*tool->palette, dialog);
  sADMDialog->SetDestroyProc(dialog, DestroyToolPalette);
  RefreshToolPalette(dialog, RecordOf(*tool));
  return kNoErr;
}

void RefreshToolPalette(ADMDialogRef dialog, void* record) {
  const ToolInfo* tool = ToolOfPalette(dialog);
  if (!tool || !record) return;
  ShowBoundFields(tool->palette->binding, dialog, record);
  if (tool->palette->sweep) ApplySweepSpacing(*tool->palette->sweep, dialog, record);
}

void RefreshCurrentToolPalette() {
  if (!gGlobals || !gGlobals->ToolPalette) return;
  const ToolInfo* tool = ToolOfPalette(gGlobals->ToolPalette);
  if (tool) RefreshToolPalette(gGlobals->ToolPalette, RecordOf(*tool));
}

void DestroyToolPalette(ADMDialogRef dialog) {
  const ToolInfo* tool = nullptr;
  void* record = nullptr;
  if (!Locate(dialog, &tool, &record)) return;
  // The palette goes away at the host's request (tool change, shutdown):
  // a failure to store the Last Setting is shown, the record stays.
  if (SavePreset(tool->presetKind->fileName, record, kLastSettingIndex))
    preset_ui::ShowPresetFileError(gGlobals->PluginRef);
}

void FreeToolRecords() {
  if (!gGlobals) return;
  for (void*& record : gGlobals->ToolParams) FreeBlock(record);
}

}  // namespace vx
