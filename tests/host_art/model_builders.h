// Small builders for document-model tests: paths from coordinate lists,
// groups, and a compact listing of a container's tree by ids.
#pragma once

#include <initializer_list>
#include <string>

#include "host/art/document.h"

namespace vx::test {

using host::art::Art;
using host::art::ArtKind;
using host::art::Document;
using host::art::Placement;

// A path with straight segments through the points (x0, y0, x1, y1, ...).
Art* AddPath(Document& doc, Placement placement, Art* prep, const std::string& id,
             std::initializer_list<float> xy, bool closed = false);
Art* AddGroup(Document& doc, Placement placement, Art* prep, const std::string& id,
              ArtKind kind = ArtKind::Group);
Segment Line(float x, float y);

// "A G[g1 g2] C": the children of container from the top, by id, with
// containers' children in brackets.
std::string Listing(const Art& container);

}  // namespace vx::test
