#include "host/svg/svg_path_data.h"

#include <algorithm>
#include <charconv>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <limits>

#include "host/svg/svg_numbers.h"
#include "host/svg/svg_path_module.h"

namespace vx::host::svg {

bool IsCorner(const Anchor& a) {
  Point toIn = a.in - a.p;
  Point toOut = a.out - a.p;
  // Handles that do not point apart (retracted ones among them) make a
  // corner whatever their lengths: no need to measure them.
  if (Dot(toIn, toOut) >= 0) return true;
  // The squared sine of the angle between the handles, from squared
  // lengths (no square roots), decides every anchor that is not within 1 %
  // of the limit; those are measured exactly below, as are handles whose
  // squared lengths could overflow or lose precision (NaN fails every
  // comparison).
  const double cross = Cross(toIn, toOut);
  const double in2 = Dot(toIn, toIn), out2 = Dot(toOut, toOut);
  if (in2 > 1e-140 && in2 < 1e140 && out2 > 1e-140 && out2 < 1e140) {
    if (cross * cross < 0.99e-6 * (in2 * out2)) return false;
    if (cross * cross > 1.01e-6 * (in2 * out2)) return true;
  }
  double li = Length(toIn);
  double lo = Length(toOut);
  if (li == 0 || lo == 0) return true;
  double sine = cross / (li * lo);
  double dot = Dot(toIn, toOut);
  return !(std::fabs(sine) < 1e-3 && dot < 0);
}

namespace {

// A subpath's anchors from its start and its cubic (c1, c2, end) triples.
BezierPath AnchorsOf(Point start, const std::vector<Point>& triples, bool closed) {
  BezierPath bp;
  bp.closed = closed;
  bp.anchors.reserve(triples.size() / 3 + 1);
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
  return bp;
}

}  // namespace

BezierPaths ReadPathDataGeneral(std::string_view data, bool* ok) {
  std::vector<CubicSubpath> subpaths;
  *ok = ReadCubicSubpaths(data, &subpaths);
  BezierPaths result;
  result.reserve(subpaths.size());
  for (const CubicSubpath& s : subpaths) result.push_back(AnchorsOf(s.start, s.triples, s.closed));
  return result;
}

namespace {

// Reads the path data nearly every file holds (moveto, lineto, horizontal
// and vertical lines, cubic and quadratic curves and their smooth forms,
// closepath) straight into anchors, with std::from_chars for the numbers:
// no curve objects, no locale, and no allocation once the paths it fills
// have room. Anything else (arcs, errors, a closepath that lands near but
// not on the start) answers false, and the general reader takes the whole
// text.
class DirectPathReader {
 public:
  DirectPathReader(std::string_view d, BezierPaths* out)
      : p_(d.data()), end_(d.data() + d.size()), out_(out) {}

  bool Read() {
    Space();
    char command = 0;
    while (p_ < end_) {
      if (IsCommand(*p_)) {
        // Path data begins with a moveto.
        if (command == 0 && (*p_ | 0x20) != 'm') return false;
        command = *p_++;
        Space();
      } else if (command == 0 || command == 'Z' || command == 'z') {
        return false;  // numbers with no command, or after a closepath
      }
      const bool relative = command >= 'a';
      const Point base = relative ? current_ : Point{0, 0};
      double v[6];
      switch (command | 0x20) {
        case 'm':
          if (!Numbers(v, 2)) return false;
          Flush();
          current_ = start_ = base + Point{v[0], v[1]};
          // Further pairs are linetos.
          command = relative ? 'l' : 'L';
          last_ = 0;
          break;
        case 'l':
          if (!Numbers(v, 2)) return false;
          Line(base + Point{v[0], v[1]});
          break;
        case 'h':
          if (!Numbers(v, 1)) return false;
          Line(Point{v[0] + (relative ? current_[0] : 0), current_[1]});
          break;
        case 'v':
          if (!Numbers(v, 1)) return false;
          Line(Point{current_[0], v[0] + (relative ? current_[1] : 0)});
          break;
        case 'c':
          if (!Numbers(v, 6)) return false;
          Cubic(base + Point{v[0], v[1]}, base + Point{v[2], v[3]},
                base + Point{v[4], v[5]});
          break;
        case 's':
          if (!Numbers(v, 4)) return false;
          Cubic(last_ == 'c' ? 2 * current_ - control_ : current_, base + Point{v[0], v[1]},
                base + Point{v[2], v[3]});
          break;
        case 'q':
          if (!Numbers(v, 4)) return false;
          Quadratic(base + Point{v[0], v[1]}, base + Point{v[2], v[3]});
          break;
        case 't':
          if (!Numbers(v, 2)) return false;
          Quadratic(last_ == 'q' ? 2 * current_ - control_ : current_,
                    base + Point{v[0], v[1]});
          break;
        case 'z':
          if (!Close()) return false;
          break;
        default:
          return false;
      }
    }
    Flush();
    out_->resize(used_);
    return true;
  }

 private:
  static bool IsCommand(char c) {
    switch (c | 0x20) {
      case 'm': case 'l': case 'h': case 'v': case 'c': case 's': case 'q': case 't': case 'z':
        return true;
      default:
        return false;
    }
  }
  void Space() {
    while (p_ < end_ && (*p_ == ' ' || *p_ == '\t' || *p_ == '\r' || *p_ == '\n')) ++p_;
  }
  // `count` numbers, each followed by optional space and one comma.
  bool Numbers(double* v, int count) {
    for (int i = 0; i < count; ++i) {
      const char* next = Decimal(p_, &v[i]);
      if (!next && !(next = AnyNumber(p_, &v[i]))) return false;
      p_ = next;
      Space();
      if (p_ < end_ && *p_ == ',') {
        ++p_;
        Space();
        if (i + 1 == count && (p_ == end_ || IsCommand(*p_))) return false;
      }
    }
    return true;
  }
  // The common short decimal ("-12.375", "+.5") exactly: at most 15 digits
  // are exact in a double, and so is their quotient by a power of ten up to
  // 10^22, rounded once like from_chars rounds. Null for anything else.
  const char* Decimal(const char* c, double* value) const {
    static constexpr double kPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                         1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    const bool negative = c < end_ && *c == '-';
    if (c < end_ && (*c == '-' || *c == '+')) ++c;
    uint64_t mantissa = 0;
    // Digits are counted from where they start and end, not one by one.
    auto digitsFrom = [this, &c, &mantissa] {
      const char* first = c;
      for (unsigned d; c < end_ && (d = unsigned(*c) - '0') < 10; ++c) mantissa = mantissa * 10 + d;
      return int(c - first);
    };
    int digits = digitsFrom(), fraction = 0;
    if (c < end_ && *c == '.') {
      ++c;
      fraction = digitsFrom();
      digits += fraction;
    }
    if (digits == 0 || digits > 15 || (c < end_ && (*c == 'e' || *c == 'E'))) return nullptr;
    const double magnitude = double(mantissa) / kPowers[fraction];
    *value = negative ? -magnitude : magnitude;
    return c;
  }
  // Any other number (an exponent, more digits) through from_chars, which
  // takes neither a plus sign nor anything but digits or a point after the
  // sign here (it would read "inf" and "nan"). Null when there is none.
  const char* AnyNumber(const char* p, double* value) const {
    const char* s = p < end_ && *p == '+' ? p + 1 : p;
    if (s == end_ || !(std::isdigit(static_cast<unsigned char>(*s)) || *s == '.' ||
                       (*s == '-' && s == p)))
      return nullptr;
    const auto [after, ec] = std::from_chars(s, end_, *value);
    if (ec != std::errc() || !std::isfinite(*value)) return nullptr;
    return after;
  }
  void Line(Point to) {
    Segment(current_, to, to);
    last_ = 'l';
  }
  void Cubic(Point c1, Point c2, Point to) {
    Segment(c1, c2, to);
    control_ = c2;
    last_ = 'c';
  }
  // As a cubic with the same curve.
  void Quadratic(Point c, Point to) {
    const Point from = current_;
    Segment(from + 2.0 / 3.0 * (c - from), to + 2.0 / 3.0 * (c - to), to);
    control_ = c;
    last_ = 'q';
  }
  // One cubic segment from the current point: its first handle is the out
  // handle of the anchor it leaves. Drawing after a closepath starts a new
  // subpath at the closed one's start.
  void Segment(Point c1, Point c2, Point to) {
    if (closed_) Flush();
    if (!path_) Begin();
    path_->anchors.back().out = c1;
    path_->anchors.push_back({to, c2, to, true});
    current_ = to;
  }
  // A subpath with its start anchor, in storage a previous reading left
  // (its capacity reused).
  void Begin() {
    if (used_ == out_->size()) out_->emplace_back();
    path_ = &(*out_)[used_];
    path_->anchors.clear();
    path_->anchors.push_back({start_, start_, start_, true});
  }
  bool Close() {
    if (closed_) return true;
    // A last line that starts and ends on the start becomes the closing
    // segment; one of no length then adds nothing.
    if (last_ == 'l' && current_ == start_ && path_ && path_->anchors.size() >= 2 &&
        path_->anchors[path_->anchors.size() - 2].out == start_) {
      path_->anchors.pop_back();
      path_->anchors.back().out = path_->anchors.back().p;
    }
    if (current_ != start_) {
      if (Near(current_, start_)) return false;
      Segment(current_, start_, start_);
    }
    closed_ = true;
    current_ = start_;
    last_ = 0;
    return true;
  }
  // Ends the subpath being read; one without a segment is dropped.
  void Flush() {
    if (path_ && path_->anchors.size() > 1) {
      std::vector<Anchor>& anchors = path_->anchors;
      path_->closed = closed_;
      // In a closed path whose last segment returns to the start, the last
      // anchor is the first one again: its in handle belongs to the first.
      if (closed_ && anchors.back().p == start_) {
        anchors.front().in = anchors.back().in;
        anchors.pop_back();
      }
      for (Anchor& a : anchors) a.corner = IsCorner(a);
      ++used_;
    }
    path_ = nullptr;
    closed_ = false;
  }

  const char* p_;
  const char* end_;
  BezierPaths* out_;
  size_t used_ = 0;  // subpaths of *out_ read
  BezierPath* path_ = nullptr;  // the subpath being read, once it has a segment
  Point current_{0, 0}, start_{0, 0}, control_{0, 0};
  char last_ = 0;  // 'c' or 'q' after a curve whose control a smooth one mirrors
  bool closed_ = false;
};

}  // namespace

bool ReadPathData(std::string_view data, BezierPaths* paths) {
  if (DirectPathReader(data, paths).Read()) return true;
  bool ok = true;
  *paths = ReadPathDataGeneral(data, &ok);
  return ok;
}

BezierPaths ReadPathData(std::string_view data, bool* ok) {
  BezierPaths paths;
  *ok = ReadPathData(data, &paths);
  return paths;
}

void Transform(BezierPaths& paths, const Affine& affine) {
  for (BezierPath& path : paths) {
    for (Anchor& a : path.anchors) {
      a.p = a.p * affine;
      a.in = a.in * affine;
      a.out = a.out * affine;
    }
  }
}

namespace {
// NaN compares false and infinity lies past every finite limit: under a
// finite limit the comparison alone says it.
bool Within(const Point& p, double limit) {
  const bool inside = std::fabs(p[0]) <= limit && std::fabs(p[1]) <= limit;
  if (limit <= std::numeric_limits<double>::max()) return inside;
  return inside && std::isfinite(p[0]) && std::isfinite(p[1]);
}
bool Within(const Anchor& a, double limit) {
  return Within(a.p, limit) && Within(a.in, limit) && Within(a.out, limit);
}
}  // namespace

bool AllWithin(const BezierPaths& paths, double limit) {
  for (const BezierPath& path : paths) {
    for (const Anchor& a : path.anchors) {
      if (!Within(a, limit)) return false;
    }
  }
  return true;
}

bool TransformWithin(BezierPaths& paths, const Affine& affine, double limit) {
  bool within = true;
  for (BezierPath& path : paths) {
    for (Anchor& a : path.anchors) {
      a.p = a.p * affine;
      a.in = a.in * affine;
      a.out = a.out * affine;
      within = within && Within(a, limit);
    }
  }
  return within;
}

namespace {
char* WritePoint(char* out, const Point& p, int decimals) {
  out = WriteRounded(out, p[0], decimals);
  *out++ = ',';
  return WriteRounded(out, p[1], decimals);
}
// Near for points, measuring the distance only when neither a retracted
// handle nor one coordinate decides it.
bool NearFast(const Point& a, const Point& b, double tolerance) {
  const double dx = a[0] - b[0], dy = a[1] - b[1];
  if (dx == 0 && dy == 0) return true;
  if (std::fabs(dx) > tolerance || std::fabs(dy) > tolerance) return false;
  return std::hypot(dx, dy) <= tolerance;
}
// Handles that round onto their anchors draw a straight segment.
bool Straight(const Anchor& from, const Anchor& to, double tolerance) {
  return NearFast(from.out, from.p, tolerance) && NearFast(to.in, to.p, tolerance);
}
}  // namespace

std::string WritePathData(const BezierPaths& paths, int decimals) {
  const double tolerance = 0.5 * std::pow(10.0, -decimals);
  size_t anchors = 0;
  for (const BezierPath& path : paths) anchors += path.anchors.size();
  std::string d;
  // A straight segment takes about 16 characters, a curve three times that.
  d.reserve(anchors * 24 + 8);
  // Each piece ("M", " L" or " C" with its points, " Z") is put together
  // here and appended at once.
  char piece[3 + 6 * (kRoundedRoom + 1)];
  for (const BezierPath& path : paths) {
    if (path.anchors.empty()) continue;
    char* p = piece;
    if (!d.empty()) *p++ = ' ';
    *p++ = 'M';
    d.append(piece, WritePoint(p, path.anchors[0].p, decimals));
    size_t n = path.anchors.size();
    size_t segments = path.closed ? n : n - 1;
    for (size_t i = 0; i < segments; ++i) {
      const Anchor& from = path.anchors[i];
      const Anchor& to = path.anchors[(i + 1) % n];
      bool closing = path.closed && i + 1 == n;
      p = piece;
      *p++ = ' ';
      if (Straight(from, to, tolerance)) {
        if (closing) continue;
        *p++ = 'L';
        p = WritePoint(p, to.p, decimals);
      } else {
        *p++ = 'C';
        p = WritePoint(p, from.out, decimals);
        *p++ = ' ';
        p = WritePoint(p, to.in, decimals);
        *p++ = ' ';
        p = WritePoint(p, to.p, decimals);
      }
      d.append(piece, p);
    }
    if (path.closed) d += " Z";
  }
  return d;
}

}  // namespace vx::host::svg
