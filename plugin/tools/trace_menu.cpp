#include "tools/trace_menu.h"

#include <algorithm>
#include <cmath>

namespace vx {

TraceOptions ReadTraceMenu(const TraceFields& fields, bool hasFullCycle,
                           int16_t factoryMode) {
  static constexpr TraceMode kStepped[] = {TraceMode::kUniform, TraceMode::kAccelerate,
                                           TraceMode::kDecelerate};
  const int16_t firstStepped = hasFullCycle ? 2 : 1;
  const int16_t last = firstStepped + 5;
  const int16_t index = fields.mode >= 0 && fields.mode <= last ? fields.mode : factoryMode;
  TraceOptions o{};
  o.on = fields.trace != 0;
  o.mode = index == 0                     ? TraceMode::kDragAlong
           : index < firstStepped         ? TraceMode::kFullCycle
                                          : kStepped[(index - firstStepped) % 3];
  o.roundTrip = index >= firstStepped + 3;
  o.space = fields.space;
  o.steps = std::isfinite(fields.steps) && fields.steps > 0.0f
                ? int32_t(std::min(fields.steps, 4000.0f))
                : 0;
  return o;
}

}  // namespace vx
