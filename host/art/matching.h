// Walks over a document: the paint-order walk, matching art and the
// selected-art list.
//
// The paint-order walk visits layers from the bottom one up; in each, a
// container comes before its members, and members from the bottom one up
// (the order an SVG file lists them). It does not enter plug-in group art
// (its edit and result groups are the plug-in's business) and enters text
// art only when asked for text paths, runs or paths inside text.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "vx_sdk.h"

namespace vx::host::art {

class Art;
class Document;

// Visits art in paint order, layers' groups included; a visitor answering
// false skips the art's members.
void WalkPaintOrder(const Document& doc, bool enterText,
                    const std::function<bool(Art&)>& visit);
// Visits the subtree of root (root first) in paint order.
void WalkSubtree(Art& root, bool enterText,
                 const std::function<bool(Art&)>& visit);

// The selected attribute as the host reports it (and lists it among the
// selected art): stored on ordinary art; a layer's group reads as selected
// when anything in its layer is selected, plug-in group art when anything in
// its edit group is (as after the plug-in wrapped selected art in it).
bool ReadsSelected(const Art& art);
// The user attributes as GetArtUserAttr answers them (kArtFullySelected
// computed from the members and segments).
int32_t ReadUserAttrs(const Art& art);

// Art matching any of the matching specs (type kAnyArt matches every type,
// type 8 matches the paths inside text paths), in paint order.
std::vector<Art*> MatchingArt(const Document& doc,
                              const AIMatchingArtSpec* specs, int count);

// The selected-art list. Index 0 is the group of the layer holding the
// first selected object, an entry that no selection walk acts on (the
// effects and tools read from index 1); then every selected object in
// paint order, a group followed by its members. A selection over several
// layers lists each further layer's group before its objects. Empty when
// nothing is selected.
std::vector<Art*> SelectedArt(const Document& doc);

}  // namespace vx::host::art
