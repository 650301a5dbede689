// ADM list and entry suites.
#include "host/adm/adm_suites.h"
#include "host/adm/dialog_manager.h"
#include "host/core/core_suites.h"
#include "host/core/host.h"

namespace vx::host::adm {
namespace {

List* L(ADMListRef ref) { return Manager().Find(ref); }
Entry* E(ADMEntryRef ref) { return Manager().Find(ref); }
ADMEntryRef Ref(Entry* e) { return reinterpret_cast<ADMEntryRef>(e); }

void SetMenuID(ADMListRef ref, int32_t menuID) {
  List* l = L(ref);
  if (!l) return;
  const Dialog& d = l->item().dialog();
  l->SetMenu(menuID, Manager().Menu(d.plugin(), menuID));
}
ADMEntryRef InsertEntry(ADMListRef ref, int32_t index) {
  List* l = L(ref);
  return l ? Ref(&l->Insert(index)) : nullptr;
}
void RemoveEntry(ADMListRef ref, int32_t index) {
  if (List* l = L(ref)) l->Remove(index);
}
ADMEntryRef GetEntry(ADMListRef ref, int32_t entryID) {
  List* l = L(ref);
  return l ? Ref(l->WithID(entryID)) : nullptr;
}
ADMEntryRef IndexEntry(ADMListRef ref, int32_t index) {
  List* l = L(ref);
  return l ? Ref(l->At(index)) : nullptr;
}
int32_t NumberOfEntries(ADMListRef ref) {
  List* l = L(ref);
  return l ? l->Count() : 0;
}
ADMEntryRef GetActiveEntry(ADMListRef ref) {
  List* l = L(ref);
  return l ? Ref(l->Active()) : nullptr;
}
ADMItemRef GetItem(ADMListRef ref) {
  List* l = L(ref);
  return l ? reinterpret_cast<ADMItemRef>(&l->item()) : nullptr;
}

// The row at the point, as a press in a list box selects it (rows below the
// item's bottom stand for entries scrolled into view).
ADMEntryRef PickEntry(ADMListRef ref, const ASPoint* point) {
  List* l = L(ref);
  return l && point ? Ref(l->At(DialogManager::ListRowAt(point->v))) : nullptr;
}

const ADMListSuite kList = {SetMenuID,       InsertEntry,    RemoveEntry,
                            GetEntry,        IndexEntry,     NumberOfEntries,
                            GetActiveEntry,  GetItem,        PickEntry};

// ---- entries ---------------------------------------------------------------------
void SetText(ADMEntryRef ref, const char* text) {
  if (Entry* e = E(ref)) {
    e->text = text ? text : "";
    e->list().item().Invalidate();
  }
}
void GetText(ADMEntryRef ref, char* text, int32_t maxLength) {
  Entry* e = E(ref);
  CopyOut(e ? e->text : "", text, maxLength);
}
void SetID(ADMEntryRef ref, int32_t entryID) {
  if (Entry* e = E(ref)) e->id = entryID;
}
int32_t GetID(ADMEntryRef ref) {
  Entry* e = E(ref);
  return e ? e->id : 0;
}
int32_t GetIndex(ADMEntryRef ref) {
  Entry* e = E(ref);
  return e ? e->list().IndexOf(*e) : -1;
}
void Select(ADMEntryRef ref, ASBoolean select) {
  if (Entry* e = E(ref)) e->list().Select(*e, select != 0);
}
ASBoolean IsSelected(ADMEntryRef ref) {
  Entry* e = E(ref);
  return e && e->selected;
}
void Activate(ADMEntryRef ref, ASBoolean activate) {
  Entry* e = E(ref);
  if (!e) return;
  if (activate) e->list().SetActive(e);
  else if (e->list().Active() == e) e->list().SetActive(nullptr);
}
ASBoolean IsActive(ADMEntryRef ref) {
  Entry* e = E(ref);
  return e && e->list().Active() == e;
}
void Enable(ADMEntryRef ref, ASBoolean enable) {
  if (Entry* e = E(ref)) e->enabled = enable != 0;
}
ASBoolean IsEnabled(ADMEntryRef ref) {
  Entry* e = E(ref);
  return e && e->enabled;
}
void Check(ADMEntryRef ref, ASBoolean check) {
  if (Entry* e = E(ref)) e->checked = check != 0;
}
ASBoolean IsChecked(ADMEntryRef ref) {
  Entry* e = E(ref);
  return e && e->checked;
}
void MakeSeparator(ADMEntryRef ref, ASBoolean separator) {
  if (Entry* e = E(ref)) e->separator = separator != 0;
}
void SetPictureID(ADMEntryRef ref, int32_t pictureID) {
  if (Entry* e = E(ref)) e->pictureId = pictureID;
}
ADMListRef GetList(ADMEntryRef ref) {
  Entry* e = E(ref);
  return e ? reinterpret_cast<ADMListRef>(&e->list()) : nullptr;
}

const ADMEntrySuite kEntry = {SetText,  GetText,       SetID,        GetID,
                              GetIndex, Select,        IsSelected,   Activate,
                              IsActive, Enable,        IsEnabled,    Check,
                              IsChecked, MakeSeparator, SetPictureID, GetList};

}  // namespace

void RegisterListSuites(Host& host) {
  host.suites().Add(kADMListSuite, kADMListSuiteVersion, &kList);
  host.suites().Add(kADMEntrySuite, kADMEntrySuiteVersion, &kEntry);
}

}  // namespace vx::host::adm
