// The Craft tool's geometry: every point of a path mapped through the area
// sweep by the adaptive subdivide-and-map scheme, and the anchor that an
// Alt+Shift-click inserts without changing the outline.
#pragma once

#include <cstdint>

#include "geometry/piece_mapping.h"
#include "tools/area_sweep.h"
#include "vx_sdk.h"

namespace vx {

// The piece-mapper context of one drag step: tool member 1 sized by the
// area radius, with the area centre as its reference point. The step must
// outlive the context (the mapper reads it).
MapContext CraftContext(const AreaStep* step);

// Maps count source segments (closed: the closing piece too) into out, which
// holds kScratchSegments segments. *outCount is the mapped count, or
// kSegmentLimit when the path would reach the limit (then out is no path).
// Points outside the area stay; pieces are split where the distorted outline
// needs new anchors. Returns 0 or the mapper's error.
ASErr DistortSegments(const AreaStep& step, const Segment* source, int32_t count,
                      bool closed, Segment* out, int32_t* outCount);

// Distorts one host path in place through the scratch (kScratchSegments
// segments, reused for every path; `source` the same for the path read
// first, null: a block of its own): a path of fewer than 2 segments and one
// whose result would reach kSegmentLimit stay as they were. Returns 0, -108
// or a host error.
ASErr DistortHostPath(const AreaStep& step, AIArtHandle path, Segment* scratch,
                      Segment* source = nullptr);

// Inserts one anchor into the piece that starts at segment `piece` of a path
// of count segments (closed: piece count - 1 is the closing piece, whose new
// anchor goes after the last one), at curve parameter t in (0, 1). A
// straight piece (both handles on their anchors) gets a corner anchor with
// retracted handles on the line; a curved piece is split by de Casteljau's
// construction, so the outline stays the same. out receives count + 1
// segments; returns the index of the new anchor, or -1 (out untouched) for a
// piece or t outside those ranges.
int32_t InsertAnchor(const Segment* segments, int32_t count, bool closed,
                     int32_t piece, float t, Segment* out);

// Inserts an anchor into host path `path` at the piece and t of a hit.
// Returns 0, -108 or a host error; an unusable piece or t changes nothing.
ASErr InsertAnchorIntoPath(AIArtHandle path, int32_t piece, float t);

// Alt+Shift-click of the Craft and Roughening tools: a hit on a piece of a
// path within 2 points of `where` inserts an anchor there; a miss, or a hit
// on an anchor (which is already there), does nothing.
ASErr InsertAnchorAtHit(AIRealPoint where);

}  // namespace vx
