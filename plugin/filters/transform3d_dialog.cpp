#include "filters/transform3d_dialog.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "filters/filter_preset_kinds.h"
#include "filters/kinds3d.h"
#include "filters/transform3d_filter.h"
#include "filters/transform3d_history.h"
#include "filters/transform3d_preview.h"
#include "generated/resource_ids.h"
#include "presets/preset_menu.h"
#include "shell/blocks.h"
#include "shell/globals.h"
#include "shell/help_window.h"
#include "shell/suites.h"

namespace vx {
namespace {

namespace Items = res::Transform3DDialog;
// Rows and rotation axes are runs of four items (label, edit, unit, slider);
// the cursor fields run from their label to the V field's unit.
constexpr int32_t kFirstRow = Items::kRow1Label;
constexpr int32_t kFirstPreRotation = Items::kPreXLabel;
constexpr int32_t kFirstPostRotation = Items::kPostXLabel;
constexpr int32_t kCursorLast = Items::kCursorVUnit;

// Values of PreviewState::redraw.
enum : int32_t {
  kNormalRedraw = 0,    // recompute what is left, then show
  kQuickRedraw = 1,     // show the bitmap as it is (guides while tracking)
  kTrackingDone = 2,    // as normal, after the mouse is released
  kScrollRedraw = 3     // draw again at the new offset, no recomputation
};

struct DialogState {
  TransformParams* record;
  PathSet* set;
  UndoHistory* history;
  PreviewState preview;
  SPPluginRef plugin;
  PresetMenuOwner owner;
  ASErr previewError;
  ASErr initError;
  PreviewBitmap bitmap;
  PreviewGuide guide;  // shown in the bitmap in exclusive-or while tracking
  ASPoint dragStart;
  int32_t lastDragH, lastDragV;
  uint32_t dragModifiers;
};

DialogState* StateOf(ADMDialogRef dialog) {
  return static_cast<DialogState*>(sADMDialog->GetUserData(dialog));
}
ADMItemRef ItemOf(ADMDialogRef dialog, int32_t id) {
  return sADMDialog->GetItem(dialog, id);
}

void KindString(SPPluginRef plugin, int kind, int32_t n, char* out,
                int32_t size) {
  out[0] = '\0';
  sADMBasic->GetIndexString(plugin, kTransformKindStrings + kTransformKindStride * kind, n, out, size);
}

// Row r of a kind is shown unless its label is a single newline.
bool RowShown(SPPluginRef plugin, int kind, int r) {
  char label[64];
  KindString(plugin, kind, 1 + kTransformRowStep * r, label, sizeof label);
  return !(label[0] == '\n' && label[1] == '\0') && label[0] != '\0';
}

float KindNumber(SPPluginRef plugin, int kind, int32_t n) {
  char text[32];
  KindString(plugin, kind, n, text, sizeof text);
  return float(std::strtod(text, nullptr));
}

// Stored part of the kind's defaults, read from the kind's strings.
void ResetToKindDefaults(DialogState* s, int kind) {
  if (kind < 0 || kind >= kTransformKindCount) kind = 0;
  ResetTransformParams(s->record, kind);
  TransformParams* p = s->record;
  for (int r = 0; r < 4 && RowShown(s->plugin, kind, r); ++r)
    p->value[r] = KindNumber(s->plugin, kind, 3 + kTransformRowStep * r);
  for (int i = 0; i < 3; ++i) {
    p->preRotation[i] = KindNumber(s->plugin, kind, 29 + i);
    p->postRotation[i] = KindNumber(s->plugin, kind, 32 + i);
  }
  RebuildDerived(p, s->set->bounds);
}

// The kind's Last Setting, or its defaults.
void LoadKindRecord(DialogState* s, int kind) {
  TransformParams* p = s->record;
  if (LoadLastSettingOrDefaults(TransformPresetFile(kind), p) ||
      p->kind != kind) {
    ResetToKindDefaults(s, kind);
    return;
  }
  p->name[0] = '\0';
  RebuildDerived(p, s->set->bounds);
}

void SaveLastSetting(DialogState* s) {
  TransformParams* p = s->record;
  FractionsFromCursorOffset(p);
  SavePreset(TransformPresetFile(p->kind), p, kLastSettingIndex);
}

void SetFloat(ADMDialogRef d, int32_t id, float v) {
  sADMItem->SetFloatValue(ItemOf(d, id), v);
}
void Enable(ADMDialogRef d, int32_t id, bool on) {
  sADMItem->Enable(ItemOf(d, id), on);
}

// Labels, units and limits of the kind's rows; hidden rows disappear.
void LayOutRows(ADMDialogRef d, DialogState* s) {
  const int kind = s->record->kind;
  for (int r = 0; r < 4; ++r) {
    const int32_t first = kFirstRow + 4 * r;
    const bool shown = RowShown(s->plugin, kind, r);
    for (int32_t id = first; id < first + 4; ++id)
      sADMItem->Show(ItemOf(d, id), shown);
    if (!shown) continue;
    char text[64];
    KindString(s->plugin, kind, 1 + kTransformRowStep * r, text, sizeof text);
    sADMItem->SetText(ItemOf(d, first), text);
    KindString(s->plugin, kind, 2 + kTransformRowStep * r, text, sizeof text);
    sADMItem->SetText(ItemOf(d, first + 2), text);
    sADMItem->SetMinFloatValue(ItemOf(d, first + 1),
                               KindNumber(s->plugin, kind, 4 + kTransformRowStep * r));
    sADMItem->SetMaxFloatValue(ItemOf(d, first + 1),
                               KindNumber(s->plugin, kind, 5 + kTransformRowStep * r));
    sADMItem->SetMinFloatValue(ItemOf(d, first + 3),
                               KindNumber(s->plugin, kind, 6 + kTransformRowStep * r));
    sADMItem->SetMaxFloatValue(ItemOf(d, first + 3),
                               KindNumber(s->plugin, kind, 7 + kTransformRowStep * r));
  }
}

// Every control from the record, with the enabling rules.
void ShowRecord(ADMDialogRef d, DialogState* s) {
  const TransformParams& p = *s->record;
  sADMItem->SetIntValue(ItemOf(d, Items::kKind), p.kind);
  for (int r = 0; r < 4; ++r) {
    SetFloat(d, kFirstRow + 4 * r + 1, p.value[r]);
    SetFloat(d, kFirstRow + 4 * r + 3, p.value[r]);
  }
  for (int i = 0; i < 3; ++i) {
    SetFloat(d, kFirstPreRotation + 4 * i + 1, p.preRotation[i]);
    SetFloat(d, kFirstPreRotation + 4 * i + 3, p.preRotation[i]);
    SetFloat(d, kFirstPostRotation + 4 * i + 1, p.postRotation[i]);
    SetFloat(d, kFirstPostRotation + 4 * i + 3, p.postRotation[i]);
  }
  SetFloat(d, Items::kPerspective, p.perspective);
  SetFloat(d, Items::kPerspectiveSlider, p.perspective);
  sADMItem->SetBooleanValue(ItemOf(d, Items::kAnchorsOnly), p.controlPointsOnly != 0);
  sADMItem->SetBooleanValue(ItemOf(d, Items::kBefore), p.afterMode == 0);
  sADMItem->SetBooleanValue(ItemOf(d, Items::kAfter), p.afterMode != 0);
  const bool simple = p.kind == kSimpleRotation;
  Enable(d, Items::kBefore, !simple);
  Enable(d, Items::kAfter, !simple);
  for (int32_t id = kFirstPostRotation; id < kFirstPostRotation + 12; ++id)
    Enable(d, id, !simple);
  const bool cursorOn = simple || p.afterMode != 0;
  for (int32_t id = Items::kCursorLabel; id <= kCursorLast; ++id)
    Enable(d, id, cursorOn);
  SetFloat(d, Items::kCursorH, p.width != 0.0f ? p.cursorOffset.h / p.width * 100.0f
                                         : 0.0f);
  SetFloat(d, Items::kCursorV, p.height != 0.0f
                            ? p.cursorOffset.v / p.height * 100.0f
                            : 0.0f);
}

void Recompute(DialogState* s) {
  s->set->nextPath = 0;
  s->set->doneSegments = 0;
  s->set->resultFlag = kPathSetClean;
  s->previewError = kNoErr;
}

void InvalidatePreview(ADMDialogRef d) {
  sADMItem->Invalidate(ItemOf(d, Items::kPreview));
}

// The end of every user change: history, recomputation, redraw.
void Changed(ADMDialogRef d, DialogState* s) {
  PushHistory(s->history, *s->record);
  Recompute(s);
  InvalidatePreview(d);
}

void AfterHistoryStep(ADMDialogRef d, DialogState* s, bool moved) {
  if (!moved) {
    sADMBasic->Beep();
    return;
  }
  RebuildDerived(s->record, s->set->bounds);
  ShowRecord(d, s);
  Recompute(s);
  InvalidatePreview(d);
}

void PresetRefresh(ADMDialogRef d, void*) {
  DialogState* s = StateOf(d);
  s->record->name[0] = '\0';
  RebuildDerived(s->record, s->set->bounds);
  LayOutRows(d, s);
  ShowRecord(d, s);
  Changed(d, s);
}

void FillPresetMenuOf(DialogState* s) {
  s->owner.record = s->record;
  s->owner.presetFile = TransformPresetFile(s->record->kind);
  if (FillPresetMenu(s->owner)) preset_ui::ShowPresetFileError(s->plugin);
}

void ChangeKind(ADMDialogRef d, DialogState* s, int kind) {
  if (kind == s->record->kind || kind < 0 || kind >= kTransformKindCount)
    return;
  SaveLastSetting(s);
  gGlobals->transformKindShown = kind;
  LoadKindRecord(s, kind);
  FillPresetMenuOf(s);
  LayOutRows(d, s);
  ShowRecord(d, s);
  ClearHistory(s->history);
  Changed(d, s);
  sADMDialog->Invalidate(d);
}

// Clamps an angle to the rotation range: outside -360 .. 360 it becomes 0.
float WrapRotation(float a) { return a < -360.0f || a > 360.0f ? 0.0f : a; }

// The record is packed and its angles lie off their natural alignment: they
// are read and written by member, never through a pointer.
float RotationAngle(const TransformParams& p, bool post, int axis) {
  return post ? p.postRotation[axis] : p.preRotation[axis];
}
void SetRotationAngle(TransformParams* p, bool post, int axis, float a) {
  if (post) p->postRotation[axis] = a;
  else p->preRotation[axis] = a;
}

void ItemNotify(ADMItemRef item, ADMNotifierRef notifier) {
  if (!sADMNotifier->IsNotifierType(notifier, kADMUserChangedNotifier)) return;
  ADMDialogRef d = sADMItem->GetDialog(item);
  DialogState* s = StateOf(d);
  TransformParams* p = s->record;
  const int32_t id = sADMItem->GetID(item);
  const float v = sADMItem->GetFloatValue(item);

  if (id >= kFirstRow && id < kFirstRow + 16 && (id - kFirstRow) % 2 == 1) {
    const int r = (id - kFirstRow) / 4;
    const int32_t mirror = (id - kFirstRow) % 4 == 1 ? id + 2 : id - 2;
    p->value[r] = v;
    SetFloat(d, mirror, v);
    Changed(d, s);
    return;
  }
  if (id >= kFirstPreRotation && id < kFirstPostRotation + 12 &&
      (id - kFirstPreRotation) % 2 == 1) {
    const bool post = id >= kFirstPostRotation;
    const int32_t base = post ? kFirstPostRotation : kFirstPreRotation;
    const int axis = (id - base) / 4;
    const int32_t mirror = (id - base) % 4 == 1 ? id + 2 : id - 2;
    const float a = WrapRotation(v);
    SetRotationAngle(p, post, axis, a);
    SetFloat(d, id, a);
    SetFloat(d, mirror, a);
    UpdateRotations(p);
    Changed(d, s);
    return;
  }
  switch (id) {
    case Items::kPerspective:
    case Items::kPerspectiveSlider:
      p->perspective = v;
      SetFloat(d, id == Items::kPerspective ? Items::kPerspectiveSlider : Items::kPerspective,
               v);
      UpdatePerspectiveDistance(p);
      Changed(d, s);
      return;
    case Items::kCursorH:
    case Items::kCursorV:
      if (id == Items::kCursorH) p->cursorH = v / 100.0f;
      else p->cursorV = v / 100.0f;
      CursorOffsetFromFractions(p);
      Changed(d, s);
      return;
    case Items::kAnchorsOnly:
      p->controlPointsOnly = sADMItem->GetBooleanValue(item) ? 1 : 0;
      Changed(d, s);
      return;
    case Items::kBefore:
    case Items::kAfter:
      p->afterMode = id == Items::kAfter ? 1 : 0;
      ShowRecord(d, s);
      Changed(d, s);
      return;
    case Items::kKind:
      ChangeKind(d, s, sADMItem->GetIntValue(item));
      return;
    case Items::kPresetMenu:
      ChoosePresetMenuEntry(s->owner, sADMItem->GetIntValue(item), false);
      return;
    case Items::kCentering:
      // Redraws what is computed, without finishing a recomputation.
      CenterPreview(&s->preview);
      s->set->nextPath = s->set->pathCount;
      InvalidatePreview(d);
      return;
    case Items::kZoomIn:
    case Items::kZoomOut:
      if (!ZoomStep(&s->preview, id == Items::kZoomIn ? 1 : -1))
        sADMBasic->Beep();
      InvalidatePreview(d);
      return;
    case Items::kReset:
      ResetWorking(s->set);
      CenterPreview(&s->preview);
      ResetToKindDefaults(s, p->kind);
      ShowRecord(d, s);
      Changed(d, s);
      return;
    case Items::kUndo:
      AfterHistoryStep(d, s, UndoHistoryStep(s->history, p));
      return;
    case Items::kRedo:
      AfterHistoryStep(d, s, RedoHistoryStep(s->history, p));
      return;
    case Items::kDoAuto:
      Changed(d, s);
      return;
    case Items::kHelp:
      ShowHelpTopic(gGlobals->PluginRef, res::HelpTopics::kTransform3DPart1);
      return;
    case Items::kOk:
      SaveLastSetting(s);
      gGlobals->transformResume = 1;
      {
        ASRect at;
        sADMDialog->GetBoundsRect(d, &at);
        gGlobals->transformDialogPosition = {at.left, at.top, 1};
      }
      sADMItem->DefaultNotify(item, notifier);
      return;
    default:
      sADMItem->DefaultNotify(item, notifier);
  }
}

// The screen of a draw in progress, for the copies at the end of slices.
struct SliceScreen {
  DialogState* state;
  ADMDrawerRef drawer;
};
void CopyFinishedPart(void* data) {
  const SliceScreen& screen = *static_cast<SliceScreen*>(data);
  ShowPreview(screen.drawer, screen.state->preview, screen.state->bitmap,
              nullptr);
}

// The whole preview into the bitmap, recomputing the paths left when
// allowed; the finished part reaches the screen after every slice.
void RenderWhole(DialogState* s, ADMDrawerRef drawer, bool recompute) {
  TransformParams* p = s->record;
  PathSet* set = s->set;
  RebuildDerived(p, set->bounds);
  SetUpKind(p);
  RenderOutline(&s->bitmap, s->preview, *p, *set);
  for (int32_t i = 0; i < set->nextPath; ++i)
    RenderPath(&s->bitmap, s->preview, *p, set->working[i]);
  if (recompute && set->nextPath < set->pathCount && !s->previewError) {
    SliceScreen screen{s, drawer};
    s->previewError = AdvancePreview(p, set, s->preview, &s->bitmap,
                                     CopyFinishedPart, &screen);
  }
  // Paths left unmapped by an error show where they are.
  if (s->previewError)
    for (int32_t i = set->nextPath; i < set->pathCount; ++i)
      RenderPath(&s->bitmap, s->preview, *p, set->source[i]);
  RenderCursor(&s->bitmap, s->preview, *p);
}

void PreviewDraw(ADMItemRef item, ADMDrawerRef drawer) {
  DialogState* s = StateOf(sADMItem->GetDialog(item));
  switch (s->preview.redraw) {
    case kQuickRedraw:
      break;
    case kScrollRedraw:
      RenderWhole(s, drawer, false);
      break;
    default:
      RenderWhole(s, drawer, true);
  }
  s->preview.redraw = kNormalRedraw;
  char message[256];
  PreviewMessage(s->plugin, *s->set, s->previewError, message, sizeof message);
  ShowPreview(drawer, s->preview, s->bitmap, message);
  // The item's text carries the message shown, for readers without eyes.
  char shown[256] = "";
  sADMItem->GetText(item, shown, sizeof shown);
  if (std::strcmp(shown, message) != 0) sADMItem->SetText(item, message);
}

// Shows the bitmap at once, as it is, while the mouse is down.
void ShowNow(ADMDialogRef d, DialogState* s, int32_t redraw) {
  s->preview.redraw = redraw;
  ADMItemRef preview = ItemOf(d, Items::kPreview);
  sADMItem->Invalidate(preview);
  sADMItem->Update(preview);
}

void EraseGuide(DialogState* s) {
  XorGuide(&s->bitmap, s->guide);
  s->guide.lines = 0;
}

// The outline guide for the values of the moment, replacing the last one.
void MoveOutlineGuide(DialogState* s) {
  EraseGuide(s);
  SetUpKind(s->record);
  MakeOutlineGuide(&s->guide, s->preview, *s->record, *s->set);
  XorGuide(&s->bitmap, s->guide);
}

// The mouse rests while turning or moving the cursor: one slice of the
// recomputation, drawn under the guide. The next movement interrupts it.
void RestSlice(ADMDialogRef d, DialogState* s) {
  PathSet* set = s->set;
  if (set->nextPath >= set->pathCount || s->previewError) return;
  XorGuide(&s->bitmap, s->guide);
  if (set->nextPath == 0) RenderOutline(&s->bitmap, s->preview, *s->record, *set);
  s->previewError = AdvancePreview(s->record, set, s->preview, &s->bitmap,
                                   nullptr, nullptr);
  if (set->nextPath >= set->pathCount)
    RenderCursor(&s->bitmap, s->preview, *s->record);
  XorGuide(&s->bitmap, s->guide);
  ShowNow(d, s, kQuickRedraw);
}

// A drag step of a rotation (one degree per pixel) or of the cross cursor.
void ApplyDrag(DialogState* s, const ASPoint& pt) {
  TransformParams* p = s->record;
  if (s->preview.tracking == PreviewTracking::kCursorDrag) {
    p->cursorOffset = PixelToOffset(s->preview, *p, pt);
    FractionsFromCursorOffset(p);
  } else {
    const int32_t dh = pt.h - s->lastDragH, dv = pt.v - s->lastDragV;
    const bool post = p->afterMode != 0;
    int axis = 0;
    float delta = float(dv);
    if (s->dragModifiers & kADMShiftKeyModifier) {
      axis = 2;
      delta = float(dh) - float(dv);
    } else if (std::abs(dh) > std::abs(dv)) {
      axis = 1;
      delta = float(dh);
    }
    SetRotationAngle(p, post, axis,
                     WrapRotation(RotationAngle(*p, post, axis) + delta));
    UpdateRotations(p);
  }
  s->lastDragH = pt.h;
  s->lastDragV = pt.v;
  Recompute(s);
}

// Ctrl: a click zooms in one step about the click (with Alt out), a drag
// zooms to the rectangle drawn.
void TrackZoom(ADMDialogRef d, DialogState* s, const ASPoint& pt,
               int32_t action) {
  if (s->preview.tracking == PreviewTracking::kZoomIn) {
    EraseGuide(s);
    if (action != kADMMouseUpAction) {
      MakeRectGuide(&s->guide, s->dragStart, pt);
      XorGuide(&s->bitmap, s->guide);
      ShowNow(d, s, kQuickRedraw);
      return;
    }
  }
  if (action != kADMMouseUpAction) return;
  const ASRect dragged{s->dragStart.h, s->dragStart.v, pt.h, pt.v};
  const bool zoomOut = s->preview.tracking == PreviewTracking::kZoomOut;
  if (zoomOut || !ZoomToRect(&s->preview, dragged)) {
    if (!ZoomStepAbout(&s->preview, zoomOut ? -1 : 1, s->dragStart))
      sADMBasic->Beep();
  }
  s->preview.tracking = PreviewTracking::kNone;
  s->preview.redraw = kScrollRedraw;
  InvalidatePreview(d);
}

// Mouse in the preview: plain drag rotates, Alt-drag moves the cross cursor,
// Ctrl zooms. While the mouse moves only the guide follows it; when it
// rests, the paths are recomputed slice by slice.
ASBoolean PreviewTrack(ADMItemRef item, ADMTrackerRef tracker) {
  ADMDialogRef d = sADMItem->GetDialog(item);
  DialogState* s = StateOf(d);
  TransformParams* p = s->record;
  ASPoint pt;
  sADMTracker->GetPoint(tracker, &pt);
  const int32_t action = sADMTracker->GetAction(tracker);
  if (action == kADMMouseDownAction) {
    s->dragStart = pt;
    s->lastDragH = pt.h;
    s->lastDragV = pt.v;
    s->dragModifiers = sADMTracker->GetModifiers(tracker);
    s->guide.lines = 0;
    const bool alt = (s->dragModifiers & kADMModKeyModifier) != 0;
    if (s->dragModifiers & kADMMenuKeyModifier)
      s->preview.tracking =
          alt ? PreviewTracking::kZoomOut : PreviewTracking::kZoomIn;
    else if (alt)
      s->preview.tracking = PreviewTracking::kCursorDrag;
    else
      s->preview.tracking = PreviewTracking::kNone;
    return true;
  }
  const PreviewTracking mode = s->preview.tracking;
  if (mode == PreviewTracking::kZoomIn || mode == PreviewTracking::kZoomOut) {
    TrackZoom(d, s, pt, action);
    return true;
  }
  // The cursor stays where it is in Before mode, except for Simple Rotation.
  if (mode == PreviewTracking::kCursorDrag && p->afterMode == 0 &&
      p->kind != kSimpleRotation)
    return true;
  const bool moved = pt.h != s->lastDragH || pt.v != s->lastDragV;
  if (action == kADMMouseMovedDownAction) {
    if (!moved) {
      RestSlice(d, s);
      return true;
    }
    ApplyDrag(s, pt);
    MoveOutlineGuide(s);
    ShowNow(d, s, kQuickRedraw);
    return true;
  }
  if (action != kADMMouseUpAction) return true;
  if (moved) ApplyDrag(s, pt);
  EraseGuide(s);
  s->preview.tracking = PreviewTracking::kNone;
  ShowRecord(d, s);
  PushHistory(s->history, *p);
  // A recomputation the rests did not finish starts again.
  if (s->set->nextPath < s->set->pathCount) Recompute(s);
  s->preview.redraw = kTrackingDone;
  InvalidatePreview(d);
  return true;
}

// The Scroll button: while it is held, the preview follows the mouse.
ASBoolean ScrollTrack(ADMItemRef item, ADMTrackerRef tracker) {
  ADMDialogRef d = sADMItem->GetDialog(item);
  DialogState* s = StateOf(d);
  ASPoint pt;
  sADMTracker->GetPoint(tracker, &pt);
  const int32_t action = sADMTracker->GetAction(tracker);
  if (action == kADMMouseDownAction) {
    s->preview.tracking = PreviewTracking::kScroll;
  } else if (s->preview.tracking == PreviewTracking::kScroll) {
    s->preview.scroll.h += pt.h - s->lastDragH;
    s->preview.scroll.v += pt.v - s->lastDragV;
    ShowNow(d, s, kScrollRedraw);
    if (action == kADMMouseUpAction)
      s->preview.tracking = PreviewTracking::kNone;
  }
  s->lastDragH = pt.h;
  s->lastDragV = pt.v;
  return action == kADMMouseUpAction;
}

ASErr InitDialog(ADMDialogRef d) {
  DialogState* s = StateOf(d);
  s->owner.dialog = d;
  InitPreview(&s->preview, d, Items::kPreview);
  s->initError = NewPreviewBitmap(&s->bitmap, s->preview.rect);
  if (s->initError) return s->initError;
  gGlobals->transformKindShown = s->record->kind;
  LoadKindRecord(s, s->record->kind);
  FillPresetMenuOf(s);
  LayOutRows(d, s);
  ShowRecord(d, s);
  const int32_t tips = gGlobals->HostIsAI8 ? res::kTransform3DButtonTipsAI8 : res::kTransform3DButtonTips;
  for (int32_t id = Items::kCentering; id <= Items::kDoAuto; ++id) {
    char tip[64] = "";
    sADMBasic->GetIndexString(s->plugin, tips, id - Items::kCentering + 1, tip,
                              sizeof tip);
    if (tip[0]) sADMItem->SetText(ItemOf(d, id), tip);
  }
  for (int32_t id = 1; id <= Items::kHelp; ++id) {
    ADMItemRef item = ItemOf(d, id);
    if (item) sADMItem->SetNotifyProc(item, ItemNotify);
  }
  sADMItem->SetDrawProc(ItemOf(d, Items::kPreview), PreviewDraw);
  sADMItem->SetTrackProc(ItemOf(d, Items::kPreview), PreviewTrack);
  sADMItem->SetTrackProc(ItemOf(d, Items::kScroll), ScrollTrack);
  const SavedDialogPosition& at = gGlobals->transformDialogPosition;
  if (at.saved) sADMDialog->Move(d, at.left, at.top);
  ClearHistory(s->history);
  Changed(d, s);
  return kNoErr;
}

}  // namespace

ASErr RunTransformDialog(TransformParams* record, bool* ok) {
  *ok = false;
  DropTransformPathSet();
  BlockPtr<PathSet> set;
  if (ASErr err = set.Allocate(1, "path set")) return err;
  AIArtHandleList arts = nullptr;
  if (ASErr err = GatherPathSet(&arts, set.get())) return err;
  BlockPtr<UndoHistory> history;
  ASErr err = history.Allocate(1, "undo buffer");
  if (err) {
    ReleaseArtList(&arts);
    FreePathSet(set.get());
    return err;
  }
  DialogState state{};
  state.record = record;
  state.set = set.get();
  state.history = history.get();
  state.plugin = gGlobals->PluginRef;
  state.owner.plugin = gGlobals->PluginRef;
  state.owner.menuItemId = Items::kPresetMenu;
  state.owner.refresh = PresetRefresh;
  gGlobals->transformResume = 0;
  const int32_t answer =
      sADMDialog->Modal(gGlobals->PluginRef, kTransformDialogName,
                        res::kTransform3DDialog, kADMModalDialogStyle, InitDialog,
                        &state, 0);
  FreePreviewBitmap(&state.bitmap);
  ReleaseArtList(&arts);
  if (answer < 0) {
    FreePathSet(set.get());
    return state.initError ? state.initError : kCantHappenErr;
  }
  if (sPreference)
    sPreference->PutIntegerPreference(kTransformPrefPrefix,
                                      kTransformKindPref, record->kind);
  if (answer != Items::kOk) {
    SaveLastSetting(&state);
    FreePathSet(set.get());
    gGlobals->transformResume = 0;
    return kNoErr;
  }
  *ok = true;
  gGlobals->transformPathSet = set.Release();
  gGlobals->transformResume = 1;
  return kNoErr;
}

}  // namespace vx
