#include "host/adm/raster.h"

#include <png.h>

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <memory>

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

bool Raster::SavePng(const std::filesystem::path& path,
                     std::string* error) const {
  auto fail = [&](const std::string& what) {
    if (error) *error = path.string() + ": " + what;
    return false;
  };
  if (width_ == 0 || height_ == 0) return fail("the image is empty");
  std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path.c_str(), "wb"),
                                              std::fclose);
  if (!file) return fail("cannot be written");
  png_structp png =
      png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  if (!png) return fail("cannot start the PNG writer");
  png_infop info = png_create_info_struct(png);
  if (!info) {
    png_destroy_write_struct(&png, nullptr);
    return fail("cannot start the PNG writer");
  }
  // libpng reports errors by longjmp; nothing with a destructor is created
  // between here and the end of the writing.
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return fail("writing the PNG failed");
  }
  png_init_io(png, file.get());
  png_set_IHDR(png, info, png_uint_32(width_), png_uint_32(height_), 8,
               PNG_COLOR_TYPE_RGBA, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  static_assert(sizeof(Rgba) == 4, "pixels are four bytes, RGBA");
  for (int y = 0; y < height_; ++y) {
    auto* row = reinterpret_cast<png_bytep>(
        const_cast<Rgba*>(&pixels_[size_t(y) * size_t(width_)]));
    png_write_row(png, row);
  }
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  if (std::fflush(file.get()) != 0) return fail("cannot be written");
  return true;
}

}  // namespace vx::host::adm
