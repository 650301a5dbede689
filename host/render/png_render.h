// PNG pictures of SVG documents through librsvg, and the comparison of two
// pictures that the round-trip tests use.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vx::host::render {

// An RGBA picture, 8 bits per channel, not premultiplied, rows top-down.
struct Raster {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> rgba;
};

inline constexpr int kMaxRasterSide = 16384;

// Renders SVG text scaled to `width` pixels (height from the document's
// aspect ratio, at most kMaxRasterSide: taller pictures are refused) on a
// transparent background. `baseFile` resolves relative
// references (images). nullopt with one line in `error` on failure.
std::optional<Raster> RenderSvg(std::string_view svg, int width, std::string* error,
                                const std::filesystem::path& baseFile = {});

// What to draw and how big, for the render command.
struct RenderRequest {
  int width = 0;     // pixels; 0: from the height, the dpi or the area
  int height = 0;    // pixels; 0: from the width's scale
  double dpi = 0;    // without width and height: pixels per inch (96: one per px)
  // "" or "page": the document; "drawing": the bounds of what it draws;
  // else the id of an element: its bounds.
  std::string area;
  bool hasBackground = false;
  uint8_t background[4] = {0, 0, 0, 0};  // RGBA, filled before drawing
};

// Renders the request's area of SVG text; the other side keeps the area's
// aspect ratio when only one is given. nullopt with one line in `error`.
std::optional<Raster> RenderSvgArea(std::string_view svg, const RenderRequest& request,
                                    std::string* error,
                                    const std::filesystem::path& baseFile = {});

// PNG bytes of a raster; empty when librsvg (which brings cairo) cannot be
// loaded.
std::string EncodePng(const Raster& raster);
// Reads a PNG (for tests and comparisons); nullopt when it is not one.
std::optional<Raster> DecodePng(std::string_view bytes);

// The fraction (0..1) of pixels whose channels differ by more than
// `tolerance` (0..255) in any channel; 1 when the sizes differ. Fully
// transparent pixels compare equal whatever their colour.
double DifferentPixelFraction(const Raster& a, const Raster& b, int tolerance);

}  // namespace vx::host::render
