// The text suites' start-point operations (AITextSuite.SetTextStart,
// AITextPathSuite.GetTextPathStart), which the AlignPoints tool uses.
#pragma once

#include "vx_sdk.h"

namespace vx::host::art {

ASErr SetTextStart(AIArtHandle text, const AIRealPoint* start);
ASErr GetTextPathStart(AIArtHandle textPath, AIRealPoint* start);

}  // namespace vx::host::art
