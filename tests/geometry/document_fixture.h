// The geometry fixture with an open document of the host's model, and small
// builders for the paths, groups and layers the buffer tests select.
#pragma once

#include <string>
#include <vector>

#include "geometry_fixture.h"
#include "host/art/document.h"

namespace vx::test {

class DocumentGeometryTest : public GeometryTest {
 protected:
  using Art = host::art::Art;
  using Document = host::art::Document;

  void SetUp() override;

  // New art at the top of container (the current layer's group when null).
  Art* AddPath(const std::string& id, const std::vector<Segment>& segments,
               bool closed, bool selected, Art* container = nullptr);
  Art* AddContainer(const std::string& id, host::art::ArtKind kind,
                    Art* container = nullptr);
  // "A G[g1 g2] C": the children of container from the top, by id.
  static std::string Listing(const Art& container);
  Art* layer() const;

  Document* doc_ = nullptr;
};

// Straight corners through the points.
std::vector<Segment> Corners(std::initializer_list<AIRealPoint> points);

}  // namespace vx::test
