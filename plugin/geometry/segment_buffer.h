// Working buffers of path segments: the selected paths are read once into
// buffers owned by the plug-in, a source copy stays untouched beside a
// working copy that the mapping rewrites, and at the end the working copy is
// written back into the same host paths. Every buffer comes from the host's
// block allocator; a null pointer means not allocated.
#pragma once

#include <cstdint>

#include "geometry/matrix3.h"
#include "vx_sdk.h"

namespace vx {

// The segments of one path. `segments` may hold more than `count` elements
// (a working copy keeps its array when it is reset to a shorter source).
struct SegmentBuffer {
  int32_t count;
  int32_t closed;
  float depth;  // largest anchor z after the last 3D mapping, or
                // kDepthSentinel when not computed
  Segment* segments;  // "segs buffer" or "transform segs"
};

// Values of PathSet::resultFlag.
enum : int32_t {
  kPathSetClean = 0,
  kPathSetBehind = 1,      // some point fell at or behind the view point
  kPathSetZeroRadius = 2,  // the kind's set-up found a zero radius
};

// The selected paths of one filter run; index i of `working`, `source` and
// the art list is the same path.
struct PathSet {
  AIRealRect bounds;      // union of the paths' bounds
  AIRealRect boundsCopy;
  Point3 corners[4];      // (left, top), (left, bottom), (right, bottom),
                          // (right, top), z = 0
  int32_t pathCount;
  int32_t nextPath;       // first path not yet mapped for the current values
  int32_t totalSegments;  // progress total
  int32_t doneSegments;   // progress position
  int32_t resultFlag;
  SegmentBuffer* working;  // "paths info buffer"
  SegmentBuffer* source;   // "paths info buffer", never changed
};

// Disposes of a host art list (null is fine) and clears the pointer.
void ReleaseArtList(AIArtHandleList* arts);

// Collects the selected paths (matching art: selected art of types 2 and 8,
// keeping the paths, compacted into the front of the list) with their
// segment total and the union of their bounds (not measured when bounds is
// null: a caller that only checks the selection skips a walk over every
// segment). "!sel" when there is none. On error the list is released.
ASErr GatherSelectedPaths(AIArtHandleList* arts, int32_t* pathCount,
                          int32_t* totalSegments, AIRealRect* bounds);
// The same matching; counts matches and sums their segment counts, stopping
// after the first match when firstOnly. "!sel" when nothing matches. On error
// the list is released.
ASErr CountSelectedSegments(AIArtHandleList* arts, int32_t* matchCount,
                            int32_t* segmentTotal, bool firstOnly);

// Clears set and fills its geometry and counts (no buffers yet).
void InitPathSet(PathSet* set, int32_t pathCount, int32_t totalSegments,
                 const AIRealRect& bounds);
// Reads every path of arts (set->pathCount of them) into set->working and
// set->source. Returns 0, -108 or a host error; on failure nothing of the set
// stays allocated.
ASErr AllocatePathSet(AIArtHandleList arts, PathSet* set);
// GatherSelectedPaths, InitPathSet and AllocatePathSet in one. On failure
// the list is released and nothing stays allocated.
ASErr GatherPathSet(AIArtHandleList* arts, PathSet* set);

// Copies count, closed, depth and the first count segments into `to`, whose
// array must hold them.
void CopySegmentBuffer(const SegmentBuffer& from, SegmentBuffer* to);
// Every working record becomes its source record again; resultFlag = 0.
void ResetWorking(PathSet* set);
// Replaces the segments of every host path with its working copy; the
// closed flag, style and everything else of the art stays.
ASErr WriteBack(AIArtHandleList arts, const PathSet& set);
// Frees every buffer of the set and clears pathCount, bounds and arrays.
void FreePathSet(PathSet* set);

}  // namespace vx
