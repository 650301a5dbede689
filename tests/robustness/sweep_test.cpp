// The robustness sweep: every command through the versalix4 program with bad
// inputs, extreme option values and awkward output targets. Whatever
// happens, the exit code is a documented one (never a crash or an internal
// fault), a failed command leaves no output, no temporary file and the
// settings as they were, the input is never changed, and the user's preset
// survives.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "support/app_runner.h"
#include "support/scratch_folder.h"

namespace vx::test {
namespace {

namespace fs = std::filesystem;

std::string Svg(const std::string& body, const std::string& attrs = "width=\"200\" height=\"200\"") {
  return "<svg xmlns=\"http://www.w3.org/2000/svg\" " + attrs + ">" + body + "</svg>\n";
}

const std::string kShapes =
    "<path id=\"tri\" d=\"M20,150 L100,30 L180,150 Z\" fill=\"#ffed00\" stroke=\"#000\"/>"
    "<rect id=\"box\" x=\"30\" y=\"160\" width=\"60\" height=\"20\" fill=\"blue\"/>";

// The inputs by name: the files of tests/data/robustness/inputs (valid.svg
// holds kShapes), "deep" and "many-paths" made in SetUp, "@missing" not
// there and "@folder" a folder.
const fs::path kInputs = fs::path(VX_TEST_DATA_DIR) / "robustness" / "inputs";
std::vector<std::string> Inputs() {
  std::vector<std::string> names = {"deep", "many-paths", "@missing", "@folder"};
  for (const auto& e : fs::directory_iterator(kInputs)) names.push_back(e.path().stem());
  std::sort(names.begin(), names.end());
  return names;
}

struct Command {
  const char* args;  // {in} and {out} stand for the paths
  const char* ext;   // of the output
};

const Command kCommands[] = {
    {"convert {in} -o {out}", ".svg"},
    {"convert {in} -o {out} --select tri", ".svg"},
    {"render {in} -o {out} --width 48", ".png"},
    {"3d {in} -o {out} --kind Twist", ".svg"},
    {"3d {in} -o {out} --kind Sphere --preview {out}.png", ".svg"},
    {"3d {in} -o {out} --kind Spiral --post 30,0,0", ".svg"},
    {"fractalize {in} -o {out} --level 2", ".svg"},
    {"fractalize {in} -o {out} --live --seed 7", ".svg"},
    {"effect Border {in} -o {out}", ".svg"},
    {"update {in} -o {out}", ".svg"},
    {"expand {in} -o {out}", ".svg"},
    {"release {in} -o {out}", ".svg"},
    {"tool Warp {in} -o {out} --drag 50,50:80,20 --steps 2", ".svg"},
    {"objects {in}", ".txt"},
    // An SVG file is not a session: refused at its first line, before it runs.
    {"script {in}", ".svg"},
};

// Extreme or wrong option values, on the valid input (those of the known
// faults below are not repeated here): one command a line.
std::vector<std::string> OptionCases() {
  std::ifstream file(fs::path(VX_TEST_DATA_DIR) / "robustness" / "option_cases.txt");
  std::vector<std::string> cases;
  for (std::string line; std::getline(file, line);) cases.push_back(line);
  return cases;
}

class Sweep : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(dir_ / "out");
    fs::copy(kInputs, dir_ / "in");
    std::string deep = kShapes, many;
    for (int i = 0; i < 400; ++i) deep = "<g>" + deep + "</g>";
    for (int i = 0; i < 3000; ++i)
      many += "<path d=\"M" + std::to_string(i % 200) + ",0 l5,5 l5,-5\" stroke=\"#000\"/>";
    WriteFile(dir_ / "in" / "deep.svg", Svg(deep));
    WriteFile(dir_ / "in" / "many-paths.svg", Svg(many));
    fs::create_directories(dir_ / "in" / "@folder.svg");
    // Live art made by the program itself, then damaged: a NaN among
    // Fractalize's stored parameters.
    Run("fractalize " + In("valid") + " -o " + In("live") + " --live --seed 3");
    std::string live = ReadFile(In("live"));
    WriteFile(dir_ / "in" / "live-nan.svg", NanInRecord(live));
    Run("effect Border " + In("valid") + " -o " + In("border"));
    // The user's own preset, which every command must leave in place.
    CommandRun made = Run("preset Border new Mine");
    ASSERT_EQ(0, made.exitCode) << made.err;
    settings_ = SettingsFiles();
    ASSERT_NE(std::string::npos, ReadFile(BorderPresets()).find("$\tMine\r\n"));
  }

  std::string In(const std::string& name) const {
    return (dir_ / "in" / (name + ".svg")).string();
  }
  fs::path BorderPresets() const {
    return dir_ / "settings" / "VERSALiX4 User Settings" / "VERSALiX4_PST_Border.txt";
  }
  CommandRun Run(const std::string& args, const std::string& prefix = "") {
    const bool own = args.find("--settings") != std::string::npos;
    return RunVersalix4(own ? args : args + " --settings '" + (dir_ / "settings").string() + "'",
                        dir_, prefix);
  }
  std::map<fs::path, std::string> SettingsFiles() const {
    std::map<fs::path, std::string> files;
    for (const auto& e : fs::recursive_directory_iterator(dir_ / "settings"))
      if (e.is_regular_file()) files[e.path()] = ReadFile(e.path());
    return files;
  }
  // Fractalize's stored density, made "nan".
  static std::string NanInRecord(std::string svg) {
    const std::string key = "density=r:";
    const size_t at = svg.find(key);
    if (at == std::string::npos) return svg;
    const size_t end = svg.find(';', at);
    return svg.replace(at + key.size(), end - at - key.size(), "nan");
  }

  // Runs one case and checks everything that must hold whatever happened.
  void Check(const std::string& pattern, const std::string& input, const std::string& ext,
             const std::string& prefix = "", bool presetMustSurvive = true) {
    const std::string out = (dir_ / "out" / ("o" + std::to_string(count_++) + ext)).string();
    std::string args = pattern;
    for (std::string key : {"{in}", "{out}"})
      for (size_t at; (at = args.find(key)) != std::string::npos;)
        args.replace(at, key.size(), key == "{in}" ? input : out);
    const bool inputExists = fs::exists(input);
    const std::string inputBefore = inputExists ? ReadFile(input) : "";
    const CommandRun& run = last_ = Run(args, prefix);
    SCOPED_TRACE(args + "\n" + run.err);
    EXPECT_GE(run.exitCode, 0) << "the program did not exit normally";
    EXPECT_LE(run.exitCode, 3) << "an internal fault";
    EXPECT_TRUE(!inputExists || !fs::is_regular_file(input) || inputBefore == ReadFile(input))
        << "the input was changed";
    for (const auto& e : fs::directory_iterator(dir_ / "out"))
      EXPECT_NE('.', e.path().filename().string()[0]) << "a temporary file was left";
    if (run.exitCode != 0) {
      EXPECT_FALSE(fs::exists(out)) << "a failed command wrote its output";
      // (Under a file size limit the settings may be past it already.)
      EXPECT_TRUE(!prefix.empty() || settings_ == SettingsFiles())
          << "a failed command changed the settings";
    } else if (fs::is_regular_file(out)) {
      const std::string bytes = ReadFile(out);
      EXPECT_TRUE(bytes.starts_with("<?xml") || bytes.starts_with("<svg") ||
                  bytes.starts_with("\x89PNG"))
          << "the output is not a whole SVG or PNG file";
    }
    EXPECT_TRUE(!presetMustSurvive ||
                ReadFile(BorderPresets()).find("$\tMine\r\n") != std::string::npos)
        << "the user's preset was lost";
    settings_ = SettingsFiles();
    for (const auto& e : fs::directory_iterator(dir_ / "out")) fs::remove_all(e.path());
  }

  const ScratchFolder dir_{"vx-sweep"};
  std::map<fs::path, std::string> settings_;
  int count_ = 0;
  CommandRun last_;
};

// Sanitizer builds run every third case: the same code paths, a third of
// the time.
#if defined(__SANITIZE_ADDRESS__)
constexpr int kStride = 3;
#else
constexpr int kStride = 1;
#endif

TEST_F(Sweep, EveryCommandOnEveryInput) {
  std::vector<std::string> inputs;
  for (const std::string& name : Inputs()) inputs.push_back(In(name));
  ASSERT_EQ(22u, inputs.size());
  for (const char* name : {"live", "live-nan", "border"}) inputs.push_back(In(name));
  int n = 0;
  for (const Command& c : kCommands)
    for (const std::string& input : inputs)
      if (n++ % kStride == 0) Check(c.args, input, c.ext);
  EXPECT_GE(n, 300);
}

TEST_F(Sweep, ExtremeOptionValues) {
  const std::vector<std::string> cases = OptionCases();
  ASSERT_EQ(89u, cases.size());
  for (size_t n = 0; n < cases.size(); n += kStride)
    Check(cases[n], In("valid"), cases[n].starts_with("render") ? ".png" : ".svg");
}

TEST_F(Sweep, DamagedSettingsNeverCrash) {
  const std::string good = ReadFile(BorderPresets());
  const std::string damaged[] = {
      "", "\xEF\xBB\xBF" + good, good.substr(0, good.size() / 2), good.substr(0, 75),
      std::string(5000, '$'), good.substr(0, 70) + "\r\n$\tDefault Setting\r\nA\tnan\r\n"};
  for (const std::string& bytes : damaged) {
    for (const char* pattern : {"effect Border {in} -o {out}", "preset Border list"}) {
      WriteFile(BorderPresets(), bytes);
      settings_ = SettingsFiles();
      Check(pattern, In("valid"), ".svg", "", false);
    }
  }
}

// A preset file whose first line is not the banner is replaced at start-up
// but kept aside first, and the command says where (on the plug-in's side,
// with a byte-order mark tolerated: the preset store's test).
TEST_F(Sweep, DamagedFirstLinesLoseNoPresets) {
  const std::string damaged = "x" + ReadFile(BorderPresets());
  WriteFile(BorderPresets(), damaged);
  const CommandRun run = Run("preset Border list");
  EXPECT_EQ(0, run.exitCode) << run.err;
  EXPECT_EQ(std::string::npos, run.out.find("Mine")) << run.out;
  int kept = 0;
  for (const auto& e : fs::directory_iterator(BorderPresets().parent_path()))
    if (e.path().filename().string().find(" (replaced ") != std::string::npos &&
        ReadFile(e.path()) == damaged) {
      ++kept;
      EXPECT_NE(std::string::npos, run.err.find(e.path().string())) << run.err;
    }
  EXPECT_EQ(1, kept);
}

// Each fault once seen, and output targets that are not plain new files,
// with the code (and message) each must end with now.
TEST_F(Sweep, KnownFaultsAndOutputTargets) {
  const std::string longSettings = "--settings " + (dir_ / std::string(270, 's')).string();
  const fs::path out = dir_ / "out";
  const struct {
    std::string args;
    int exitCode;
    const char* message = "";
    std::string prefix = "";  // shell commands run first
  } cases[] = {
      // Non-finite results were written as 0 with exit 0; a zero radius now
      // collapses the art onto the axis, with the plug-in's warning.
      {"3d {in} -o {out} --kind Sphere --value 1=0 --cursor 0,0 --accept-warnings", 0,
       "radius is equal to 0"},
      {"3d {in} -o {out} --kind 9 --value 1=0 --value 2=0 --cursor 0,0 --accept-warnings", 0,
       "radius is equal to 0"},
      {"convert " + In("huge-stroke") + " -o {out}", 1, "not a finite number"},
      {"update " + In("live-nan") + " -o {out}", 1},
      // An exception passed through plug-in code (internal fault, 4).
      {"3d {in} -o {out} --kind 99999999999", 2, "unknown kind"},
      {"fractalize {in} -o {out} --generator 99999999999", 2, "no generator"},
      // Undefined float-to-int conversions in sanitizer builds.
      {"3d {in} -o {out} --kind Twist --value 1=1e10", 2, "takes -3600 to 3600"},
      {"effect Border " + In("huge-stroke") + " -o {out} --accept-warnings", 1,
       "not a finite number"},
      {"effect Border {in} -o {out} --set offset=1e10", 2, "offset takes 0 to 4000%"},
      // Numbers that are not finite reached the dialogs.
      {"3d {in} -o {out} --perspective nan", 2, "finite"},
      {"effect Border {in} -o {out} --set offset=nan", 2, "number"},
      // The preview was written in place, and its failure was a usage error.
      {"3d {in} -o {out} --kind Twist --preview /dev/full", 3, "/dev/full"},
      // A tall picture was squashed to the largest side.
      {"render " + In("tall") + " -o {out}.png --width 400", 3, "pixels tall"},
      // A long settings path failed start-up with "(Parm)".
      {"3d {in} -o {out} " + longSettings, 2, "at most 274"},
      // Output targets.
      {"convert {in} -o /dev/null", 0},
      {"render {in} -o /dev/null", 0},
      {"convert {in} -o /dev/full", 3},
      {"3d {in} -o /dev/full --kind Twist", 3},
      {"convert {in} -o -", 0},
      {"convert {in} -o /dev/stdout", 0},
      {"convert {in} -o " + (out / "link.svg").string(), 0, "",
       "ln -s target.svg '" + (out / "link.svg").string() + "';"},
      {"convert {in} -o " + (out / "fifo").string(), 0, "",
       "mkfifo '" + (out / "fifo").string() + "'; (cat '" + (out / "fifo").string() + "' > /dev/null &);"},
      {"convert {in} -o " + (out / "none" / "x.svg").string(), 3},
      {"convert {in} -o " + out.string(), 3},
      {"convert {in} -o {out}", 3, "", "ulimit -f 0;"},  // the copy is smaller than a block
      {"render {in} -o " + (out / "big.png").string() + " --width 2000", 3, "", "ulimit -f 1;"},
      {"3d {in} -o {out} --kind Twist", 3, "", "ulimit -f 1;"},
      {"effect Border {in} -o {out} --accept-warnings", 3, "", "ulimit -f 1;"},
      {"convert {in} -o {in}", 2},
      {"render {in} -o {in}", 2},
      {"effect Border {in} -o {in}", 2},
  };
  for (const auto& c : cases) {
    Check(c.args, In("valid"), ".svg", c.prefix);
    EXPECT_EQ(c.exitCode, last_.exitCode) << c.args << "\n" << last_.err;
    EXPECT_NE(std::string::npos, last_.err.find(c.message)) << c.args << "\n" << last_.err;
  }
  struct stat st;
  ASSERT_EQ(0, stat("/dev/null", &st));
  EXPECT_TRUE(S_ISCHR(st.st_mode)) << "/dev/null is no longer a device";
}

// A link stays a link, and an existing file keeps its mode.
TEST_F(Sweep, ReplacedFilesKeepLinkAndMode) {
  const fs::path target = dir_ / "kept" / "target.svg", link = dir_ / "kept" / "link.svg";
  fs::create_directories(target.parent_path());
  WriteFile(target, "old");
  chmod(target.c_str(), 0600);
  fs::create_symlink("target.svg", link);
  ASSERT_EQ(0, Run("convert " + In("valid") + " -o " + link.string()).exitCode);
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_NE(std::string::npos, ReadFile(target).find("<svg"));
  EXPECT_EQ(fs::perms(0600), fs::status(target).permissions() & fs::perms::mask);
  const CommandRun inPlace = Run("convert " + target.string() + " --in-place");
  EXPECT_EQ(0, inPlace.exitCode) << inPlace.err;
  if (geteuid() != 0) {  // root writes into read-only folders
    fs::permissions(target.parent_path(), fs::perms(0500));
    EXPECT_EQ(3, Run("convert " + In("valid") + " -o " + (dir_ / "kept" / "n.svg").string()).exitCode);
    fs::permissions(target.parent_path(), fs::perms(0700));
  }
}

}  // namespace
}  // namespace vx::test
