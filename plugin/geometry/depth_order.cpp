#include "geometry/depth_order.h"

#include <algorithm>
#include <cmath>

#include "geometry/projection.h"
#include "shell/blocks.h"

namespace vx {
namespace {

bool ArtSuiteReady() {
  return sArt && sArt->GetArtParent && sArt->GetArtType &&
         sArt->GetLayerOfArt && sArt->IsArtLayerGroup && sArt->ReorderArt;
}

// The unit that moves for this path, or null when the path keeps its place.
ASErr UnitOf(AIArtHandle path, AIArtHandle* unit) {
  *unit = nullptr;
  AIArtHandle art = path;
  for (;;) {
    AIArtHandle parent = nullptr;
    ASErr err = sArt->GetArtParent(art, &parent);
    if (err) return err;
    if (!parent) break;
    ASBoolean isLayer = 0;
    if ((err = sArt->IsArtLayerGroup(parent, &isLayer))) return err;
    if (isLayer) break;
    int16_t type = kUnknownArt;
    if ((err = sArt->GetArtType(parent, &type))) return err;
    if (type != kGroupArt && type != kCompoundPathArt) return kNoErr;
    art = parent;
  }
  *unit = art;
  return kNoErr;
}

}  // namespace

ASErr ReorderByDepth(AIArtHandleList arts, const PathSet& set) {
  const int32_t n = set.pathCount;
  if (n < 2) return kNoErr;
  if (!ArtSuiteReady()) return kSPSuiteNotFoundError;
  AIArtHandle* paths = *arts;

  AILayerHandle layer = nullptr;
  ASErr err = sArt->GetLayerOfArt(paths[0], &layer);
  for (int32_t i = 1; i < n && !err; ++i) {
    AILayerHandle other = nullptr;
    if (!(err = sArt->GetLayerOfArt(paths[i], &other)) && other != layer)
      err = kPathsOnSeveralLayersErr;
  }
  if (err) return err;

  BlockPtr<ReorderEntry> entries;
  if ((err = entries.Allocate(static_cast<std::size_t>(n), "reorder buffer")))
    return err;
  int32_t used = 0;
  for (int32_t i = 0; i < n; ++i) {
    AIArtHandle unit = nullptr;
    if ((err = UnitOf(paths[i], &unit))) return err;
    if (!unit) continue;
    float depth = set.working[i].depth;
    if (std::isnan(depth)) depth = kDepthSentinel;
    // Members of one unit are usually listed together: search from the back.
    int32_t e = used - 1;
    while (e >= 0 && entries[e].art != unit) --e;
    if (e < 0) {
      entries[used++] = ReorderEntry{unit, kDepthSentinel};
      e = used - 1;
    }
    entries[e].depth = std::max(entries[e].depth, depth);
  }
  // Equal depths have no defined order.
  std::sort(entries.get(), entries.get() + used,
            [](const ReorderEntry& a, const ReorderEntry& b) {
              return a.depth < b.depth;
            });
  // Without a prep, "above all" is the top of the art's own layer.
  for (int32_t e = 0; e < used; ++e)
    if ((err = sArt->ReorderArt(entries[e].art, kPlaceAboveAll, nullptr)))
      return err;
  return kNoErr;
}

}  // namespace vx
