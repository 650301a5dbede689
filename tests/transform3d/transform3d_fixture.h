// A started host with an open document of selected paths, the 3D Transform
// filter's handle and its parameter block as the host keeps it.
#pragma once

#include <string>
#include <vector>

#include "filters/transform3d_record.h"
#include "host/art/document.h"
#include "support/art_listing.h"
#include "support/host_fixture.h"

namespace vx::test {

class Transform3DTest : public HostTest {
 protected:
  using Art = host::art::Art;

  void SetUp() override;

  // A w x h rectangle at (x, y) (bottom left).
  Art* AddRect(const std::string& id, float x, float y, float w, float h,
               bool selected = true);
  // The layer's art from the top, by id.
  std::string Listing() const { return test::Listing(*doc_->currentLayer()->group); }
  // Gives the filter a parameter block holding record (as a previous run
  // would have left it).
  void SetParameterBlock(const TransformParams& record);
  // The record in the host's block, or null.
  TransformParams* ParameterBlock() const;
  int32_t Go();
  int32_t GetParameters();

  AIFilterHandle filter_ = nullptr;
  host::art::Document* doc_ = nullptr;
};

// A record of the kind's factory values, derived fields cleared.
TransformParams KindRecord(int kind);

}  // namespace vx::test
