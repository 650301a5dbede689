// `versalix4 tool` as a person runs it: exit codes and messages, a click or
// a release with Space that leaves the file as it was, and a real drag.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "support/app_runner.h"
#include "support/host_fixture.h"

namespace vx::test {
namespace {

constexpr const char* kSquareSvg = R"svg(<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" width="200" height="200" viewBox="0 0 200 200">
  <path id="square" d="M 50,50 L 150,50 L 150,150 L 50,150 Z" fill="#00a0e3"/>
  <text id="words" x="10" y="190">words</text>
</svg>
)svg";

std::string Read(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(ToolCommand, ExitCodesMessagesAndWhatIsWritten) {
  enum class Out { None, SameAsInput, Changed };
  struct Row {
    const char* tool;
    const char* args;  // after the files
    int exit;
    const char* says;  // in the error text
    Out out;
  };
  const Row rows[] = {
      {"Warp", "--drag 100,50 --select square", 0, "", Out::SameAsInput},  // a click
      {"Warp", "--drag 100,50:101,51 --select square", 0, "", Out::SameAsInput},  // the filter
      {"Warp", "--drag 100,50:100,20 --steps 3 --space-at-release --select square", 0, "",
       Out::SameAsInput},
      {"Warp", "--drag 100,50:100,20 --steps 3 --select square", 0, "", Out::Changed},
      {"warp", "--drag 100,50:100,20 --alt --shift --ctrl --select square", 0, "", Out::Changed},
      {"Hammer", "--drag 1,1:2,2", 2, "no tool \"Hammer\"; the tools are: Warp", Out::None},
      {"Warp", "--drag 1,1:x,2", 2, "--drag: a point is X,Y with finite numbers, not \"x,2\"",
       Out::None},
      {"Warp", "--drag 1,1:2,2 --steps -1", 2, "--steps", Out::None},
      {"Warp", "--drag 1,1:2,2 --preset Nothing", 2, "no preset \"Nothing\"", Out::None},
  };
  const std::filesystem::path folder = FreshSettingsDir();
  const std::filesystem::path in = folder / "in.svg", out = folder / "out.svg";
  std::ofstream(in) << kSquareSvg;
  for (const Row& row : rows) {
    std::filesystem::remove(out);
    const CommandRun run =
        RunVersalix4(std::string("tool ") + row.tool + " '" + in.string() + "' -o '" +
                         out.string() + "' --settings '" + (folder / "settings").string() +
                         "' " + row.args,
                     folder);
    EXPECT_EQ(row.exit, run.exitCode) << row.tool << " " << row.args << "\n" << run.err;
    EXPECT_NE(std::string::npos, run.err.find(row.says)) << row.tool << " " << row.args << "\n" << run.err;
    EXPECT_EQ(row.out != Out::None, std::filesystem::exists(out)) << row.tool << " " << row.args;
    if (row.out != Out::None)
      EXPECT_EQ(row.out == Out::SameAsInput, Read(out) == kSquareSvg) << row.tool << " " << row.args;
  }
}

}  // namespace
}  // namespace vx::test
