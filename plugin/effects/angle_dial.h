// AngleDial: a round user item showing an angle of the palette's current
// record as a line from its centre, set by dragging the pointer around it.
// Its paired spin edit shows the angle in whole degrees.
#pragma once

#include <cstdint>

#include "vx_sdk.h"

namespace vx {

// Makes the item square (bottom = top + width) and installs the dial's
// draw and track procedures and the given notify procedure. fieldOffset is
// the byte offset of the float angle (radians) in the effect's record.
void SetUpAngleDial(ADMItemRef dial, uint32_t fieldOffset, int32_t spinEditId,
                    ADMItemNotifyProc notify);

// The end of the dial's line: the centre plus half the width in direction
// -angle, each coordinate rounded half away from zero (item pixels, y down).
ASPoint DialLineEnd(const ASRect& bounds, float angle);

// The record angle for a pointer at `point` (item coordinates).
float DialAngleAt(const ASRect& bounds, ASPoint point);

// Degrees as palettes show them, and back (32-bit float).
float ShownDegrees(float radians);

}  // namespace vx
