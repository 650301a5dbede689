#include "host/svg/svg_style.h"

#include <algorithm>
#include <bit>
#include <cctype>
#include <cstdint>
#include <cstring>

#include "host/svg/svg_numbers.h"

namespace vx::host::svg {

namespace {

// An open-addressed table from a cheap hash of a name (its length and three
// of its letters) to its slot: names are looked up for every attribute and
// every property asked for.
constexpr size_t kTableSize = 256;

constexpr size_t NameHash(std::string_view name) {
  if (name.empty()) return 0;
  auto at = [&name](size_t i) { return size_t(static_cast<unsigned char>(name[i])); };
  return (name.size() * 131 + at(0) * 31 + at(name.size() / 2) * 7 + at(name.size() - 1)) %
         kTableSize;
}

struct PropertyTable {
  int8_t slots[kTableSize];
  // Bit n of lengths[c]: a property of n letters begins with c. Most names
  // asked for (d, id, style, inkscape:label ...) are refused by it unhashed.
  uint32_t lengths[128];
  constexpr PropertyTable() : slots(), lengths() {
    for (int8_t& s : slots) s = -1;
    for (size_t i = 0; i < std::size(kProperties); ++i) {
      size_t h = NameHash(kProperties[i].name);
      while (slots[h] >= 0) h = (h + 1) % kTableSize;
      slots[h] = int8_t(i);
      lengths[size_t(kProperties[i].name[0])] |= uint32_t{1} << kProperties[i].name.size();
    }
  }
};
static_assert(std::all_of(std::begin(kProperties), std::end(kProperties), [](const Property& p) {
  return p.name.size() < 32 && p.name[0] >= 'a' && p.name[0] <= 'z';
}));
constexpr PropertyTable kPropertyTable;

// The slot of a property, or -1 when SVG does not know it.
int PropertyIndex(std::string_view name) {
  if (name.empty() || name.size() >= 32 || static_cast<unsigned char>(name[0]) >= 128 ||
      !(kPropertyTable.lengths[size_t(name[0])] >> name.size() & 1))
    return -1;
  for (size_t h = NameHash(name);; h = (h + 1) % kTableSize) {
    int slot = kPropertyTable.slots[h];
    if (slot < 0 || kProperties[slot].name == name) return slot;
  }
}

const std::bitset<Style::kKnown>& InheritedSlots() {
  static const std::bitset<Style::kKnown> slots = [] {
    std::bitset<Style::kKnown> bits;
    for (size_t i = 0; i < std::size(kProperties); ++i) bits[i] = kProperties[i].inherited;
    return bits;
  }();
  return slots;
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

// Calls visit(name, value) for each declaration of `text` (without
// comments; a declaration without a colon is ignored), both trimmed; the
// name as written (callers fold it to lower case).
template <typename Visit>
void ForEachDeclaration(std::string_view text, Visit visit) {
  size_t pos = 0;
  while (pos < text.size()) {
    size_t end = text.find(';', pos);
    if (end == std::string_view::npos) end = text.size();
    std::string_view item = text.substr(pos, end - pos);
    pos = end + 1;
    size_t colon = item.find(':');
    if (colon == std::string_view::npos) continue;
    std::string_view name = Trim(item.substr(0, colon));
    if (name.empty()) continue;
    visit(name, Trim(item.substr(colon + 1)));
  }
}

bool HasUpperCase(std::string_view text) {
  return std::any_of(text.begin(), text.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
}

std::string LowerCase(std::string_view text) {
  std::string lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return std::tolower(c); });
  return lower;
}

}  // namespace

std::vector<Declaration> ParseDeclarations(std::string_view text) {
  std::string storage;
  std::vector<Declaration> result;
  ForEachDeclaration(StripComments(text, storage), [&result](std::string_view name, std::string_view value) {
    result.emplace_back(LowerCase(name), std::string(value));
  });
  return result;
}

bool IsInherited(std::string_view property) {
  int index = PropertyIndex(property);
  return index >= 0 && kProperties[index].inherited;
}

bool IsPresentationAttribute(std::string_view name) { return PropertyIndex(name) >= 0; }

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
  ForEachMatch(element, [&result](const Declaration& d) { result.push_back(d); });
  return result;
}

void StyleSheet::ForEachMatch(const pugi::xml_node& element,
                              const std::function<void(const Declaration&)>& visit) const {
  if (rules_.empty()) return;
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
    for (const Declaration& d : rule.declarations) visit(d);
  }
}

// A specified value replaces the inherited one; "inherit" takes the
// parent's computed value (any property), or none when the parent has none.
void Style::Specify(std::string_view property, std::string_view value, const Style& parent) {
  SpecifyAt(PropertyIndex(property), property, value, parent);
}

// The same with the property's slot (-1: one SVG does not know) found.
void Style::SpecifyAt(int index, std::string_view property, std::string_view value,
                      const Style& parent) {
  std::optional<std::string_view> computed = value;
  if (value == "inherit") computed = parent.Find(property);
  if (index >= 0) {
    own_[index] = true;
    present_[index] = computed.has_value();
    if (computed) values_[index] = {computed->data(), computed->size()};
    return;
  }
  for (auto& [name, v] : other_) {
    if (name == property) {
      v = computed;
      return;
    }
  }
  other_.emplace_back(property, computed);
}

Style::Style(const Style& parent, const Slots& inherited)
    : present_(parent.present_ & inherited) {
  static_assert(kKnown <= 128);
  // The present slots, 64 at a time, lowest first.
  const uint64_t words[] = {(present_ & Slots(~uint64_t{0})).to_ullong(),
                            (present_ >> 64).to_ullong()};
  for (int w = 0; w < 2; ++w) {
    for (uint64_t bits = words[w]; bits; bits &= bits - 1) {
      const int slot = 64 * w + std::countr_zero(bits);
      values_[slot] = parent.values_[slot];
    }
  }
}

Style Style::Compute(const Style& parent, const pugi::xml_node& element,
                     const StyleSheet& sheet) {
  Style style(parent, InheritedSlots());
  // Cascade order: presentation attributes, the sheet, the style attribute;
  // "!important" declarations last, over all of them.
  std::vector<std::pair<std::string_view, std::string_view>> important;
  auto specify = [&](std::string_view name, std::string_view value) {
    // Values come trimmed: one marked important ends in its last letter.
    size_t bang = !value.empty() && value.back() == 't' ? value.rfind('!') : std::string_view::npos;
    if (bang != std::string_view::npos && Trim(value.substr(bang + 1)) == "important") {
      important.emplace_back(name, Trim(value.substr(0, bang)));
    } else {
      style.Specify(name, value, parent);
    }
  };
  pugi::xml_attribute styleAttribute;
  for (pugi::xml_attribute attribute = element.first_attribute(); attribute;
       attribute = attribute.next_attribute()) {
    std::string_view name = attribute.name();
    if (int index = PropertyIndex(name); index >= 0) {
      style.SpecifyAt(index, name, Trim(attribute.value()), parent);
    } else if (name == "style" && !styleAttribute) {
      styleAttribute = attribute;
    }
  }
  if (!sheet.empty()) {
    sheet.ForEachMatch(element, [&specify](const Declaration& d) { specify(d.first, d.second); });
  }
  if (styleAttribute) {
    std::string_view text = styleAttribute.value();
    if (text.find("/*") != std::string_view::npos) {
      std::string storage;
      text = sheet.Keep(std::string(StripComments(text, storage)));
    }
    ForEachDeclaration(text, [&](std::string_view name, std::string_view value) {
      specify(HasUpperCase(name) ? sheet.Keep(LowerCase(name)) : name, value);
    });
  }
  for (const auto& [name, value] : important) style.Specify(name, value, parent);
  return style;
}

std::optional<std::string_view> Style::Find(std::string_view property) const {
  if (int index = PropertyIndex(property); index >= 0) {
    if (present_[index]) return values_[index].view();
    return std::nullopt;
  }
  for (const auto& [name, value] : other_) {
    if (name == property) return value;
  }
  return std::nullopt;
}

std::string Style::InheritedText() const {
  std::string text;
  for (int i = 0; i < kKnown; ++i) {
    if (!present_[i] || !kProperties[i].inherited) continue;
    if (!text.empty()) text += ';';
    text.append(kProperties[i].name).append(":").append(values_[i].view());
  }
  return text;
}

}  // namespace vx::host::svg
