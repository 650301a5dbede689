#include "geometry/segment_buffer.h"

#include <algorithm>
#include <cstring>

#include "geometry/projection.h"
#include "shell/blocks.h"

namespace vx {
namespace {

constexpr const char* kSegsLabel = "segs buffer";
constexpr const char* kPathsInfoLabel = "paths info buffer";

// The selected art of types 2 and 8, as every filter run asks for it.
ASErr MatchSelectedPathArt(AIArtHandleList* arts, int32_t* count) {
  *arts = nullptr;
  *count = 0;
  if (!sMatchingArt || !sMatchingArt->GetMatchingArt)
    return kSPSuiteNotFoundError;
  const AIMatchingArtSpec specs[2] = {
      {kPathArt, kArtSelected, kArtSelected},
      {kMysteryPathArt, kArtSelected, kArtSelected}};
  ASErr err = sMatchingArt->GetMatchingArt(specs, 2, arts, count);
  if (!err && (*count <= 0 || !*arts)) err = kBadSelectionErr;
  if (err) ReleaseArtList(arts);
  return err;
}

bool PathSuiteReady() {
  return sPath && sPath->GetPathSegmentCount && sPath->GetPathSegments &&
         sPath->SetPathSegments && sPath->SetPathSegmentCount &&
         sPath->GetPathClosed;
}

void UnionInto(AIRealRect* into, const AIRealRect& r) {
  into->left = std::min(into->left, r.left);
  into->right = std::max(into->right, r.right);
  into->top = std::max(into->top, r.top);
  into->bottom = std::min(into->bottom, r.bottom);
}

ASErr NewSegments(int32_t count, Segment** segments) {
  *segments = nullptr;
  if (count <= 0) return kNoErr;
  void* raw = nullptr;
  ASErr err = NewBlock(sizeof(Segment) * static_cast<std::size_t>(count),
                       kSegsLabel, &raw);
  *segments = static_cast<Segment*>(raw);
  return err;
}

ASErr NewRecords(int32_t count, SegmentBuffer** records) {
  *records = nullptr;
  if (count <= 0) return kNoErr;
  void* raw = nullptr;
  ASErr err = NewBlock(sizeof(SegmentBuffer) * static_cast<std::size_t>(count),
                       kPathsInfoLabel, &raw);
  if (err) return err;
  *records = static_cast<SegmentBuffer*>(raw);
  for (int32_t i = 0; i < count; ++i) (*records)[i] = SegmentBuffer{0, 0, kDepthSentinel, nullptr};
  return kNoErr;
}

void FreeRecords(SegmentBuffer*& records, int32_t count) {
  if (!records) return;
  for (int32_t i = 0; i < count; ++i) {
    void* raw = records[i].segments;
    FreeBlock(raw);
  }
  void* raw = records;
  FreeBlock(raw);
  records = nullptr;
}

ASErr ReadPath(AIArtHandle art, SegmentBuffer* working, SegmentBuffer* source) {
  int16_t count = 0;
  ASErr err = sPath->GetPathSegmentCount(art, &count);
  if (err) return err;
  if ((err = NewSegments(count, &working->segments))) return err;
  if (count > 0 &&
      (err = sPath->GetPathSegments(art, 0, count, working->segments)))
    return err;
  if ((err = NewSegments(count, &source->segments))) return err;
  if (count > 0)
    std::memcpy(source->segments, working->segments,
                sizeof(Segment) * static_cast<std::size_t>(count));
  ASBoolean closed = 0;
  if ((err = sPath->GetPathClosed(art, &closed))) return err;
  for (SegmentBuffer* record : {working, source}) {
    record->count = count;
    record->closed = closed ? 1 : 0;
    record->depth = kDepthSentinel;
  }
  return kNoErr;
}

}  // namespace

void ReleaseArtList(AIArtHandleList* arts) {
  if (*arts && sMdMemory && sMdMemory->MdMemoryDisposeHandle)
    sMdMemory->MdMemoryDisposeHandle(reinterpret_cast<AIMdMemoryHandle>(*arts));
  *arts = nullptr;
}

ASErr GatherSelectedPaths(AIArtHandleList* arts, int32_t* pathCount,
                          int32_t* totalSegments, AIRealRect* bounds) {
  *pathCount = 0;
  *totalSegments = 0;
  if (bounds) *bounds = AIRealRect{0, 0, 0, 0};
  if (!PathSuiteReady() || !sArt || !sArt->GetArtType ||
      !sArt->GetArtTransformBounds)
    return kSPSuiteNotFoundError;
  int32_t matches = 0;
  ASErr err = MatchSelectedPathArt(arts, &matches);
  if (err) return err;

  const AIRealMatrix identity = {1.0f, 0.0f, 0.0f, 1.0f, 0.0f, 0.0f};
  AIArtHandle* list = **arts;
  int32_t kept = 0;
  int32_t total = 0;
  for (int32_t i = 0; i < matches && !err; ++i) {
    AIArtHandle art = list[i];
    int16_t type = kUnknownArt;
    if ((err = sArt->GetArtType(art, &type)) || type != kPathArt) continue;
    int16_t count = 0;
    if ((err = sPath->GetPathSegmentCount(art, &count))) break;
    if (bounds) {
      AIRealRect r;
      if ((err = sArt->GetArtTransformBounds(art, &identity, kVisibleBounds, &r))) break;
      if (kept == 0)
        *bounds = r;
      else
        UnionInto(bounds, r);
    }
    total += count;
    list[kept++] = art;
  }
  if (!err && kept == 0) err = kBadSelectionErr;
  if (err) {
    ReleaseArtList(arts);
    if (bounds) *bounds = AIRealRect{0, 0, 0, 0};
    return err;
  }
  *pathCount = kept;
  *totalSegments = total;
  return kNoErr;
}

ASErr CountSelectedSegments(AIArtHandleList* arts, int32_t* matchCount,
                            int32_t* segmentTotal, bool firstOnly) {
  *matchCount = 0;
  *segmentTotal = 0;
  if (!PathSuiteReady()) return kSPSuiteNotFoundError;
  int32_t matches = 0;
  ASErr err = MatchSelectedPathArt(arts, &matches);
  if (err) return err;
  int32_t total = 0;
  const int32_t n = firstOnly ? 1 : matches;
  for (int32_t i = 0; i < n; ++i) {
    int16_t count = 0;
    if ((err = sPath->GetPathSegmentCount((**arts)[i], &count))) {
      ReleaseArtList(arts);
      return err;
    }
    total += count;
  }
  *matchCount = matches;
  *segmentTotal = total;
  return kNoErr;
}

void InitPathSet(PathSet* set, int32_t pathCount, int32_t totalSegments,
                 const AIRealRect& bounds) {
  *set = PathSet{};
  set->bounds = bounds;
  set->boundsCopy = bounds;
  set->corners[0] = {bounds.left, bounds.top, 0.0f};
  set->corners[1] = {bounds.left, bounds.bottom, 0.0f};
  set->corners[2] = {bounds.right, bounds.bottom, 0.0f};
  set->corners[3] = {bounds.right, bounds.top, 0.0f};
  set->pathCount = pathCount;
  set->totalSegments = totalSegments;
  set->resultFlag = kPathSetClean;
}

ASErr AllocatePathSet(AIArtHandleList arts, PathSet* set) {
  set->working = nullptr;
  set->source = nullptr;
  if (!PathSuiteReady()) return kSPSuiteNotFoundError;
  const int32_t n = set->pathCount;
  ASErr err = NewRecords(n, &set->working);
  if (!err) err = NewRecords(n, &set->source);
  for (int32_t i = 0; i < n && !err; ++i)
    err = ReadPath((*arts)[i], &set->working[i], &set->source[i]);
  if (err) {
    FreeRecords(set->working, n);
    FreeRecords(set->source, n);
    return err;
  }
  set->resultFlag = kPathSetClean;
  return kNoErr;
}

ASErr GatherPathSet(AIArtHandleList* arts, PathSet* set) {
  int32_t count = 0, total = 0;
  AIRealRect bounds;
  InitPathSet(set, 0, 0, AIRealRect{0, 0, 0, 0});
  ASErr err = GatherSelectedPaths(arts, &count, &total, &bounds);
  if (err) return err;
  InitPathSet(set, count, total, bounds);
  if ((err = AllocatePathSet(*arts, set))) {
    ReleaseArtList(arts);
    InitPathSet(set, 0, 0, AIRealRect{0, 0, 0, 0});
  }
  return err;
}

void CopySegmentBuffer(const SegmentBuffer& from, SegmentBuffer* to) {
  to->count = from.count;
  to->closed = from.closed;
  to->depth = from.depth;
  for (int32_t i = 0; i < from.count; ++i) to->segments[i] = from.segments[i];
}

void ResetWorking(PathSet* set) {
  for (int32_t i = 0; i < set->pathCount; ++i)
    CopySegmentBuffer(set->source[i], &set->working[i]);
  set->resultFlag = kPathSetClean;
}

ASErr WriteBack(AIArtHandleList arts, const PathSet& set) {
  if (!PathSuiteReady()) return kSPSuiteNotFoundError;
  for (int32_t i = 0; i < set.pathCount; ++i) {
    const SegmentBuffer& w = set.working[i];
    AIArtHandle art = (*arts)[i];
    const int16_t count = static_cast<int16_t>(w.count);
    // Writing past the end grows the path; the count then drops what is
    // left of a longer one.
    ASErr err = count > 0 ? sPath->SetPathSegments(art, 0, count, w.segments)
                          : kNoErr;
    if (!err) err = sPath->SetPathSegmentCount(art, count);
    if (err) return err;
  }
  return kNoErr;
}

void FreePathSet(PathSet* set) {
  FreeRecords(set->working, set->pathCount);
  FreeRecords(set->source, set->pathCount);
  set->pathCount = 0;
  set->bounds = AIRealRect{0, 0, 0, 0};
}

}  // namespace vx
