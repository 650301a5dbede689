// Mapping whole paths: the subdividing driver shared by every member of the
// piece-mapper family, the anchors-only mapping, and the resumable run over
// a PathSet.
#pragma once

#include <cstdint>

#include "geometry/piece_mapping.h"
#include "geometry/progress.h"
#include "geometry/segment_buffer.h"

namespace vx {

// Maps count source segments (a closed path also maps its closing piece)
// piece by piece into out, splitting pieces at the half way until MapPiece
// accepts them. out must hold kScratchSegments segments and must not overlap
// source. On success *outCount is the number of mapped segments, or
// kSegmentLimit when the path would need kSegmentLimit segments or more: then
// the content of out is not a usable path. *depth is the largest anchor z
// (kDepthSentinel when nothing was mapped). Progress (done = source piece
// index) is reported after every source piece. Returns kPieceMapped,
// kPieceBehind or the mapper's error. A path of fewer than two segments is
// copied unchanged.
ASErr MapSegmentsSubdividing(const MapContext& ctx, const Segment* source,
                             int32_t count, bool closed, Segment* out,
                             int32_t* outCount, float* depth,
                             const ProgressSpan& progress);

// Maps one path of a PathSet: the working record becomes the mapped source
// (new array "transform segs"), or stays the source copy when the result
// reaches kSegmentLimit segments or an error occurs. Uses a scratch array
// "transform sgs" for the duration of the call (room for each piece split
// once, grown to kScratchSegments when the path needs more). Returns 0, 1 (some point
// behind the view point) or an error (-108, the mapper's).
ASErr MapPathSubdividing(const MapContext& ctx, int32_t progressOffset,
                         int32_t progressTotal, const SegmentBuffer& source,
                         SegmentBuffer* working);
// Maps p, out and in of every segment directly ("Move Control Points Only");
// every mapped segment becomes a corner. The count does not change; on an
// error the working record is the source copy again.
ASErr MapPathAnchorsOnly(const MapContext& ctx, int32_t progressOffset,
                         int32_t progressTotal, const SegmentBuffer& source,
                         SegmentBuffer* working);

// Remaps one host path in place, as the tools do at every drag step: its
// segments are read into `source` (kScratchSegments segments, owned by the
// caller; null: a block of their own, "buffer 2 for segments"), mapped into
// scratch (kScratchSegments segments, owned by the caller and reused for
// every path), and written back when the result has fewer than
// kSegmentLimit segments. Paths of fewer than two segments, paths already at
// the limit (their result cannot be shorter), results at the limit, and
// every error leave the path as it was. Returns 0, -108, a host error or the
// mapper's error.
ASErr MapHostPath(const MapContext& ctx, AIArtHandle path, Segment* scratch,
                  Segment* source = nullptr);

enum class PathMapping : int32_t { kSubdividing, kAnchorsOnly };

// Maps path set->nextPath and advances nextPath and doneSegments; a point
// behind the view point raises resultFlag to kPathSetBehind (a zero-radius
// flag stays). With hostProgress the host's progress bar follows the
// segments. Returns 0 or an error (the path stays unmapped, nextPath stays).
ASErr MapNextPath(PathSet* set, const MapContext& ctx, PathMapping mapping,
                  bool hostProgress);
// Maps every path from set->nextPath on, checking for the user's cancel after
// each path ("STOP"). A later call resumes where this one stopped.
ASErr MapRemainingPaths(PathSet* set, const MapContext& ctx,
                        PathMapping mapping, bool hostProgress);

}  // namespace vx
