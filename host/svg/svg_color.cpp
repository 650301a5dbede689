#include "host/svg/svg_color.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <string_view>

#include "host/svg/svg_numbers.h"

namespace vx::host::svg {

namespace {

struct NamedColor {
  std::string_view name;
  uint32_t rgb;
};

// The colour keywords of SVG 1.1 (the CSS extended colour keywords).
constexpr NamedColor kNamedColors[] = {
    {"aliceblue", 0xf0f8ff}, {"antiquewhite", 0xfaebd7}, {"aqua", 0x00ffff},
    {"aquamarine", 0x7fffd4}, {"azure", 0xf0ffff}, {"beige", 0xf5f5dc},
    {"bisque", 0xffe4c4}, {"black", 0x000000}, {"blanchedalmond", 0xffebcd},
    {"blue", 0x0000ff}, {"blueviolet", 0x8a2be2}, {"brown", 0xa52a2a},
    {"burlywood", 0xdeb887}, {"cadetblue", 0x5f9ea0}, {"chartreuse", 0x7fff00},
    {"chocolate", 0xd2691e}, {"coral", 0xff7f50}, {"cornflowerblue", 0x6495ed},
    {"cornsilk", 0xfff8dc}, {"crimson", 0xdc143c}, {"cyan", 0x00ffff},
    {"darkblue", 0x00008b}, {"darkcyan", 0x008b8b}, {"darkgoldenrod", 0xb8860b},
    {"darkgray", 0xa9a9a9}, {"darkgreen", 0x006400}, {"darkgrey", 0xa9a9a9},
    {"darkkhaki", 0xbdb76b}, {"darkmagenta", 0x8b008b}, {"darkolivegreen", 0x556b2f},
    {"darkorange", 0xff8c00}, {"darkorchid", 0x9932cc}, {"darkred", 0x8b0000},
    {"darksalmon", 0xe9967a}, {"darkseagreen", 0x8fbc8f}, {"darkslateblue", 0x483d8b},
    {"darkslategray", 0x2f4f4f}, {"darkslategrey", 0x2f4f4f}, {"darkturquoise", 0x00ced1},
    {"darkviolet", 0x9400d3}, {"deeppink", 0xff1493}, {"deepskyblue", 0x00bfff},
    {"dimgray", 0x696969}, {"dimgrey", 0x696969}, {"dodgerblue", 0x1e90ff},
    {"firebrick", 0xb22222}, {"floralwhite", 0xfffaf0}, {"forestgreen", 0x228b22},
    {"fuchsia", 0xff00ff}, {"gainsboro", 0xdcdcdc}, {"ghostwhite", 0xf8f8ff},
    {"gold", 0xffd700}, {"goldenrod", 0xdaa520}, {"gray", 0x808080},
    {"green", 0x008000}, {"greenyellow", 0xadff2f}, {"grey", 0x808080},
    {"honeydew", 0xf0fff0}, {"hotpink", 0xff69b4}, {"indianred", 0xcd5c5c},
    {"indigo", 0x4b0082}, {"ivory", 0xfffff0}, {"khaki", 0xf0e68c},
    {"lavender", 0xe6e6fa}, {"lavenderblush", 0xfff0f5}, {"lawngreen", 0x7cfc00},
    {"lemonchiffon", 0xfffacd}, {"lightblue", 0xadd8e6}, {"lightcoral", 0xf08080},
    {"lightcyan", 0xe0ffff}, {"lightgoldenrodyellow", 0xfafad2}, {"lightgray", 0xd3d3d3},
    {"lightgreen", 0x90ee90}, {"lightgrey", 0xd3d3d3}, {"lightpink", 0xffb6c1},
    {"lightsalmon", 0xffa07a}, {"lightseagreen", 0x20b2aa}, {"lightskyblue", 0x87cefa},
    {"lightslategray", 0x778899}, {"lightslategrey", 0x778899}, {"lightsteelblue", 0xb0c4de},
    {"lightyellow", 0xffffe0}, {"lime", 0x00ff00}, {"limegreen", 0x32cd32},
    {"linen", 0xfaf0e6}, {"magenta", 0xff00ff}, {"maroon", 0x800000},
    {"mediumaquamarine", 0x66cdaa}, {"mediumblue", 0x0000cd}, {"mediumorchid", 0xba55d3},
    {"mediumpurple", 0x9370db}, {"mediumseagreen", 0x3cb371}, {"mediumslateblue", 0x7b68ee},
    {"mediumspringgreen", 0x00fa9a}, {"mediumturquoise", 0x48d1cc},
    {"mediumvioletred", 0xc71585}, {"midnightblue", 0x191970}, {"mintcream", 0xf5fffa},
    {"mistyrose", 0xffe4e1}, {"moccasin", 0xffe4b5}, {"navajowhite", 0xffdead},
    {"navy", 0x000080}, {"oldlace", 0xfdf5e6}, {"olive", 0x808000},
    {"olivedrab", 0x6b8e23}, {"orange", 0xffa500}, {"orangered", 0xff4500},
    {"orchid", 0xda70d6}, {"palegoldenrod", 0xeee8aa}, {"palegreen", 0x98fb98},
    {"paleturquoise", 0xafeeee}, {"palevioletred", 0xdb7093}, {"papayawhip", 0xffefd5},
    {"peachpuff", 0xffdab9}, {"peru", 0xcd853f}, {"pink", 0xffc0cb},
    {"plum", 0xdda0dd}, {"powderblue", 0xb0e0e6}, {"purple", 0x800080},
    {"rebeccapurple", 0x663399}, {"red", 0xff0000}, {"rosybrown", 0xbc8f8f},
    {"royalblue", 0x4169e1}, {"saddlebrown", 0x8b4513}, {"salmon", 0xfa8072},
    {"sandybrown", 0xf4a460}, {"seagreen", 0x2e8b57}, {"seashell", 0xfff5ee},
    {"sienna", 0xa0522d}, {"silver", 0xc0c0c0}, {"skyblue", 0x87ceeb},
    {"slateblue", 0x6a5acd}, {"slategray", 0x708090}, {"slategrey", 0x708090},
    {"snow", 0xfffafa}, {"springgreen", 0x00ff7f}, {"steelblue", 0x4682b4},
    {"tan", 0xd2b48c}, {"teal", 0x008080}, {"thistle", 0xd8bfd8},
    {"tomato", 0xff6347}, {"turquoise", 0x40e0d0}, {"violet", 0xee82ee},
    {"wheat", 0xf5deb3}, {"white", 0xffffff}, {"whitesmoke", 0xf5f5f5},
    {"yellow", 0xffff00}, {"yellowgreen", 0x9acd32}};

static_assert(std::is_sorted(std::begin(kNamedColors), std::end(kNamedColors),
                             [](const NamedColor& a, const NamedColor& b) { return a.name < b.name; }));

// The keyword's colour, found by halving the sorted table; keywords are
// case-insensitive.
const NamedColor* FindNamedColor(std::string_view word) {
  char lower[24];
  if (word.size() > sizeof lower) return nullptr;  // longer than every keyword
  for (size_t i = 0; i < word.size(); ++i) {
    const char c = word[i];
    lower[i] = c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
  }
  const std::string_view key(lower, word.size());
  auto it = std::lower_bound(std::begin(kNamedColors), std::end(kNamedColors), key,
                             [](const NamedColor& c, std::string_view k) { return c.name < k; });
  return it != std::end(kNamedColors) && it->name == key ? it : nullptr;
}

Color FromRgb24(uint32_t rgb) {
  Color c;
  c.red = ((rgb >> 16) & 0xFF) / 255.0;
  c.green = ((rgb >> 8) & 0xFF) / 255.0;
  c.blue = (rgb & 0xFF) / 255.0;
  return c;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::optional<Color> ParseHex(std::string_view hex) {
  if (hex.size() > 8) return std::nullopt;
  int digits[8];
  for (size_t i = 0; i < hex.size(); ++i) {
    digits[i] = HexDigit(hex[i]);
    if (digits[i] < 0) return std::nullopt;
  }
  Color color;
  double* channels[] = {&color.red, &color.green, &color.blue, &color.alpha};
  if (hex.size() == 3 || hex.size() == 4) {
    for (size_t i = 0; i < hex.size(); ++i) *channels[i] = digits[i] * 17 / 255.0;
  } else if (hex.size() == 6 || hex.size() == 8) {
    for (size_t i = 0; i < hex.size() / 2; ++i)
      *channels[i] = (digits[2 * i] * 16 + digits[2 * i + 1]) / 255.0;
  } else {
    return std::nullopt;
  }
  return color;
}

double Clamp01(double v) { return std::clamp(v, 0.0, 1.0); }

// The arguments of a functional notation: numbers, each optionally a
// percentage, separated by commas, spaces or a '/' before alpha.
struct Argument {
  double value;
  bool percent;
};
std::optional<std::vector<Argument>> ReadArguments(TextCursor& cursor) {
  std::vector<Argument> args;
  cursor.SkipSpace();
  if (cursor.Peek() != '(') return std::nullopt;
  cursor.Advance();
  for (;;) {
    cursor.SkipSpace();
    if (cursor.Peek() == ')') {
      cursor.Advance();
      return args;
    }
    auto value = cursor.ReadNumber();
    if (!value) return std::nullopt;
    bool percent = false;
    if (cursor.Peek() == '%') {
      percent = true;
      cursor.Advance();
    } else if (cursor.Rest().starts_with("deg")) {
      cursor.Advance(3);
    }
    args.push_back({*value, percent});
    cursor.SkipSpace();
    if (cursor.Peek() == ',' || cursor.Peek() == '/') cursor.Advance();
  }
}

double HueToRgb(double m1, double m2, double h) {
  h -= std::floor(h);
  if (h * 6 < 1) return m1 + (m2 - m1) * h * 6;
  if (h * 2 < 1) return m2;
  if (h * 3 < 2) return m1 + (m2 - m1) * (2.0 / 3 - h) * 6;
  return m1;
}

std::optional<Color> ParseFunctional(std::string_view name, TextCursor& cursor) {
  auto args = ReadArguments(cursor);
  if (!args) return std::nullopt;
  Color color;
  bool withAlpha = args->size() == 4;
  if (args->size() != 3 && !withAlpha) return std::nullopt;
  if (EqualsIgnoreCase(name, "rgb") || EqualsIgnoreCase(name, "rgba")) {
    double* channels[] = {&color.red, &color.green, &color.blue};
    for (int i = 0; i < 3; ++i) {
      const Argument& a = (*args)[i];
      *channels[i] = Clamp01(a.percent ? a.value / 100 : a.value / 255);
    }
  } else if (EqualsIgnoreCase(name, "hsl") || EqualsIgnoreCase(name, "hsla")) {
    double h = (*args)[0].value / 360;
    double s = Clamp01((*args)[1].value / 100);
    double l = Clamp01((*args)[2].value / 100);
    double m2 = l <= 0.5 ? l * (s + 1) : l + s - l * s;
    double m1 = l * 2 - m2;
    color.red = HueToRgb(m1, m2, h + 1.0 / 3);
    color.green = HueToRgb(m1, m2, h);
    color.blue = HueToRgb(m1, m2, h - 1.0 / 3);
  } else if (EqualsIgnoreCase(name, "device-cmyk")) {
    if (args->size() != 4) return std::nullopt;
    double cmyk[4];
    for (int i = 0; i < 4; ++i) {
      const Argument& a = (*args)[i];
      cmyk[i] = Clamp01(a.percent ? a.value / 100 : a.value);
    }
    color = RgbFromCmyk(cmyk[0], cmyk[1], cmyk[2], cmyk[3]);
    color.icc = IccColor{"device-cmyk", {cmyk[0], cmyk[1], cmyk[2], cmyk[3]}};
    return color;
  } else {
    return std::nullopt;
  }
  if (withAlpha) {
    const Argument& a = (*args)[3];
    color.alpha = Clamp01(a.percent ? a.value / 100 : a.value);
  }
  return color;
}

// "icc-color(profile, v1, v2, ...)" after the word was read.
std::optional<IccColor> ParseIccArguments(TextCursor& cursor) {
  cursor.SkipSpace();
  if (cursor.Peek() != '(') return std::nullopt;
  cursor.Advance();
  cursor.SkipSpace();
  std::string_view rest = cursor.Rest();
  size_t end = rest.find_first_of(",) \t\n\r");
  if (end == std::string_view::npos || end == 0) return std::nullopt;
  IccColor icc;
  icc.profile = std::string(rest.substr(0, end));
  cursor.Advance(end);
  for (;;) {
    cursor.SkipCommaSpace();
    if (cursor.Peek() == ')') {
      cursor.Advance();
      return icc;
    }
    auto value = cursor.ReadNumber();
    if (!value) return std::nullopt;
    icc.components.push_back(*value);
  }
}

}  // namespace

Color RgbFromCmyk(double c, double m, double y, double k) {
  Color color;
  color.red = (1 - c) * (1 - k);
  color.green = (1 - m) * (1 - k);
  color.blue = (1 - y) * (1 - k);
  return color;
}

Color RgbFromGray(double gray) {
  Color color;
  color.red = color.green = color.blue = gray;
  return color;
}

std::optional<Color> ParseColor(std::string_view text) {
  text = Trim(text);
  // The usual colour, hex digits alone, without the general reader.
  if (text.size() > 1 && text[0] == '#') {
    if (auto color = ParseHex(text.substr(1))) return color;
  }
  TextCursor cursor(text);
  std::optional<Color> color;
  if (cursor.Peek() == '#') {
    cursor.Advance();
    std::string_view rest = cursor.Rest();
    size_t end = 0;
    while (end < rest.size() && HexDigit(rest[end]) >= 0) ++end;
    color = ParseHex(rest.substr(0, end));
    cursor.Advance(end);
  } else {
    std::string_view word = cursor.ReadWord();
    if (word.empty()) return std::nullopt;
    if (cursor.Peek() == '(' || (cursor.SkipSpace(), cursor.Peek() == '(')) {
      color = ParseFunctional(word, cursor);
    } else if (EqualsIgnoreCase(word, "transparent")) {
      color = Color{0, 0, 0, 0, std::nullopt};
    } else {
      if (const NamedColor* named = FindNamedColor(word)) color = FromRgb24(named->rgb);
    }
  }
  if (!color) return std::nullopt;
  cursor.SkipSpace();
  if (!cursor.AtEnd()) {
    std::string_view word = cursor.ReadWord();
    if (!EqualsIgnoreCase(word, "icc-color")) return std::nullopt;
    auto icc = ParseIccArguments(cursor);
    if (!icc) return std::nullopt;
    color->icc = std::move(*icc);
    cursor.SkipSpace();
    if (!cursor.AtEnd()) return std::nullopt;
  }
  return color;
}

std::optional<Paint> ParsePaint(std::string_view text) {
  text = Trim(text);
  Paint paint;
  if (text.size() > 1 && text[0] == '#') {
    if (auto color = ParseHex(text.substr(1))) {  // the usual paint, read directly
      paint.kind = Paint::Kind::kColor;
      paint.color = *color;
      return paint;
    }
  }
  if (EqualsIgnoreCase(text, "none")) return paint;
  if (EqualsIgnoreCase(text, "currentColor")) {
    paint.kind = Paint::Kind::kCurrentColor;
    return paint;
  }
  if (text.starts_with("url(")) {
    size_t close = text.find(')');
    if (close == std::string_view::npos) return std::nullopt;
    std::string_view ref = Trim(text.substr(4, close - 4));
    if (ref.size() >= 2 && (ref.front() == '"' || ref.front() == '\'')) {
      ref = ref.substr(1, ref.size() - 2);
    }
    if (!ref.starts_with("#") || ref.size() < 2) return std::nullopt;
    paint.kind = Paint::Kind::kUrl;
    paint.url = std::string(ref.substr(1));
    std::string_view fallback = Trim(text.substr(close + 1));
    if (!fallback.empty()) {
      paint.hasFallback = true;
      if (EqualsIgnoreCase(fallback, "none")) {
        paint.fallbackNone = true;
      } else if (auto color = ParseColor(fallback)) {
        paint.color = *color;
      } else {
        return std::nullopt;
      }
    }
    return paint;
  }
  auto color = ParseColor(text);
  if (!color) return std::nullopt;
  paint.kind = Paint::Kind::kColor;
  paint.color = *color;
  return paint;
}

std::string FormatHexColor(double red, double green, double blue) {
  // Rounded to 1e-4 first so that float noise (0.7f is 0.6999999881)
  // does not tip a channel over a half.
  auto channel = [](double v) {
    return static_cast<int>(std::lround(std::round(Clamp01(v) * 255 * 1e4) / 1e4));
  };
  static constexpr char kHex[] = "0123456789abcdef";
  std::string text = "#000000";
  const int channels[] = {channel(red), channel(green), channel(blue)};
  for (int i = 0; i < 3; ++i) {
    text[1 + 2 * i] = kHex[channels[i] >> 4];
    text[2 + 2 * i] = kHex[channels[i] & 15];
  }
  return text;
}

}  // namespace vx::host::svg
