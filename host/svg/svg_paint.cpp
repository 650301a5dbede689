#include "host/svg/svg_paint.h"

#include <algorithm>

#include "host/svg/svg_numbers.h"

namespace vx::host::svg {

namespace {
float Unit(double v) { return static_cast<float>(std::clamp(v, 0.0, 1.0)); }
}  // namespace

AIColor ModelColor(const Color& color) {
  AIColor c{};
  if (color.icc && color.icc->components.size() == 4) {
    c.kind = kFourColor;
    c.c.f.cyan = Unit(color.icc->components[0]);
    c.c.f.magenta = Unit(color.icc->components[1]);
    c.c.f.yellow = Unit(color.icc->components[2]);
    c.c.f.black = Unit(color.icc->components[3]);
  } else if (color.icc && color.icc->components.size() == 1) {
    c.kind = kGrayColor;
    // The model's gray is the amount of black; so is the ICC component.
    c.c.g.gray = Unit(color.icc->components[0]);
  } else {
    c.kind = kThreeColor;
    c.c.rgb.red = Unit(color.red);
    c.c.rgb.green = Unit(color.green);
    c.c.rgb.blue = Unit(color.blue);
  }
  return c;
}

Color SrgbOf(const AIColor& color) {
  switch (color.kind) {
    case kGrayColor: return RgbFromGray(1.0 - color.c.g.gray);
    case kFourColor:
      return RgbFromCmyk(color.c.f.cyan, color.c.f.magenta, color.c.f.yellow, color.c.f.black);
    case kThreeColor: {
      Color c;
      c.red = color.c.rgb.red;
      c.green = color.c.rgb.green;
      c.blue = color.c.rgb.blue;
      return c;
    }
    default: return Color{};
  }
}

std::string HexOf(const AIColor& color) {
  Color c = SrgbOf(color);
  return FormatHexColor(c.red, c.green, c.blue);
}

std::string IccPaintOf(const AIColor& color) {
  if (color.kind == kGrayColor) {
    return HexOf(color) + " icc-color(" + kGrayProfile + ", " + FormatFloat(color.c.g.gray) + ")";
  }
  if (color.kind == kFourColor) {
    const AIFourColorStyle& f = color.c.f;
    return HexOf(color) + " icc-color(" + kCmykProfile + ", " + FormatFloat(f.cyan) + ", " +
           FormatFloat(f.magenta) + ", " + FormatFloat(f.yellow) + ", " + FormatFloat(f.black) +
           ")";
  }
  return "";
}

}  // namespace vx::host::svg
