// A small built-in bitmap font: 5 x 7 glyphs for printable ASCII and the
// degree sign, one byte per column, bit 0 at the top.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace vx::host::adm::font {

inline constexpr int kGlyphWidth = 5;
inline constexpr int kGlyphHeight = 7;
inline constexpr int kAdvance = 6;      // glyph plus one column of space
inline constexpr int kLineHeight = 10;  // baseline to baseline
inline constexpr int kAscent = 7;       // rows above the baseline

// The glyph's five columns; characters without a glyph show '?'.
const uint8_t* Glyph(char32_t c);
// UTF-8 text as code points (malformed bytes become '?').
std::vector<char32_t> Decode(std::string_view utf8);
// Width in pixels of one line of text.
int TextWidth(std::string_view utf8);

}  // namespace vx::host::adm::font
