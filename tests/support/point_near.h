// Point comparisons for EXPECT_TRUE: EXPECT_TRUE(PointNear({30, 66}, p, 1e-3)) << i;
#pragma once

#include <gtest/gtest.h>

#include "vx_sdk.h"

namespace vx::test {

// Both coordinates within `tolerance` (0: exactly equal).
::testing::AssertionResult PointNear(AIRealPoint want, AIRealPoint got, double tolerance);

}  // namespace vx::test
