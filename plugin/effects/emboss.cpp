// Live Emboss: lighter copies shifted toward the light and darker copies
// shifted away from it, stacked behind each object in one or more steps;
// and the colour shift that Cutout shares.
#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "effects/art_styling.h"
#include "effects/emboss.h"
#include "shell/suites.h"

namespace vx {
namespace {

enum EmbossStyle : int32_t { kNormal = 0, kHighlightOnly = 1, kShadowOnly = 2 };

// A copy of object at the bottom of target, its colours shifted by t and
// moved by (dx, dy).
ASErr ShiftedCopy(AIArtHandle object, AIArtHandle target, float t, float dx,
                  float dy) {
  AIArtHandle copy = nullptr;
  if (ASErr err = sArt->DuplicateArt(object, kPlaceInsideOnBottom, target, &copy))
    return err;
  if (ASErr err = ForEachStyledLeaf(copy, [t](AIArtHandle styled, int16_t type) -> ASErr {
        AIPathStyle style{};
        if (ASErr err = GetLeafStyle(styled, type, &style)) return err;
        if (ASErr err = ShiftStyle(&style, t, GreyShift::kScale, false)) return err;
        return SetLeafStyle(styled, type, style);
      }))
    return err;
  return TranslateArt(copy, dx, dy);
}

// Copies of larger steps lie below those of smaller steps; the object itself
// goes on top.
ASErr EmbossObject(AIArtHandle object, AIArtHandle target, const EmbossPGParams& p) {
  float dx = p.offset * std::cos(p.lightAngle), dy = p.offset * std::sin(p.lightAngle);
  if (p.reverse) dx = -dx, dy = -dy;
  float c = p.contrast;
  if (p.steps > 1) {
    const float n = float(p.steps);
    dx /= n, dy /= n, c /= n;
  }
  // Steps below 1 come only from played-back actions: no copies then.
  for (int32_t i = 1; i <= p.steps; ++i) {
    const float k = float(i), t = k * c;
    if (p.embossStyle != kShadowOnly)
      if (ASErr err = ShiftedCopy(object, target, -t, k * dx, k * dy)) return err;
    if (p.embossStyle != kHighlightOnly)
      if (ASErr err = ShiftedCopy(object, target, t, -k * dx, -k * dy)) return err;
  }
  AIArtHandle top = nullptr;
  return sArt->DuplicateArt(object, kPlaceInsideOnTop, target, &top);
}

// A group becomes a group of its embossed children; paths, compound paths
// and text are embossed; any other art is left out.
ASErr EmbossVisit(AIArtHandle art, AIArtHandle target, const EmbossPGParams& p) {
  int16_t type = 0;
  if (ASErr err = sArt->GetArtType(art, &type)) return err;
  switch (type) {
    case kGroupArt: {
      AIArtHandle group = nullptr;
      if (ASErr err = sArt->NewArt(kGroupArt, kPlaceInsideOnBottom, target, &group))
        return err;
      return ForEachChild(art, [&](AIArtHandle child) { return EmbossVisit(child, group, p); });
    }
    case kPathArt:
    case kCompoundPathArt:
    case kTextArt:
      return EmbossObject(art, target, p);
    default:
      return kNoErr;
  }
}

}  // namespace

// Rules by kind, with u = 1 + t:
//   gray            g u (kInk: plus t when t > 0)
//   four-colour     c u, m u, y u; k u, plus t when t > 0
//   three-colour    each channel x (1 - t), minus t when t < 0
// every component at most 1. Components never go below 0 for |t| <= 1.
ASErr ShiftColour(AIColor* colour, float t, GreyShift grey, bool* shifted) {
  *shifted = false;
  if (colour->kind == kCustomColor) {
    int32_t kind = 0;
    AIColorUnion process{};
    ASErr err = kNoErr;
    if (!ResolveCustomColour(*colour, &kind, &process, &err)) return err;
    colour->kind = kind;
    colour->c = process;
  }
  const float u = 1.0f + t, darker = t > 0.0f ? t : 0.0f;
  auto cap = [](AIReal& v) { v = std::min(v, 1.0f); };
  switch (colour->kind) {
    case kGrayColor: {
      AIReal& g = colour->c.g.gray;
      g = g * u + (grey == GreyShift::kInk ? darker : 0.0f);
      cap(g);
      break;
    }
    case kFourColor: {
      AIFourColorStyle& f = colour->c.f;
      for (AIReal* v : {&f.cyan, &f.magenta, &f.yellow}) {
        *v *= u;
        cap(*v);
      }
      f.black = f.black * u + darker;
      cap(f.black);
      break;
    }
    case kThreeColor:
      for (AIReal* v : {&colour->c.rgb.red, &colour->c.rgb.green, &colour->c.rgb.blue}) {
        *v = *v * (1.0f - t) - (t < 0.0f ? t : 0.0f);
        cap(*v);
      }
      break;
    default:
      return kNoErr;
  }
  *shifted = true;
  return kNoErr;
}

ASErr ShiftStyle(AIPathStyle* style, float t, GreyShift grey, bool paintedOnly) {
  bool shifted = false;
  if (style->fillPaint || !paintedOnly) {
    if (ASErr err = ShiftColour(&style->fill.color, t, grey, &shifted)) return err;
    if (shifted) style->fill.overprint = false;
  }
  if (style->strokePaint || !paintedOnly) {
    if (ASErr err = ShiftColour(&style->stroke.color, t, grey, &shifted)) return err;
    if (shifted) style->stroke.overprint = false;
  }
  return kNoErr;
}

ASErr EmbossBuild(AIArtHandle into, AIArtHandle edit, const void* record) {
  const auto& p = *static_cast<const EmbossPGParams*>(record);
  return ForEachChild(edit, [&](AIArtHandle child) { return EmbossVisit(child, into, p); });
}

}  // namespace vx
