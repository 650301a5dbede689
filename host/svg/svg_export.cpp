#include "host/svg/svg_export.h"

#include <pugixml.hpp>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <deque>
#include <functional>
#include <map>
#include <unordered_map>
#include <unordered_set>

#include "host/svg/svg_numbers.h"
#include "host/svg/svg_paint.h"
#include "host/svg/svg_path_data.h"
#include "host/svg/svg_source.h"
#include "host/svg/svg_transform.h"
#include "host/svg/svg_xml.h"
#include "host/svg/svg_effect_art.h"
#include "host/svg/svg_finite.h"
#include "host/svg/svg_live_effect.h"

namespace vx::host::svg {

namespace {

using art::Art;
using art::ArtKind;
using art::Document;

// Text whose clipping is set is a member of its clipping group's clip path:
// its glyphs go into the clipPath as a text element (whose paint a clip path
// ignores) and it is not drawn among the group's content.
bool IsTextClip(const Art& art) {
  return art.kind() == ArtKind::Text && art.text().clipping;
}

constexpr const char* kNamespaces[][2] = {
    {"xmlns", "http://www.w3.org/2000/svg"},
    {"xmlns:xlink", "http://www.w3.org/1999/xlink"},
    {"xmlns:sodipodi", "http://sodipodi.sourceforge.net/DTD/sodipodi-0.dtd"},
    {"xmlns:inkscape", "http://www.inkscape.org/namespaces/inkscape"},
    {"xmlns:vx", "urn:versalix4:svg"},
};

// The same attributes, values and order.
bool SameAttributes(const pugi::xml_node& a, const pugi::xml_node& b) {
  pugi::xml_attribute x = a.first_attribute(), y = b.first_attribute();
  for (; x && y; x = x.next_attribute(), y = y.next_attribute()) {
    if (std::strcmp(x.name(), y.name()) || std::strcmp(x.value(), y.value())) return false;
  }
  return !x && !y;
}

bool IsBlank(const pugi::xml_node& node) {
  if (node.type() != pugi::node_pcdata) return false;
  std::string_view text = node.value();
  return text.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

// Nodes and what they stand for, by node: many thousands for a large
// drawing, so a vector sorted once rather than a table that allocates an
// entry each. Find answers the value added last for a node.
template <typename Value>
class NodeMap {
 public:
  void Add(const pugi::xml_node_struct* node, const Value& value) { entries_.push_back({node, value}); }
  void Sort() {
    std::stable_sort(entries_.begin(), entries_.end(),
                     [](const Entry& a, const Entry& b) { return Before(a.node, b.node); });
  }
  // After Sort.
  const Value* Find(const pugi::xml_node_struct* node) const {
    auto it = std::upper_bound(entries_.begin(), entries_.end(), node,
                               [](const pugi::xml_node_struct* n, const Entry& e) { return Before(n, e.node); });
    return it == entries_.begin() || (it - 1)->node != node ? nullptr : &(it - 1)->value;
  }
  // Before Sort: takes the value added last for `node` out.
  bool Take(const pugi::xml_node_struct* node, Value* value) {
    for (auto it = entries_.rbegin(); it != entries_.rend(); ++it) {
      if (it->node != node) continue;
      *value = it->value;
      entries_.erase(std::next(it).base());
      return true;
    }
    return false;
  }

 private:
  struct Entry {
    const pugi::xml_node_struct* node;
    Value value;
  };
  static bool Before(const pugi::xml_node_struct* a, const pugi::xml_node_struct* b) {
    return std::less<const pugi::xml_node_struct*>()(a, b);
  }
  std::vector<Entry> entries_;
};

// One object in the paint order of a container: art, or at the top a layer.
struct Item {
  const Art* art = nullptr;
  const art::Layer* layer = nullptr;
};

// The style of a path, or of the first path inside a compound path or group
// (depth first); null when there is none.
const AIPathStyle* OutlineStyle(const Art& art) {
  if (art.kind() == ArtKind::Path) return art.style();
  if (art.kind() != ArtKind::CompoundPath && art.kind() != ArtKind::Group) return nullptr;
  for (const Art* a = art.firstChild(); a; a = a->sibling())
    if (const AIPathStyle* style = OutlineStyle(*a)) return style;
  return nullptr;
}

// Whether a member of a clipped group is its clip: a path or compound path
// (whatever it holds) with the clip flag.
bool IsClipMember(const Art& art) {
  if (art.kind() != ArtKind::Path && art.kind() != ArtKind::CompoundPath) return false;
  const AIPathStyle* style = OutlineStyle(art);
  return style && style->clip;
}

class Exporter {
 public:
  Exporter(const Document& doc, const KeptSvg* kept, const ExportOptions& options)
      : doc_(doc), kept_(kept), options_(options) {
    double flipY = kept ? kept->flipY : doc.artboard.top;
    toSvg_ = Affine{1, 0, 0, -1, 0, flipY};
  }

  std::string Run();

 private:
  // Documents read from SVG: the elements as read, merged with what changed.
  std::string RunOnSource();
  std::vector<Item> ChildItems(const Art& container) const;
  std::vector<Item> RootItems() const;
  const SourceBinding* BindingOf(const Item& item) const;
  // Writes `items` as the children of `out`, a copy of `source`: elements
  // still there keep their place among what the model does not hold. When
  // every child of `source` is as it was read, in its place, `out` gets no
  // children and is marked as whole (see whole_).
  void Merge(const std::vector<Item>& items, const pugi::xml_node& source, pugi::xml_node out);
  // Whether `items` are the units among the children of `source`, in order,
  // each unchanged since it was read (a container's children likewise).
  bool AllAsRead(const std::vector<Item>& items, const pugi::xml_node& source) const;
  // `wrapper`: the group that takes what is written anew under a container
  // with a transform (consecutive items share it; reset when anything else
  // is written).
  void WriteItem(const Item& item, pugi::xml_node out, pugi::xml_node& wrapper);
  pugi::xml_node ShallowCopy(const pugi::xml_node& source, pugi::xml_node out,
                             const Affine& ctm);
  void KeepRootStartTag(const pugi::xml_node& sourceRoot, std::string& text, size_t start) const;
  // An element or other node written back as it was read. Outside effect
  // art (whose result digest reads the written tree) it is not copied: a
  // stand-in marks its place and printing writes the read node there.
  void CopyOf(const pugi::xml_node& source, pugi::xml_node out);
  void Print(const pugi::xml_node& node, pugi::xml_writer& writer) const;
  // The element art was read from, when no operation changed the art.
  bool WriteOriginal(const Art& art, pugi::xml_node parent);
  void WriteArtAnew(const Art& art, pugi::xml_node parent);
  void CollectIds();
  std::string IdFor(const Art& art, const char* prefix);
  std::string NewId(const char* prefix);
  pugi::xml_node Defs();
  void WriteLayer(const art::Layer& layer, pugi::xml_node root);
  void WriteChildren(const Art& container, pugi::xml_node parent);
  void WriteArt(const Art& art, pugi::xml_node parent);
  void WriteGroup(const Art& art, pugi::xml_node parent);
  void WritePath(const Art& art, pugi::xml_node parent);
  void WriteText(const Art& art, pugi::xml_node parent);
  void WritePluginGroup(const Art& art, pugi::xml_node parent);
  void WriteStyle(pugi::xml_node node, const AIPathStyle& style, const KeptElement* kept,
                  bool forText);
  std::string PaintText(const AIColor& color, const std::string& reference,
                        const std::string& fallback, const AIColor& keptColor,
                        const KeptElement* kept, std::string* icc);
  std::string DerivedPattern(const std::string& reference, const KeptElement& kept);
  std::string GradientElement(const AIGradientStyle& style);
  void WriteKept(pugi::xml_node node, const KeptElement* kept);
  const KeptElement* KeptFor(const Art& art) const;
  BezierPaths PathsOf(const Art& art) const;
  void WriteClipShapes(const Art& art, pugi::xml_node clip);
  bool Wanted(const Art& art) const;
  bool WithoutPathData(const Art& art) const;
  // markObjects: the element just written for top-level art (the last child
  // of `parent` when it is new).
  void MarkWritten(const Art& art, pugi::xml_node parent, pugi::xml_node before);
  void Note(const std::string& text) {
    if (options_.notes) options_.notes->push_back(text);
  }

  const Document& doc_;
  const KeptSvg* kept_;
  const SvgSource* source_ = nullptr;
  struct Origin {
    pugi::xml_node node;  // the element an output element copies
    Affine ctm;     // its user space to SVG root coordinates
  };
  std::unordered_map<const pugi::xml_node_struct*, Origin> origin_;
  // Stand-ins and the read nodes they print; the elements that hold any.
  NodeMap<pugi::xml_node> standIns_;  // sorted once the tree is built
  std::unordered_set<const pugi::xml_node_struct*> holders_;
  // Copies of read elements in which nothing changed: while the attributes
  // are the ones read, such an element prints as the bytes of the read one.
  std::unordered_set<const pugi::xml_node_struct*> whole_;
  int insideEffectArt_ = 0;
  bool wroteAnew_ = false;
  // What was lost writing changed objects anew: the note and the ids.
  std::map<std::string, std::vector<std::string>> losses_;
  ExportOptions options_;
  Affine toSvg_;
  pugi::xml_document out_;
  pugi::xml_node root_;
  pugi::xml_node defs_;
  pugi::xml_node patternDefs_;
  // Ids taken: views of the kept ids, the model's and the new ones (held in
  // newIds_).
  std::unordered_set<std::string_view> used_;
  std::deque<std::string> newIds_;
  std::map<std::string, unsigned> counters_;
  std::set<const Art*> wantedAncestors_;
};

std::string Exporter::Run() {
  CollectIds();
  if (options_.only) {
    for (const Art* art : *options_.only) {
      for (const Art* a = art; a; a = a->parent()) wantedAncestors_.insert(a);
    }
  }
  source_ = kept_ ? kept_->source.get() : nullptr;
  if (source_) return RunOnSource();
  root_ = out_.append_child("svg");
  if (kept_) {
    for (const auto& [name, value] : kept_->rootAttributes) {
      root_.append_attribute(name.c_str()) = value.c_str();
    }
  } else {
    const AIRealRect& page = doc_.artboard;
    std::string width = FormatFloat(page.right - page.left);
    std::string height = FormatFloat(page.top - page.bottom);
    root_.append_attribute("width") = width.c_str();
    root_.append_attribute("height") = height.c_str();
    std::string viewBox = FormatFloat(page.left) + " 0 " + width + " " + height;
    root_.append_attribute("viewBox") = viewBox.c_str();
  }
  for (const auto& ns : kNamespaces) {
    if (!root_.attribute(ns[0])) root_.append_attribute(ns[0]) = ns[1];
  }
  if (!root_.attribute("version")) root_.append_attribute("version") = "1.1";
  for (const art::Layer* layer : doc_.LayersInPaintOrder()) WriteLayer(*layer, root_);
  std::string text = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n";
  StringWriter writer(text);
  out_.save(writer, "  ", pugi::format_default | pugi::format_no_declaration, pugi::encoding_utf8);
  return text;
}

std::string Exporter::RunOnSource() {
  const pugi::xml_node sourceRoot = source_->xml.document_element();
  for (pugi::xml_node node : source_->xml.children()) {
    if (node != sourceRoot) {
      out_.append_copy(node);
      continue;
    }
    root_ = ShallowCopy(sourceRoot, out_, Affine{});
    Merge(RootItems(), sourceRoot, root_);
  }
  if (wroteAnew_) {
    // What was written anew uses our names without prefixes.
    for (const auto& ns : kNamespaces) {
      if (!root_.attribute(ns[0])) root_.append_attribute(ns[0]) = ns[1];
    }
  }
  for (const auto& [note, ids] : losses_) {
    std::string list;
    for (const std::string& id : ids) list += (list.empty() ? "" : ", ") + id;
    Note(note + " (" + list + ")");
  }
  standIns_.Sort();
  // Written without indentation: white space is in the tree as it was read.
  std::string text;
  text.reserve(kept_->sourceText.size() + kept_->sourceText.size() / 8 + 4096);
  StringWriter writer(text);
  for (pugi::xml_node node : out_.children()) {
    const size_t start = text.size();
    Print(node, writer);
    if (node == root_) KeepRootStartTag(sourceRoot, text, start);
    text += '\n';
  }
  return text;
}

// The root's start tag as it was read, when its attributes are the ones read
// (namespaces the new art needs come last, inside the same tag).
void Exporter::KeepRootStartTag(const pugi::xml_node& sourceRoot, std::string& text,
                                size_t start) const {
  // A tag with references is written with them expanded, like the rest.
  const std::string& tag = source_->rootStartTag;
  if (tag.size() < 2 || tag.ends_with("/>") || tag.find('&') != std::string::npos) return;
  std::string added;
  pugi::xml_attribute written = root_.first_attribute();
  for (pugi::xml_attribute read : sourceRoot.attributes()) {
    if (!written || std::strcmp(read.name(), written.name()) ||
        std::strcmp(read.value(), written.value()))
      return;
    written = written.next_attribute();
  }
  for (; written; written = written.next_attribute()) {
    added += std::string(" ") + written.name() + "=\"";
    for (const char* c = written.value(); *c; ++c)
      added += *c == '"' ? std::string("&quot;") : *c == '&' ? std::string("&amp;")
                                     : *c == '<' ? std::string("&lt;") : std::string(1, *c);
    added += '"';
  }
  // The printed tag ends at the first '>' outside a quoted value.
  size_t end = start;
  for (bool quoted = false; end < text.size() && (quoted || text[end] != '>'); ++end)
    if (text[end] == '"') quoted = !quoted;
  if (end == text.size() || text[end - 1] == '/') return;
  text.replace(start, end + 1 - start, tag.substr(0, tag.size() - 1) + added + ">");
}

void Exporter::CopyOf(const pugi::xml_node& source, pugi::xml_node out) {
  if (insideEffectArt_) {
    out.append_copy(source);
    return;
  }
  pugi::xml_node standIn = out.append_child(pugi::node_pi);
  standIns_.Add(standIn.internal_object(), source);
  for (pugi::xml_node n = out; n && holders_.insert(n.internal_object()).second; n = n.parent()) {
  }
}

void Exporter::Print(const pugi::xml_node& node, pugi::xml_writer& writer) const {
  const pugi::xml_node* read =
      node.type() == pugi::node_pi ? standIns_.Find(node.internal_object()) : nullptr;
  if (read) {
    // The bytes it was read from where they can be told exactly: quotes,
    // character references and white space inside tags stay as written,
    // which printing the parsed node would not keep.
    size_t begin, end;
    if (kept_->sourceOffsets && SpanOf(*read, kept_->sourceText, &begin, &end)) {
      writer.write(kept_->sourceText.data() + begin, end - begin);
      return;
    }
    read->print(writer, "", pugi::format_raw, pugi::encoding_utf8);
    return;
  }
  if (!holders_.count(node.internal_object())) {
    node.print(writer, "", pugi::format_raw, pugi::encoding_utf8);
    return;
  }
  const std::string end = std::string("</") + node.name() + ">";
  // A copy of a read element whose attributes are the ones read: the start
  // tag as it was written (the root's is kept apart, see KeepRootStartTag),
  // or all of it when its content is too.
  size_t tagBegin, tagEnd;
  auto o = origin_.find(node.internal_object());
  if (node != root_ && o != origin_.end() && kept_->sourceOffsets &&
      whole_.count(node.internal_object()) && SameAttributes(node, o->second.node) &&
      SpanOf(o->second.node, kept_->sourceText, &tagBegin, &tagEnd)) {
    writer.write(kept_->sourceText.data() + tagBegin, tagEnd - tagBegin);
    return;
  }
  if (node != root_ && o != origin_.end() && kept_->sourceOffsets &&
      SameAttributes(node, o->second.node) &&
      StartTagSpanOf(o->second.node, kept_->sourceText, &tagBegin, &tagEnd)) {
    writer.write(kept_->sourceText.data() + tagBegin, tagEnd - tagBegin);
    for (pugi::xml_node c = node.first_child(); c; c = c.next_sibling()) Print(c, writer);
    writer.write(end.data(), end.size());
    return;
  }
  // The start tag as the parser's library writes it: a copy of the element
  // with one empty text child prints "<name ...></name>".
  pugi::xml_document scratch;
  pugi::xml_node tag = scratch.append_child(node.name());
  for (pugi::xml_attribute a : node.attributes()) tag.append_attribute(a.name()) = a.value();
  tag.append_child(pugi::node_pcdata);
  std::string start;
  StringWriter startWriter(start);
  tag.print(startWriter, "", pugi::format_raw, pugi::encoding_utf8);
  writer.write(start.data(), start.size() - end.size());
  for (pugi::xml_node c = node.first_child(); c; c = c.next_sibling()) Print(c, writer);
  writer.write(end.data(), end.size());
}

std::vector<Item> Exporter::ChildItems(const Art& container) const {
  std::vector<Item> items;
  for (const Art* a = container.lastChild(); a; a = a->priorSibling()) {
    if (Wanted(*a)) items.push_back({a, nullptr});
  }
  return items;
}

std::vector<Item> Exporter::RootItems() const {
  std::vector<Item> items;
  for (const art::Layer* layer : doc_.LayersInPaintOrder()) {
    if (options_.only && !wantedAncestors_.count(layer->group)) continue;
    if (kept_->implicitLayers.count(layer->uid)) {
      std::vector<Item> art = ChildItems(*layer->group);
      items.insert(items.end(), art.begin(), art.end());
    } else {
      items.push_back({nullptr, layer});
    }
  }
  return items;
}

const SourceBinding* Exporter::BindingOf(const Item& item) const {
  return item.layer ? source_->Find(*item.layer) : source_->Find(*item.art);
}

pugi::xml_node Exporter::ShallowCopy(const pugi::xml_node& source, pugi::xml_node out,
                                     const Affine& ctm) {
  pugi::xml_node copy = out.append_child(source.name());
  for (pugi::xml_attribute a : source.attributes()) {
    copy.append_attribute(a.name()) = a.value();
  }
  origin_[copy.internal_object()] = {source, ctm};
  return copy;
}

bool Exporter::AllAsRead(const std::vector<Item>& items, const pugi::xml_node& source) const {
  size_t i = 0;
  for (pugi::xml_node c = source.first_child(); c; c = c.next_sibling()) {
    const SourceBinding* b = i < items.size() && !items[i].layer ? BindingOf(items[i]) : nullptr;
    if (!b || b->node != c) {
      if (source_->IsUnit(c)) return false;  // gone or moved
      continue;  // what the model does not hold
    }
    const Art& art = *items[i++].art;
    if (UnitDigest(art, b->container) != b->digest) return false;
    if (b->container) {
      const Art* container = doc_.FindArt(b->container);
      if (!container || !AllAsRead(ChildItems(*container), c)) return false;
    }
  }
  return i == items.size();
}

void Exporter::Merge(const std::vector<Item>& items, const pugi::xml_node& source,
                     pugi::xml_node out) {
  size_t begin, end;
  if (out != root_ && !insideEffectArt_ && !options_.markObjects && kept_->sourceOffsets &&
      AllAsRead(items, source) && SpanOf(source, kept_->sourceText, &begin, &end)) {
    // Nothing in it changed: it prints as the bytes it was read from, with
    // no stand-in for each child.
    whole_.insert(out.internal_object());
    for (pugi::xml_node n = out; n && holders_.insert(n.internal_object()).second; n = n.parent()) {
    }
    return;
  }
  // The elements of the items that were read as children of `source`
  // (null for the others), in the items' order.
  const size_t n = items.size();
  std::vector<const pugi::xml_node_struct*> read(n);
  for (size_t i = 0; i < n; ++i) {
    const SourceBinding* b = BindingOf(items[i]);
    if (b && b->node.parent() == source) read[i] = b->node.internal_object();
  }
  auto nextRead = [&read, n](size_t from) {
    while (from < n && !read[from]) ++from;
    return from;
  };
  // Children still there keep their place when they are in the order read
  // (the items' elements, in order, are among the children in order);
  // reordered children are all written after what the model does not hold.
  size_t j = nextRead(0);
  for (pugi::xml_node c = source.first_child(); c && j < n; c = c.next_sibling()) {
    if (c.internal_object() == read[j]) j = nextRead(j + 1);
  }
  const bool ordered = j == n;
  size_t next = 0;
  bool skipSpace = false;
  pugi::xml_node wrapper;
  j = nextRead(0);
  for (pugi::xml_node c = source.first_child(); c; c = c.next_sibling()) {
    if (ordered && j < n && c.internal_object() == read[j]) {
      // What arrived before it (new or moved here) first.
      while (next <= j) WriteItem(items[next++], out, wrapper);
      j = nextRead(j + 1);
      skipSpace = false;
      continue;
    }
    if (source_->IsUnit(c)) {
      skipSpace = true;  // gone: so is the white space after it
      continue;
    }
    if (IsBlank(c) && (skipSpace || !ordered)) {
      skipSpace = false;
      continue;
    }
    skipSpace = false;
    CopyOf(c, out);
    wrapper = pugi::xml_node();
  }
  while (next < items.size()) WriteItem(items[next++], out, wrapper);
}

void Exporter::WriteItem(const Item& item, pugi::xml_node out, pugi::xml_node& wrapper) {
  if (item.layer) {
    wrapper = pugi::xml_node();
    const SourceBinding* b = source_->Find(*item.layer);
    if (b && LayerDigest(*item.layer) == b->digest) {
      pugi::xml_node layer = ShallowCopy(b->node, out, *b->ownCtm);
      if (options_.markObjects) layer.append_attribute("data-vx-layer") = item.layer->uid;
      Merge(ChildItems(*item.layer->group), b->node, layer);
    } else {
      WriteLayer(*item.layer, out);
    }
    return;
  }
  const pugi::xml_node last = out.last_child();
  if (WriteOriginal(*item.art, out)) {
    MarkWritten(*item.art, out, last);
    wrapper = pugi::xml_node();
    return;
  }
  // Written anew in root coordinates, inside an element that may have a
  // transform of its own.
  pugi::xml_node target = out;
  auto o = origin_.find(out.internal_object());
  if (o != origin_.end() && !o->second.ctm.IsIdentity(0)) {
    if (!wrapper) {
      wrapper = out.append_child("g");
      wrapper.append_attribute("transform") = FormatTransform(o->second.ctm.Inverse()).c_str();
      if (options_.markObjects) wrapper.append_attribute("data-vx-wrap") = "1";
    }
    target = wrapper;
  }
  const pugi::xml_node before = target.last_child();
  WriteArtAnew(*item.art, target);
  MarkWritten(*item.art, target, before);
}

void Exporter::MarkWritten(const Art& art, pugi::xml_node parent, pugi::xml_node before) {
  if (!options_.markObjects || !art.parent() || !art.parent()->isLayerGroup()) return;
  pugi::xml_node written = parent.last_child();
  if (!written || written == before) return;
  // An unchanged element stands in as a marker printed from the read tree;
  // the mark needs a copy of its own.
  if (pugi::xml_node read; standIns_.Take(written.internal_object(), &read)) {
    pugi::xml_node copy = parent.insert_copy_after(read, written);
    parent.remove_child(written);
    written = copy;
  }
  if (written.type() == pugi::node_element) written.append_attribute("data-vx-uid") = art.uid();
}

bool Exporter::WriteOriginal(const Art& art, pugi::xml_node parent) {
  if (!source_) return false;
  const SourceBinding* b = source_->Find(art);
  if (!b || UnitDigest(art, b->container) != b->digest) return false;
  pugi::xml_node target = parent;
  auto o = origin_.find(parent.internal_object());
  if (o == origin_.end() || o->second.node != b->node.parent()) {
    // Not under the element it was read under: wrapped in what it had from
    // there, its parent's transform and inherited style.
    Affine outCtm = o == origin_.end() ? Affine{} : o->second.ctm;
    Affine m = *b->parentCtm * outCtm.Inverse();
    auto inherited = source_->inherited.find(b->node.parent().internal_object());
    bool styled = inherited != source_->inherited.end() && !inherited->second.empty();
    if (!m.IsIdentity(1e-12) || styled) {
      target = parent.append_child("g");
      if (!m.IsIdentity(1e-12)) target.append_attribute("transform") = FormatTransform(m).c_str();
      if (styled) target.append_attribute("style") = inherited->second.c_str();
      wroteAnew_ = true;
    }
  }
  if (b->container) {
    pugi::xml_node copy = ShallowCopy(b->node, target, *b->ownCtm);
    if (const Art* container = doc_.FindArt(b->container)) {
      Merge(ChildItems(*container), b->node, copy);
    }
  } else {
    CopyOf(b->node, target);
  }
  return true;
}

void Exporter::CollectIds() {
  if (kept_) {
    used_.reserve(kept_->usedIds.size());
    used_.insert(kept_->usedIds.begin(), kept_->usedIds.end());
  }
  for (const art::Layer* layer : doc_.LayersInPaintOrder()) {
    if (!layer->id.empty()) used_.insert(layer->id);
    std::vector<const Art*> stack{layer->group};
    while (!stack.empty()) {
      const Art* a = stack.back();
      stack.pop_back();
      if (!a->id().empty()) used_.insert(a->id());
      for (const Art* c = a->firstChild(); c; c = c->sibling()) stack.push_back(c);
      if (a->editGroup()) stack.push_back(a->editGroup());
      if (a->resultGroup()) stack.push_back(a->resultGroup());
    }
  }
  for (const auto& [handle, gradient] : doc_.gradients()) {
    if (!gradient.id.empty()) used_.insert(gradient.id);
  }
}

std::string Exporter::NewId(const char* prefix) {
  unsigned& n = counters_[prefix];
  for (;;) {
    std::string id = options_.idPrefix + prefix + std::to_string(++n);
    if (!used_.contains(id)) {
      used_.insert(newIds_.emplace_back(id));
      return id;
    }
  }
}

std::string Exporter::IdFor(const Art& art, const char* prefix) {
  return art.id().empty() ? NewId(prefix) : art.id();
}

pugi::xml_node Exporter::Defs() {
  // Everything in it is made from the model, so reading the file again
  // skips it and the next export makes it anew.
  if (!defs_) {
    defs_ = root_.append_child("defs");
    defs_.append_attribute("id") = NewId("defs").c_str();
    defs_.append_attribute("vx:generated") = "1";
  }
  return defs_;
}

const KeptElement* Exporter::KeptFor(const Art& art) const {
  if (!kept_) return nullptr;
  auto it = kept_->art.find(art.uid());
  return it == kept_->art.end() ? nullptr : &it->second;
}

bool Exporter::WithoutPathData(const Art& art) const {
  if (!options_.withoutPathData) return false;
  for (const Art* a = &art; a; a = a->parent())
    if (options_.withoutPathData->count(a)) return true;
  return false;
}

bool Exporter::Wanted(const Art& art) const {
  if (!options_.only) return true;
  if (wantedAncestors_.count(&art)) return true;
  for (const Art* a = art.parent(); a; a = a->parent()) {
    if (options_.only->count(a)) return true;
  }
  return false;
}

void Exporter::WriteKept(pugi::xml_node node, const KeptElement* kept) {
  if (!kept) return;
  for (const auto& [name, value] : kept->attributes) {
    if (name.starts_with("vx:")) continue;  // our own bookkeeping
    if (node.attribute(name.c_str())) continue;
    node.append_attribute(name.c_str()) = value.c_str();
  }
  const std::string& markup = kept->more().childMarkup;
  if (!markup.empty()) node.append_buffer(markup.data(), markup.size());
}

void Exporter::WriteLayer(const art::Layer& layer, pugi::xml_node root) {
  if (options_.only && !wantedAncestors_.count(layer.group)) return;
  wroteAnew_ = true;
  bool implicit = kept_ && kept_->implicitLayers.count(layer.uid);
  if (implicit) {
    WriteChildren(*layer.group, root);
    return;
  }
  pugi::xml_node g = root.append_child("g");
  g.append_attribute("id") = (layer.id.empty() ? NewId("layer") : layer.id).c_str();
  g.append_attribute("inkscape:groupmode") = "layer";
  if (options_.markObjects) g.append_attribute("data-vx-layer") = layer.uid;
  g.append_attribute("inkscape:label") = layer.title.c_str();
  if (!layer.visible) g.append_attribute("style") = "display:none";
  if (!layer.editable) g.append_attribute("sodipodi:insensitive") = "true";
  if (kept_) {
    auto it = kept_->layers.find(layer.uid);
    if (it != kept_->layers.end()) WriteKept(g, &it->second);
  }
  WriteChildren(*layer.group, g);
}

void Exporter::WriteChildren(const Art& container, pugi::xml_node parent) {
  // The last child is painted first: SVG lists it first.
  for (const Art* a = container.lastChild(); a; a = a->priorSibling()) {
    if (Wanted(*a)) WriteArt(*a, parent);
  }
}

void Exporter::WriteArt(const Art& art, pugi::xml_node parent) {
  const pugi::xml_node before = parent.last_child();
  if (!WriteOriginal(art, parent)) WriteArtAnew(art, parent);
  MarkWritten(art, parent, before);
}

void Exporter::WriteArtAnew(const Art& art, pugi::xml_node parent) {
  wroteAnew_ = true;
  if (const SourceBinding* b = source_ ? source_->Find(art) : nullptr) {
    for (std::string_view loss : source_->LossesOf(*b)) {
      std::vector<std::string>& ids = losses_[std::string(loss)];
      std::string id = art.id().empty() ? "an object without id" : art.id();
      if (std::find(ids.begin(), ids.end(), id) == ids.end()) ids.push_back(id);
    }
  }
  switch (art.kind()) {
    case ArtKind::Group: WriteGroup(art, parent); break;
    case ArtKind::Path:
    case ArtKind::CompoundPath: WritePath(art, parent); break;
    case ArtKind::Text: WriteText(art, parent); break;
    case ArtKind::PluginGroup: WritePluginGroup(art, parent); break;
    case ArtKind::Opaque: {
      const std::string& markup = art.opaque().markup;
      if (!parent.append_buffer(markup.data(), markup.size())) {
        Note("an element kept from the input could not be written back");
      }
      break;
    }
    case ArtKind::TextPath:
    case ArtKind::TextRun: break;  // written by their text
  }
}

void Exporter::WriteGroup(const Art& art, pugi::xml_node parent) {
  const KeptElement* kept = KeptFor(art);
  pugi::xml_node g = parent.append_child(kept && !kept->more().tag.empty() ? kept->more().tag.c_str() : "g");
  g.append_attribute("id") = IdFor(art, "g").c_str();
  if (!art.name().empty()) g.append_attribute("inkscape:label") = art.name().c_str();
  if (art.hidden()) g.append_attribute("display") = "none";
  if (art.group().clipped) {
    pugi::xml_node clip = Defs().append_child("clipPath");
    std::string clipId = NewId("clipPath");
    clip.append_attribute("id") = clipId.c_str();
    clip.append_attribute("clipPathUnits") = "userSpaceOnUse";
    // No clip member at all: an empty clip path, which hides the group.
    for (const Art* a = art.lastChild(); a; a = a->priorSibling()) {
      if (IsTextClip(*a)) WriteText(*a, clip);
      else if (IsClipMember(*a)) WriteClipShapes(*a, clip);
    }
    g.append_attribute("clip-path") = ("url(#" + clipId + ")").c_str();
  }
  WriteKept(g, kept);
  for (const Art* a = art.lastChild(); a; a = a->priorSibling()) {
    if (art.group().clipped && (IsTextClip(*a) || IsClipMember(*a))) continue;
    if (Wanted(*a)) WriteArt(*a, g);
  }
}

// A clip member as the shapes of its clip path: a path, or a compound path
// of paths, is one shape; a compound path that holds a group (a mask made
// from a group) is the union of the group's outlines, one shape each, since
// a clip path clips to the union of its shapes.
void Exporter::WriteClipShapes(const Art& art, pugi::xml_node clip) {
  bool holdsGroup = art.kind() == ArtKind::Group;
  for (const Art* a = art.firstChild(); a && !holdsGroup; a = a->sibling())
    holdsGroup = a->kind() == ArtKind::Group;
  if (holdsGroup) {
    for (const Art* a = art.lastChild(); a; a = a->priorSibling())
      if (a->kind() != ArtKind::Text) WriteClipShapes(*a, clip);
    return;
  }
  const AIPathStyle* style = OutlineStyle(art);
  if (!style) return;
  pugi::xml_node p = clip.append_child("path");
  p.append_attribute("id") = IdFor(art, "path").c_str();
  p.append_attribute("d") = WritePathData(PathsOf(art)).c_str();
  if (style->evenodd) p.append_attribute("clip-rule") = "evenodd";
}

BezierPaths Exporter::PathsOf(const Art& art) const {
  BezierPaths paths;
  const Affine& m = toSvg_;
  auto toSvg = [&m](const AIRealPoint& p) { return Point{p.h, p.v} * m; };
  auto add = [&paths, &toSvg](const Art& pathArt) {
    const art::PathData& data = pathArt.path();
    BezierPath& path = paths.emplace_back();
    path.closed = data.closed;
    path.anchors.reserve(data.segments.size());
    for (const Segment& s : data.segments)
      path.anchors.push_back({toSvg(s.p), toSvg(s.in), toSvg(s.out), bool(s.corner)});
  };
  if (art.kind() == ArtKind::Path) {
    add(art);
  } else {
    // Members top to bottom: the order the subpaths were read in.
    for (const Art* a = art.firstChild(); a; a = a->sibling()) {
      if (a->kind() == ArtKind::Path) add(*a);
      else if (a->kind() == ArtKind::CompoundPath || a->kind() == ArtKind::Group) {
        BezierPaths inner = PathsOf(*a);
        paths.insert(paths.end(), inner.begin(), inner.end());
      }
    }
  }
  return paths;
}

void Exporter::WritePath(const Art& art, pugi::xml_node parent) {
  const AIPathStyle* style = OutlineStyle(art);
  pugi::xml_node p = parent.append_child("path");
  p.append_attribute("id") = IdFor(art, "path").c_str();
  if (!art.name().empty()) p.append_attribute("inkscape:label") = art.name().c_str();
  if (!WithoutPathData(art)) p.append_attribute("d") = WritePathData(PathsOf(art)).c_str();
  if (art.hidden()) p.append_attribute("display") = "none";
  const KeptElement* kept = KeptFor(art);
  AIPathStyle fallback = art::DefaultPathStyle();
  WriteStyle(p, style ? *style : fallback, kept, false);
  WriteKept(p, kept);
}

std::string Exporter::PaintText(const AIColor& color, const std::string& reference,
                                const std::string& fallback, const AIColor& keptColor,
                                const KeptElement* kept, std::string* icc) {
  icc->clear();
  bool unchanged = art::SameColor(color, keptColor);
  if (!reference.empty() && unchanged) {
    if (color.kind == kPattern && kept && kept->more().hasPaintTransform) {
      return DerivedPattern(reference, *kept);
    }
    return reference;
  }
  if (!fallback.empty() && unchanged && (color.kind == kGrayColor || color.kind == kFourColor)) {
    // The ICC part after the original sRGB fallback.
    std::string full = IccPaintOf(color);
    *icc = fallback + full.substr(full.find(' '));
    return fallback;
  }
  switch (color.kind) {
    case kGrayColor:
    case kFourColor:
      *icc = IccPaintOf(color);
      return HexOf(color);
    case kThreeColor: return HexOf(color);
    case kCustomColor: {
      const art::CustomColor* custom = doc_.FindCustomColor(color.c.c.color);
      if (!custom) return "#000000";
      AIColor process{};
      process.kind = custom->definition.kind;
      process.c = custom->definition.c;
      // A tint mixes the colour with white.
      if (process.kind == kFourColor) {
        process.c.f.cyan *= color.c.c.tint == 0 ? 1 : 1 - color.c.c.tint;
        process.c.f.magenta *= color.c.c.tint == 0 ? 1 : 1 - color.c.c.tint;
        process.c.f.yellow *= color.c.c.tint == 0 ? 1 : 1 - color.c.c.tint;
        process.c.f.black *= color.c.c.tint == 0 ? 1 : 1 - color.c.c.tint;
        *icc = IccPaintOf(process);
      }
      return HexOf(process);
    }
    case kGradient: return "url(#" + GradientElement(color.c.b) + ")";
    case kPattern:
      Note("a pattern paint without its original definition written as black");
      return "#000000";
    default: return "none";
  }
}

// A pattern that takes everything from the original by reference and adds
// the transform the element's geometry lost when it was baked in.
std::string Exporter::DerivedPattern(const std::string& reference, const KeptElement& kept) {
  size_t hash = reference.find('#');
  size_t close = reference.find(')', hash);
  if (hash == std::string::npos || close == std::string::npos) return reference;
  std::string original = reference.substr(hash + 1, close - hash - 1);
  const double* t = kept.more().paintTransform;
  Affine m{t[0], t[1], t[2], t[3], t[4], t[5]};
  if (kept_) {
    auto it = kept_->patternTransforms.find(original);
    if (it != kept_->patternTransforms.end()) {
      if (auto own = ParseTransform(it->second)) m = *own * m;
    }
  }
  // Not among the generated definitions: the model does not hold patterns.
  if (!patternDefs_) {
    patternDefs_ = root_.append_child("defs");
    patternDefs_.append_attribute("id") = NewId("defs").c_str();
  }
  pugi::xml_node node = patternDefs_.append_child("pattern");
  std::string id = NewId("pattern");
  node.append_attribute("id") = id.c_str();
  node.append_attribute("xlink:href") = ("#" + original).c_str();
  node.append_attribute("patternTransform") = FormatTransform(m).c_str();
  return "url(#" + id + ")";
}

std::string Exporter::GradientElement(const AIGradientStyle& g) {
  const art::Gradient* gradient = doc_.FindGradient(g.gradient);
  bool radial = gradient && gradient->type == kRadialGradient;
  pugi::xml_node node = Defs().append_child(radial ? "radialGradient" : "linearGradient");
  std::string id = NewId(radial ? "radialGradient" : "linearGradient");
  node.append_attribute("id") = id.c_str();
  node.append_attribute("gradientUnits") = "userSpaceOnUse";
  double ox = g.gradientOrigin.h, oy = g.gradientOrigin.v, length = g.gradientLength;
  auto set = [&node](const char* name, double v) {
    node.append_attribute(name) = FormatRounded(v, 4).c_str();
  };
  if (radial) {
    set("cx", ox);
    set("cy", oy);
    set("r", length);
    double angle = g.hiliteAngle * M_PI / 180;
    set("fx", ox + std::cos(angle) * g.hiliteLength * length);
    set("fy", oy + std::sin(angle) * g.hiliteLength * length);
  } else {
    double angle = g.gradientAngle * M_PI / 180;
    set("x1", ox);
    set("y1", oy);
    set("x2", ox + std::cos(angle) * length);
    set("y2", oy + std::sin(angle) * length);
  }
  Affine m{g.matrix.a, g.matrix.b, g.matrix.c, g.matrix.d, g.matrix.tx, g.matrix.ty};
  std::string transform = FormatTransform(m * toSvg_);
  if (!transform.empty()) node.append_attribute("gradientTransform") = transform.c_str();
  if (gradient && !gradient->id.empty() && kept_ && kept_->usedIds.count(gradient->id)) {
    // Read from this file: stops, spread and the rest come from the original
    // definition, which is written back as it was.
    node.append_attribute("xlink:href") = ("#" + gradient->id).c_str();
    // An explicit identity: the original's own transform must not apply.
    if (transform.empty()) node.append_attribute("gradientTransform") = "matrix(1,0,0,1,0,0)";
  } else if (gradient) {
    for (const AIGradientStop& stop : gradient->stops) {
      pugi::xml_node s = node.append_child("stop");
      s.append_attribute("offset") = FormatFloat(stop.rampPoint / 100).c_str();
      std::string style = "stop-color:" + HexOf(stop.color);
      std::string icc = IccPaintOf(stop.color);
      if (!icc.empty()) style += ";stop-color:" + icc;
      s.append_attribute("style") = style.c_str();
    }
  }
  return id;
}

void Exporter::WriteStyle(pugi::xml_node node, const AIPathStyle& style, const KeptElement* kept,
                          bool forText) {
  static const KeptExtras kNone;
  const KeptExtras& more = kept && kept->extras ? *kept->extras : kNone;
  std::string fillIcc, strokeIcc;
  std::string fill = style.fillPaint
                         ? PaintText(style.fill.color, more.fillReference, more.fillFallback,
                                     more.fillColor, kept, &fillIcc)
                         : "none";
  bool fillUnset = kept && kept->fillUnset && style.fillPaint &&
                   art::SameColor(style.fill.color, UnsetFillColor());
  if (!fillUnset) node.append_attribute("fill") = fill.c_str();
  if (style.evenodd) node.append_attribute("fill-rule") = "evenodd";
  std::string stroke = style.strokePaint
                           ? PaintText(style.stroke.color, more.strokeReference, more.strokeFallback,
                                       more.strokeColor, kept, &strokeIcc)
                           : "none";
  bool strokeUnset = kept && kept->strokeUnset && !style.strokePaint;
  if (style.strokePaint || (forText && !strokeUnset)) node.append_attribute("stroke") = stroke.c_str();
  if (style.strokePaint) {
    const AIStrokeStyle& s = style.stroke;
    node.append_attribute("stroke-width") = FormatFloat(s.width).c_str();
    if (s.cap != kAIButtCap) {
      node.append_attribute("stroke-linecap") = s.cap == kAIRoundCap ? "round" : "square";
    }
    if (s.join != kAIMiterJoin) {
      node.append_attribute("stroke-linejoin") = s.join == kAIRoundJoin ? "round" : "bevel";
    }
    if (s.miterLimit != 4) node.append_attribute("stroke-miterlimit") = FormatFloat(s.miterLimit).c_str();
    if (s.dash.length > 0) {
      std::string dashes;
      for (int i = 0; i < std::min<int>(s.dash.length, 6); ++i) {
        if (i) dashes += ',';
        dashes += FormatFloat(s.dash.array[i]);
      }
      node.append_attribute("stroke-dasharray") = dashes.c_str();
      if (s.dash.offset != 0) node.append_attribute("stroke-dashoffset") = FormatFloat(s.dash.offset).c_str();
    }
  }
  // ICC colours go in the style attribute: user agents that do not read
  // them drop that declaration and use the attribute's sRGB colour.
  std::string css;
  if (!fillIcc.empty()) css += "fill:" + fillIcc;
  if (!strokeIcc.empty()) css += std::string(css.empty() ? "" : ";") + "stroke:" + strokeIcc;
  if (!css.empty()) node.append_attribute("style") = css.c_str();
}

void Exporter::WriteText(const Art& art, pugi::xml_node parent) {
  const art::TextData& data = art.text();
  const KeptElement* kept = KeptFor(art);
  pugi::xml_node text = parent.append_child("text");
  text.append_attribute("id") = IdFor(art, "text").c_str();
  if (!art.name().empty()) text.append_attribute("inkscape:label") = art.name().c_str();
  Point start = Point{data.start.h, data.start.v} * toSvg_;
  if (kept && kept->more().hasTextTransform) {
    const double* t = kept->more().textTransform;
    Affine m{t[0], t[1], t[2], t[3], t[4], t[5]};
    text.append_attribute("transform") = FormatTransform(m).c_str();
    start = start * m.Inverse();
  }
  // Lists that place single glyphs keep their values after the first.
  auto list = [kept](const char* name, double first) {
    std::string text = FormatRounded(first, 4);
    if (!kept) return text;
    for (const auto& [n, v] : kept->attributes) {
      if (n == std::string("vx:text-") + name) {
        auto values = ParseNumberList(v);
        if (values) {
          for (size_t i = 1; i < values->size(); ++i) text.append(" ").append(FormatNumber((*values)[i]));
        }
      }
    }
    return text;
  };
  text.append_attribute("x") = list("x", start[0]).c_str();
  text.append_attribute("y") = list("y", start[1]).c_str();
  if (kept) {
    for (const char* name : {"dx", "dy", "rotate"}) {
      for (const auto& [n, v] : kept->attributes) {
        if (n == std::string("vx:text-") + name) text.append_attribute(name) = v.c_str();
      }
    }
  }
  text.append_attribute("font-size") = FormatFloat(data.fontSize).c_str();
  if (!data.fontFamily.empty()) text.append_attribute("font-family") = data.fontFamily.c_str();
  if (art.hidden()) text.append_attribute("display") = "none";
  WriteKept(text, kept);
  // Character data first keeps the writer from indenting the spans, which
  // would add white space to the text.
  text.append_child(pugi::node_pcdata);
  pugi::xml_node runsParent = text;
  for (const Art* child = art.firstChild(); child; child = child->sibling()) {
    if (child->kind() != ArtKind::TextPath) continue;
    const Art* path = child->firstChild();
    if (!path || path->kind() != ArtKind::Path) continue;
    pugi::xml_node def = Defs().append_child("path");
    std::string pathId = IdFor(*path, "textPath");
    def.append_attribute("id") = pathId.c_str();
    def.append_attribute("d") = WritePathData(PathsOf(*path)).c_str();
    runsParent = text.append_child("textPath");
    runsParent.append_child(pugi::node_pcdata);
    runsParent.append_attribute("xlink:href") = ("#" + pathId).c_str();
    if (child->textPath().startOffset != 0) {
      runsParent.append_attribute("startOffset") = FormatFloat(child->textPath().startOffset).c_str();
    }
    break;
  }
  bool textStyled = false;
  for (const Art* child = art.firstChild(); child; child = child->sibling()) {
    if (child->kind() != ArtKind::TextRun) continue;
    const KeptElement* directKept = KeptFor(*child);
    if (directKept && directKept->more().tag == "#text") {
      // Character data of the text itself: its style is the text's.
      if (!textStyled) {
        WriteStyle(text, child->run().style, directKept, true);
        WriteKept(text, directKept);
        textStyled = true;
      }
      runsParent.append_child(pugi::node_pcdata).set_value(child->run().contents.c_str());
      continue;
    }
    pugi::xml_node span = runsParent.append_child("tspan");
    if (!child->id().empty()) span.append_attribute("id") = child->id().c_str();
    const KeptElement* runKept = KeptFor(*child);
    WriteStyle(span, child->run().style, runKept, true);
    WriteKept(span, runKept);
    span.append_child(pugi::node_pcdata).set_value(child->run().contents.c_str());
    runsParent.append_child(pugi::node_pcdata);
  }
}

void Exporter::WritePluginGroup(const Art& art, pugi::xml_node parent) {
  ++insideEffectArt_;
  pugi::xml_node g = parent.append_child("g");
  g.append_attribute("id") = IdFor(art, "effect").c_str();
  if (const live::LiveEffectInstance* live = live::InstanceOf(art)) {
    WriteLiveEffectAttributes(g, *live);
  } else {
    g.append_attribute("vx:role") = "plugin-group";
    WriteEffectArtAttributes(g, art, KeptFor(art));
  }
  WriteKept(g, KeptFor(art));
  if (art.resultGroup()) {
    pugi::xml_node result = g.append_child("g");
    result.append_attribute("vx:role") = "result";
    WriteChildren(*art.resultGroup(), result);
  }
  if (art.editGroup()) {
    pugi::xml_node edit = g.append_child("g");
    edit.append_attribute("vx:role") = "edit";
    edit.append_attribute("display") = "none";
    WriteChildren(*art.editGroup(), edit);
  }
  // The digest serves reading the file back; a viewer's copy has none
  // (its paths may come without their data).
  if (!options_.markObjects) WriteResultDigest(g);
  --insideEffectArt_;
}

}  // namespace

std::string ExportSvg(const art::Document& document, const KeptSvg* kept,
                      const ExportOptions& options) {
  // Art no operation changed is checked too: a number read from the file
  // can be finite as text and not as the model's float (a stroke 1e39 wide).
  if (const art::Art* bad = FirstNonFinite(document)) {
    if (options.error)
      *options.error = "the result holds a coordinate, width or colour that is not a finite number" +
                       (bad->id().empty() ? std::string() : " (in \"" + bad->id() + "\")");
    return "";
  }
  Exporter exporter(document, kept, options);
  return exporter.Run();
}

}  // namespace vx::host::svg
