// The Broom tool's move of the selection: every selected path whose centre
// lies inside the target area is moved rigidly by where the area sweep
// sends its centre; a fully selected group or compound path can move as one
// object.
#pragma once

#include <cstdint>

#include "tools/area_sweep.h"
#include "vx_sdk.h"

namespace vx {

// Segments read and written at a time when a path is moved; the Broom moves
// paths of any length through a scratch of this many segments.
constexpr int32_t kSweepChunk = 8192;

// Adds delta to the anchor and both control points of count segments.
void OffsetSegments(Segment* segments, int32_t count, const AIRealPoint& delta);

// The move of an object whose reference (bounds centre) is r: R' - R, or
// false when r lies on or outside the area's edge.
bool SweepDelta(const AreaStep& step, const AIRealPoint& r, AIRealPoint* delta);

// Moves the entries of a selection list from index 1 on (entry 0 is the
// layer group no walk acts on). A path of at least 2 segments moves by its
// own bounds centre. With groupAsUnit, a group or compound path whose user
// attributes read fully selected (not a layer's group) moves every path
// inside it (through nested groups and compound paths) by the move of its
// own bounds centre, and the entries inside it are skipped. scratch holds
// kSweepChunk segments. The first host error ends the walk.
ASErr SweepSelection(const AreaStep& step, bool groupAsUnit, const AIArtHandle* arts,
                     int32_t count, Segment* scratch);

// Moves the selected art inside a copy: root and its descendants, in the
// same way as the selection list (groups, compound paths and plug-in group
// art's edit group are entered; only art whose selected attribute is set
// moves).
ASErr SweepArtTree(const AreaStep& step, bool groupAsUnit, AIArtHandle root,
                   Segment* scratch);

}  // namespace vx
