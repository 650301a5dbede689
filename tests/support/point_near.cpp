#include "support/point_near.h"

#include <cmath>

namespace vx::test {

::testing::AssertionResult PointNear(AIRealPoint want, AIRealPoint got, double tolerance) {
  const bool near = tolerance == 0 ? want.h == got.h && want.v == got.v
                                   : std::fabs(double(want.h) - got.h) <= tolerance &&
                                         std::fabs(double(want.v) - got.v) <= tolerance;
  if (near) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "want " << want.h << "," << want.v << " got " << got.h
                                       << "," << got.v << " (tolerance " << tolerance << ")";
}

}  // namespace vx::test
