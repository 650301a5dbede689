#include "app/item_names.h"

#include <algorithm>
#include <cctype>

#include "generated/resource_ids.h"

namespace vx::app {

namespace {

bool IsNumber(const std::string& s) {
  size_t i = !s.empty() && s[0] == '-' ? 1 : 0;
  if (i == s.size()) return false;
  for (; i < s.size(); ++i)
    if (!std::isdigit(static_cast<unsigned char>(s[i]))) return false;
  return true;
}

}  // namespace

const char* ItemNameOf(int32_t dialog, int32_t item) {
  for (const res::NamedItem& n : res::kNamedItems)
    if (n.name && n.dialog == dialog && n.item == item) return n.name;
  return nullptr;
}

std::optional<std::string> WithItemId(int32_t dialog, const std::string& action,
                                      std::string* why) {
  // The verbs that name an item come first, the item right after them.
  static const char* const kItemVerbs[] = {"set",  "text", "press",  "choose",
                                           "double", "drag", "colour", "color"};
  const size_t verbEnd = action.find(' ');
  if (verbEnd == std::string::npos) return action;
  const std::string verb = action.substr(0, verbEnd);
  bool takesItem = false;
  for (const char* v : kItemVerbs) takesItem = takesItem || verb == v;
  if (!takesItem) return action;
  const size_t start = action.find_first_not_of(' ', verbEnd);
  if (start == std::string::npos) return action;
  const size_t end = std::min(action.find_first_of("= ", start), action.size());
  const std::string target = action.substr(start, end - start);
  if (IsNumber(target) || target == "menu") return action;
  for (const res::NamedItem& n : res::kNamedItems)
    if (n.name && n.dialog == dialog && target == n.name)
      return action.substr(0, start) + std::to_string(n.item) + action.substr(end);
  *why = "the dialog has no item named \"" + target + "\"";
  return std::nullopt;
}

}  // namespace vx::app
