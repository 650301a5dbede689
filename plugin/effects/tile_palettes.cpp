// What the bindings of the Tiling, Generation and Frame palettes cannot
// say: the spacing items shown by the space mode (a percentage item for
// relative space, a points item for absolute space, in one place), and
// Frame's corner offset buttons and its Draw at Corner check box, which
// follows a float field.
#include <initializer_list>
#include <iterator>

#include "effects/effect_framework.h"
#include "effects/frame.h"
#include "effects/generation.h"
#include "effects/tiling.h"
#include "shell/error_report.h"
#include "shell/suites.h"

namespace vx {
namespace {

void ShowItems(ADMDialogRef dialog, std::initializer_list<int32_t> ids, bool show) {
  for (int32_t id : ids)
    if (ADMItemRef item = sADMDialog->GetItem(dialog, id)) sADMItem->Show(item, show);
}

FramePGParams* FrameRecord() {
  return static_cast<FramePGParams*>(gGlobals->effectRecords[kFrame]);
}

void OffsetButtonNotify(ADMItemRef item, ADMNotifierRef notifier) {
  if (!sADMNotifier->IsNotifierType(notifier, kADMUserChangedNotifier)) return;
  FramePGParams* p = FrameRecord();
  if (!p) return;
  const int32_t k = sADMItem->GetID(item) - kFrameOffsetMinus;
  if (k < 0 || k >= int32_t(std::size(kFrameOffsetButtonValues))) return;
  p->cornerOffset = kFrameOffsetButtonValues[k];
  ADMDialogRef dialog = sADMItem->GetDialog(item);
  for (int32_t id : {kFrameOffset, kFrameOffsetSlider})
    if (ADMItemRef shown = sADMDialog->GetItem(dialog, id))
      sADMItem->SetFloatValue(shown, p->cornerOffset * 100.0f);
  FrameShowExtra(dialog, p);
  if (ASErr err = LiveUpdateSelection(kFrame)) ReportError(gGlobals->PluginRef, err);
}

}  // namespace

void TilingShowSpaceMode(ADMDialogRef dialog, const void* record) {
  const bool relative = static_cast<const TilingPGParams*>(record)->spaceMode == 0;
  ShowItems(dialog, {kTilingSpaceHPercent, kTilingSpaceHPercentSign, kTilingSpaceVPercent,
                     kTilingSpaceVPercentSign}, relative);
  ShowItems(dialog, {kTilingSpaceHPoints, kTilingSpaceHPointsUnit, kTilingSpaceVPoints,
                     kTilingSpaceVPointsUnit}, !relative);
}

void GenerationShowSpaceMode(ADMDialogRef dialog, const void* record) {
  const bool relative = static_cast<const GenerationPGParams*>(record)->spaceMode == 0;
  ShowItems(dialog, {kGenerationSpacePercent, kGenerationSpacePercentSign}, relative);
  ShowItems(dialog, {kGenerationSpacePoints, kGenerationSpacePointsUnit}, !relative);
}

void FrameSetUpOffsetButtons(ADMDialogRef dialog) {
  for (int32_t id : {kFrameOffsetMinus, kFrameOffsetZero, kFrameOffsetPlus})
    if (ADMItemRef item = sADMDialog->GetItem(dialog, id))
      sADMItem->SetNotifyProc(item, OffsetButtonNotify);
}

void FrameShowExtra(ADMDialogRef dialog, const void* record) {
  const auto& p = *static_cast<const FramePGParams*>(record);
  const bool relative = p.frameSpaceMode == 0;
  ShowItems(dialog, {kFrameSidesPercent, kFrameSidesPercentSign, kFrameCornerPercent,
                     kFrameCornerPercentSign}, relative);
  ShowItems(dialog, {kFrameSidesPoints, kFrameSidesPointsUnit, kFrameCornerPoints,
                     kFrameCornerPointsUnit}, !relative);
  if (ADMItemRef corner = sADMDialog->GetItem(dialog, kFrameDrawAtCorner))
    sADMItem->Enable(corner, p.cornerOffset == 0.0f);
}

}  // namespace vx
