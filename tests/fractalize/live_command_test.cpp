// Live Fractalize through the command line as a person uses it: applied with
// --live, the source moved in another program, then update on the saved file.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "support/app_runner.h"

namespace vx::test {
namespace {

namespace fs = std::filesystem;

std::string Read(const fs::path& file) {
  std::ifstream in(file);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

int Count(const std::string& text, const std::string& what) {
  int n = 0;
  for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

// Every number of the path data of the result group.
std::vector<double> ResultNumbers(const std::string& svg) {
  const size_t d = svg.find(" d=\"", svg.find("vx:role=\"result\""));
  if (d == std::string::npos) return {};
  const std::string data = svg.substr(d + 4, svg.find('"', d + 4) - d - 4);
  std::vector<double> out;
  const std::regex number(R"(-?[0-9]+(\.[0-9]+)?)");
  for (auto it = std::sregex_iterator(data.begin(), data.end(), number);
       it != std::sregex_iterator(); ++it)
    out.push_back(std::stod(it->str()));
  return out;
}

TEST(LiveFractalizeCommand, MovedSourceRendersAgainWithTheSameJitter) {
  const fs::path dir = fs::temp_directory_path() / ("vx-live-cmd-" + std::to_string(getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir);
  const std::string source = "M20,150 L100,30 L180,150 Z";
  std::ofstream(dir / "in.svg")
      << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"200\" height=\"200\">\n"
         "  <path id=\"tri\" d=\"" << source
      << "\" fill=\"#ffed00\" stroke=\"#000000\" stroke-width=\"2\"/>\n"
         "  <path id=\"line\" d=\"M20,180 L180,180\" fill=\"none\" stroke=\"#ff0000\"/>\n"
         "</svg>\n";
  // `versalix4 COMMAND IN -o OUT ARGS` with a settings folder of the test's own.
  auto run = [&](const std::string& command, const char* in, const char* out,
                 const std::string& args = "") {
    const CommandRun r = RunVersalix4(command + " " + (dir / in).string() + " -o " +
                                          (dir / out).string() + " " + args + " --settings " +
                                          (dir / "settings").string(),
                                      dir);
    EXPECT_EQ(0, r.exitCode) << command << ": " << r.err;
  };
  run("fractalize", "in.svg", "live.svg",
      "--select tri --generator 10 --level 2 --density 4 --distortion 3 --unit pt --seed 11 --live");
  const std::string live = Read(dir / "live.svg");
  EXPECT_EQ(1, Count(live, "vx:role=\"live-effect\""));
  EXPECT_EQ(1, Count(live, "vx:instance=\"randSeed=i:11\""));
  const std::vector<double> before = ResultNumbers(live);
  ASSERT_GT(before.size(), 100u);  // level 2 with resampling: many anchors

  // Another program moves the source 10 points to the right.
  std::string moved = live;
  const size_t at = moved.find(source);
  ASSERT_NE(std::string::npos, at);
  moved.replace(at, source.size(), "M30,150 L110,30 L190,150 Z");
  std::ofstream(dir / "moved.svg") << moved;
  run("update", "moved.svg", "updated.svg");
  const std::vector<double> after = ResultNumbers(Read(dir / "updated.svg"));
  ASSERT_EQ(before.size(), after.size());
  for (size_t i = 0; i < before.size(); i += 2) {
    EXPECT_NEAR(before[i] + 10, after[i], 2e-3) << "x of anchor " << i / 2;
    EXPECT_NEAR(before[i + 1], after[i + 1], 2e-3) << "y of anchor " << i / 2;
  }
  fs::remove_all(dir);
}

}  // namespace
}  // namespace vx::test
