// Hit testing: which part of which art lies under a point.
#pragma once

#include "vx_sdk.h"

namespace vx::host::art {

class Art;
class Document;

struct Hit {
  int32_t part = kNothingPart;
  Art* art = nullptr;
  int segment = -1;  // anchor, in or out part: the segment's index
  AIRealPoint point{};
};

// Tests art (null: the whole document, topmost art first) at point with a
// tolerance in points. Parts in order of preference: the text start of text
// art (of text on a path: its start on the path, answered on the text path
// art), an anchor, an in or out control, the centre point of a path's or
// group's bounds, a stroke (within tolerance plus half the stroke width), a
// fill (inside by the path's fill rule). Hidden art is never hit.
Hit HitTest(const Document& doc, Art* art, AIRealPoint point,
            AIReal tolerance);

}  // namespace vx::host::art
