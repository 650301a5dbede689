#include "host/adm/raster.h"

#include <algorithm>
#include <cstddef>

namespace vx::host::adm {

Raster::Raster(int width, int height, Rgba fill)
    : width_(width > 0 ? width : 0),
      height_(height > 0 ? height : 0),
      pixels_(size_t(width_) * size_t(height_), fill) {}

Rgba Raster::Get(int x, int y) const {
  if (!Contains(x, y)) return Rgba{0, 0, 0, 0};
  return pixels_[size_t(y) * size_t(width_) + size_t(x)];
}

void Raster::Set(int x, int y, Rgba color) {
  if (Contains(x, y)) pixels_[size_t(y) * size_t(width_) + size_t(x)] = color;
}

void Raster::SetRow(int x0, int x1, int y, Rgba color) {
  if (y < 0 || y >= height_) return;
  x0 = std::max(x0, 0);
  x1 = std::min(x1, width_);
  if (x0 >= x1) return;
  const auto row = pixels_.begin() + std::ptrdiff_t(y) * width_;
  std::fill(row + x0, row + x1, color);
}

void Raster::Fill(Rgba color) { std::fill(pixels_.begin(), pixels_.end(), color); }

}  // namespace vx::host::adm
