#include "host/adm/image.h"

#include <sstream>
#include <string>

namespace vx::host::adm {
namespace {
Rgba ColourOf(char c) {
  switch (c) {
    case '.': return {0, 0, 0, 0};
    case 'w': return {255, 255, 255, 255};
    case 'r': return {255, 0, 0, 255};
    case 'g': return {0, 160, 0, 255};
    case 'b': return {0, 0, 255, 255};
    case 'y': return {255, 255, 0, 255};
    case 'c': return {0, 255, 255, 255};
    case 'm': return {255, 0, 255, 255};
    case 'd': return {64, 64, 64, 255};
    case 'l': return {192, 192, 192, 255};
    case 'o': return {255, 128, 0, 255};
    default: return {0, 0, 0, 255};
  }
}
}  // namespace

std::optional<Image> ParseImage(std::string_view text) {
  std::istringstream in{std::string(text)};
  Image image;
  if (!(in >> image.width >> image.height) || image.width < 0 ||
      image.height < 0 || image.width > 4096 || image.height > 4096)
    return std::nullopt;
  std::string line;
  std::getline(in, line);  // rest of the size line
  image.pixels.assign(size_t(image.width) * size_t(image.height), Rgba{0, 0, 0, 0});
  for (int y = 0; y < image.height && std::getline(in, line); ++y)
    for (int x = 0; x < image.width && x < int(line.size()); ++x)
      image.pixels[size_t(y) * size_t(image.width) + size_t(x)] = ColourOf(line[size_t(x)]);
  return image;
}

}  // namespace vx::host::adm
