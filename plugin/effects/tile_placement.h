// Placing one tile: the shared step of Tiling, Generation and Frame. A tile
// is turned and scaled about the source's centre before it is moved.
//
// Coordinates are page points, y up; angles radians, counter-clockwise. The
// routines answer the first failing host call's code.
#pragma once

#include <cstdint>

#include "vx_sdk.h"

namespace vx {

// Transforms the copy leaf by leaf with
//   translate(-M), rotate(angle), scale(sx, sy), translate(offset), translate(M)
// (line scale 1.0; objects, fill gradients, fill patterns, stroke patterns).
ASErr PlaceTile(AIArtHandle copy, const AIRealPoint& centre, const AIRealPoint& offset,
                float angle, float sx, float sy);

// PlaceTile; a turn that TurnsInTwoSteps (near a multiple of pi, on hosts
// other than version 8) is made as a turn by 0.1 about M alone followed by
// the placement with angle - 0.1. Both forms reach the same placement.
ASErr PlaceTileTurned(AIArtHandle copy, const AIRealPoint& centre,
                      const AIRealPoint& offset, float angle, float sx, float sy);

// The paint order of a new copy: 0 Above (inside, on top: each copy above
// the earlier ones), 1 Below (inside, at the bottom).
constexpr int16_t StackingOrder(int32_t stacking) {
  return stacking == 1 ? int16_t(kPlaceInsideOnBottom) : int16_t(kPlaceInsideOnTop);
}

// The centre of the source's visible bounds, and the bounds.
ASErr TileFrameOf(AIArtHandle source, AIRealRect* bounds, AIRealPoint* centre);

}  // namespace vx
