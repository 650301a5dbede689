#include "host/core/preferences.h"

#include <fstream>
#include <iterator>
#include <sstream>
#include <vector>

namespace vx::host {

namespace {
// File format, one value a line, fields separated by tabs:
//   <prefix> TAB <suffix> TAB <type> TAB <value>
// Texts escape backslash, tab and newline as \\, \t, \n.
std::string Escape(const std::string& s) {
  std::string out;
  for (char c : s) {
    if (c == '\\') out += "\\\\";
    else if (c == '\t') out += "\\t";
    else if (c == '\n') out += "\\n";
    else out += c;
  }
  return out;
}
std::string Unescape(const std::string& s) {
  std::string out;
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '\\' && i + 1 < s.size()) {
      char e = s[++i];
      out += e == 't' ? '\t' : e == 'n' ? '\n' : e;
    } else {
      out += s[i];
    }
  }
  return out;
}
const char* TypeName(Preferences::Type t) {
  switch (t) {
    case Preferences::Type::Integer: return "int";
    case Preferences::Type::Boolean: return "bool";
    case Preferences::Type::Real: return "real";
    case Preferences::Type::String: return "string";
    case Preferences::Type::Point: return "point";
  }
  return "int";
}
std::optional<Preferences::Type> TypeOf(const std::string& name) {
  for (auto t : {Preferences::Type::Integer, Preferences::Type::Boolean,
                 Preferences::Type::Real, Preferences::Type::String,
                 Preferences::Type::Point})
    if (name == TypeName(t)) return t;
  return std::nullopt;
}
std::vector<std::string> SplitTabs(const std::string& line) {
  std::vector<std::string> out(1);
  for (char c : line) {
    if (c == '\t') out.emplace_back();
    else out.back() += c;
  }
  return out;
}
}  // namespace

Preferences::Preferences(std::filesystem::path file) : file_(std::move(file)) {}

void Preferences::Load() {
  loaded_ = true;
  std::ifstream in(file_);
  std::string line;
  while (std::getline(in, line)) {
    auto f = SplitTabs(line);
    if (f.size() != 4) continue;  // a damaged line is skipped, not fatal
    auto type = TypeOf(f[2]);
    if (!type) continue;
    Value v;
    v.type = *type;
    std::istringstream ss(f[3]);
    switch (*type) {
      case Type::Integer:
      case Type::Boolean: ss >> v.integer; break;
      case Type::Real: ss >> v.real; break;
      case Type::String: v.text = Unescape(f[3]); break;
      case Type::Point: ss >> v.point.h >> v.point.v; break;
    }
    if (*type != Type::String && ss.fail()) continue;
    values_[{Unescape(f[0]), Unescape(f[1])}] = v;
  }
}

int32_t Preferences::Save() const {
  std::ostringstream text;
  text.precision(17);
  for (const auto& [key, v] : values_) {
    text << Escape(key.first) << '\t' << Escape(key.second) << '\t' << TypeName(v.type) << '\t';
    switch (v.type) {
      case Type::Integer:
      case Type::Boolean: text << v.integer; break;
      case Type::Real: text << v.real; break;
      case Type::String: text << Escape(v.text); break;
      case Type::Point: text << v.point.h << ' ' << v.point.v; break;
    }
    text << '\n';
  }
  const std::string bytes = std::move(text).str();
  // A file that already holds these bytes is left untouched.
  if (std::ifstream old(file_, std::ios::binary); old.is_open()) {
    const std::string held{std::istreambuf_iterator<char>(old), std::istreambuf_iterator<char>()};
    if (held == bytes) return kNoErr;
  }
  std::error_code ec;
  std::filesystem::create_directories(file_.parent_path(), ec);
  auto temp = file_;
  temp += ".new";
  {
    std::ofstream out(temp, std::ios::trunc | std::ios::binary);
    if (!out) return kCantOpenFileErr;
    if (!out.write(bytes.data(), std::streamsize(bytes.size())).flush()) return kCantOpenFileErr;
  }
  std::filesystem::rename(temp, file_, ec);
  return ec ? kCantOpenFileErr : kNoErr;
}

std::optional<Preferences::Value> Preferences::Get(const std::string& prefix,
                                                   const std::string& suffix,
                                                   Type type) {
  if (!loaded_) Load();
  auto it = values_.find({prefix, suffix});
  if (it == values_.end() || it->second.type != type) return std::nullopt;
  return it->second;
}

int32_t Preferences::Put(const std::string& prefix, const std::string& suffix,
                         Value value) {
  if (!loaded_) Load();
  values_[{prefix, suffix}] = std::move(value);
  return Save();
}

}  // namespace vx::host
