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

constexpr const char* kSource = "M20,150 L100,30 L180,150 Z";

class LiveFractalizeCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("vx-live-cmd-" + std::to_string(getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    Write("in.svg",
          std::string("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"200\" height=\"200\">\n"
                      "  <path id=\"tri\" d=\"") + kSource +
              "\" fill=\"#ffed00\" stroke=\"#000000\" stroke-width=\"2\"/>\n"
              "  <path id=\"line\" d=\"M20,180 L180,180\" fill=\"none\" stroke=\"#ff0000\"/>\n"
              "</svg>\n");
  }
  void TearDown() override { fs::remove_all(dir_); }

  // Runs `versalix4 COMMAND IN -o OUT ARGS` with a settings folder of the test's own.
  void Run(const std::string& command, const std::string& in, const std::string& out,
           const std::string& args = "") {
    const CommandRun run = RunVersalix4(command + " " + Path(in) + " -o " + Path(out) + " " +
                                            args + " --settings " + Path("settings"),
                                        dir_);
    ASSERT_EQ(0, run.exitCode) << command << ": " << run.err;
  }
  std::string Path(const std::string& name) const { return (dir_ / name).string(); }
  std::string Read(const std::string& name) const {
    std::ifstream in(dir_ / name);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }
  void Write(const std::string& name, const std::string& text) const {
    std::ofstream(dir_ / name) << text;
  }
  // Every number of the path data inside the element <g vx:role="ROLE">.
  static std::vector<double> Numbers(const std::string& svg, const std::string& role) {
    const size_t group = svg.find("vx:role=\"" + role + "\"");
    if (group == std::string::npos) return {};
    const size_t d = svg.find(" d=\"", group);
    const std::string data = svg.substr(d + 4, svg.find('"', d + 4) - d - 4);
    std::vector<double> out;
    const std::regex number(R"(-?[0-9]+(\.[0-9]+)?)");
    for (auto it = std::sregex_iterator(data.begin(), data.end(), number);
         it != std::sregex_iterator(); ++it)
      out.push_back(std::stod(it->str()));
    return out;
  }
  static int Count(const std::string& text, const std::string& what) {
    int n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
  }

  fs::path dir_;
};

TEST_F(LiveFractalizeCommand, MovedSourceRendersAgainWithTheSameJitter) {
  Run("fractalize", "in.svg", "live.svg",
      "--select tri --generator 10 --level 2 --density 4 --distortion 3 --unit pt --seed 11 --live");
  const std::string live = Read("live.svg");
  EXPECT_EQ(1, Count(live, "vx:role=\"live-effect\""));
  EXPECT_EQ(1, Count(live, "vx:instance=\"randSeed=i:11\""));
  const std::vector<double> before = Numbers(live, "result");
  ASSERT_GT(before.size(), 100u);  // level 2 with resampling: many anchors

  // Another program moves the source 10 points to the right.
  std::string moved = live;
  const size_t at = moved.find(kSource);
  ASSERT_NE(std::string::npos, at);
  moved.replace(at, std::string(kSource).size(), "M30,150 L110,30 L190,150 Z");
  Write("moved.svg", moved);
  Run("update", "moved.svg", "updated.svg");
  const std::vector<double> after = Numbers(Read("updated.svg"), "result");
  ASSERT_EQ(before.size(), after.size());
  for (size_t i = 0; i < before.size(); i += 2) {
    EXPECT_NEAR(before[i] + 10, after[i], 2e-3) << "x of anchor " << i / 2;
    EXPECT_NEAR(before[i + 1], after[i + 1], 2e-3) << "y of anchor " << i / 2;
  }
}

}  // namespace
}  // namespace vx::test
