// Art styling that the live effects share: walking the styled leaves of art
// (paths and text runs), restyling them (stroke width, colours blended
// toward the fill, fill kept or taken from the stroke, clip flag), blending
// and resolving colours, and moving or transforming art leaf by leaf.
#pragma once

#include <cstdint>

#include "shell/suites.h"
#include "vx_sdk.h"

namespace vx {

// Visits art and, for groups, compound paths and text objects, every
// descendant leaf in order: a text object visits its text paths' paths and
// its runs. visit(leaf, type) is called for paths and text runs only; its
// first error ends the walk.
template <typename Visit>
ASErr ForEachStyledLeaf(AIArtHandle art, Visit&& visit) {
  int16_t type = 0;
  if (ASErr err = sArt->GetArtType(art, &type)) return err;
  switch (type) {
    case kGroupArt:
    case kCompoundPathArt:
    case kTextArt: {
      AIArtHandle child = nullptr;
      if (ASErr err = sArt->GetArtFirstChild(art, &child)) return err;
      while (child) {
        if (ASErr err = ForEachStyledLeaf(child, visit)) return err;
        if (ASErr err = sArt->GetArtSibling(child, &child)) return err;
      }
      return kNoErr;
    }
    case kTextPathArt: {
      AIArtHandle path = nullptr;
      if (ASErr err = sTextPath->GetTextPathPath(art, &path)) return err;
      return path ? ForEachStyledLeaf(path, visit) : kNoErr;
    }
    case kPathArt:
    case kTextRunArt:
      return visit(art, type);
    default:
      return kNoErr;
  }
}

// Calls visit(child) for each child of art, first (topmost) to last; the
// first error ends the walk.
template <typename Visit>
ASErr ForEachChild(AIArtHandle art, Visit&& visit) {
  AIArtHandle child = nullptr;
  if (ASErr err = sArt->GetArtFirstChild(art, &child)) return err;
  while (child) {
    if (ASErr err = visit(child)) return err;
    if (ASErr err = sArt->GetArtSibling(child, &child)) return err;
  }
  return kNoErr;
}

// The path style of a leaf (a path or a text run, by its art type).
ASErr GetLeafStyle(AIArtHandle leaf, int16_t type, AIPathStyle* style);
ASErr SetLeafStyle(AIArtHandle leaf, int16_t type, const AIPathStyle& style);

// A custom colour as the process colour of its definition: four-colour
// based ones scaled by (1 - tint), three-colour based ones lightened toward
// white by tint. False (and *kind untouched) when the definition is
// neither; *err carries a failing host lookup.
bool ResolveCustomColour(const AIColor& colour, int32_t* kind, AIColorUnion* out,
                         ASErr* err);

// Changes the stroke colour toward the fill colour by shade f (1 keeps the
// stroke colour, 0 takes the fill colour), first setting it to a shadow
// tint when tint >= 0. Colours of different kinds, patterns, gradients and
// none stay as they are; *blended tells whether anything was done. Custom
// colours are resolved to their process colours first.
ASErr BlendColours(AIColor* stroke, AIColor* fill, float f, float tint,
                   bool* blended);
// The same with the tint put on the fill colour instead when tintFill is
// set, so that the fill side of the blend darkens.
ASErr BlendColoursTinting(AIColor* stroke, AIColor* fill, float f, float tint,
                          bool tintFill, bool* blended);

// Restyles every leaf of art: stroke width x s (s = 0: no stroke), colour
// blended by f and tint, fill kept only for fillMode 1 and 2 (2: the fill
// takes the new stroke colour), clip flag set to clip.
ASErr RestyleArt(AIArtHandle art, float s, float f, int32_t fillMode,
                 int32_t clip, float tint);

// The current path style turned into a guide outline: no fill, a solid
// stroke of full black ink and the given width. Centre marks and tool frames
// are drawn with it.
ASErr GuideOutlineStyle(float width, AIPathStyle* style);

// One leaf's stroke for RestyleArt and its kin: s = 0 turns it off;
// otherwise its width is multiplied by s (when below 1) and its colour
// blended toward the fill by f with the tint on the side tintFill names
// (when f < 1 or tint >= 0).
ASErr ShadeStroke(AIPathStyle* style, float s, float f, float tint, bool tintFill);

// Applies the matrix to every leaf of art (groups and compound paths are
// never transformed as a whole), with the host's line scale and flags.
ASErr TransformLeaves(AIArtHandle art, const AIRealMatrix& matrix,
                      float lineScale, int32_t flags);

// Moves art by (dx, dy) points, leaf by leaf.
ASErr TranslateArt(AIArtHandle art, float dx, float dy);

}  // namespace vx
