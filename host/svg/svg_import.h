// Reading an SVG file into the document model: Inkscape layers, groups,
// paths and basic shapes (as paths), compound paths, clip paths as clipping
// groups, fills and strokes with gray, CMYK and RGB colours, gradients,
// patterns, text with spans and text paths. Transforms are baked into the
// coordinates and y is flipped into page coordinates (y up).
//
// What the model cannot hold is kept beside it (KeptSvg) and written back by
// the export; what cannot be kept is listed in the notes, never dropped
// silently.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host/art/document.h"
#include "host/svg/svg_kept.h"

namespace vx::host::svg {

struct ImportLimits {
  int maxDepth = 200;           // deeper elements are dropped (noted)
  double maxCoordinate = 1e8;   // shapes beyond this are dropped (noted)
  // Corner flags of a one-subpath <path> from its sodipodi:nodetypes ("c"
  // corner, any other letter smooth) instead of from its handles, when the
  // letters match its anchors. Art clips say which line points are smooth
  // this way; ordinary documents keep the flags their handles give.
  bool cornersFromNodeTypes = false;
};

struct ImportResult {
  std::unique_ptr<art::Document> document;
  KeptSvg kept;
  // One line each: what was dropped or only partly read.
  std::vector<std::string> notes;
};

// nullopt with one line in `error` when the text is not an SVG document.
std::optional<ImportResult> ImportSvg(std::string_view text, std::string* error,
                                      const ImportLimits& limits = {});

}  // namespace vx::host::svg
