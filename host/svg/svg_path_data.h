// SVG path data and the cubic Bezier anchors the document model keeps.
// Reading goes straight to anchors for the usual commands, else through the
// general reader (svg_path_module.h); lines, quadratic curves and
// elliptical arcs all become cubic segments, so a path is a list of anchors
// with an in and an out handle each, like the host's Segment.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "host/geometry/affine.h"

namespace vx::host::svg {

// One anchor: the point, the handle toward the previous anchor (in) and the
// one toward the next (out); a handle equal to p means none on that side.
// corner is false where both handles are collinear through p (a smooth
// point).
struct Anchor {
  Point p, in, out;
  bool corner = true;
};

struct BezierPath {
  std::vector<Anchor> anchors;
  bool closed = false;
};
using BezierPaths = std::vector<BezierPath>;

// Path data through the general reader alone: every command, elliptical
// arcs split into pieces of at most 90 degrees (error below 0.03 % of the
// radius). Subpaths without a segment (a lone moveto) are dropped. *ok is
// false when the data has an error (the anchors then hold what comes before
// it, which is what SVG renderers draw).
BezierPaths ReadPathDataGeneral(std::string_view data, bool* ok);

// Path data as anchors, as ReadPathDataGeneral gives them; the usual
// commands are read directly, without curve objects, and only the rest
// needs the general reader.
BezierPaths ReadPathData(std::string_view data, bool* ok);
// The same into `paths`, reusing the room its subpaths already have (a
// reader of many paths keeps one); false where *ok would be.
bool ReadPathData(std::string_view data, BezierPaths* paths);

// The corner flag from the handles: smooth when in and out point in opposite
// directions (within a small angle) and both exist.
bool IsCorner(const Anchor& anchor);

void Transform(BezierPaths& paths, const Affine& affine);
// True when every coordinate is finite and within +/-`limit`.
bool AllWithin(const BezierPaths& paths, double limit);
// Transform and AllWithin in one pass over the anchors.
bool TransformWithin(BezierPaths& paths, const Affine& affine, double limit);

// Path data of anchors: "M x,y C ... Z", with "L" for straight segments.
// Numbers are rounded to `decimals` places to hide float noise.
std::string WritePathData(const BezierPaths& paths, int decimals = 4);

}  // namespace vx::host::svg
