#include "host/svg/svg_numbers.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace vx::host::svg {

namespace {
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

template <typename T>
std::string FormatShortest(T value) {
  if (value == 0 || !std::isfinite(value)) return "0";
  char buffer[64];
  // Fixed notation reads best; fall back to the shortest general form for
  // very large or tiny values where fixed would be long.
  T magnitude = std::fabs(value);
  auto fmt = (magnitude >= T(1e-5) && magnitude < T(1e15)) ? std::chars_format::fixed
                                                           : std::chars_format::general;
  auto result = std::to_chars(buffer, buffer + sizeof buffer, value, fmt);
  if (result.ec != std::errc()) result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}
}  // namespace

void TextCursor::SkipSpace() {
  while (!AtEnd() && IsWhiteSpace(text_[pos_])) ++pos_;
}

void TextCursor::SkipCommaSpace() {
  SkipSpace();
  if (Peek() == ',') {
    ++pos_;
    SkipSpace();
  }
}

std::optional<double> TextCursor::ReadNumber() {
  SkipSpace();
  size_t start = pos_;
  size_t p = pos_;
  if (p < text_.size() && (text_[p] == '+' || text_[p] == '-')) ++p;
  size_t digitsStart = p;
  bool any = false;
  while (p < text_.size() && IsDigit(text_[p])) ++p, any = true;
  if (p < text_.size() && text_[p] == '.') {
    ++p;
    while (p < text_.size() && IsDigit(text_[p])) ++p, any = true;
  }
  if (!any) return std::nullopt;
  const size_t digitsEnd = p;
  if (p < text_.size() && (text_[p] == 'e' || text_[p] == 'E')) {
    size_t q = p + 1;
    if (q < text_.size() && (text_[q] == '+' || text_[q] == '-')) ++q;
    if (q < text_.size() && IsDigit(text_[q])) {
      while (q < text_.size() && IsDigit(text_[q])) ++q;
      p = q;
    }
  }
  // The usual short decimal without exponent exactly: at most 15 digits
  // are exact in a double, and so is their quotient by a power of ten up to
  // 10^15, rounded once as from_chars rounds.
  if (p == digitsEnd && p - digitsStart <= 16) {
    static constexpr double kPowers[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                         1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    uint64_t mantissa = 0;
    int digits = 0, fraction = 0;
    bool point = false;
    for (size_t i = digitsStart; i < p; ++i) {
      if (text_[i] == '.') {
        point = true;
        continue;
      }
      mantissa = mantissa * 10 + uint64_t(text_[i] - '0');
      ++digits;
      fraction += point ? 1 : 0;
    }
    if (digits <= 15) {
      const double magnitude = double(mantissa) / kPowers[fraction];
      pos_ = p;
      return text_[start] == '-' ? -magnitude : magnitude;
    }
  }
  // from_chars takes no leading '+' and no leading '.' without a digit
  // before it; give it a normalised copy.
  std::string number;
  if (text_[start] == '-') number += '-';
  if (text_[digitsStart] == '.') number += '0';
  number.append(text_.substr(digitsStart, p - digitsStart));
  double value = 0;
  auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
  if (ec == std::errc::result_out_of_range) {
    value = (number[0] == '-' ? -1.0 : 1.0) * HUGE_VAL;
  } else if (ec != std::errc() || end != number.data() + number.size()) {
    return std::nullopt;
  }
  pos_ = p;
  return value;
}

std::string_view TextCursor::ReadWord() {
  SkipSpace();
  size_t start = pos_;
  while (!AtEnd()) {
    char c = text_[pos_];
    if (!(std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_')) break;
    ++pos_;
  }
  return text_.substr(start, pos_ - start);
}

bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           // ASCII letters only, as CSS and SVG keywords compare.
           auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c + ('a' - 'A')) : c; };
           return lower(x) == lower(y);
         });
}

std::optional<double> ParseNumber(std::string_view text) {
  TextCursor cursor(text);
  auto value = cursor.ReadNumber();
  cursor.SkipSpace();
  if (!value || !cursor.AtEnd()) return std::nullopt;
  return value;
}

std::optional<double> ParseLength(std::string_view text, double percentBase) {
  TextCursor cursor(text);
  auto value = cursor.ReadNumber();
  if (!value) return std::nullopt;
  std::string_view unit = Trim(cursor.Rest());
  struct Unit {
    const char* name;
    double factor;
  };
  static constexpr Unit kUnits[] = {{"", 1},         {"px", 1},         {"pt", 96.0 / 72},
                                    {"pc", 16},      {"in", 96},        {"mm", 96 / 25.4},
                                    {"cm", 96 / 2.54}, {"em", 16},      {"ex", 8}};
  if (unit == "%") return *value * percentBase / 100;
  for (const Unit& u : kUnits) {
    if (EqualsIgnoreCase(unit, u.name)) return *value * u.factor;
  }
  return std::nullopt;
}

std::optional<std::vector<double>> ParseNumberList(std::string_view text) {
  std::vector<double> values;
  TextCursor cursor(text);
  cursor.SkipSpace();
  while (!cursor.AtEnd()) {
    auto value = cursor.ReadNumber();
    if (!value) return std::nullopt;
    values.push_back(*value);
    cursor.SkipCommaSpace();
  }
  return values;
}

std::string FormatNumber(double value) { return FormatShortest(value); }
std::string FormatFloat(float value) { return FormatShortest(value); }

char* WriteRounded(char* out, double value, int decimals) {
  static constexpr double kScales[] = {1, 10, 100, 1000, 10000};
  const double scaled = decimals >= 0 && decimals <= 4 ? value * kScales[decimals] : NAN;
  // Below 10^15 units, the rounded number is the double nearest to
  // units / 10^decimals, and no text with fewer digits lies within half a
  // unit in its last place: its shortest text is the digits of units with
  // the point put in and trailing zeros dropped: integer digits only.
  if (!(std::fabs(scaled) < 1e15)) {
    const double scale = std::pow(10.0, decimals);
    double rounded = std::round(value * scale) / scale;
    if (!std::isfinite(rounded)) rounded = value;
    const std::string text = FormatShortest(rounded);
    return std::copy(text.begin(), text.end(), out);
  }
  // std::round: halves away from zero (the difference is exact here).
  int64_t units = int64_t(scaled);
  const double rest = scaled - double(units);
  units += rest >= 0.5 ? 1 : rest <= -0.5 ? -1 : 0;
  if (units == 0) {
    *out = '0';  // -0 too
    return out + 1;
  }
  if (units < 0) *out++ = '-';
  static constexpr uint32_t kUnits[] = {1, 10, 100, 1000, 10000};
  const uint64_t magnitude = uint64_t(units < 0 ? -units : units);
  out = std::to_chars(out, out + 24, magnitude / kUnits[decimals]).ptr;
  const uint32_t fraction = uint32_t(magnitude % kUnits[decimals]);
  if (fraction == 0) return out;
  // The fraction as four digits, two a step; its last `decimals` go after
  // the point (four bytes written at once: the room allows it), without
  // their trailing zeros.
  static constexpr auto kPairs = [] {
    std::array<char, 200> pairs{};
    for (int i = 0; i < 100; ++i) pairs[2 * i] = char('0' + i / 10), pairs[2 * i + 1] = char('0' + i % 10);
    return pairs;
  }();
  const char eight[8] = {kPairs[fraction / 100 * 2], kPairs[fraction / 100 * 2 + 1],
                         kPairs[fraction % 100 * 2], kPairs[fraction % 100 * 2 + 1], '0', '0', '0', '0'};
  *out++ = '.';
  std::memcpy(out, eight + 4 - decimals, 4);
  int width = decimals;
  while (out[width - 1] == '0') --width;
  return out + width;
}

std::string FormatRounded(double value, int decimals) {
  char buffer[kRoundedRoom];
  return std::string(buffer, WriteRounded(buffer, value, decimals));
}

}  // namespace vx::host::svg
