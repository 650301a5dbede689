// Files for the tests that run the versalix4 program: a folder of the
// test's own, and whole files read and written as bytes.
#pragma once

#include <filesystem>
#include <string>

namespace vx::test {

// The bytes of a file ("" when it cannot be read).
std::string ReadFile(const std::filesystem::path& path);
// Writes the bytes, replacing the file.
void WriteFile(const std::filesystem::path& path, const std::string& bytes);

// An empty folder under the temporary folder, named for `prefix`, the
// process and the running test; removed with everything in it at the end.
class ScratchFolder : public std::filesystem::path {
 public:
  explicit ScratchFolder(const std::string& prefix);
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
};

}  // namespace vx::test
