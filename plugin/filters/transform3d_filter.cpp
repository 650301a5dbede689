#include "filters/transform3d_filter.h"

#include <cstring>

#include "filters/kinds3d.h"
#include "filters/transform3d_dialog.h"
#include "geometry/depth_order.h"
#include "geometry/path_mapping.h"
#include "shell/blocks.h"
#include "shell/globals.h"
#include "shell/suites.h"

namespace vx {
namespace {

// The record inside the host's parameter block; the block is made (with the
// kind last shown) when the host has none yet.
ASErr ParameterRecord(AIFilterMessage* message, TransformParams** record) {
  *record = nullptr;
  auto handle = static_cast<AIMdMemoryHandle>(message->parameters);
  if (!handle) {
    if (!sMdMemory ||
        sMdMemory->MdMemoryNewHandle(sizeof(TransformParams), &handle) ||
        !handle)
      return kMemErr4;
    ResetTransformParams(static_cast<TransformParams*>(*handle),
                         ReadTransformKindPreference());
    message->parameters = handle;
  }
  *record = static_cast<TransformParams*>(*handle);
  return kNoErr;
}

PathSet* KeptPathSet() {
  return gGlobals ? static_cast<PathSet*>(gGlobals->transformPathSet)
                  : nullptr;
}

// Frees a PathSet block with its buffers.
void FreePathSetBlock(PathSet* set) {
  if (!set) return;
  FreePathSet(set);
  void* raw = set;
  FreeBlock(raw);
}

// Steps 2 to 4 of a run over a set whose host paths are arts. Nothing is
// written until every path is mapped; a failure while writing or restacking
// takes back what was already changed, so the artwork stays as it was.
ASErr RunOverSet(TransformParams* p, PathSet* set, AIArtHandleList arts) {
  if (ASErr err = TransformRemainingPaths(p, set, true)) return err;
  ASErr err = WriteBack(arts, *set);
  if (!err && set->pathCount >= 2 && p->kind != kSimpleRotation &&
      p->afterMode == 1)
    err = ReorderByDepth(arts, *set);
  if (err && sUndo) sUndo->UndoChanges();
  return err;
}

}  // namespace

int ReadTransformKindPreference() {
  int32_t kind = 0;
  if (sPreference)
    sPreference->GetIntegerPreference(kTransformPrefPrefix,
                                      kTransformKindPref, &kind);
  return kind >= 0 && kind < kTransformKindCount ? kind : 0;
}

void DropTransformPathSet() {
  if (!gGlobals) return;
  FreePathSetBlock(KeptPathSet());
  gGlobals->transformPathSet = nullptr;
  gGlobals->transformResume = 0;
}

void PrepareTransform(TransformParams* p, PathSet* set, MapContext* ctx,
                      PathMapping* mapping) {
  if (SetUpKind(p) == kZeroRadiusSetUp) set->resultFlag = kPathSetZeroRadius;
  *ctx = MakeKindContext(*p);
  *mapping = p->controlPointsOnly ? PathMapping::kAnchorsOnly
                                  : PathMapping::kSubdividing;
}

ASErr TransformRemainingPaths(TransformParams* p, PathSet* set,
                              bool hostProgress) {
  MapContext ctx;
  PathMapping mapping;
  PrepareTransform(p, set, &ctx, &mapping);
  return MapRemainingPaths(set, ctx, mapping, hostProgress);
}

ASErr Transform3DGetParameters(AIFilterMessage* message) {
  AIArtHandleList arts = nullptr;
  int32_t count = 0, total = 0;
  if (ASErr err = GatherSelectedPaths(&arts, &count, &total, nullptr))
    return err;
  ReleaseArtList(&arts);
  if (total == 0) return kNoErr;

  TransformParams* record = nullptr;
  if (ASErr err = ParameterRecord(message, &record)) return err;
  DropTransformPathSet();
  TransformParams backup;
  std::memcpy(&backup, record, sizeof backup);
  bool ok = false;
  const ASErr err = RunTransformDialog(record, &ok);
  if (err || !ok) {
    std::memcpy(record, &backup, sizeof backup);
    DropTransformPathSet();
    return err ? err : kCanceledErr;
  }
  return kNoErr;
}

ASErr Transform3DGo(AIFilterMessage* message) {
  TransformParams* p = nullptr;
  ASErr err = ParameterRecord(message, &p);
  AIArtHandleList arts = nullptr;
  PathSet* kept = KeptPathSet();
  const bool resume = gGlobals && gGlobals->transformResume && kept;
  if (!err && resume) {
    // Resume the dialog's computation over the paths it gathered.
    int32_t count = 0, total = 0;
    err = GatherSelectedPaths(&arts, &count, &total, nullptr);
    if (!err && count != kept->pathCount) err = kBadSelectionErr;
    if (!err) {
      RebuildDerived(p, kept->bounds);
      err = RunOverSet(p, kept, arts);
    }
  } else if (!err) {
    DropTransformPathSet();
    PathSet* set = nullptr;
    err = NewBlock(sizeof(PathSet), "path set", reinterpret_cast<void**>(&set));
    if (!err) {
      gGlobals->transformPathSet = set;
      err = GatherPathSet(&arts, set);
      if (err) InitPathSet(set, 0, 0, AIRealRect{0, 0, 0, 0});
    }
    if (!err && set->pathCount > 0) {
      RebuildDerived(p, set->bounds);
      err = RunOverSet(p, set, arts);
    }
  }
  ReleaseArtList(&arts);
  DropTransformPathSet();
  return err;
}

}  // namespace vx
