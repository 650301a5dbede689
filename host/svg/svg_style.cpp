#include "host/svg/svg_style.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "host/svg/svg_numbers.h"

namespace vx::host::svg {

namespace {

// string_views: comparing one costs no strlen.
constexpr std::string_view kInherited[] = {
    "clip-rule", "color", "color-interpolation", "color-interpolation-filters",
    "color-profile", "color-rendering", "cursor", "direction", "dominant-baseline",
    "fill", "fill-opacity", "fill-rule", "font", "font-family", "font-size",
    "font-size-adjust", "font-stretch", "font-style", "font-variant", "font-weight",
    "glyph-orientation-horizontal", "glyph-orientation-vertical", "image-rendering",
    "kerning", "letter-spacing", "line-height", "marker", "marker-end", "marker-mid",
    "marker-start", "paint-order", "pointer-events", "shape-rendering", "stroke",
    "stroke-dasharray", "stroke-dashoffset", "stroke-linecap", "stroke-linejoin",
    "stroke-miterlimit", "stroke-opacity", "stroke-width", "text-anchor",
    "text-rendering", "visibility", "word-spacing", "writing-mode"};

constexpr std::string_view kNotInherited[] = {
    "alignment-baseline", "baseline-shift", "clip", "clip-path", "display",
    "enable-background", "filter", "flood-color", "flood-opacity", "lighting-color",
    "mask", "opacity", "overflow", "stop-color", "stop-opacity", "text-decoration",
    "unicode-bidi", "mix-blend-mode", "isolation", "solid-color", "solid-opacity",
    "vector-effect"};

bool InList(std::string_view name, const auto& list) {
  return std::any_of(std::begin(list), std::end(list),
                     [name](std::string_view entry) { return name == entry; });
}

std::string_view StripComments(std::string_view text, std::string& storage) {
  if (text.find("/*") == std::string_view::npos) return text;
  storage.clear();
  for (size_t i = 0; i < text.size();) {
    if (text.compare(i, 2, "/*") == 0) {
      size_t end = text.find("*/", i + 2);
      if (end == std::string_view::npos) break;
      i = end + 2;
    } else {
      storage += text[i++];
    }
  }
  return storage;
}

}  // namespace

std::vector<Declaration> ParseDeclarations(std::string_view text) {
  std::string storage;
  text = StripComments(text, storage);
  std::vector<Declaration> result;
  size_t pos = 0;
  while (pos < text.size()) {
    size_t end = text.find(';', pos);
    if (end == std::string_view::npos) end = text.size();
    std::string_view item = text.substr(pos, end - pos);
    pos = end + 1;
    size_t colon = item.find(':');
    if (colon == std::string_view::npos) continue;
    std::string name(Trim(item.substr(0, colon)));
    std::string_view value = Trim(item.substr(colon + 1));
    if (name.empty()) continue;
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return std::tolower(c); });
    result.emplace_back(std::move(name), std::string(value));
  }
  return result;
}

bool IsInherited(std::string_view property) { return InList(property, kInherited); }

bool IsPresentationAttribute(std::string_view name) {
  return InList(name, kInherited) || InList(name, kNotInherited);
}

std::vector<std::string> StyleSheet::Add(std::string_view css) {
  std::vector<std::string> skipped;
  std::string storage;
  css = StripComments(css, storage);
  size_t pos = 0;
  while (pos < css.size()) {
    size_t open = css.find('{', pos);
    if (open == std::string_view::npos) break;
    std::string_view prelude = Trim(css.substr(pos, open - pos));
    // Find the matching close brace (at-rules may nest blocks).
    size_t depth = 1, close = open + 1;
    for (; close < css.size() && depth > 0; ++close) {
      if (css[close] == '{') ++depth;
      if (css[close] == '}') --depth;
    }
    std::string_view body = css.substr(open + 1, close - open - 2 + (depth ? 1 : 0));
    pos = close;
    // CDATA markers and HTML comment tokens may wrap the sheet.
    for (std::string_view junk : {"<![CDATA[", "<!--", "-->"}) {
      while (prelude.starts_with(junk)) prelude = Trim(prelude.substr(junk.size()));
    }
    if (prelude.starts_with("@")) {
      skipped.emplace_back(prelude);
      continue;
    }
    auto declarations = ParseDeclarations(body);
    size_t start = 0;
    while (start <= prelude.size()) {
      size_t comma = prelude.find(',', start);
      if (comma == std::string_view::npos) comma = prelude.size();
      std::string_view text = Trim(prelude.substr(start, comma - start));
      start = comma + 1;
      if (text.empty()) continue;
      Selector selector;
      bool simple = true;
      size_t i = 0;
      auto readName = [&text, &i] {
        size_t begin = i;
        while (i < text.size() && (std::isalnum(static_cast<unsigned char>(text[i])) ||
                                   text[i] == '-' || text[i] == '_' || text[i] == ':' ||
                                   static_cast<unsigned char>(text[i]) >= 0x80)) {
          if (text[i] == ':' && begin == i) break;
          ++i;
        }
        return std::string(text.substr(begin, i - begin));
      };
      if (i < text.size() && text[i] == '*') {
        ++i;
      } else if (i < text.size() && text[i] != '.' && text[i] != '#') {
        selector.type = readName();
        selector.specificity += 1;
        if (selector.type.empty() || selector.type.find(':') != std::string::npos) simple = false;
      }
      while (simple && i < text.size()) {
        char c = text[i++];
        std::string name = readName();
        if (name.empty() || name.find(':') != std::string::npos) {
          simple = false;
        } else if (c == '.') {
          selector.classes.push_back(name);
          selector.specificity += 100;
        } else if (c == '#') {
          selector.id = name;
          selector.specificity += 10000;
        } else {
          simple = false;
        }
      }
      if (!simple) {
        skipped.emplace_back(text);
        continue;
      }
      rules_.push_back({std::move(selector), declarations, rules_.size()});
    }
  }
  std::stable_sort(rules_.begin(), rules_.end(), [](const Rule& a, const Rule& b) {
    return a.selector.specificity < b.selector.specificity;
  });
  return skipped;
}

std::vector<Declaration> StyleSheet::Match(const pugi::xml_node& element) const {
  std::vector<Declaration> result;
  if (rules_.empty()) return result;
  std::string_view type = element.name();
  std::string_view id = element.attribute("id").value();
  std::string_view classText = element.attribute("class").value();
  auto hasClass = [classText](std::string_view name) {
    size_t pos = 0;
    while (pos < classText.size()) {
      size_t end = classText.find_first_of(" \t\n\r", pos);
      if (end == std::string_view::npos) end = classText.size();
      if (classText.substr(pos, end - pos) == name) return true;
      pos = end + 1;
    }
    return false;
  };
  for (const Rule& rule : rules_) {
    const Selector& s = rule.selector;
    if (!s.type.empty() && s.type != type) continue;
    if (!s.id.empty() && s.id != id) continue;
    if (!std::all_of(s.classes.begin(), s.classes.end(), hasClass)) continue;
    result.insert(result.end(), rule.declarations.begin(), rule.declarations.end());
  }
  return result;
}

Style Style::Compute(const Style& parent, const pugi::xml_node& element,
                     const StyleSheet& sheet) {
  Style style;
  std::map<std::string, std::string, std::less<>> specified;
  std::map<std::string, std::string, std::less<>> important;
  for (const pugi::xml_attribute& attribute : element.attributes()) {
    if (IsPresentationAttribute(attribute.name())) {
      specified[attribute.name()] = std::string(Trim(attribute.value()));
    }
  }
  auto apply = [&](const std::vector<Declaration>& declarations) {
    for (const auto& [name, value] : declarations) {
      std::string_view v = value;
      size_t bang = v.rfind('!');
      if (bang != std::string_view::npos && Trim(v.substr(bang + 1)) == "important") {
        important[name] = std::string(Trim(v.substr(0, bang)));
      } else {
        specified[name] = value;
      }
    }
  };
  apply(sheet.Match(element));
  apply(ParseDeclarations(element.attribute("style").value()));
  for (auto& [name, value] : important) specified[name] = value;

  for (const auto& [name, value] : parent.values_) {
    if (IsInherited(name)) style.values_[name] = value;
  }
  for (auto& [name, value] : specified) {
    if (value == "inherit") {
      if (auto it = parent.values_.find(name); it != parent.values_.end()) {
        style.values_[name] = it->second;
      } else {
        style.values_.erase(name);
      }
    } else {
      style.values_[name] = value;
    }
    style.own_.push_back(name);
  }
  return style;
}

std::string_view Style::Get(std::string_view property, std::string_view fallback) const {
  auto it = values_.find(property);
  return it == values_.end() ? fallback : std::string_view(it->second);
}

bool Style::Has(std::string_view property) const { return values_.contains(property); }

}  // namespace vx::host::svg
