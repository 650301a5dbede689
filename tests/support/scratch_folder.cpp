#include "support/scratch_folder.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

namespace vx::test {

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

namespace {

std::filesystem::path ScratchPath(const std::string& prefix) {
  const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
  return std::filesystem::temp_directory_path() /
         (prefix + "-" + std::to_string(getpid()) + (test ? std::string("-") + test->name() : ""));
}

}  // namespace

ScratchFolder::ScratchFolder(const std::string& prefix) : path(ScratchPath(prefix)) {
  std::filesystem::remove_all(*this);
  std::filesystem::create_directories(*this);
}

ScratchFolder::~ScratchFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(*this, ignored);
}

}  // namespace vx::test
