// The AlignPoints tool's mouse operations: the selection is gathered at
// mouse down and aligned onto the key point under the pointer at every
// mouse event; Space at release takes the whole click back.
#include "shell/globals.h"
#include "shell/suites.h"
#include "tools/align_points.h"
#include "tools/point_tools.h"
#include "tools/tool_drag.h"

namespace vx {
namespace {

// Aligns the list gathered at mouse down onto the key point under `where`
// in the mode the cursor shows; nothing under the pointer changes nothing.
ASErr AlignAt(const ToolTracking& t, AIRealPoint where) {
  AIRealPoint key{};
  bool found = false;
  if (ASErr err = FindKeyPoint(where, &key, &found)) return err;
  if (!found) return kNoErr;
  return AlignArtList(t.art, t.artCount, key, AlignModeOfCursor(gGlobals->ToolCursorId));
}

}  // namespace

ASErr AlignPointsMouseDown(AIToolMessage* message) {
  if (!message->event) return kNoErr;
  ToolTracking* t = &Tracking();
  EndTracking(t);  // a click whose Mouse Up never came
  if (ASErr err = GatherAlignable(&t->art, &t->artCount)) return err;
  BeginTracking(t, *message->event);
  return AlignAt(*t, message->event->where);
}

ASErr AlignPointsMouseDrag(AIToolMessage* message) {
  const ToolTracking& t = Tracking();
  if (!message->event || !t.art) return kNoErr;
  return AlignAt(t, message->event->where);
}

ASErr AlignPointsMouseUp(AIToolMessage*) {
  ASErr err = kNoErr;
  if (Tracking().art && SpaceHeldAtRelease()) err = sUndo->UndoChanges();
  EndTracking(&Tracking());
  return err;
}

}  // namespace vx
