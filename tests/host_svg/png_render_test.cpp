// PNG pictures through librsvg and the pixel comparison.
#include <gtest/gtest.h>

#include "host/render/png_render.h"

namespace vx::host::render {
namespace {

constexpr const char* kHalfRed =
    "<svg xmlns='http://www.w3.org/2000/svg' width='40' height='20' viewBox='0 0 40 20'>"
    "<rect width='20' height='20' fill='#ff0000'/></svg>";

const uint8_t* Pixel(const Raster& r, int x, int y) { return &r.rgba[(size_t(y) * r.width + x) * 4]; }

TEST(PngRender, ScalesToTheWidthAndKeepsTheAspectRatio) {
  std::string error;
  auto raster = RenderSvg(kHalfRed, 100, &error);
  ASSERT_TRUE(raster) << error;
  EXPECT_EQ(100, raster->width);
  EXPECT_EQ(50, raster->height);
  const uint8_t* left = Pixel(*raster, 10, 25);
  EXPECT_EQ(255, left[0]);
  EXPECT_EQ(0, left[1]);
  EXPECT_EQ(255, left[3]);
  EXPECT_EQ(0, Pixel(*raster, 90, 25)[3]);  // transparent background

  // Only a viewBox: its size gives the aspect ratio.
  auto viewBoxOnly = RenderSvg(
      "<svg xmlns='http://www.w3.org/2000/svg' viewBox='0 0 10 30'><rect width='5' height='5'/></svg>",
      30, &error);
  ASSERT_TRUE(viewBoxOnly) << error;
  EXPECT_EQ(90, viewBoxOnly->height);
}

TEST(PngRender, FailuresSayWhy) {
  std::string error;
  EXPECT_FALSE(RenderSvg("<svg xmlns='http://www.w3.org/2000/svg'><rect", 10, &error));
  EXPECT_NE(std::string::npos, error.find("not a readable SVG")) << error;
  EXPECT_FALSE(RenderSvg("", 10, &error));
  EXPECT_FALSE(RenderSvg(kHalfRed, 0, &error));
  EXPECT_FALSE(RenderSvg(kHalfRed, kMaxRasterSide + 1, &error));
  EXPECT_FALSE(RenderSvg("<svg xmlns='http://www.w3.org/2000/svg'/>", 10, &error));
}

TEST(PngRender, PngBytesReadBackToTheSamePixels) {
  std::string error;
  auto raster = RenderSvg(kHalfRed, 64, &error);
  ASSERT_TRUE(raster);
  std::string png = EncodePng(*raster);
  ASSERT_GT(png.size(), 8u);
  EXPECT_EQ(std::string("\x89PNG", 4), png.substr(0, 4));
  auto back = DecodePng(png);
  ASSERT_TRUE(back);
  EXPECT_EQ(0, DifferentPixelFraction(*raster, *back, 0));
  EXPECT_FALSE(DecodePng("not a png"));
}

TEST(PngRender, ComparisonCountsDifferentPixels) {
  std::string error;
  auto a = RenderSvg(kHalfRed, 40, &error);
  auto b = RenderSvg(
      "<svg xmlns='http://www.w3.org/2000/svg' width='40' height='20'>"
      "<rect width='20' height='20' fill='#ff0000'/><rect x='30' width='10' height='2' fill='blue'/></svg>",
      40, &error);
  ASSERT_TRUE(a && b);
  EXPECT_DOUBLE_EQ(20.0 / 800, DifferentPixelFraction(*a, *b, 8));
  auto c = RenderSvg(kHalfRed, 41, &error);
  EXPECT_EQ(1, DifferentPixelFraction(*a, *c, 8));
}

}  // namespace
}  // namespace vx::host::render
