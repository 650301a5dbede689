// What the bindings of the Border and Neon palettes cannot say: the
// gradient arc's picture buttons (-100 %, 0 %, 100 %; Border's pictures
// follow its Reverse) and the steps count, which their actions record as
// text ("7", or the automatic mode's name).
#include <cstdio>

#include "effects/border.h"
#include "effects/effect_framework.h"
#include "effects/neon.h"
#include "shell/error_report.h"
#include "shell/suites.h"

namespace vx {
namespace {

// Pictures of the three buttons follow each other in steps of 2.
constexpr int32_t kArcPictures = res::kArcPictures;
constexpr int32_t kReversePictures = res::kArcReversePictures;

// The three arc buttons of a palette: -1, 0 and 1 by the button pressed,
// shown in the arc's field and slider.
template <typename Record, int kEffect, int32_t kZero, int32_t kField, int32_t kSlider>
void ArcButtonNotify(ADMItemRef item, ADMNotifierRef notifier) {
  if (!sADMNotifier->IsNotifierType(notifier, kADMUserChangedNotifier)) return;
  auto* p = static_cast<Record*>(gGlobals->effectRecords[kEffect]);
  if (!p) return;
  p->gradientArc = float(sADMItem->GetID(item) - kZero);
  ADMDialogRef dialog = sADMItem->GetDialog(item);
  for (int32_t id : {kField, kSlider})
    if (ADMItemRef shown = sADMDialog->GetItem(dialog, id))
      sADMItem->SetFloatValue(shown, p->gradientArc * 100.0f);
  if (ASErr err = LiveUpdateSelection(kEffect)) ReportError(gGlobals->PluginRef, err);
}

template <int32_t kZero, ADMItemNotifyProc kNotify>
void SetUpArcButtons(ADMDialogRef dialog) {
  for (int32_t id : {kZero - 1, kZero, kZero + 1})
    if (ADMItemRef item = sADMDialog->GetItem(dialog, id)) sADMItem->SetNotifyProc(item, kNotify);
}

// Steps played back: the text's number in Manual mode, else 3.
template <typename Record, int32_t kManual>
ASErr ReadSteps(AIActionParamValueRef v, void* record) {
  auto& p = *static_cast<Record*>(record);
  if (p.stepsMode != kManual) {
    p.steps = 3;
    return kNoErr;
  }
  char text[256] = "";
  if (ASErr err = sActionManager->AIActionGetString(v, ActionKey("step"), text, sizeof text))
    return err;
  AIReal number = 0;
  if (ASErr err = sUser->StringToNumber(text, &number)) return err;
  p.steps = int32_t(number);
  return kNoErr;
}

// kNames: index of "Auto (High)" in the action's string table (the other
// automatic modes follow).
template <typename Record, int32_t kManual, int32_t kTable, int32_t kNames>
ASErr WriteSteps(SPPluginRef plugin, AIActionParamValueRef v, const void* record) {
  const auto& p = *static_cast<const Record*>(record);
  char steps[256] = "";
  if (p.stepsMode == kManual)
    std::snprintf(steps, sizeof steps, "%d", int(p.steps));
  else
    sADMBasic->GetIndexString(plugin, kTable, kNames + p.stepsMode, steps, sizeof steps);
  return sActionManager->AIActionSetString(v, ActionKey("step"), steps);
}

}  // namespace

const ActionHook kBorderStepsAction = {
    ReadSteps<BorderPGParams, kBorderManualSteps>,
    WriteSteps<BorderPGParams, kBorderManualSteps, res::kBorderActionTexts, 14>};
const ActionHook kNeonStepsAction = {ReadSteps<NeonPGParams, kNeonManualSteps>,
                                     WriteSteps<NeonPGParams, kNeonManualSteps, res::kNeonActionTexts, 13>};

void BorderSetUpArcButtons(ADMDialogRef dialog) {
  SetUpArcButtons<BorderItems::kArcZero,
                  ArcButtonNotify<BorderPGParams, kBorder, BorderItems::kArcZero,
                                  BorderItems::kArcField, BorderItems::kArcSlider>>(dialog);
}

void NeonSetUpArcButtons(ADMDialogRef dialog) {
  SetUpArcButtons<NeonItems::kArcZero,
                  ArcButtonNotify<NeonPGParams, kNeon, NeonItems::kArcZero, NeonItems::kArcField,
                                  NeonItems::kArcSlider>>(dialog);
}

void BorderShowArcPictures(ADMDialogRef dialog, const void* record) {
  const bool reverse = static_cast<const BorderPGParams*>(record)->reverse != 0;
  const int32_t first = reverse ? kReversePictures : kArcPictures;
  for (int32_t k = 0; k < 3; ++k)
    if (ADMItemRef item = sADMDialog->GetItem(dialog, BorderItems::kArcMinus + k))
      sADMItem->SetPictureID(item, first + 2 * k, nullptr);
}

}  // namespace vx
