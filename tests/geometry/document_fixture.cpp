#include "document_fixture.h"

#include "host/art/document_set.h"

namespace vx::test {

using host::art::ArtKind;
using host::art::Placement;

void DocumentGeometryTest::SetUp() {
  GeometryTest::SetUp();
  doc_ = &host().documents().New("geometry");
}

host::art::Art* DocumentGeometryTest::layer() const {
  return doc_->currentLayer()->group;
}

host::art::Art* DocumentGeometryTest::AddContainer(const std::string& id, ArtKind kind,
                                                   Art* container) {
  Art* art = nullptr;
  EXPECT_EQ(0, doc_->NewArt(kind, Placement::InsideOnTop,
                            container ? container : layer(), &art));
  if (art) doc_->SetId(*art, id);
  return art;
}

std::string DocumentGeometryTest::Listing(const Art& container) {
  std::string out;
  for (const Art* c = container.firstChild(); c; c = c->sibling()) {
    if (!out.empty()) out += " ";
    out += c->id().empty() ? "?" : c->id();
    if (c->firstChild()) out += "[" + Listing(*c) + "]";
  }
  return out;
}

}  // namespace vx::test
