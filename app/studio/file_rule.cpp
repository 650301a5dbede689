#include "app/studio/file_rule.h"

#include <algorithm>
#include <cctype>

namespace vx::app::studio {

namespace fs = std::filesystem;

FileRule::FileRule(fs::path startFolder) : folder_(fs::weakly_canonical(startFolder)) {}

fs::path FileRule::Inside(const std::string& typed, bool folderItself, std::string* why) const {
  if (typed.find('\0') != std::string::npos) {
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
  // A trailing empty element ("dir/") counts as the folder itself.
  const bool itself = rest == path.end() || (std::next(rest) == path.end() && rest->empty());
  if (end != folder_.end() || (itself && !folderItself)) {
    *why = "\"" + typed + "\" is outside the folder the studio was started in (" +
           folder_.string() + ")";
    return {};
  }
  return path;
}

fs::path FileRule::Allow(const std::string& typed, const std::string& extension,
                         std::string* why) const {
  if (typed.empty()) {
    *why = "no file name given";
    return {};
  }
  fs::path path = Inside(typed, false, why);
  if (path.empty()) return {};
  std::string ext = path.extension().string();
  std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
  if (ext != extension) {
    *why = "\"" + typed + "\" does not end in " + extension;
    return {};
  }
  return path;
}

fs::path FileRule::AllowFolder(const std::string& typed, std::string* why) const {
  fs::path path = Inside(typed, true, why);
  if (path.empty()) return {};
  std::error_code error;
  if (!fs::is_directory(path, error)) {
    *why = "\"" + typed + "\" is not a folder";
    return {};
  }
  return path;
}

}  // namespace vx::app::studio
