// Live Border's update and the routines other effects share with it
// (RestyleArt with BlendColours, TranslateArt), and its palette and action
// pieces for the effect framework.
#pragma once

#include <cstdint>

#include "effects/border.h"
#include "shell/suites.h"
#include "vx_sdk.h"

namespace vx {

// Visits art and, for groups and compound paths, every descendant path;
// text objects visit their text path's path and their runs. visit(art,
// type) is called for each path and text run; its first error ends the walk.
template <typename Visit>
ASErr ForEachStyled(AIArtHandle art, Visit&& visit) {
  int16_t type = 0;
  if (ASErr err = sArt->GetArtType(art, &type)) return err;
  switch (type) {
    case kGroupArt:
    case kCompoundPathArt:
    case kTextArt: {
      AIArtHandle child = nullptr;
      if (ASErr err = sArt->GetArtFirstChild(art, &child)) return err;
      while (child) {
        if (ASErr err = ForEachStyled(child, visit)) return err;
        if (ASErr err = sArt->GetArtSibling(child, &child)) return err;
      }
      return kNoErr;
    }
    case kTextPathArt: {
      AIArtHandle path = nullptr;
      if (ASErr err = sTextPath->GetTextPathPath(art, &path)) return err;
      return path ? ForEachStyled(path, visit) : kNoErr;
    }
    case kPathArt:
    case kTextRunArt:
      return visit(art, type);
    default:
      return kNoErr;
  }
}

// The style of a path or text run (type as ForEachStyled reports it).
ASErr GetStyle(AIArtHandle art, int16_t type, AIPathStyle* style);
ASErr SetStyle(AIArtHandle art, int16_t type, const AIPathStyle& style);

// A custom colour as the process colour of its definition (*kind and *out),
// or false when its definition is neither four- nor three-colour based or
// the host failed (*err).
bool ResolveCustom(const AIColor& colour, int32_t* kind, AIColorUnion* out,
                   ASErr* err);

// Steps of the automatic modes for a stroke width (0 for Manual).
float AutoSteps(float strokeWidth, int32_t stepsMode);
// Shade f at position t (0..1) for gradient arc a (-1..1): 1 the stroke
// colour, 0 the fill colour.
float ShadeCurve(float t, float arc);

// What MeasureStrokes found since the last reset.
struct StrokeMeasure {
  int32_t mostSteps = 0;
  float widestStroke = 0;
};
// Walks the art's paths and text runs with stroke paint; each raises the
// most steps (AutoSteps truncated) and the widest stroke.
ASErr MeasureStrokes(AIArtHandle art, int32_t stepsMode, StrokeMeasure* measure);

// Changes the stroke colour toward the fill colour by shade f (with a tint
// for shadows when tint >= 0); *blended tells whether anything was done.
ASErr BlendColours(AIColor* stroke, AIColor* fill, float f, float tint,
                   bool* blended);
// The same with the tint put on the fill colour instead when tintFill is
// set (the fill side of the blend darkens).
ASErr BlendColoursTinting(AIColor* stroke, AIColor* fill, float f, float tint,
                          bool tintFill, bool* blended);
// Restyles every path and text run in art: stroke width x s (s = 0: no
// stroke), colour blended by f and tint, fill kept only for fillMode 1 and
// 2 (2: the fill takes the new stroke colour), clip flag set to clip.
ASErr RestyleArt(AIArtHandle art, float s, float f, int32_t fillMode,
                 int32_t clip, float tint);
// Moves art by (dx, dy) points.
ASErr TranslateArt(AIArtHandle art, float dx, float dy);

ASErr BorderOutside(AIArtHandle group, AIArtHandle source,
                    const BorderPGParams& params);
ASErr BorderInside(AIArtHandle group, AIArtHandle source,
                   const BorderPGParams& params);
ASErr BuildClipMask(AIArtHandle clipGroup, AIArtHandle source);

// The framework's pieces for Border.
ASErr BorderBuild(AIArtHandle into, AIArtHandle editGroup, const void* record);
void BorderSetUpItems(ADMDialogRef dialog);
void BorderRefresh(ADMDialogRef dialog, const void* record);
ASErr BorderReadAction(AIActionParamValueRef value, void* record);
ASErr BorderWriteAction(SPPluginRef plugin, AIActionParamValueRef value,
                        const void* record);

}  // namespace vx
