// ADM item suite: each item's state and procedures.
#include <cmath>

#include "host/adm/adm_suites.h"
#include "host/adm/dialog_manager.h"
#include "host/core/core_suites.h"
#include "host/core/host.h"

namespace vx::host::adm {
namespace {

Item* I(ADMItemRef ref) { return Manager().Find(ref); }

ADMDialogRef GetDialog(ADMItemRef ref) {
  Item* i = I(ref);
  return i ? reinterpret_cast<ADMDialogRef>(&i->dialog()) : nullptr;
}
int32_t GetID(ADMItemRef ref) {
  Item* i = I(ref);
  return i ? i->id() : 0;
}
ADMListRef GetList(ADMItemRef ref) {
  Item* i = I(ref);
  return i ? reinterpret_cast<ADMListRef>(i->list()) : nullptr;
}
void SetText(ADMItemRef ref, const char* text) {
  if (Item* i = I(ref)) i->SetText(text ? text : "");
}
void GetText(ADMItemRef ref, char* text, int32_t maxLength) {
  Item* i = I(ref);
  CopyOut(i ? i->Text() : "", text, maxLength);
}
int32_t GetTextLength(ADMItemRef ref) {
  Item* i = I(ref);
  return i ? int32_t(i->Text().size()) : 0;
}
void SetMaxTextLength(ADMItemRef ref, int32_t length) {
  if (Item* i = I(ref)) i->maxTextLength = length;
}
void SetIntValue(ADMItemRef ref, int32_t value) {
  if (Item* i = I(ref)) i->SetValue(value);
}
int32_t GetIntValue(ADMItemRef ref) {
  Item* i = I(ref);
  return i ? int32_t(std::lround(i->Value())) : 0;  // half away from zero
}
void SetFloatValue(ADMItemRef ref, AIReal value) {
  if (Item* i = I(ref)) i->SetValue(value);
}
AIReal GetFloatValue(ADMItemRef ref) {
  Item* i = I(ref);
  return i ? AIReal(i->Value()) : 0;
}
void SetBooleanValue(ADMItemRef ref, ASBoolean value) {
  if (Item* i = I(ref)) i->SetBooleanValue(value != 0);
}
ASBoolean GetBooleanValue(ADMItemRef ref) {
  Item* i = I(ref);
  return i && i->BooleanValue();
}
void SetMinFloatValue(ADMItemRef ref, AIReal value) {
  if (Item* i = I(ref)) i->SetMin(value);
}
void SetMaxFloatValue(ADMItemRef ref, AIReal value) {
  if (Item* i = I(ref)) i->SetMax(value);
}
void SetMinIntValue(ADMItemRef ref, int32_t value) {
  if (Item* i = I(ref)) i->SetMin(value);
}
void SetMaxIntValue(ADMItemRef ref, int32_t value) {
  if (Item* i = I(ref)) i->SetMax(value);
}
void SetPrecision(ADMItemRef ref, int32_t digits) {
  if (Item* i = I(ref)) {
    i->precision = digits;
    i->Invalidate();
  }
}
int32_t GetPrecision(ADMItemRef ref) {
  Item* i = I(ref);
  return i ? i->precision : 0;
}
void Enable(ADMItemRef ref, ASBoolean enable) {
  if (Item* i = I(ref); i && i->enabled != (enable != 0)) {
    i->enabled = enable != 0;
    i->Invalidate();
  }
}
ASBoolean IsEnabled(ADMItemRef ref) {
  Item* i = I(ref);
  return i && i->enabled;
}
void Show(ADMItemRef ref, ASBoolean show) {
  Item* i = I(ref);
  if (!i || i->visible == (show != 0)) return;
  i->visible = show != 0;
  i->Invalidate();
  if (!i->visible) i->dialog().needsFullPaint = true;  // uncover what was under it
}
ASBoolean IsVisible(ADMItemRef ref) {
  Item* i = I(ref);
  return i && i->visible;
}
void SetItemStyle(ADMItemRef ref, int32_t style) {
  if (Item* i = I(ref)) {
    i->style = style;
    i->Invalidate();
  }
}
int32_t GetItemStyle(ADMItemRef ref) {
  Item* i = I(ref);
  return i ? i->style : 0;
}
void SetNotifyProc(ADMItemRef ref, ADMItemNotifyProc proc) {
  if (Item* i = I(ref)) i->notifyProc = proc;
}
void DefaultNotify(ADMItemRef ref, ADMNotifierRef notifier) {
  Item* i = I(ref);
  Notification* n = Manager().Find(notifier);
  if (i) Manager().DefaultNotify(*i, n ? n->type.c_str() : kADMUserChangedNotifier);
}
void SetDrawProc(ADMItemRef ref, ADMItemDrawProc proc) {
  if (Item* i = I(ref)) {
    i->drawProc = proc;
    i->Invalidate();
  }
}
void DefaultDraw(ADMItemRef ref, ADMDrawerRef drawer) {
  if (Item* i = I(ref)) Manager().DefaultDraw(*i, drawer);
}
void SetTrackProc(ADMItemRef ref, ADMItemTrackProc proc) {
  if (Item* i = I(ref)) i->trackProc = proc;
}
void SetUserData(ADMItemRef ref, void* userData) {
  if (Item* i = I(ref)) i->userData = userData;
}
void* GetUserData(ADMItemRef ref) {
  Item* i = I(ref);
  return i ? i->userData : nullptr;
}
void SetPictureID(ADMItemRef ref, int32_t pictureID, const char* pictureName) {
  if (Item* i = I(ref)) {
    i->pictureId = pictureID;
    i->pictureName = pictureName ? pictureName : "";
    i->Invalidate();
  }
}
int32_t GetPictureID(ADMItemRef ref) {
  Item* i = I(ref);
  return i ? i->pictureId : 0;
}
void GetBoundsRect(ADMItemRef ref, ASRect* bounds) {
  Item* i = I(ref);
  if (bounds) *bounds = i ? i->bounds : ASRect{};
}
void SetBoundsRect(ADMItemRef ref, const ASRect* bounds) {
  Item* i = I(ref);
  if (!i || !bounds) return;
  i->bounds = *bounds;
  i->dialog().needsFullPaint = true;
}
void Move(ADMItemRef ref, int32_t h, int32_t v) {
  Item* i = I(ref);
  if (!i) return;
  const ASRect b = i->bounds;
  i->bounds = {h, v, h + b.right - b.left, v + b.bottom - b.top};
  i->dialog().needsFullPaint = true;
}
void Size(ADMItemRef ref, int32_t width, int32_t height) {
  Item* i = I(ref);
  if (!i || width < 0 || height < 0) return;
  i->bounds.right = i->bounds.left + width;
  i->bounds.bottom = i->bounds.top + height;
  i->dialog().needsFullPaint = true;
}
void Invalidate(ADMItemRef ref) {
  if (Item* i = I(ref)) i->Invalidate();
}
void Update(ADMItemRef ref) {
  if (Item* i = I(ref)) Manager().Paint(i->dialog());
}
ASBoolean DefaultTrack(ADMItemRef ref, ADMTrackerRef tracker) {
  Item* i = I(ref);
  TrackSession* t = Manager().Find(tracker);
  if (!i || !t) return 0;
  return Manager().DefaultTrack(*i, t->point, t->action, t->modifiers) ? 1 : 0;
}

const ADMItemSuite kItem = {
    GetDialog,       GetID,           GetList,          SetText,
    GetText,         GetTextLength,   SetMaxTextLength, SetIntValue,
    GetIntValue,     SetFloatValue,   GetFloatValue,    SetBooleanValue,
    GetBooleanValue, SetMinFloatValue, SetMaxFloatValue, SetMinIntValue,
    SetMaxIntValue,  SetPrecision,    Enable,           IsEnabled,
    Show,            IsVisible,       SetItemStyle,     GetItemStyle,
    SetNotifyProc,   DefaultNotify,   SetDrawProc,      DefaultDraw,
    SetTrackProc,    SetUserData,     GetUserData,      SetPictureID,
    GetPictureID,    GetBoundsRect,   SetBoundsRect,    Move,
    Size,            Invalidate,      Update,           DefaultTrack,
    GetPrecision};

}  // namespace

void RegisterItemSuite(Host& host) {
  host.suites().Add(kADMItemSuite, kADMItemSuiteVersion, &kItem);
}

}  // namespace vx::host::adm
