#include "host/adm/dialog_template.h"

#include <charconv>
#include <sstream>

namespace vx::host::adm {
namespace {

constexpr std::pair<const char*, ItemKind> kKinds[] = {
    {"button", ItemKind::Button},
    {"default-button", ItemKind::DefaultButton},
    {"cancel-button", ItemKind::CancelButton},
    {"static-text", ItemKind::StaticText},
    {"multiline-text", ItemKind::MultilineText},
    {"edit-text", ItemKind::EditText},
    {"edit-int", ItemKind::EditInt},
    {"edit-real", ItemKind::EditReal},
    {"spin-edit", ItemKind::SpinEdit},
    {"spin-edit-popup", ItemKind::SpinEditPopup},
    {"popup-list", ItemKind::PopupList},
    {"popup-menu", ItemKind::PopupMenu},
    {"checkbox", ItemKind::Checkbox},
    {"radio", ItemKind::Radio},
    {"picture", ItemKind::Picture},
    {"picture-button", ItemKind::PictureButton},
    {"picture-check", ItemKind::PictureCheck},
    {"picture-radio", ItemKind::PictureRadio},
    {"user", ItemKind::User},
    {"slider", ItemKind::Slider},
    {"list-box", ItemKind::ListBox},
    {"frame", ItemKind::Frame},
    {"separator", ItemKind::Separator},
    {"text-popup", ItemKind::TextPopup},
};

// Reads a quoted text with the escapes \" \\ \n \t \r at s[pos].
bool ReadQuoted(std::string_view s, size_t& pos, std::string& out) {
  while (pos < s.size() && s[pos] == ' ') ++pos;
  if (pos >= s.size() || s[pos] != '"') return false;
  ++pos;
  out.clear();
  while (pos < s.size() && s[pos] != '"') {
    char c = s[pos++];
    if (c == '\\' && pos < s.size()) {
      char e = s[pos++];
      out += e == 'n' ? '\n' : e == 't' ? '\t' : e == 'r' ? '\r' : e;
    } else {
      out += c;
    }
  }
  if (pos >= s.size()) return false;
  ++pos;
  return true;
}

}  // namespace

std::optional<ItemKind> ItemKindNamed(std::string_view name) {
  for (const auto& [text, kind] : kKinds)
    if (name == text) return kind;
  return std::nullopt;
}

const char* ItemKindName(ItemKind kind) {
  for (const auto& [text, k] : kKinds)
    if (k == kind) return text;
  return "?";
}

bool IsNumeric(ItemKind k) {
  return k == ItemKind::EditInt || k == ItemKind::EditReal ||
         k == ItemKind::SpinEdit || k == ItemKind::SpinEditPopup ||
         k == ItemKind::Slider;
}
bool HasList(ItemKind k) {
  return k == ItemKind::PopupList || k == ItemKind::PopupMenu ||
         k == ItemKind::ListBox || k == ItemKind::SpinEditPopup ||
         k == ItemKind::TextPopup;
}
bool IsToggle(ItemKind k) {
  return k == ItemKind::Checkbox || k == ItemKind::PictureCheck;
}
bool IsRadio(ItemKind k) {
  return k == ItemKind::Radio || k == ItemKind::PictureRadio;
}
bool IsButton(ItemKind k) {
  return k == ItemKind::Button || k == ItemKind::DefaultButton ||
         k == ItemKind::CancelButton || k == ItemKind::PictureButton;
}

std::optional<double> ItemTemplate::Number(const std::string& key) const {
  auto it = options.find(key);
  if (it == options.end()) return std::nullopt;
  double value = 0;
  const std::string& s = it->second;
  auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
  if (ec != std::errc() || end != s.data() + s.size()) return std::nullopt;
  return value;
}

std::optional<DialogTemplate> ParseDialogTemplate(std::string_view text,
                                                  std::string* error) {
  DialogTemplate result;
  std::istringstream lines{std::string(text)};
  std::string line;
  int lineNo = 0;
  auto fail = [&](const std::string& what) -> std::optional<DialogTemplate> {
    if (error) *error = "template line " + std::to_string(lineNo) + ": " + what;
    return std::nullopt;
  };
  bool haveHeader = false;
  while (std::getline(lines, line)) {
    ++lineNo;
    if (line.find_first_not_of(" \t\r") == std::string::npos) continue;
    std::istringstream in(line);
    std::string word;
    in >> word;
    if (word == "DIALOG") {
      if (!(in >> result.width >> result.height)) return fail("bad size");
      size_t pos = size_t(in.tellg());
      if (!ReadQuoted(line, pos, result.title)) return fail("bad title");
      haveHeader = true;
    } else if (word == "ITEM") {
      if (!haveHeader) return fail("ITEM before DIALOG");
      ItemTemplate item;
      std::string kind;
      if (!(in >> item.id >> kind >> item.bounds.left >> item.bounds.top >>
            item.bounds.right >> item.bounds.bottom))
        return fail("expected id, kind and bounds");
      auto k = ItemKindNamed(kind);
      if (!k) return fail("unknown item kind " + kind);
      item.kind = *k;
      size_t pos = size_t(in.tellg());
      if (!ReadQuoted(line, pos, item.text)) return fail("bad item text");
      std::istringstream rest(line.substr(pos));
      std::string option;
      while (rest >> option) {
        size_t eq = option.find('=');
        if (eq == std::string::npos || eq == 0)
          return fail("bad option " + option);
        item.options[option.substr(0, eq)] = option.substr(eq + 1);
      }
      result.items.push_back(std::move(item));
    } else {
      return fail("unknown line " + word);
    }
  }
  if (!haveHeader) return fail("no DIALOG line");
  return result;
}

std::vector<std::string> MenuLines(std::string_view text) {
  std::vector<std::string> lines;
  if (text.empty()) return lines;
  size_t start = 0;
  while (true) {
    const size_t end = text.find('\n', start);
    lines.emplace_back(text.substr(start, end - start));
    if (end == std::string_view::npos) break;
    start = end + 1;
  }
  return lines;
}

}  // namespace vx::host::adm
