// ADM dialog and dialog group suites.
#include "host/adm/adm_suites.h"
#include "host/adm/dialog_manager.h"
#include "host/core/core_suites.h"
#include "host/core/host.h"

namespace vx::host::adm {
namespace {

Dialog* D(ADMDialogRef ref) { return Manager().Find(ref); }

int32_t Modal(SPPluginRef plugin, const char* name, int32_t dialogID,
              int32_t style, ADMDialogInitProc initProc, void* userData,
              int32_t /*options*/) {
  return Manager().RunModal(plugin, name, dialogID, style, initProc, userData);
}

ADMDialogRef Create(SPPluginRef plugin, const char* name, int32_t dialogID,
                    int32_t style, ADMDialogInitProc initProc, void* userData,
                    int32_t /*options*/) {
  return reinterpret_cast<ADMDialogRef>(
      Manager().CreatePalette(plugin, name, dialogID, style, initProc, userData));
}

void Destroy(ADMDialogRef ref) {
  if (Dialog* d = D(ref)) {
    VX_LOG(Manager().host(), "destroy dialog \"" << d->name() << "\"");
    Manager().Destroy(*d);
  }
}

void EndModal(ADMDialogRef ref, int32_t modalResultID, ASBoolean) {
  if (Dialog* d = D(ref)) Manager().EndModal(*d, modalResultID);
}

ADMItemRef GetItem(ADMDialogRef ref, int32_t itemID) {
  Dialog* d = D(ref);
  if (!d) return nullptr;
  if (itemID == kADMMenuItemID && !d->modal())
    return reinterpret_cast<ADMItemRef>(&d->MenuItem());
  return reinterpret_cast<ADMItemRef>(d->GetItem(itemID));
}

void* GetUserData(ADMDialogRef ref) {
  Dialog* d = D(ref);
  return d ? d->userData : nullptr;
}
void SetUserData(ADMDialogRef ref, void* userData) {
  if (Dialog* d = D(ref)) d->userData = userData;
}
SPPluginRef GetPluginRef(ADMDialogRef ref) {
  Dialog* d = D(ref);
  return d ? d->plugin() : nullptr;
}
const char* GetDialogName(ADMDialogRef ref) {
  Dialog* d = D(ref);
  return d ? d->name().c_str() : "";
}
int32_t GetID(ADMDialogRef ref) {
  Dialog* d = D(ref);
  return d ? d->templateId() : 0;
}
void Show(ADMDialogRef ref, ASBoolean show) {
  if (Dialog* d = D(ref)) Manager().Show(*d, show != 0);
}
ASBoolean IsVisible(ADMDialogRef ref) {
  Dialog* d = D(ref);
  return d && d->visible;
}
void Activate(ADMDialogRef ref, ASBoolean activate) {
  Dialog* d = D(ref);
  if (!d || d->active == (activate != 0)) return;
  d->active = activate != 0;
  Manager().NotifyDialog(*d, kADMWindowActivateNotifier);
}
ASBoolean IsActive(ADMDialogRef ref) {
  Dialog* d = D(ref);
  return d && d->active;
}
ASBoolean IsCollapsed(ADMDialogRef ref) {
  Dialog* d = D(ref);
  return d && d->collapsed;
}
void SetText(ADMDialogRef ref, const char* text) {
  if (Dialog* d = D(ref)) d->title = text ? text : "";
}
void GetText(ADMDialogRef ref, char* text, int32_t maxLength) {
  Dialog* d = D(ref);
  CopyOut(d ? d->title : "", text, maxLength);
}
void Move(ADMDialogRef ref, int32_t h, int32_t v) {
  Dialog* d = D(ref);
  if (!d) return;
  ASRect b = d->bounds;
  Manager().SetBounds(*d, {h, v, h + b.right - b.left, v + b.bottom - b.top});
}
void Size(ADMDialogRef ref, int32_t width, int32_t height) {
  Dialog* d = D(ref);
  if (!d || width <= 0 || height <= 0) return;
  ASRect b = d->bounds;
  Manager().SetBounds(*d, {b.left, b.top, b.left + width, b.top + height});
}
void GetBoundsRect(ADMDialogRef ref, ASRect* bounds) {
  Dialog* d = D(ref);
  if (bounds) *bounds = d ? d->bounds : ASRect{};
}
void SetBoundsRect(ADMDialogRef ref, const ASRect* bounds) {
  Dialog* d = D(ref);
  if (d && bounds && bounds->right > bounds->left && bounds->bottom > bounds->top)
    Manager().SetBounds(*d, *bounds);
}
void GetLocalRect(ADMDialogRef ref, ASRect* bounds) {
  Dialog* d = D(ref);
  if (!bounds) return;
  *bounds = d ? ASRect{0, 0, d->bounds.right - d->bounds.left,
                       d->bounds.bottom - d->bounds.top}
              : ASRect{};
}
void SetNotifyProc(ADMDialogRef ref, ADMDialogNotifyProc proc) {
  if (Dialog* d = D(ref)) d->notifyProc = proc;
}
void SetDestroyProc(ADMDialogRef ref, ADMDialogDestroyProc proc) {
  if (Dialog* d = D(ref)) d->destroyProc = proc;
}
void SetDrawProc(ADMDialogRef ref, ADMDialogDrawProc proc) {
  if (Dialog* d = D(ref)) {
    d->drawProc = proc;
    d->needsFullPaint = true;
  }
}
void SetDefaultItemID(ADMDialogRef ref, int32_t itemID) {
  if (Dialog* d = D(ref)) d->defaultItem = itemID;
}
void SetCancelItemID(ADMDialogRef ref, int32_t itemID) {
  if (Dialog* d = D(ref)) d->cancelItem = itemID;
}
void Invalidate(ADMDialogRef ref) {
  if (Dialog* d = D(ref)) d->needsFullPaint = true;
}
void Update(ADMDialogRef ref) {
  if (Dialog* d = D(ref)) Manager().Paint(*d);
}

const ADMDialogSuite kDialog = {
    Modal,        Create,        Destroy,        EndModal,      GetItem,
    GetUserData,  SetUserData,   GetPluginRef,   GetDialogName, GetID,
    Show,         IsVisible,     Activate,       IsActive,      IsCollapsed,
    SetText,      GetText,       Move,           Size,          GetBoundsRect,
    SetBoundsRect, GetLocalRect, SetNotifyProc,  SetDestroyProc, SetDrawProc,
    SetDefaultItemID, SetCancelItemID, Invalidate, Update};

// ---- docking groups ------------------------------------------------------------
ASErr GetDialogGroupInfo(ADMDialogRef ref, const char** groupName,
                         int32_t* positionCode) {
  Dialog* d = D(ref);
  if (!d) return kSPBadParameterError;
  if (groupName) *groupName = d->groupName.c_str();
  if (positionCode) *positionCode = d->groupCode;
  return kNoErr;
}
ASErr SetDialogGroupInfo(ADMDialogRef ref, const char* groupName,
                         int32_t positionCode) {
  Dialog* d = D(ref);
  if (!d) return kSPBadParameterError;
  d->groupName = groupName ? groupName : "";
  d->groupCode = positionCode;
  return kNoErr;
}

const ADMDialogGroupSuite kDialogGroup = {GetDialogGroupInfo,
                                          SetDialogGroupInfo};

}  // namespace

void RegisterDialogSuites(Host& host) {
  host.suites().Add(kADMDialogSuite, kADMDialogSuiteVersion, &kDialog);
  host.suites().Add(kADMDialogGroupSuite, kADMDialogGroupSuiteVersion,
                    &kDialogGroup);
}

}  // namespace vx::host::adm
