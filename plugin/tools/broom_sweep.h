// The Broom tool's move of the selection: every selected path whose centre
// lies inside the target area is moved rigidly by where the area sweep
// sends its centre; a fully selected group or compound path can move as one
// object.
#pragma once

#include <cstdint>

#include "tools/area_sweep.h"
#include "vx_sdk.h"

namespace vx {

// Adds delta to the anchor and both control points of count segments.
void OffsetSegments(Segment* segments, int32_t count, const AIRealPoint& delta);

// The move of an object whose reference (bounds centre) is r: R' - R, or
// false when r lies on or outside the area's edge.
bool SweepDelta(const AreaStep& step, const AIRealPoint& r, AIRealPoint* delta);

// Moves one object for step: with groupAsUnit a group or compound path whose
// user attributes read fully selected (not a layer's group) moves every path
// inside it (through nested groups and compound paths) by the move of its own
// bounds centre; a path of at least 2 segments moves by its own bounds
// centre; anything else stays. *kind says which it was (a unit's or a
// path's members need no visit). scratch holds kScratchSegments segments.
enum SweptAs : int32_t { kSweptNothing, kSweptPath, kSweptUnit };
ASErr SweepObject(const AreaStep& step, bool groupAsUnit, AIArtHandle art,
                  Segment* scratch, SweptAs* kind);

// Moves the entries of a selection list from index 1 on (entry 0 is the
// layer group no walk acts on) with SweepObject; the entries inside an
// object moved as a unit are skipped. The first host error ends the walk.
ASErr SweepSelection(const AreaStep& step, bool groupAsUnit, const AIArtHandle* arts,
                     int32_t count, Segment* scratch);

}  // namespace vx
