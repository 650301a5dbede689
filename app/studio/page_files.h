// The page's files, built into the program from app/studio/page/.
#pragma once

#include <string_view>

namespace vx::app::studio {

struct PageFile {
  std::string_view path;  // "/studio.js"; the page itself is "/index.html"
  std::string_view contentType;
  std::string_view bytes;
};

// Null when the program holds no such file.
const PageFile* FindPageFile(std::string_view path);

}  // namespace vx::app::studio
