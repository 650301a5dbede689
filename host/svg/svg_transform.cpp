#include "host/svg/svg_transform.h"

#include <cmath>
#include <vector>

#include "host/svg/svg_numbers.h"

namespace vx::host::svg {

namespace {
double Radians(double degrees) { return degrees * M_PI / 180; }
}  // namespace

std::optional<Affine> ParseTransform(std::string_view text) {
  Affine result;
  TextCursor cursor(text);
  cursor.SkipSpace();
  while (!cursor.AtEnd()) {
    std::string_view name = cursor.ReadWord();
    cursor.SkipSpace();
    if (name.empty() || cursor.Peek() != '(') return std::nullopt;
    cursor.Advance();
    std::vector<double> args;
    for (;;) {
      cursor.SkipCommaSpace();
      if (cursor.Peek() == ')') {
        cursor.Advance();
        break;
      }
      auto value = cursor.ReadNumber();
      if (!value || args.size() == 6) return std::nullopt;
      args.push_back(*value);
    }
    Affine step;
    size_t n = args.size();
    if (name == "matrix" && n == 6) {
      step = Affine{args[0], args[1], args[2], args[3], args[4], args[5]};
    } else if (name == "translate" && (n == 1 || n == 2)) {
      step = Affine{1, 0, 0, 1, args[0], n == 2 ? args[1] : 0};
    } else if (name == "scale" && (n == 1 || n == 2)) {
      step = Affine{args[0], 0, 0, n == 2 ? args[1] : args[0], 0, 0};
    } else if (name == "rotate" && (n == 1 || n == 3)) {
      const double cos = std::cos(Radians(args[0])), sin = std::sin(Radians(args[0]));
      step = Affine{cos, sin, -sin, cos, 0, 0};
      if (n == 3) {
        // About (cx, cy): move it to the origin, turn, move it back.
        step = Affine{1, 0, 0, 1, -args[1], -args[2]} * step;
        step.tx += args[1];
        step.ty += args[2];
      }
    } else if (name == "skewX" && n == 1) {
      step = Affine{1, 0, std::tan(Radians(args[0])), 1, 0, 0};
    } else if (name == "skewY" && n == 1) {
      step = Affine{1, std::tan(Radians(args[0])), 0, 1, 0, 0};
    } else {
      return std::nullopt;
    }
    // `step * result` applies step first: in SVG the rightmost transform of
    // the list applies first.
    result = step * result;
    cursor.SkipCommaSpace();
  }
  for (int i = 0; i < 6; ++i) {
    if (!std::isfinite(result[i])) return std::nullopt;
  }
  return result;
}

std::string FormatTransform(const Affine& a) {
  if (a.IsIdentity(0)) return "";
  std::string text = "matrix(";
  for (int i = 0; i < 6; ++i) {
    if (i) text += ',';
    text += FormatNumber(a[i]);
  }
  return text + ")";
}

}  // namespace vx::host::svg
