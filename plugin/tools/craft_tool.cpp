// The Craft tool: distorts the selected paths point by point inside the
// target area, adding anchors where the outline needs them; Alt+Shift-click
// inserts one anchor into the path under the pointer.
#include "shell/suites.h"
#include "tools/area_tool.h"
#include "tools/craft_distort.h"
#include "tools/craft_tool.h"

namespace vx {

namespace {

AreaSettings CraftSettings(const void* record) {
  const auto& r = *static_cast<const CraftToolParams*>(record);
  return {r.distortion, r.resistance, r.areaRadius, false,
          {r.trace, r.traceMode, r.space, r.twirlSpace, r.steps}};
}

void CraftSetRadius(void* record, float radius) {
  static_cast<CraftToolParams*>(record)->areaRadius = radius;
}

// Every entry of the list whose art type is path, from the first entry on.
ASErr CraftMoveSelection(const AreaStep& s, const AreaSettings&, ToolTracking* t) {
  for (int32_t i = 0; i < t->artCount; ++i) {
    const AIArtHandle art = (*t->art)[i];
    int16_t type = kUnknownArt;
    if (ASErr err = sArt->GetArtType(art, &type)) return err;
    if (type != kPathArt) continue;
    if (ASErr err = DistortHostPath(s, art, t->scratch, t->source)) return err;
  }
  return kNoErr;
}

ASErr CraftMoveCopyArt(const AreaStep& s, const AreaSettings&, AIArtHandle art,
                       const ToolTracking& t, bool* done) {
  int16_t type = kUnknownArt;
  if (ASErr err = sArt->GetArtType(art, &type)) return err;
  *done = type == kPathArt;
  return *done ? DistortHostPath(s, art, t.scratch, t.source) : kNoErr;
}

const AreaTool kCraft = {kCraftPinchRate,    CraftSettings,    CraftSetRadius,
                         CraftMoveSelection, CraftMoveCopyArt, InsertAnchorAtHit};

}  // namespace

ASErr CraftMouseDown(AIToolMessage* message) { return AreaMouseDown(kCraft, message); }
ASErr CraftMouseDrag(AIToolMessage* message) { return AreaMouseDrag(kCraft, message); }
ASErr CraftMouseUp(AIToolMessage* message) { return AreaMouseUp(kCraft, message); }

}  // namespace vx
