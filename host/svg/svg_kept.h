// What an SVG file holds beyond the document model, kept beside the
// document so that export writes it back: the root element's attributes,
// the definitions and other non-drawing elements, and per object the
// attributes and child elements the model has no place for. Objects are
// known by their art uid (never reused within a process), layers by theirs.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "vx_sdk.h"

namespace vx::host::svg {

struct SvgSource;

using Attributes = std::vector<std::pair<std::string, std::string>>;

// What few elements have (kept apart: a drawing holds thousands of
// elements, most with a few attributes at most).
struct KeptExtras {
  // Child elements written before the element's own content (<title> ...).
  std::string childMarkup;
  // The element name when it was not the one export would choose ("a"
  // for a link that became a group, "svg" for a nested viewport ...).
  std::string tag;
  // Paints that referenced a definition (url(#...)) with the colour the
  // model was given for them: while the colour is unchanged, the reference
  // is written back instead of a new definition.
  std::string fillReference, strokeReference;
  AIColor fillColor{}, strokeColor{};
  // The sRGB fallback written before an ICC colour, used again while the
  // colour is unchanged (it need not be the naive conversion of the ICC
  // values).
  std::string fillFallback, strokeFallback;
  // The element's transform to SVG root coordinates, for pattern references
  // (set only with a reference): baked geometry needs a pattern that
  // carries the transform it lost.
  bool hasPaintTransform = false;
  double paintTransform[6] = {1, 0, 0, 1, 0, 0};
  // Text: the element's own transform (SVG root coordinates) so that its
  // glyphs keep their rotation and scale.
  bool hasTextTransform = false;
  double textTransform[6] = {1, 0, 0, 1, 0, 0};
};

struct KeptElement {
  // Written on the element as they were (opacity, filter, class, ...).
  Attributes attributes;
  // The fill was not set on the element or its ancestors (it reads as
  // UnsetFillColor()): while it is that colour it stays unset, so that a
  // clone's own paint may fill it. Most drawings leave the fill of many
  // elements unset, so this is kept here rather than among the extras.
  bool fillUnset = false;
  // Text: the stroke was not set on the element or its ancestors, and
  // stays unset while unpainted (paths are written without one anyway).
  bool strokeUnset = false;
  std::unique_ptr<KeptExtras> extras;

  // Whether an element's record holds anything to write back.
  bool HoldsAny() const { return !attributes.empty() || extras || fillUnset; }

  // The extras, or none set.
  const KeptExtras& more() const {
    static const KeptExtras kNone;
    return extras ? *extras : kNone;
  }
  KeptExtras& More() {
    if (!extras) extras = std::make_unique<KeptExtras>();
    return *extras;
  }
};

struct KeptSvg {
  Attributes rootAttributes;  // in their order, namespaces included
  // The XML the document was read from, bound to its art (svg_source.h).
  std::shared_ptr<const SvgSource> source;
  // Effect art whose generated result was edited in another program since
  // this program wrote it (its digest no longer matches).
  std::set<uint32_t> editedResults;
  // The page flip: page y = flipY - SVG y.
  double flipY = 0;
  // The text the document was read from. When `sourceOffsets` is set the
  // source's nodes were parsed from exactly these bytes (UTF-8, no entity
  // expanded), so a node's offset in the parser's buffer is its offset here
  // and an unchanged element can be written back as the bytes it was read
  // from.
  std::string sourceText;
  bool sourceOffsets = false;
  std::unordered_map<uint32_t, KeptElement> art;
  std::unordered_map<uint32_t, KeptElement> layers;
  // Layers made for elements that stood outside every layer; their art is
  // written without a layer group.
  std::set<uint32_t> implicitLayers;
  // The pattern transform of each pattern (by id), for derived patterns.
  std::map<std::string, std::string> patternTransforms;
  // Every id used in the kept markup, so new ids never collide with them.
  std::set<std::string> usedIds;
};

}  // namespace vx::host::svg
