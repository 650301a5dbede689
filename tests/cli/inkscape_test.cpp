// Inkscape's Extensions > VERSALiX4 menu: the pages install writes validate
// against the schema Inkscape installs, uninstall removes exactly them, and
// the launcher, called as Inkscape calls an extension, writes what the same
// versalix4 command writes.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <regex>

#include "support/app_runner.h"
#include "support/scratch_folder.h"

namespace {

namespace fs = std::filesystem;
using namespace vx::test;

constexpr const char* kSchema = "/usr/share/inkscape/extensions/inkscape.extension.rng";

class InkscapeMenu : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(folder_ / "ext");
    fs::copy_file(fs::path(VX_TEST_DATA_DIR) / "cli" / "square_and_wave.svg", folder_ / "in.svg");
    // A page of the user's own, which install and uninstall leave alone.
    WriteFile(folder_ / "ext" / "mine.inx", "<mine/>");
  }
  CommandRun Run(const std::string& args) {
    return RunVersalix4(args, folder_, "cd '" + folder_.string() + "' && ");
  }
  // What Inkscape passes for a page: every parameter with its value (the
  // page's default unless changed), an --id a selected object, the
  // document last.
  std::string InkscapeArguments(const std::string& page, std::map<std::string, std::string> changed,
                                const std::string& id) {
    const std::string text = ReadFile(folder_ / "ext" / page);
    const std::regex param(R"re(<param name="([^"]+)" type="(\w+)"[^>]*>\s*([^<]*)(<(option|page) (value|name)="([^"]*)")?)re");
    std::string args;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), param); it != std::sregex_iterator();
         ++it) {
      const std::string name = (*it)[1], type = (*it)[2];
      const std::string value = type == "optiongroup" || type == "notebook" ? (*it)[7] : (*it)[3];
      if (!changed.count(name)) changed[name] = value;
    }
    for (const auto& [name, value] : changed) args += " '--" + name + "=" + value + "'";
    return args + (id.empty() ? "" : " --id=" + id) + " '" + (folder_ / "in.svg").string() + "'";
  }
  const ScratchFolder folder_{"vx-inkscape"};
};

TEST_F(InkscapeMenu, InstallWritesValidPagesAndUninstallRemovesExactlyThem) {
  ASSERT_EQ(0, Run("inkscape install --dir ext").exitCode);
  int pages = 0;
  for (const fs::directory_entry& e : fs::directory_iterator(folder_ / "ext")) {
    if (e.path().extension() != ".inx" || e.path().filename() == "mine.inx") continue;
    ++pages;
    // The schema comes with Inkscape, which scripts/setup.sh installs.
    const CommandRun check = RunCommand(
        std::string("xmllint --noout --relaxng ") + kSchema + " '" + e.path().string() + "'", folder_);
    EXPECT_EQ(0, check.exitCode) << e.path() << "\n" << check.err;
    const std::string text = ReadFile(e.path());
    EXPECT_NE(std::string::npos, text.find("<submenu name=\"VERSALiX4\"/>")) << e.path();
    EXPECT_NE(std::string::npos, text.find(">versalix4-inkscape</command>")) << e.path();
  }
  // 3D Transform, Fractalize, thirteen live effects, Update, Expand, Release.
  EXPECT_EQ(18, pages);
  EXPECT_NE(std::string::npos, ReadFile(folder_ / "ext" / "versalix4-3d-transform.inx")
                                   .find("<page name=\"3DWaveR\" gui-text=\"Wave (Radial)\">"));
  EXPECT_TRUE(fs::status(folder_ / "ext" / "versalix4-inkscape").permissions() >= fs::perms::owner_exec);
  // Installing again replaces its own files.
  EXPECT_EQ(0, Run("inkscape install --dir ext").exitCode);
  const CommandRun removed = Run("inkscape uninstall --dir ext");
  EXPECT_EQ(0, removed.exitCode) << removed.err;
  EXPECT_EQ(1, std::distance(fs::directory_iterator(folder_ / "ext"), fs::directory_iterator()));
  EXPECT_TRUE(fs::exists(folder_ / "ext" / "mine.inx"));
  const CommandRun again = Run("inkscape uninstall --dir ext");
  EXPECT_EQ(1, again.exitCode);
  EXPECT_NE(std::string::npos, again.err.find("nothing of versalix4 is installed"));
  // A file of the same name that is not ours stops the install before it writes.
  WriteFile(folder_ / "ext" / "versalix4-update.inx", "<theirs/>");
  const CommandRun refused = Run("inkscape install --dir ext");
  EXPECT_EQ(1, refused.exitCode);
  EXPECT_NE(std::string::npos, refused.err.find("was not written by versalix4"));
  EXPECT_EQ(2, std::distance(fs::directory_iterator(folder_ / "ext"), fs::directory_iterator()));
}

TEST_F(InkscapeMenu, TheLauncherWritesWhatTheSameCommandWrites) {
  ASSERT_EQ(0, Run("inkscape install --dir ext").exitCode);
  struct Case {
    const char* page;
    std::map<std::string, std::string> changed;
    const char* id;
    const char* command;  // the same, typed
  } cases[] = {
      {"versalix4-fractalize.inx", {{"generator", "1"}, {"level", "3"}, {"seed", "7"}}, "square",
       "fractalize in.svg --generator 1 --level 3 --seed 7 --select square"},
      {"versalix4-3d-transform.inx", {{"kind", "3DTwist"}, {"3DTwist-1", "45"}, {"post-x", "20"}},
       "wave", "3d in.svg --kind Twist --value 1=45 --post 20,0,0 --select wave"},
      {"versalix4-live-border.inx", {{"shadow", "true"}, {"tint", "60"}}, "square",
       "effect Border in.svg --set shadow=on --set tint=60 --select square"},
      // The pages' defaults are the palettes' Default Settings.
      {"versalix4-live-trail.inx", {}, "", "effect Trail in.svg"},
      {"versalix4-live-circle.inx", {}, "square", "effect Circle in.svg --select square"},
      {"versalix4-live-tiling.inx", {}, "square", "effect Tiling in.svg --select square"},
  };
  const std::string launcher = "'" + (folder_ / "ext" / "versalix4-inkscape").string() + "'";
  for (const Case& c : cases) {
    const CommandRun inkscape = RunCommand(
        launcher + InkscapeArguments(c.page, c.changed, c.id), folder_);
    const CommandRun typed = Run(std::string(c.command) + " -o -");
    ASSERT_EQ(0, typed.exitCode) << c.command << typed.err;
    EXPECT_EQ(0, inkscape.exitCode) << c.page << inkscape.err;
    EXPECT_EQ(typed.out, inkscape.out) << c.page;
  }
  // Errors reach Inkscape on standard error with a non-zero exit.
  struct Failure {
    const char* args;
    const char* says;
  } failures[] = {
      {" '--vx-command=effect Border' --shadow=maybe in.svg", "shadow takes on or off"},
      {" '--vx-command=effect Nothing' in.svg", "no effect \"Nothing\""},
      {" --vx-command=update --colour=1 in.svg", "passed --colour"},
      {" --vx-command=update", "no document"},
      {" --vx-command=3d --kind=3DTwist missing.svg", "missing.svg"},
  };
  for (const Failure& f : failures) {
    const CommandRun run = RunCommand("cd '" + folder_.string() + "' && " + launcher + f.args, folder_);
    EXPECT_NE(0, run.exitCode) << f.args;
    EXPECT_TRUE(run.out.empty()) << f.args;
    EXPECT_NE(std::string::npos, run.err.find(f.says)) << f.args << "\n" << run.err;
  }
}

}  // namespace
