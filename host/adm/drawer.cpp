#include "host/adm/drawer.h"

#include <algorithm>
#include <cstdlib>
#include <sstream>

#include "host/adm/font.h"

namespace vx::host::adm {

Drawer::Drawer(Raster& raster, ASRect area) : raster_(raster), area_(area) {}

ASRect Drawer::LocalBounds() const {
  return {0, 0, area_.right - area_.left, area_.bottom - area_.top};
}

Rgba Drawer::ToRgba(ADMRGBColor c) {
  return {uint8_t(c & 0xFF), uint8_t((c >> 8) & 0xFF), uint8_t((c >> 16) & 0xFF),
          255};
}

void Drawer::Plot(int x, int y) {
  int px = area_.left + x;
  int py = area_.top + y;
  if (px < area_.left || py < area_.top || px >= area_.right ||
      py >= area_.bottom)
    return;
  Rgba c = ToRgba(color_);
  if (mode_ == kADMXORMode) {
    Rgba old = raster_.Get(px, py);
    c = {uint8_t(old.r ^ c.r), uint8_t(old.g ^ c.g), uint8_t(old.b ^ c.b),
         old.a};
  }
  raster_.Set(px, py, c);
}

void Drawer::PlotAll(std::vector<ASPoint> points) {
  std::sort(points.begin(), points.end(), [](ASPoint a, ASPoint b) {
    return a.v != b.v ? a.v < b.v : a.h < b.h;
  });
  auto same = [](ASPoint a, ASPoint b) { return a.h == b.h && a.v == b.v; };
  points.erase(std::unique(points.begin(), points.end(), same), points.end());
  for (ASPoint p : points) Plot(p.h, p.v);
}

void Drawer::Line(ASPoint from, ASPoint to) {
  // Bresenham; the end point itself is not painted.
  int x = from.h, y = from.v;
  const int dx = std::abs(to.h - x), sx = x < to.h ? 1 : -1;
  const int dy = -std::abs(to.v - y), sy = y < to.v ? 1 : -1;
  int err = dx + dy;
  while (!(x == to.h && y == to.v)) {
    Plot(x, y);
    int e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      x += sx;
    }
    if (e2 <= dx) {
      err += dx;
      y += sy;
    }
  }
}

void Drawer::Rect(const ASRect& r) {
  if (r.right <= r.left || r.bottom <= r.top) return;
  std::vector<ASPoint> points;
  for (int x = r.left; x < r.right; ++x) {
    points.push_back({x, r.top});
    points.push_back({x, r.bottom - 1});
  }
  for (int y = r.top; y < r.bottom; ++y) {
    points.push_back({r.left, y});
    points.push_back({r.right - 1, y});
  }
  PlotAll(std::move(points));
}

void Drawer::FillVisible(const ASRect& r, Rgba color) {
  auto at = [](int origin, int v, int lo, int hi) {
    return int(std::clamp<int64_t>(int64_t(origin) + v, lo, hi));
  };
  const int left = at(area_.left, r.left, area_.left, area_.right);
  const int right = at(area_.left, r.right, area_.left, area_.right);
  const int top = at(area_.top, r.top, area_.top, area_.bottom);
  const int bottom = at(area_.top, r.bottom, area_.top, area_.bottom);
  for (int y = top; y < bottom; ++y) raster_.SetRow(left, right, y, color);
}

void Drawer::FillRect(const ASRect& r) {
  if (mode_ != kADMXORMode) return FillVisible(r, ToRgba(color_));
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x) Plot(x, y);
}

void Drawer::ClearRect(const ASRect& r) { FillVisible(r, kBackground); }

namespace {
// Pixel (x, y) lies in the ellipse inscribed in r when its centre does.
bool InEllipse(const ASRect& r, int x, int y) {
  double rx = (r.right - r.left) / 2.0, ry = (r.bottom - r.top) / 2.0;
  double dx = (x + 0.5 - (r.left + rx)) / rx;
  double dy = (y + 0.5 - (r.top + ry)) / ry;
  return dx * dx + dy * dy <= 1.0;
}
}  // namespace

void Drawer::Oval(const ASRect& r) {
  if (r.right <= r.left || r.bottom <= r.top) return;
  std::vector<ASPoint> points;
  // The outline: inside pixels with a 4-neighbour outside.
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x)
      if (InEllipse(r, x, y) &&
          (!InEllipse(r, x - 1, y) || !InEllipse(r, x + 1, y) ||
           !InEllipse(r, x, y - 1) || !InEllipse(r, x, y + 1) ||
           x == r.left || x == r.right - 1 || y == r.top || y == r.bottom - 1))
        points.push_back({x, y});
  PlotAll(std::move(points));
}

void Drawer::FillOval(const ASRect& r) {
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x)
      if (InEllipse(r, x, y)) Plot(x, y);
}

void Drawer::Text(std::string_view utf8, ASPoint point) {
  int x = point.h;
  for (char32_t c : font::Decode(utf8)) {
    const uint8_t* glyph = font::Glyph(c);
    for (int col = 0; col < font::kGlyphWidth; ++col)
      for (int row = 0; row < font::kGlyphHeight; ++row)
        if (glyph[col] & (1u << row))
          Plot(x + col, point.v - font::kAscent + row);
    x += font::kAdvance;
  }
}

void Drawer::TextInBox(const ASRect& r, std::string_view utf8) {
  const ASRect saved = area_;
  // Clip to the box as well as to the area.
  area_ = {std::max(saved.left, saved.left + r.left),
           std::max(saved.top, saved.top + r.top),
           std::min(saved.right, saved.left + r.right),
           std::min(saved.bottom, saved.top + r.bottom)};
  const int originH = saved.left - area_.left, originV = saved.top - area_.top;
  const size_t perLine =
      size_t(std::max(1, (r.right - r.left) / font::kAdvance));
  int baseline = r.top + font::kAscent;
  std::istringstream paragraphs{std::string(utf8)};
  std::string paragraph;
  auto emit = [&](const std::string& line) {
    // Local coordinates of the box, shifted to the narrowed area.
    Text(line, {r.left + originH, baseline + originV});
    baseline += font::kLineHeight;
  };
  while (std::getline(paragraphs, paragraph)) {
    std::istringstream words(paragraph);
    std::string word, line;
    while (words >> word) {
      while (font::Decode(word).size() > perLine) {  // a word longer than a line
        if (!line.empty()) emit(line), line.clear();
        emit(word.substr(0, perLine));
        word.erase(0, perLine);
      }
      std::string candidate = line.empty() ? word : line + " " + word;
      if (font::Decode(candidate).size() > perLine) {
        emit(line);
        line = word;
      } else {
        line = candidate;
      }
    }
    emit(line);
  }
  area_ = saved;
}

void Drawer::Picture(const Image& image, ASPoint topLeft) {
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < image.width; ++x) {
      Rgba c = image.pixels[size_t(y) * size_t(image.width) + size_t(x)];
      if (c.a == 0) continue;
      int px = area_.left + topLeft.h + x, py = area_.top + topLeft.v + y;
      if (px >= area_.left && py >= area_.top && px < area_.right &&
          py < area_.bottom)
        raster_.Set(px, py, c);
    }
}

}  // namespace vx::host::adm
