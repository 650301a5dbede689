// The Roughening tool's geometry over one path's segments: new anchors in
// the circular area around the drag's start, then every anchor in the area
// pushed a random distance across the path.
#pragma once

#include <cstdint>

#include "vx_sdk.h"

namespace vx {

// One drag step of the tool. dragH and dragV are the pointer minus the
// down point: |dragH| sets the anchor spacing (72 / |dragH| points, at
// least 1; no new anchors when 0), |dragV| the largest push.
struct RoughenStep {
  AIRealPoint centre;  // the area's centre, page points
  float radius;        // the area's radius, points
  float dragH, dragV;
  bool smooth;         // handles move with the anchor; else both on it
  AIReal (*random)();  // the host's generator, already seeded: [0, 1)
};

// Roughens the path count/closed of `source` into `out`, which must hold
// kScratchSegments segments, and sets *outCount. A result of
// kSegmentLimit segments or more must not be written back (splitting stops
// there and nothing is pushed, so no random value is drawn). Fewer than two
// segments are copied unchanged. Draws one random value per anchor in the
// area, in path order.
void RoughenSegments(const RoughenStep& step, const Segment* source,
                     int32_t count, bool closed, Segment* out,
                     int32_t* outCount);

}  // namespace vx
