#include "app/studio/file_rule.h"

#include <algorithm>
#include <cctype>

namespace vx::app::studio {

namespace fs = std::filesystem;

FileRule::FileRule(fs::path startFolder) : folder_(fs::weakly_canonical(startFolder)) {}

fs::path FileRule::Allow(const std::string& typed, const std::string& extension,
                         std::string* why) const {
  if (typed.empty() || typed.find('\0') != std::string::npos) {
    *why = "no file name given";
    return {};
  }
  fs::path path = fs::path(typed).is_absolute() ? fs::path(typed) : folder_ / typed;
  std::error_code error;
  // Symbolic links are resolved, so a link inside the folder that points
  // outside it is refused like a `..` escape.
  path = fs::weakly_canonical(path, error);
  if (error) {
    *why = "\"" + typed + "\" is not a usable path: " + error.message();
    return {};
  }
  const auto [end, rest] = std::mismatch(folder_.begin(), folder_.end(), path.begin(), path.end());
  if (end != folder_.end() || rest == path.end()) {
    *why = "\"" + typed + "\" is outside the folder the studio was started in (" +
           folder_.string() + ")";
    return {};
  }
  std::string ext = path.extension().string();
  std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
  if (ext != extension) {
    *why = "\"" + typed + "\" does not end in " + extension;
    return {};
  }
  return path;
}

}  // namespace vx::app::studio
