// versalix4 preset as a person runs it: each action's output and what it
// leaves in the user's file; failures are a message, a non-zero exit and an
// untouched file.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "presets/preset_fixture.h"
#include "support/app_runner.h"
#include "support/scratch_folder.h"

namespace vx::test {
namespace {

namespace fs = std::filesystem;

class PresetCommand : public ::testing::Test {
 protected:
  CommandRun Versalix4(const std::string& args) {
    return RunVersalix4("preset --settings '" + (root_ / "settings").string() + "' " + args,
                        root_);
  }
  fs::path userFolder() const { return root_ / "settings" / "VERSALiX4 User Settings"; }
  fs::path userFile(const std::string& kind) const {
    return userFolder() / ("VERSALiX4_PST_" + kind + ".txt");
  }

  const ScratchFolder root_{"vx-preset-cmd"};
};

// One user's session, step by step: each "$ ARGS" of the session file, what
// the action prints, "=", then the presets listed after it; export appends
// to another folder's file ({other}) of the kind and import takes its
// presets.
TEST_F(PresetCommand, ActionsEditThePresetsInPlace) {
  const fs::path other = root_ / "other";
  fs::create_directories(other);
  fs::copy_file(FactoryFolder() / "VERSALiX4_PST_Neon.txt", other / "VERSALiX4_PST_Neon.txt");
  struct Step {
    std::string args, out, list;
  };
  std::vector<Step> steps;
  std::istringstream session(ReadFile(std::string(VX_TEST_DATA_DIR) + "/presets/session.txt"));
  bool listing = false;
  for (std::string line; std::getline(session, line);) {
    if (line.starts_with("$ ")) steps.push_back({line.substr(2), "", ""}), listing = false;
    else if (line == "=") listing = true;
    else (listing ? steps.back().list : steps.back().out) += line + "\n";
  }
  ASSERT_EQ(14u, steps.size());
  for (Step& step : steps) {
    if (const size_t at = step.args.find("{other}"); at != std::string::npos)
      step.args.replace(at, 7, other.string());
    SCOPED_TRACE(step.args);
    const CommandRun run = Versalix4(step.args);
    ASSERT_EQ(0, run.exitCode) << run.err;
    EXPECT_EQ(step.out, run.out);
    EXPECT_EQ("", run.err);
    const std::string kind = step.args.substr(0, step.args.find(' '));
    EXPECT_EQ(step.list, Versalix4(kind + " list").out);
  }
  // Byte-exact: the entries follow one another with CR LF line ends, the
  // fixed entries as they were installed.
  const std::string factory = ReadFile(FactoryFolder() / "VERSALiX4_PST_Border.txt");
  EXPECT_EQ(factory +
                "$\tB2\r\nA\t0.000000\r\nB\t0\r\nC\t1\r\nD\t7\r\nE\t0.000000\r\n"
                "F\t-0.785398\r\nG\t0\r\nH\t0\r\nI\t1.000000\r\nJ\t1.000000\r\n"
                "K\t2.356194\r\n",
            ReadFile(userFile("Border")));
  const std::string own = ReadFile(userFile("Neon"));
  EXPECT_EQ(ReadFile(FactoryFolder() / "VERSALiX4_PST_Neon.txt") +
                own.substr(own.find("$\tN2"), own.rfind("$\tN2") - own.find("$\tN2")),
            ReadFile(other / "VERSALiX4_PST_Neon.txt"));
}

// Then far down a long list (past the rows the list box shows), and a full one.
TEST_F(PresetCommand, FailuresSayWhyAndChangeNothing) {
  ASSERT_EQ(0, Versalix4("Border new A").exitCode);
  fs::create_directories(root_ / "empty");
  struct Case {
    std::string args;
    int exitCode;
    std::string message;  // a line of stderr
  };
  const Case cases[] = {
      {"Nope list", 2, "unknown kind \"Nope\""},
      {"Border rename A", 2, "unknown action \"rename\""},
      {"Border show Zed", 1, "no preset \"Zed\" in VERSALiX4_PST_Border.txt"},
      {"Border delete A Zed", 1, "no preset \"Zed\""},
      {"Border new X --set Q=1", 2, "the entry has no key \"Q\""},
      {"Border new X --set A=wide", 2, "key A takes a value like 0.000000"},
      {"Border import '" + userFolder().string() + "'", 1,
       "Import (Export) cannot be done between the same files."},
      {"Border import '" + (root_ / "empty").string() + "'", 1, "File not found"},
      {"WarpTool show Zed", 1, "no preset \"Zed\" in VERSALiX4_PST_WarpTool.txt"},
  };
  const std::string before = ReadFile(userFile("Border"));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args);
    const CommandRun run = Versalix4(c.args);
    EXPECT_EQ(c.exitCode, run.exitCode);
    EXPECT_NE(std::string::npos, run.err.find(c.message)) << run.err;
    EXPECT_EQ(before, ReadFile(userFile("Border")));
  }
  EXPECT_FALSE(fs::exists(root_ / "empty" / "VERSALiX4_PST_Border.txt"));
  EXPECT_EQ(0, Versalix4("WarpTool list").exitCode);
  std::string full = before;
  for (int i = 1; i < 40; ++i) full += "$\tP" + std::to_string(i) + "\r\nD\t1\r\n";
  WriteFile(userFile("Border"), full);
  CommandRun run = Versalix4("Border update P30 --set D=2");
  ASSERT_EQ(0, run.exitCode) << run.err;
  const std::string p30 = "$\tP30\r\nD\t2\r\n";
  EXPECT_EQ(full.replace(full.find("$\tP30"), p30.size(), p30), ReadFile(userFile("Border")));
  for (int i = 40; i < 1024; ++i) full += "$\tP" + std::to_string(i) + "\r\nD\t1\r\n";
  WriteFile(userFile("Border"), full);
  // Full: New is refused, and Update (which adds before it removes) says why.
  for (const char* args : {"Border new X", "Border update P30 --set D=3"}) {
    run = Versalix4(args);
    EXPECT_EQ(1, run.exitCode);
    EXPECT_NE(std::string::npos, run.err.find("The maximum number is exceeded.")) << run.err;
    EXPECT_EQ(full, ReadFile(userFile("Border")));
  }
  EXPECT_NE(std::string::npos,
            run.err.find("holds 1024 presets, the most the preset manager keeps; delete one first"))
      << run.err;
}

}  // namespace
}  // namespace vx::test
