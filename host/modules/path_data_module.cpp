// VERSALiX4PathData.so: every command of SVG path data, elliptical arcs
// among them, through lib2geom's path parser, as cubic pieces. Opened by
// host/svg/svg_path_module.cpp when path data first needs it.
#include <2geom/bezier-curve.h>
#include <2geom/elliptical-arc.h>
#include <2geom/path-sink.h>
#include <2geom/svg-path-parser.h>

#include <algorithm>
#include <cmath>
#include <exception>
#include <initializer_list>

#include "host/svg/svg_path_module.h"

namespace vx::host::svg {
namespace {

bool Finite(Geom::Point p) { return std::isfinite(p[Geom::X]) && std::isfinite(p[Geom::Y]); }

// A path builder that stops at the first point that is not finite (a number
// past a double's range, or relative steps adding up past it). lib2geom's
// path throws on such a point after allocating the new curve, which then
// leaks; the parser's own pending curve leaks with it. So such a point never
// reaches the path, and the data counts as an error from there on.
class FiniteBuilder : public Geom::PathBuilder {
 public:
  bool stopped() const { return stopped_; }
  void moveTo(Geom::Point const& p) override {
    if (Accept({p})) PathBuilder::moveTo(p);
  }
  void lineTo(Geom::Point const& p) override {
    if (Accept({p})) PathBuilder::lineTo(p);
  }
  void quadTo(Geom::Point const& c, Geom::Point const& p) override {
    if (Accept({c, p})) PathBuilder::quadTo(c, p);
  }
  void curveTo(Geom::Point const& c0, Geom::Point const& c1, Geom::Point const& p) override {
    if (Accept({c0, c1, p})) PathBuilder::curveTo(c0, c1, p);
  }
  void arcTo(Geom::Coord rx, Geom::Coord ry, Geom::Coord angle, bool large, bool sweep,
             Geom::Point const& p) override {
    if (Accept({p, {rx, ry}, {angle, 0}})) PathBuilder::arcTo(rx, ry, angle, large, sweep, p);
  }

 private:
  bool Accept(std::initializer_list<Geom::Point> points) {
    if (!stopped_)
      stopped_ = !std::all_of(points.begin(), points.end(), Finite);
    return !stopped_;
  }
  bool stopped_ = false;
};

bool ParseInto(std::string_view data, Geom::PathVector* paths) {
  FiniteBuilder builder;
  Geom::SVGPathParser parser(builder);
  bool ok = true;
  try {
    parser.parse(data.data(), static_cast<int>(data.size()));
  } catch (const std::exception&) {
    ok = false;
  }
  try {
    builder.flush();
  } catch (const std::exception&) {
    ok = false;
  }
  *paths = builder.peek();
  return ok && !builder.stopped();
}

// Everything up to the first error, as SVG renderers draw it.
bool Parse(std::string_view data, Geom::PathVector* paths) {
  if (ParseInto(data, paths)) return true;
  // The parser drops the last complete command when it meets junk right
  // after it; parsing the text before the first foreign character keeps it.
  size_t junk = data.find_first_not_of("MmLlHhVvCcSsQqTtAaZzEe0123456789.,+- \t\r\n");
  if (junk != std::string_view::npos) {
    Geom::PathVector prefix;
    ParseInto(data.substr(0, junk), &prefix);
    if (prefix.size() >= paths->size()) *paths = prefix;
  }
  return false;
}

Point Of(Geom::Point p) { return {p[Geom::X], p[Geom::Y]}; }

// Appends the cubic pieces of an elliptical arc as (c1, c2, end) triples.
// On the unit circle a piece from angle a to b (|b - a| <= pi/2) has handles
// of length k = 4/3 tan((b - a) / 4) along the tangents; the arc's unit
// circle transform maps that onto the ellipse. An arc whose angles are not
// finite (an end point at infinity) is kept as its chord, and the caller's
// bounds check refuses it.
void AppendArc(const Geom::EllipticalArc& arc, std::vector<Point>& out) {
  double start = arc.initialAngle().radians();
  double sweep = arc.sweepAngle();
  if (!std::isfinite(start) || !std::isfinite(sweep)) {
    out.insert(out.end(), {Of(arc.initialPoint()), Of(arc.finalPoint()), Of(arc.finalPoint())});
    return;
  }
  if (!arc.sweep()) sweep = -std::fabs(sweep);
  else sweep = std::fabs(sweep);
  int pieces = std::max(1, static_cast<int>(std::ceil(std::fabs(sweep) / (M_PI / 2) - 1e-9)));
  double step = sweep / pieces;
  double k = 4.0 / 3.0 * std::tan(step / 4);
  Geom::Affine toEllipse = arc.unitCircleTransform();
  for (int i = 0; i < pieces; ++i) {
    double a = start + step * i;
    double b = a + step;
    Geom::Point p0(std::cos(a), std::sin(a));
    Geom::Point p3(std::cos(b), std::sin(b));
    Geom::Point c1 = p0 + k * Geom::Point(-p0[Geom::Y], p0[Geom::X]);
    Geom::Point c2 = p3 - k * Geom::Point(-p3[Geom::Y], p3[Geom::X]);
    out.push_back(Of(c1 * toEllipse));
    out.push_back(Of(c2 * toEllipse));
    out.push_back(Of(i + 1 == pieces ? arc.finalPoint() : p3 * toEllipse));
  }
}

// Every curve of a path as cubic (c1, c2, end) triples.
void AppendCurve(const Geom::Curve& curve, std::vector<Point>& out) {
  Point from = Of(curve.initialPoint());
  Point to = Of(curve.finalPoint());
  if (auto* arc = dynamic_cast<const Geom::EllipticalArc*>(&curve); arc && !arc->isChord()) {
    AppendArc(*arc, out);
  } else if (auto* bezier = dynamic_cast<const Geom::BezierCurve*>(&curve);
             bezier && bezier->order() == 3) {
    out.push_back(Of((*bezier)[1]));
    out.push_back(Of((*bezier)[2]));
    out.push_back(to);
  } else if (bezier && bezier->order() == 2) {
    Point c = Of((*bezier)[1]);
    out.push_back(from + 2.0 / 3.0 * (c - from));
    out.push_back(to + 2.0 / 3.0 * (c - to));
    out.push_back(to);
  } else {
    // Lines and degenerate arcs: a straight segment, handles retracted.
    out.push_back(from);
    out.push_back(to);
    out.push_back(to);
  }
}

}  // namespace
}  // namespace vx::host::svg

// Subpaths without a segment (a lone moveto) are left out.
extern "C" __attribute__((visibility("default"))) bool VxReadCubicSubpaths(
    const char* data, std::size_t size, std::vector<vx::host::svg::CubicSubpath>* out) {
  using namespace vx::host::svg;
  Geom::PathVector paths;
  const bool ok = Parse(std::string_view(data, size), &paths);
  out->clear();
  for (const Geom::Path& path : paths) {
    CubicSubpath subpath;
    subpath.start = Of(path.initialPoint());
    subpath.closed = path.closed();
    size_t count = path.closed() ? path.size_closed() : path.size_open();
    for (size_t i = 0; i < count; ++i) {
      // A closing segment of length zero adds nothing.
      if (i >= path.size_open() && path[i].isDegenerate()) continue;
      AppendCurve(path[i], subpath.triples);
    }
    if (!subpath.triples.empty()) out->push_back(std::move(subpath));
  }
  return ok;
}
