// The area tools' geometry against a document: a host with the plug-in
// linked in, its suites acquired (no start-up), and one open document.
// Teardown releases the suites and proves that no block is left live.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <string_view>

#include "host/art/art.h"
#include "host/art/document.h"
#include "host/art/document_set.h"
#include "shell/suites.h"
#include "support/host_fixture.h"
#include "support/test_paths.h"
#include "tools/area_sweep.h"

namespace vx::test {

class AreaDocumentTest : public HostTest {
 protected:
  using Art = host::art::Art;
  void SetUp() override {
    host_ = MakeLinkedHost(options_);
    ASSERT_EQ(0, vx::AcquireSuites(host_->basic()));
    doc_ = &host().documents().New("area");
  }
  void TearDown() override {
    vx::ReleaseSuites(host_->basic());
    HostTest::TearDown();
  }
  Art* Add(std::string_view svg) { return AddSvgPath(*doc_, svg); }
  host::art::Document* doc_ = nullptr;
};

// A drag step of `sweep` with the area at the origin.
inline AreaStep StepAt(int16_t sweep, int16_t resistance, AIRealPoint to,
                       float pinch = 0, float twirl = 0, float radius = 100) {
  return {sweep, resistance, radius, {0, 0}, {0, 0}, {0, 0}, to, pinch, twirl};
}

inline double Dist(AIRealPoint a, AIRealPoint b) {
  return std::hypot(double(a.h) - b.h, double(a.v) - b.v);
}

}  // namespace vx::test
