// Which files the studio's page may open and write. The page is reachable
// only with the session token, but a page (or a script that stole the
// token) must still not read or overwrite files the user never offered:
// every path is taken relative to the start folder (the folder of the file
// named on the command line, else the current folder), must stay inside it
// once `..` and symbolic links are resolved, and must end in the extension
// of its kind (.svg for documents, .png for exports).
#pragma once

#include <filesystem>
#include <string>

namespace vx::app::studio {

class FileRule {
 public:
  explicit FileRule(std::filesystem::path startFolder);

  // The absolute path of `typed` when the page may use it for a file with
  // this extension (".svg", ".png"); otherwise empty with *why set.
  std::filesystem::path Allow(const std::string& typed, const std::string& extension,
                              std::string* why) const;
  // The absolute path of the folder `typed` names ("" is the start folder)
  // when it lies inside the start folder; otherwise empty with *why set.
  std::filesystem::path AllowFolder(const std::string& typed, std::string* why) const;
  const std::filesystem::path& folder() const { return folder_; }

 private:
  // `typed` resolved, when it is the start folder or lies below it.
  std::filesystem::path Inside(const std::string& typed, bool folderItself,
                               std::string* why) const;

  std::filesystem::path folder_;  // canonical
};

}  // namespace vx::app::studio
