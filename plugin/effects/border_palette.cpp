// What Border's palette binding cannot say: the gradient arc's picture
// buttons (-100 %, 0 %, 100 %, their pictures following Reverse) and the
// steps count, which its action records as text.
#include <cstdio>

#include "effects/border.h"
#include "effects/effect_framework.h"
#include "shell/error_report.h"
#include "shell/suites.h"

namespace vx {
namespace {

constexpr int32_t kArcPictures = 17800;      // 17800, 17802, 17804
constexpr int32_t kReversePictures = 17806;  // 17806, 17808, 17810
constexpr int32_t kStepsNames = 14;          // 18914 + mode: "Auto (High)" ...

BorderPGParams* Record() {
  return static_cast<BorderPGParams*>(gGlobals->effectRecords[kBorder]);
}

void ArcButtonNotify(ADMItemRef item, ADMNotifierRef notifier) {
  if (!sADMNotifier->IsNotifierType(notifier, kADMUserChangedNotifier)) return;
  BorderPGParams* p = Record();
  if (!p) return;
  p->gradientArc = float(sADMItem->GetID(item) - kBorderArcZero);
  ADMDialogRef dialog = sADMItem->GetDialog(item);
  for (int32_t id : {kBorderArcField, kBorderArcSlider})
    if (ADMItemRef shown = sADMDialog->GetItem(dialog, id))
      sADMItem->SetFloatValue(shown, p->gradientArc * 100.0f);
  if (ASErr err = LiveUpdateSelection(kBorder)) ReportError(gGlobals->PluginRef, err);
}

ASErr ReadSteps(AIActionParamValueRef v, void* record) {
  auto& p = *static_cast<BorderPGParams*>(record);
  if (p.stepsMode != kBorderManualSteps) {
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

ASErr WriteSteps(SPPluginRef plugin, AIActionParamValueRef v, const void* record) {
  const auto& p = *static_cast<const BorderPGParams*>(record);
  char steps[256] = "";
  if (p.stepsMode == kBorderManualSteps)
    std::snprintf(steps, sizeof steps, "%d", int(p.steps));
  else
    sADMBasic->GetIndexString(plugin, kBorderEffect.action.stringTable,
                              kStepsNames + p.stepsMode, steps, sizeof steps);
  return sActionManager->AIActionSetString(v, ActionKey("step"), steps);
}

}  // namespace

const ActionHook kBorderStepsAction = {ReadSteps, WriteSteps};

void BorderSetUpArcButtons(ADMDialogRef dialog) {
  for (int32_t id : {kBorderArcMinus, kBorderArcZero, kBorderArcPlus})
    if (ADMItemRef item = sADMDialog->GetItem(dialog, id))
      sADMItem->SetNotifyProc(item, ArcButtonNotify);
}

void BorderShowArcPictures(ADMDialogRef dialog, const void* record) {
  const bool reverse = static_cast<const BorderPGParams*>(record)->reverse != 0;
  const int32_t first = reverse ? kReversePictures : kArcPictures;
  for (int32_t k = 0; k < 3; ++k)
    if (ADMItemRef item = sADMDialog->GetItem(dialog, kBorderArcMinus + k))
      sADMItem->SetPictureID(item, first + 2 * k, nullptr);
}

}  // namespace vx
