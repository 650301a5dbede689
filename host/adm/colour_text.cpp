#include "host/adm/colour_text.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <vector>

namespace vx::host::adm {
namespace {

// "NAME(a,b,...)": the numbers between the parentheses, or nothing.
std::optional<std::vector<double>> Arguments(std::string_view text, std::string_view name) {
  if (text.size() < name.size() + 2 || text.substr(0, name.size()) != name ||
      text[name.size()] != '(' || text.back() != ')')
    return std::nullopt;
  std::string_view rest = text.substr(name.size() + 1, text.size() - name.size() - 2);
  std::vector<double> out;
  while (true) {
    const size_t comma = rest.find(',');
    std::string_view part = rest.substr(0, comma);
    while (!part.empty() && part.front() == ' ') part.remove_prefix(1);
    while (!part.empty() && part.back() == ' ') part.remove_suffix(1);
    double v = 0;
    auto [end, ec] = std::from_chars(part.data(), part.data() + part.size(), v);
    if (part.empty() || ec != std::errc() || end != part.data() + part.size())
      return std::nullopt;
    out.push_back(v);
    if (comma == std::string_view::npos) return out;
    rest.remove_prefix(comma + 1);
  }
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

std::optional<AIColor> ParseColourText(std::string_view text, std::string* error) {
  auto fail = [&](const std::string& why) -> std::optional<AIColor> {
    if (error) *error = "\"" + std::string(text) + "\": " + why;
    return std::nullopt;
  };
  AIColor colour{};
  if (!text.empty() && text.front() == '#') {
    if (text.size() != 7) return fail("expected #rrggbb");
    AIReal* channels[3] = {&colour.c.rgb.red, &colour.c.rgb.green, &colour.c.rgb.blue};
    for (int i = 0; i < 3; ++i) {
      const int hi = HexDigit(text[size_t(1 + 2 * i)]), lo = HexDigit(text[size_t(2 + 2 * i)]);
      if (hi < 0 || lo < 0) return fail("expected #rrggbb");
      *channels[i] = AIReal(hi * 16 + lo) / 255.0f;
    }
    colour.kind = kThreeColor;
    return colour;
  }
  auto percents = [&](std::string_view name, size_t count, AIReal* const* into)
      -> std::optional<AIColor> {
    auto values = Arguments(text, name);
    if (!values || values->size() != count)
      return fail("expected " + std::string(name) + "(" + (count == 4 ? "C,M,Y,K" : "G") +
                  ") in percent");
    for (size_t i = 0; i < count; ++i) {
      const double v = (*values)[i];
      if (!(v >= 0 && v <= 100)) return fail("percentages run from 0 to 100");
      *into[i] = AIReal(v / 100.0);
    }
    return colour;
  };
  if (text.substr(0, 5) == "cmyk(") {
    colour.kind = kFourColor;
    AIReal* inks[4] = {&colour.c.f.cyan, &colour.c.f.magenta, &colour.c.f.yellow,
                       &colour.c.f.black};
    return percents("cmyk", 4, inks);
  }
  if (text.substr(0, 5) == "gray(") {
    colour.kind = kGrayColor;
    AIReal* gray[1] = {&colour.c.g.gray};
    return percents("gray", 1, gray);
  }
  return fail("expected #rrggbb, cmyk(C,M,Y,K) or gray(G)");
}

std::string FormatColourText(const AIColor& colour) {
  char text[64];
  auto percent = [](AIReal v) { return int(std::lround(double(v) * 100.0)); };
  auto byte = [](AIReal v) { return int(std::lround(double(v) * 255.0)); };
  switch (colour.kind) {
    case kThreeColor:
      std::snprintf(text, sizeof text, "#%02x%02x%02x", byte(colour.c.rgb.red),
                    byte(colour.c.rgb.green), byte(colour.c.rgb.blue));
      return text;
    case kFourColor:
      std::snprintf(text, sizeof text, "cmyk(%d,%d,%d,%d)", percent(colour.c.f.cyan),
                    percent(colour.c.f.magenta), percent(colour.c.f.yellow),
                    percent(colour.c.f.black));
      return text;
    case kGrayColor:
      std::snprintf(text, sizeof text, "gray(%d)", percent(colour.c.g.gray));
      return text;
    case kPattern: return "pattern";
    case kCustomColor: return "custom";
    case kGradient: return "gradient";
    default: return "none";
  }
}

}  // namespace vx::host::adm
