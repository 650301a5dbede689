// The Trail tool's geometry: how many copies a drag leaves and the Live
// Trail record that lays them, so the tool and the effect share one rule
// for placing, turning, sizing and colouring the copies.
#pragma once

#include <cstdint>

#include "effects/trail.h"
#include "tools/trail_tool.h"

namespace vx {

// A drag never leaves more copies than this (a long drag at Space 1 would
// otherwise bury the document).
constexpr int32_t kTrailToolMaxCopies = 4000;

// One copy per Space (at least 1 point) of the drag's length, truncated,
// at most kTrailToolMaxCopies; 0 for a drag shorter than Space.
int32_t TrailCopyCount(const TrailToolParams& t, AIRealPoint drag);

// The effect record that lays `copies` copies along `drag` with the tool's
// stacking, colours, spacing curve, turn and size (pivot at the object's
// centre).
TrailPGParams TrailRecordForDrag(const TrailToolParams& t, AIRealPoint drag,
                                 int32_t copies);

}  // namespace vx
