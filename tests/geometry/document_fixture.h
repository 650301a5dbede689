// The geometry fixture with an open document of the host's model, and small
// builders for the paths, groups and layers the buffer tests select.
#pragma once

#include <string>
#include <vector>

#include "geometry_fixture.h"
#include "host/art/document.h"
#include "support/test_paths.h"

namespace vx::test {

class DocumentGeometryTest : public GeometryTest {
 protected:
  using Art = host::art::Art;
  using Document = host::art::Document;

  void SetUp() override;

  // New art at the top of container (the current layer's group when null);
  // a path is given as SVG path data.
  Art* AddPath(const std::string& id, std::string_view svg, bool selected = true,
               Art* container = nullptr) {
    return AddSvgPath(*doc_, svg, container, selected, id);
  }
  Art* AddContainer(const std::string& id, host::art::ArtKind kind,
                    Art* container = nullptr);
  // "A G[g1 g2] C": the children of container from the top, by id.
  static std::string Listing(const Art& container);
  Art* layer() const;

  Document* doc_ = nullptr;
};

}  // namespace vx::test
