// The basic shapes of SVG as cubic anchors, each starting where SVG says
// its outline starts so that dashes fall in the same places.
#pragma once

#include "host/svg/svg_path_data.h"

namespace vx::host::svg {

// Quarter-circle handle length for a unit radius: 4/3 (sqrt 2 - 1).
inline constexpr double kCircleHandle = 0.5522847498307936;

// rx, ry already resolved by SVG rules (auto, clamped to half the side).
BezierPath RectanglePath(double x, double y, double width, double height, double rx, double ry);
BezierPath EllipsePath(double cx, double cy, double rx, double ry);
BezierPath PolylinePath(const std::vector<Point>& points, bool closed);

}  // namespace vx::host::svg
