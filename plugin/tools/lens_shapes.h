// The Lens tool's geometry: the elliptical lens area that follows the
// pointer (or is resized with Alt), the point mappings of Fish-eye, Magnify
// and Twirl inside it, Tone's per-object scale factors, and the frame that
// shows the area while dragging. Single precision throughout.
#pragma once

#include <cstdint>

#include "vx_sdk.h"

namespace vx {

struct LensToolParams;

enum class LensType : int16_t { kFishEye = 0, kMagnify = 1, kTwirl = 2, kTone = 3 };

// The lens area: its centre and its width and height (page points, y up).
struct LensArea {
  AIRealPoint centre;
  float width, height;
};

// The smallest and largest width and height of the area.
constexpr float kLensMinSize = 1.0f;
constexpr float kLensMaxSize = 4000.0f;

// Without Alt: the area of the given size sits to the upper left of the
// pointer, whose position is the lower right corner of its bounding box.
LensArea LensFollow(AIRealPoint pointer, float width, float height);
// With Alt: the area around the current centre is resized to reach the
// pointer; with Shift too it becomes a circle of the larger size (see the
// definition for how the centre moves then). Sizes stay within
// kLensMinSize .. kLensMaxSize.
LensArea LensResize(const LensArea& current, AIRealPoint pointer, bool shift);

// One drag step's lens mapping.
struct LensGeometry {
  LensType type;
  LensArea area;
  float thickness;      // Fish-eye, -1 .. 1
  float magnification;  // Magnify factor
  float angle;          // Twirl, radians
  int16_t cycle;        // Twirl
};

// The lens mapping for the record's type over `area`. False when the step
// changes nothing: Tone (which scales whole objects, see ToneFactors),
// Fish-eye with thickness 0, a type outside the four, or an empty area.
bool LensSetUp(const LensToolParams& record, const LensArea& area, LensGeometry* g);

// Maps one page point; false (p unchanged) outside the lens (r >= R) or
// when the lens leaves it in place.
bool LensMapPoint(const LensGeometry& g, AIRealPoint* p);

// Tone: the scale factors (h, v) of an object whose reference point is
// `reference`; false when the reference lies outside the lens (r >= R) or
// both minimums are 1 (nothing changes).
bool ToneFactors(const LensArea& area, AIRealPoint minimum, AIRealPoint reference,
                 AIRealPoint* factors);

// The lens frame: the area's ellipse as four cubic arcs, counter-clockwise
// from its right end, for a closed path.
void LensFrameSegments(const LensArea& area, Segment out[4]);

}  // namespace vx
