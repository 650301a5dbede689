// Where text starts: the start point of point text (kept in its TextData)
// and of text on a path (the point at the text path's start offset along
// its path), and hitting that point with the pointer.
#pragma once

#include <optional>

#include "host/art/hit_test.h"
#include "vx_sdk.h"

namespace vx::host::art {

class Art;

// The path a text path (ArtKind::TextPath) flows along, or null.
Art* PathOfTextPath(const Art& textPath);

// The point at textPath's start offset along its path, measured along the
// curve (flattened finely enough for a fraction of a point); an offset
// beyond the path's length gives its end, below zero its start. Nothing for
// a text path without a path or with an empty one.
std::optional<AIRealPoint> TextPathStart(const Art& textPath);

// The hit of text art's start when it flows along a path: part
// kTextStartPart on its text path art when the start lies within tolerance
// of point in both coordinates; kNothingPart otherwise (point text too).
Hit HitTextPathStart(Art& text, AIRealPoint point, double tolerance);

}  // namespace vx::host::art
