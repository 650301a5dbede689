#include "host/svg/svg_effect_art.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "host/core/host.h"
#include "host/core/registrations.h"

namespace vx::host::svg {
namespace {

constexpr char kAlphabet[] =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr const char* kEffectAttribute = "vx:effect";
constexpr const char* kRecordAttribute = "vx:record";
constexpr const char* kDigestAttribute = "vx:digest";

int SextetOf(char c) {
  if (c >= 'A' && c <= 'Z') return c - 'A';
  if (c >= 'a' && c <= 'z') return c - 'a' + 26;
  if (c >= '0' && c <= '9') return c - '0' + 52;
  if (c == '+') return 62;
  if (c == '/') return 63;
  return -1;
}

// The plug-in group name without its version label ("VERSALiX4 Border ").
std::string_view Kind(std::string_view name) {
  const auto at = name.find(" ver");
  return at == std::string_view::npos ? name : name.substr(0, at);
}

std::string KeptKind(const KeptElement* kept) {
  if (!kept) return {};
  for (const auto& [name, value] : kept->attributes)
    if (name == kEffectAttribute) return value;
  return {};
}

void Walk(art::Art* art, const std::function<void(art::Art&)>& visit) {
  for (art::Art* child = art->firstChild(); child; child = child->sibling()) {
    visit(*child);
    Walk(child, visit);
    if (child->editGroup()) Walk(child->editGroup(), visit);
    if (child->resultGroup()) Walk(child->resultGroup(), visit);
  }
}

bool InDigest(std::string_view attribute) {
  return attribute != "id" && !attribute.starts_with("sodipodi:") &&
         !attribute.starts_with("inkscape:");
}

}  // namespace

std::string ResultDigest(const pugi::xml_node& effectArt) {
  uint64_t h = 0xcbf29ce484222325ull;  // FNV-1a
  auto add = [&h](std::string_view text) {
    for (char c : text) h = (h ^ uint8_t(c)) * 0x100000001b3ull;
    h = (h ^ 0xff) * 0x100000001b3ull;  // a separator no text holds
  };
  std::vector<std::pair<std::string_view, std::string_view>> attributes;
  std::vector<pugi::xml_node> stack;
  if (pugi::xml_node result = EffectArtPart(effectArt, "result")) stack.push_back(result);
  while (!stack.empty()) {
    pugi::xml_node node = stack.back();
    stack.pop_back();
    if (!node) {
      add(")");
      continue;
    }
    if (node.type() == pugi::node_pcdata || node.type() == pugi::node_cdata) {
      std::string_view text = node.value();
      if (text.find_first_not_of(" \t\r\n") != std::string_view::npos) add(text);
      continue;
    }
    if (node.type() != pugi::node_element) continue;
    add(node.name());
    attributes.clear();
    for (pugi::xml_attribute a : node.attributes()) {
      if (InDigest(a.name())) attributes.emplace_back(a.name(), a.value());
    }
    std::sort(attributes.begin(), attributes.end());
    for (const auto& [name, value] : attributes) {
      add(name);
      add(value);
    }
    add("(");
    stack.push_back(pugi::xml_node());  // marks the end of the children
    for (pugi::xml_node c = node.last_child(); c; c = c.previous_sibling()) stack.push_back(c);
  }
  char text[17];
  std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(h));
  return text;
}

void WriteResultDigest(pugi::xml_node effectArt) {
  pugi::xml_attribute a = effectArt.attribute(kDigestAttribute);
  if (!a) a = effectArt.append_attribute(kDigestAttribute);
  a.set_value(ResultDigest(effectArt).c_str());
}

bool ResultEditedElsewhere(const pugi::xml_node& effectArt) {
  pugi::xml_attribute stored = effectArt.attribute(kDigestAttribute);
  return stored && ResultDigest(effectArt) != stored.value();
}

std::string EncodeBase64(const std::vector<uint8_t>& bytes) {
  std::string out;
  out.reserve((bytes.size() + 2) / 3 * 4);
  for (size_t i = 0; i < bytes.size(); i += 3) {
    const uint32_t n = uint32_t(bytes[i]) << 16 |
                       (i + 1 < bytes.size() ? uint32_t(bytes[i + 1]) << 8 : 0) |
                       (i + 2 < bytes.size() ? uint32_t(bytes[i + 2]) : 0);
    out += kAlphabet[(n >> 18) & 63];
    out += kAlphabet[(n >> 12) & 63];
    out += i + 1 < bytes.size() ? kAlphabet[(n >> 6) & 63] : '=';
    out += i + 2 < bytes.size() ? kAlphabet[n & 63] : '=';
  }
  return out;
}

std::optional<std::vector<uint8_t>> DecodeBase64(std::string_view text) {
  std::vector<uint8_t> out;
  uint32_t bits = 0;
  int count = 0, padding = 0;
  for (char c : text) {
    if (c == ' ' || c == '\n' || c == '\r' || c == '\t') continue;
    if (c == '=') {
      ++padding;
      continue;
    }
    const int v = SextetOf(c);
    if (v < 0 || padding) return std::nullopt;
    bits = bits << 6 | uint32_t(v);
    if (++count == 4) {
      out.push_back(uint8_t(bits >> 16));
      out.push_back(uint8_t(bits >> 8));
      out.push_back(uint8_t(bits));
      bits = 0;
      count = 0;
    }
  }
  if (count == 1 || padding > 2) return std::nullopt;
  if (count == 2) out.push_back(uint8_t(bits >> 4));
  if (count == 3) {
    out.push_back(uint8_t(bits >> 10));
    out.push_back(uint8_t(bits >> 2));
  }
  return out;
}

void WriteEffectArtAttributes(pugi::xml_node element, const art::Art& art,
                              const KeptElement* kept) {
  const art::PluginGroupData& data = art.plugin();
  std::string kind;
  if (data.group && Host::HasCurrent())
    if (const PluginGroup* group =
            Host::Current().registrations().FindPluginGroup(data.group))
      kind = group->name;
  if (kind.empty()) kind = KeptKind(kept);
  if (!kind.empty()) element.append_attribute(kEffectAttribute) = kind.c_str();
  element.append_attribute(kRecordAttribute) = EncodeBase64(data.data).c_str();
}

bool IsEffectArtElement(const pugi::xml_node& node) {
  return std::string_view(node.attribute("vx:role").value()) == "plugin-group";
}

pugi::xml_node EffectArtPart(const pugi::xml_node& node, std::string_view role) {
  for (pugi::xml_node child : node.children())
    if (std::string_view(child.attribute("vx:role").value()) == role) return child;
  return {};
}

bool ReadEffectRecord(const pugi::xml_node& node, std::vector<uint8_t>* record) {
  pugi::xml_attribute stored = node.attribute(kRecordAttribute);
  if (!stored) return false;
  auto bytes = DecodeBase64(stored.value());
  if (!bytes) return false;
  *record = std::move(*bytes);
  return true;
}

int BindEffectArt(art::Document& document, const KeptSvg& kept,
                  const Registrations& registrations) {
  int bound = 0;
  const auto groups = registrations.PluginGroups();
  for (int i = 0; i < document.LayerCount(); ++i) {
    Walk(document.LayerAt(i)->group, [&](art::Art& art) {
      if (art.kind() != art::ArtKind::PluginGroup || art.plugin().group) return;
      auto it = kept.art.find(art.uid());
      const std::string name = KeptKind(it == kept.art.end() ? nullptr : &it->second);
      if (name.empty()) return;
      const PluginGroup* match = nullptr;
      for (const PluginGroup* g : groups)
        if (g->name == name) match = g;
      if (!match)
        for (const PluginGroup* g : groups)
          if (Kind(g->name) == Kind(name)) match = g;
      if (!match) return;
      document.MutablePlugin(art).group = reinterpret_cast<AIPluginGroupHandle>(
          const_cast<PluginGroup*>(match));
      ++bound;
    });
  }
  // Binding is not an edit: nothing is regenerated for it.
  document.TakePendingUpdates();
  return bound;
}

}  // namespace vx::host::svg
