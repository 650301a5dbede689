#include "shell/help_window.h"

#include <algorithm>

#include "generated/resource_ids.h"
#include "shell/globals.h"
#include "shell/help_texts.h"
#include "shell/suites.h"

namespace vx {
namespace {

namespace Items = res::HelpWindow;

constexpr int32_t kTitleIndex = 16;
constexpr int32_t kTitleSize = 64;
constexpr int32_t kMaxHelpText = 32000;
constexpr int32_t kGripStep = 16;  // the modal dialog grows in these steps
constexpr int32_t kGap = 8;        // between the laid-out items
constexpr int32_t kPlainModalStyle = kADMModalDialogStyle;
constexpr int32_t kResizingModalStyle = kADMResizingModalDialogStyle;

// The modal help dialog's user data (it has none of its own).
int gModalMarker;

// A drag of the modal dialog's size grip: where it began and the size then.
struct GripDrag {
  ASPoint start;
  int32_t width;
  int32_t height;
};
GripDrag gGrip;

ADMItemRef ItemOf(ADMDialogRef dialog, int32_t id) {
  return sADMDialog->GetItem(dialog, id);
}

ASRect BoundsOf(ADMItemRef item) {
  ASRect r{};
  if (item) sADMItem->GetBoundsRect(item, &r);
  return r;
}

void MoveItem(ADMItemRef item, int32_t h, int32_t v) {
  if (item) sADMItem->Move(item, h, v);
}

bool UserChanged(ADMNotifierRef notifier) {
  return sADMNotifier->IsNotifierType(notifier, kADMUserChangedNotifier) != 0;
}

void SelectTopic(ADMDialogRef dialog, int32_t topic) {
  ADMItemRef popup = ItemOf(dialog, Items::kTopics);
  if (!popup) return;
  if (ADMEntryRef entry = sADMList->IndexEntry(sADMItem->GetList(popup), topic))
    sADMEntry->Select(entry, true);
}

// The text follows the window's bottom (keeping the margin recorded at
// creation, never above its own top); the credit line and the Close button
// move with it, the size grip stays in the bottom-right corner.
void FollowWindowSize(ADMDialogRef dialog) {
  ASRect local{};
  sADMDialog->GetLocalRect(dialog, &local);
  ADMItemRef text = ItemOf(dialog, Items::kText);
  if (!text) return;
  ASRect t = BoundsOf(text);
  ADMItemRef credit = ItemOf(dialog, Items::kCredit);
  const ASRect c = BoundsOf(credit);
  const int32_t below = c.top - t.bottom;
  t.bottom = std::max(t.top, local.bottom - gGlobals->helpTextMargin);
  sADMItem->SetBoundsRect(text, &t);
  const int32_t moved = t.bottom + below - c.top;
  MoveItem(credit, c.left, c.top + moved);
  ADMItemRef close = ItemOf(dialog, Items::kClose);
  const ASRect b = BoundsOf(close);
  MoveItem(close, b.left, b.top + moved);
  ADMItemRef grip = ItemOf(dialog, Items::kSizeGrip);
  const ASRect g = BoundsOf(grip);
  MoveItem(grip, local.right - (g.right - g.left), local.bottom - (g.bottom - g.top));
}

// Popup at the top, the rule and the picture below it, the text below the
// picture, the credit line (and Close) at the bottom.
void LayOut(ADMDialogRef dialog) {
  const ASRect popup = BoundsOf(ItemOf(dialog, Items::kTopics));
  int32_t y = popup.bottom + kGap / 2;
  if (ADMItemRef rule = ItemOf(dialog, Items::kRule)) {
    MoveItem(rule, BoundsOf(rule).left, y);
    y = BoundsOf(rule).bottom;
  }
  y += kGap / 2;
  if (ADMItemRef picture = ItemOf(dialog, Items::kPicture)) {
    MoveItem(picture, popup.left, y);
    y = BoundsOf(picture).bottom + kGap;
  }
  ADMItemRef text = ItemOf(dialog, Items::kText);
  ASRect t = BoundsOf(text);
  const int32_t height = t.bottom - t.top;
  t.left = popup.left;
  t.top = y;
  t.bottom = y + height;
  if (text) sADMItem->SetBoundsRect(text, &t);
  ADMItemRef credit = ItemOf(dialog, Items::kCredit);
  const ASRect c = BoundsOf(credit);
  MoveItem(credit, t.left, t.bottom + kGap);
  ADMItemRef close = ItemOf(dialog, Items::kClose);
  const ASRect b = BoundsOf(close);
  MoveItem(close, t.right - (b.right - b.left), t.bottom + kGap + (c.bottom - c.top) / 2 -
                                                   (b.bottom - b.top) / 2);
}

void DialogNotify(ADMDialogRef dialog, ADMNotifierRef notifier) {
  if (sADMNotifier->IsNotifierType(notifier, kADMBoundsChangedNotifier))
    FollowWindowSize(dialog);
}

void PopupNotify(ADMItemRef item, ADMNotifierRef notifier) {
  if (!UserChanged(notifier)) return;
  ADMEntryRef entry = sADMList->GetActiveEntry(sADMItem->GetList(item));
  if (!entry) return;
  gGlobals->HelpTopic = sADMEntry->GetIndex(entry);
  ADMDialogRef shown = gGlobals->HelpPalette ? gGlobals->HelpPalette
                                             : sADMItem->GetDialog(item);
  ShowHelpPage(shown, gGlobals->HelpTopic, false);
}

void CloseNotify(ADMItemRef item, ADMNotifierRef notifier) {
  if (!UserChanged(notifier)) return;
  ADMDialogRef dialog = sADMItem->GetDialog(item);
  ASRect bounds{};
  sADMDialog->GetBoundsRect(dialog, &bounds);
  SavedDialogPosition& saved = gGlobals->helpDialogPosition;
  saved.left = bounds.left;
  saved.top = bounds.top;
  saved.saved = 1;
  sADMDialog->EndModal(dialog, Items::kClose, false);
}

void GripDraw(ADMItemRef, ADMDrawerRef drawer) {
  const ASPoint origin{0, 0};
  sADMDrawer->DrawPicture(drawer, res::kSizeGripPicture, &origin);
}

// Dragging the grip resizes the dialog in whole steps, never below the
// size it opened with.
ASBoolean GripTrack(ADMItemRef item, ADMTrackerRef tracker) {
  ADMDialogRef dialog = sADMItem->GetDialog(item);
  ASPoint p{};
  sADMTracker->GetPoint(tracker, &p);
  const int32_t action = sADMTracker->GetAction(tracker);
  ASRect bounds{};
  sADMDialog->GetBoundsRect(dialog, &bounds);
  if (action == kADMMouseDownAction) {
    gGrip = {p, bounds.right - bounds.left, bounds.bottom - bounds.top};
    return false;
  }
  const int32_t* initial = gGlobals->helpBounds;
  const int32_t minWidth = initial[2] - initial[0];
  const int32_t minHeight = initial[3] - initial[1];
  const int32_t width = gGrip.width + (p.h - gGrip.start.h) / kGripStep * kGripStep;
  const int32_t height = gGrip.height + (p.v - gGrip.start.v) / kGripStep * kGripStep;
  sADMDialog->Size(dialog, std::max(minWidth, width), std::max(minHeight, height));
  return action == kADMMouseUpAction;
}

void GripNotify(ADMItemRef item, ADMNotifierRef notifier) {
  if (UserChanged(notifier)) FollowWindowSize(sADMItem->GetDialog(item));
}

// What the palette and the modal dialog share: title, popup, layout, the
// margin of the text and the procedures of the items.
void SetUpHelpWindow(ADMDialogRef dialog) {
  PluginGlobals& g = *gGlobals;
  char title[kTitleSize] = "";
  if (!sADMBasic->GetIndexString(g.PluginRef, res::kPaletteTitles, kTitleIndex, title,
                                 kTitleSize))
    sADMDialog->SetText(dialog, title);
  if (ADMItemRef popup = ItemOf(dialog, Items::kTopics)) {
    sADMList->SetMenuID(sADMItem->GetList(popup), res::kHelpTopics);
    sADMItem->SetNotifyProc(popup, PopupNotify);
  }
  if (g.HelpTopic < 0) g.HelpTopic = 0;
  SelectTopic(dialog, g.HelpTopic);
  LayOut(dialog);
  ASRect local{};
  sADMDialog->GetLocalRect(dialog, &local);
  g.helpTextMargin =
      int16_t(local.bottom - BoundsOf(ItemOf(dialog, Items::kText)).bottom);
  sADMDialog->SetNotifyProc(dialog, DialogNotify);
}

void DestroyHelpPalette(ADMDialogRef dialog) {
  PluginGlobals& g = *gGlobals;
  if (sPreference) {
    ASRect bounds{};
    sADMDialog->GetBoundsRect(dialog, &bounds);
    sPreference->PutPointPreference(kHelpWindowName, "Location",
                                    ASPoint{bounds.left, bounds.top});
    sPreference->PutBooleanPreference(kHelpWindowName, "Visible",
                                      sADMDialog->IsVisible(dialog));
  }
  FreeHelpTexts(g.HelpTexts);
  g.HelpPalette = nullptr;
  if (sAccess && g.SelfAccess) sAccess->ReleasePlugin(g.SelfAccess);
  ReleaseSuites(g.BasicSuite);
}

ASErr InitHelpPalette(ADMDialogRef dialog) {
  PluginGlobals& g = *gGlobals;
  // The palette calls the host from its own callbacks: it holds the suites
  // and its plug-in until it is destroyed.
  if (ASErr err = AcquireSuites(g.BasicSuite)) {
    ReleaseSuites(g.BasicSuite);
    return err;
  }
  if (sAccess) sAccess->AcquirePlugin(g.PluginRef, &g.SelfAccess);
  sADMDialog->SetDestroyProc(dialog, DestroyHelpPalette);
  SetUpHelpWindow(dialog);
  // The palette has the host's close box and size grip.
  if (ADMItemRef close = ItemOf(dialog, Items::kClose)) sADMItem->Show(close, false);
  if (ADMItemRef grip = ItemOf(dialog, Items::kSizeGrip)) sADMItem->Show(grip, false);
  ASRect bounds{};
  sADMDialog->GetBoundsRect(dialog, &bounds);
  g.helpBounds[0] = bounds.left;
  g.helpBounds[1] = bounds.top;
  g.helpBounds[2] = bounds.right;
  g.helpBounds[3] = bounds.bottom;
  // At first in the lower right corner of the main screen.
  ASRect screen{0, 0, 0, 0};
  sADMBasic->GetScreenDimensions(&screen);
  ASPoint location{screen.right - (bounds.right - bounds.left),
                   screen.bottom - (bounds.bottom - bounds.top)};
  if (sPreference)
    sPreference->GetPointPreference(kHelpWindowName, "Location", &location);
  sADMDialog->Move(dialog, location.h, location.v);
  ShowHelpPage(dialog, g.HelpTopic, false);
  sADMDialog->Show(dialog, false);
  return kNoErr;
}

ASErr InitModalHelp(ADMDialogRef dialog) {
  PluginGlobals& g = *gGlobals;
  // Popup choices reach the dialog through HelpPalette while it runs.
  g.HelpPalette = dialog;
  SetUpHelpWindow(dialog);
  if (ADMItemRef close = ItemOf(dialog, Items::kClose))
    sADMItem->SetNotifyProc(close, CloseNotify);
  sADMDialog->SetDefaultItemID(dialog, Items::kClose);
  sADMDialog->SetCancelItemID(dialog, Items::kClose);
  if (ADMItemRef grip = ItemOf(dialog, Items::kSizeGrip)) {
    sADMItem->SetDrawProc(grip, GripDraw);
    sADMItem->SetTrackProc(grip, GripTrack);
    sADMItem->SetNotifyProc(grip, GripNotify);
  }
  if (g.helpDialogPosition.saved)
    sADMDialog->Move(dialog, g.helpDialogPosition.left, g.helpDialogPosition.top);
  ShowHelpPage(dialog, g.HelpTopic, false);
  return kNoErr;
}

}  // namespace

void CreateHelpPalette(SPPluginRef plugin) {
  gGlobals->HelpPalette =
      sADMDialog->Create(plugin, kHelpWindowName, res::kHelpWindow,
                         kADMResizingFloatingDialogStyle, InitHelpPalette,
                         nullptr, 0);
}

ASErr ToggleHelpPalette(SPPluginRef plugin) {
  PluginGlobals& g = *gGlobals;
  if (!g.HelpPalette) CreateHelpPalette(plugin);
  ADMDialogRef palette = g.HelpPalette;
  if (!palette) return kNoErr;
  const bool wasVisible = sADMDialog->IsVisible(palette) != 0;
  sADMDialog->Show(palette, !wasVisible);
  if (!wasVisible) ShowHelpPage(palette, g.HelpTopic, true);
  return kNoErr;
}

ASErr ShowHelpTopic(SPPluginRef plugin, int32_t topic) {
  PluginGlobals& g = *gGlobals;
  const int32_t remembered = g.HelpTopic;
  if (!g.HelpPalette) CreateHelpPalette(plugin);
  ADMDialogRef palette = g.HelpPalette;
  if (!palette || topic < 0 || topic >= kHelpTopicCount) return kNoErr;
  g.HelpTopic = topic;
  if (topic < kFirstModalHelpTopic) {
    if (!sADMDialog->IsVisible(palette)) sADMDialog->Show(palette, true);
    if (sADMDialog->IsCollapsed(palette)) {
      ASRect bounds{};
      sADMDialog->GetBoundsRect(palette, &bounds);
      sADMDialog->Size(palette, bounds.right - bounds.left,
                       g.helpBounds[3] - g.helpBounds[1]);
    }
    ShowHelpPage(palette, g.HelpTopic, true);
    return kNoErr;
  }
  const bool paletteVisible = sADMDialog->IsVisible(palette) != 0;
  sADMDialog->Modal(plugin, kHelpWindowName, res::kHelpWindow,
                    g.HostIsAI8 ? kPlainModalStyle : kResizingModalStyle,
                    InitModalHelp, &gModalMarker, 0);
  g.HelpPalette = palette;
  if (paletteVisible && g.HelpTopic != remembered)
    ShowHelpPage(palette, g.HelpTopic, true);
  return kNoErr;
}

void ShowHelpPage(ADMDialogRef dialog, int32_t topic, bool select) {
  if (!dialog || topic < 0 || topic >= kHelpTopicCount) return;
  PluginGlobals& g = *gGlobals;
  if (select) {
    g.HelpTopic = topic;
    SelectTopic(dialog, topic);
  }
  if (ADMItemRef picture = ItemOf(dialog, Items::kPicture))
    sADMItem->SetPictureID(picture, kHelpTopics[topic].picture, nullptr);
  if (ADMItemRef text = ItemOf(dialog, Items::kText)) {
    sADMItem->SetMaxTextLength(text, kMaxHelpText);
    sADMItem->SetText(text, g.HelpTexts[topic] ? g.HelpTexts[topic] : "");
  }
  sADMDialog->Activate(dialog, true);
  sADMDialog->Invalidate(dialog);
}

}  // namespace vx
