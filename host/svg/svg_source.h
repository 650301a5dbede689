// The XML a document was read from, bound to the art made from it, so that
// writing the document back can copy every element whose art no operation
// changed exactly as it was read.
//
// Each element read into the model is one unit: the art made for it (a path
// with its compound members, a text with its runs and text path, a clipping
// group with its clip members, a group or layer without its children, an
// effect art with everything inside) and a digest of that art's revisions
// when reading ended. A unit whose digest is unchanged is written as its
// element; groups and layers then merge their children: children that are
// still there in the same order keep their place among the comments, white
// space and elements the model never held.
#pragma once

#include <pugixml.hpp>

#include <algorithm>
#include <cstdint>
#include <deque>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "host/art/document.h"
#include "host/geometry/affine.h"

namespace vx::host::svg {

struct SourceBinding {
  pugi::xml_node node;
  uint32_t uid = 0;  // of the unit's root art, or of the layer
  // Groups and layers: the art whose children are the element's children
  // (a clipped group's inner group); 0 for every other unit.
  uint32_t container = 0;
  // What the model could not hold of the element: `lossCount` texts from
  // `firstLoss` in the source's `losses` (SvgSource::LossesOf); reported
  // only when the unit is written anew.
  uint32_t firstLoss = 0, lossCount = 0;
  uint64_t digest = 0;
  // The parent element's user space and the element's own, to SVG root
  // coordinates (held once by the source's `transforms`: siblings share
  // their parent's, most elements have no transform of their own): an
  // element written under another parent is wrapped in the transform it had.
  const Affine* parentCtm = nullptr;
  const Affine* ownCtm = nullptr;
};

// Bindings by the uid of their art or layer. The uids given while a
// document is read are consecutive, so the index is dense from the first.
class BindingTable {
 public:
  // The binding of `uid`, new and empty if it had none.
  SourceBinding& Add(uint32_t uid);
  const SourceBinding* Find(uint32_t uid) const {
    const uint32_t slot = uid - base_;  // wraps below the first
    if (slot >= index_.size() || !index_[slot]) return nullptr;
    return &bindings_[index_[slot] - 1];
  }
  // In the order they were added.
  std::vector<SourceBinding>::iterator begin() { return bindings_.begin(); }
  std::vector<SourceBinding>::iterator end() { return bindings_.end(); }
  void reserve(size_t n) { bindings_.reserve(n), index_.reserve(n); }

 private:
  std::vector<SourceBinding> bindings_;
  std::vector<uint32_t> index_;  // uid - base_ -> position in bindings_ + 1
  uint32_t base_ = 0;
};

struct SvgSource {
  pugi::xml_document xml;
  // Each distinct text of the bindings' losses, once: thousands of elements
  // share the same few.
  std::set<std::string, std::less<>> notes;
  // The bindings' losses, each a view of a text in `notes`.
  std::vector<std::string_view> losses;
  // The bindings' transforms; a deque, so that they stay where they are.
  std::deque<Affine> transforms;
  // The root element's start tag as it was read, written back as it was
  // when the root's attributes are unchanged.
  std::string rootStartTag;
  BindingTable art;     // by the unit's root art uid
  BindingTable layers;  // by layer uid
  // Elements that are units (their bindings are in `art` or `layers`),
  // sorted once reading ends.
  std::vector<const pugi::xml_node_struct*> units;
  // The inherited properties ("fill:red;font-size:12") each group, layer and
  // the root element pass to their children.
  std::unordered_map<const pugi::xml_node_struct*, std::string> inherited;

  const SourceBinding* Find(const art::Art& art) const;
  const SourceBinding* Find(const art::Layer& layer) const;
  bool IsUnit(const pugi::xml_node& node) const {
    return std::binary_search(units.begin(), units.end(), node.internal_object());
  }
  std::span<const std::string_view> LossesOf(const SourceBinding& binding) const {
    return {losses.data() + binding.firstLoss, binding.lossCount};
  }
};

// The digest of a unit as the document holds it now: its art's uids and
// revisions (plug-in group art: its data store and live effect instead of
// its own revision, which binding it to the plug-in changes), stopping at
// `container`'s children.
uint64_t UnitDigest(const art::Art& root, uint32_t container);
uint64_t LayerDigest(const art::Layer& layer);

// For an operation on `selection`: the objects in it that the model holds
// only as kept markup (clones, images, Inkscape path effects, objects with
// a filter or mask, foreign elements), which every operation leaves as they are, said once:
// "3 objects were left as they are: 2 clones, 1 image (a, b, c)". Empty
// when there are none.
std::string UntouchedNote(const std::vector<art::Art*>& selection);

// Editor data that describes a shape's geometry a second time
// (sodipodi:type, sodipodi:cx, inkscape:original-d ...): stale once the
// geometry changes, so never written on a shape written anew.
bool IsEditorGeometry(std::string_view name);

}  // namespace vx::host::svg
