// The drawer paints exact pixels: lines without their end point, outlines
// without doubled corners, so that any figure drawn twice in exclusive-or
// mode leaves the raster as it was.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "host/adm/drawer.h"
#include "host/adm/font.h"
#include "host/adm/image.h"
#include "support/host_fixture.h"

namespace vx::host::adm {
namespace {

constexpr Rgba kWhite{255, 255, 255, 255};
constexpr Rgba kBlack{0, 0, 0, 255};

int CountNot(const Raster& r, Rgba colour) {
  int n = 0;
  for (const Rgba& p : r.pixels()) n += !(p == colour);
  return n;
}

// Figures in black on white: how many pixels they paint, and pixels that
// must and must not be painted.
TEST(Drawer, FiguresPaintExactlyTheirPixels) {
  struct Figure {
    const char* name;
    ASRect area;
    void (*draw)(Drawer&);
    int painted;
    std::vector<ASPoint> black, white;
  };
  const Figure figures[] = {
      {"a line stops before its end point", {0, 0, 20, 20},
       [](Drawer& d) { d.Line({0, 1}, {5, 1}); }, 5, {{0, 1}, {4, 1}}, {{5, 1}}},
      {"a line of no length", {0, 0, 20, 20}, [](Drawer& d) { d.Line({7, 0}, {7, 0}); }, 0, {}, {}},
      {"a rect outline without doubled corners, right and bottom excluded", {0, 0, 20, 20},
       [](Drawer& d) { d.Rect({2, 3, 12, 9}); }, 2 * 10 + 2 * 6 - 4, {{11, 8}}, {{12, 9}}},
      {"'I' on its baseline: a middle column with serifs", {0, 0, 20, 20},
       [](Drawer& d) { d.Text("I", {0, 9}); }, 7 + 4,
       {{2, 2}, {2, 5}, {2, 8}, {1, 2}, {3, 8}}, {{2, 1}, {2, 9}}},
      {"only inside the drawer's area", {5, 5, 10, 10},
       [](Drawer& d) {
         d.FillRect({-5, -5, 30, 30});
         d.TextInBox({0, 0, 5, 5}, "wrapped words in a box");
       }, 25, {{5, 5}, {9, 9}}, {{10, 10}, {4, 5}}},
      {"fills clipped to the area even at the coordinate limits", {5, 2, 15, 8},
       [](Drawer& d) {
         d.FillRect({-3, -3, 4, 2});  // 4 x 2 of it inside
         d.FillRect({8, 4, INT32_MAX, INT32_MAX});  // 2 x 2
       }, 12, {{5, 2}, {14, 7}}, {{4, 2}, {15, 7}}},
      {"clearing to the coordinate limits clears only the area", {5, 2, 15, 8},
       [](Drawer& d) { d.ClearRect({INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX}); }, 10 * 6,
       {}, {{4, 2}, {15, 8}}},
  };
  for (const Figure& f : figures) {
    SCOPED_TRACE(f.name);
    Raster r(20, 20);
    Drawer d(r, f.area);
    f.draw(d);
    EXPECT_EQ(f.painted, CountNot(r, kWhite));
    for (ASPoint p : f.black) EXPECT_EQ(kBlack, r.Get(p.h, p.v)) << p.h << "," << p.v;
    for (ASPoint p : f.white) EXPECT_EQ(kWhite, r.Get(p.h, p.v)) << p.h << "," << p.v;
  }
  Raster area(20, 20);
  EXPECT_EQ(5, Drawer(area, {5, 5, 10, 10}).LocalBounds().right);
  EXPECT_EQ(3 * font::kAdvance, font::TextWidth("a\xC2\xB0z"));
}

TEST(Drawer, FiguresDrawnTwiceInXorModeLeaveTheRasterUnchanged) {
  Raster original(40, 30);
  Drawer setup(original, {0, 0, 40, 30});
  setup.SetColor(0x3080F0);
  setup.FillRect({5, 5, 25, 20});  // something under the figures
  struct Figure {
    const char* name;
    void (*draw)(Drawer&);
  };
  const Figure figures[] = {
      {"horizontal", [](Drawer& d) { d.Line({0, 3}, {39, 3}); }},
      {"steep", [](Drawer& d) { d.Line({2, 29}, {9, 0}); }},
      {"diagonal", [](Drawer& d) { d.Line({39, 0}, {0, 29}); }},
      {"joined", [](Drawer& d) {
         d.Line({10, 10}, {20, 15});
         d.Line({20, 15}, {12, 25});
       }},
      {"rect", [](Drawer& d) { d.Rect({3, 4, 30, 22}); }},
      {"oval", [](Drawer& d) { d.Oval({2, 2, 23, 17}); }},
      {"filled oval", [](Drawer& d) { d.FillOval({10, 8, 33, 29}); }},
      {"text", [](Drawer& d) { d.Text("Az9\xC2\xB0", {1, 12}); }},
  };
  for (const Figure& f : figures) {
    Raster r = original;
    Drawer d(r, {0, 0, 40, 30});
    d.SetMode(kADMXORMode);
    d.SetColor(0xFFFFFF);
    f.draw(d);
    EXPECT_NE(original, r) << f.name << " drew nothing";
    f.draw(d);
    EXPECT_EQ(original, r) << f.name;
  }
}

TEST(Drawer, OvalIsSymmetricAndInscribed) {
  Raster r(30, 20);
  Drawer d(r, {0, 0, 30, 20});
  const ASRect box{3, 2, 26, 17};
  d.FillOval(box);
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 30; ++x) {
      const bool in = r.Get(x, y) == kBlack;
      if (in) {
        EXPECT_TRUE(x >= box.left && x < box.right && y >= box.top && y < box.bottom);
      }
      // Mirror images across the box's centre lines.
      EXPECT_EQ(in, r.Get(box.left + box.right - 1 - x, y) == kBlack) << x << "," << y;
      EXPECT_EQ(in, r.Get(x, box.top + box.bottom - 1 - y) == kBlack) << x << "," << y;
    }
  // The ellipse touches the middle of each side of its box.
  EXPECT_EQ(kBlack, r.Get(box.left, (box.top + box.bottom) / 2));
  EXPECT_EQ(kBlack, r.Get((box.left + box.right) / 2, box.top));
  EXPECT_EQ(kWhite, r.Get(box.left, box.top));
}

TEST(Drawer, PicturesPaintTheirOpaquePixels) {
  auto image = ParseImage("3 2\nk.r\n.wb\n");
  ASSERT_TRUE(image);
  Raster r(5, 5, {10, 20, 30, 255});
  Drawer d(r, {0, 0, 5, 5});
  d.Picture(*image, {1, 1});
  EXPECT_EQ(kBlack, r.Get(1, 1));
  EXPECT_EQ((Rgba{10, 20, 30, 255}), r.Get(2, 1));  // '.' is transparent
  EXPECT_EQ((Rgba{255, 0, 0, 255}), r.Get(3, 1));
  EXPECT_EQ((Rgba{0, 0, 255, 255}), r.Get(3, 2));
  EXPECT_FALSE(ParseImage("two by two"));
  EXPECT_TRUE(ParseImage("0 0")->empty());
}

}  // namespace
}  // namespace vx::host::adm
