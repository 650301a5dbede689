#include "tools/trail_copies.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace vx {

int32_t TrailCopyCount(const TrailToolParams& t, AIRealPoint drag) {
  const float space = std::max(float(t.space), 1.0f);
  const float n = std::floor(std::hypot(drag.h, drag.v) / space);
  return n >= float(kTrailToolMaxCopies) ? kTrailToolMaxCopies : int32_t(n);
}

TrailPGParams TrailRecordForDrag(const TrailToolParams& t, AIRealPoint drag,
                                 int32_t copies) {
  TrailPGParams p = kTrailFactoryParams;
  p.stacking = t.stacking;
  p.beginning = t.beginning;
  p.steps = copies;
  p.space = t.spacing;
  p.endFillSource = t.endFillSource;
  p.endStrokeSource = t.endStrokeSource;
  // The tool record is packed: its colours are copied, never referenced.
  std::memcpy(&p.endFillColour, &t.endFillColour, sizeof p.endFillColour);
  std::memcpy(&p.endStrokeColour, &t.endStrokeColour, sizeof p.endStrokeColour);
  p.toTint = t.toTint;
  p.toAngle = t.toAngle;
  p.toSize = ReadPacked(&t.toSize);
  p.toDirection = 0.0f;
  p.toDistance = 0.0f;
  p.pivotOffset = {0.0f, 0.0f};
  p.dragLength = std::hypot(drag.h, drag.v);
  p.dragDirection = std::atan2(drag.v, drag.h);
  p.dragVector = drag;
  return p;
}

}  // namespace vx
