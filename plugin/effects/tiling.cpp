// Live Tiling: a grid of copies of each source object that can shrink or
// grow and turn step by step along the columns and rows.
#include <cmath>

#include "effects/placement.h"
#include "effects/tile_placement.h"
#include "effects/tiling.h"

namespace vx {
namespace {

// The per-column (or per-row) change of a value that reaches `last` at the
// last of n columns. With one column there is no step between columns: the
// divisor takes the neighbouring defined case (two columns, divisor 1), as
// the rotation does, so that scaling never divides by zero. The value then
// only moves a column that is never drawn.
float StepOver(float total, int32_t n) { return total / float(n >= 2 ? n - 1 : 1); }

ASErr TileOne(AIArtHandle into, AIArtHandle source, const TilingPGParams& p) {
  const bool scaling = p.shrinkGrowH != 1.0f || p.shrinkGrowV != 1.0f;
  const bool rotation = p.rotationH != 0.0f || p.rotationV != 0.0f;
  const float dsx = StepOver(1.0f - p.shrinkGrowH, p.columns);
  const float dsy = StepOver(1.0f - p.shrinkGrowV, p.rows);
  const float drH = StepOver(p.rotationH, p.columns);
  const float drV = StepOver(p.rotationV, p.rows);
  AIRealRect bounds{};
  AIRealPoint centre{};
  if (ASErr err = TileFrameOf(source, &bounds, &centre)) return err;
  const bool relative = p.spaceMode == 0;
  const float stepX = relative ? (bounds.right - bounds.left) * p.spaceH : p.spaceH;
  const float stepY = relative ? (bounds.top - bounds.bottom) * p.spaceV : p.spaceV;
  const int16_t order = StackingOrder(p.stacking);
  float y = 0, sy = 1;
  for (int32_t j = 0; j < p.rows; ++j) {
    float x = 0, sx = 1;
    float angle = rotation ? float(j) * drV : 0.0f;
    for (int32_t i = 0; i < p.columns; ++i) {
      AIArtHandle copy = nullptr;
      if (ASErr err = sArt->DuplicateArt(source, order, into, &copy)) return err;
      if (ASErr err = PlaceTileTurned(copy, centre, AIRealPoint{x, y}, angle, sx, sy))
        return err;
      float step = stepX;
      if (scaling) {
        sx -= dsx;
        // The gap after column i follows the mean width of i and i + 1.
        if (p.resizeSpaces) step = stepX * std::fabs(1.0f - (float(i) + 0.5f) * dsx);
      }
      x += step;
      if (rotation) angle += drH;
    }
    if (!scaling) {
      y += stepY;
    } else {
      sy -= dsy;
      y += p.resizeSpaces ? stepY * std::fabs(1.0f - (float(j) + 0.5f) * dsy) : stepY;
    }
  }
  return kNoErr;
}

}  // namespace

ASErr TilingBuild(AIArtHandle into, AIArtHandle editGroup, const void* record) {
  const auto& p = *static_cast<const TilingPGParams*>(record);
  return ForEachSource(editGroup, [&](AIArtHandle source) { return TileOne(into, source, p); });
}

}  // namespace vx
