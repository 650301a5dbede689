// What Live Trail's palette binding cannot say: the end colour swatches
// and the host's colour picker, the picture buttons that choose where each
// end colour comes from, the swap of the two, the labels naming the choice,
// and the derived pivot offset and drag vector.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <utility>

#include "generated/resource_ids.h"
#include "effects/effect_framework.h"
#include "effects/trail.h"
#include "shell/error_report.h"
#include "shell/suites.h"

namespace vx {
namespace {

constexpr int32_t kNoKind = -1;          // the stored colour of a source other than 2

TrailPGParams* Record() { return static_cast<TrailPGParams*>(gGlobals->effectRecords[kTrail]); }

// The source and colour of one side: 0 the fill, 1 the stroke.
int32_t& SourceOf(TrailPGParams& p, int side) {
  return side ? p.endStrokeSource : p.endFillSource;
}
AIColor& ColourOf(TrailPGParams& p, int side) {
  return side ? p.endStrokeColour : p.endFillColour;
}

// White (ink 0) or black (ink 1) in the model of the host's current paint
// style on that side: three-colour when it is three-colour, else four-colour.
ASErr WhiteOrBlack(int side, bool black, AIColor* out) {
  AIPathStyle current{};
  if (ASErr err = sPathStyle->GetCurrentPathStyle(&current)) return err;
  const AIColor& shown = side ? current.stroke.color : current.fill.color;
  *out = AIColor{};
  if (shown.kind == kThreeColor) {
    const float v = black ? 0.0f : 1.0f;
    out->kind = kThreeColor;
    out->c.rgb = {v, v, v};
  } else {
    out->kind = kFourColor;
    out->c.f = {0.0f, 0.0f, 0.0f, black ? 1.0f : 0.0f};
  }
  return kNoErr;
}

void Changed(ADMDialogRef dialog) {
  TrailShowEndColours(dialog, Record());
  if (ASErr err = LiveUpdateSelection(kTrail)) ReportError(gGlobals->PluginRef, err);
}

// Buttons 19-22 (fill) and 23-26 (stroke): the object's own colour, white,
// black, none.
void SourceButtonNotify(ADMItemRef item, ADMNotifierRef notifier) {
  if (!sADMNotifier->IsNotifierType(notifier, kADMUserChangedNotifier)) return;
  TrailPGParams* p = Record();
  if (!p) return;
  const int32_t k = sADMItem->GetID(item) - TrailItems::kFillObject;
  if (k < 0 || k > 7) return;
  const int side = k / 4;
  AIColor& colour = ColourOf(*p, side);
  int32_t& source = SourceOf(*p, side);
  switch (k % 4) {
    case 0:
      source = side ? kTrailObjectStroke : kTrailObjectFill;
      colour.kind = kNoKind;
      break;
    case 1:
    case 2:
      if (ASErr err = WhiteOrBlack(side, k % 4 == 2, &colour)) {
        ReportError(gGlobals->PluginRef, err);
        return;
      }
      source = kTrailChosenColour;
      break;
    default:
      source = kTrailNoColour;
      colour.kind = kNoKind;
      break;
  }
  Changed(sADMItem->GetDialog(item));
}

void SwapNotify(ADMItemRef item, ADMNotifierRef notifier) {
  if (!sADMNotifier->IsNotifierType(notifier, kADMUserChangedNotifier)) return;
  TrailPGParams* p = Record();
  if (!p) return;
  std::swap(p->endFillColour, p->endStrokeColour);
  std::swap(p->endFillSource, p->endStrokeSource);
  Changed(sADMItem->GetDialog(item));
}

// A press on a swatch opens the colour picker on the side's colour; a
// colour chosen there becomes the chosen end colour (source 2) and the
// release notifies the binding, which live-updates. Cancelling changes
// nothing.
bool gPicked = false;
ASBoolean SwatchTrack(ADMItemRef item, ADMTrackerRef tracker) {
  sADMItem->DefaultTrack(item, tracker);
  const int32_t action = sADMTracker->GetAction(tracker);
  TrailPGParams* p = Record();
  if (action == kADMMouseDownAction && p) {
    const int side = sADMItem->GetID(item) == TrailItems::kEndStrokeSwatch ? 1 : 0;
    AIColor chosen{};
    gPicked = sADMBasic->ChooseColor("", &ColourOf(*p, side), &chosen) == kNoErr;
    if (gPicked) {
      ColourOf(*p, side) = chosen;
      SourceOf(*p, side) = kTrailChosenColour;
    }
    return false;
  }
  if (action != kADMMouseUpAction) return false;
  return std::exchange(gPicked, false);
}

// Ink amounts to light, as a swatch shows them (0xRRGGBB).
ADMRGBColor Shown(const AIColor& c) {
  float r = 1, g = 1, b = 1;
  switch (c.kind) {
    case kGrayColor: r = g = b = 1.0f - c.c.g.gray; break;
    case kThreeColor: r = c.c.rgb.red, g = c.c.rgb.green, b = c.c.rgb.blue; break;
    case kFourColor: {
      const float k = 1.0f - c.c.f.black;
      r = (1.0f - c.c.f.cyan) * k, g = (1.0f - c.c.f.magenta) * k, b = (1.0f - c.c.f.yellow) * k;
      break;
    }
    default: break;
  }
  auto byte = [](float v) { return ADMRGBColor(std::lround(std::clamp(v, 0.0f, 1.0f) * 255.0f)); };
  return (byte(r) << 16) | (byte(g) << 8) | byte(b);
}

// The chosen colour, framed; a crossed frame while the side takes no
// chosen colour.
void SwatchDraw(ADMItemRef item, ADMDrawerRef drawer) {
  ASRect r{};
  sADMDrawer->GetBoundsRect(drawer, &r);
  sADMDrawer->ClearRect(drawer, &r);
  TrailPGParams* p = Record();
  const int side = sADMItem->GetID(item) == TrailItems::kEndStrokeSwatch ? 1 : 0;
  if (p && SourceOf(*p, side) == kTrailChosenColour) {
    sADMDrawer->SetRGBColor(drawer, Shown(ColourOf(*p, side)));
    sADMDrawer->FillRect(drawer, &r);
  } else {
    const ASPoint a{r.left, r.top}, b{r.right - 1, r.bottom - 1};
    sADMDrawer->SetRGBColor(drawer, 0x000000);
    sADMDrawer->DrawLine(drawer, &a, &b);
  }
  sADMDrawer->SetRGBColor(drawer, 0x000000);
  sADMDrawer->DrawRect(drawer, &r);
}

}  // namespace

void TrailSetUpEndColours(ADMDialogRef dialog) {
  for (int32_t id : {TrailItems::kEndFillSwatch, TrailItems::kEndStrokeSwatch})
    if (ADMItemRef swatch = sADMDialog->GetItem(dialog, id)) {
      sADMItem->SetTrackProc(swatch, SwatchTrack);
      sADMItem->SetDrawProc(swatch, SwatchDraw);
    }
  for (int32_t id = TrailItems::kFillObject; id <= TrailItems::kStrokeNone; ++id)
    if (ADMItemRef button = sADMDialog->GetItem(dialog, id))
      sADMItem->SetNotifyProc(button, SourceButtonNotify);
  if (ADMItemRef swap = sADMDialog->GetItem(dialog, TrailItems::kSwapEnds))
    sADMItem->SetNotifyProc(swap, SwapNotify);
}

void TrailShowEndColours(ADMDialogRef dialog, const void* record) {
  const auto& p = *static_cast<const TrailPGParams*>(record);
  const int32_t sources[2] = {p.endFillSource, p.endStrokeSource};
  const int32_t labels[2] = {TrailItems::kEndFillName, TrailItems::kEndStrokeName};
  for (int side = 0; side < 2; ++side) {
    if (ADMItemRef swatch = sADMDialog->GetItem(
            dialog, side ? TrailItems::kEndStrokeSwatch : TrailItems::kEndFillSwatch))
      sADMItem->Invalidate(swatch);
    ADMItemRef label = sADMDialog->GetItem(dialog, labels[side]);
    if (!label || !sADMBasic) continue;
    char head[64] = "", name[64] = "", text[128] = "";
    // Entry 1 + side x 5 names the side, the next four its sources.
    sADMBasic->GetIndexString(gGlobals->PluginRef, res::kTrailSourceNames, 1 + side * 5, head, sizeof head);
    // A damaged source (outside 0 to 3) names none.
    if (sources[side] >= 0 && sources[side] <= 3)
      sADMBasic->GetIndexString(gGlobals->PluginRef, res::kTrailSourceNames, 2 + side * 5 + sources[side],
                                name, sizeof name);
    std::snprintf(text, sizeof text, "%s%s", head, name);
    sADMItem->SetText(label, text);
  }
}

void TrailDeriveVectors(void* record) {
  auto& p = *static_cast<TrailPGParams*>(record);
  p.pivotOffset = {p.toDistance * std::cos(p.toDirection), p.toDistance * std::sin(p.toDirection)};
  p.dragVector = {p.dragLength * std::cos(p.dragDirection), p.dragLength * std::sin(p.dragDirection)};
}

}  // namespace vx
