// A started host with one document (and no dialog agent left after a test), the plug-in's suites held so that the
// engine can be called directly, and helpers to build paths and to send
// Fractalize's filter messages.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "filters/fractalize_params.h"
#include "host/art/dictionary.h"
#include "host/adm/user_agent.h"
#include "host/art/document.h"
#include "support/function_agent.h"
#include "support/host_fixture.h"
#include "vx_sdk.h"

namespace vx::test {

class FractalizeTest : public HostTest {
 protected:
  using Art = host::art::Art;

  void SetUp() override;
  void TearDown() override;

  // A path of SVG path data (page coordinates as written), on top of the
  // container or the current layer.
  Art* AddPath(std::string_view svg, bool selected = true, Art* container = nullptr);
  Art* AddGroup(Art* container = nullptr);
  // The filter's parameter block (made when the host has none yet).
  void SetFilterParams(const FractalizeParams& params);
  int32_t FilterGo();
  int32_t FilterGetParameters();
  AIFilterHandle filter() const;
  // Live blocks now, to compare before and after an operation.
  std::size_t Live() const;

  host::art::Document* doc_ = nullptr;
};

FractalizeParams Params(int generator, int level, float density = 0.0f,
                        float uneven = 0.0f, float height = 100.0f,
                        int unit = 0);
std::vector<AIRealPoint> Anchors(const host::art::Art& path);
// The live effect's parameter dictionary with these values.
host::art::Dictionary LiveParams(int generator, int level, float density, float uneven,
                                 int unit, float height = 100.0f);
// b is a moved by (dh, dv): anchor for anchor within tolerance (0: exactly).
void ExpectShifted(const std::vector<AIRealPoint>& a, const std::vector<AIRealPoint>& b,
                   double dh = 0, double dv = 0, double tolerance = 0);
// Whether some anchor's v differs between a and b (sizes as a).
bool AnyVDiffers(const std::vector<AIRealPoint>& a, const std::vector<AIRealPoint>& b);

}  // namespace vx::test
