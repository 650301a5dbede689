// Resource compiler: turns the plug-in's resource sources (*.rc) into a C++
// file holding the module's resource directory, the way a platform resource
// compiler would link them into the module, and a header of the names the
// sources give to dialogs, their items, menus and pictures.
//
// Source syntax, one directive per block, '#' starts a comment line:
//   STRINGS <table>             then lines  <index> "<text>"        then END
//   MENU <id>                   then lines  "<entry>"               then END
//   DIALOG <id> <w> <h> "<title>"  then lines  ITEM ...             then END
//   TEXT <id> file "<path>"     (path relative to the .rc file)
//   TEXT <id> "<text>"
//   GART <id> file "<path>"
//   ICON|PICT|CURS <id> <w> <h>  then raster rows                   then END
//   PIPL <id>                   then lines "key value"              then END
// Texts use C escapes \" \\ \n \t. Strings of a table get ids table + index.
//
// Names: the head line of any resource but a PIPL, an ITEM line and an
// entry of a named MENU may end in name=<Identifier>. The header then holds,
// in namespace vx::res,
//   kBorderPalette = 17100 (a dialog), kStepsModeMenu = 16412 (a menu),
//   kPresetTexts = 18080 (a string table), kLensCursor = 16050 (a cursor),
//   kArcConvexPicture = 17800 (a picture), per named dialog a namespace
//   BorderPalette { kApply = 37; ... } of its named items, per menu with
//   named entries a namespace HelpTopics { kLiveBorder = 13; ... } of their
//   indexes (the help topics are the entries of the topic menu), and the
//   table kNamedItems of every named item ({dialog id, item id, name}).
// Names are taken out of the compiled resources.
//
// Checked at build time (each an error naming the source line): an unknown
// item kind or option, an item without id, kind, bounds and text, a
// picture= without a PICT of that id, a menu= without a MENU of that id, a
// named string table without strings, a duplicate resource, a duplicate item
// id or name within a dialog, a duplicate top-level name. The code names
// resources only through the header, so a name without its resource cannot
// compile.
#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

struct Resource {
  std::string type;
  int32_t id = 0;
  std::string data;
  std::string origin;
  std::string name;  // "" unless the source names it
};

// A named item of a dialog, and what the checks need of each item.
struct ItemRef {
  int32_t id = 0;
  std::string name;
  int32_t picture = 0;  // picture= option, 0 none
  int32_t menu = 0;     // menu= option, 0 none
  std::string origin;
};

// A named dialog's items, or a named menu's entries (by their index).
struct DialogInfo {
  int32_t id = 0;
  std::string name;
  std::vector<ItemRef> items;
  const char* kind = "dialog";
};

const char* const kItemKinds[] = {
    "button", "default-button", "cancel-button", "static-text", "multiline-text",
    "edit-text", "edit-int", "edit-real", "spin-edit", "spin-edit-popup",
    "popup-list", "popup-menu", "checkbox", "radio", "picture", "picture-button",
    "picture-check", "picture-radio", "user", "slider", "list-box", "frame",
    "separator", "text-popup"};
const char* const kItemOptions[] = {"picture", "menu",  "min",    "max",
                                    "value",   "precision", "units", "hidden",
                                    "disabled", "group"};

template <size_t N>
bool OneOf(const std::string& word, const char* const (&list)[N]) {
  return std::find(std::begin(list), std::end(list), word) != std::end(list);
}

std::vector<DialogInfo> gDialogs;
// Named string tables: a name for the header only, no resource of their own.
std::vector<Resource> gNamedTables;

[[noreturn]] void Fail(const std::string& where, const std::string& what) {
  std::cerr << where << ": error: " << what << "\n";
  std::exit(1);
}

std::string Trim(const std::string& s) {
  size_t b = s.find_first_not_of(" \t\r");
  if (b == std::string::npos) return "";
  size_t e = s.find_last_not_of(" \t\r");
  return s.substr(b, e - b + 1);
}

// Reads a quoted string starting at s[pos] == '"'; advances pos past it.
std::string ReadQuoted(const std::string& s, size_t& pos,
                       const std::string& where) {
  if (pos >= s.size() || s[pos] != '"') Fail(where, "expected a quoted text");
  std::string out;
  ++pos;
  while (pos < s.size() && s[pos] != '"') {
    char c = s[pos++];
    if (c == '\\' && pos < s.size()) {
      char e = s[pos++];
      switch (e) {
        case 'n': out += '\n'; break;
        case 't': out += '\t'; break;
        case 'r': out += '\r'; break;
        case '\\': out += '\\'; break;
        case '"': out += '"'; break;
        default: Fail(where, std::string("unknown escape \\") + e);
      }
    } else {
      out += c;
    }
  }
  if (pos >= s.size()) Fail(where, "unterminated text");
  ++pos;
  return out;
}

std::string ReadFile(const std::string& path, const std::string& where) {
  std::ifstream in(path, std::ios::binary);
  if (!in) Fail(where, "cannot read " + path);
  std::ostringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

bool IsIdentifier(const std::string& s) {
  if (s.empty() || !(std::isalpha(uint8_t(s[0])))) return false;
  return std::all_of(s.begin(), s.end(), [](char c) { return std::isalnum(uint8_t(c)) || c == '_'; });
}

// Takes a trailing " name=<Identifier>" off a line; "" when there is none.
std::string TakeName(std::string& line, const std::string& where) {
  const size_t at = line.rfind("name=");
  if (at == std::string::npos || (at > 0 && line[at - 1] != ' ')) return "";
  std::string name = Trim(line.substr(at + 5));
  if (!IsIdentifier(name)) Fail(where, "bad name \"" + name + "\"");
  line = Trim(line.substr(0, at));
  return name;
}

// Checks one ITEM line (without its name) and notes what it refers to.
ItemRef CheckItem(const std::string& line, const std::string& where) {
  std::istringstream in(line);
  std::string word, kind;
  ItemRef item;
  item.origin = where;
  int32_t bounds[4];
  if (!(in >> word >> item.id >> kind >> bounds[0] >> bounds[1] >> bounds[2] >> bounds[3]))
    Fail(where, "expected ITEM <id> <kind> <left> <top> <right> <bottom> \"<text>\"");
  if (!OneOf(kind, kItemKinds)) Fail(where, "unknown item kind " + kind);
  size_t pos = line.find('"');
  if (pos == std::string::npos) Fail(where, "expected the item's text");
  ReadQuoted(line, pos, where);
  std::istringstream options(line.substr(pos));
  for (std::string option; options >> option;) {
    const size_t eq = option.find('=');
    const std::string key = option.substr(0, eq);
    if (eq == std::string::npos || !OneOf(key, kItemOptions))
      Fail(where, "unknown item option " + option);
    int32_t* ref = key == "picture" ? &item.picture : key == "menu" ? &item.menu : nullptr;
    if (ref) {
      try {
        *ref = std::stoi(option.substr(eq + 1));
      } catch (...) {
        Fail(where, "bad resource id in " + option);
      }
    }
  }
  return item;
}

std::string DirOf(const std::string& path) {
  size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? "." : path.substr(0, slash);
}

void CompileFile(const std::string& path, std::vector<Resource>& out) {
  std::ifstream in(path);
  if (!in) Fail(path, "cannot open");
  std::string line;
  int lineNo = 0;
  auto where = [&] { return path + ":" + std::to_string(lineNo); };
  // A block's lines, each with where it is.
  auto readBlock = [&](const std::string& kind) {
    std::vector<std::pair<std::string, std::string>> lines;
    while (std::getline(in, line)) {
      ++lineNo;
      std::string t = Trim(line);
      if (t == "END") return lines;
      if (t.empty() || t[0] == '#') continue;
      lines.emplace_back(t, where());
    }
    Fail(where(), kind + " block without END");
  };
  while (std::getline(in, line)) {
    ++lineNo;
    std::string t = Trim(line);
    if (t.empty() || t[0] == '#') continue;
    std::istringstream head(t);
    std::string kind;
    int32_t id = 0;
    head >> kind >> id;
    if (!head) Fail(where(), "expected '<KIND> <id>'");
    std::string rest;
    std::getline(head, rest);
    rest = Trim(rest);
    if (kind == "STRINGS") {
      // A named table is named by its id; its strings keep ids table + index.
      const std::string name = TakeName(rest, where());
      const std::string origin = where();
      const auto strings = readBlock(kind);
      // A name promises strings to read: an empty named table is an error.
      if (!name.empty()) {
        if (strings.empty()) Fail(origin, "string table " + name + " holds no strings");
        gNamedTables.push_back({"STR ", id, "", origin, name});
      }
      for (const auto& [l, at] : strings) {
        size_t pos = 0;
        int32_t index = 0;
        try {
          index = std::stoi(l, &pos);
        } catch (...) {
          Fail(at, "expected '<index> \"text\"'");
        }
        pos = l.find('"', pos);
        if (pos == std::string::npos) Fail(at, "expected a text");
        out.push_back({"STR ", id + index, ReadQuoted(l, pos, at), at, ""});
      }
    } else if (kind == "MENU") {
      DialogInfo menu;
      menu.id = id;
      menu.name = TakeName(rest, where());
      menu.kind = "menu";
      const std::string origin = where();
      std::string data;
      int32_t index = 0;
      for (const auto& [l, at] : readBlock(kind)) {
        size_t pos = 0;
        if (index) data += '\n';
        data += ReadQuoted(l, pos, at);
        std::string after = Trim(l.substr(pos));
        if (const std::string entry = TakeName(after, at); !entry.empty()) {
          if (menu.name.empty()) Fail(at, "a named entry needs a named menu");
          for (const ItemRef& other : menu.items)
            if (other.name == entry)
              Fail(at, "duplicate entry name " + entry + " (first at " + other.origin + ")");
          menu.items.push_back({index, entry, 0, 0, at});
        }
        if (!after.empty()) Fail(at, "unexpected text after the entry: " + after);
        ++index;
      }
      if (!menu.items.empty()) gDialogs.push_back(menu);
      out.push_back({"MENU", id, data, origin, menu.name});
    } else if (kind == "DIALOG") {
      DialogInfo dialog;
      dialog.id = id;
      dialog.name = TakeName(rest, where());
      const std::string origin = where();
      std::string data = "DIALOG " + rest;
      while (std::getline(in, line)) {
        ++lineNo;
        std::string l = Trim(line);
        if (l == "END") break;
        if (l.empty() || l[0] == '#') continue;
        if (l.rfind("ITEM ", 0) != 0) Fail(where(), "expected ITEM");
        std::string itemName = TakeName(l, where());
        ItemRef item = CheckItem(l, where());
        item.name = itemName;
        for (const ItemRef& other : dialog.items) {
          if (other.id == item.id)
            Fail(where(), "duplicate item " + std::to_string(item.id) + " (first at " +
                              other.origin + ")");
          if (!item.name.empty() && other.name == item.name)
            Fail(where(), "duplicate item name " + item.name + " (first at " + other.origin + ")");
        }
        dialog.items.push_back(item);
        data += "\n" + l;
      }
      if (Trim(line) != "END") Fail(where(), "DIALOG block without END");
      gDialogs.push_back(dialog);
      out.push_back({"DLOG", id, data, origin, dialog.name});
    } else if (kind == "TEXT" || kind == "GART") {
      const std::string name = TakeName(rest, where());
      std::string data;
      size_t pos = 0;
      if (rest.rfind("file", 0) == 0) {
        pos = rest.find('"');
        if (pos == std::string::npos) Fail(where(), "expected a file name");
        data = ReadFile(DirOf(path) + "/" + ReadQuoted(rest, pos, where()),
                        where());
      } else {
        data = ReadQuoted(rest, pos, where());
      }
      out.push_back({kind == "TEXT" ? "TEXT" : "GART", id, data, where(), name});
    } else if (kind == "ICON" || kind == "PICT" || kind == "CURS") {
      const std::string name = TakeName(rest, where());
      const std::string origin = where();
      std::string data = rest;
      for (const auto& [l, at] : readBlock(kind)) data += "\n" + l;
      out.push_back({kind, id, data, origin, name});
    } else if (kind == "PIPL") {
      std::string data;
      for (const auto& [l, at] : readBlock(kind)) {
        if (!data.empty()) data += '\n';
        data += l;
      }
      out.push_back({"PiPL", id, data, where(), ""});
    } else {
      Fail(where(), "unknown resource kind " + kind);
    }
  }
}

uint32_t TypeCode(const std::string& t) {
  return (uint32_t(uint8_t(t[0])) << 24) | (uint32_t(uint8_t(t[1])) << 16) |
         (uint32_t(uint8_t(t[2])) << 8) | uint32_t(uint8_t(t[3]));
}

void EmitBytes(std::ostream& os, const std::string& data) {
  int col = 0;
  for (unsigned char c : data) {
    os << int(c) << ',';
    if (++col == 24) {
      os << '\n';
      col = 0;
    }
  }
  os << "0";
}

// Every picture= and menu= of a dialog item names an existing resource.
void CheckReferences(const std::vector<Resource>& all) {
  std::set<std::pair<std::string, int32_t>> present;
  for (const Resource& r : all) present.insert({r.type, r.id});
  for (const DialogInfo& d : gDialogs)
    for (const ItemRef& item : d.items) {
      if (item.picture && !present.count({"PICT", item.picture}))
        Fail(item.origin, "picture " + std::to_string(item.picture) + " has no PICT resource");
      if (item.menu && !present.count({"MENU", item.menu}))
        Fail(item.origin, "menu " + std::to_string(item.menu) + " has no MENU resource");
    }
}

// The header of names, in namespace vx::res.
std::string IdsHeader(std::vector<Resource> all) {
  all.insert(all.end(), gNamedTables.begin(), gNamedTables.end());
  std::map<std::string, const Resource*> names;
  for (const Resource& r : all) {
    if (r.name.empty()) continue;
    auto [it, fresh] = names.emplace(r.name, &r);
    if (!fresh)
      Fail(r.origin, "duplicate name " + r.name + " (first at " + it->second->origin + ")");
  }
  std::ostringstream os;
  os << "// Generated by vx_rescomp from the plug-in's resource sources: the ids\n"
        "// of the resources, dialog items and menu entries they name.\n"
        "#pragma once\n\n#include <cstdint>\n\nnamespace vx::res {\n\n";
  for (const auto& [name, r] : names)
    os << "inline constexpr int32_t k" << name << " = " << r->id << ";\n";
  std::vector<const DialogInfo*> dialogs;
  for (const DialogInfo& d : gDialogs)
    if (!d.name.empty()) dialogs.push_back(&d);
  std::sort(dialogs.begin(), dialogs.end(),
            [](const DialogInfo* a, const DialogInfo* b) { return a->name < b->name; });
  for (const DialogInfo* d : dialogs) {
    os << "\n// " << (std::string(d->kind) == "menu" ? "Entries" : "Items")
       << " of " << d->kind << " " << d->id << ".\nnamespace " << d->name << " {\n";
    for (const ItemRef& item : d->items)
      if (!item.name.empty())
        os << "inline constexpr int32_t k" << item.name << " = " << item.id << ";\n";
    os << "}  // namespace " << d->name << "\n";
  }
  // The same names as data, for hosts that show items by name.
  os << "\n// Every named item of every dialog: {dialog id, item id, name}.\n"
        "struct NamedItem {\n  int32_t dialog;\n  int32_t item;\n  const char* name;\n};\n"
        "inline constexpr NamedItem kNamedItems[] = {\n";
  for (const DialogInfo& d : gDialogs)
    for (const ItemRef& item : d.items)
      if (!item.name.empty())
        os << "    {" << d.id << ", " << item.id << ", \"" << item.name << "\"},\n";
  os << "    {0, 0, nullptr},\n};\n";
  os << "\n}  // namespace vx::res\n";
  return os.str();
}

// Writes the file only when its text changed (keeps dependants built).
void WriteIfChanged(const std::string& path, const std::string& text) {
  std::ifstream check(path, std::ios::binary);
  std::string old;
  if (check) {
    std::ostringstream ss;
    ss << check.rdbuf();
    old = ss.str();
  }
  if (old == text) return;
  std::ofstream outFile(path, std::ios::binary | std::ios::trunc);
  outFile << text;
  if (!outFile) Fail(path, "cannot write");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::cerr << "usage: vx_rescomp OUT.cpp OUT_IDS.h [IN.rc...]\n";
    return 2;
  }
  std::vector<Resource> all;
  for (int i = 3; i < argc; ++i) CompileFile(argv[i], all);
  std::sort(all.begin(), all.end(), [](const Resource& a, const Resource& b) {
    return std::make_pair(TypeCode(a.type), a.id) <
           std::make_pair(TypeCode(b.type), b.id);
  });
  for (size_t i = 1; i < all.size(); ++i)
    if (all[i].type == all[i - 1].type && all[i].id == all[i - 1].id)
      Fail(all[i].origin, "duplicate " + all[i].type + " " +
                              std::to_string(all[i].id) + " (first at " +
                              all[i - 1].origin + ")");
  CheckReferences(all);
  const std::string ids = IdsHeader(all);
  std::ostringstream os;
  os << "// Generated by vx_rescomp from the plug-in's resource sources.\n"
        "#include \"vx_resources.h\"\n\nnamespace {\n";
  for (size_t i = 0; i < all.size(); ++i) {
    os << "const unsigned char kData" << i << "[] = {";
    EmitBytes(os, all[i].data);
    os << "};\n";
  }
  os << "const VxResource kResources[] = {\n";
  for (size_t i = 0; i < all.size(); ++i)
    os << "  {" << TypeCode(all[i].type) << "u, " << all[i].id << ", kData" << i
       << ", " << all[i].data.size() << "u},\n";
  if (all.empty()) os << "  {0u, 0, nullptr, 0u},\n";
  os << "};\nconst VxResourceDirectory kDirectory = {kResources, "
     << all.size() << "u};\n}  // namespace\n\n"
     << "extern \"C\" __attribute__((visibility(\"default\"))) const "
        "VxResourceDirectory* VxModuleResources(void) {\n  return &kDirectory;\n}\n";
  WriteIfChanged(argv[1], os.str());
  WriteIfChanged(argv[2], ids);
  return 0;
}
