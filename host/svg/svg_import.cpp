#include "host/svg/svg_import.h"

#include <cmath>
#include <cstring>
#include <functional>
#include <map>
#include <sstream>
#include <unordered_map>

#include "host/art/geometry.h"
#include "host/svg/svg_color.h"
#include "host/svg/svg_numbers.h"
#include "host/svg/svg_paint.h"
#include "host/svg/svg_path_data.h"
#include "host/svg/svg_path_module.h"
#include "host/svg/svg_xml.h"
#include "host/svg/svg_shapes.h"
#include "host/svg/svg_source.h"
#include "host/svg/svg_style.h"
#include "host/svg/svg_transform.h"
#include "host/svg/svg_effect_art.h"
#include "host/svg/svg_live_effect.h"

namespace vx::host::svg {

namespace {

using art::Art;
using art::ArtKind;
using art::Document;
using art::Placement;

constexpr std::string_view kSvgNamespace = "http://www.w3.org/2000/svg";

std::string Markup(const pugi::xml_node& node) {
  std::ostringstream out;
  node.print(out, "", pugi::format_raw);
  return out.str();
}

bool IsShape(std::string_view name) {
  return name == "path" || name == "rect" || name == "circle" || name == "ellipse" ||
         name == "line" || name == "polyline" || name == "polygon";
}

// Elements that draw nothing where they stand.
bool IsNonRendering(std::string_view name) {
  static constexpr std::string_view kNames[] = {
      "defs", "style", "metadata", "title", "desc", "script", "linearGradient",
      "radialGradient", "pattern", "clipPath", "mask", "filter", "marker", "symbol",
      "color-profile", "font", "font-face", "cursor", "view", "sodipodi:namedview"};
  for (std::string_view n : kNames) {
    if (name.size() == n.size() && name[0] == n[0] && name == n) return true;
  }
  return false;
}

// The attributes that hold an element's geometry, by element.
struct Geometry {
  std::string_view element;
  std::string_view names[6];
};
constexpr Geometry kGeometry[] = {
    {"path", {"d"}},
    {"rect", {"x", "y", "width", "height", "rx", "ry"}},
    {"circle", {"cx", "cy", "r"}},
    {"ellipse", {"cx", "cy", "rx", "ry"}},
    {"line", {"x1", "y1", "x2", "y2"}},
    {"polyline", {"points"}},
    {"polygon", {"points"}},
    {"text", {"x", "y", "dx", "dy", "rotate"}}};

const Geometry* GeometryOf(std::string_view element) {
  for (const Geometry& g : kGeometry) {
    if (element == g.element) return &g;
  }
  return nullptr;
}

// Attributes whose content the model holds (or that export rewrites);
// `geometry` is the element's row (null: none).
bool IsConsumedAttribute(const Geometry* geometry, std::string_view name) {
  static constexpr std::string_view kCommon[] = {"id", "transform", "style", "inkscape:label",
                                            "inkscape:groupmode", "sodipodi:insensitive"};
  for (std::string_view n : kCommon) {
    if (name == n) return true;
  }
  if (IsPresentationAttribute(name)) return true;
  if (!geometry) return false;
  for (std::string_view n : geometry->names) {
    if (!n.empty() && name == n) return true;
  }
  return false;
}

// Properties the model has no place for; written on the element as their
// computed values when they differ from SVG's initial value.
struct KeptProperty {
  Style::Key key;
  std::string_view initial;
};
constexpr KeptProperty kKeptInherited[] = {
    {"fill-opacity", "1"},       {"stroke-opacity", "1"},   {"visibility", "visible"},
    {"marker-start", "none"},    {"marker-mid", "none"},    {"marker-end", "none"},
    {"paint-order", "normal"},   {"shape-rendering", "auto"}, {"color-interpolation", "sRGB"},
    {"clip-rule", "nonzero"}};
constexpr Style::Key kKeptOwn[] = {"opacity", "mix-blend-mode", "vector-effect", "isolation",
                                           "overflow", "clip", "enable-background"};

// The slots of a list of properties, so that an element that has none of
// them skips the list.
template <typename Row, size_t N, typename KeyOf>
Style::Slots SlotsOf(const Row (&rows)[N], KeyOf keyOf) {
  Style::Slots slots;
  for (const Row& row : rows) slots.set(size_t(keyOf(row).slot));
  return slots;
}
const Style::Slots kKeptInheritedSlots =
    SlotsOf(kKeptInherited, [](const KeptProperty& p) { return p.key; });
const Style::Slots kKeptOwnSlots = SlotsOf(kKeptOwn, [](Style::Key k) { return k; });

// Font and text layout properties written on text and its spans (font size
// and family are in the model).
constexpr Style::Key kTextProperties[] = {
    "font-weight", "font-style", "font-variant", "font-stretch", "letter-spacing",
    "word-spacing", "text-anchor", "baseline-shift", "text-decoration", "writing-mode",
    "direction", "dominant-baseline", "alignment-baseline"};

struct Context {
  Affine ctm;  // element user space -> SVG root
  Style style;
  int depth = 0;
};

class Importer {
 public:
  Importer(const ImportLimits& limits) : limits_(limits) {}

  std::optional<ImportResult> Run(std::string_view text, std::string* error);

 private:
  // What the model cannot hold of the element being read: reported only if
  // the element is written anew (svg_source.h).
  void Note(std::string_view text) {
    // Thousands of elements make the same note in a row.
    if (lastNote_.empty() || text != lastNote_) {
      auto it = source_->notes.find(text);
      if (it == source_->notes.end()) it = source_->notes.emplace(text).first;
      lastNote_ = *it;
    }
    pending_.push_back(lastNote_);
  }
  // The element's name without a prefix bound to the SVG namespace
  // ("svg:path" -> "path"); other prefixes stay.
  std::string_view LocalName(const pugi::xml_node& node) const;
  std::string_view PrefixFreeName(const pugi::xml_node& node) const;
  void NotePrefixes(const pugi::xml_node& node);
  void NotePrefix(std::string_view prefix, std::string_view uri);
  // Binds an element to the art made for it (its unit's root), with the
  // notes made since `mark`.
  void Bind(const pugi::xml_node& node, Art* root, uint32_t container,
            const Context& parent, const Context& own, size_t mark);
  // A unit's binding in `table` (art or layers) with what every unit has.
  SourceBinding& BindUnit(BindingTable& table, uint32_t uid, const pugi::xml_node& node,
                          uint32_t container, const Context& parent, const Context& own);
  // `ctm` held by the source for bindings.
  const Affine* Transform(const Affine& ctm);
  void IndexIds(const pugi::xml_node& root);
  void ReadPage(const pugi::xml_node& root);
  void ReadTopLevel(const pugi::xml_node& root, const Context& rootContext);
  art::Layer* NewLayer(const std::string& title);
  void ReadLayer(const pugi::xml_node& node, const Context& parent);
  // Reads one element into `container` (placed on top of what is there).
  void ReadElement(const pugi::xml_node& node, const Context& parent, Art* container);
  void ReadChildren(const pugi::xml_node& node, const Context& context, Art* container);
  Art* ReadShape(const pugi::xml_node& node, const Context& context, Art* container);
  Art* ReadText(const pugi::xml_node& node, const Context& context, Art* container);
  // Effect art of plug-in groups (svg_effect_art.h) and of live effects
  // (svg_live_effect.h): its record or dictionaries, result and source.
  Art* ReadEffectArt(const pugi::xml_node& node, const Context& context, Art* container);
  Art* ReadOpaque(const pugi::xml_node& node, const Context& parent, Art* container);
  bool ReadClipGroup(const pugi::xml_node& node, const Context& context, Art* container,
                     Art** inner);
  // The shape's geometry into `out` (its room reused); false when the
  // element is dropped.
  bool ShapeGeometry(const pugi::xml_node& node, BezierPaths* out);
  // Rectangles, circles, ellipses, lines, polylines and polygons; null
  // when the element is dropped.
  std::optional<BezierPaths> OtherShapeGeometry(const pugi::xml_node& node, std::string_view name,
                                                double diagonal);
  void ApplyNodeTypes(const pugi::xml_node& node, BezierPaths& geometry) const;
  AIPathStyle PathStyleOf(const pugi::xml_node& node, const Style& style, const Context& ctx,
                          const art::BoundsBuilder* bbox, KeptElement& kept);
  bool PaintOf(const pugi::xml_node& node, std::string_view text, const Style& style,
               const Context& ctx, const art::BoundsBuilder* bbox, AIColor* color, bool* painted,
               std::string* reference, std::string* fallback);
  // The id and inkscape:label of an element (empty: none).
  struct ElementNames {
    const char* id = "";
    const char* label = "";
  };
  // Keeps what the model does not hold of the element; answers its names,
  // met on the same walk over its attributes.
  ElementNames KeepAttributes(const pugi::xml_node& node, const Style& style, KeptElement& kept,
                              bool keepInheritedExtras);
  void FinishArt(Art* art, const ElementNames& names, KeptElement&& kept);
  Context Enter(const pugi::xml_node& node, const Context& parent, bool* ok);
  std::optional<double> LengthAttr(const pugi::xml_node& node, const char* name, double def,
                                   double percentBase);
  pugi::xml_node Referenced(std::string_view id) const;
  pugi::xml_node ResolveHref(const pugi::xml_node& node) const;
  pugi::xml_attribute Href(const pugi::xml_node& node) const;
  // ParsePaint, remembering its last answers: elements in a row tend to
  // share their fill and stroke.
  const std::optional<Paint>& ParsedPaint(std::string_view text);
  uint32_t GradientFor(const pugi::xml_node& gradient);
  bool GradientStyle(const pugi::xml_node& gradient, const Context& ctx, const art::BoundsBuilder* bbox,
                     AIColor* color);
  Segment ToSegment(const Anchor& anchor) const;
  Art* MakePathArt(const BezierPaths& paths, const AIPathStyle& style, Art* container);

  ImportLimits limits_;
  std::shared_ptr<SvgSource> source_ = std::make_shared<SvgSource>();
  pugi::xml_document& xml_ = source_->xml;
  std::vector<std::string_view> pending_;
  BezierPaths shapeGeometry_;  // ReadShape's, kept for its room
  struct ParsedPaintText {
    std::string_view text;  // in the document, its style sheet or a literal
    std::optional<Paint> paint;
  };
  ParsedPaintText parsedPaints_[2];
  size_t nextParsedPaint_ = 0;  // the one to replace
  std::string_view lastNote_;  // in source_->notes
  std::vector<std::string> svgPrefixes_;
  // The last element LocalName answered for, and its answer.
  mutable pugi::xml_node localNameNode_;
  mutable std::string_view localName_;
  ImportResult result_;
  Document* doc_ = nullptr;
  StyleSheet sheet_;
  // By id; the keys are the attribute text in the parsed document.
  std::unordered_map<std::string_view, pugi::xml_node> ids_;
  Affine flip_;  // SVG root -> page
  double viewWidth_ = 0, viewHeight_ = 0;
  bool firstLayerUsed_ = false;
  art::Layer* implicitLayer_ = nullptr;
  std::unordered_map<std::string, uint32_t> gradients_;
  std::unordered_map<std::string, uint32_t> patterns_;
};

std::optional<ImportResult> Importer::Run(std::string_view text, std::string* error) {
  XmlLimits xmlLimits;
  xmlLimits.maxDepth = limits_.maxDepth;
  std::size_t elements = 0;
  if (!LoadXml(text, xml_, xmlLimits, error, &elements, &result_.kept.sourceOffsets))
    return std::nullopt;
  source_->rootStartTag = RootStartTag(text);
  source_->art.reserve(elements);
  source_->units.reserve(elements);
  result_.kept.art.reserve(elements);
  pugi::xml_node root = xml_.document_element();
  NotePrefixes(root);
  if (LocalName(root) != "svg") {
    *error = "not an SVG document: the root element is <" + std::string(root.name()) + ">";
    return std::nullopt;
  }
  result_.document = std::make_unique<Document>("Untitled");
  doc_ = result_.document.get();
  doc_->ReserveArt(elements);
  const Document::Loading loading(*doc_);
  IndexIds(root);
  ReadPage(root);
  for (const pugi::xml_attribute& a : root.attributes()) {
    result_.kept.rootAttributes.emplace_back(a.name(), a.value());
  }
  Context rootContext;
  rootContext.style = Style::Compute(Style{}, root, sheet_);
  source_->inherited[root.internal_object()] = rootContext.style.InheritedText();
  ReadTopLevel(root, rootContext);
  doc_->ClearHistory();
  // Digests once everything is read: the revisions are final.
  for (SourceBinding& binding : source_->art) {
    binding.digest = UnitDigest(*doc_->FindArt(binding.uid), binding.container);
  }
  for (SourceBinding& binding : source_->layers)
    binding.digest = LayerDigest(*doc_->FindLayer(binding.uid));
  std::sort(source_->units.begin(), source_->units.end());
  result_.kept.source = std::move(source_);
  return std::move(result_);
}

std::string_view Importer::LocalName(const pugi::xml_node& node) const {
  // Asked several times in a row for the element being read.
  if (node == localNameNode_) return localName_;
  localNameNode_ = node;
  localName_ = PrefixFreeName(node);
  return localName_;
}

std::string_view Importer::PrefixFreeName(const pugi::xml_node& node) const {
  std::string_view name = node.name();
  size_t colon = name.find(':');
  if (colon == std::string_view::npos) return name;
  for (const std::string& prefix : svgPrefixes_) {
    if (name.substr(0, colon) == prefix) return name.substr(colon + 1);
  }
  return name;
}

void Importer::NotePrefix(std::string_view prefix, std::string_view uri) {
  if (uri == kSvgNamespace &&
      std::find(svgPrefixes_.begin(), svgPrefixes_.end(), prefix) == svgPrefixes_.end()) {
    svgPrefixes_.emplace_back(prefix);
    localNameNode_ = pugi::xml_node();  // names may read differently now
  }
}

void Importer::NotePrefixes(const pugi::xml_node& node) {
  for (const pugi::xml_attribute& a : node.attributes()) {
    std::string_view name = a.name();
    if (name.starts_with("xmlns:")) NotePrefix(name.substr(6), a.value());
  }
}

void Importer::Bind(const pugi::xml_node& node, Art* root, uint32_t container,
                    const Context& parent, const Context& own, size_t mark) {
  SourceBinding& binding = BindUnit(source_->art, root->uid(), node, container, parent, own);
  if (mark < pending_.size()) {
    binding.firstLoss = uint32_t(source_->losses.size());
    binding.lossCount = uint32_t(pending_.size() - mark);
    source_->losses.insert(source_->losses.end(), pending_.begin() + mark, pending_.end());
    pending_.resize(mark);
  }
}

SourceBinding& Importer::BindUnit(BindingTable& table, uint32_t uid, const pugi::xml_node& node,
                                  uint32_t container, const Context& parent, const Context& own) {
  SourceBinding& binding = table.Add(uid);
  binding.node = node;
  binding.container = container;
  binding.parentCtm = Transform(parent.ctm);
  binding.ownCtm = Transform(own.ctm);
  source_->units.push_back(node.internal_object());
  if (container) source_->inherited[node.internal_object()] = own.style.InheritedText();
  return binding;
}

const Affine* Importer::Transform(const Affine& ctm) {
  // Bindings come in document order: an element's transform is mostly the
  // one just held (its parent's, or its sibling's parent's).
  std::deque<Affine>& held = source_->transforms;
  if (held.empty() || !(held.back() == ctm)) held.push_back(ctm);
  return &held.back();
}

void Importer::IndexIds(const pugi::xml_node& root) {
  // An explicit stack: nesting depth must not be able to exhaust ours.
  std::vector<std::pair<pugi::xml_node, bool>> stack{{root, false}};
  while (!stack.empty()) {
    auto [node, generated] = stack.back();
    stack.pop_back();
    if (node.type() != pugi::node_element) continue;
    // One walk over the attributes: the prefixes bound to the SVG
    // namespace, the generated mark and the id.
    for (pugi::xml_attribute a = node.first_attribute(); a; a = a.next_attribute()) {
      const std::string_view name = a.name();
      if (name == "vx:generated") generated = true;
      if (name == "id" && *a.value()) {
        ids_.emplace(a.value(), node);
        // Generated definitions are written back too: their ids stay taken.
        result_.kept.usedIds.insert(a.value());
      }
      if (name.starts_with("xmlns:")) NotePrefix(name.substr(6), a.value());
    }
    if (LocalName(node) == "style") {
      std::string css;
      for (pugi::xml_node c : node.children()) css += c.value();
      // Rules the model cannot apply stay in the file; only art written anew
      // loses them.
      sheet_.Add(css);
    }
    for (pugi::xml_node c = node.last_child(); c; c = c.previous_sibling()) {
      stack.emplace_back(c, generated);
    }
  }
}

void Importer::ReadPage(const pugi::xml_node& root) {
  double x = 0, y = 0, w = 0, h = 0;
  bool haveViewBox = false;
  if (auto vb = ParseNumberList(root.attribute("viewBox").value()); vb && vb->size() == 4) {
    if ((*vb)[2] > 0 && (*vb)[3] > 0 && std::isfinite((*vb)[2]) && std::isfinite((*vb)[3])) {
      x = (*vb)[0], y = (*vb)[1], w = (*vb)[2], h = (*vb)[3];
      haveViewBox = true;
    }
  }
  if (!haveViewBox) {
    auto width = ParseLength(root.attribute("width").value());
    auto height = ParseLength(root.attribute("height").value());
    w = width && *width > 0 ? *width : 300;
    h = height && *height > 0 ? *height : 150;
  }
  viewWidth_ = w;
  viewHeight_ = h;
  result_.kept.flipY = y + h;
  flip_ = Affine{1, 0, 0, -1, 0, y + h};
  doc_->artboard = AIRealRect{float(x), float(h), float(x + w), 0};
}

art::Layer* Importer::NewLayer(const std::string& title) {
  if (!firstLayerUsed_) {
    firstLayerUsed_ = true;
    art::Layer* layer = doc_->LayerAt(0);
    doc_->SetLayerTitle(layer, title);
    return layer;
  }
  art::Layer* layer = doc_->NewLayer(title, Placement::Above, nullptr);
  doc_->SetCurrentLayer(layer);
  return layer;
}

void Importer::ReadTopLevel(const pugi::xml_node& root, const Context& rootContext) {
  for (pugi::xml_node node : root.children()) {
    if (node.type() != pugi::node_element) continue;
    std::string_view name = LocalName(node);
    // Definitions, generated ones included, and foreign elements are not
    // art: they are written back where they stand.
    if (node.attribute("vx:generated")) continue;
    if (IsNonRendering(name) || name.find(':') != std::string_view::npos) continue;
    if (name == "g" && std::string_view(node.attribute("inkscape:groupmode").value()) == "layer") {
      implicitLayer_ = nullptr;
      ReadLayer(node, rootContext);
      continue;
    }
    if (!implicitLayer_) {
      implicitLayer_ = NewLayer("Layer " + std::to_string(doc_->LayerCount() + 1));
      result_.kept.implicitLayers.insert(implicitLayer_->uid);
    }
    ReadElement(node, rootContext, implicitLayer_->group);
  }
}

void Importer::ReadLayer(const pugi::xml_node& node, const Context& parent) {
  bool ok = true;
  Context context = Enter(node, parent, &ok);
  std::string id = node.attribute("id").value();
  std::string title = node.attribute("inkscape:label").value();
  if (title.empty()) title = id.empty() ? "Layer " + std::to_string(doc_->LayerCount() + 1) : id;
  art::Layer* layer = NewLayer(title);
  doc_->SetLayerId(layer, id);
  if (context.style.Get("display") == "none") doc_->SetLayerVisible(layer, false);
  if (std::string_view(node.attribute("sodipodi:insensitive").value()) == "true") {
    doc_->SetLayerEditable(layer, false);
  }
  KeptElement kept;
  KeepAttributes(node, context.style, kept, false);
  if (kept.HoldsAny()) {
    result_.kept.layers[layer->uid] = std::move(kept);
  }
  BindUnit(source_->layers, layer->uid, node, layer->group->uid(), parent, context);
  pending_.clear();
  if (!ok) return;
  ReadChildren(node, context, layer->group);
}

Context Importer::Enter(const pugi::xml_node& node, const Context& parent, bool* ok) {
  // The style is computed in place (a style is a large record).
  Context context{parent.ctm, Style::Compute(parent.style, node, sheet_), parent.depth + 1};
  if (pugi::xml_attribute t = node.attribute("transform")) {
    auto transform = ParseTransform(t.value());
    if (!transform) {
      Note("invalid transform ignored: \"" + std::string(t.value()).substr(0, 40) + "\"");
    } else {
      context.ctm = *transform * parent.ctm;
      if (std::fabs(context.ctm.Det()) < 1e-300) {
        *ok = false;  // a singular transform draws nothing
      }
    }
  }
  return context;
}

void Importer::ReadChildren(const pugi::xml_node& node, const Context& context, Art* container) {
  for (pugi::xml_node child : node.children()) {
    if (child.type() != pugi::node_element) continue;
    ReadElement(child, context, container);
  }
}

void Importer::ReadElement(const pugi::xml_node& node, const Context& parent, Art* container) {
  const size_t mark = pending_.size();
  std::string_view name = LocalName(node);
  auto opaque = [&] {
    if (Art* art = ReadOpaque(node, parent, container)) Bind(node, art, 0, parent, parent, mark);
  };
  // The rare attributes that decide how the element is read, in one walk.
  bool keptWrapper = false, pathEffect = false;
  for (pugi::xml_attribute a = node.first_attribute(); a; a = a.next_attribute()) {
    const std::string_view attribute = a.name();
    keptWrapper = keptWrapper || attribute == "vx:kept";
    pathEffect = pathEffect || attribute == "inkscape:path-effect";
  }
  // Definitions inside the drawing, and wrappers kept by earlier runs: kept
  // where they stand.
  if (IsNonRendering(name) || keptWrapper) return opaque();
  bool ok = true;
  Context context = Enter(node, parent, &ok);
  if (!ok) return;
  if (context.style.Get("filter", "none") != "none" || context.style.Get("mask", "none") != "none") {
    return opaque();
  }
  bool isGroup = name == "g" || name == "a";
  if (!isGroup && !IsShape(name) && name != "text") return opaque();
  // Inkscape path effects compute the drawn path from a source the model
  // does not hold: left as they are.
  if (pathEffect) return opaque();
  Art* target = container;
  Art* clipGroup = nullptr;
  // The clip-path attribute is a presentation attribute: in the style.
  if (context.style.Has("clip-path")) {
    std::string_view clip = context.style.Get("clip-path", "none");
    if (clip != "none") {
      if (!ReadClipGroup(node, context, container, &target)) return opaque();
      if (target != container) clipGroup = target;
    }
  }
  if (isGroup && (IsEffectArtElement(node) || IsLiveEffectElement(node))) {
    if (Art* effect = ReadEffectArt(node, context, target)) {
      Bind(node, clipGroup ? clipGroup : effect, 0, parent, context, mark);
    }
    return;
  }
  if (isGroup) {
    Art* group = nullptr;
    if (doc_->NewArt(ArtKind::Group, Placement::InsideOnTop, target, &group)) return;
    if (context.style.Get("display") == "none") doc_->SetUserAttrs(*group, kArtHidden, kArtHidden);
    KeptElement kept;
    if (name == "a") kept.More().tag = "a";
    FinishArt(group, KeepAttributes(node, context.style, kept, false), std::move(kept));
    Bind(node, clipGroup ? clipGroup : group, group->uid(), parent, context, mark);
    ReadChildren(node, context, group);
    return;
  }
  Art* art = name == "text" ? ReadText(node, context, target) : ReadShape(node, context, target);
  if (clipGroup || art) Bind(node, clipGroup ? clipGroup : art, 0, parent, context, mark);
}

Art* Importer::ReadEffectArt(const pugi::xml_node& node, const Context& context,
                             Art* container) {
  Art* effect = nullptr;
  if (doc_->NewArt(ArtKind::PluginGroup, Placement::InsideOnTop, container, &effect)) return nullptr;
  KeptElement kept;
  FinishArt(effect, KeepAttributes(node, context.style, kept, false), std::move(kept));
  std::vector<uint8_t> record;
  if (IsLiveEffectElement(node)) {
    std::string why;
    if (auto instance = ReadLiveEffect(node, &why))
      doc_->MutablePlugin(*effect).live =
          std::make_shared<const live::LiveEffectInstance>(std::move(*instance));
    else
      Note("live effect art " + why + ": only its result and source are kept");
  } else if (ReadEffectRecord(node, &record)) {
    doc_->MutablePlugin(*effect).data = std::move(record);
  } else {
    Note("live effect art without a readable vx:record: its parameters are lost");
  }
  // The parts' own attributes are ours (role, display): their children are
  // read in the effect art's context.
  if (pugi::xml_node result = EffectArtPart(node, "result"))
    ReadChildren(result, context, effect->resultGroup());
  if (pugi::xml_node edit = EffectArtPart(node, "edit"))
    ReadChildren(edit, context, effect->editGroup());
  if (ResultEditedElsewhere(node)) result_.kept.editedResults.insert(effect->uid());
  return effect;
}

pugi::xml_attribute Importer::Href(const pugi::xml_node& node) const {
  pugi::xml_attribute href = node.attribute("xlink:href");
  return href ? href : node.attribute("href");
}

pugi::xml_node Importer::Referenced(std::string_view id) const {
  auto it = ids_.find(id);
  return it == ids_.end() ? pugi::xml_node() : it->second;
}

pugi::xml_node Importer::ResolveHref(const pugi::xml_node& node) const {
  std::string_view href = Href(node).value();
  if (!href.starts_with("#")) return {};
  return Referenced(href.substr(1));
}

Art* Importer::ReadOpaque(const pugi::xml_node& node, const Context& parent, Art* container) {
  Art* art = nullptr;
  if (doc_->NewArt(ArtKind::Opaque, Placement::InsideOnTop, container, &art)) return nullptr;
  std::string markup = Markup(node);
  // The element keeps its place: the transform and inherited style of its
  // ancestors go on a wrapper group, marked so that reading it again takes
  // the wrapper as it is.
  bool isWrapper = node.attribute("vx:kept");
  std::string wrapper;
  if (!parent.ctm.IsIdentity(0)) wrapper += " transform=\"" + FormatTransform(parent.ctm) + "\"";
  std::string inherited = parent.style.InheritedText();
  if (!inherited.empty() && !isWrapper) {
    std::string escaped;
    for (char c : inherited) {
      if (c == '"') escaped += "&quot;";
      else if (c == '&') escaped += "&amp;";
      else if (c == '<') escaped += "&lt;";
      else escaped += c;
    }
    wrapper += " style=\"" + escaped + "\"";
  }
  if (!wrapper.empty()) markup = "<g vx:kept=\"1\"" + wrapper + ">" + markup + "</g>";
  art::OpaqueData& data = doc_->MutableOpaque(*art);
  data.markup = std::move(markup);
  if (const char* id = node.attribute("id").value(); *id) doc_->SetId(*art, id);
  std::string_view name = LocalName(node);
  if (isWrapper) {
    pugi::xml_node inner = node.find_child([](const pugi::xml_node& n) {
      return n.type() == pugi::node_element;
    });
    if (inner) name = LocalName(inner);
    if (const char* id = inner.attribute("id").value(); *id) doc_->SetId(*art, id);
  }
  return art;
}

std::optional<double> Importer::LengthAttr(const pugi::xml_node& node, const char* name,
                                           double def, double percentBase) {
  pugi::xml_attribute a = node.attribute(name);
  if (!a) return def;
  auto v = ParseLength(a.value(), percentBase);
  if (!v) {
    Note(std::string("invalid ") + name + " on <" + node.name() + ">: element dropped");
  }
  return v;
}

bool Importer::ShapeGeometry(const pugi::xml_node& node, BezierPaths* out) {
  std::string_view name = LocalName(node);
  if (name == "path") {
    if (!ReadPathData(node.attribute("d").value(), out)) {
      Note("path data with errors read up to the first error");
    }
    return true;
  }
  double diagonal = std::sqrt((viewWidth_ * viewWidth_ + viewHeight_ * viewHeight_) / 2);
  std::optional<BezierPaths> geometry = OtherShapeGeometry(node, name, diagonal);
  if (!geometry) return false;
  *out = std::move(*geometry);
  return true;
}

std::optional<BezierPaths> Importer::OtherShapeGeometry(const pugi::xml_node& node,
                                                        std::string_view name, double diagonal) {
  if (name == "rect") {
    auto x = LengthAttr(node, "x", 0, viewWidth_), y = LengthAttr(node, "y", 0, viewHeight_);
    auto w = LengthAttr(node, "width", 0, viewWidth_), h = LengthAttr(node, "height", 0, viewHeight_);
    if (!x || !y || !w || !h) return std::nullopt;
    auto rx = ParseLength(node.attribute("rx").value(), viewWidth_);
    auto ry = ParseLength(node.attribute("ry").value(), viewHeight_);
    if (rx && *rx < 0) rx.reset();
    if (ry && *ry < 0) ry.reset();
    if (!rx && ry) rx = ry;
    if (!ry && rx) ry = rx;
    double rxv = std::min(rx.value_or(0), *w / 2), ryv = std::min(ry.value_or(0), *h / 2);
    if (*w <= 0 || *h <= 0) return BezierPaths{};
    return BezierPaths{RectanglePath(*x, *y, *w, *h, rxv, ryv)};
  }
  if (name == "circle" || name == "ellipse") {
    auto cx = LengthAttr(node, "cx", 0, viewWidth_), cy = LengthAttr(node, "cy", 0, viewHeight_);
    std::optional<double> rx, ry;
    if (name == "circle") {
      rx = ry = LengthAttr(node, "r", 0, diagonal);
    } else {
      rx = LengthAttr(node, "rx", 0, viewWidth_);
      ry = LengthAttr(node, "ry", 0, viewHeight_);
    }
    if (!cx || !cy || !rx || !ry) return std::nullopt;
    if (*rx <= 0 || *ry <= 0) return BezierPaths{};
    return BezierPaths{EllipsePath(*cx, *cy, *rx, *ry)};
  }
  if (name == "line") {
    auto x1 = LengthAttr(node, "x1", 0, viewWidth_), y1 = LengthAttr(node, "y1", 0, viewHeight_);
    auto x2 = LengthAttr(node, "x2", 0, viewWidth_), y2 = LengthAttr(node, "y2", 0, viewHeight_);
    if (!x1 || !y1 || !x2 || !y2) return std::nullopt;
    return BezierPaths{PolylinePath({{*x1, *y1}, {*x2, *y2}}, false)};
  }
  // polyline, polygon: an odd number of coordinates drops the last one, and
  // junk ends the list (what renderers draw).
  std::vector<Point> points;
  TextCursor cursor(node.attribute("points").value());
  for (;;) {
    cursor.SkipCommaSpace();
    auto x = cursor.ReadNumber();
    if (!x) break;
    cursor.SkipCommaSpace();
    auto y = cursor.ReadNumber();
    if (!y) break;
    points.push_back({*x, *y});
  }
  cursor.SkipSpace();
  if (!cursor.AtEnd()) Note("<" + std::string(name) + "> points with errors read up to the error");
  if (points.size() < 2) return BezierPaths{};
  return BezierPaths{PolylinePath(points, name == "polygon")};
}

void Importer::ApplyNodeTypes(const pugi::xml_node& node, BezierPaths& geometry) const {
  std::string_view types = node.attribute("sodipodi:nodetypes").value();
  if (LocalName(node) != "path" || geometry.size() != 1) return;
  std::vector<Anchor>& anchors = geometry[0].anchors;
  // A closed path's letters name its first anchor again at the end.
  const std::size_t letters = anchors.size() + (geometry[0].closed ? 1 : 0);
  if (types.size() != letters) return;
  for (std::size_t i = 0; i < anchors.size(); ++i) anchors[i].corner = types[i] == 'c';
}

Segment Importer::ToSegment(const Anchor& a) const {
  Segment s{};
  s.p = {float(a.p[0]), float(a.p[1])};
  s.in = {float(a.in[0]), float(a.in[1])};
  s.out = {float(a.out[0]), float(a.out[1])};
  s.corner = a.corner ? 1 : 0;
  return s;
}

Art* Importer::MakePathArt(const BezierPaths& paths, const AIPathStyle& style, Art* container) {
  Art* art = nullptr;
  auto fill = [&](Art* pathArt, const BezierPath& path) {
    art::PathData& data = doc_->MutablePath(*pathArt);
    data.segments.reserve(path.anchors.size());
    for (const Anchor& a : path.anchors) data.segments.push_back(ToSegment(a));
    data.selection.assign(data.segments.size(), kSegmentNotSelected);
    data.closed = path.closed;
    data.style = style;
  };
  if (paths.size() == 1) {
    if (doc_->NewArt(ArtKind::Path, Placement::InsideOnTop, container, &art)) return nullptr;
    fill(art, paths[0]);
    return art;
  }
  if (doc_->NewArt(ArtKind::CompoundPath, Placement::InsideOnTop, container, &art)) return nullptr;
  // The first subpath ends up the topmost member, as it is in the data.
  for (auto it = paths.rbegin(); it != paths.rend(); ++it) {
    Art* member = nullptr;
    if (doc_->NewArt(ArtKind::Path, Placement::InsideOnTop, art, &member)) continue;
    fill(member, *it);
  }
  return art;
}

Art* Importer::ReadShape(const pugi::xml_node& node, const Context& context, Art* container) {
  // Shapes the model cannot hold stay in the file as they are (the element
  // is not bound to art and is written back where it stands).
  // One geometry for every shape read: its room is reused.
  BezierPaths& geometry = shapeGeometry_;
  if (!ShapeGeometry(node, &geometry)) return nullptr;
  if (limits_.cornersFromNodeTypes) ApplyNodeTypes(node, geometry);
  if (geometry.empty()) return nullptr;
  // In SVG's y-down space the builder's top is the largest y, its bottom the smallest.
  art::BoundsBuilder bbox;
  bool haveBox = false;
  for (const BezierPath& path : geometry) {
    for (const Anchor& a : path.anchors) {
      bbox.Add(a.p.h, a.p.v), haveBox = true;
    }
  }
  // The source coordinates are not needed again: the geometry becomes the page's.
  if (!TransformWithin(geometry, context.ctm * flip_, limits_.maxCoordinate)) return nullptr;
  const BezierPaths& page = geometry;
  KeptElement kept;
  AIPathStyle style = PathStyleOf(node, context.style, context, haveBox ? &bbox : nullptr, kept);
  // Only a pattern reference written back needs the transform.
  const bool referred = !kept.more().fillReference.empty() || !kept.more().strokeReference.empty();
  if (referred && !context.ctm.IsIdentity(0)) {
    kept.More().hasPaintTransform = true;
    for (int i = 0; i < 6; ++i) kept.More().paintTransform[i] = context.ctm[i];
  }
  Art* art = MakePathArt(page, style, container);
  if (!art) return nullptr;
  if (context.style.Get("display") == "none") doc_->SetUserAttrs(*art, kArtHidden, kArtHidden);
  FinishArt(art, KeepAttributes(node, context.style, kept, true), std::move(kept));
  return art;
}

void Importer::FinishArt(Art* art, const ElementNames& names, KeptElement&& kept) {
  if (*names.id) doc_->SetId(*art, names.id);
  if (*names.label) doc_->SetName(*art, names.label);
  if (kept.HoldsAny()) {
    result_.kept.art.insert_or_assign(art->uid(), std::move(kept));
  }
}

Importer::ElementNames Importer::KeepAttributes(const pugi::xml_node& node, const Style& style,
                                                KeptElement& kept, bool keepInheritedExtras) {
  const Geometry* geometry = GeometryOf(LocalName(node));
  ElementNames names;
  bool editorData = false;
  for (pugi::xml_attribute a = node.first_attribute(); a; a = a.next_attribute()) {
    std::string_view name = a.name();
    // Of repeated names, the last one that is not empty counts.
    if (name == "id" && *a.value()) names.id = a.value();
    if (name == "inkscape:label" && *a.value()) names.label = a.value();
    if (IsConsumedAttribute(geometry, name)) continue;
    if (IsEditorGeometry(name)) {
      editorData = true;
      continue;
    }
    kept.attributes.emplace_back(name, a.value());
  }
  if (editorData) Note("editor shape data (sodipodi/inkscape geometry attributes) not written back");
  // Most elements set none of the properties below: their lists are skipped.
  if (keepInheritedExtras && style.HasAny(kKeptInheritedSlots)) {
    for (const KeptProperty& p : kKeptInherited) {
      if (!style.Has(p.key)) continue;  // the initial value
      std::string_view value = style.Get(p.key);
      if (value != p.initial) kept.attributes.emplace_back(p.key.name, std::string(value));
    }
  } else if (!keepInheritedExtras && style.OwnsAny(kKeptInheritedSlots)) {
    // Groups: inherited properties reach the members through their own
    // styles; only those the model drops are repeated on the group.
    for (const KeptProperty& p : kKeptInherited) {
      if (style.IsOwn(p.key)) kept.attributes.emplace_back(p.key.name, std::string(style.Get(p.key)));
    }
  }
  if (style.OwnsAny(kKeptOwnSlots)) {
    for (Style::Key p : kKeptOwn) {
      if (style.IsOwn(p)) kept.attributes.emplace_back(p.name, std::string(style.Get(p)));
    }
  }
  for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling()) {
    if (child.type() != pugi::node_element) continue;
    std::string_view name = LocalName(child);
    if (name == "title" || name == "desc" || name == "metadata") kept.More().childMarkup += Markup(child);
  }
  return names;
}

// ---- paint ------------------------------------------------------------

AIPathStyle Importer::PathStyleOf(const pugi::xml_node& node, const Style& style,
                                  const Context& ctx, const art::BoundsBuilder* bbox, KeptElement& kept) {
  AIPathStyle s = art::DefaultPathStyle();
  std::string fillReference, fillFallback, strokeReference, strokeFallback;
  bool painted = true;
  if (!PaintOf(node, style.Get("fill", "black"), style, ctx, bbox, &s.fill.color, &painted,
               &fillReference, &fillFallback)) {
    painted = true;
    s.fill.color = art::DefaultPathStyle().fill.color;
  }
  s.fillPaint = painted;
  painted = false;
  if (!PaintOf(node, style.Get("stroke", "none"), style, ctx, bbox, &s.stroke.color, &painted,
               &strokeReference, &strokeFallback)) {
    painted = false;
  }
  s.strokePaint = painted;
  kept.fillUnset = !style.Has("fill");
  kept.strokeUnset = !style.Has("stroke");
  if (!fillReference.empty() || !fillFallback.empty() ||
      !strokeReference.empty() || !strokeFallback.empty()) {
    KeptExtras& more = kept.More();
    more.fillReference = std::move(fillReference);
    more.fillFallback = std::move(fillFallback);
    more.strokeReference = std::move(strokeReference);
    more.strokeFallback = std::move(strokeFallback);
    more.fillColor = s.fill.color;
    more.strokeColor = s.stroke.color;
  }
  s.evenodd = style.Get("fill-rule") == "evenodd";

  // Stroke widths and dashes scale with the transform (by the square root of
  // its determinant: exact for uniform scaling).
  double scale = std::sqrt(std::fabs(ctx.ctm.Det()));
  if (!ctx.ctm.IsUniformScaleOrRotation(1e-6) && s.strokePaint) {
    bool similarity = Near(ctx.ctm[0] * ctx.ctm[0] + ctx.ctm[1] * ctx.ctm[1],
                           ctx.ctm[2] * ctx.ctm[2] + ctx.ctm[3] * ctx.ctm[3], 1e-6) &&
                      Near(ctx.ctm[0] * ctx.ctm[2] + ctx.ctm[1] * ctx.ctm[3], 0, 1e-6);
    if (!similarity) Note("strokes under a non-uniform transform drawn with an average width");
  }
  // Unset lengths take their initial values without reading a text.
  auto width = style.Has("stroke-width") ? ParseLength(style.Get("stroke-width"), viewWidth_)
                                         : std::optional<double>(1);
  s.stroke.width = float(width && *width >= 0 ? *width * scale : scale);
  std::string_view cap = style.Get("stroke-linecap", "butt");
  s.stroke.cap = cap == "round" ? kAIRoundCap : cap == "square" ? kAIProjectingCap : kAIButtCap;
  std::string_view join = style.Get("stroke-linejoin", "miter");
  s.stroke.join = join == "round" ? kAIRoundJoin : join == "bevel" ? kAIBevelJoin : kAIMiterJoin;
  if (auto miter = style.Has("stroke-miterlimit") ? ParseNumber(style.Get("stroke-miterlimit"))
                                                  : std::optional<double>(4);
      miter && *miter >= 1) {
    s.stroke.miterLimit = float(*miter);
  }
  std::string_view dashes = style.Get("stroke-dasharray", "none");
  if (dashes != "none") {
    auto values = ParseNumberList(dashes);
    if (values && !values->empty()) {
      // An odd list repeats once to make it even, as SVG does.
      if (values->size() % 2) {
        auto copy = *values;
        values->insert(values->end(), copy.begin(), copy.end());
      }
      bool allZero = true, negative = false;
      for (double v : *values) allZero &= v == 0, negative |= v < 0;
      if (negative || allZero) {
        // Invalid or zero dashes draw a solid line.
      } else if (values->size() > 6) {
        Note("dash patterns longer than 6 values cut to 6");
      }
      if (!negative && !allZero) {
        size_t n = std::min<size_t>(values->size(), 6);
        s.stroke.dash.length = int16_t(n);
        for (size_t i = 0; i < n; ++i) s.stroke.dash.array[i] = float((*values)[i] * scale);
        auto offset = ParseLength(style.Get("stroke-dashoffset", "0"), viewWidth_);
        s.stroke.dash.offset = float(offset.value_or(0) * scale);
      }
    } else {
      Note("invalid stroke-dasharray ignored");
    }
  }
  return s;
}

const std::optional<Paint>& Importer::ParsedPaint(std::string_view text) {
  for (const ParsedPaintText& p : parsedPaints_) {
    if (p.text.data() && p.text == text) return p.paint;
  }
  ParsedPaintText& p = parsedPaints_[nextParsedPaint_];
  nextParsedPaint_ = (nextParsedPaint_ + 1) % std::size(parsedPaints_);
  p.text = text;
  p.paint = ParsePaint(text);
  return p.paint;
}

bool Importer::PaintOf(const pugi::xml_node& /*element*/, std::string_view text, const Style& style,
                       const Context& ctx, const art::BoundsBuilder* bbox, AIColor* color,
                       bool* painted, std::string* reference, std::string* fallback) {
  const std::optional<Paint>& paint = ParsedPaint(text);
  if (!paint) {
    Note("invalid paint \"" + std::string(text.substr(0, 40)) + "\" read as its default");
    return false;
  }
  switch (paint->kind) {
    case Paint::Kind::kNone: *painted = false; return true;
    case Paint::Kind::kColor:
      *painted = paint->color.alpha > 0;
      if (paint->color.alpha > 0 && paint->color.alpha < 1) {
        Note("colour transparency (rgba, hsla, #rrggbbaa) dropped");
      }
      *color = ModelColor(paint->color);
      if (paint->color.icc) {
        *fallback = FormatHexColor(paint->color.red, paint->color.green, paint->color.blue);
      }
      return true;
    case Paint::Kind::kCurrentColor: {
      auto current = ParseColor(style.Get("color", "black"));
      *painted = true;
      *color = ModelColor(current.value_or(Color{}));
      return true;
    }
    case Paint::Kind::kUrl: break;
  }
  pugi::xml_node target = Referenced(paint->url);
  std::string_view kind = target ? LocalName(target) : std::string_view();
  *painted = true;
  if ((kind == "linearGradient" || kind == "radialGradient") &&
      GradientStyle(target, ctx, bbox, color)) {
    return true;
  }
  *reference = std::string(text);
  if (kind == "pattern") {
    // The pattern's own transform (possibly inherited along its href chain).
    pugi::xml_node n = target;
    for (int hops = 0; n && hops < 16; ++hops, n = ResolveHref(n)) {
      if (pugi::xml_attribute t = n.attribute("patternTransform")) {
        result_.kept.patternTransforms[paint->url] = t.value();
        break;
      }
    }
    auto [it, added] = patterns_.try_emplace(paint->url, 0);
    if (added) {
      double x = ParseLength(target.attribute("x").value()).value_or(0);
      double y = ParseLength(target.attribute("y").value()).value_or(0);
      double w = ParseLength(target.attribute("width").value()).value_or(0);
      double h = ParseLength(target.attribute("height").value()).value_or(0);
      it->second = doc_->NewPattern(paint->url, AIRealRect{float(x), float(y + h), float(x + w), float(y)});
    }
    color->kind = kPattern;
    std::memset(&color->c, 0, sizeof color->c);
    color->c.p.pattern = it->second;
    color->c.p.scale = {1, 1};
    AIRealMatrix m{1, 0, 0, 1, 0, 0};
    color->c.p.transform = m;
    return true;
  }
  if (!target) Note("paint referring to a missing element #" + paint->url + " kept as written");
  // Anything else: the fallback colour (or black) in the model, the
  // reference kept for the file.
  if (paint->hasFallback && !paint->fallbackNone) {
    *color = ModelColor(paint->color);
  } else {
    *color = art::DefaultPathStyle().fill.color;
    if (paint->fallbackNone || !target) *painted = paint->hasFallback ? false : target != nullptr;
  }
  return true;
}

uint32_t Importer::GradientFor(const pugi::xml_node& gradient) {
  std::string id = gradient.attribute("id").value();
  if (auto it = gradients_.find(id); it != gradients_.end()) return it->second;
  // Stops come from the first gradient of the href chain that has any.
  pugi::xml_node source = gradient;
  for (int hops = 0; source && hops < 16; ++hops) {
    if (source.child("stop") || source.child("svg:stop")) break;
    source = ResolveHref(source);
  }
  art::Gradient g;
  g.type = LocalName(gradient) == "radialGradient" ? kRadialGradient : kLinearGradient;
  g.name = id;
  // The element that holds the stops: export refers to it for them.
  g.id = source ? source.attribute("id").value() : id;
  bool opacityDropped = false;
  float last = 0;
  if (source) {
    for (pugi::xml_node stop : source.children()) {
      if (LocalName(stop) != "stop") continue;
      Style stopStyle = Style::Compute(Style{}, stop, sheet_);
      AIGradientStop s{};
      auto offsetText = std::string(Trim(stop.attribute("offset").value()));
      double offset = 0;
      if (!offsetText.empty() && offsetText.back() == '%') {
        offset = ParseNumber(offsetText.substr(0, offsetText.size() - 1)).value_or(0) / 100;
      } else {
        offset = ParseNumber(offsetText).value_or(0);
      }
      float ramp = float(std::clamp(offset, 0.0, 1.0) * 100);
      s.rampPoint = std::max(ramp, last);
      last = s.rampPoint;
      s.midPoint = 50;
      auto c = ParseColor(stopStyle.Get("stop-color", "black"));
      s.color = ModelColor(c.value_or(Color{}));
      if (ParseNumber(stopStyle.Get("stop-opacity", "1")).value_or(1) < 1) opacityDropped = true;
      g.stops.push_back(s);
    }
  }
  if (opacityDropped) Note("gradient stop opacity not written back");
  uint32_t handle = doc_->NewGradient(g);
  gradients_[id] = handle;
  return handle;
}

// The gradient's vector in the model: origin, angle (degrees) and length in
// the gradient's own space, and the matrix from that space to the page.
bool Importer::GradientStyle(const pugi::xml_node& gradient, const Context& ctx,
                             const art::BoundsBuilder* bbox, AIColor* color) {
  // Attributes may be inherited along the href chain.
  auto attr = [this, &gradient](const char* name) -> pugi::xml_attribute {
    pugi::xml_node n = gradient;
    for (int hops = 0; n && hops < 16; ++hops) {
      if (pugi::xml_attribute a = n.attribute(name)) return a;
      n = ResolveHref(n);
    }
    return {};
  };
  bool boxUnits = std::string_view(attr("gradientUnits").value()) != "userSpaceOnUse";
  if (boxUnits && (!bbox || bbox->right - bbox->left <= 0 || bbox->top - bbox->bottom <= 0)) return false;
  double base = boxUnits ? 1 : viewWidth_;
  auto number = [&](const char* name, double def) {
    pugi::xml_attribute a = attr(name);
    if (!a) return def;
    std::string_view v = Trim(a.value());
    if (boxUnits && v.ends_with("%")) return ParseNumber(v.substr(0, v.size() - 1)).value_or(def) / 100;
    return ParseLength(v, base * 1).value_or(def);
  };
  Affine space;
  if (pugi::xml_attribute t = attr("gradientTransform")) {
    if (auto m = ParseTransform(t.value())) space = *m;
  }
  if (boxUnits) space = space * Affine{bbox->right - bbox->left, 0, 0, bbox->top - bbox->bottom, bbox->left, bbox->bottom};
  space = space * ctx.ctm * flip_;
  if (std::fabs(space.Det()) < 1e-300) return false;
  AIGradientStyle g{};
  g.gradient = GradientFor(gradient);
  if (LocalName(gradient) == "radialGradient") {
    double cx = number("cx", boxUnits ? 0.5 : viewWidth_ / 2);
    double cy = number("cy", boxUnits ? 0.5 : viewHeight_ / 2);
    double r = number("r", boxUnits ? 0.5 : viewWidth_ / 2);
    double fx = number("fx", cx), fy = number("fy", cy);
    g.gradientOrigin = {float(cx), float(cy)};
    g.gradientAngle = 0;
    g.gradientLength = float(r);
    double dx = fx - cx, dy = fy - cy;
    g.hiliteAngle = float(std::atan2(dy, dx) * 180 / M_PI);
    g.hiliteLength = r > 0 ? float(std::hypot(dx, dy) / r) : 0;
  } else {
    double x1 = number("x1", 0), y1 = number("y1", 0);
    double x2 = number("x2", boxUnits ? 1 : viewWidth_), y2 = number("y2", 0);
    g.gradientOrigin = {float(x1), float(y1)};
    g.gradientAngle = float(std::atan2(y2 - y1, x2 - x1) * 180 / M_PI);
    g.gradientLength = float(std::hypot(x2 - x1, y2 - y1));
  }
  g.matrix = AIRealMatrix{float(space[0]), float(space[1]), float(space[2]),
                          float(space[3]), float(space[4]), float(space[5])};
  color->kind = kGradient;
  color->c.b = g;
  return true;
}

// ---- clip paths -------------------------------------------------------

bool Importer::ReadClipGroup(const pugi::xml_node& /*element*/, const Context& context, Art* container,
                             Art** inner) {
  std::string_view clip = context.style.Get("clip-path");
  auto paint = ParsePaint(clip);  // url(#id) has the syntax of a paint
  if (!paint || paint->kind != Paint::Kind::kUrl) return false;
  pugi::xml_node clipPath = Referenced(paint->url);
  if (!clipPath || LocalName(clipPath) != "clipPath") {
    Note("clip-path referring to a missing clip path ignored");
    return true;  // renderers draw the element unclipped
  }
  if (std::string_view(clipPath.attribute("clipPathUnits").value()) == "objectBoundingBox") {
    return false;
  }
  if (clipPath.attribute("clip-path")) return false;
  Affine clipSpace = context.ctm;
  if (pugi::xml_attribute t = clipPath.attribute("transform")) {
    auto m = ParseTransform(t.value());
    if (!m) return false;
    clipSpace = *m * clipSpace;
  }
  // Every child must be a plain shape.
  struct Member {
    BezierPaths paths;
    bool evenodd;
  };
  std::vector<Member> members;
  for (pugi::xml_node child : clipPath.children()) {
    if (child.type() != pugi::node_element) continue;
    std::string_view name = LocalName(child);
    if (name == "title" || name == "desc") continue;
    if (!IsShape(name) || child.attribute("clip-path")) return false;
    Affine m = clipSpace;
    if (pugi::xml_attribute t = child.attribute("transform")) {
      auto own = ParseTransform(t.value());
      if (!own) return false;
      m = *own * m;
    }
    BezierPaths geometry;
    if (!ShapeGeometry(child, &geometry)) return false;
    if (!TransformWithin(geometry, m * flip_, limits_.maxCoordinate)) return false;
    Style childStyle = Style::Compute(Style{}, child, sheet_);
    members.push_back({std::move(geometry), childStyle.Get("clip-rule") == "evenodd"});
  }
  Art* group = nullptr;
  if (doc_->NewArt(ArtKind::Group, Placement::InsideOnTop, container, &group)) return false;
  doc_->MutableGroup(*group).clipped = true;
  KeptElement kept;
  kept.attributes.emplace_back("vx:clip-source", paint->url);
  result_.kept.art[group->uid()] = std::move(kept);
  // The clip paths go on top of the group; the element goes below them.
  for (const Member& m : members) {
    if (m.paths.empty()) continue;
    AIPathStyle style = art::DefaultPathStyle();
    style.fillPaint = 0;
    style.clip = 1;
    style.evenodd = m.evenodd;
    MakePathArt(m.paths, style, group);
  }
  if (members.empty()) {
    // An empty clip path hides the element: an empty clip member says so.
    Art* empty = nullptr;
    if (!doc_->NewArt(ArtKind::Path, Placement::InsideOnTop, group, &empty)) {
      AIPathStyle style = art::DefaultPathStyle();
      style.fillPaint = 0;
      style.clip = 1;
      doc_->MutablePath(*empty).style = style;
    }
  }
  // The element is placed below the clip members.
  *inner = group;
  return true;
}

// ---- text ---------------------------------------------------------------

Art* Importer::ReadText(const pugi::xml_node& node, const Context& context, Art* container) {
  auto first = [](const char* list) {
    auto values = ParseNumberList(list);
    return values && !values->empty() ? (*values)[0] : 0.0;
  };
  Point start{first(node.attribute("x").value()), first(node.attribute("y").value())};
  Point pageStart = start * context.ctm * flip_;
  const double size = ParseLength(context.style.Get("font-size", "16"), 16).value_or(16);
  // Like a shape out of range, a text the model cannot place (its start or
  // size past what a float holds) stays in the file as it is.
  const double limit = limits_.maxCoordinate;
  if (!(std::abs(pageStart[0]) <= limit && std::abs(pageStart[1]) <= limit && std::abs(size) <= limit))
    return nullptr;
  Art* text = nullptr;
  if (doc_->NewArt(ArtKind::Text, Placement::InsideOnTop, container, &text)) return nullptr;
  KeptElement kept;
  if (!context.ctm.IsIdentity(0)) {
    kept.More().hasTextTransform = true;
    for (int i = 0; i < 6; ++i) kept.More().textTransform[i] = context.ctm[i];
  }
  if (context.style.Get("display") == "none") doc_->SetUserAttrs(*text, kArtHidden, kArtHidden);
  art::TextData& data = doc_->MutableText(*text);
  data.start = {float(pageStart[0]), float(pageStart[1])};
  data.fontSize = float(size);
  data.fontFamily = std::string(context.style.Get("font-family"));
  const ElementNames names = KeepAttributes(node, context.style, kept, false);
  for (Style::Key p : kTextProperties) {
    std::string_view value = context.style.Get(p);
    if (!value.empty()) kept.attributes.emplace_back(p.name, std::string(value));
  }
  // The x and y lists beyond the first value place single glyphs: kept.
  for (const char* list : {"x", "y", "dx", "dy", "rotate"}) {
    auto values = ParseNumberList(node.attribute(list).value());
    if ((values && values->size() > 1) || ((list[0] == 'd' || list[0] == 'r') && node.attribute(list))) {
      kept.attributes.emplace_back(std::string("vx:text-") + list, node.attribute(list).value());
    }
  }
  FinishArt(text, names, std::move(kept));

  // Runs: one per piece of character data, styled by its element.
  bool onPath = false;
  std::vector<std::pair<std::string, std::pair<Style, pugi::xml_node>>> runs;
  std::function<void(const pugi::xml_node&, const Context&, int)> walk =
      [&](const pugi::xml_node& element, const Context& ctx, int depth) {
        if (depth > 32) {
          Note("text spans nested too deeply dropped");
          return;
        }
        for (pugi::xml_node child : element.children()) {
          if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata) {
            std::string cleaned = child.value();
            if (std::string_view(node.attribute("xml:space").value()) != "preserve" &&
                std::string_view(element.attribute("xml:space").value()) != "preserve") {
              // Indentation between the spans of a text is not text.
              if (element.find_child([](const pugi::xml_node& n) { return n.type() == pugi::node_element; }) &&
                  cleaned.find_first_not_of(" \t\r\n") == std::string::npos &&
                  cleaned.find('\n') != std::string::npos) {
                continue;
              }
            }
            runs.push_back({cleaned, {ctx.style, element}});
          } else if (child.type() == pugi::node_element) {
            std::string_view name = LocalName(child);
            Context inner;
            inner.style = Style::Compute(ctx.style, child, sheet_);
            inner.ctm = ctx.ctm;
            if (name == "tspan") {
              walk(child, inner, depth + 1);
            } else if (name == "textPath" && !onPath) {
              pugi::xml_node target = ResolveHref(child);
              std::optional<BezierPaths> geometry;
              if (target && IsShape(LocalName(target))) {
                geometry.emplace();
                if (!ShapeGeometry(target, &*geometry)) geometry.reset();
              }
              if (!geometry || geometry->empty()) {
                Note("text path referring to a missing path read as plain text");
                walk(child, inner, depth + 1);
                continue;
              }
              Affine m = ctx.ctm;
              if (auto t = ParseTransform(target.attribute("transform").value())) m = *t * m;
              const bool within = TransformWithin(*geometry, m * flip_, limits_.maxCoordinate);
              const double offset = ParseLength(child.attribute("startOffset").value()).value_or(0);
              if (!within || !(std::abs(offset) <= limits_.maxCoordinate))
                continue;
              onPath = true;
              Art* textPath = nullptr;
              if (doc_->NewArt(ArtKind::TextPath, Placement::InsideOnBottom, text, &textPath)) continue;
              doc_->MutableTextPath(*textPath).startOffset = float(offset);
              if (std::string_view(child.attribute("startOffset").value()).ends_with("%")) {
                Note("text path start offsets in percent read as 0");
              }
              MakePathArt(BezierPaths{(*geometry)[0]}, art::DefaultPathStyle(), textPath);
              walk(child, inner, depth + 1);
            } else if (name == "title" || name == "desc") {
              continue;
            } else {
              Note("<" + std::string(child.name()) + "> inside text dropped");
            }
          }
        }
      };
  walk(node, context, 0);
  // Runs are children below the text path, in reading order.
  for (auto& [contents, styled] : runs) {
    Art* run = nullptr;
    if (doc_->NewArt(ArtKind::TextRun, Placement::InsideOnBottom, text, &run)) continue;
    KeptElement runKept;
    Context runContext = context;
    art::TextRunData& data = doc_->MutableRun(*run);
    data.contents = contents;
    data.style = PathStyleOf(node, styled.first, runContext, nullptr, runKept);
    pugi::xml_node span = styled.second;
    // Character data straight in <text> or <textPath> is written back there
    // (renderers treat white space at span edges differently).
    bool direct = !span || LocalName(span) != "tspan";
    if (direct) runKept.More().tag = "#text";
    bool firstOfSpan = span && (&styled == &runs.front().second ||
                                (&styled - 1)->second != span);
    if (span && !direct && firstOfSpan) {
      for (const pugi::xml_attribute& a : span.attributes()) {
        std::string_view name = a.name();
        if (name == "style" || name == "id" || IsPresentationAttribute(name)) continue;
        runKept.attributes.emplace_back(a.name(), a.value());
      }
      if (const char* id = span.attribute("id").value(); *id) doc_->SetId(*run, id);
    }
    // Font properties differing from the text's are kept on the run.
    const Style& runStyle = styled.first;  // a lambda may not capture a structured binding
    auto keepDiffering = [&](const auto& keys) {
      for (const Style::Key& p : keys) {
        std::string_view value = runStyle.Get(p);
        if (!value.empty() && value != context.style.Get(p)) {
          runKept.attributes.emplace_back(p.name, std::string(value));
        }
      }
    };
    static constexpr Style::Key kFont[] = {"font-size", "font-family"};
    keepDiffering(kFont);
    keepDiffering(kTextProperties);
    for (const KeptProperty& p : kKeptInherited) {
      std::string_view value = styled.first.Get(p.key, p.initial);
      if (value != p.initial) runKept.attributes.emplace_back(p.key.name, std::string(value));
    }
    result_.kept.art[run->uid()] = std::move(runKept);
  }
  return text;
}

}  // namespace

std::optional<ImportResult> ImportSvg(std::string_view text, std::string* error,
                                      const ImportLimits& limits) {
  return ImportOwnedSvg(std::string(text), error, limits);
}

std::optional<ImportResult> ImportOwnedSvg(std::string&& text, std::string* error,
                                           const ImportLimits& limits) {
  Importer importer(limits);
  try {
    auto result = importer.Run(text, error);
    if (result) result->kept.sourceText = std::move(text);  // the writer copies from it
    return result;
  } catch (const PathModuleError& e) {
    *error = e.what();
    return std::nullopt;
  }
}

}  // namespace vx::host::svg
