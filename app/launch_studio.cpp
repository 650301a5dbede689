// versalix4 studio, as versalix4 runs it: the studio program takes over this
// process (same process id, arguments, standard streams and exit code).
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "app/studio/cmd_studio.h"

namespace vx::app {

int RunStudio(const CommonOptions&, const StudioOptions&) {
  // The arguments exactly as given: the studio program parses them again.
  std::ifstream in("/proc/self/cmdline", std::ios::binary);
  const std::string all{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (all.empty()) {
    std::cerr << "versalix4: studio: cannot read this program's arguments\n";
    return kExitInternal;
  }
  std::vector<char*> argv;
  for (size_t at = 0; at < all.size(); at = all.find('\0', at) + 1)
    argv.push_back(const_cast<char*>(all.c_str() + at));
  argv.push_back(nullptr);
  const std::string program =
      ProgramFile({"versalix4-studio", VX_INSTALLED_LIBDIR "/versalix4-studio"});
  std::cout.flush();
  execv(program.c_str(), argv.data());
  std::cerr << "versalix4: studio: cannot start " << program << ": " << std::strerror(errno)
            << "\n";
  return kExitInternal;
}

}  // namespace vx::app
