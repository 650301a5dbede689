// The preset manager window: a list of the user presets of the owner's kind
// with New, Delete Selection, Import and Export Selection; Alt-click on an
// entry overwrites it with the current settings, a double click applies it
// to the owner, and dragging an entry moves it.
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "generated/resource_ids.h"
#include "presets/param_record.h"
#include "presets/preset_file.h"
#include "presets/preset_menu.h"
#include "shell/blocks.h"
#include "shell/error_report.h"
#include "shell/globals.h"
#include "shell/suites.h"

namespace vx {
namespace {

using preset_ui::PresetText;
using preset_ui::ShowPresetFileError;
using preset_ui::ShowPresetMessage;

namespace Manager = res::PresetManager;
constexpr int32_t kMaxTextIndex = 2, kSomeNotImportedIndex = 3,
                  kManagerTitleIndex = 4, kNewNameIndex = 5,
                  kChooseFolderIndex = 6, kImportTitleIndex = 7;

struct ManagerState {
  const PresetMenuOwner* owner;
  uint32_t listModifiers;  // of the last click in the list
  ASErr initError;         // why the window could not be opened
  // The entry being dragged: its position when pressed and where the list
  // shows it now; -1 while no drag runs.
  int32_t dragFrom;
  int32_t dragAt;
};

ManagerState& StateOf(ADMDialogRef dialog) {
  return *static_cast<ManagerState*>(sADMDialog->GetUserData(dialog));
}

ADMListRef ListOf(ADMDialogRef dialog, int32_t itemId) {
  return sADMItem->GetList(sADMDialog->GetItem(dialog, itemId));
}

ADMListRef OwnerMenu(const PresetMenuOwner& owner) {
  if (!owner.dialog) return nullptr;
  ADMItemRef item = sADMDialog->GetItem(owner.dialog, owner.menuItemId);
  return item ? sADMItem->GetList(item) : nullptr;
}

int32_t SelectedCount(ADMListRef list) {
  int32_t n = 0;
  for (int32_t i = 0, count = sADMList->NumberOfEntries(list); i < count; ++i)
    if (sADMEntry->IsSelected(sADMList->IndexEntry(list, i))) ++n;
  return n;
}

void UpdateButtons(ADMDialogRef dialog) {
  const bool any = SelectedCount(ListOf(dialog, Manager::kList)) > 0;
  sADMItem->Enable(sADMDialog->GetItem(dialog, Manager::kDelete), any);
  sADMItem->Enable(sADMDialog->GetItem(dialog, Manager::kExport), any);
}

void ShowCode(const PresetMenuOwner& owner, ASErr code) {
  if (owner.reportError)
    owner.reportError(owner.plugin, code);
  else
    ReportError(owner.plugin, code);
}

// The user's file of the owner's kind.
ASErr UserFile(const PresetMenuOwner& owner, char* path, std::size_t size) {
  return UserPresetPath(owner.presetFile, path, size);
}

// "<folder>/<preset file>" of a folder the user chose.
bool FileInFolder(const char* folder, const char* file, char* out,
                  std::size_t size) {
  char withSlash[kPresetPathSize];
  const std::size_t n = std::strlen(folder);
  const char* sep = n > 0 && folder[n - 1] == '/' ? "" : "/";
  return presets::JoinPath(folder, sep, withSlash, sizeof withSlash) &&
         presets::JoinPath(withSlash, file, out, size);
}

// Same file when both name the same existing file.
bool SameFile(const char* a, const char* b) {
  std::error_code ec;
  return std::strcmp(a, b) == 0 || std::filesystem::equivalent(a, b, ec);
}

ASErr RefillList(ADMDialogRef dialog) {
  ADMListRef list = ListOf(dialog, Manager::kList);
  while (sADMList->NumberOfEntries(list) > 0) sADMList->RemoveEntry(list, 0);
  return FillPresetList(list, StateOf(dialog).owner->presetFile, false);
}

// ---- New ------------------------------------------------------------------------

void NewPreset(ADMDialogRef dialog) {
  const PresetMenuOwner& owner = *StateOf(dialog).owner;
  ADMListRef list = ListOf(dialog, Manager::kList);
  const int32_t count = sADMList->NumberOfEntries(list);
  char name[kParamNameSize];
  PresetText(owner.plugin, kNewNameIndex, name, sizeof name);
  char number[16];
  std::snprintf(number, sizeof number, "%d", int(count + 1));
  std::strncat(name, number, sizeof name - std::strlen(name) - 1);
  char* record = static_cast<char*>(owner.record);
  presets::SetRecordName(record, name);
  if (!preset_ui::AskPresetName(owner.plugin, res::kNewPreset, record))
    return;
  if (AppendPreset(owner.presetFile, record)) {
    ShowPresetFileError(owner.plugin);
    return;
  }
  if (count >= kMaxUserPresets) {
    ShowPresetMessage(owner.plugin, kMaxTextIndex);
    return;
  }
  for (int32_t i = 0; i < count; ++i)
    sADMEntry->Select(sADMList->IndexEntry(list, i), false);
  ADMEntryRef entry = sADMList->InsertEntry(list, count);
  sADMEntry->SetText(entry, record);
  sADMEntry->SetID(entry, count);
  sADMEntry->Select(entry, true);
  if (ADMListRef menu = OwnerMenu(owner)) {
    char shown[kParamNameSize];
    PresetMenuText(record, shown);
    ADMEntryRef item =
        sADMList->InsertEntry(menu, kPresetMenuFirstPreset + count);
    sADMEntry->SetText(item, shown);
    sADMEntry->SetID(item, kPresetMenuFirstPreset + count);
  }
  UpdateButtons(dialog);
}

// ---- Delete ---------------------------------------------------------------------

void DeleteSelection(ADMDialogRef dialog) {
  const PresetMenuOwner& owner = *StateOf(dialog).owner;
  if (sADMDialog->Modal(owner.plugin, nullptr, res::kDeletePresets,
                        kADMModalDialogStyle, nullptr, nullptr, 0) !=
      kADMDefaultItemID)
    return;
  ADMListRef list = ListOf(dialog, Manager::kList);
  const int32_t count = sADMList->NumberOfEntries(list);
  BlockPtr<PresetIndex> positions;
  if (positions.Allocate(std::size_t(count) + 1, "indPtr")) {
    ShowPresetFileError(owner.plugin);
    return;
  }
  int32_t n = 0;
  for (int32_t i = 0; i < count; ++i)
    if (sADMEntry->IsSelected(sADMList->IndexEntry(list, i)))
      positions[std::size_t(n++)] = PresetIndex(i);
  if (DeletePresets(owner.presetFile, positions.get(), n)) {
    ShowPresetFileError(owner.plugin);
    return;
  }
  ADMListRef menu = OwnerMenu(owner);
  for (int32_t k = n - 1; k >= 0; --k) {
    sADMList->RemoveEntry(list, positions[std::size_t(k)]);
    if (menu)
      sADMList->RemoveEntry(menu, kPresetMenuFirstPreset + positions[std::size_t(k)]);
  }
  UpdateButtons(dialog);
}

// ---- Update (Alt-click) ----------------------------------------------------------

void UpdateEntry(ADMDialogRef dialog, int32_t position) {
  const PresetMenuOwner& owner = *StateOf(dialog).owner;
  ADMEntryRef entry = sADMList->IndexEntry(ListOf(dialog, Manager::kList), position);
  if (!entry) return;
  char* record = static_cast<char*>(owner.record);
  char text[kParamNameSize];
  sADMEntry->GetText(entry, text, sizeof text);
  presets::SetRecordName(record, text);
  if (!preset_ui::AskPresetName(owner.plugin, res::kUpdatePreset, record))
    return;
  sADMEntry->SetText(entry, record);
  if (SavePreset(owner.presetFile, record, PresetIndex(position))) {
    ShowPresetFileError(owner.plugin);
    return;
  }
  if (ADMListRef menu = OwnerMenu(owner)) {
    char shown[kParamNameSize];
    PresetMenuText(record, shown);
    if (ADMEntryRef item =
            sADMList->IndexEntry(menu, kPresetMenuFirstPreset + position))
      sADMEntry->SetText(item, shown);
  }
}

// ---- Import -------------------------------------------------------------------

void ImportSelectionChanged(ADMItemRef item, ADMNotifierRef) {
  ADMDialogRef dialog = sADMItem->GetDialog(item);
  sADMItem->Enable(sADMDialog->GetItem(dialog, kADMDefaultItemID),
                   SelectedCount(sADMItem->GetList(item)) > 0);
}

// The positions chosen in the import list, noted at every change of its
// selection so that they outlive the dialog.
struct ImportChoice {
  const char* path;
  PresetIndex* positions;
  int32_t capacity;
  int32_t count;
};

void RememberImportChoice(ADMItemRef item, ADMNotifierRef notifier) {
  ImportSelectionChanged(item, notifier);
  ADMDialogRef dialog = sADMItem->GetDialog(item);
  auto* choice = static_cast<ImportChoice*>(sADMDialog->GetUserData(dialog));
  ADMListRef list = sADMItem->GetList(item);
  choice->count = 0;
  for (int32_t i = 0, n = sADMList->NumberOfEntries(list);
       i < n && choice->count < choice->capacity; ++i)
    if (sADMEntry->IsSelected(sADMList->IndexEntry(list, i)))
      choice->positions[choice->count++] = PresetIndex(i);
}

ASErr InitImportChoice(ADMDialogRef dialog) {
  auto* choice = static_cast<ImportChoice*>(sADMDialog->GetUserData(dialog));
  ADMItemRef listItem = sADMDialog->GetItem(dialog, res::PresetImport::kList);
  if (ASErr err =
          FillPresetList(sADMItem->GetList(listItem), choice->path, false))
    return err;
  sADMItem->SetNotifyProc(listItem, RememberImportChoice);
  sADMItem->Enable(sADMDialog->GetItem(dialog, kADMDefaultItemID), false);
  char title[128];
  PresetText(sADMDialog->GetPluginRef(dialog), kImportTitleIndex, title,
             sizeof title);
  sADMDialog->SetText(dialog, title);
  return kNoErr;
}

ASErr ChooseFolder(SPPluginRef plugin, char* folder, int32_t size) {
  char message[128];
  PresetText(plugin, kChooseFolderIndex, message, sizeof message);
  return sADMBasic->ChooseFolder(message, folder, size);
}

void Import(ADMDialogRef dialog) {
  const PresetMenuOwner& owner = *StateOf(dialog).owner;
  ADMListRef list = ListOf(dialog, Manager::kList);
  const int32_t before = sADMList->NumberOfEntries(list);
  const int32_t free = kMaxUserPresets - before;
  if (free <= 0) {
    ShowPresetMessage(owner.plugin, kMaxTextIndex);
    return;
  }
  char folder[kPresetPathSize], source[kPresetPathSize], own[kPresetPathSize];
  if (ChooseFolder(owner.plugin, folder, sizeof folder)) return;  // cancelled
  ASErr err = kNoErr;
  if (!FileInFolder(folder, owner.presetFile, source, sizeof source) ||
      UserFile(owner, own, sizeof own))
    err = kImportNotFoundErr;
  else if (PresetFileCheck(source))
    err = kImportNotFoundErr;
  else if (SameFile(source, own))
    err = kSameFileErr;
  if (!err) {
    char kind[kPresetKindNameSize];
    if (ReadPresetFileKind(source, kind) ||
        std::strcmp(kind, owner.presetFile) != 0)
      err = kImportNotFoundErr;
  }
  if (err) {
    ShowCode(owner, err);
    return;
  }
  BlockPtr<PresetIndex> positions;
  BlockPtr<char> text;
  if (positions.Allocate(kMaxUserPresets + 1, "indPtr") ||
      text.Allocate(kEntryBufferSize, "blockData")) {
    ShowPresetFileError(owner.plugin);
    return;
  }
  ImportChoice choice{source, positions.get(), kMaxUserPresets, 0};
  if (sADMDialog->Modal(owner.plugin, nullptr, res::kPresetImport,
                        kADMModalDialogStyle, InitImportChoice, &choice, 0) !=
      kADMDefaultItemID)
    return;  // cancelled
  int32_t take = choice.count;
  if (take > free) {
    ShowPresetMessage(owner.plugin, kSomeNotImportedIndex);
    take = free;
  }
  for (int32_t i = 0; i < take && !err; ++i) {
    err = ReadEntryText(source, int32_t(choice.positions[i]) + 2, text.get(),
                        kEntryBufferSize);
    if (!err && text[0] == '\0') break;
    if (!err) err = AppendEntryText(own, text.get());
  }
  if (err) ShowCode(owner, err);
  RefillList(dialog);
  const int32_t after = sADMList->NumberOfEntries(list);
  for (int32_t i = 0; i < after; ++i)
    sADMEntry->Select(sADMList->IndexEntry(list, i), i >= before);
  RefreshPresetMenu(owner);
  UpdateButtons(dialog);
}

// ---- Export ---------------------------------------------------------------------

void Export(ADMDialogRef dialog) {
  const PresetMenuOwner& owner = *StateOf(dialog).owner;
  char folder[kPresetPathSize], target[kPresetPathSize], own[kPresetPathSize];
  if (ChooseFolder(owner.plugin, folder, sizeof folder)) return;  // cancelled
  if (!FileInFolder(folder, owner.presetFile, target, sizeof target) ||
      UserFile(owner, own, sizeof own)) {
    ShowCode(owner, kExportNotFoundErr);
    return;
  }
  BlockPtr<char> text;
  if (text.Allocate(kEntryBufferSize, "blockData")) {
    ShowPresetFileError(owner.plugin);
    return;
  }
  ADMListRef list = ListOf(dialog, Manager::kList);
  for (int32_t i = 0, n = sADMList->NumberOfEntries(list); i < n; ++i) {
    if (!sADMEntry->IsSelected(sADMList->IndexEntry(list, i))) continue;
    ASErr err = kNoErr;
    char kind[kPresetKindNameSize];
    if (SameFile(target, own))
      err = kSameFileErr;
    else if (ReadPresetFileKind(target, kind) ||
             std::strcmp(kind, owner.presetFile) != 0)
      err = kExportNotFoundErr;
    if (!err) {
      err = ReadEntryText(own, i + 2, text.get(), kEntryBufferSize);
      if (err == kEndOfFileErr) continue;
      if (!err) err = AppendEntryText(target, text.get());
    }
    if (err) {
      ShowCode(owner, err);
      return;
    }
  }
}

// ---- the window ---------------------------------------------------------------

void ButtonPressed(ADMItemRef item, ADMNotifierRef) {
  ADMDialogRef dialog = sADMItem->GetDialog(item);
  switch (sADMItem->GetID(item)) {
    case Manager::kNew: NewPreset(dialog); break;
    case Manager::kDelete: DeleteSelection(dialog); break;
    case Manager::kImport: Import(dialog); break;
    case Manager::kExport: Export(dialog); break;
    default: break;
  }
}

// Shows the dragged entry one place further up (step -1) or down (+1): its
// text and selection trade places with the neighbour's.
void StepDraggedEntry(ADMListRef list, int32_t at, int32_t step) {
  ADMEntryRef here = sADMList->IndexEntry(list, at);
  ADMEntryRef there = sADMList->IndexEntry(list, at + step);
  char moving[kParamNameSize], other[kParamNameSize];
  sADMEntry->GetText(here, moving, sizeof moving);
  sADMEntry->GetText(there, other, sizeof other);
  sADMEntry->SetText(here, other);
  sADMEntry->SetText(there, moving);
  sADMEntry->Select(here, false);
  sADMEntry->Select(there, true);
  sADMEntry->Activate(there, true);
}

// The position the pointer asks for: the entry under it, the last entry
// below the entries, the neighbour above or below outside the list.
int32_t DragTarget(ADMItemRef item, ADMListRef list, const ASPoint& point,
                   int32_t at) {
  const int32_t count = sADMList->NumberOfEntries(list);
  ASRect bounds;
  sADMItem->GetBoundsRect(item, &bounds);
  int32_t target;
  if (point.v < 0)
    target = at - 1;
  else if (point.v >= bounds.bottom - bounds.top)
    target = at + 1;
  else if (ADMEntryRef entry = sADMList->PickEntry(list, &point))
    target = sADMEntry->GetIndex(entry);
  else
    target = count - 1;
  return target < 0 ? 0 : target >= count ? count - 1 : target;
}

// On release after a drag: the file follows the list, then the list and the
// owner's menu are read back from the file.
void FinishDrag(ADMDialogRef dialog, ManagerState& state) {
  const int32_t from = state.dragFrom, to = state.dragAt;
  state.dragFrom = state.dragAt = -1;
  if (from == to) return;
  const PresetMenuOwner& owner = *state.owner;
  const ASErr err = MovePreset(owner.presetFile, PresetIndex(from), PresetIndex(to));
  RefillList(dialog);
  ADMListRef list = ListOf(dialog, Manager::kList);
  if (ADMEntryRef moved = sADMList->IndexEntry(list, err ? from : to)) {
    sADMEntry->Select(moved, true);
    sADMEntry->Activate(moved, true);
  }
  RefreshPresetMenu(owner);
  if (err) ShowPresetFileError(owner.plugin);
}

ASBoolean ListTracked(ADMItemRef item, ADMTrackerRef tracker) {
  ADMDialogRef dialog = sADMItem->GetDialog(item);
  ManagerState& state = StateOf(dialog);
  ADMListRef list = sADMItem->GetList(item);
  ASPoint point;
  sADMTracker->GetPoint(tracker, &point);
  switch (sADMTracker->GetAction(tracker)) {
    case kADMMouseDownAction: {
      state.listModifiers = sADMTracker->GetModifiers(tracker);
      state.dragFrom = state.dragAt = -1;
      const ASBoolean notify = sADMItem->DefaultTrack(item, tracker);
      // A plain press may start a drag; with a key held it only selects.
      const uint32_t keys =
          kADMShiftKeyModifier | kADMMenuKeyModifier | kADMModKeyModifier;
      if (!(state.listModifiers & keys))
        if (ADMEntryRef pressed = sADMList->PickEntry(list, &point))
          state.dragFrom = state.dragAt = sADMEntry->GetIndex(pressed);
      return notify;
    }
    case kADMMouseMovedDownAction:
      if (state.dragAt >= 0) {
        const int32_t target = DragTarget(item, list, point, state.dragAt);
        for (; state.dragAt != target; state.dragAt += target > state.dragAt ? 1 : -1)
          StepDraggedEntry(list, state.dragAt, target > state.dragAt ? 1 : -1);
        return false;
      }
      break;
    case kADMMouseUpAction:
      if (state.dragAt >= 0) FinishDrag(dialog, state);
      break;
    default: break;
  }
  return sADMItem->DefaultTrack(item, tracker);
}

void ListChanged(ADMItemRef item, ADMNotifierRef) {
  ADMDialogRef dialog = sADMItem->GetDialog(item);
  ManagerState& state = StateOf(dialog);
  const uint32_t modifiers = state.listModifiers;
  state.listModifiers = 0;
  ADMEntryRef active = sADMList->GetActiveEntry(sADMItem->GetList(item));
  if (active && (modifiers & kADMModKeyModifier)) {
    UpdateEntry(dialog, sADMEntry->GetIndex(active));
  } else if (active && (modifiers & kADMDoubleClickModifier)) {
    // The owner shows the preset while the manager stays open.
    if (ApplyPreset(*state.owner, PresetIndex(sADMEntry->GetIndex(active))))
      ShowPresetFileError(state.owner->plugin);
  }
  UpdateButtons(dialog);
}

ASErr InitManager(ADMDialogRef dialog) {
  const PresetMenuOwner& owner = *StateOf(dialog).owner;
  char title[128];
  PresetText(owner.plugin, kManagerTitleIndex, title, sizeof title);
  sADMDialog->SetText(dialog, title);
  if (ASErr err = RefillList(dialog)) {
    StateOf(dialog).initError = err;
    return err;
  }
  ADMItemRef list = sADMDialog->GetItem(dialog, Manager::kList);
  sADMItem->SetNotifyProc(list, ListChanged);
  sADMItem->SetTrackProc(list, ListTracked);
  for (int32_t id : {Manager::kNew, Manager::kDelete, Manager::kImport, Manager::kExport})
    sADMItem->SetNotifyProc(sADMDialog->GetItem(dialog, id), ButtonPressed);
  UpdateButtons(dialog);
  return kNoErr;
}

}  // namespace

ASErr RunPresetManager(const PresetMenuOwner& owner) {
  if (!sADMDialog || !sADMItem || !sADMList || !sADMList->PickEntry ||
      !sADMEntry || !sADMBasic || !sADMTracker || !gGlobals)
    return kCantHappenErr;
  ManagerState state{&owner, 0, kNoErr, -1, -1};
  int32_t ended = sADMDialog->Modal(owner.plugin, nullptr, res::kPresetManager,
                                    kADMResizingModalDialogStyle, InitManager,
                                    &state, 0);
  if (ended >= 0) return kNoErr;
  return state.initError ? state.initError : kCantHappenErr;
}

}  // namespace vx
