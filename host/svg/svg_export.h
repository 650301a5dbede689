// Writing the document model as SVG 1.1: layers as Inkscape layers, groups,
// paths and compound paths as <path>, clipping groups with <clipPath>,
// gradients, text with spans and text paths, and everything the import kept
// beside the model written back where it was. Objects without an id get one
// that depends only on their place in the document, so the same document
// always gets the same ids.
#pragma once

#include <set>
#include <string>
#include <vector>

#include "host/art/document.h"
#include "host/svg/svg_kept.h"

namespace vx::host::svg {

struct ExportOptions {
  // Null: every object. Otherwise only these objects are written (with the
  // layers and groups that hold them).
  const std::set<const art::Art*>* only = nullptr;
  // Where to list what could not be written (may be null).
  std::vector<std::string>* notes = nullptr;
  // Where to say why nothing was written (may be null): a document holding
  // a number that is not finite is refused, and the answer is empty.
  std::string* error = nullptr;
  // For a viewer that patches what it shows: each top-level object's
  // element carries data-vx-uid (the object's uid), each layer's element
  // data-vx-layer, and a group written only to undo its container's
  // transform data-vx-wrap. Effect art carries no digest of its result.
  bool markObjects = false;
  // Objects (with `only`) whose shapes the reader holds already: their
  // paths are written without path data.
  const std::set<const art::Art*>* withoutPathData = nullptr;
  // Put before every id the writer makes up, so that the ids of two partial
  // writings (see `only`) never meet.
  std::string idPrefix;
};

// `kept` may be null (a document made in the host). Empty when refused (see
// ExportOptions::error).
std::string ExportSvg(const art::Document& document, const KeptSvg* kept,
                      const ExportOptions& options = {});

}  // namespace vx::host::svg
