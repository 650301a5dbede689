#include "support/art_listing.h"

namespace vx::test {

std::string Listing(const host::art::Art& container) {
  std::string out;
  for (const host::art::Art* c = container.firstChild(); c; c = c->sibling()) {
    out += (out.empty() ? "" : " ") + (c->id().empty() ? "?" : c->id());
    if (c->firstChild()) out += "[" + Listing(*c) + "]";
  }
  return out;
}

}  // namespace vx::test
