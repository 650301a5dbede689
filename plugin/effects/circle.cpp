// Live Circle: copies of each source object turned by equal angles about a
// datum point chosen on the object's bounds, the ring optionally squashed
// vertically into an ellipse.
#include "effects/circle.h"

#include "effects/placement.h"
#include "shell/globals.h"
#include "shell/suites.h"

namespace vx {
namespace {

constexpr int32_t kCentreDatum = 4;

// The datum point: left, centre or right by column; upper, centre or lower
// by row; then moved by the offsets. A datum outside 0 to 8 (a damaged
// record) is read as the factory datum, Center.
AIRealPoint Datum(const AIRealRect& r, const CirclePGParams& p) {
  const int32_t datum = p.datum >= 0 && p.datum <= 8 ? p.datum : kCentreDatum;
  const float xs[3] = {r.left, (r.left + r.right) * 0.5f, r.right};
  const float ys[3] = {r.top, (r.top + r.bottom) * 0.5f, r.bottom};
  return {xs[datum % 3] + p.offsetH, ys[datum / 3] + p.offsetV};
}

// Turns the copy by a about D and squashes the ring to height about D:
//   translate(-D), rotate(a), scale(1, height), translate(D).
// With keepAngle a counter-turn about the copy's centre M comes first:
//   translate(-M), rotate(-a), translate(M - D), rotate(a), scale(1, height),
//   translate(D).
ASErr PlaceAround(AIArtHandle copy, const AIRealPoint& D, const AIRealPoint& M,
                  float a, float height, bool keepAngle) {
  MatrixChain chain;
  if (keepAngle)
    chain.Translate(-M.h, -M.v).Rotate(-a).Translate(M.h - D.h, M.v - D.v);
  else
    chain.Translate(-D.h, -D.v);
  chain.Rotate(a).Scale(1.0f, height).Translate(D);
  return TransformCopy(copy, chain.matrix());
}

ASErr Ring(AIArtHandle into, AIArtHandle source, const CirclePGParams& p) {
  AIRealRect r{};
  if (ASErr err = VisibleBounds(source, &r)) return err;
  const AIRealPoint M{(r.left + r.right) * 0.5f, (r.top + r.bottom) * 0.5f};
  const AIRealPoint D = Datum(r, p);
  const bool keepAngle = p.keepAngle != 0;
  for (int32_t i = 0; i < p.total; ++i) {
    const float a = float(i) * kTwoPi / float(p.total);
    AIArtHandle copy = nullptr;
    if (ASErr err = sArt->DuplicateArt(source, kPlaceInsideOnBottom, into, &copy)) return err;
    if (!keepAngle && TurnsInTwoSteps(a)) {
      if (ASErr err = PlaceAround(copy, D, M, kFirstTurnStep, 1.0f, false)) return err;
      if (ASErr err = PlaceAround(copy, D, M, a - kFirstTurnStep, p.height, false))
        return err;
    } else if (ASErr err = PlaceAround(copy, D, M, a, p.height, keepAngle)) {
      return err;
    }
  }
  if (!p.showCentreMark) return kNoErr;
  return DrawCentreMark(into, D);
}

}  // namespace

ASErr CircleBuild(AIArtHandle into, AIArtHandle edit, const void* record) {
  const auto& p = *static_cast<const CirclePGParams*>(record);
  return ForEachSource(edit, [&](AIArtHandle source) { return Ring(into, source, p); });
}

void CircleShowDatumName(ADMDialogRef dialog, const void* record) {
  const int32_t datum = static_cast<const CirclePGParams*>(record)->datum;
  ADMItemRef label = sADMDialog->GetItem(dialog, CircleItems::kDatumName);
  if (!label || !sADMBasic) return;
  char name[64] = "";
  // A damaged datum (outside 0 to 8) names none.
  if (datum >= 0 && datum <= 8)
    sADMBasic->GetIndexString(gGlobals->PluginRef, kCircleEffect.action.stringTable,
                              kCircleDatumNames + datum, name, sizeof name);
  sADMItem->SetText(label, name);
}

}  // namespace vx
