#include "geometry/depth_order.h"

#include <algorithm>
#include <cmath>
#include <functional>

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

// A path's unit and its place in the selection, sorted to group the paths
// of each unit.
struct UnitMember {
  AIArtHandle unit;
  int32_t index;
};

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

  // Each path's unit and depth; the units in the order first met, each
  // with the largest depth of its paths (groups found by sorting, not by
  // searching the list for every path).
  BlockPtr<ReorderEntry> entries;
  BlockPtr<UnitMember> members;
  if ((err = entries.Allocate(static_cast<std::size_t>(n), "reorder buffer")) ||
      (err = members.Allocate(static_cast<std::size_t>(n), "reorder members")))
    return err;
  for (int32_t i = 0; i < n; ++i) {
    AIArtHandle unit = nullptr;
    if ((err = UnitOf(paths[i], &unit))) return err;
    const float depth = set.working[i].depth;
    entries[i] = ReorderEntry{unit, std::isnan(depth) ? kDepthSentinel : depth};
    members[i] = UnitMember{unit, i};
  }
  std::sort(members.get(), members.get() + n,
            [](const UnitMember& a, const UnitMember& b) {
              if (a.unit != b.unit) return std::less<AIArtHandle>()(a.unit, b.unit);
              return a.index < b.index;
            });
  for (int32_t g = 0; g < n;) {
    int32_t end = g + 1;
    while (end < n && members[end].unit == members[g].unit) ++end;
    ReorderEntry& first = entries[members[g].index];
    float depth = kDepthSentinel;
    for (int32_t k = g; k < end; ++k) {
      depth = std::max(depth, entries[members[k].index].depth);
      if (k > g) entries[members[k].index].art = nullptr;
    }
    first.depth = depth;
    g = end;
  }
  int32_t used = 0;
  for (int32_t i = 0; i < n; ++i)
    if (entries[i].art) entries[used++] = entries[i];
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
