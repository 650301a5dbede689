// The Broom tool: sweeps many small selected objects at once, each moved
// rigidly by where the area sweep sends its centre.
#include "tools/area_tool.h"
#include "tools/broom_sweep.h"
#include "tools/broom_tool.h"

namespace vx {

namespace {

AreaSettings BroomSettings(const void* record) {
  const auto& r = *static_cast<const BroomToolParams*>(record);
  return {r.sweep, r.resistance, r.areaRadius, r.groupAsUnit != 0,
          {r.trace, r.traceMode, r.space, r.twirlSpace, r.steps}};
}

void BroomSetRadius(void* record, float radius) {
  static_cast<BroomToolParams*>(record)->areaRadius = radius;
}

ASErr BroomMoveSelection(const AreaStep& s, const AreaSettings& o, ToolTracking* t) {
  return SweepSelection(s, o.groupAsUnit, *t->art, t->artCount, t->scratch);
}

ASErr BroomMoveCopyArt(const AreaStep& s, const AreaSettings& o, AIArtHandle art,
                       const ToolTracking& t, bool* done) {
  SweptAs kind = kSweptNothing;
  const ASErr err = SweepObject(s, o.groupAsUnit, art, t.scratch, &kind);
  *done = kind != kSweptNothing;
  return err;
}

const AreaTool kBroom = {kBroomPinchRate, BroomSettings,    BroomSetRadius,
                         BroomMoveSelection, BroomMoveCopyArt, nullptr};

}  // namespace

ASErr BroomMouseDown(AIToolMessage* message) { return AreaMouseDown(kBroom, message); }
ASErr BroomMouseDrag(AIToolMessage* message) { return AreaMouseDrag(kBroom, message); }
ASErr BroomMouseUp(AIToolMessage* message) { return AreaMouseUp(kBroom, message); }

}  // namespace vx
