#include "host/platform/program_file.h"

#include <filesystem>
#include <system_error>

namespace vx::host {

std::string ProgramFile(std::initializer_list<const char*> places) {
  std::error_code ec;
  const auto folder = std::filesystem::read_symlink("/proc/self/exe", ec).parent_path();
  std::filesystem::path file;
  for (const char* place : places) {
    file = (folder / place).lexically_normal();
    std::error_code missing;
    if (!ec && std::filesystem::exists(file, missing)) break;
  }
  return file.string();
}

}  // namespace vx::host
