// Placing tiles for Tiling, Generation and Frame on the shared placement
// pieces (matrix chains, leaf transforms, the two-step turn).
#include "effects/tile_placement.h"

#include "effects/placement.h"

namespace vx {

ASErr PlaceTile(AIArtHandle copy, const AIRealPoint& centre, const AIRealPoint& offset,
                float angle, float sx, float sy) {
  MatrixChain chain;
  chain.Translate(-centre.h, -centre.v)
      .Rotate(angle)
      .Scale(sx, sy)
      .Translate(offset)
      .Translate(centre);
  return TransformCopy(copy, chain.matrix());
}

ASErr PlaceTileTurned(AIArtHandle copy, const AIRealPoint& centre,
                      const AIRealPoint& offset, float angle, float sx, float sy) {
  if (!TurnsInTwoSteps(angle)) return PlaceTile(copy, centre, offset, angle, sx, sy);
  if (ASErr err = PlaceTile(copy, centre, AIRealPoint{0, 0}, kFirstTurnStep, 1.0f, 1.0f))
    return err;
  return PlaceTile(copy, centre, offset, angle - kFirstTurnStep, sx, sy);
}

ASErr TileFrameOf(AIArtHandle source, AIRealRect* bounds, AIRealPoint* centre) {
  if (ASErr err = VisibleBounds(source, bounds)) return err;
  *centre = AIRealPoint{(bounds->left + bounds->right) * 0.5f,
                        (bounds->top + bounds->bottom) * 0.5f};
  return kNoErr;
}

}  // namespace vx
