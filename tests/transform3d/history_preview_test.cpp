// The dialog's undo ring and the preview's zoom steps.
#include <gtest/gtest.h>

#include <memory>

#include "filters/transform3d_history.h"
#include "filters/transform3d_preview.h"

namespace vx {
namespace {

TEST(UndoHistory, SeventeenChangesUndoFifteenThenStop) {
  auto h = std::make_unique<UndoHistory>();
  ClearHistory(h.get());
  TransformParams r;
  ResetTransformParams(&r, kTwist);
  for (int i = 0; i < 17; ++i) {
    r.value[0] = float(i);
    PushHistory(h.get(), r);
  }
  int steps = 0;
  while (UndoHistoryStep(h.get(), &r)) {
    ++steps;
    EXPECT_EQ(float(16 - steps), r.value[0]);
  }
  EXPECT_EQ(15, steps);
  int redo = 0;
  while (RedoHistoryStep(h.get(), &r)) ++redo;
  EXPECT_EQ(15, redo);
  EXPECT_EQ(16.0f, r.value[0]);
}

TEST(UndoHistory, EmptyAndSingleEntryCannotMove) {
  auto h = std::make_unique<UndoHistory>();
  ClearHistory(h.get());
  TransformParams r;
  ResetTransformParams(&r, kArc);
  EXPECT_FALSE(UndoHistoryStep(h.get(), &r));
  EXPECT_FALSE(RedoHistoryStep(h.get(), &r));
  PushHistory(h.get(), r);
  EXPECT_FALSE(UndoHistoryStep(h.get(), &r));
  r.value[0] = 5.0f;
  PushHistory(h.get(), r);
  EXPECT_TRUE(UndoHistoryStep(h.get(), &r));
  EXPECT_EQ(120.0f, r.value[0]);
  // A push after an undo drops the redo branch.
  r.value[0] = 7.0f;
  PushHistory(h.get(), r);
  EXPECT_FALSE(RedoHistoryStep(h.get(), &r));
}

TEST(PreviewZoom, StepsStopAtBothEndsAndRescaleTheScroll) {
  PreviewState s{};
  s.rect = {1, 1, 165, 165};
  CenterPreview(&s);
  EXPECT_EQ(80, s.percent);
  s.scroll = {30, -7};
  ASSERT_TRUE(ZoomStep(&s, 1));
  EXPECT_EQ(100, s.percent);
  EXPECT_EQ(30 * 100 / 80 * 100 / 100, s.scroll.h);
  EXPECT_EQ(-7 * 100 / 80 * 100 / 100, s.scroll.v);
  while (ZoomStep(&s, 1)) {
  }
  EXPECT_EQ(6000, s.percent);
  EXPECT_EQ(23, s.zoomIndex);
  while (ZoomStep(&s, -1)) {
  }
  EXPECT_EQ(1, s.percent);
  EXPECT_FALSE(ZoomStep(&s, -1));
}

TEST(PreviewZoom, PixelsAndOffsetsAreInverse) {
  PreviewState s{};
  s.rect = {1, 1, 165, 165};
  s.centre = {83, 83};
  CenterPreview(&s);
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

}  // namespace
}  // namespace vx
