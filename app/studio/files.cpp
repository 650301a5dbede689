#include "app/studio/files.h"

#include <algorithm>
#include <filesystem>
#include <tuple>
#include <vector>

#include <nlohmann/json.hpp>

#include "app/studio/session.h"

namespace vx::app::studio {

namespace fs = std::filesystem;
using nlohmann::json;

namespace {

// The path relative to the start folder, with '/' between its parts.
std::string Relative(const fs::path& path, const fs::path& start) {
  const std::string rel = path.lexically_relative(start).generic_string();
  return rel == "." ? "" : rel;
}

struct Entry {
  std::string name;
  std::string kind;  // "folder", "svg", "png"
  bool operator<(const Entry& o) const {
    return std::tuple(kind != "folder", name) < std::tuple(o.kind != "folder", o.name);
  }
};

}  // namespace

Reply ListFolder(const FileRule& rule, const std::string& typed) {
  std::string why;
  const fs::path folder = rule.AllowFolder(typed, &why);
  if (folder.empty()) return {403, json{{"error", why}}.dump()};
  std::vector<Entry> entries;
  bool more = false;
  std::error_code error;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    const std::string name = it->path().filename().string();
    if (name.empty() || name[0] == '.') continue;
    const std::string rel = Relative(it->path(), rule.folder());
    std::string kind;
    std::error_code statError;
    if (fs::is_directory(it->path(), statError)) {
      if (!rule.AllowFolder(rel, &why).empty()) kind = "folder";
    } else {
      for (const char* ext : {"svg", "png"})
        if (kind.empty() && !rule.Allow(rel, std::string(".") + ext, &why).empty()) kind = ext;
    }
    if (kind.empty()) continue;
    if (entries.size() == kMaxListedEntries) {
      more = true;
      break;
    }
    entries.push_back({name, kind});
  }
  if (error) return {422, json{{"error", "cannot list \"" + typed + "\": " + error.message()}}.dump()};
  std::sort(entries.begin(), entries.end());
  json list = json::array();
  for (const Entry& e : entries) list.push_back({{"name", e.name}, {"kind", e.kind}});
  const bool atStart = folder == rule.folder();
  return {200, json{{"folder", Relative(folder, rule.folder())},
                    {"parent", atStart ? json() : json(Relative(folder.parent_path(), rule.folder()))},
                    {"entries", list},
                    {"more", more}}
                   .dump()};
}

Reply Session::Files(const std::string& folder) { return ListFolder(rule_, folder); }

}  // namespace vx::app::studio
