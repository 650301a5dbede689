// The resource compiler: names in the sources become the generated header of
// ids (and leave the compiled resources), and a broken dialog, menu or
// picture reference stops the build with the source line.
#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "support/scratch_folder.h"

namespace {

using vx::test::ReadFile;

struct Compiled {
  int status;
  std::string errors, ids, resources;
};

Compiled Compile(const std::string& source) {
  const vx::test::ScratchFolder dir("vx-rescomp");
  vx::test::WriteFile(dir / "in.rc", source);
  const std::string command = std::string(VX_RESCOMP_PATH) + " " + (dir / "out.cpp").string() +
                              " " + (dir / "ids.h").string() + " " + (dir / "in.rc").string() +
                              " 2>" + (dir / "errors.txt").string();
  return {std::system(command.c_str()), ReadFile(dir / "errors.txt"), ReadFile(dir / "ids.h"),
          ReadFile(dir / "out.cpp")};
}

// The names of names.rc become the generated header, byte for byte.
TEST(Rescomp, NamesBecomeConstantsAndLeaveTheTemplate) {
  const std::string data = std::string(VX_TEST_DATA_DIR) + "/resources/";
  const Compiled c = Compile(ReadFile(data + "names.rc"));
  ASSERT_EQ(0, c.status) << c.errors;
  EXPECT_EQ(ReadFile(data + "names_ids.golden"), c.ids);
  // The bytes of "name=" never reach the compiled resources.
  EXPECT_EQ(std::string::npos, c.resources.find("110,97,109,101,61,"));
  EXPECT_NE(std::string::npos, c.resources.find("65,112,112,108,121,"));  // "Apply"
}

// Each case of the broken sources file: "# what", "! the error", then the
// source up to the next case.
TEST(Rescomp, BrokenSourcesStopTheBuildAtTheirLine) {
  std::istringstream file(ReadFile(std::string(VX_TEST_DATA_DIR) + "/resources/broken_sources.txt"));
  std::vector<std::string> what, error, source;
  for (std::string line; std::getline(file, line);) {
    if (line.starts_with("# ")) what.push_back(line.substr(2)), source.emplace_back();
    else if (line.starts_with("! ")) error.push_back(line.substr(2));
    else source.back() += line + "\n";
  }
  ASSERT_EQ(10u, what.size());
  for (size_t i = 0; i < what.size(); ++i) {
    SCOPED_TRACE(what[i]);
    const Compiled out = Compile(source[i]);
    EXPECT_NE(0, out.status);
    EXPECT_NE(std::string::npos, out.errors.find(error.at(i))) << out.errors;
    EXPECT_TRUE(out.ids.empty());
  }
}

}  // namespace
