#include "effects/art_styling.h"

#include <algorithm>
#include <initializer_list>

namespace vx {
namespace {

void Mix(AIReal& a, AIReal b, float f) { a = f * a + (1.0f - f) * b; }

}  // namespace

ASErr GetLeafStyle(AIArtHandle leaf, int16_t type, AIPathStyle* style) {
  return type == kTextRunArt ? sTextRun->GetTextRunStyle(leaf, style)
                             : sPathStyle->GetPathStyle(leaf, style);
}

ASErr SetLeafStyle(AIArtHandle leaf, int16_t type, const AIPathStyle& style) {
  return type == kTextRunArt ? sTextRun->SetTextRunStyle(leaf, &style)
                             : sPathStyle->SetPathStyle(leaf, &style);
}

bool ResolveCustomColour(const AIColor& colour, int32_t* kind, AIColorUnion* out,
                         ASErr* err) {
  AICustomColor definition{};
  if ((*err = sCustomColor->GetCustomColor(colour.c.c.color, &definition)))
    return false;
  const float tint = colour.c.c.tint;
  if (definition.kind == kFourColor) {
    *kind = definition.kind;
    out->f = definition.c.f;
    for (AIReal* v : {&out->f.cyan, &out->f.magenta, &out->f.yellow, &out->f.black})
      *v *= 1.0f - tint;
    return true;
  }
  if (definition.kind == kThreeColor) {
    *kind = definition.kind;
    out->rgb = definition.c.rgb;
    for (AIReal* v : {&out->rgb.red, &out->rgb.green, &out->rgb.blue})
      *v = tint + *v * (1.0f - tint);
    return true;
  }
  return false;
}

ASErr BlendColours(AIColor* a, AIColor* b, float f, float tint, bool* blended) {
  return BlendColoursTinting(a, b, f, tint, false, blended);
}

ASErr BlendColoursTinting(AIColor* a, AIColor* b, float f, float tint,
                          bool tintFill, bool* blended) {
  *blended = false;
  if (a->kind != b->kind) return kNoErr;
  if (a->kind == kCustomColor) {
    int32_t kindA = 0, kindB = 0;
    AIColorUnion ca{}, cb{};
    ASErr err = kNoErr;
    if (!ResolveCustomColour(*a, &kindA, &ca, &err)) return err;
    if (!ResolveCustomColour(*b, &kindB, &cb, &err)) return err;
    if (kindA != kindB) return kNoErr;
    a->kind = b->kind = kindA;
    a->c = ca;
    b->c = cb;
  }
  AIColor* tinted = tintFill ? b : a;
  switch (a->kind) {
    case kGrayColor:
      if (tint >= 0) tinted->c.g.gray = tint;
      Mix(a->c.g.gray, b->c.g.gray, f);
      break;
    case kFourColor:
      if (tint >= 0) tinted->c.f.black = tint;
      Mix(a->c.f.cyan, b->c.f.cyan, f);
      Mix(a->c.f.magenta, b->c.f.magenta, f);
      Mix(a->c.f.yellow, b->c.f.yellow, f);
      Mix(a->c.f.black, b->c.f.black, f);
      a->c.f.black = std::min(a->c.f.black, 1.0f);
      break;
    case kThreeColor:
      if (tint >= 0)
        tinted->c.rgb.red = tinted->c.rgb.green = tinted->c.rgb.blue = 1.0f - tint;
      Mix(a->c.rgb.red, b->c.rgb.red, f);
      Mix(a->c.rgb.green, b->c.rgb.green, f);
      Mix(a->c.rgb.blue, b->c.rgb.blue, f);
      break;
    default:
      return kNoErr;
  }
  *blended = true;
  return kNoErr;
}

ASErr RestyleArt(AIArtHandle art, float s, float f, int32_t fillMode,
                 int32_t clip, float tint) {
  return ForEachStyledLeaf(art, [&](AIArtHandle leaf, int16_t type) -> ASErr {
    AIPathStyle style{};
    if (ASErr err = GetLeafStyle(leaf, type, &style)) return err;
    style.fillPaint = style.fillPaint && fillMode != 0;
    style.clip = ASBoolean(clip != 0);
    if (ASErr err = ShadeStroke(&style, s, f, tint, false)) return err;
    if (s != 0.0f && style.fillPaint && fillMode == 2) {
      style.fill.color = style.stroke.color;
      style.fill.overprint = style.stroke.overprint;
    }
    return SetLeafStyle(leaf, type, style);
  });
}

ASErr GuideOutlineStyle(float width, AIPathStyle* style) {
  if (ASErr err = sPathStyle->GetCurrentPathStyle(style)) return err;
  style->fillPaint = false;
  style->strokePaint = true;
  style->stroke.color = AIColor{};
  style->stroke.color.kind = kGrayColor;
  style->stroke.color.c.g.gray = 1.0f;  // full black ink
  style->stroke.width = width;
  style->stroke.dash = AIDashStyle{};
  return kNoErr;
}

ASErr ShadeStroke(AIPathStyle* style, float s, float f, float tint, bool tintFill) {
  if (s == 0.0f) {
    style->strokePaint = false;
    return kNoErr;
  }
  if (s < 1.0f) style->stroke.width *= s;
  if (f < 1.0f || tint >= 0.0f) {
    bool blended = false;
    if (ASErr err = BlendColoursTinting(&style->stroke.color, &style->fill.color, f, tint,
                                        tintFill, &blended))
      return err;
    if (blended) style->stroke.overprint = false;
  }
  return kNoErr;
}

ASErr TransformLeaves(AIArtHandle art, const AIRealMatrix& matrix,
                      float lineScale, int32_t flags) {
  int16_t type = 0;
  if (ASErr err = sArt->GetArtType(art, &type)) return err;
  if (type != kGroupArt && type != kCompoundPathArt)
    return sTransformArt->TransformArt(art, &matrix, lineScale, flags);
  AIArtHandle child = nullptr;
  if (ASErr err = sArt->GetArtFirstChild(art, &child)) return err;
  while (child) {
    if (ASErr err = TransformLeaves(child, matrix, lineScale, flags)) return err;
    if (ASErr err = sArt->GetArtSibling(child, &child)) return err;
  }
  return kNoErr;
}

ASErr TranslateArt(AIArtHandle art, float dx, float dy) {
  const AIRealMatrix move{1, 0, 0, 1, dx, dy};
  return TransformLeaves(art, move, 1.0f, kTransformObjects);
}

}  // namespace vx
