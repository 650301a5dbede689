// ADM drawer, icon, tracker and notifier suites: what the plug-in's draw,
// track and notify procedures are handed.
#include <cstring>

#include "host/adm/adm_suites.h"
#include "host/adm/dialog_manager.h"
#include "host/core/core_suites.h"
#include "host/core/host.h"
#include "host/tools/tool_driver.h"

namespace vx::host::adm {
namespace {

// ---- drawer --------------------------------------------------------------------
Drawer* Dr(ADMDrawerRef ref) {
  DrawSession* s = Manager().Find(ref);
  return s ? &s->drawer : nullptr;
}

void GetBoundsRect(ADMDrawerRef ref, ASRect* bounds) {
  Drawer* d = Dr(ref);
  if (bounds) *bounds = d ? d->LocalBounds() : ASRect{};
}
void SetRGBColor(ADMDrawerRef ref, ADMRGBColor color) {
  if (Drawer* d = Dr(ref)) d->SetColor(color);
}
void SetDrawMode(ADMDrawerRef ref, int32_t mode) {
  if (Drawer* d = Dr(ref)) d->SetMode(mode);
}
void DrawLine(ADMDrawerRef ref, const ASPoint* start, const ASPoint* end) {
  if (Drawer* d = Dr(ref); d && start && end) d->Line(*start, *end);
}
void DrawRect(ADMDrawerRef ref, const ASRect* rect) {
  if (Drawer* d = Dr(ref); d && rect) d->Rect(*rect);
}
void FillRect(ADMDrawerRef ref, const ASRect* rect) {
  if (Drawer* d = Dr(ref); d && rect) d->FillRect(*rect);
}
void ClearRect(ADMDrawerRef ref, const ASRect* rect) {
  if (Drawer* d = Dr(ref); d && rect) d->ClearRect(*rect);
}
void DrawOval(ADMDrawerRef ref, const ASRect* rect) {
  if (Drawer* d = Dr(ref); d && rect) d->Oval(*rect);
}
void FillOval(ADMDrawerRef ref, const ASRect* rect) {
  if (Drawer* d = Dr(ref); d && rect) d->FillOval(*rect);
}
void DrawText(ADMDrawerRef ref, const char* text, const ASPoint* point) {
  if (Drawer* d = Dr(ref); d && text && point) d->Text(text, *point);
}
void DrawTextInABox(ADMDrawerRef ref, const ASRect* rect, const char* text) {
  if (Drawer* d = Dr(ref); d && rect && text) d->TextInBox(*rect, text);
}
void DrawPicture(ADMDrawerRef ref, int32_t pictureID, const ASPoint* topLeft) {
  DrawSession* s = Manager().Find(ref);
  if (!s || !topLeft) return;
  if (auto image = Manager().Picture(s->plugin, pictureID))
    s->drawer.Picture(*image, *topLeft);
}

const ADMDrawerSuite kDrawer = {GetBoundsRect, SetRGBColor, SetDrawMode,
                                DrawLine,      DrawRect,    FillRect,
                                ClearRect,     DrawOval,    FillOval,
                                DrawText,      DrawTextInABox, DrawPicture};

// ---- icons -----------------------------------------------------------------------
ADMIconRef GetFromResource(SPPluginRef plugin, int32_t iconID,
                           int32_t /*iconIndex*/) {
  DialogManager& m = Manager();
  if (!m.ModuleOf(plugin)) return nullptr;
  Icon* icon = m.LoadIcon(plugin, iconID);
  VX_LOG(m.host(), "icon " << iconID << (icon->image.empty() ? " (none)" : ""));
  return reinterpret_cast<ADMIconRef>(icon);
}
int32_t GetType(ADMIconRef ref) {
  Icon* icon = Manager().Find(ref);
  return icon && !icon->image.empty() ? kADMIconBitmap : kADMUnknownIconType;
}
void DestroyIcon(ADMIconRef ref) {
  if (Icon* icon = Manager().Find(ref)) Manager().DestroyIcon(icon);
}

const ADMIconSuite kIcon = {GetFromResource, GetType, DestroyIcon};

// ---- tracker -----------------------------------------------------------------------
void GetPoint(ADMTrackerRef ref, ASPoint* point) {
  TrackSession* t = Manager().Find(ref);
  if (point) *point = t ? t->point : ASPoint{};
}
int32_t GetAction(ADMTrackerRef ref) {
  TrackSession* t = Manager().Find(ref);
  return t ? t->action : 0;
}
uint32_t GetModifiers(ADMTrackerRef ref) {
  // No tracker: the document window's, as a tool event left it.
  if (!ref) return Manager().host().tools().trackerModifiers();
  TrackSession* t = Manager().Find(ref);
  return t ? t->modifiers : 0;
}
void Abort(ADMTrackerRef ref) {
  if (TrackSession* t = Manager().Find(ref)) t->aborted = true;
}

const ADMTrackerSuite kTracker = {GetPoint, GetAction, GetModifiers, Abort};

// ---- notifier ----------------------------------------------------------------------
ADMItemRef GetItem(ADMNotifierRef ref) {
  Notification* n = Manager().Find(ref);
  return n ? reinterpret_cast<ADMItemRef>(n->item) : nullptr;
}
ADMDialogRef GetDialog(ADMNotifierRef ref) {
  Notification* n = Manager().Find(ref);
  return n ? reinterpret_cast<ADMDialogRef>(n->dialog) : nullptr;
}
ASBoolean IsNotifierType(ADMNotifierRef ref, const char* type) {
  Notification* n = Manager().Find(ref);
  return n && type && n->type == type;
}
void GetNotifierType(ADMNotifierRef ref, char* type, int32_t maxLength) {
  Notification* n = Manager().Find(ref);
  CopyOut(n ? n->type : "", type, maxLength);
}

const ADMNotifierSuite kNotifier = {GetItem, GetDialog, IsNotifierType,
                                    GetNotifierType};

}  // namespace

void RegisterDrawingSuites(Host& host) {
  host.suites().Add(kADMDrawerSuite, kADMDrawerSuiteVersion, &kDrawer);
  host.suites().Add(kADMIconSuite, kADMIconSuiteVersion, &kIcon);
  host.suites().Add(kADMTrackerSuite, kADMTrackerSuiteVersion, &kTracker);
  host.suites().Add(kADMNotifierSuite, kADMNotifierSuiteVersion, &kNotifier);
}

}  // namespace vx::host::adm
