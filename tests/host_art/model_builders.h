// Small builders for document-model tests: paths from coordinate lists and
// groups.
#pragma once

#include <initializer_list>
#include <string>

#include "host/art/document.h"
#include "support/art_listing.h"

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

}  // namespace vx::test
