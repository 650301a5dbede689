// Colours of the document model written as SVG paints and read back: RGB as
// "#rrggbb"; gray and four-colour CMYK as their sRGB fallback followed by an
// ICC colour ("#808080 icc-color(vx-gray, 0.5)", "#ff0000 icc-color(vx-cmyk,
// 0, 1, 1, 0)") so that they come back as gray and CMYK. Any ICC colour with
// four components reads as CMYK, one with one component as gray.
#pragma once

#include <optional>
#include <string>

#include "host/svg/svg_color.h"
#include "vx_sdk.h"

namespace vx::host::svg {

inline constexpr const char* kGrayProfile = "vx-gray";
inline constexpr const char* kCmykProfile = "vx-cmyk";

// The model colour of an SVG colour (its alpha is not part of it).
AIColor ModelColor(const Color& color);
// The model colour of a fill that is not set: its initial value, black.
inline AIColor UnsetFillColor() { return ModelColor(Color{}); }
// The sRGB colour of a gray, four-colour or three-colour model colour; for
// other kinds black.
Color SrgbOf(const AIColor& color);
// "#rrggbb" for the presentation attribute.
std::string HexOf(const AIColor& color);
// The full paint with the ICC colour, or "" when "#rrggbb" says it all.
std::string IccPaintOf(const AIColor& color);

}  // namespace vx::host::svg
