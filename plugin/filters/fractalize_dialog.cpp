#include "filters/fractalize_dialog.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>

#include "filters/fractalize_engine.h"
#include "filters/fractalize_generator.h"
#include "generated/resource_ids.h"
#include "presets/preset_menu.h"
#include "presets/preset_store.h"
#include "shell/error_report.h"
#include "shell/globals.h"
#include "shell/help_window.h"
#include "shell/suites.h"

namespace vx {
namespace {

namespace Items = res::FractalizeDialog;


constexpr const char* kKeys[6] = {"generator", "genHeight", "level",
                                  "density",   "uneven",    "unevenUnit"};

FractalizeDialogContext* ContextOf(ADMDialogRef dialog) {
  return static_cast<FractalizeDialogContext*>(sADMDialog->GetUserData(dialog));
}
ADMItemRef Item(ADMDialogRef dialog, int32_t id) {
  return sADMDialog->GetItem(dialog, id);
}
bool UserChanged(ADMNotifierRef notifier) {
  return sADMNotifier->IsNotifierType(notifier, kADMUserChangedNotifier) != 0;
}
int32_t ActiveIndex(ADMItemRef item) {
  ADMListRef list = sADMItem->GetList(item);
  ADMEntryRef entry = list ? sADMList->GetActiveEntry(list) : nullptr;
  return entry ? sADMEntry->GetIndex(entry) : -1;
}
void ActivateIndex(ADMItemRef item, int32_t index) {
  ADMListRef list = sADMItem->GetList(item);
  if (!list) return;
  if (ADMEntryRef entry = sADMList->IndexEntry(list, index)) {
    sADMEntry->Select(entry, 1);
    sADMEntry->Activate(entry, 1);
  }
}

// Shows the record in the controls.
void ShowRecord(ADMDialogRef dialog, void* data) {
  const auto& r = *static_cast<FractalizeParams*>(data);
  ActivateIndex(Item(dialog, Items::kGenerator),
                static_cast<int16_t>(r.generator) - 1);
  sADMItem->SetFloatValue(Item(dialog, Items::kHeight), r.genHeight);
  ActivateIndex(Item(dialog, Items::kLevel), static_cast<int16_t>(r.level) - 1);
  sADMItem->SetFloatValue(Item(dialog, Items::kDensity), r.density);
  const bool points = static_cast<int16_t>(r.unevenUnit) != 0;
  ADMItemRef percent = Item(dialog, Items::kUnevenPercent);
  ADMItemRef pts = Item(dialog, Items::kUnevenPoints);
  sADMItem->Enable(percent, !points);
  sADMItem->Enable(pts, points);
  sADMItem->Show(percent, !points);
  sADMItem->Show(pts, points);
  sADMItem->SetFloatValue(points ? pts : percent, r.uneven);
  sADMItem->SetFloatValue(points ? percent : pts, 0.0f);
  char unit[16] = "";
  FractalizeDialogContext* context = ContextOf(dialog);
  sADMBasic->GetIndexString(context->plugin, res::kDistortionUnits, points ? 2 : 1, unit,
                            sizeof unit);
  sADMItem->SetText(Item(dialog, Items::kUnitLabel), unit);
}

void ShowPreviewError(FractalizeDialogContext* context, ASErr err) {
  if (err && err != kCanceledErr && err != kSegmentLimitErr)
    ReportError(context->plugin, err);
}

// Runs one preview with the seed kept, or with a fresh one.
void Preview(ADMDialogRef dialog, bool newSeed) {
  FractalizeDialogContext* context = ContextOf(dialog);
  PluginGlobals& g = *gGlobals;
  g.ForceNewSeed = newSeed ? 1 : 0;
  g.ReuseSeed = 1;
  ASErr err = kNoErr;
  if (context->mode == FractalizeMode::kFilter) {
    err = sUndo->UndoChanges();
    if (!err) err = FractalizeSelection(context->plugin, *context->record);
  } else {
    g.ReuseSeedNextLive = 1;
    err = WriteFractalizeEntries(context->parameters, *context->record);
    if (!err) err = sLiveEffect->UpdateParameters(context->parameters);
  }
  g.ForceNewSeed = 0;
  g.ReuseSeed = 1;
  g.ReuseSeedNextLive = 1;
  if (sDocument && sDocument->RedrawDocument) (void)sDocument->RedrawDocument();
  ShowPreviewError(context, err);
}

void AfterValueChange(ADMDialogRef dialog) {
  if (gGlobals->FractalPreviewOn) Preview(dialog, false);
}

void ValueNotify(ADMItemRef item, ADMNotifierRef notifier) {
  if (!UserChanged(notifier)) return;
  ADMDialogRef dialog = sADMItem->GetDialog(item);
  FractalizeParams& r = *ContextOf(dialog)->record;
  switch (sADMItem->GetID(item)) {
    case Items::kGenerator: {
      const int32_t index = ActiveIndex(item);
      if (index >= 0) r.generator = static_cast<uint32_t>(index + 1);
      break;
    }
    case Items::kHeight: {
      // A choice in the popup gives its value; typing gives the number.
      ADMListRef list = sADMItem->GetList(item);
      ADMEntryRef entry = list ? sADMList->GetActiveEntry(list) : nullptr;
      if (entry) {
        char text[32] = "";
        sADMEntry->GetText(entry, text, sizeof text);
        AIReal value = 0;
        if (!sUser->StringToNumber(text, &value))
          sADMItem->SetFloatValue(item, value);
        sADMEntry->Activate(entry, 0);
      }
      r.genHeight = sADMItem->GetFloatValue(item);
      break;
    }
    case Items::kLevel: {
      const int32_t index = ActiveIndex(item);
      if (index >= 0) r.level = static_cast<uint32_t>(index + 1);
      break;
    }
    case Items::kDensity:
      r.density = sADMItem->GetFloatValue(item);
      break;
    case Items::kUnevenPercent:
    case Items::kUnevenPoints:
      r.uneven = sADMItem->GetFloatValue(item);
      break;
    default:
      return;
  }
  AfterValueChange(dialog);
}

void UnitNotify(ADMItemRef item, ADMNotifierRef notifier) {
  if (!UserChanged(notifier)) return;
  ADMDialogRef dialog = sADMItem->GetDialog(item);
  FractalizeParams& r = *ContextOf(dialog)->record;
  r.unevenUnit = static_cast<int16_t>(r.unevenUnit) ? 0 : 1;
  ShowRecord(dialog, &r);
  AfterValueChange(dialog);
}

void NewSequenceNotify(ADMItemRef item, ADMNotifierRef notifier) {
  if (!UserChanged(notifier)) return;
  ADMDialogRef dialog = sADMItem->GetDialog(item);
  if (!gGlobals->FractalPreviewOn) {
    gGlobals->FractalPreviewOn = 1;
    sADMItem->SetBooleanValue(Item(dialog, Items::kPreview), 1);
  }
  Preview(dialog, true);
}

void PreviewNotify(ADMItemRef item, ADMNotifierRef notifier) {
  if (!UserChanged(notifier)) return;
  ADMDialogRef dialog = sADMItem->GetDialog(item);
  FractalizeDialogContext* context = ContextOf(dialog);
  gGlobals->FractalPreviewOn = sADMItem->GetBooleanValue(item) ? 1 : 0;
  if (gGlobals->FractalPreviewOn) {
    Preview(dialog, false);
    return;
  }
  ASErr err = kNoErr;
  if (context->mode == FractalizeMode::kFilter) {
    err = sUndo->UndoChanges();
  } else {
    err = RemoveFractalizeEntries(context->parameters);
    if (!err) err = sLiveEffect->UpdateParameters(context->parameters);
  }
  if (sDocument && sDocument->RedrawDocument) (void)sDocument->RedrawDocument();
  ShowPreviewError(context, err);
}

void HelpNotify(ADMItemRef item, ADMNotifierRef notifier) {
  if (!UserChanged(notifier)) return;
  FractalizeDialogContext* context = ContextOf(sADMItem->GetDialog(item));
  ShowHelpTopic(context->plugin, context->mode == FractalizeMode::kFilter
                                     ? res::HelpTopics::kFractalizeFilter
                                     : res::HelpTopics::kFractalizeEffect);
}

PresetMenuOwner OwnerOf(ADMDialogRef dialog) {
  FractalizeDialogContext* context = ContextOf(dialog);
  return PresetMenuOwner{context->plugin, dialog, Items::kPresetMenu,
                         context->record, kFractalizePresetFile, ShowRecord,
                         nullptr, nullptr};
}

void PresetMenuNotify(ADMItemRef item, ADMNotifierRef notifier) {
  if (!UserChanged(notifier)) return;
  ADMDialogRef dialog = sADMItem->GetDialog(item);
  const int32_t position = ActiveIndex(item);
  if (position < 0) return;
  // Failures were shown to the user by the preset menu.
  if (!ChoosePresetMenuEntry(OwnerOf(dialog), position, false))
    AfterValueChange(dialog);
}

void OkNotify(ADMItemRef item, ADMNotifierRef notifier) {
  if (UserChanged(notifier)) {
    ADMDialogRef dialog = sADMItem->GetDialog(item);
    ASRect bounds{};
    sADMDialog->GetBoundsRect(dialog, &bounds);
    gGlobals->fractalizeDialogPosition = {bounds.left, bounds.top, 1};
  }
  sADMItem->DefaultNotify(item, notifier);
}

ASErr InitDialog(ADMDialogRef dialog) {
  FractalizeDialogContext* context = ContextOf(dialog);
  PluginGlobals& g = *gGlobals;
  char text[128] = "";
  sADMBasic->GetIndexString(context->plugin, res::kFilterDialogTitles,
                            context->mode == FractalizeMode::kFilter ? 2 : 3,
                            text, sizeof text);
  sADMDialog->SetText(dialog, text);
  if (g.fractalizeDialogPosition.saved)
    sADMDialog->Move(dialog, g.fractalizeDialogPosition.left,
                     g.fractalizeDialogPosition.top);

  ADMListRef generators = sADMItem->GetList(Item(dialog, Items::kGenerator));
  for (int32_t k = 0; generators && k < kGeneratorCount; ++k) {
    ADMEntryRef entry = sADMList->InsertEntry(generators, k);
    if (!entry) break;
    sADMBasic->GetIndexString(context->plugin, res::kFractalizeActionTexts, kGeneratorFirstName + k, text,
                              sizeof text);
    sADMEntry->SetText(entry, text);
    sADMEntry->SetID(entry, k + 1);
    sADMEntry->SetPictureID(entry, res::kGeneratorIcons + k);
  }
  (void)FillPresetMenu(OwnerOf(dialog));

  g.FractalPreviewOn = 0;
  sADMItem->SetBooleanValue(Item(dialog, Items::kPreview), 0);
  ShowRecord(dialog, context->record);

  for (int32_t id : {Items::kGenerator, Items::kHeight, Items::kLevel,
                     Items::kDensity, Items::kUnevenPercent,
                     Items::kUnevenPoints})
    sADMItem->SetNotifyProc(Item(dialog, id), ValueNotify);
  sADMItem->SetNotifyProc(Item(dialog, Items::kUnitFrame), UnitNotify);
  sADMItem->SetNotifyProc(Item(dialog, Items::kNewSequence), NewSequenceNotify);
  sADMItem->SetNotifyProc(Item(dialog, Items::kPreview), PreviewNotify);
  sADMItem->SetNotifyProc(Item(dialog, Items::kHelp), HelpNotify);
  sADMItem->SetNotifyProc(Item(dialog, Items::kPresetMenu), PresetMenuNotify);
  sADMItem->SetNotifyProc(Item(dialog, Items::kOk), OkNotify);
  return kNoErr;
}

}  // namespace

ASErr RunFractalizeDialog(FractalizeDialogContext* context, bool* ok) {
  *ok = false;
  if (!sADMDialog) return kNoErr;
  const int32_t ended =
      sADMDialog->Modal(context->plugin, "Fractalize Plug-in Dialog",
                        res::kFractalizeDialog, kADMModalDialogStyle, InitDialog,
                        context, 0);
  gGlobals->FractalPreviewOn = 0;
  *ok = ended == Items::kOk;
  FractalizeParams last = *context->record;
  (void)SavePreset(kFractalizePresetFile, &last, kLastSettingIndex);
  return kNoErr;
}

ASErr WriteFractalizeEntries(AIDictionaryRef dict, const FractalizeParams& p) {
  ASErr err = sDictionary->SetIntegerEntry(dict, kKeys[0],
                                           static_cast<int16_t>(p.generator));
  if (!err) err = sDictionary->SetRealEntry(dict, kKeys[1], p.genHeight);
  if (!err)
    err = sDictionary->SetIntegerEntry(dict, kKeys[2],
                                       static_cast<int16_t>(p.level));
  if (!err) err = sDictionary->SetRealEntry(dict, kKeys[3], p.density);
  if (!err) err = sDictionary->SetRealEntry(dict, kKeys[4], p.uneven);
  if (!err)
    err = sDictionary->SetIntegerEntry(dict, kKeys[5],
                                       static_cast<int16_t>(p.unevenUnit));
  return err;
}

ASErr ReadFractalizeEntries(AIDictionaryRef dict, FractalizeParams* p) {
  int32_t generator = 0, level = 0, unit = 0;
  AIReal height = 0, density = 0, uneven = 0;
  if (ASErr err = sDictionary->GetIntegerEntry(dict, kKeys[0], &generator))
    return err;
  ASErr err = sDictionary->GetRealEntry(dict, kKeys[1], &height);
  if (!err) err = sDictionary->GetIntegerEntry(dict, kKeys[2], &level);
  if (!err) err = sDictionary->GetRealEntry(dict, kKeys[3], &density);
  if (!err) err = sDictionary->GetRealEntry(dict, kKeys[4], &uneven);
  if (!err) err = sDictionary->GetIntegerEntry(dict, kKeys[5], &unit);
  if (err) return err;
  p->generator = static_cast<uint32_t>(generator);
  p->genHeight = height;
  p->level = static_cast<uint32_t>(level);
  p->density = density;
  p->uneven = uneven;
  p->unevenUnit = static_cast<uint32_t>(unit);
  return kNoErr;
}

ASErr RemoveFractalizeEntries(AIDictionaryRef dict) {
  for (const char* key : kKeys)
    if (sDictionary->IsKnown(dict, key))
      if (ASErr err = sDictionary->DeleteEntry(dict, key)) return err;
  return kNoErr;
}

}  // namespace vx
