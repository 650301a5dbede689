// Restacking mapped paths by depth, so that what the 3D mapping brought
// nearer to the viewer is painted on top.
#pragma once

#include "geometry/segment_buffer.h"

namespace vx {

// One unit of the depth sort: a path, or the group or compound path that
// holds selected paths, with the largest depth among them.
struct ReorderEntry {
  AIArtHandle art;
  float depth;  // starts at kDepthSentinel
};

// Moves the units of the set's paths to the top of their layer in order
// of ascending working depth, so the nearest ends on top. A unit is the
// outermost group or compound path above a path (below its layer), or the
// path itself; paths inside other containers (plug-in art, for example)
// keep their place. Fewer than two paths: nothing happens. Paths on more than
// one layer: "sPsL" before anything moves. Uses a "reorder buffer".
ASErr ReorderByDepth(AIArtHandleList arts, const PathSet& set);

}  // namespace vx
