// Live Generation: a string of copies of each source object, each moved on
// from the previous one along a direction that turns by a fixed step and
// scaled by the recurrent rate: lines, circles and spirals.
#include <cmath>

#include "effects/generation.h"
#include "effects/placement.h"
#include "effects/tile_placement.h"

namespace vx {
namespace {

ASErr GenerateOne(AIArtHandle into, AIArtHandle source, const GenerationPGParams& p) {
  AIRealRect bounds{};
  AIRealPoint centre{};
  if (ASErr err = TileFrameOf(source, &bounds, &centre)) return err;
  const float d = p.spaceMode == 0 ? (bounds.right - bounds.left) * p.space : p.space;
  const int16_t order = StackingOrder(p.stacking);
  float s = 1, turn = 0;
  AIRealPoint t{0, 0};
  for (int32_t i = 0; i < p.copies; ++i) {
    AIArtHandle copy = nullptr;
    if (ASErr err = sArt->DuplicateArt(source, order, into, &copy)) return err;
    if (ASErr err = PlaceTileTurned(copy, centre, t, turn, s, s)) return err;
    if (p.angleStep != 0) turn += p.angleStep;
    const float direction = turn + p.angle;
    // Neighbouring copies lie the mean of their two scales times d apart.
    float step = d;
    if (p.rate != 1.0f) {
      const float next = s * p.rate;
      step = (s + next) * d / 2;
      s = next;
    }
    t.h += step * std::cos(direction);
    t.v += step * std::sin(direction);
  }
  return kNoErr;
}

}  // namespace

ASErr GenerationBuild(AIArtHandle into, AIArtHandle editGroup, const void* record) {
  const auto& p = *static_cast<const GenerationPGParams*>(record);
  return ForEachSource(editGroup,
                       [&](AIArtHandle source) { return GenerateOne(into, source, p); });
}

}  // namespace vx
