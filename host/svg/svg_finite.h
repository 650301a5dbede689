// Whether a document can be written as SVG: every coordinate, width, font
// size and colour component must be a finite number (SVG has no way to say
// "not a number", and a reader would fail or draw garbage).
#pragma once

#include "host/art/document.h"

namespace vx::host::svg {

// The first object, in paint order, that holds a number that is not finite
// (its edit and result groups included); null when there is none.
const art::Art* FirstNonFinite(const art::Document& document);

}  // namespace vx::host::svg
