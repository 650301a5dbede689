#include "host/svg/svg_path_module.h"

#include <dlfcn.h>

#include <string>

#include "host/platform/program_file.h"

namespace vx::host::svg {

namespace {

struct PathModule {
  ReadCubicSubpathsFn read = nullptr;
  std::string failure;  // why it could not be opened; "" when it was
};

const PathModule& OpenPathModule() {
  static const PathModule module = [] {
    PathModule m;
    // Beside the plug-in module: the build folder's (app/versalix4 or
    // tests/test_x, with plugin/), the studio program's (installed with the
    // plug-in module), the installed one (bin/versalix4).
    const std::string path = ProgramFile({"../plugin/VERSALiX4PathData.so", "VERSALiX4PathData.so",
                                          VX_INSTALLED_LIBDIR "/VERSALiX4PathData.so"});
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
      m.failure = std::string("cannot load VERSALiX4PathData.so (the reader of path data "
                              "with arcs): ") + dlerror();
      return m;
    }
    m.read = reinterpret_cast<ReadCubicSubpathsFn>(dlsym(handle, kPathModuleEntry));
    if (!m.read) m.failure = path + " lacks " + kPathModuleEntry;
    return m;
  }();
  return module;
}

}  // namespace

bool ReadCubicSubpaths(std::string_view data, std::vector<CubicSubpath>* out) {
  const PathModule& module = OpenPathModule();
  if (!module.read) throw PathModuleError(module.failure);
  return module.read(data.data(), data.size(), out);
}

}  // namespace vx::host::svg
