// The effect, update, expand, release and script commands of versalix4 on
// SVG files.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "effects/border.h"
#include "host/adm/user_agent.h"
#include "support/app_runner.h"
#include "support/host_fixture.h"

namespace vx::test {
namespace {

namespace fs = std::filesystem;
using host::adm::ItemAction;

constexpr const char* kInput = R"(<svg xmlns="http://www.w3.org/2000/svg" width="200" height="200">
  <rect id="box" x="20" y="20" width="60" height="60" fill="#ffffff" stroke="#000000" stroke-width="4"/>
  <rect id="other" x="120" y="20" width="60" height="60" fill="#ff0000"/>
</svg>
)";

class EffectCommandTest : public ::testing::Test {
 protected:
  fs::path dir_;
  void SetUp() override {
    dir_ = FreshSettingsDir();
    fs::create_directories(dir_);
    std::ofstream(dir_ / "in.svg") << kInput;
  }
  // The exit code; the error text is kept in err_.
  int Run(const std::string& arguments) {
    const CommandRun run =
        RunVersalix4(arguments + " --settings " + (dir_ / "settings").string(), dir_);
    err_ = run.err;
    return run.exitCode;
  }
  std::string err_;
  std::string Read(const std::string& name) {
    std::ifstream in(dir_ / name);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }
  static int Count(const std::string& text, const std::string& what) {
    int n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
  }
  // Paths and the rectangles that stay rectangles while no operation changes them.
  static int Shapes(const std::string& text) { return Count(text, "<path") + Count(text, "<rect"); }
  std::string In(const std::string& name) { return (dir_ / name).string(); }
};

TEST_F(EffectCommandTest, BorderIsStoredUpdatedExpandedAndReleased) {
  ASSERT_EQ(0, Run("effect Border " + In("in.svg") + " -o " + In("border.svg") +
                   " --select box --set steps-mode=Manual --set steps=4 --set offset=50"))
      << err_;
  const std::string border = Read("border.svg");
  EXPECT_EQ(1, Count(border, "vx:role=\"plugin-group\""));
  EXPECT_EQ(1, Count(border, "vx:effect=\"VERSALiX4 Border "));
  EXPECT_EQ(1, Count(border, "vx:record=\""));
  // Four steps and the shape in the result, the source kept hidden.
  EXPECT_EQ(5 + 1 + 1, Shapes(border));

  ASSERT_EQ(0, Run("update " + In("border.svg") + " -o " + In("updated.svg"))) << err_;
  EXPECT_EQ(Shapes(border), Shapes(Read("updated.svg")));

  ASSERT_EQ(0, Run("expand " + In("border.svg") + " -o " + In("expanded.svg"))) << err_;
  const std::string expanded = Read("expanded.svg");
  EXPECT_EQ(0, Count(expanded, "plugin-group"));
  EXPECT_EQ(5 + 1, Shapes(expanded));

  ASSERT_EQ(0, Run("release " + In("border.svg") + " -o " + In("released.svg"))) << err_;
  const std::string released = Read("released.svg");
  EXPECT_EQ(0, Count(released, "plugin-group"));
  EXPECT_EQ(2, Shapes(released));
}

TEST_F(EffectCommandTest, BadFieldsAndEffectsAreUsageErrors) {
  EXPECT_EQ(2, Run("effect Border " + In("in.svg") + " -o " + In("x.svg") + " --set colour=red"));
  EXPECT_NE(std::string::npos, err_.find("steps-mode"));
  EXPECT_EQ(2, Run("effect Sparkle " + In("in.svg") + " -o " + In("x.svg")));
  EXPECT_NE(std::string::npos, err_.find("the effects are: Border Circle"));
  // A field its enabling rule switches off says which field enables it.
  EXPECT_EQ(2, Run("effect Border " + In("in.svg") + " -o " + In("x.svg") + " --set tint=50"));
  EXPECT_NE(std::string::npos, err_.find("tint needs shadow=on")) << err_;
  EXPECT_EQ(2, Run("effect Border " + In("in.svg") + " -o " + In("x.svg") + " --set steps=5"));
  EXPECT_NE(std::string::npos, err_.find("steps needs steps-mode=\"Manual Steps\""))
      << err_;
  EXPECT_EQ(2, Run("effect Border " + In("in.svg") + " -o " + In("x.svg") +
                   " --set steps-mode=Sometimes"));
  EXPECT_FALSE(fs::exists(dir_ / "x.svg"));
}

TEST_F(EffectCommandTest, AScriptReplaysASession) {
  std::ofstream(dir_ / "session.txt")
      << "# a recorded session\n"
      << "open " << In("in.svg") << "\n"
      << "select box\n"
      << "menu Live Border\n"
      << "palette Border " << ItemAction("choose", BorderItems::kStepsMode, "=3") << "\n"
      << "palette Border " << ItemAction("set", BorderItems::kSteps, "=2") << "\n"
      << "palette Border " << ItemAction("press", BorderItems::kApply) << "\n"
      << "save " << In("scripted.svg") << "\n";
  ASSERT_EQ(0, Run("script " + In("session.txt"))) << err_;
  const std::string scripted = Read("scripted.svg");
  EXPECT_EQ(1, Count(scripted, "plugin-group"));
  EXPECT_EQ(2 + 1 + 1 + 1, Shapes(scripted));
  std::ofstream(dir_ / "bad.txt") << "open " << In("in.svg") << "\nfrobnicate\n";
  // A line that cannot be read stops the session before it runs.
  EXPECT_EQ(2, Run("script " + In("bad.txt")));
  EXPECT_NE(std::string::npos, err_.find("bad.txt:2: unknown action"));
}

}  // namespace
}  // namespace vx::test
