#include "host/svg/svg_shapes.h"

namespace vx::host::svg {

namespace {
Anchor Sharp(Point p) { return {p, p, p, true}; }
}  // namespace

BezierPath RectanglePath(double x, double y, double w, double h, double rx, double ry) {
  BezierPath path;
  path.closed = true;
  if (rx <= 0 || ry <= 0) {
    path.anchors = {Sharp({x, y}), Sharp({x + w, y}), Sharp({x + w, y + h}), Sharp({x, y + h})};
    return path;
  }
  double kx = rx * kCircleHandle;
  double ky = ry * kCircleHandle;
  auto add = [&path](Point p, Point in, Point out) {
    path.anchors.push_back({p, in, out, true});
  };
  // Clockwise on screen from (x + rx, y), as SVG draws a rounded rectangle.
  add({x + rx, y}, {x + rx - kx, y}, {x + rx, y});
  add({x + w - rx, y}, {x + w - rx, y}, {x + w - rx + kx, y});
  add({x + w, y + ry}, {x + w, y + ry - ky}, {x + w, y + ry});
  add({x + w, y + h - ry}, {x + w, y + h - ry}, {x + w, y + h - ry + ky});
  add({x + w - rx, y + h}, {x + w - rx + kx, y + h}, {x + w - rx, y + h});
  add({x + rx, y + h}, {x + rx, y + h}, {x + rx - kx, y + h});
  add({x, y + h - ry}, {x, y + h - ry + ky}, {x, y + h - ry});
  add({x, y + ry}, {x, y + ry}, {x, y + ry - ky});
  // Where a straight side has zero length its two anchors coincide: merge.
  std::vector<Anchor> merged;
  for (const Anchor& a : path.anchors) {
    if (!merged.empty() && merged.back().p == a.p) {
      merged.back().out = a.out;
    } else {
      merged.push_back(a);
    }
  }
  if (merged.size() > 1 && merged.back().p == merged.front().p) {
    merged.front().in = merged.back().in;
    merged.pop_back();
  }
  for (Anchor& a : merged) a.corner = IsCorner(a);
  path.anchors = std::move(merged);
  return path;
}

BezierPath EllipsePath(double cx, double cy, double rx, double ry) {
  double kx = rx * kCircleHandle;
  double ky = ry * kCircleHandle;
  BezierPath path;
  path.closed = true;
  // From (cx + rx, cy) toward +y, as SVG starts circles and ellipses.
  path.anchors = {
      {{cx + rx, cy}, {cx + rx, cy - ky}, {cx + rx, cy + ky}, false},
      {{cx, cy + ry}, {cx + kx, cy + ry}, {cx - kx, cy + ry}, false},
      {{cx - rx, cy}, {cx - rx, cy + ky}, {cx - rx, cy - ky}, false},
      {{cx, cy - ry}, {cx - kx, cy - ry}, {cx + kx, cy - ry}, false},
  };
  return path;
}

BezierPath PolylinePath(const std::vector<Point>& points, bool closed) {
  BezierPath path;
  path.closed = closed;
  for (const Point& p : points) path.anchors.push_back(Sharp(p));
  return path;
}

}  // namespace vx::host::svg
