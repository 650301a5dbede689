// The area tools' geometry: drag steps and distances, and the tool fixture
// (a started host and its document) for the tests that need a document.
#pragma once

#include <gtest/gtest.h>

#include <cmath>

#include "support/test_paths.h"
#include "support/tool_fixture.h"
#include "tools/area_sweep.h"

namespace vx::test {

// A drag step of `sweep` with the area at the origin.
inline AreaStep StepAt(int16_t sweep, int16_t resistance, AIRealPoint to,
                       float pinch = 0, float twirl = 0, float radius = 100) {
  return {sweep, resistance, radius, {0, 0}, {0, 0}, {0, 0}, to, pinch, twirl};
}

inline double Dist(AIRealPoint a, AIRealPoint b) {
  return std::hypot(double(a.h) - b.h, double(a.v) - b.v);
}

}  // namespace vx::test
