// Live Shadow: a darker copy of the object, moved away from the light, lies
// below it; with a transparency above zero a lighter shadow copy is drawn
// over the object as well, clipped to the object's outline, so that the
// shadow shows through.
#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "effects/art_styling.h"
#include "effects/clip_mask.h"
#include "effects/shadow.h"
#include "shell/suites.h"

namespace vx {
namespace {

// Art of this host type is searched for a text child when masked.
constexpr int16_t kTextHolderArt = -999;

// How a shadow copy is recoloured. Mode 0 is the shadow below the object,
// mode 1 the shadow over it; s = shadowShade, u = transparency:
//   mode 0: f = s,         k = (1 - u) s,           g = 1 - s
//   mode 1: f = 1 + s u,   k = (1 - u) s u / 2,     g = -s u
// f scales grey and inks, k darkens grey and black (and lightens RGB), g
// moves RGB channels toward 1 (g > 0) or 0; q = s u mixes a mode-1 stroke
// with the fill.
struct ShadowInk {
  int mode;
  float f, k, g, q;
};

ShadowInk InkOf(int mode, const ShadowPGParams& p) {
  const float s = p.shadowShade, u = p.transparency;
  if (mode == 0) return {0, s, (1.0f - u) * s, 1.0f - s, 0.0f};
  return {1, 1.0f + s * u, (1.0f - u) * s * u * 0.5f, -s * u, s * u};
}

// A custom colour as its process equivalent; false when it has none.
bool Resolve(AIColor* colour, ASErr* err) {
  *err = kNoErr;
  if (colour->kind != kCustomColor) return true;
  int32_t kind = 0;
  AIColorUnion process{};
  if (!ResolveCustomColour(*colour, &kind, &process, err)) return false;
  colour->kind = kind;
  colour->c = process;
  return true;
}

// The fill rules (and mode 0's stroke): grey and inks x f, grey and black
// plus k, RGB channels moved by g and minus k. Answers whether it changed.
bool Darken(AIColor* colour, const ShadowInk& ink) {
  const float k = std::max(ink.k, 0.0f);
  auto cap = [](AIReal v) { return std::min(v, 1.0f); };
  switch (colour->kind) {
    case kGrayColor:
      colour->c.g.gray = cap(ink.f * colour->c.g.gray + k);
      return true;
    case kFourColor: {
      AIFourColorStyle& c = colour->c.f;
      for (AIReal* v : {&c.cyan, &c.magenta, &c.yellow}) *v = cap(ink.f * *v);
      c.black = cap(ink.f * c.black + k);
      return true;
    }
    case kThreeColor:
      for (AIReal* v : {&colour->c.rgb.red, &colour->c.rgb.green, &colour->c.rgb.blue})
        *v = std::clamp(*v + ink.g * (1.0f - *v) - k, 0.0f, 1.0f);
      return true;
    default:
      return false;
  }
}

// Mode 1's stroke: q x stroke + (1 - q) x the fill before recolouring, plus
// k on grey and black, minus k on RGB channels, within 0 and 1. Only for a
// stroke of the fill's kind (custom colours resolved on both sides).
bool MixWithFill(AIColor* stroke, AIColor fill, const ShadowInk& ink, ASErr* err) {
  if (stroke->kind != fill.kind) return false;
  AIColor mixed = *stroke;
  if (!Resolve(&mixed, err) || !Resolve(&fill, err) || mixed.kind != fill.kind)
    return false;
  const float k = std::max(ink.k, 0.0f);
  auto mix = [&](AIReal a, AIReal b, float plus) {
    return std::clamp(ink.q * a + (1.0f - ink.q) * b + plus, 0.0f, 1.0f);
  };
  switch (mixed.kind) {
    case kGrayColor:
      mixed.c.g.gray = mix(mixed.c.g.gray, fill.c.g.gray, k);
      break;
    case kFourColor: {
      AIFourColorStyle& a = mixed.c.f;
      const AIFourColorStyle& b = fill.c.f;
      a.cyan = mix(a.cyan, b.cyan, 0);
      a.magenta = mix(a.magenta, b.magenta, 0);
      a.yellow = mix(a.yellow, b.yellow, 0);
      a.black = mix(a.black, b.black, k);
      break;
    }
    case kThreeColor: {
      AIThreeColorStyle& a = mixed.c.rgb;
      const AIThreeColorStyle& b = fill.c.rgb;
      a.red = mix(a.red, b.red, -k);
      a.green = mix(a.green, b.green, -k);
      a.blue = mix(a.blue, b.blue, -k);
      break;
    }
    default:
      return false;
  }
  *stroke = mixed;
  return true;
}

ASErr Recolour(AIArtHandle art, const ShadowInk& ink) {
  return ForEachStyledLeaf(art, [&](AIArtHandle styled, int16_t type) -> ASErr {
    AIPathStyle style{};
    if (ASErr err = GetLeafStyle(styled, type, &style)) return err;
    const AIColor fillBefore = style.fill.color;
    ASErr err = kNoErr;
    if (style.fillPaint) {
      if (Resolve(&style.fill.color, &err)) Darken(&style.fill.color, ink);
      if (err) return err;
      style.fill.overprint = false;
    }
    if (style.strokePaint) {
      const bool recoloured =
          ink.mode == 0 ? Resolve(&style.stroke.color, &err) && Darken(&style.stroke.color, ink)
                        : MixWithFill(&style.stroke.color, fillBefore, ink, &err);
      if (err) return err;
      if (recoloured) style.stroke.overprint = false;
    }
    return SetLeafStyle(styled, type, style);
  });
}

// A copy of x at the bottom of group, recoloured in the mode and moved away
// from the light. The move is a pure translation, so the reference point at
// the copy's bounds does not change it: the copy moves leaf by leaf.
ASErr ShadowCopy(AIArtHandle x, int mode, AIArtHandle group, const ShadowPGParams& p) {
  AIArtHandle copy = nullptr;
  if (ASErr err = sArt->DuplicateArt(x, kPlaceInsideOnBottom, group, &copy)) return err;
  if (ASErr err = Recolour(copy, InkOf(mode, p))) return err;
  return TranslateArt(copy, -p.shadowOffset * std::cos(p.shadowLightAngle),
                      -p.shadowOffset * std::sin(p.shadowLightAngle));
}

// The mask of x into a clipping group (or a compound path inside one).
ASErr AddMask(AIArtHandle x, AIArtHandle into) {
  int16_t type = 0;
  if (ASErr err = sArt->GetArtType(x, &type)) return err;
  AIArtHandle mask = nullptr;
  switch (type) {
    case kGroupArt: {
      AIArtHandle compound = nullptr;
      if (ASErr err = sArt->NewArt(kCompoundPathArt, kPlaceInsideOnTop, into, &compound))
        return err;
      if (ASErr err = sArt->DuplicateArt(x, kPlaceInsideOnBottom, compound, &mask))
        return err;
      break;
    }
    case kPathArt:
    case kCompoundPathArt:
    case kTextArt:
      if (ASErr err = sArt->DuplicateArt(x, kPlaceInsideOnTop, into, &mask)) return err;
      break;
    case kTextHolderArt: {
      // Its children are masked into the clipping group itself when it holds
      // text, else into a compound path of their own.
      bool hasText = false;
      if (ASErr err = ForEachChild(x, [&](AIArtHandle child) {
            int16_t childType = 0;
            ASErr e = sArt->GetArtType(child, &childType);
            hasText = hasText || childType == kTextArt;
            return e;
          }))
        return err;
      AIArtHandle target = into;
      if (!hasText)
        if (ASErr err = sArt->NewArt(kCompoundPathArt, kPlaceInsideOnTop, into, &target))
          return err;
      return ForEachChild(x, [&](AIArtHandle child) { return AddMask(child, target); });
    }
    default:
      return kNoErr;
  }
  return MakeClipMember(mask);
}

}  // namespace

ASErr ShadowBuild(AIArtHandle into, AIArtHandle edit, const void* record) {
  const auto& p = *static_cast<const ShadowPGParams*>(record);
  AIArtHandle x = nullptr;
  if (ASErr err = sArt->GetArtFirstChild(edit, &x)) return err;
  if (!x) return kNoErr;
  int16_t type = 0;
  if (ASErr err = sArt->GetArtType(x, &type)) return err;
  if (type >= kGroupArt && type <= kTextArt)
    if (ASErr err = ShadowCopy(x, 0, into, p)) return err;
  AIArtHandle object = nullptr;
  if (ASErr err = sArt->DuplicateArt(x, kPlaceInsideOnTop, into, &object)) return err;
  if (!(p.shadowShade > 0.0f && p.transparency > 0.0f)) return kNoErr;
  AIArtHandle result = nullptr, clip = nullptr;
  if (ASErr err = sArt->GetArtParent(into, &result)) return err;
  if (ASErr err = sArt->NewArt(kGroupArt, kPlaceInsideOnTop, result, &clip)) return err;
  if (ASErr err = ShadowCopy(x, 1, clip, p)) return err;
  if (ASErr err = AddMask(x, clip)) return err;
  return sGroup->SetGroupClipped(clip, true);
}

}  // namespace vx
