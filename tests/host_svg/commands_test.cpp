// The convert, render and demo commands as a person runs them: outputs are
// whole or absent, failures are one line and a documented exit code.
#include <gtest/gtest.h>

#include <filesystem>

#include "support/app_runner.h"
#include "support/scratch_folder.h"

namespace {

namespace fs = std::filesystem;

using namespace vx::test;

const std::string kTango =
    (fs::path(VX_TEST_DATA_DIR) / "corpus" / "tango-places-folder.svg").string();

class Commands : public ::testing::Test {
 protected:
  CommandRun Run(const std::string& args) { return RunVersalix4(args, folder); }
  // A file of the folder by name, as a command-line argument.
  std::string At(const std::string& name) const { return (folder / name).string(); }
  std::string Text(const std::string& name) const { return ReadFile(folder / name); }
  const ScratchFolder folder{"vx-commands"};
};

TEST_F(Commands, FailuresAreOneLineAndLeaveNoOutput) {
  WriteFile(folder / "bad.svg", "<svg xmlns='http://www.w3.org/2000/svg'><rect");
  struct Case {
    std::string args;
    int exitCode;
    const char* message;
    const char* mustNotExist;
  } cases[] = {
      {"convert " + At("missing.svg") + " -o " + At("a.svg"), 3, "cannot read", "a.svg"},
      {"convert " + At("bad.svg") + " -o " + At("b.svg"), 3, "not a well-formed XML document",
       "b.svg"},
      {"convert " + kTango + " -o " + At("no/such/c.svg"), 3, "cannot write", "no"},
      {"render " + At("bad.svg") + " -o " + At("d.png"), 3, "cannot render", "d.png"},
      {"render " + At("bad.svg") + " -o " + At("f.png") + " --width 0", 2, "width", "f.png"},
  };
  for (const Case& c : cases) {
    CommandRun run = Run(c.args);
    EXPECT_EQ(c.exitCode, run.exitCode) << c.args << "\n" << run.err;
    EXPECT_NE(std::string::npos, run.err.find(c.message)) << c.args << "\n" << run.err;
    EXPECT_FALSE(fs::exists(folder / c.mustNotExist)) << c.args;
  }
}

TEST_F(Commands, ConvertWithSelectWritesOnlyThoseObjects) {
  CommandRun run = Run("convert " + kTango + " -o " + At("s.svg") + " --select path216,path9788");
  ASSERT_EQ(0, run.exitCode) << run.err;
  const std::string text = Text("s.svg");
  EXPECT_NE(std::string::npos, text.find("id=\"path216\""));
  EXPECT_NE(std::string::npos, text.find("id=\"path9788\""));
  EXPECT_EQ(std::string::npos, text.find("id=\"path6713\""));
}

TEST_F(Commands, DemoWritesTheGallery) {
  CommandRun run = Run("demo -o " + At("gallery") + " --width 120");
  ASSERT_EQ(0, run.exitCode) << run.err;
  const std::string html = Text("gallery/index.html");
  for (const char* name : {"sample.png", "sample-out.png", "select.png"}) {
    EXPECT_NE(std::string::npos, html.find(name)) << name;
    EXPECT_TRUE(fs::exists(folder / "gallery" / name)) << name;
  }
  EXPECT_NE(std::string::npos, html.find("$ versalix4 convert sample.svg"));
}

// A live Fractalize whose result another program moved (as Inkscape saves a
// moved path: a transform on it) is not overwritten by update unless told
// to; moving the whole effect art is not an edit of its result.
TEST_F(Commands, UpdateRespectsResultsEditedElsewhere) {
  WriteFile(folder / "in.svg", "<svg xmlns='http://www.w3.org/2000/svg' width='200' height='100'>"
                               "<path id='src' d='M10 50 L190 50' fill='none' stroke='#000000'/></svg>");
  ASSERT_EQ(0, Run("fractalize " + At("in.svg") + " -o " + At("live.svg") + " --live").exitCode);
  const std::string live = Text("live.svg");
  auto edited = [&](const std::string& what, const std::string& with, const char* name) {
    std::string text = live;
    size_t at = text.find(what);
    EXPECT_NE(std::string::npos, at) << live;
    if (at != std::string::npos) text.replace(at, what.size(), with);
    WriteFile(folder / name, text);
    return At(name);
  };
  const std::string moved = edited("<g vx:role=\"result\"><path ",
                                   "<g vx:role=\"result\"><path transform=\"translate(10,0)\" ",
                                   "moved.svg");
  const std::string groupMoved =
      edited("<g id=\"effect1\"", "<g transform=\"translate(10,0)\" id=\"effect1\"", "group.svg");
  struct Case {
    std::string args;
    int exitCode;
    const char* message;
  } cases[] = {
      {"update " + moved + " -o " + At("a.svg"), 1,
       "\"effect1\": its result was edited in another program"},
      {"update " + moved + " -o " + At("b.svg") + " --discard-edits", 0, ""},
      {"update " + groupMoved + " -o " + At("c.svg"), 0, ""},
      // What update wrote updates again without complaint.
      {"update " + At("b.svg") + " -o " + At("d.svg"), 0, ""},
  };
  for (const Case& c : cases) {
    CommandRun r = Run(c.args);
    EXPECT_EQ(c.exitCode, r.exitCode) << c.args << "\n" << r.err;
    EXPECT_NE(std::string::npos, r.err.find(c.message)) << r.err;
  }
  EXPECT_FALSE(fs::exists(folder / "a.svg"));
  EXPECT_EQ(std::string::npos, Text("b.svg").find("translate(10,0)"));
}

// What the model cannot hold stays as it is through an operation, which
// says so once with the ids; a clipped shape is changed with its clip.
TEST_F(Commands, OperationsLeaveWhatTheModelCannotHoldAndSaySo) {
  WriteFile(folder / "in.svg",
      "<svg xmlns='http://www.w3.org/2000/svg' xmlns:xlink='http://www.w3.org/1999/xlink' "
         "xmlns:inkscape='http://www.inkscape.org/namespaces/inkscape' width='100' height='100'>"
         "<defs><path id='shape' d='M0 0 L10 0 L10 10 Z'/>"
         "<clipPath id='cp'><circle cx='25' cy='25' r='15'/></clipPath></defs>"
         "<use id='clone1' xlink:href='#shape' x='50' fill='red'/>"
         "<image id='img1' width='5' height='5' xlink:href='data:image/png;base64,AAAA'/>"
         "<path id='lpe1' d='M60 60 L90 90' inkscape:path-effect='#e' inkscape:original-d='M60 60 L90 91' stroke='#000'/>"
         "<rect id='r' x='10' y='10' width='30' height='30' clip-path='url(#cp)'/></svg>");
  const std::string command = "3d " + At("in.svg") + " -o " + At("out.svg") + " --kind Twist";
  // Objects left as they are are a warning: nothing is written unless asked.
  EXPECT_EQ(1, Run(command).exitCode);
  EXPECT_FALSE(fs::exists(folder / "out.svg"));
  CommandRun run = Run(command + " --accept-warnings");
  ASSERT_EQ(0, run.exitCode) << run.err;
  EXPECT_NE(std::string::npos,
            run.err.find("3 objects were left as they are: 1 Inkscape path effect, 1 clone, 1 image"))
      << run.err;
  for (const char* id : {"clone1", "img1", "lpe1"}) EXPECT_NE(std::string::npos, run.err.find(id));
  const std::string out = Text("out.svg");
  // Written as it was read, its quotes included.
  EXPECT_NE(std::string::npos, out.find("<use id='clone1' xlink:href='#shape' x='50' fill='red'/>"));
  EXPECT_NE(std::string::npos, out.find("inkscape:original-d='M60 60 L90 91'"));
  CommandRun render = Run("render " + At("out.svg") + " -o " + At("out.png") + " --width 100");
  EXPECT_EQ(0, render.exitCode) << render.err;
}

}  // namespace
