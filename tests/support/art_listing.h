// A compact listing of an art tree for tests of paint order.
#pragma once

#include <string>

#include "host/art/document.h"

namespace vx::test {

// "A G[g1 g2] C": the children of container from the top, by id ("?" for
// art without one), with containers' children in brackets.
std::string Listing(const host::art::Art& container);

}  // namespace vx::test
