// The command line as a new user meets it: every command tells what it did
// or why it did not, lists what the plug-in offers, and gives the same file
// for the same command line. Each case runs the program as typed in a shell.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <filesystem>
#include <fstream>

#include "support/app_runner.h"
#include "support/scratch_folder.h"

namespace {

namespace fs = std::filesystem;
using namespace vx::test;

class Cli : public ::testing::Test {
 protected:
  void SetUp() override {
    // in.svg: shapes with and without strokes on two layers, a label
    // without an id ("wave") and a text ("note"); grouped.svg: a group
    // holding text, which a live effect takes apart, a clipping path
    // (@0.2.1), which it cannot take, and a square.
    for (const char* name : {"in.svg", "grouped.svg"})
      fs::copy_file(fs::path(VX_TEST_DATA_DIR) / "cli" / name, folder_ / name);
    // The last line cannot be read: the session stops before it saves.
    WriteFile(folder_ / "late.ses", "open in.svg\nsave out.svg\ntool drag 1,1 steps 99999\n");
    WriteFile(folder_ / "tint.ses", "open in.svg\nmenu Live Border\npalette Border set 23=5\n");
  }
  CommandRun Run(const std::string& args, const std::string& prefix = "") {
    return RunVersalix4(args, folder_, "cd '" + folder_.string() + "' && " + prefix);
  }
  std::string Read(const std::string& name) { return ReadFile(folder_ / name); }
  const ScratchFolder folder_{"vx-cli"};
};

// Each line of the answers file: the exit code, "writes" when out.svg is
// made ("-" when not), the arguments as typed, a tab, and what standard
// output or error says (\n and \t written so).
TEST_F(Cli, EveryFrustrationHasItsAnswer) {
  std::ifstream answers(fs::path(VX_TEST_DATA_DIR) / "cli" / "answers.txt");
  int cases = 0;
  for (std::string line; std::getline(answers, line);) {
    if (line.empty() || line[0] == '#') continue;
    ++cases;
    const size_t args = line.find(' ', 2) + 1, tab = std::min(line.find('\t'), line.size());
    std::string says = line.substr(std::min(tab + 1, line.size()));
    for (const auto& [escape, c] : {std::pair{"\\n", '\n'}, std::pair{"\\t", '\t'}})
      for (size_t at; (at = says.find(escape)) != std::string::npos;) says.replace(at, 2, 1, c);
    fs::remove(folder_ / "out.svg");
    const CommandRun run = Run(line.substr(args, tab - args));
    EXPECT_EQ(std::stoi(line), run.exitCode) << line << "\n" << run.err;
    EXPECT_NE(std::string::npos, (run.out + run.err).find(says)) << line << "\n" << run.out << run.err;
    EXPECT_EQ(line[2] == 'w', fs::exists(folder_ / "out.svg")) << line;
  }
  EXPECT_EQ(62, cases);
  // The export made the kind's file in a folder that had none.
  EXPECT_NE(std::string::npos, Read("VERSALiX4_PST_3DWaveR.txt").find("$\tmine"));
}

// render draws the area asked for at the size asked for.
TEST_F(Cli, RenderSizesTheAreaAskedFor) {
  struct Case {
    const char* options;
    const char* header;  // the PNG's width and height, big-endian, from byte 16
  } cases[] = {
      {"--width 30", "\0\0\0\x1e\0\0\0\x14"},
      {"--height 40", "\0\0\0\x3c\0\0\0\x28"},
      {"--dpi 48", "\0\0\0\x96\0\0\0\x64"},
      {"--area square --width 9 --background '#ffffff'", "\0\0\0\x09\0\0\0\x09"},
      {"--width 10 --height 50", "\0\0\0\x0a\0\0\0\x32"},
  };
  for (const Case& c : cases) {
    const CommandRun run = Run(std::string("render in.svg -o - ") + c.options);
    ASSERT_EQ(0, run.exitCode) << c.options << run.err;
    EXPECT_EQ(std::string(c.header, 8), run.out.substr(16, 8)) << c.options;
  }
}

TEST_F(Cli, TheSameCommandGivesTheSameFileWhateverRanBetween) {
  struct Case {
    const char* command;
    const char* between;  // the same command with other settings, remembered as Last Setting
  } cases[] = {
      {"fractalize in.svg --select square --generator 3",
       "fractalize in.svg --select square --level 3 --height 50"},
      {"3d in.svg --kind Twist --select square",
       "3d in.svg --kind Twist --select square --value 1=45 --post 10,0,0"},
      {"effect Border in.svg --select square",
       "effect Border in.svg --select square --set shadow=on --set tint=40"},
  };
  for (const Case& c : cases) {
    ASSERT_EQ(0, Run(std::string(c.command) + " -o a.svg").exitCode) << c.command;
    ASSERT_EQ(0, Run(std::string(c.between) + " -o b.svg").exitCode) << c.between;
    // --last starts from what the command between remembered.
    ASSERT_EQ(0, Run(std::string(c.command) + " --last -o d.svg").exitCode) << c.command;
    ASSERT_EQ(0, Run(std::string(c.command) + " -o c.svg").exitCode) << c.command;
    EXPECT_EQ(Read("a.svg"), Read("c.svg")) << c.command;
    EXPECT_NE(Read("a.svg"), Read("b.svg")) << c.between;
    EXPECT_NE(Read("a.svg"), Read("d.svg")) << c.command;
  }
}

// The installed program, moved away from where it was installed, finds its
// plug-in beside itself and runs the demo; the man page and completion list
// the commands.
TEST_F(Cli, TheInstalledProgramRunsFromAnyPrefix) {
  const fs::path prefix = folder_ / "prefix", moved = folder_ / "moved";
  const std::string install = std::string(VX_CMAKE_COMMAND) + " --install '" VX_BUILD_DIR
                              "' --prefix '" + prefix.string() + "' >/dev/null";
  ASSERT_EQ(0, std::system(install.c_str()));
  fs::rename(prefix, moved);
  const std::string program = (moved / "bin" / "versalix4").string();
  const std::string run = "env -u VERSALIX4_PLUGIN '" + program + "' demo -o '" +
                          (folder_ / "gallery").string() + "' >/dev/null 2>&1 && '" + program +
                          "' 3d '" + (folder_ / "in.svg").string() + "' --kind Sphere --select square -o '" +
                          (folder_ / "out.svg").string() + "'";
  EXPECT_EQ(0, std::system(run.c_str()));
  EXPECT_TRUE(fs::exists(folder_ / "gallery" / "index.html"));
  EXPECT_TRUE(fs::exists(folder_ / "out.svg"));
  // `studio` hands over to the studio program installed beside the plug-in,
  // which finds the plug-in, starts, and refuses a file that is not SVG.
  std::ofstream(folder_ / "not.svg") << "not SVG";
  const std::string studio = "env -u VERSALIX4_PLUGIN '" + program + "' studio --no-browser '" +
                             (folder_ / "not.svg").string() + "' 2>/dev/null";
  EXPECT_EQ(3, WEXITSTATUS(std::system(studio.c_str())));  // the input could not be read
  // Arcs are read by the path data module installed beside the plug-in;
  // without it, the command names it and writes nothing.
  std::ofstream(folder_ / "arc.svg")
      << R"(<svg xmlns="http://www.w3.org/2000/svg"><path d="M0 0 A5 5 0 0 1 10 0"/></svg>)";
  const std::string convert = "env -u VERSALIX4_PLUGIN '" + program + "' convert '" +
                              (folder_ / "arc.svg").string() + "' -o '" +
                              (folder_ / "arc-out.svg").string() + "' 2>'" +
                              (folder_ / "err.txt").string() + "'";
  EXPECT_EQ(0, std::system(convert.c_str()));
  fs::remove(folder_ / "arc-out.svg");
  fs::remove(moved / "lib" / "versalix4" / "VERSALiX4PathData.so");
  EXPECT_EQ(3, WEXITSTATUS(std::system(convert.c_str())));
  EXPECT_NE(std::string::npos, ReadFile(folder_ / "err.txt").find("cannot load VERSALiX4PathData.so"));
  EXPECT_FALSE(fs::exists(folder_ / "arc-out.svg"));
  EXPECT_NE(std::string::npos,
            ReadFile(moved / "share" / "man" / "man1" / "versalix4.1").find(".SS \"versalix4 objects\""));
  EXPECT_TRUE(fs::exists(moved / "share" / "bash-completion" / "completions" / "versalix4"));
}

}  // namespace
