// The circle that shows a tool's area while it drags: temporary artwork,
// a thin unselected outline above everything, made anew at every drag step
// (the step's undo takes it away) and removed when the drag ends.
#pragma once

#include "vx_sdk.h"

namespace vx {

// Draws the frame; *frame receives its art.
ASErr DrawAreaFrame(AIRealPoint centre, float radius, AIArtHandle* frame);
// Disposes of the frame when it is still in the document (a step's undo
// may have taken it away already) and clears the handle.
ASErr RemoveAreaFrame(AIArtHandle* frame);

}  // namespace vx
