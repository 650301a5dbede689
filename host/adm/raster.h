// An RGBA raster: what dialogs, items and the drawer paint into.
#pragma once

#include <cstdint>
#include <vector>

namespace vx::host::adm {

struct Rgba {
  uint8_t r = 0, g = 0, b = 0, a = 255;
  friend bool operator==(const Rgba&, const Rgba&) = default;
};

class Raster {
 public:
  Raster() = default;
  Raster(int width, int height, Rgba fill = {255, 255, 255, 255});

  int width() const { return width_; }
  int height() const { return height_; }
  bool Contains(int x, int y) const {
    return x >= 0 && y >= 0 && x < width_ && y < height_;
  }
  // Pixels outside the raster read as transparent and ignore writes.
  Rgba Get(int x, int y) const;
  void Set(int x, int y, Rgba color);
  // Pixels x0 .. x1 - 1 of row y (what lies inside the raster).
  void SetRow(int x0, int x1, int y, Rgba color);
  void Fill(Rgba color);
  const std::vector<Rgba>& pixels() const { return pixels_; }
  friend bool operator==(const Raster&, const Raster&) = default;

 private:
  int width_ = 0, height_ = 0;
  std::vector<Rgba> pixels_;
};

}  // namespace vx::host::adm
