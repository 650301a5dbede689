// The Live Border palette's own items and the Border action's keys.
#include <cmath>
#include <cstddef>
#include <cstdio>
#include <initializer_list>

#include "effects/angle_dial.h"
#include "effects/border_effect.h"
#include "effects/effect_framework.h"
#include "shell/error_report.h"
#include "shell/suites.h"

namespace vx {
namespace {

enum BorderItem : int32_t {
  kArcField = 2, kArcMinus = 4, kArcZero = 5, kArcPlus = 6, kArcSlider = 7,
  kReverse = 8, kStepsMode = 9, kStepsLabel = 10, kSteps = 11, kOffset = 13,
  kAngleDial = 16, kAngle = 17, kOutside = 19, kInside = 20, kShadowBox = 21,
  kShadowFirst = 22, kTint = 23, kShadowOffset = 26, kLightDial = 29,
  kLightAngle = 30, kShadowLast = 31
};

constexpr int32_t kArcPictures = 17800;     // 17800, 17802, 17804
constexpr int32_t kReversePictures = 17806; // 17806, 17808, 17810
constexpr int32_t kManual = 3;

constexpr uint32_t Key(const char (&s)[5]) {
  return uint32_t(VX_FOURCC(s[0], s[1], s[2], s[3]));
}
constexpr int32_t kActionTexts = 18900;
constexpr int32_t kStyleNames = 12;  // 18912 "Outside", 18913 "Inside"
constexpr int32_t kStepsNames = 14;  // 18914 + mode

BorderPGParams* Record() {
  return static_cast<BorderPGParams*>(gGlobals->effectRecords[kBorder]);
}

ADMItemRef Item(ADMDialogRef dialog, int32_t id) {
  return sADMDialog->GetItem(dialog, id);
}

void SetFloat(ADMDialogRef dialog, int32_t id, float value) {
  if (ADMItemRef item = Item(dialog, id)) sADMItem->SetFloatValue(item, value);
}

void Enable(ADMDialogRef dialog, int32_t id, bool on) {
  if (ADMItemRef item = Item(dialog, id)) sADMItem->Enable(item, on);
}

void ShowArcPictures(ADMDialogRef dialog, bool reverse) {
  const int32_t first = reverse ? kReversePictures : kArcPictures;
  for (int32_t k = 0; k < 3; ++k)
    if (ADMItemRef item = Item(dialog, kArcMinus + k))
      sADMItem->SetPictureID(item, first + 2 * k, nullptr);
}

void EnableSteps(ADMDialogRef dialog, int32_t mode) {
  Enable(dialog, kStepsLabel, mode == kManual);
  Enable(dialog, kSteps, mode == kManual);
}

void EnableShadow(ADMDialogRef dialog, bool on) {
  for (int32_t id = kShadowFirst; id <= kShadowLast; ++id) Enable(dialog, id, on);
}

void ShowArc(ADMDialogRef dialog, float arc) {
  SetFloat(dialog, kArcField, arc * 100.0f);
  SetFloat(dialog, kArcSlider, arc * 100.0f);
}

// Runs the change on the record for a user change, then live-updates.
template <typename Change>
void OnUserChange(ADMItemRef item, ADMNotifierRef notifier, Change&& change) {
  if (!sADMNotifier->IsNotifierType(notifier, kADMUserChangedNotifier)) return;
  BorderPGParams* p = Record();
  if (!p) return;
  if (!change(*p, sADMItem->GetDialog(item))) return;
  if (ASErr err = LiveUpdateSelection(kBorder)) ReportError(gGlobals->PluginRef, err);
}

float ValueOf(ADMItemRef item) { return sADMItem->GetFloatValue(item); }

void ArcFieldNotify(ADMItemRef item, ADMNotifierRef n) {
  OnUserChange(item, n, [&](BorderPGParams& p, ADMDialogRef d) {
    p.gradientArc = ValueOf(item) * 0.01f;
    SetFloat(d, kArcSlider, p.gradientArc * 100.0f);
    return true;
  });
}

void ArcButtonNotify(ADMItemRef item, ADMNotifierRef n) {
  OnUserChange(item, n, [&](BorderPGParams& p, ADMDialogRef d) {
    p.gradientArc = float(sADMItem->GetID(item) - kArcZero);
    ShowArc(d, p.gradientArc);
    return true;
  });
}

ASBoolean ArcSliderTrack(ADMItemRef item, ADMTrackerRef tracker) {
  const ASBoolean notify = sADMItem->DefaultTrack(item, tracker);
  if (BorderPGParams* p = Record()) {
    p->gradientArc = ValueOf(item) * 0.01f;
    ShowArc(sADMItem->GetDialog(item), p->gradientArc);
  }
  return notify;
}

void ArcSliderNotify(ADMItemRef item, ADMNotifierRef n) {
  OnUserChange(item, n, [&](BorderPGParams& p, ADMDialogRef d) {
    p.gradientArc = ValueOf(item) * 0.01f;
    SetFloat(d, kArcField, p.gradientArc * 100.0f);
    return true;
  });
}

void ReverseNotify(ADMItemRef item, ADMNotifierRef n) {
  OnUserChange(item, n, [&](BorderPGParams& p, ADMDialogRef d) {
    p.reverse = sADMItem->GetBooleanValue(item) ? 1 : 0;
    ShowArcPictures(d, p.reverse != 0);
    return true;
  });
}

void StepsModeNotify(ADMItemRef item, ADMNotifierRef n) {
  OnUserChange(item, n, [&](BorderPGParams& p, ADMDialogRef d) {
    ADMEntryRef entry = sADMList->GetActiveEntry(sADMItem->GetList(item));
    if (!entry) return false;
    const int32_t mode = sADMEntry->GetIndex(entry);
    if (mode == p.stepsMode) return false;  // the same entry again
    p.stepsMode = mode;
    EnableSteps(d, mode);
    return true;
  });
}

void StepsNotify(ADMItemRef item, ADMNotifierRef n) {
  OnUserChange(item, n, [&](BorderPGParams& p, ADMDialogRef) {
    p.steps = sADMItem->GetIntValue(item);
    return true;
  });
}

void OffsetNotify(ADMItemRef item, ADMNotifierRef n) {
  OnUserChange(item, n, [&](BorderPGParams& p, ADMDialogRef) {
    p.offset = ValueOf(item) * 0.01f;
    return true;
  });
}

// Angle fields and their dials: the field's value in degrees is the record's
// angle; a dial's notify takes its (rounded) field's value.
template <float BorderPGParams::*Field>
void AngleFieldNotify(ADMItemRef item, ADMNotifierRef n) {
  OnUserChange(item, n, [&](BorderPGParams& p, ADMDialogRef d) {
    p.*Field = RecordRadians(ValueOf(item));
    const int32_t dial = Field == &BorderPGParams::angle ? kAngleDial : kLightDial;
    if (ADMItemRef dialItem = Item(d, dial)) sADMItem->Invalidate(dialItem);
    return true;
  });
}

template <float BorderPGParams::*Field>
void DialNotify(ADMItemRef item, ADMNotifierRef n) {
  OnUserChange(item, n, [&](BorderPGParams& p, ADMDialogRef d) {
    const int32_t field = Field == &BorderPGParams::angle ? kAngle : kLightAngle;
    ADMItemRef spin = Item(d, field);
    if (!spin) return false;
    p.*Field = RecordRadians(ValueOf(spin));
    return true;
  });
}

void StyleNotify(ADMItemRef item, ADMNotifierRef n) {
  OnUserChange(item, n, [&](BorderPGParams& p, ADMDialogRef) {
    if (!sADMItem->GetBooleanValue(item)) return false;
    p.style = sADMItem->GetID(item) == kOutside ? 0 : 1;
    return true;
  });
}

void ShadowNotify(ADMItemRef item, ADMNotifierRef n) {
  OnUserChange(item, n, [&](BorderPGParams& p, ADMDialogRef d) {
    p.shadow = sADMItem->GetBooleanValue(item) ? 1 : 0;
    EnableShadow(d, p.shadow != 0);
    return true;
  });
}

void TintNotify(ADMItemRef item, ADMNotifierRef n) {
  OnUserChange(item, n, [&](BorderPGParams& p, ADMDialogRef) {
    p.shadowTint = ValueOf(item) * 0.01f;
    return true;
  });
}

void ShadowOffsetNotify(ADMItemRef item, ADMNotifierRef n) {
  OnUserChange(item, n, [&](BorderPGParams& p, ADMDialogRef) {
    p.shadowOffset = ValueOf(item);
    return true;
  });
}

struct FieldSetUp {
  int32_t id;
  float min, max;
  int32_t precision;
  int32_t menu;  // 0: none
  ADMItemNotifyProc notify;
};

const FieldSetUp kFields[] = {
    {kArcField, -100, 100, 0, 0, ArcFieldNotify},
    {kSteps, 1, 1000, 0, 16404, StepsNotify},
    {kOffset, 0, 4000, 1, 16400, OffsetNotify},
    {kAngle, -180, 180, 0, 16402, AngleFieldNotify<&BorderPGParams::angle>},
    {kTint, 0, 100, 1, 16406, TintNotify},
    {kShadowOffset, 0, 4000, 1, 16408, ShadowOffsetNotify},
    {kLightAngle, -180, 180, 0, 16410, AngleFieldNotify<&BorderPGParams::lightAngle>},
};

// Action values: reads fail with the host's code.
ASErr ReadUnitReal(AIActionParamValueRef v, uint32_t key, float* out) {
  ActionParamUnitID unit = 0;
  return sActionManager->AIActionGetUnitReal(v, key, &unit, out);
}

ASErr ReadFlag(AIActionParamValueRef v, uint32_t key, int32_t* out) {
  ASBoolean b = false;
  if (ASErr err = sActionManager->AIActionGetBoolean(v, key, &b)) return err;
  *out = b ? 1 : 0;
  return kNoErr;
}

ASErr ReadEnum(AIActionParamValueRef v, uint32_t key, int32_t* out) {
  char name[256];
  return sActionManager->AIActionGetEnumerated(v, key, name, sizeof name, out);
}

}  // namespace

void BorderSetUpItems(ADMDialogRef dialog) {
  for (const FieldSetUp& f : kFields) {
    ADMItemRef item = Item(dialog, f.id);
    if (!item) continue;
    if (f.id == kSteps) {
      sADMItem->SetMinIntValue(item, int32_t(f.min));
      sADMItem->SetMaxIntValue(item, int32_t(f.max));
    } else {
      sADMItem->SetMinFloatValue(item, f.min);
      sADMItem->SetMaxFloatValue(item, f.max);
    }
    sADMItem->SetPrecision(item, f.precision);
    if (f.menu)
      if (ADMListRef list = sADMItem->GetList(item)) sADMList->SetMenuID(list, f.menu);
    sADMItem->SetNotifyProc(item, f.notify);
  }
  if (ADMItemRef slider = Item(dialog, kArcSlider)) {
    sADMItem->SetMinFloatValue(slider, -100);
    sADMItem->SetMaxFloatValue(slider, 100);
    sADMItem->SetTrackProc(slider, ArcSliderTrack);
    sADMItem->SetNotifyProc(slider, ArcSliderNotify);
  }
  ShowArcPictures(dialog, false);
  for (int32_t id : {kArcMinus, kArcZero, kArcPlus})
    if (ADMItemRef item = Item(dialog, id)) sADMItem->SetNotifyProc(item, ArcButtonNotify);
  if (ADMItemRef item = Item(dialog, kReverse)) sADMItem->SetNotifyProc(item, ReverseNotify);
  if (ADMItemRef item = Item(dialog, kStepsMode)) {
    if (ADMListRef list = sADMItem->GetList(item)) sADMList->SetMenuID(list, 16412);
    sADMItem->SetNotifyProc(item, StepsModeNotify);
  }
  for (int32_t id : {kOutside, kInside})
    if (ADMItemRef item = Item(dialog, id)) sADMItem->SetNotifyProc(item, StyleNotify);
  if (ADMItemRef item = Item(dialog, kShadowBox)) sADMItem->SetNotifyProc(item, ShadowNotify);
  SetUpAngleDial(Item(dialog, kAngleDial), offsetof(BorderPGParams, angle), kAngle,
                 DialNotify<&BorderPGParams::angle>);
  SetUpAngleDial(Item(dialog, kLightDial), offsetof(BorderPGParams, lightAngle),
                 kLightAngle, DialNotify<&BorderPGParams::lightAngle>);
}

void BorderRefresh(ADMDialogRef dialog, const void* record) {
  const auto& p = *static_cast<const BorderPGParams*>(record);
  ShowArc(dialog, p.gradientArc);
  if (ADMItemRef item = Item(dialog, kReverse))
    sADMItem->SetBooleanValue(item, p.reverse != 0);
  ShowArcPictures(dialog, p.reverse != 0);
  if (ADMItemRef item = Item(dialog, kStepsMode)) {
    ADMListRef list = sADMItem->GetList(item);
    if (ADMEntryRef entry = list ? sADMList->IndexEntry(list, p.stepsMode) : nullptr)
      sADMEntry->Select(entry, true);
  }
  if (ADMItemRef item = Item(dialog, kSteps)) sADMItem->SetIntValue(item, p.steps);
  EnableSteps(dialog, p.stepsMode);
  SetFloat(dialog, kOffset, p.offset * 100.0f);
  SetFloat(dialog, kAngle, ShownDegrees(p.angle));
  if (ADMItemRef item = Item(dialog, kAngleDial)) sADMItem->Invalidate(item);
  if (ADMItemRef item = Item(dialog, kOutside)) sADMItem->SetBooleanValue(item, p.style == 0);
  if (ADMItemRef item = Item(dialog, kInside)) sADMItem->SetBooleanValue(item, p.style == 1);
  if (ADMItemRef item = Item(dialog, kShadowBox)) sADMItem->SetBooleanValue(item, p.shadow != 0);
  SetFloat(dialog, kTint, p.shadowTint * 100.0f);
  SetFloat(dialog, kShadowOffset, p.shadowOffset);
  SetFloat(dialog, kLightAngle, ShownDegrees(p.lightAngle));
  if (ADMItemRef item = Item(dialog, kLightDial)) sADMItem->Invalidate(item);
  EnableShadow(dialog, p.shadow != 0);
}

ASErr BorderReadAction(AIActionParamValueRef v, void* record) {
  auto& p = *static_cast<BorderPGParams*>(record);
  if (ASErr err = ReadEnum(v, Key("styl"), &p.style)) return err;
  float value = 0;
  if (ASErr err = ReadUnitReal(v, Key("brgt"), &value)) return err;
  p.gradientArc = value * 0.01f;
  if (ASErr err = ReadFlag(v, Key("brtR"), &p.reverse)) return err;
  (void)ReadEnum(v, Key("stSy"), &p.stepsMode);  // a missing mode keeps the record's
  if (p.stepsMode == kManual) {
    char text[256] = "";
    if (ASErr err = sActionManager->AIActionGetString(v, Key("step"), text, sizeof text))
      return err;
    AIReal number = 0;
    if (ASErr err = sUser->StringToNumber(text, &number)) return err;
    p.steps = int32_t(number);
  } else {
    p.steps = 3;
  }
  if (ASErr err = ReadUnitReal(v, Key("ofst"), &value)) return err;
  p.offset = value * 0.01f;
  if (ASErr err = ReadUnitReal(v, Key("angl"), &value)) return err;
  p.angle = RecordRadians(value);
  if (ASErr err = ReadFlag(v, Key("shdF"), &p.shadow)) return err;
  if (p.shadow) {
    if (ASErr err = ReadUnitReal(v, Key("shdw"), &value)) return err;
    p.shadowTint = value * 0.01f;
    if (ASErr err = ReadUnitReal(v, Key("shOf"), &p.shadowOffset)) return err;
    if (ASErr err = ReadUnitReal(v, Key("shAg"), &value)) return err;
    p.lightAngle = RecordRadians(value);
  }
  return kNoErr;
}

ASErr BorderWriteAction(SPPluginRef plugin, AIActionParamValueRef v,
                        const void* record) {
  const auto& p = *static_cast<const BorderPGParams*>(record);
  const AIActionManagerSuite& a = *sActionManager;
  char name[256] = "";
  sADMBasic->GetIndexString(plugin, kActionTexts, kStyleNames + p.style, name, sizeof name);
  if (ASErr err = a.AIActionSetEnumerated(v, Key("styl"), name, p.style)) return err;
  if (ASErr err = a.AIActionSetUnitReal(v, Key("brgt"), unitPercent, p.gradientArc * 100.0f))
    return err;
  if (ASErr err = a.AIActionSetBoolean(v, Key("brtR"), p.reverse != 0)) return err;
  if (ASErr err = a.AIActionSetEnumerated(v, Key("stSy"), "", p.stepsMode)) return err;
  char steps[256] = "";
  if (p.stepsMode == kManual)
    std::snprintf(steps, sizeof steps, "%d", int(p.steps));
  else
    sADMBasic->GetIndexString(plugin, kActionTexts, kStepsNames + p.stepsMode, steps,
                              sizeof steps);
  if (ASErr err = a.AIActionSetString(v, Key("step"), steps)) return err;
  if (ASErr err = a.AIActionSetUnitReal(v, Key("ofst"), unitPercent, p.offset * 100.0f))
    return err;
  if (ASErr err = a.AIActionSetUnitReal(v, Key("angl"), unitAngle, ShownDegrees(p.angle)))
    return err;
  if (ASErr err = a.AIActionSetBoolean(v, Key("shdF"), p.shadow != 0)) return err;
  if (!p.shadow) return kNoErr;
  if (ASErr err = a.AIActionSetUnitReal(v, Key("shdw"), unitPercent, p.shadowTint * 100.0f))
    return err;
  if (ASErr err = a.AIActionSetUnitReal(v, Key("shOf"), unitPixels, p.shadowOffset))
    return err;
  return a.AIActionSetUnitReal(v, Key("shAg"), unitAngle, ShownDegrees(p.lightAngle));
}

}  // namespace vx
