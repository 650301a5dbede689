// The drawer: paints into a raster through an origin and a clip rectangle
// (an item's or a dialog's area), in the current colour, normally or in
// exclusive-or mode. Rectangles exclude their right and bottom edges, and a
// line does not paint its end point, as on the platform, so that joined
// lines drawn in exclusive-or mode do not cancel at their joints and the
// same figure drawn twice in exclusive-or mode leaves the raster unchanged.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "host/adm/image.h"
#include "host/adm/raster.h"
#include "vx_sdk.h"

namespace vx::host::adm {

class Drawer {
 public:
  // area: where the drawer's (0, 0) is and what it may paint, in raster
  // pixels.
  Drawer(Raster& raster, ASRect area);

  // (0, 0, width, height) of the area.
  ASRect LocalBounds() const;
  void SetColor(ADMRGBColor color) { color_ = color; }
  ADMRGBColor color() const { return color_; }
  void SetMode(int32_t mode) { mode_ = mode; }
  int32_t mode() const { return mode_; }

  void Line(ASPoint from, ASPoint to);
  void Rect(const ASRect& r);
  void FillRect(const ASRect& r);
  // Paints the rectangle in the background colour of dialogs.
  void ClearRect(const ASRect& r);
  void Oval(const ASRect& r);
  void FillOval(const ASRect& r);
  // The text's baseline starts at point.
  void Text(std::string_view utf8, ASPoint point);
  // Words wrapped to the rectangle's width, lines from its top.
  void TextInBox(const ASRect& r, std::string_view utf8);
  void Picture(const Image& image, ASPoint topLeft);

  static constexpr Rgba kBackground{212, 208, 200, 255};
  static Rgba ToRgba(ADMRGBColor color);

 private:
  void Plot(int x, int y);  // local coordinates, current colour and mode
  void PlotAll(std::vector<ASPoint> points);  // each pixel once
  // Fills what the area lets the drawer paint of r (local coordinates).
  void FillVisible(const ASRect& r, Rgba color);

  Raster& raster_;
  ASRect area_;
  ADMRGBColor color_ = 0;  // black
  int32_t mode_ = kADMNormalMode;
};

}  // namespace vx::host::adm
