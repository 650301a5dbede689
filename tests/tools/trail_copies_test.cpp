// The Trail tool's copies: one per Space of the drag, laid by the Live
// Trail record made from the tool's.
#include <gtest/gtest.h>

#include "tools/trail_copies.h"

namespace vx {
namespace {

TEST(TrailTool, OneCopyPerSpaceOfTheDrag) {
  struct Case {
    float space;
    AIRealPoint drag;
    int32_t copies;
  } cases[] = {
      {10, {30, 40}, 5},       // 50 points
      {10, {9.9f, 0}, 0},      // shorter than Space
      {0.5f, {0, -3}, 3},      // Space at least 1
      {1, {5000, 0}, kTrailToolMaxCopies},
  };
  for (const Case& c : cases) {
    TrailToolParams t = kTrailToolFactoryParams;
    t.space = c.space;
    EXPECT_EQ(c.copies, TrailCopyCount(t, c.drag)) << c.space;
  }
}

TEST(TrailTool, EffectRecordCarriesTheToolsSettings) {
  TrailToolParams t = kTrailToolFactoryParams;
  t.stacking = 0;
  t.spacing = 2;
  t.toAngle = 0.5f;
  t.toSize = {2, 3};
  const TrailPGParams p = TrailRecordForDrag(t, {30, 40}, 5);
  EXPECT_EQ(0, p.stacking);
  EXPECT_EQ(5, p.steps);
  EXPECT_EQ(2, p.space);
  EXPECT_EQ(0.5f, p.toAngle);
  EXPECT_EQ(3.0f, p.toSize.v);
  EXPECT_EQ(30.0f, p.dragVector.h);
  EXPECT_EQ(50.0f, p.dragLength);
  EXPECT_EQ(0.0f, p.pivotOffset.h);
  EXPECT_EQ(kThreeColor, p.endFillColour.kind);  // RGB white by default
  EXPECT_EQ(1.0f, p.endFillColour.c.rgb.red);
}

}  // namespace
}  // namespace vx
