// The style cascade of SVG: presentation attributes, style sheet rules of
// simple selectors, the style attribute, "!important", "inherit" and the
// inheritance of inherited properties from the parent element.
#pragma once

#include <pugixml.hpp>

#include <algorithm>
#include <array>
#include <bitset>
#include <iterator>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vx::host::svg {

using Declaration = std::pair<std::string, std::string>;

// "fill: red; stroke : blue" -> {{"fill","red"},{"stroke","blue"}}. Comments
// are skipped; a declaration without a colon is ignored.
std::vector<Declaration> ParseDeclarations(std::string_view text);

// True for the properties SVG lets an element inherit from its parent.
bool IsInherited(std::string_view property);
// True for every property SVG also accepts as a presentation attribute.
bool IsPresentationAttribute(std::string_view name);

// Every property SVG also accepts as a presentation attribute, sorted by
// name (a property's index is its slot in a computed style), and whether an
// element inherits it from its parent.
struct Property {
  std::string_view name;
  bool inherited;
};
inline constexpr Property kProperties[] = {
    {"alignment-baseline", false}, {"baseline-shift", false}, {"clip", false},
    {"clip-path", false}, {"clip-rule", true}, {"color", true}, {"color-interpolation", true},
    {"color-interpolation-filters", true}, {"color-profile", true}, {"color-rendering", true},
    {"cursor", true}, {"direction", true}, {"display", false}, {"dominant-baseline", true},
    {"enable-background", false}, {"fill", true}, {"fill-opacity", true}, {"fill-rule", true},
    {"filter", false}, {"flood-color", false}, {"flood-opacity", false}, {"font", true},
    {"font-family", true}, {"font-size", true}, {"font-size-adjust", true},
    {"font-stretch", true}, {"font-style", true}, {"font-variant", true}, {"font-weight", true},
    {"glyph-orientation-horizontal", true}, {"glyph-orientation-vertical", true},
    {"image-rendering", true}, {"isolation", false}, {"kerning", true}, {"letter-spacing", true},
    {"lighting-color", false}, {"line-height", true}, {"marker", true}, {"marker-end", true},
    {"marker-mid", true}, {"marker-start", true}, {"mask", false}, {"mix-blend-mode", false},
    {"opacity", false}, {"overflow", false}, {"paint-order", true}, {"pointer-events", true},
    {"shape-rendering", true}, {"solid-color", false}, {"solid-opacity", false},
    {"stop-color", false}, {"stop-opacity", false}, {"stroke", true}, {"stroke-dasharray", true},
    {"stroke-dashoffset", true}, {"stroke-linecap", true}, {"stroke-linejoin", true},
    {"stroke-miterlimit", true}, {"stroke-opacity", true}, {"stroke-width", true},
    {"text-anchor", true}, {"text-decoration", false}, {"text-rendering", true},
    {"unicode-bidi", false}, {"vector-effect", false}, {"visibility", true},
    {"word-spacing", true}, {"writing-mode", true},
};

static_assert(std::is_sorted(std::begin(kProperties), std::end(kProperties),
                             [](const Property& a, const Property& b) { return a.name < b.name; }));

// The rules of <style> elements whose selectors are simple: a type, "*",
// "#id", ".class" or a combination of these without combinators, in
// comma-separated groups. Other rules are counted as not applied. Computed
// styles refer to the sheet's text: add every sheet before computing styles,
// and keep the sheet (and the elements) while the styles are in use.
class StyleSheet {
 public:
  // Adds the rules of one style sheet; returns the selectors it could not
  // apply (descendant selectors, pseudo-classes, at-rules ...).
  std::vector<std::string> Add(std::string_view css);
  bool empty() const { return rules_.empty(); }
  // The declarations that apply to the element, in cascade order (lowest
  // specificity first; equal specificity in source order).
  std::vector<Declaration> Match(const pugi::xml_node& element) const;
  // The same, one by one, without copies.
  void ForEachMatch(const pugi::xml_node& element,
                    const std::function<void(const Declaration&)>& visit) const;
  // Keeps a text made while computing a style (a style attribute without its
  // comments, a property name in lower case) for as long as the sheet lives.
  std::string_view Keep(std::string text) const { return scratch_.emplace_back(std::move(text)); }

 private:
  struct Selector {
    std::string type;  // empty: any
    std::string id;
    std::vector<std::string> classes;
    int specificity = 0;
  };
  struct Rule {
    Selector selector;
    std::vector<Declaration> declarations;
    size_t order = 0;
  };
  std::vector<Rule> rules_;
  mutable std::deque<std::string> scratch_;
};

// The computed values of one element. The properties SVG knows are held in
// one slot each (copying a parent's inherited values is a copy of an array);
// others are kept by name, for the element itself only. Values refer to the
// element's attribute text and the style sheet's, never copied.
class Style {
 public:
  // The number of properties SVG knows.
  static constexpr int kKnown = int(std::size(kProperties));

  // A property name with its slot, found when the program is compiled:
  // asking a style for a property costs an array access.
  struct Key {
    consteval Key(const char* text) : name(text), slot(-1) {
      auto it = std::lower_bound(std::begin(kProperties), std::end(kProperties), name,
                                 [](const Property& p, std::string_view n) { return p.name < n; });
      if (it != std::end(kProperties) && it->name == name) slot = int(it - std::begin(kProperties));
    }
    std::string_view name;
    int slot;
  };

  Style() = default;

  // The style of an element under its parent's computed style.
  static Style Compute(const Style& parent, const pugi::xml_node& element,
                       const StyleSheet& sheet);
  // The value, or `fallback` when the property has none.
  std::string_view Get(Key property, std::string_view fallback = {}) const {
    if (property.slot >= 0) return present_[property.slot] ? values_[property.slot].view() : fallback;
    return Find(property.name).value_or(fallback);
  }
  bool Has(Key property) const {
    return property.slot >= 0 ? present_[property.slot] : Find(property.name).has_value();
  }
  // True when the property is specified on this element itself (not
  // inherited).
  bool IsOwn(Key property) const {
    if (property.slot >= 0) return own_[property.slot];
    return std::any_of(other_.begin(), other_.end(),
                       [&property](const auto& o) { return o.first == property.name; });
  }
  // A set of known properties, by slot.
  using Slots = std::bitset<kKnown>;
  // True when one of `slots` has a value / is specified on the element
  // itself: readers skip their property lists when none is.
  bool HasAny(const Slots& slots) const { return (present_ & slots).any(); }
  bool OwnsAny(const Slots& slots) const { return (own_ & slots).any(); }
  // The inherited properties and their values in the order of their names
  // ("fill:red;font-size:12"), as children receive them.
  std::string InheritedText() const;

 private:
  std::optional<std::string_view> Find(std::string_view property) const;
  void Specify(std::string_view property, std::string_view value, const Style& parent);
  void SpecifyAt(int index, std::string_view property, std::string_view value,
                 const Style& parent);

  // A child's style before its own declarations: the parent's values of
  // the `inherited` properties, the only ones copied.
  Style(const Style& parent, const Slots& inherited);

  // The text of a value. The slots of properties without a value are never
  // read and never cleared: a child's style sets only those it inherits.
  struct Text {
    const char* data;
    size_t size;
    std::string_view view() const { return {data, size}; }
  };
  Text values_[kKnown];
  std::bitset<kKnown> present_, own_;
  // Other properties specified on the element (name in lower case, value;
  // none after an "inherit" the parent could not give).
  std::vector<std::pair<std::string_view, std::optional<std::string_view>>> other_;
};

}  // namespace vx::host::svg
