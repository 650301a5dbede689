// Small images from the plug-in's ICON, PICT and CURS resources. Their text
// form is "<width> <height>" and one row of characters per line: '.' is
// transparent; letters choose a colour (k black, w white, r red, g green,
// b blue, y yellow, c cyan, m magenta, d dark gray, l light gray, o orange);
// any other character is opaque black.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "host/adm/raster.h"

namespace vx::host::adm {

struct Image {
  int width = 0, height = 0;
  std::vector<Rgba> pixels;  // alpha 0 = transparent
  bool empty() const { return width <= 0 || height <= 0; }
};

// Null when the text is not an image; an empty image for "0 0".
std::optional<Image> ParseImage(std::string_view text);

}  // namespace vx::host::adm
