// The swatches the studio's colour picker offers beside its chooser: the
// document's own colours (the fills and strokes of its paths and texts),
// since the host keeps no swatch library of its own.
#pragma once

#include <cstddef>
#include <vector>

#include "host/art/document.h"
#include "vx_sdk.h"

namespace vx::app::studio {

// The document's distinct gray, four-colour and three-colour paints, in the
// order the objects come (layer by layer, each from the top), at most
// `limit` of them.
std::vector<AIColor> DocumentColours(const host::art::Document& document, std::size_t limit);

}  // namespace vx::app::studio
