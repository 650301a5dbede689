// The Trail tool's copies: one per Space of the drag.
#include <gtest/gtest.h>

#include "tools/trail_copies.h"

namespace vx {
namespace {

TEST(TrailTool, OneCopyPerSpaceOfTheDrag) {
  struct Case {
    float space;
    AIRealPoint drag;
    int32_t copies;
  } cases[] = {  // (Space 10 over 50 points: the tool drag rows)
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

}  // namespace
}  // namespace vx
