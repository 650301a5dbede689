// The Trace popups of the Wave and Lens tools as the drag cycle reads them.
// res::kTraceMenu (Lens, as Warp's): 0 Drag Along, 1-3 Uniform / Accelerate /
// Decelerate one way, 4-6 the same as round trips. res::kWaveTraceMenu (Wave)
// inserts Full Cycle at 1, so its stepped modes are 2-7.
#pragma once

#include <cstdint>

#include "tools/tool_drag.h"

namespace vx {

struct TraceFields {
  int32_t trace;      // the Trace flag
  int16_t mode;       // the popup's index
  float space;        // Drag Along spacing
  float steps;        // copies of the stepped modes
};

// The options of one record's trace fields. A stored index outside the
// menu (a damaged preset) reads as `factoryMode`; Steps is truncated to a
// whole number within 0 .. 4000 (not a number: 0). The tool-specific flags
// (fromFirstPoint, removeSource, recordDownFirst) are left off.
TraceOptions ReadTraceMenu(const TraceFields& fields, bool hasFullCycle,
                           int16_t factoryMode);

}  // namespace vx
