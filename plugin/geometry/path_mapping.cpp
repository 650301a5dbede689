#include "geometry/path_mapping.h"

#include <algorithm>

#include "geometry/bezier.h"
#include "geometry/projection.h"
#include "shell/blocks.h"

namespace vx {

namespace {

// The driver's scratch array: a caller's array of kScratchSegments segments,
// or a block of its own that starts smaller and doubles (up to
// kScratchSegments) when splitting needs the room (MapPathSubdividing).
class Scratch {
 public:
  explicit Scratch(Segment* fixed) : data_(fixed), capacity_(kScratchSegments) {}
  explicit Scratch(const char* label) : label_(label) {}
  ~Scratch() { Free(); }
  Scratch(const Scratch&) = delete;
  Scratch& operator=(const Scratch&) = delete;

  // A block of `initial` segments (at most kScratchSegments) under the label.
  ASErr Allocate(int32_t initial) {
    Free();
    return Grow(std::min(initial, kScratchSegments));
  }
  Segment* data() const { return data_; }
  // Room for `needed` (at most kScratchSegments) segments, keeping the
  // content; a fixed array always has it.
  ASErr Reserve(int32_t needed) {
    if (needed <= capacity_) return kNoErr;
    return Grow(std::min(std::max(needed, 2 * capacity_), kScratchSegments));
  }

 private:
  ASErr Grow(int32_t capacity) {
    void* raw = nullptr;
    if (ASErr err = NewBlock(sizeof(Segment) * static_cast<std::size_t>(capacity),
                             label_, &raw))
      return err;
    Segment* grown = static_cast<Segment*>(raw);
    if (data_) std::copy(data_, data_ + capacity_, grown);
    Free();
    data_ = owned_ = grown;
    capacity_ = capacity;
    return kNoErr;
  }
  void Free() {
    void* raw = owned_;
    FreeBlock(raw);
    if (owned_ == data_) {
      data_ = nullptr;
      capacity_ = 0;
    }
    owned_ = nullptr;
  }

  Segment* data_ = nullptr;
  int32_t capacity_ = 0;
  const char* label_ = nullptr;
  Segment* owned_ = nullptr;  // data_ when the block is this scratch's own
};

// The scratch holds, in order: finished output segments [0, pos), then the
// segments still waiting in page coordinates [pos, total). The waiting
// segment at pos already carries the mapped in-control point and corner
// flag of the piece before it; its p and out are still unmapped, because the
// next piece maps them. At the end of a source piece its last segment gets
// its mapped anchor too (the open path's last segment keeps it), and the next
// source piece puts the unmapped anchor back before mapping on.
//
// Splitting only ever adds segments, and a result of kSegmentLimit segments
// or more is not used, so the driver gives up on a path as soon as it would
// need more than kSegmentLimit segments: nothing is written at or beyond
// index kSegmentLimit of the scratch.
ASErr MapIntoScratch(const MapContext& ctx, const Segment* source,
                     int32_t count, bool closed, Scratch* scratch,
                     int32_t* outCount, float* depth,
                     const ProgressSpan& progress) {
  *depth = kDepthSentinel;
  *outCount = count;
  ASErr err = kNoErr;
  Segment* out = scratch->data();  // room for at least two segments
  if (count < 2) {
    std::copy(source, source + std::max(count, 0), out);
    return kPieceMapped;
  }
  const int32_t pieces = closed ? count : count - 1;
  bool behind = false;
  int32_t pos = 0;
  out[0] = source[0];
  for (int32_t k = 0; k < pieces; ++k) {
    if (pos + 2 > kSegmentLimit) {
      *outCount = kSegmentLimit;
      return behind ? kPieceBehind : kPieceMapped;
    }
    if ((err = scratch->Reserve(pos + 2))) return err;
    out = scratch->data();
    out[pos].p = source[k].p;
    out[pos + 1] = source[k + 1 < count ? k + 1 : 0];
    int32_t total = pos + 2;
    int32_t end = pos + 1;
    while (pos < end) {
      Segment a = out[pos], b = out[pos + 1];
      float pieceDepth;
      const ASErr r = MapPiece(ctx, &a, &b, &pieceDepth, true);
      if (r == kPieceSplit) {
        if (total >= kSegmentLimit) {
          *outCount = kSegmentLimit;
          return behind ? kPieceBehind : kPieceMapped;
        }
        if ((err = scratch->Reserve(total + 1))) return err;
        out = scratch->data();
        SplitPieceAtHalf(out, pos, total);
        ++total;
        ++end;
        continue;
      }
      if (r != kPieceMapped && r != kPieceBehind) return r;
      behind = behind || r == kPieceBehind;
      *depth = std::max(*depth, pieceDepth);
      out[pos] = a;
      out[pos + 1].in = b.in;
      out[pos + 1].corner = b.corner;
      if (pos + 1 == end) out[pos + 1].p = b.p;
      ++pos;
    }
    ReportProgress(progress, k);
  }
  if (closed) {
    // The last segment is segment 0 again, mapped as the closing piece's
    // end: its in-control point belongs to the first segment.
    out[0].in = out[pos].in;
    out[0].corner = static_cast<ASBoolean>(out[0].corner | out[pos].corner);
    *outCount = pos;
  } else {
    out[0].in = out[0].p;
    out[pos].out = out[pos].p;
    *outCount = pos + 1;
  }
  if (*outCount >= kSegmentLimit) *outCount = kSegmentLimit;
  return behind ? kPieceBehind : kPieceMapped;
}

}  // namespace

ASErr MapSegmentsSubdividing(const MapContext& ctx, const Segment* source,
                             int32_t count, bool closed, Segment* out,
                             int32_t* outCount, float* depth,
                             const ProgressSpan& progress) {
  Scratch scratch(out);
  return MapIntoScratch(ctx, source, count, closed, &scratch, outCount, depth,
                        progress);
}

ASErr MapPathSubdividing(const MapContext& ctx, int32_t progressOffset,
                         int32_t progressTotal, const SegmentBuffer& source,
                         SegmentBuffer* working) {
  CopySegmentBuffer(source, working);
  if (source.count < 2) return kNoErr;
  // The scratch starts with room for every piece split once and grows only
  // for a path that needs more. The host fills every new block, so a
  // full-size scratch for a short path costs more than mapping the path.
  Scratch scratch("transform sgs");
  ASErr err = scratch.Allocate(2 * source.count + 2);
  if (err) return err;
  int32_t count = 0;
  float depth = kDepthSentinel;
  const ASErr result = MapIntoScratch(
      ctx, source.segments, source.count, source.closed != 0, &scratch,
      &count, &depth, ProgressSpan{progressOffset, progressTotal});
  if (result != kPieceMapped && result != kPieceBehind) return result;
  if (count >= kSegmentLimit) return result;

  BlockPtr<Segment> mapped;
  if ((err = mapped.Allocate(static_cast<std::size_t>(count), "transform segs")))
    return err;
  std::copy(scratch.data(), scratch.data() + count, mapped.get());
  void* old = working->segments;
  FreeBlock(old);
  working->segments = mapped.Release();
  working->count = count;
  working->depth = depth;
  return result;
}

ASErr MapPathAnchorsOnly(const MapContext& ctx, int32_t progressOffset,
                         int32_t progressTotal, const SegmentBuffer& source,
                         SegmentBuffer* working) {
  CopySegmentBuffer(source, working);
  if (source.count < 2) return kNoErr;
  const ProgressSpan progress{progressOffset, progressTotal};
  bool behind = false;
  float depth = kDepthSentinel;
  for (int32_t i = 0; i < working->count; ++i) {
    Segment& s = working->segments[i];
    float z = 0.0f, handleZ = 0.0f;
    ASErr err = MapPagePoint(ctx, s.p, &s.p, &z, &behind);
    if (!err) err = MapPagePoint(ctx, s.out, &s.out, &handleZ, &behind);
    if (!err) err = MapPagePoint(ctx, s.in, &s.in, &handleZ, &behind);
    if (err) {
      CopySegmentBuffer(source, working);
      return err;
    }
    depth = std::max(depth, z);
    s.corner = 1;
    ReportProgress(progress, i);
  }
  working->depth = depth;
  return behind ? kPieceBehind : kPieceMapped;
}

ASErr MapHostPath(const MapContext& ctx, AIArtHandle path, Segment* scratch,
                  Segment* source) {
  if (!sPath || !sPath->GetPathSegmentCount || !sPath->GetPathSegments ||
      !sPath->GetPathClosed || !sPath->SetPathSegments || !sPath->SetPathSegmentCount)
    return kSPSuiteNotFoundError;
  int16_t count = 0;
  ASErr err = sPath->GetPathSegmentCount(path, &count);
  if (err || count < 2) return err;
  ASBoolean closed = 0;
  if ((err = sPath->GetPathClosed(path, &closed))) return err;
  if (count >= kSegmentLimit) return kNoErr;
  BlockPtr<Segment> own;
  if (!source) {
    if ((err = own.Allocate(static_cast<std::size_t>(count), "buffer 2 for segments")))
      return err;
    source = own.get();
  }
  if ((err = sPath->GetPathSegments(path, 0, count, source))) return err;
  int32_t mapped = 0;
  float depth;
  const ASErr result = MapSegmentsSubdividing(ctx, source, count, closed != 0,
                                              scratch, &mapped, &depth,
                                              ProgressSpan{0, 0});
  if (result != kPieceMapped && result != kPieceBehind) return result;
  if (mapped >= kSegmentLimit) return kNoErr;
  const int16_t n = static_cast<int16_t>(mapped);
  if ((err = sPath->SetPathSegments(path, 0, n, scratch))) return err;
  return sPath->SetPathSegmentCount(path, n);
}

ASErr MapNextPath(PathSet* set, const MapContext& ctx, PathMapping mapping,
                  bool hostProgress) {
  const int32_t i = set->nextPath;
  if (i < 0 || i >= set->pathCount) return kNoErr;
  const int32_t total = hostProgress ? set->totalSegments : 0;
  const ASErr r =
      mapping == PathMapping::kAnchorsOnly
          ? MapPathAnchorsOnly(ctx, set->doneSegments, total, set->source[i],
                               &set->working[i])
          : MapPathSubdividing(ctx, set->doneSegments, total, set->source[i],
                               &set->working[i]);
  if (r != kPieceMapped && r != kPieceBehind) return r;
  if (r == kPieceBehind && set->resultFlag == kPathSetClean)
    set->resultFlag = kPathSetBehind;
  set->doneSegments += set->source[i].count;
  set->nextPath = i + 1;
  return kNoErr;
}

ASErr MapRemainingPaths(PathSet* set, const MapContext& ctx,
                        PathMapping mapping, bool hostProgress) {
  while (set->nextPath < set->pathCount) {
    if (ASErr err = MapNextPath(set, ctx, mapping, hostProgress)) return err;
    if (hostProgress && UserCancelled()) return kCanceledErr;
  }
  return kNoErr;
}

}  // namespace vx
