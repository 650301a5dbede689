#include "host/svg/svg_path_data.h"

#include <2geom/bezier-curve.h>
#include <2geom/elliptical-arc.h>
#include <2geom/exception.h>
#include <2geom/path-sink.h>
#include <2geom/svg-path-parser.h>

#include <cmath>

#include "host/svg/svg_numbers.h"

namespace vx::host::svg {

namespace {
bool ParseInto(std::string_view data, Geom::PathVector* paths) {
  Geom::PathBuilder builder;
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
  return ok;
}
}  // namespace

PathDataResult ParsePathData(std::string_view data) {
  PathDataResult result;
  result.ok = ParseInto(data, &result.paths);
  if (!result.ok) {
    // The parser drops the last complete command when it meets junk right
    // after it; parsing the text before the first foreign character keeps it.
    size_t junk = data.find_first_not_of("MmLlHhVvCcSsQqTtAaZzEe0123456789.,+- \t\r\n");
    if (junk != std::string_view::npos) {
      Geom::PathVector prefix;
      ParseInto(data.substr(0, junk), &prefix);
      if (prefix.size() >= result.paths.size()) result.paths = prefix;
    }
  }
  return result;
}

namespace {

// Appends the cubic pieces of an elliptical arc as (c1, c2, end) triples.
// On the unit circle a piece from angle a to b (|b - a| <= pi/2) has handles
// of length k = 4/3 tan((b - a) / 4) along the tangents; the arc's unit
// circle transform maps that onto the ellipse. An arc whose angles are not
// finite (an end point at infinity) is kept as its chord, and the caller's
// bounds check refuses it.
void AppendArc(const Geom::EllipticalArc& arc, std::vector<Geom::Point>& out) {
  double start = arc.initialAngle().radians();
  double sweep = arc.sweepAngle();
  if (!std::isfinite(start) || !std::isfinite(sweep)) {
    out.insert(out.end(), {arc.initialPoint(), arc.finalPoint(), arc.finalPoint()});
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
    out.push_back(c1 * toEllipse);
    out.push_back(c2 * toEllipse);
    out.push_back(i + 1 == pieces ? arc.finalPoint() : p3 * toEllipse);
  }
}

// Every curve of a path as cubic (c1, c2, end) triples.
void AppendCurve(const Geom::Curve& curve, std::vector<Geom::Point>& out) {
  Geom::Point from = curve.initialPoint();
  Geom::Point to = curve.finalPoint();
  if (auto* arc = dynamic_cast<const Geom::EllipticalArc*>(&curve); arc && !arc->isChord()) {
    AppendArc(*arc, out);
  } else if (auto* bezier = dynamic_cast<const Geom::BezierCurve*>(&curve);
             bezier && bezier->order() == 3) {
    out.push_back((*bezier)[1]);
    out.push_back((*bezier)[2]);
    out.push_back(to);
  } else if (bezier && bezier->order() == 2) {
    Geom::Point c = (*bezier)[1];
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

bool IsCorner(const Anchor& a) {
  Geom::Point toIn = a.in - a.p;
  Geom::Point toOut = a.out - a.p;
  double li = Geom::L2(toIn);
  double lo = Geom::L2(toOut);
  if (li == 0 || lo == 0) return true;
  double cross = Geom::cross(toIn, toOut) / (li * lo);
  double dot = Geom::dot(toIn, toOut);
  return !(std::fabs(cross) < 1e-3 && dot < 0);
}

BezierPaths ToBezierPaths(const Geom::PathVector& paths) {
  BezierPaths result;
  for (const Geom::Path& path : paths) {
    std::vector<Geom::Point> triples;
    size_t count = path.closed() ? path.size_closed() : path.size_open();
    for (size_t i = 0; i < count; ++i) {
      // A closing segment of length zero adds nothing.
      if (i >= path.size_open() && path[i].isDegenerate()) continue;
      AppendCurve(path[i], triples);
    }
    if (triples.empty()) continue;
    BezierPath bp;
    bp.closed = path.closed();
    Geom::Point start = path.initialPoint();
    bp.anchors.push_back({start, start, start, true});
    for (size_t i = 0; i < triples.size(); i += 3) {
      bp.anchors.back().out = triples[i];
      bp.anchors.push_back({triples[i + 2], triples[i + 1], triples[i + 2], true});
    }
    // In a closed path whose last segment returns to the start, the last
    // anchor is the first one again: its in handle belongs to the first.
    if (bp.closed && bp.anchors.size() > 1 && bp.anchors.back().p == start) {
      bp.anchors.front().in = bp.anchors.back().in;
      bp.anchors.pop_back();
    }
    for (Anchor& a : bp.anchors) a.corner = IsCorner(a);
    result.push_back(std::move(bp));
  }
  return result;
}

void Transform(BezierPaths& paths, const Geom::Affine& affine) {
  for (BezierPath& path : paths) {
    for (Anchor& a : path.anchors) {
      a.p *= affine;
      a.in *= affine;
      a.out *= affine;
    }
  }
}

bool AllWithin(const BezierPaths& paths, double limit) {
  auto ok = [limit](const Geom::Point& p) {
    return std::isfinite(p[0]) && std::isfinite(p[1]) && std::fabs(p[0]) <= limit &&
           std::fabs(p[1]) <= limit;
  };
  for (const BezierPath& path : paths) {
    for (const Anchor& a : path.anchors) {
      if (!ok(a.p) || !ok(a.in) || !ok(a.out)) return false;
    }
  }
  return true;
}

namespace {
std::string Coord(double v, int decimals) {
  double scale = std::pow(10.0, decimals);
  double rounded = std::round(v * scale) / scale;
  if (!std::isfinite(rounded)) rounded = v;
  return FormatNumber(rounded);
}
std::string PointText(const Geom::Point& p, int decimals) {
  return Coord(p[0], decimals) + "," + Coord(p[1], decimals);
}
// Handles that round onto their anchors draw a straight segment.
bool Straight(const Anchor& from, const Anchor& to, double tolerance) {
  return Geom::are_near(from.out, from.p, tolerance) && Geom::are_near(to.in, to.p, tolerance);
}
}  // namespace

std::string WritePathData(const BezierPaths& paths, int decimals) {
  std::string d;
  for (const BezierPath& path : paths) {
    if (path.anchors.empty()) continue;
    if (!d.empty()) d += ' ';
    d += "M" + PointText(path.anchors[0].p, decimals);
    size_t n = path.anchors.size();
    size_t segments = path.closed ? n : n - 1;
    for (size_t i = 0; i < segments; ++i) {
      const Anchor& from = path.anchors[i];
      const Anchor& to = path.anchors[(i + 1) % n];
      bool closing = path.closed && i + 1 == n;
      if (Straight(from, to, 0.5 * std::pow(10.0, -decimals))) {
        if (!closing) d += " L" + PointText(to.p, decimals);
      } else {
        d += " C" + PointText(from.out, decimals) + " " + PointText(to.in, decimals) + " " +
             PointText(to.p, decimals);
      }
    }
    if (path.closed) d += " Z";
  }
  return d;
}

}  // namespace vx::host::svg
