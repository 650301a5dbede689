#include "app/studio/canvas_delta.h"

#include <algorithm>
#include <map>
#include <set>
#include <vector>

#include <nlohmann/json.hpp>
#include <pugixml.hpp>

#include "host/art/change_stamp.h"
#include "host/svg/svg_export.h"
#include "host/svg/svg_xml.h"

namespace vx::app::studio {

using nlohmann::json;
namespace art = vx::host::art;
namespace svg = vx::host::svg;

namespace {

std::string Markup(const pugi::xml_node& node) {
  std::string text;
  svg::StringWriter writer(text);
  node.print(writer, "", pugi::format_raw, pugi::encoding_utf8);
  return text;
}

// An element's markup as the writer wrote it, sliced from the text it was
// read from (printing it again costs more than writing the document): it
// ends where the next node starts. The last child of its parent is printed.
std::string Slice(const pugi::xml_node& node, const std::string& text) {
  const pugi::xml_node next = node.next_sibling();
  // An element's offset is that of its name, just after the '<'.
  auto start = [](const pugi::xml_node& n) {
    const ptrdiff_t at = n.offset_debug();
    return at < 0 ? at : n.type() == pugi::node_element ? at - 1 : at;
  };
  const ptrdiff_t from = start(node), to = next ? start(next) : -1;
  if (from < 0 || to <= from || size_t(to) > text.size()) return Markup(node);
  return text.substr(size_t(from), size_t(to - from));
}

// An object's markup for a delta. One written inside a group that undoes
// its layer's transform (shared with its neighbours) comes in a group of
// its own with that transform, which then carries the object's mark
// (data-vx-wrap="own").
std::string OwnMarkup(const pugi::xml_node& node, const std::string& text) {
  const pugi::xml_node wrap = node.parent();
  if (!wrap.attribute("data-vx-wrap")) return Slice(node, text);
  pugi::xml_document own;
  pugi::xml_node g = own.append_child("g");
  g.append_attribute("transform") = wrap.attribute("transform").value();
  g.append_attribute("data-vx-wrap") = "own";
  g.append_attribute("data-vx-uid") = node.attribute("data-vx-uid").value();
  g.append_copy(node).remove_attribute("data-vx-uid");
  return Markup(g);
}

// The attributes of an object made of the same elements as before: each
// element of its subtree in document order as [name, {attribute: value}],
// the canvas marks left out (the page keeps its own), and path data only
// where it was written (the shapes changed). Null when the subtree holds
// text that may have changed (`textStays` false): attributes do not carry it.
json AttributesOf(const pugi::xml_node& object, bool textStays) {
  json elements = json::array();
  auto add = [&](const pugi::xml_node& e) {
    json attrs = json::object();
    for (const pugi::xml_attribute& a : e.attributes())
      if (!std::string_view(a.name()).starts_with("data-vx-")) attrs[a.name()] = a.value();
    elements.push_back(json::array({e.name(), std::move(attrs)}));
  };
  add(object);
  for (const pugi::xpath_node& x : object.select_nodes(".//node()")) {
    if (x.node().type() == pugi::node_element) add(x.node());
    else if (!textStays) return nullptr;
  }
  return elements;
}

}  // namespace

CanvasDelta::Snapshot CanvasDelta::Take(const art::Document& doc) {
  Snapshot s;
  const AIRealRect& page = doc.artboard;
  s.layers = std::to_string(page.left) + "," + std::to_string(page.top) + "," +
             std::to_string(page.right) + "," + std::to_string(page.bottom);
  size_t order = 0;
  for (const art::Layer* layer : doc.LayersInPaintOrder()) {
    s.layers += "|" + std::to_string(layer->uid) + (layer->visible ? "v" : "h") +
                (layer->editable ? "e" : "l") + layer->id + "\x1f" + layer->title;
    uint32_t below = 0;
    // The last child is painted first.
    for (const art::Art* a = layer->group->lastChild(); a; a = a->priorSibling()) {
      const art::Art* above = a->priorSibling();
      s.objects[a->uid()] = {art::StampOf(*a), layer->uid, below, above ? above->uid() : 0,
                             order++};
      below = a->uid();
    }
  }
  return s;
}

CanvasDelta::Answer CanvasDelta::Whole(const art::Document& doc, const svg::KeptSvg* kept,
                                       Snapshot now, std::string* error) {
  svg::ExportOptions options;
  options.markObjects = true;
  options.error = error;
  std::string text = svg::ExportSvg(doc, kept, options);
  if (!error->empty()) return {};
  shown_ = std::move(now);
  version_ = ++next_;
  return {{{"version", version_}, {"whole", true}}, kSeparator + std::move(text)};
}

CanvasDelta::Answer CanvasDelta::Since(const art::Document& doc, const svg::KeptSvg* kept,
                                       uint64_t since, std::string* error) {
  error->clear();
  Snapshot now = Take(doc);
  if (since == 0 || since != version_ || now.layers != shown_.layers)
    return Whole(doc, kept, std::move(now), error);

  // Changed or new objects, in paint order; and the deleted ones. Objects
  // left as they were stay in place unless their order among themselves
  // changed (then every one of them in the layer counts as changed).
  std::vector<std::pair<size_t, uint32_t>> changed;
  std::map<uint32_t, std::vector<std::pair<size_t, uint32_t>>> keptNow, keptShown;  // by layer
  for (const auto& [uid, placed] : now.objects) {
    auto was = shown_.objects.find(uid);
    if (was == shown_.objects.end() || was->second.stamp != placed.stamp ||
        was->second.layer != placed.layer) {
      changed.push_back({placed.order, uid});
    } else {
      keptNow[placed.layer].push_back({placed.order, uid});
      keptShown[placed.layer].push_back({was->second.order, uid});
    }
  }
  for (auto& [layer, kept] : keptNow) {
    auto& shown = keptShown[layer];
    std::sort(kept.begin(), kept.end());
    std::sort(shown.begin(), shown.end());
    if (!std::equal(kept.begin(), kept.end(), shown.begin(), shown.end(),
                    [](const auto& a, const auto& b) { return a.second == b.second; }))
      changed.insert(changed.end(), kept.begin(), kept.end());
  }
  json deleted = json::array();
  for (const auto& [uid, placed] : shown_.objects)
    if (!now.objects.count(uid)) deleted.push_back(uid);
  if (changed.empty() && deleted.empty())
    return {{{"version", version_}, {"whole", false}, {"objects", json::array()},
             {"deleted", deleted}},
            std::string(1, kSeparator)};
  // Objects changed where they stand are patched in place; objects new,
  // moved or deleted have to be built and placed, and when they are most of
  // the document, reading it whole is cheaper.
  auto inPlace = [&](uint32_t uid) {
    auto was = shown_.objects.find(uid);
    const Placed& placed = now.objects.at(uid);
    return was != shown_.objects.end() && was->second.layer == placed.layer &&
           was->second.below == placed.below;
  };
  // Changed where it stands and made of the same shapes: only attributes
  // changed, path data left out.
  auto paintOnly = [&](uint32_t uid) {
    const Placed& placed = now.objects.at(uid);
    return inPlace(uid) && shown_.objects.at(uid).stamp.shape == placed.stamp.shape &&
           shown_.objects.at(uid).stamp.any != placed.stamp.any;
  };
  // Changed where it stands and made of the same members (a drag moved
  // points): its elements' attributes, path data included, are set on the
  // elements the page has, sparing it the parsing of markup.
  auto sameMembers = [&](uint32_t uid) {
    return inPlace(uid) && shown_.objects.at(uid).stamp.structure == now.objects.at(uid).stamp.structure;
  };
  const size_t placedAnew =
      deleted.size() + size_t(std::count_if(changed.begin(), changed.end(),
                                            [&](const auto& c) { return !inPlace(c.second); }));
  if (placedAnew >= kWholeAtLeast &&
      double(placedAnew) > kWholeShare * double(std::max(now.objects.size(), shown_.objects.size())))
    return Whole(doc, kept, std::move(now), error);
  std::sort(changed.begin(), changed.end());

  // Objects whose shapes the page holds come without path data: writing
  // it is most of the cost of writing them.
  std::set<const art::Art*> only, paintOnlyArt;
  std::set<uint32_t> changedUids;
  for (const auto& [order, uid] : changed) {
    only.insert(doc.FindArt(uid));
    if (paintOnly(uid)) paintOnlyArt.insert(doc.FindArt(uid));
    changedUids.insert(uid);
  }
  svg::ExportOptions options;
  options.only = &only;
  options.withoutPathData = &paintOnlyArt;
  options.markObjects = true;
  options.error = error;
  // Ids made up for this delta never meet those the page already holds.
  options.idPrefix = "vx" + std::to_string(next_ + 1) + "-";
  const std::string text = svg::ExportSvg(doc, kept, options);
  if (!error->empty()) return {};
  pugi::xml_document xml;
  if (!xml.load_buffer(text.data(), text.size(), pugi::parse_default | pugi::parse_ws_pcdata))
    return Whole(doc, kept, std::move(now), error);

  std::unordered_map<uint32_t, pugi::xml_node> written;
  std::string defs;
  for (const pugi::xpath_node& x : xml.document_element().select_nodes("//*[@data-vx-uid]"))
    written[x.node().attribute("data-vx-uid").as_uint()] = x.node();
  for (pugi::xml_node d = xml.document_element().child("defs"); d; d = d.next_sibling("defs"))
    if (d.attribute("vx:generated"))
      for (pugi::xml_node c : d.children()) defs += Markup(c);

  json objects = json::array();
  std::string parts = kSeparator + defs;
  size_t markups = 0;
  for (const auto& [order, uid] : changed) {
    auto w = written.find(uid);
    if (w == written.end()) return Whole(doc, kept, std::move(now), error);
    const Placed& placed = now.objects.at(uid);
    if (const bool paint = paintOnly(uid); paint || sameMembers(uid)) {
      if (json attributes = AttributesOf(w->second, paint); !attributes.is_null()) {
        json entry = {{"uid", uid}, {"inPlace", true}, {"paint", std::move(attributes)}};
        // New path data is in the space of the group around it (one that
        // undoes its layer's transform, or none).
        if (!paint) {
          const pugi::xml_node wrap = w->second.parent();
          entry["wrap"] = wrap.attribute("data-vx-wrap") ? json(wrap.attribute("transform").value())
                                                         : json(nullptr);
        }
        objects.push_back(std::move(entry));
        continue;
      }
    }
    // Where it goes: after the object below it, else before the nearest
    // unchanged object above it, else at the end of its layer.
    uint32_t before = placed.above;
    while (before && changedUids.count(before)) before = now.objects.at(before).above;
    objects.push_back({{"uid", uid},
                       {"inPlace", inPlace(uid)},
                       {"layer", placed.layer},
                       {"after", placed.below},
                       {"before", placed.below ? 0 : before}});
    parts += kSeparator + OwnMarkup(w->second, text);
    ++markups;
  }
  if (std::count(parts.begin(), parts.end(), kSeparator) != std::ptrdiff_t(markups + 1))
    return Whole(doc, kept, std::move(now), error);  // the separator inside some text
  shown_ = std::move(now);
  const uint64_t from = version_;
  version_ = ++next_;
  return {{{"version", version_}, {"from", from}, {"whole", false}, {"objects", objects},
           {"deleted", deleted}},
          std::move(parts)};
}

}  // namespace vx::app::studio
