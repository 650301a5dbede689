#include "host/svg/svg_source.h"

#include <map>

namespace vx::host::svg {

namespace {

// FNV-1a, 64 bits.
class Hasher {
 public:
  void Add(uint64_t value) {
    for (int i = 0; i < 8; ++i) Byte(uint8_t(value >> (8 * i)));
  }
  void Add(std::string_view text) {
    Add(text.size());
    for (char c : text) Byte(uint8_t(c));
  }
  uint64_t value() const { return h_; }

 private:
  void Byte(uint8_t b) {
    h_ ^= b;
    h_ *= 0x100000001b3ull;
  }
  uint64_t h_ = 0xcbf29ce484222325ull;
};

void AddArt(Hasher& h, const art::Art& art, uint32_t container) {
  h.Add(art.uid());
  h.Add(uint64_t(art.kind()));
  if (art.kind() == art::ArtKind::PluginGroup) {
    const art::PluginGroupData& p = art.plugin();
    h.Add(std::string_view(reinterpret_cast<const char*>(p.data.data()), p.data.size()));
    h.Add(uint64_t(reinterpret_cast<uintptr_t>(p.live.get())));
    h.Add(art.id());
    h.Add(art.name());
    h.Add(uint64_t(art.userAttrs() & ~kArtSelected));
  } else {
    h.Add(art.revision());
  }
  if (art.uid() == container) return;
  for (const art::Art* c = art.firstChild(); c; c = c->sibling()) AddArt(h, *c, container);
  if (art.editGroup()) AddArt(h, *art.editGroup(), container);
  if (art.resultGroup()) AddArt(h, *art.resultGroup(), container);
}

}  // namespace

SourceBinding& BindingTable::Add(uint32_t uid) {
  if (index_.empty()) base_ = uid;
  if (uid < base_) {
    index_.insert(index_.begin(), base_ - uid, 0);
    base_ = uid;
  }
  const uint32_t slot = uid - base_;
  if (slot >= index_.size()) index_.resize(size_t(slot) + 1, 0);
  if (!index_[slot]) {
    bindings_.emplace_back().uid = uid;
    index_[slot] = uint32_t(bindings_.size());
  }
  return bindings_[index_[slot] - 1];
}

const SourceBinding* SvgSource::Find(const art::Art& a) const { return art.Find(a.uid()); }

const SourceBinding* SvgSource::Find(const art::Layer& layer) const {
  return layers.Find(layer.uid);
}

namespace {

// What kept markup draws, by its element (a wrapper kept from an earlier
// run is looked through): "clone", "image" ...; empty for definitions.
std::string KindOfMarkup(std::string_view markup) {
  for (int hops = 0; hops < 2; ++hops) {
    size_t open = markup.find('<');
    if (open == std::string_view::npos) return {};
    size_t end = markup.find_first_of(" \t\r\n/>", open + 1);
    std::string_view name = markup.substr(open + 1, end - open - 1);
    if (size_t colon = name.find(':'); colon != std::string_view::npos && name.starts_with("svg:")) {
      name.remove_prefix(colon + 1);
    }
    std::string_view tag = markup.substr(open, markup.find('>', open) - open);
    if (name == "g" && tag.find("vx:kept") != std::string_view::npos) {
      markup.remove_prefix(markup.find('>', open) + 1);
      continue;
    }
    if (name == "use") return "clone";
    if (name == "image") return "image";
    if (tag.find("inkscape:path-effect") != std::string_view::npos) return "Inkscape path effect";
    if (tag.find("filter") != std::string_view::npos || tag.find("mask") != std::string_view::npos) {
      return "filtered or masked object";
    }
    static constexpr std::string_view kDefinitions[] = {
        "defs", "style", "metadata", "title", "desc", "script", "linearGradient", "radialGradient",
        "pattern", "clipPath", "mask", "filter", "marker", "symbol", "sodipodi:namedview"};
    for (std::string_view d : kDefinitions) {
      if (name == d) return {};
    }
    return "<" + std::string(name) + "> element";
  }
  return {};
}

}  // namespace

std::string UntouchedNote(const std::vector<art::Art*>& selection) {
  std::map<std::string, int> kinds;
  std::vector<std::string> ids;
  std::vector<const art::Art*> stack(selection.begin(), selection.end());
  while (!stack.empty()) {
    const art::Art* a = stack.back();
    stack.pop_back();
    if (a->kind() == art::ArtKind::Opaque) {
      std::string kind = KindOfMarkup(a->opaque().markup);
      if (kind.empty()) continue;
      ++kinds[kind];
      ids.push_back(a->id().empty() ? "without id" : a->id());
      continue;
    }
    for (const art::Art* c = a->firstChild(); c; c = c->sibling()) stack.push_back(c);
    if (a->editGroup()) stack.push_back(a->editGroup());
  }
  if (ids.empty()) return {};
  std::string text = std::to_string(ids.size()) + (ids.size() == 1 ? " object was" : " objects were") +
                     " left as they are:";
  const char* separator = " ";
  for (const auto& [kind, count] : kinds) {
    text += separator + std::to_string(count) + " " + kind;
    if (count > 1) text += "s";
    separator = ", ";
  }
  text += " (";
  for (size_t i = 0; i < ids.size(); ++i) text += (i ? ", " : "") + ids[i];
  return text + ")";
}

uint64_t UnitDigest(const art::Art& root, uint32_t container) {
  Hasher h;
  AddArt(h, root, container);
  return h.value();
}

uint64_t LayerDigest(const art::Layer& layer) {
  Hasher h;
  h.Add(layer.title);
  h.Add(layer.id);
  h.Add(uint64_t(layer.visible) | uint64_t(layer.editable) << 1);
  h.Add(layer.group->uid());
  h.Add(layer.group->revision());
  return h.value();
}

bool IsEditorGeometry(std::string_view name) {
  return name == "sodipodi:nodetypes" || name == "inkscape:connector-curvature" ||
         name == "sodipodi:type" || name.starts_with("sodipodi:c") ||
         name.starts_with("sodipodi:r") || name == "sodipodi:start" || name == "sodipodi:end" ||
         name == "sodipodi:open" || name == "sodipodi:arc-type" || name == "inkscape:original-d" ||
         name == "inkscape:path-effect" || name == "sodipodi:argument" ||
         name == "sodipodi:sides" || name == "inkscape:flatsided" || name == "inkscape:rounded" ||
         name == "inkscape:randomized";
}

}  // namespace vx::host::svg
