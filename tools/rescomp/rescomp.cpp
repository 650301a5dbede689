// Resource compiler: turns the plug-in's resource sources (*.rc) into a C++
// file holding the module's resource directory, the way a platform resource
// compiler would link them into the module.
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
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
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
};

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
  auto readBlock = [&](const std::string& kind) {
    std::vector<std::string> lines;
    while (std::getline(in, line)) {
      ++lineNo;
      std::string t = Trim(line);
      if (t == "END") return lines;
      if (t.empty() || t[0] == '#') continue;
      lines.push_back(t);
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
      for (const std::string& l : readBlock(kind)) {
        size_t pos = 0;
        int32_t index = 0;
        try {
          index = std::stoi(l, &pos);
        } catch (...) {
          Fail(where(), "expected '<index> \"text\"'");
        }
        pos = l.find('"', pos);
        if (pos == std::string::npos) Fail(where(), "expected a text");
        out.push_back({"STR ", id + index, ReadQuoted(l, pos, where()), where()});
      }
    } else if (kind == "MENU") {
      std::string data;
      for (const std::string& l : readBlock(kind)) {
        size_t pos = 0;
        if (!data.empty()) data += '\n';
        data += ReadQuoted(l, pos, where());
      }
      out.push_back({"MENU", id, data, where()});
    } else if (kind == "DIALOG") {
      std::string data = "DIALOG " + rest;
      for (const std::string& l : readBlock(kind)) {
        if (l.rfind("ITEM ", 0) != 0) Fail(where(), "expected ITEM");
        data += "\n" + l;
      }
      out.push_back({"DLOG", id, data, where()});
    } else if (kind == "TEXT" || kind == "GART") {
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
      out.push_back({kind == "TEXT" ? "TEXT" : "GART", id, data, where()});
    } else if (kind == "ICON" || kind == "PICT" || kind == "CURS") {
      std::string data = rest;
      for (const std::string& l : readBlock(kind)) data += "\n" + l;
      out.push_back({kind, id, data, where()});
    } else if (kind == "PIPL") {
      std::string data;
      for (const std::string& l : readBlock(kind)) {
        if (!data.empty()) data += '\n';
        data += l;
      }
      out.push_back({"PiPL", id, data, where()});
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

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::cerr << "usage: vx_rescomp OUT.cpp [IN.rc...]\n";
    return 2;
  }
  std::vector<Resource> all;
  for (int i = 2; i < argc; ++i) CompileFile(argv[i], all);
  std::sort(all.begin(), all.end(), [](const Resource& a, const Resource& b) {
    return std::make_pair(TypeCode(a.type), a.id) <
           std::make_pair(TypeCode(b.type), b.id);
  });
  for (size_t i = 1; i < all.size(); ++i)
    if (all[i].type == all[i - 1].type && all[i].id == all[i - 1].id)
      Fail(all[i].origin, "duplicate " + all[i].type + " " +
                              std::to_string(all[i].id) + " (first at " +
                              all[i - 1].origin + ")");
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
  std::string text = os.str();
  std::ofstream check(argv[1], std::ios::binary | std::ios::in);
  std::string old;
  if (check) {
    std::ostringstream ss;
    ss << check.rdbuf();
    old = ss.str();
  }
  if (old != text) {
    std::ofstream outFile(argv[1], std::ios::binary | std::ios::trunc);
    outFile << text;
    if (!outFile) Fail(argv[1], "cannot write");
  }
  return 0;
}
