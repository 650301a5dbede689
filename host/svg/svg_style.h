// The style cascade of SVG: presentation attributes, style sheet rules of
// simple selectors, the style attribute, "!important", "inherit" and the
// inheritance of inherited properties from the parent element.
#pragma once

#include <pugixml.hpp>

#include <map>
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

// The rules of <style> elements whose selectors are simple: a type, "*",
// "#id", ".class" or a combination of these without combinators, in
// comma-separated groups. Other rules are counted as not applied.
class StyleSheet {
 public:
  // Adds the rules of one style sheet; returns the selectors it could not
  // apply (descendant selectors, pseudo-classes, at-rules ...).
  std::vector<std::string> Add(std::string_view css);
  bool empty() const { return rules_.empty(); }
  // The declarations that apply to the element, in cascade order (lowest
  // specificity first; equal specificity in source order).
  std::vector<Declaration> Match(const pugi::xml_node& element) const;

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
};

// The computed values of one element (property -> value text).
class Style {
 public:
  // The style of an element under its parent's computed style.
  static Style Compute(const Style& parent, const pugi::xml_node& element,
                       const StyleSheet& sheet);
  // The value, or `fallback` when the property has none.
  std::string_view Get(std::string_view property, std::string_view fallback = {}) const;
  bool Has(std::string_view property) const;
  void Set(const std::string& property, std::string value) { values_[property] = std::move(value); }
  const std::map<std::string, std::string, std::less<>>& values() const { return values_; }
  // Properties specified on this element itself (not inherited).
  const std::vector<std::string>& own() const { return own_; }

 private:
  std::map<std::string, std::string, std::less<>> values_;
  std::vector<std::string> own_;
};

}  // namespace vx::host::svg
