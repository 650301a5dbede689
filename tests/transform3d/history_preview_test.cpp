// The preview's zoom steps and zoom to a dragged rectangle, and the lines of
// its off-screen bitmap. (The undo ring: the dialog's rows.)
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "filters/transform3d_preview.h"

namespace vx {
namespace {

// The 164 x 164 preview at 80 %, centred.
PreviewState CentredPreview() {
  PreviewState s{};
  s.rect = {1, 1, 165, 165};
  s.centre = {83, 83};
  CenterPreview(&s);
  return s;
}

// The ends of the zoom steps are the dialog's tests; a step rescales the
// scroll with the zoom.
TEST(PreviewZoom, AStepRescalesTheScroll) {
  PreviewState s = CentredPreview();
  EXPECT_EQ(80, s.percent);
  s.scroll = {30, -7};
  ASSERT_TRUE(ZoomStep(&s, 1));
  EXPECT_EQ(100, s.percent);
  EXPECT_EQ(37, s.scroll.h);  // 30 x 100 / 80, whole points
  EXPECT_EQ(-8, s.scroll.v);
}

TEST(PreviewZoom, PixelsAndOffsetsAreInverse) {
  PreviewState s = CentredPreview();
  s.scroll = {4, -6};
  TransformParams p;
  ResetTransformParams(&p, kTwist);
  RebuildDerived(&p, AIRealRect{0.0f, 60.0f, 80.0f, 0.0f});
  const ASPoint centre = PageToPixel(s, p, p.boundsCentre);
  EXPECT_EQ(87, centre.h);
  EXPECT_EQ(77, centre.v);
  const ASPoint px = PageToPixel(s, p, {60.0f, 45.0f});  // right, up
  EXPECT_GT(px.h, centre.h);
  EXPECT_LT(px.v, centre.v);
  const AIRealPoint back = PixelToOffset(s, p, px);
  EXPECT_NEAR(20.0f, back.h, 1.0f);
  EXPECT_NEAR(15.0f, back.v, 1.0f);
}

// The preview is 164 x 164 pixels at 80 %.
struct RectZoom {
  ASRect dragged;
  int32_t percent, index;  // index: first table entry above the percent
  ASPoint scroll;
};
TEST(PreviewZoom, ZoomToRectPercentIndexAndCentring) {
  for (const RectZoom& c : {
           // Square about the centre: 164 / 41 x 80 % = 320 %, index of 400 %.
           RectZoom{{63, 63, 104, 104}, 320, 11, {0, 0}},
           // Wider than high: widths count, 164 / 82 x 80 % = 160 %.
           RectZoom{{42, 83, 124, 124}, 160, 9, {0, -40}},
           // Dragged right to left, centred 20 pixels right of and below the
           // centre.
           RectZoom{{124, 83, 83, 124}, 320, 11, {-80, -80}},
           // Tiny: capped at 6000 %, no entry above it: the last index.
           RectZoom{{83, 83, 85, 85}, 6000, 23, {-60, -60}}}) {
    SCOPED_TRACE(c.percent);
    PreviewState s = CentredPreview();
    ASSERT_TRUE(ZoomToRect(&s, c.dragged));
    EXPECT_EQ(c.percent, s.percent);
    EXPECT_EQ(c.index, s.zoomIndex);
    EXPECT_EQ(80, s.previousPercent);
    EXPECT_EQ(c.scroll.h, s.scroll.h);
    EXPECT_EQ(c.scroll.v, s.scroll.v);
  }
}

TEST(PreviewZoom, EmptyRectangleDoesNotZoomAndAClickZoomsAboutItself) {
  PreviewState s = CentredPreview();
  EXPECT_FALSE(ZoomToRect(&s, {90, 40, 90, 80}));
  EXPECT_EQ(80, s.percent);
  // 40 pixels right of the centre at 80 % is 50 at 100 %: scrolled back 10.
  ASSERT_TRUE(ZoomStepAbout(&s, 1, {123, 83}));
  EXPECT_EQ(100, s.percent);
  EXPECT_EQ(-10, s.scroll.h);
  EXPECT_EQ(0, s.scroll.v);
  s.zoomIndex = 0;
  s.percent = 1;
  EXPECT_FALSE(ZoomStepAbout(&s, -1, {0, 0}));
  EXPECT_EQ(-10, s.scroll.h);
}

// Lines on a 20 x 10 bitmap whose (0, 0) lies at drawer point (5, 5).
struct LineCase {
  ASPoint from, to;
  int painted;  // pixels
};
TEST(PreviewBitmap, LinesPaintedOnceAndErasedByExclusiveOr) {
  for (const LineCase& c : {
           LineCase{{5, 5}, {15, 5}, 10},    // the end point is not painted
           LineCase{{5, 5}, {5, 5}, 0},      // nor is a line of no length
           LineCase{{6, 6}, {12, 9}, 6},     // slanted: one pixel per column
           LineCase{{0, 7}, {100, 7}, 20},   // clipped: the whole row
           LineCase{{-1000000, 5}, {1000000, 14}, 20},
           LineCase{{0, 0}, {4, 40}, 0}}) {  // outside
    SCOPED_TRACE(testing::Message() << c.from.h << "," << c.from.v << " " << c.to.h);
    std::vector<uint8_t> pixels(20 * 10, kPathInk);
    PreviewBitmap b{20, 10, {5, 5}, pixels.data()};
    BitmapLine(&b, c.from, c.to, kGuideInk, true);
    int changed = 0;
    for (uint8_t v : pixels) changed += v != kPathInk;
    EXPECT_EQ(c.painted, changed);
    BitmapLine(&b, c.from, c.to, kGuideInk, true);
    for (uint8_t v : pixels) ASSERT_EQ(kPathInk, v);
  }
}

TEST(PreviewBitmap, JoinedLinesMeetWithoutCancelling) {
  std::vector<uint8_t> pixels(20 * 10, kBackgroundInk);
  PreviewBitmap b{20, 10, {0, 0}, pixels.data()};
  BitmapLine(&b, {2, 2}, {8, 2}, kGuideInk, true);
  BitmapLine(&b, {8, 2}, {8, 7}, kGuideInk, true);
  EXPECT_EQ(kGuideInk, BitmapInk(b, 8, 2));  // the joint, painted once
  EXPECT_EQ(kBackgroundInk, BitmapInk(b, 8, 7));
  EXPECT_EQ(kBackgroundInk, BitmapInk(b, 40, 2));  // outside
}

}  // namespace
}  // namespace vx
