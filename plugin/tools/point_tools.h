// The mouse operations of the Roughening, AlignPoints, MetaBrush and Trail
// tools, which the tool table's rows name. Each follows the drag cycle of
// tools/tool_drag.h with handlers of its own.
#pragma once

#include "vx_sdk.h"

namespace vx {

ASErr RoughMouseDown(AIToolMessage* message);
ASErr RoughMouseDrag(AIToolMessage* message);
ASErr RoughMouseUp(AIToolMessage* message);

ASErr AlignPointsMouseDown(AIToolMessage* message);
ASErr AlignPointsMouseDrag(AIToolMessage* message);
ASErr AlignPointsMouseUp(AIToolMessage* message);

ASErr MetaBrushMouseDown(AIToolMessage* message);
ASErr MetaBrushMouseDrag(AIToolMessage* message);
ASErr MetaBrushMouseUp(AIToolMessage* message);

ASErr TrailMouseDown(AIToolMessage* message);
ASErr TrailMouseDrag(AIToolMessage* message);
ASErr TrailMouseUp(AIToolMessage* message);

}  // namespace vx
