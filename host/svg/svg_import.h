// Reading an SVG file into the document model: Inkscape layers, groups,
// paths and basic shapes (as paths), compound paths, clip paths as clipping
// groups, fills and strokes with gray, CMYK and RGB colours, gradients,
// patterns, text with spans and text paths. Transforms are baked into the
// coordinates and y is flipped into page coordinates (y up).
//
// The document keeps the XML it was read from, bound to its art
// (svg_source.h): the export writes every element whose art no operation
// changed exactly as it was read. What the model cannot hold of an element
// is noted with it and reported only when that element is written anew.
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
  int maxDepth = 256;          // documents nested deeper are refused
  double maxCoordinate = 1e8;  // shapes beyond this (page points) are not
                               // made editable: they stay in the file as written
  // Corner flags of a one-subpath <path> from its sodipodi:nodetypes ("c"
  // corner, any other letter smooth) instead of from its handles, when the
  // letters match its anchors. Art clips say which line points are smooth
  // this way; ordinary documents keep the flags their handles give.
  bool cornersFromNodeTypes = false;
};

struct ImportResult {
  std::unique_ptr<art::Document> document;
  KeptSvg kept;
  // One line each: what was lost in reading the document as a whole.
  std::vector<std::string> notes;
};

// nullopt with one line in `error` when the text is not an SVG document.
std::optional<ImportResult> ImportSvg(std::string_view text, std::string* error,
                                      const ImportLimits& limits = {});
// The same, taking `text` over: it is kept as the text read, not a copy.
std::optional<ImportResult> ImportOwnedSvg(std::string&& text, std::string* error,
                                           const ImportLimits& limits = {});

}  // namespace vx::host::svg
