// The geometry fixture with an open document of the host's model, and small
// builders for the paths, groups and layers the buffer tests select.
#pragma once

#include <string>
#include <vector>

#include "geometry_fixture.h"
#include "host/art/document.h"
#include "host/art/document_set.h"
#include "support/art_listing.h"
#include "support/test_paths.h"

namespace vx::test {

class DocumentGeometryTest : public GeometryTest {
 protected:
  using Art = host::art::Art;
  using Document = host::art::Document;

  void SetUp() override {
    GeometryTest::SetUp();
    doc_ = &host().documents().New("geometry");
  }

  // New art at the top of container (the current layer's group when null);
  // a path is given as SVG path data.
  Art* AddPath(const std::string& id, std::string_view svg, bool selected = true,
               Art* container = nullptr) {
    return AddSvgPath(*doc_, svg, container, selected, id);
  }
  Art* AddContainer(const std::string& id, host::art::ArtKind kind, Art* container = nullptr) {
    Art* art = nullptr;
    EXPECT_EQ(0, doc_->NewArt(kind, host::art::Placement::InsideOnTop,
                              container ? container : layer(), &art));
    if (art) doc_->SetId(*art, id);
    return art;
  }
  Art* layer() const { return doc_->currentLayer()->group; }

  Document* doc_ = nullptr;
};

}  // namespace vx::test
