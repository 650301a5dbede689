// The live effects' palettes: creation from the effect's template (hidden,
// with its Last Setting and docking restored), destruction (docking and Last
// Setting saved), the shared buttons, the preset flyout, showing a record
// and following the selection.
#include <cstring>
#include <initializer_list>

#include "generated/resource_ids.h"
#include "effects/effect_framework.h"
#include "effects/effect_table.h"
#include "effects/selection_walk.h"
#include "palettes/palette_menu.h"
#include "presets/param_record.h"
#include "presets/preset_menu.h"
#include "shell/about_dialog.h"
#include "shell/blocks.h"
#include "shell/error_report.h"
#include "shell/help_window.h"

namespace vx {
namespace {

constexpr int32_t kDefaultDockCode = 0x1C00;
constexpr int32_t kDockCodeClearedBit = 0x40000;
constexpr int32_t kTitleSize = 64;
constexpr int32_t kDockGroupSize = 256;
// A palette placed at a stored location (x, y) gets its tab strip above y
// and its edge beside the content: its bounds are the content's grown by
// these. The location stored back is the content's corner again, so that
// opening and closing a palette leaves it where it was.
constexpr int32_t kTabStrip = 6;
constexpr int32_t kPaletteEdge = 4;

void Report(ASErr err) {
  if (err) ReportError(gGlobals->PluginRef, err);
}

void PresetApplied(ADMDialogRef dialog, void* record) {
  const int effect = EffectOfDialog(dialog);
  if (effect < 0) return;
  EffectPaletteRefresh(effect, dialog, record);
  ASErr err = ReleaseSelection(effect);
  if (!err) err = ApplyToSelection(effect);
  Report(err);
}

void About(SPPluginRef plugin) { ShowAboutDialog(plugin); }

bool OwnerOf(ADMDialogRef dialog, PresetMenuOwner* owner) {
  const int effect = EffectOfDialog(dialog);
  if (effect < 0 || !gGlobals->effectRecords[effect]) return false;
  *owner = {};
  owner->plugin = gGlobals->PluginRef;
  owner->dialog = dialog;
  owner->menuItemId = kADMMenuItemID;
  owner->record = gGlobals->effectRecords[effect];
  owner->presetFile = Effect(effect).presetFile;
  owner->refresh = PresetApplied;
  owner->about = About;
  owner->reportError = nullptr;
  return true;
}
constexpr PalettePresetSource kEffectPresets = {OwnerOf};

bool UserChanged(ADMNotifierRef notifier) {
  return sADMNotifier->IsNotifierType(notifier, kADMUserChangedNotifier) != 0;
}

int EffectOfItem(ADMItemRef item) {
  return EffectOfDialog(sADMItem->GetDialog(item));
}

// "?": the manual at the effect's topic; with Ctrl held, the palettes of
// the selected effect art instead, and a beep when none could be shown.
ASErr HelpButton(int effect) {
  const bool ctrl = sADMBasic->GetKeyState &&
                    (sADMBasic->GetKeyState(kADMMenuKeyModifier) & kADMKeyDownState);
  if (!ctrl) return ShowHelpTopic(gGlobals->PluginRef, Effect(effect).helpTopic);
  int32_t shown = 0;
  const ASErr err = ShowSelectedEffectPalettes(gGlobals->PluginRef, &shown);
  if (!shown) sADMBasic->Beep();
  return err;
}

void ButtonNotify(ADMItemRef item, ADMNotifierRef notifier) {
  if (!UserChanged(notifier)) return;
  const int effect = EffectOfItem(item);
  if (effect < 0) return;
  const EffectButtons& b = Effect(effect).buttons;
  const int32_t id = sADMItem->GetID(item);
  ASErr err = kNoErr;
  if (id == b.liveUpdate) {
    LiveEffectSlotState& slot = gGlobals->effectSlots[effect];
    const int32_t was = slot.liveUpdate;
    slot.liveUpdate = sADMItem->GetBooleanValue(item) ? 1 : 0;
    if (slot.liveUpdate && !was) err = LiveUpdateSelection(effect);
  } else if (id == b.expand) {
    err = ExpandSelection(effect);
  } else if (id == b.release) {
    err = ReleaseSelection(effect);
  } else if (id == b.apply) {
    err = ReleaseSelection(effect);
    if (!err) err = ApplyToSelection(effect);
    if (!err) err = RecordEffectAction(effect, gGlobals->PluginRef);
  } else if (id == b.help) {
    err = HelpButton(effect);
  }
  Report(err);
}

void PaletteNotify(ADMDialogRef dialog, ADMNotifierRef notifier) {
  if (!sADMNotifier->IsNotifierType(notifier, kADMShowWindowNotifier)) return;
  const int effect = EffectOfDialog(dialog);
  if (effect >= 0) Report(EffectSelectionChanged(effect, dialog));
}

void SetUpButtons(int effect, ADMDialogRef dialog) {
  const EffectButtons& b = Effect(effect).buttons;
  for (int32_t id : {b.liveUpdate, b.expand, b.release, b.apply, b.help})
    if (ADMItemRef item = sADMDialog->GetItem(dialog, id))
      sADMItem->SetNotifyProc(item, ButtonNotify);
}

// Restores the docking group, its code and the palette's place.
void RestoreDocking(int effect, ADMDialogRef dialog) {
  const EffectRow& info = Effect(effect);
  char group[kDockGroupSize];
  std::strncpy(group, info.paletteName, sizeof group - 1);
  group[sizeof group - 1] = 0;
  int32_t code = kDefaultDockCode;
  if (sPreference) {
    sPreference->GetStringPreference(info.paletteName, "DockGroup", group,
                                     sizeof group);
    sPreference->GetIntegerPreference(info.paletteName, "DockCode", &code);
  }
  code &= ~kDockCodeClearedBit;
  ASRect bounds{};
  sADMDialog->GetBoundsRect(dialog, &bounds);
  gGlobals->effectSlots[effect].paletteBounds = bounds;
  const int32_t width = bounds.right - bounds.left;
  const int32_t height = bounds.bottom - bounds.top;
  ASRect area{0, 0, 0, 0};
  if (sADMBasic) sADMBasic->GetScreenDimensions(&area);
  ASPoint location{area.right - width, area.bottom - height};
  if (sPreference)
    sPreference->GetPointPreference(info.paletteName, "Location", &location);
  ASRect placed{};
  placed.left = location.h;
  placed.top = location.v - kTabStrip;
  placed.right = location.h + width + kPaletteEdge;
  placed.bottom = placed.top + height + kTabStrip;
  sADMDialog->SetBoundsRect(dialog, &placed);
  if (sADMDialogGroup) sADMDialogGroup->SetDialogGroupInfo(dialog, group, code);
}

void SaveDocking(int effect, ADMDialogRef dialog) {
  if (!sPreference) return;
  const EffectRow& info = Effect(effect);
  const char* group = nullptr;
  int32_t code = kDefaultDockCode;
  if (sADMDialogGroup) sADMDialogGroup->GetDialogGroupInfo(dialog, &group, &code);
  ASRect bounds{};
  sADMDialog->GetBoundsRect(dialog, &bounds);
  sPreference->PutIntegerPreference(info.paletteName, "DockCode", code);
  sPreference->PutStringPreference(info.paletteName, "DockGroup",
                                   group ? group : info.paletteName);
  sPreference->PutPointPreference(info.paletteName, "Location",
                                  ASPoint{bounds.left, bounds.top + kTabStrip});
}

// Whether a path's style is a clipping path's.
bool Clips(AIArtHandle path, ASErr* err) {
  AIPathStyle style{};
  *err = sPathStyle->GetPathStyle(path, &style);
  return style.clip != 0;
}

}  // namespace

int EffectOfDialog(ADMDialogRef dialog) {
  if (!dialog) return -1;
  const int32_t id = sADMDialog->GetID(dialog);
  for (int i = 0; i < kEffectCount; ++i)
    if (Effect(i).paletteTemplate == id) return i;
  return -1;
}

ASErr EffectPaletteOpen(int effect, SPPluginRef plugin) {
  const EffectRow& info = Effect(effect);
  gGlobals->effectPalettes[effect] =
      sADMDialog->Create(plugin, info.paletteName, info.paletteTemplate,
                         kADMTabbedFloatingDialogStyle, InitEffectPalette,
                         nullptr, 0);
  return kNoErr;
}

ASErr InitEffectPalette(ADMDialogRef dialog) {
  const int effect = EffectOfDialog(dialog);
  if (effect < 0) return kSPBadParameterError;
  // The palette calls the host from its own callbacks: it holds the suites
  // until it is destroyed.
  if (ASErr err = AcquireSuites(gGlobals->BasicSuite)) {
    ReleaseSuites(gGlobals->BasicSuite);
    return err;
  }
  // ... and keeps its plug-in loaded.
  if (sAccess) sAccess->AcquirePlugin(gGlobals->PluginRef, &gGlobals->SelfAccess);
  sADMDialog->SetDestroyProc(dialog, DestroyEffectPalette);
  sADMDialog->SetNotifyProc(dialog, PaletteNotify);
  const EffectRow& info = Effect(effect);
  LiveEffectSlotState& slot = gGlobals->effectSlots[effect];
  gGlobals->effectRecords[effect] = nullptr;
  void* record = nullptr;
  if (!NewBlock(size_t(info.record.size), info.record.name, &record)) {
    gGlobals->effectRecords[effect] = record;
    // A failure leaves the factory values in the record.
    LoadLastSettingOrDefaults(info.presetFile, record);
    ConnectPalettePresetMenu(dialog, &kEffectPresets);
    char title[kTitleSize] = "";
    // The palette titles are indexed effect + 1.
    if (sADMBasic && !sADMBasic->GetIndexString(gGlobals->PluginRef, res::kPaletteTitles,
                                                effect + 1, title, kTitleSize))
      sADMDialog->SetText(dialog, title);
    SetUpBoundItems(effect, dialog);
    SetUpButtons(effect, dialog);
    slot.liveUpdate = 1;
    if (ADMItemRef live = sADMDialog->GetItem(dialog, info.buttons.liveUpdate))
      sADMItem->SetBooleanValue(live, true);
    RestoreDocking(effect, dialog);
    EffectPaletteRefresh(effect, dialog, record);
  }
  sADMDialog->Show(dialog, false);
  return kNoErr;
}

void DestroyEffectPalette(ADMDialogRef dialog) {
  const int effect = EffectOfDialog(dialog);
  if (effect < 0) return;
  SaveDocking(effect, dialog);
  void* record = gGlobals->effectRecords[effect];
  if (record) SavePreset(Effect(effect).presetFile, record, kLastSettingIndex);
  FreeBlock(record);
  gGlobals->effectRecords[effect] = nullptr;
  gGlobals->effectPalettes[effect] = nullptr;
  if (sAccess && gGlobals->SelfAccess) sAccess->ReleasePlugin(gGlobals->SelfAccess);
  ReleaseSuites(gGlobals->BasicSuite);
}

void EffectPaletteRefresh(int effect, ADMDialogRef dialog, const void* record) {
  if (!dialog || !record) return;
  ShowBoundRecord(effect, dialog, record);
}

ASErr EffectSelectionChanged(int effect, ADMDialogRef dialog) {
  bool canApply = false, canRelease = false, canExpand = false;
  const EffectRow& info = Effect(effect);
  uint8_t* current = static_cast<uint8_t*>(gGlobals->effectRecords[effect]);
  ASErr err = kNoErr;
  {
    SelectedArtList list;
    if ((err = list.Fetch())) return err;
    AIArtHandle remembered = nullptr;
    for (int32_t i = kFirstWalkedEntry; i < list.count() && !err; ++i) {
      AIArtHandle art = list[i];
      AIArtHandle parent = nullptr;
      if ((err = sArt->GetArtParent(art, &parent))) break;
      if (remembered && parent == remembered) continue;
      int16_t type = 0;
      if ((err = sArt->GetArtType(art, &type))) break;
      if (type == kPathArt) {
        if (!Clips(art, &err) && !err) canApply = true;
      } else if (type == kCompoundPathArt) {
        AIArtHandle path = art;
        int16_t inner = kCompoundPathArt;
        while (!err && path && inner != kPathArt) {
          if ((err = sArt->GetArtFirstChild(path, &path)) || !path) break;
          err = sArt->GetArtType(path, &inner);
        }
        if (!err && path && inner == kPathArt && !Clips(path, &err) && !err)
          canApply = true;
        remembered = art;
      } else if (type == kTextArt) {
        AIArtHandle child = nullptr;
        err = sArt->GetArtFirstChild(art, &child);
        while (!err && child) {
          int16_t t = 0;
          if ((err = sArt->GetArtType(child, &t))) break;
          if (t == kTextRunArt) {
            AIPathStyle style{};
            if (!(err = sTextRun->GetTextRunStyle(child, &style)) && !style.clip)
              canApply = true;
            break;
          }
          err = sArt->GetArtSibling(child, &child);
        }
      } else if (type == kPluginArt && IsEffectArtOf(effect, art)) {
        canRelease = canExpand = true;
        if (!current) continue;
        BlockPtr<uint8_t> stored;
        if ((err = stored.Allocate(size_t(info.record.size), info.record.name))) break;
        if ((err = sPluginGroup->GetPluginArtDataRange(art, stored.get(), 0,
                                                       size_t(info.record.size))))
          break;
        std::memcpy(current + kParamNameSize, stored.get() + kParamNameSize,
                    size_t(info.record.size) - kParamNameSize);
        EffectPaletteRefresh(effect, dialog, current);
      }
    }
  }
  const EffectButtons& b = Effect(effect).buttons;
  auto enable = [dialog](int32_t id, bool on) {
    if (ADMItemRef item = sADMDialog->GetItem(dialog, id)) sADMItem->Enable(item, on);
  };
  enable(b.apply, canApply);
  enable(b.release, canRelease);
  enable(b.expand, canExpand);
  return err;
}

ASErr ShowSelectedEffectPalettes(SPPluginRef plugin, int32_t* shown) {
  *shown = 0;
  SelectedArtList list;
  if (ASErr err = list.Fetch()) return err;
  for (int32_t i = kFirstWalkedEntry; i < list.count(); ++i) {
    int16_t type = 0;
    if (ASErr err = sArt->GetArtType(list[i], &type)) return err;
    if (type != kPluginArt) continue;
    AIPluginGroupHandle group = nullptr;
    if (ASErr err = sPluginGroup->GetPluginArtPluginGroup(list[i], &group))
      return err;
    if (ShowEffectPalette(plugin, group) == kNoErr) ++*shown;
  }
  return kNoErr;
}

ASErr ShowEffectPalette(SPPluginRef plugin, AIPluginGroupHandle group) {
  const int effect = EffectOfGroup(group);
  if (effect < 0) return -1;
  if (!gGlobals->effectPalettes[effect]) {
    if (ASErr err = EffectPaletteOpen(effect, plugin)) return err;
  }
  ADMDialogRef palette = gGlobals->effectPalettes[effect];
  if (!palette) return kNoErr;
  if (!sADMDialog->IsVisible(palette)) sADMDialog->Show(palette, true);
  sADMDialog->Activate(palette, true);
  return kNoErr;
}

}  // namespace vx
