// A colour swatch: a user item that shows one colour of a palette's record
// and opens the host's colour picker when pressed.
#pragma once

#include <cstdint>

#include "vx_sdk.h"

namespace vx {

// The colour as the screen shows it (0x00BBGGRR); false for a colour kind
// that has no screen colour of its own (none, pattern, gradient, custom).
bool SwatchRgb(const AIColor& colour, ADMRGBColor* rgb);

// Draws the swatch: the colour filling the item inside a black frame, or a
// white field crossed out for a colour without a screen colour.
void DrawSwatch(ADMDrawerRef drawer, const AIColor& colour);

// Opens the colour picker on *colour; on a choice stores it and answers 0,
// on cancel answers "STOP" and leaves *colour as it was.
ASErr PickSwatchColour(AIColor* colour);

}  // namespace vx
