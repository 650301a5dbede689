// SVG colours and paints: every colour syntax of SVG 1.1 and CSS (keywords,
// #rgb, #rrggbb, #rgba, #rrggbbaa, rgb(), rgba(), hsl(), hsla(), percentages,
// "transparent"), the ICC colour that may follow a colour
// ("#ff0000 icc-color(name, c, m, y, k)") and "device-cmyk(c m y k)".
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vx::host::svg {

// An ICC colour given after the sRGB fallback: the profile name and its
// components (0..1).
struct IccColor {
  std::string profile;
  std::vector<double> components;
  bool operator==(const IccColor&) const = default;
};

struct Color {
  double red = 0, green = 0, blue = 0;  // 0..1, sRGB
  double alpha = 1;                     // from rgba/hsla/#rgba/transparent
  std::optional<IccColor> icc;
  bool operator==(const Color&) const = default;
};

struct Paint {
  enum class Kind { kNone, kColor, kCurrentColor, kUrl };
  Kind kind = Kind::kNone;
  Color color;            // kColor; for kUrl the fallback colour if any
  std::string url;        // kUrl: the referenced id without '#'
  bool hasFallback = false;  // kUrl with a fallback colour or "none"
  bool fallbackNone = false;
};

std::optional<Color> ParseColor(std::string_view text);
// A paint: "none", "currentColor", a colour, "url(#id) [fallback]".
std::optional<Paint> ParsePaint(std::string_view text);

// "#rrggbb" of a colour (rounded to 8 bits per channel).
std::string FormatHexColor(double red, double green, double blue);

// The naive conversions between colour kinds, used for the sRGB fallback of
// CMYK and gray colours (0..1 each).
Color RgbFromCmyk(double c, double m, double y, double k);
Color RgbFromGray(double gray);

}  // namespace vx::host::svg
