// Reading numbers, lengths and number lists as SVG writes them, and writing
// numbers back in the shortest form that reads back to the same value.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vx::host::svg {

// A cursor over attribute text; the readers below advance it.
class TextCursor {
 public:
  explicit TextCursor(std::string_view text) : text_(text) {}
  bool AtEnd() const { return pos_ >= text_.size(); }
  char Peek() const { return AtEnd() ? '\0' : text_[pos_]; }
  void Advance(size_t n = 1) { pos_ = std::min(text_.size(), pos_ + n); }
  size_t position() const { return pos_; }
  std::string_view Rest() const { return text_.substr(pos_); }
  void SkipSpace();
  // Skips white space and at most one comma (the SVG "comma-wsp").
  void SkipCommaSpace();
  // Reads one number ("-1.5e3", ".5", "+2"); no units. Rejects inf/nan.
  std::optional<double> ReadNumber();
  // Reads an identifier made of letters, digits, '-' and '_'.
  std::string_view ReadWord();

 private:
  std::string_view text_;
  size_t pos_ = 0;
};

// SVG's white space (and the form feed CSS adds).
inline bool IsWhiteSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}
// Called for every declaration and attribute value read: inline.
inline std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsWhiteSpace(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsWhiteSpace(text.back())) text.remove_suffix(1);
  return text;
}
bool EqualsIgnoreCase(std::string_view a, std::string_view b);

// The whole text is one number (surrounding space allowed).
std::optional<double> ParseNumber(std::string_view text);
// A length in user units: "12", "12px", "9pt", "1in", "2.5mm", "1cm", "1pc",
// "2em" (font size 16). Percentages resolve against `percentBase`.
std::optional<double> ParseLength(std::string_view text, double percentBase = 0);
// Numbers separated by commas and/or white space; nullopt on any junk.
std::optional<std::vector<double>> ParseNumberList(std::string_view text);

// Shortest text that reads back to exactly `value` (no exponent for values
// of ordinary size). -0 is written as 0.
std::string FormatNumber(double value);
// The same for a float: the shortest text that reads back to that float.
std::string FormatFloat(float value);
// FormatNumber(std::round(value * 10^decimals) / 10^decimals): `value`
// rounded to `decimals` places, in its shortest text (`value` itself when
// the rounded one is not finite).
std::string FormatRounded(double value, int decimals);
// The same into `out`, which has room for kRoundedRoom characters; answers
// the end of what it wrote.
constexpr size_t kRoundedRoom = 32;
char* WriteRounded(char* out, double value, int decimals);

}  // namespace vx::host::svg
