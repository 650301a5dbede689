// Live Cutout: the object looks cut out of the page. Inside its outline lie
// shaded copies moved away from the light, their edges stroked in the
// object's own colour from dark and wide to plain, under a plain copy; the
// whole is clipped to the object's outline.
#include <cmath>

#include "effects/art_styling.h"
#include "effects/clip_mask.h"
#include "effects/cutout.h"
#include "effects/emboss.h"
#include "shell/suites.h"

namespace vx {
namespace {

// Strokes every path and text run of a copy with its own fill colour (width
// w, butt caps, round or miter joins, miter limit 4, no dash) and shifts the
// painted colours by t with the ink rule for grey.
ASErr ShadeCopy(AIArtHandle copy, float w, bool roundJoins, float t) {
  return ForEachStyledLeaf(copy, [&](AIArtHandle styled, int16_t type) -> ASErr {
    AIPathStyle style{};
    if (ASErr err = GetLeafStyle(styled, type, &style)) return err;
    if (w != 0.0f) {
      style.strokePaint = true;
      style.stroke.color = style.fill.color;
      style.stroke.overprint = false;
      style.stroke.width = w;
      style.stroke.dash = AIDashStyle{};
      style.stroke.cap = kAIButtCap;
      style.stroke.join = roundJoins ? kAIRoundJoin : kAIMiterJoin;
      style.stroke.miterLimit = 4.0f;
    }
    if (ASErr err = ShiftStyle(&style, t, GreyShift::kInk, true)) return err;
    return SetLeafStyle(styled, type, style);
  });
}

// The mask of art into a clipping group: paths, compound paths and text are
// duplicated as unpainted clip members; a group becomes a compound path
// holding the masks of its children.
ASErr AddMask(AIArtHandle art, AIArtHandle clipGroup) {
  int16_t type = 0;
  if (ASErr err = sArt->GetArtType(art, &type)) return err;
  switch (type) {
    case kGroupArt: {
      AIArtHandle compound = nullptr;
      if (ASErr err = sArt->NewArt(kCompoundPathArt, kPlaceInsideOnTop, clipGroup, &compound))
        return err;
      return ForEachChild(art, [&](AIArtHandle child) { return AddMask(child, compound); });
    }
    case kPathArt:
    case kCompoundPathArt:
    case kTextArt: {
      AIArtHandle mask = nullptr;
      if (ASErr err = sArt->DuplicateArt(art, kPlaceInsideOnBottom, clipGroup, &mask))
        return err;
      return MakeClipMember(mask);
    }
    default:
      return kNoErr;
  }
}

// Cuts object X out: its shaded copies and plain copy into target, then a
// clipping group on top of result holding X's mask and, below it, target.
ASErr CutOut(AIArtHandle x, AIArtHandle target, AIArtHandle result,
             const CutoutPGParams& p) {
  const float dx = p.cutOffset * std::cos(p.cutLightAngle);
  const float dy = p.cutOffset * std::sin(p.cutLightAngle);
  // Without steps (cutSteps below 1, only from played-back actions) the
  // divisions take the one-step values; no shaded copy is made then.
  const float n = p.cutSteps > 1 ? float(p.cutSteps) : 1.0f;
  const float tStep = p.shade / n, wStep = 2.0f * p.cutOffset / n;
  float t = p.shade, w = 2.0f * p.cutOffset;
  for (int32_t i = 0; i < p.cutSteps; ++i) {
    AIArtHandle copy = nullptr;
    if (ASErr err = sArt->DuplicateArt(x, kPlaceInsideOnTop, target, &copy)) return err;
    if (ASErr err = ShadeCopy(copy, w, i > 0, t)) return err;
    if (ASErr err = TranslateArt(copy, -dx, -dy)) return err;
    w -= wStep;
    t -= tStep;
  }
  AIArtHandle plain = nullptr;
  if (ASErr err = sArt->DuplicateArt(x, kPlaceInsideOnTop, target, &plain)) return err;
  if (ASErr err = TranslateArt(plain, -dx, -dy)) return err;
  AIArtHandle clip = nullptr;
  if (ASErr err = sArt->NewArt(kGroupArt, kPlaceInsideOnTop, result, &clip)) return err;
  if (ASErr err = AddMask(x, clip)) return err;
  if (ASErr err = sArt->ReorderArt(target, kPlaceInsideOnBottom, clip)) return err;
  return sGroup->SetGroupClipped(clip, true);
}

// A group visits its children into a new group of its own; paths, compound
// paths and text are cut out; any other art is left out.
//
// A lone object's target is the update's group itself, which its clipping
// group takes in. In a group every object is cut out with copies of its
// own, clipped to its own outline: each gets a target group of its own
// inside the group's, which its clipping group then takes in. (Sharing one
// target group among the objects would leave every clipping group but the
// last one empty.)
ASErr CutoutVisit(AIArtHandle art, AIArtHandle target, AIArtHandle result,
                  const CutoutPGParams& p, bool inGroup) {
  int16_t type = 0;
  if (ASErr err = sArt->GetArtType(art, &type)) return err;
  switch (type) {
    case kGroupArt: {
      AIArtHandle group = nullptr;
      if (ASErr err = sArt->NewArt(kGroupArt, kPlaceInsideOnBottom, target, &group))
        return err;
      return ForEachChild(art, [&](AIArtHandle child) {
        return CutoutVisit(child, group, result, p, true);
      });
    }
    case kPathArt:
    case kCompoundPathArt:
    case kTextArt: {
      if (!inGroup) return CutOut(art, target, result, p);
      AIArtHandle own = nullptr;
      if (ASErr err = sArt->NewArt(kGroupArt, kPlaceInsideOnBottom, target, &own)) return err;
      return CutOut(art, own, result, p);
    }
    default:
      return kNoErr;
  }
}

}  // namespace

ASErr CutoutBuild(AIArtHandle into, AIArtHandle edit, const void* record) {
  const auto& p = *static_cast<const CutoutPGParams*>(record);
  AIArtHandle first = nullptr, result = nullptr;
  if (ASErr err = sArt->GetArtFirstChild(edit, &first)) return err;
  if (!first) return kNoErr;
  if (ASErr err = sArt->GetArtParent(into, &result)) return err;
  return CutoutVisit(first, into, result, p, false);
}

}  // namespace vx
