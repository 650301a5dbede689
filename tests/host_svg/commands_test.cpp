// The convert, render and demo commands as a person runs them: outputs are
// whole or absent, failures are one line and a documented exit code.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "host/io/atomic_file.h"
#include "support/app_runner.h"

namespace {

namespace fs = std::filesystem;

using vx::test::CommandRun;
using vx::test::RunVersalix4;

fs::path Folder(const std::string& name) {
  fs::path folder = fs::temp_directory_path() / ("vx-commands-" + name + "-" + std::to_string(getpid()));
  fs::remove_all(folder);
  fs::create_directories(folder);
  return folder;
}

const fs::path kCorpus = fs::path(VX_TEST_DATA_DIR) / "corpus";

TEST(Commands, ConvertAndRenderWriteWholeFiles) {
  fs::path folder = Folder("ok");
  fs::path in = kCorpus / "tango-places-folder.svg";
  CommandRun convert = RunVersalix4("convert " + in.string() + " -o " + (folder / "out.svg").string(), folder);
  EXPECT_EQ(0, convert.exitCode) << convert.err;
  EXPECT_TRUE(fs::file_size(folder / "out.svg") > 1000);
  CommandRun render = RunVersalix4("render " + (folder / "out.svg").string() + " -o " +
                             (folder / "out.png").string() + " --width 64",
                         folder);
  EXPECT_EQ(0, render.exitCode) << render.err;
  std::ifstream png(folder / "out.png", std::ios::binary);
  char magic[4] = {};
  png.read(magic, 4);
  EXPECT_EQ(std::string("\x89PNG", 4), std::string(magic, 4));
  // Only temporary files' targets remain: no ".out.svg.XXXXXX" left over.
  for (const auto& entry : fs::directory_iterator(folder)) {
    EXPECT_NE('.', entry.path().filename().string()[0]) << entry.path();
  }
  fs::remove_all(folder);
}

TEST(Commands, FailuresAreOneLineAndLeaveNoOutput) {
  fs::path folder = Folder("bad");
  {
    std::ofstream bad(folder / "bad.svg");
    bad << "<svg xmlns='http://www.w3.org/2000/svg'><rect";
  }
  struct Case {
    std::string args;
    int exitCode;
    const char* message;
    fs::path mustNotExist;
  } cases[] = {
      {"convert " + (folder / "missing.svg").string() + " -o " + (folder / "a.svg").string(), 3,
       "cannot read", folder / "a.svg"},
      {"convert " + (folder / "bad.svg").string() + " -o " + (folder / "b.svg").string(), 3,
       "not a well-formed XML document", folder / "b.svg"},
      {"convert " + (kCorpus / "tango-places-folder.svg").string() + " -o " +
           (folder / "no" / "such" / "c.svg").string(),
       3, "cannot write", folder / "no"},
      {"render " + (folder / "bad.svg").string() + " -o " + (folder / "d.png").string(), 3,
       "cannot render", folder / "d.png"},
      {"convert " + (kCorpus / "tango-places-folder.svg").string() + " -o " +
           (folder / "e.svg").string() + " --select nosuchid",
       2, "no object with the id or label \"nosuchid\"", folder / "e.svg"},
      {"render " + (folder / "bad.svg").string() + " -o " + (folder / "f.png").string() +
           " --width 0",
       2, "width", folder / "f.png"},
  };
  for (const Case& c : cases) {
    CommandRun run = RunVersalix4(c.args, folder);
    EXPECT_EQ(c.exitCode, run.exitCode) << c.args << "\n" << run.err;
    EXPECT_NE(std::string::npos, run.err.find(c.message)) << c.args << "\n" << run.err;
    EXPECT_FALSE(fs::exists(c.mustNotExist)) << c.args;
  }
  fs::remove_all(folder);
}

TEST(Commands, ConvertWithSelectWritesOnlyThoseObjects) {
  fs::path folder = Folder("select");
  fs::path in = kCorpus / "tango-places-folder.svg";
  CommandRun run = RunVersalix4("convert " + in.string() + " -o " + (folder / "s.svg").string() +
                          " --select path216,path9788",
                      folder);
  ASSERT_EQ(0, run.exitCode) << run.err;
  std::string text, error;
  ASSERT_TRUE(vx::host::io::ReadFile(folder / "s.svg", &text, &error));
  EXPECT_NE(std::string::npos, text.find("id=\"path216\""));
  EXPECT_NE(std::string::npos, text.find("id=\"path9788\""));
  EXPECT_EQ(std::string::npos, text.find("id=\"path6713\""));
  fs::remove_all(folder);
}

TEST(Commands, DemoWritesTheGallery) {
  fs::path folder = Folder("demo");
  CommandRun run = RunVersalix4("demo -o " + (folder / "gallery").string() + " --width 120", folder);
  ASSERT_EQ(0, run.exitCode) << run.err;
  std::string html, error;
  ASSERT_TRUE(vx::host::io::ReadFile(folder / "gallery" / "index.html", &html, &error));
  for (const char* name : {"sample.png", "sample-out.png", "select.png"}) {
    EXPECT_NE(std::string::npos, html.find(name)) << name;
    EXPECT_TRUE(fs::exists(folder / "gallery" / name)) << name;
  }
  EXPECT_NE(std::string::npos, html.find("$ versalix4 convert sample.svg"));
  fs::remove_all(folder);
}

}  // namespace

// A live Fractalize whose result another program moved (as Inkscape saves a
// moved path: a transform on it) is not overwritten by update unless told
// to; moving the whole effect art is not an edit of its result.
TEST(Commands, UpdateRespectsResultsEditedElsewhere) {
  fs::path folder = Folder("edits");
  {
    std::ofstream in(folder / "in.svg");
    in << "<svg xmlns='http://www.w3.org/2000/svg' width='200' height='100'>"
          "<path id='src' d='M10 50 L190 50' fill='none' stroke='#000000'/></svg>";
  }
  auto run = [&folder](const std::string& args) {
    return RunVersalix4(args, folder);
  };
  ASSERT_EQ(0, run("fractalize " + (folder / "in.svg").string() + " -o " +
                   (folder / "live.svg").string() + " --live").exitCode);
  std::string live, error;
  ASSERT_TRUE(vx::host::io::ReadFile(folder / "live.svg", &live, &error));
  auto edited = [&](const std::string& what, const std::string& with, const char* name) {
    std::string text = live;
    size_t at = text.find(what);
    EXPECT_NE(std::string::npos, at) << live;
    if (at != std::string::npos) text.replace(at, what.size(), with);
    std::ofstream(folder / name) << text;
    return (folder / name).string();
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
      {"update " + moved + " -o " + (folder / "a.svg").string(), 1,
       "\"effect1\": its result was edited in another program"},
      {"update " + moved + " -o " + (folder / "b.svg").string() + " --discard-edits", 0, ""},
      {"update " + groupMoved + " -o " + (folder / "c.svg").string(), 0, ""},
  };
  for (const Case& c : cases) {
    CommandRun r = run(c.args);
    EXPECT_EQ(c.exitCode, r.exitCode) << c.args << "\n" << r.err;
    EXPECT_NE(std::string::npos, r.err.find(c.message)) << r.err;
  }
  EXPECT_FALSE(fs::exists(folder / "a.svg"));
  std::string regenerated;
  ASSERT_TRUE(vx::host::io::ReadFile(folder / "b.svg", &regenerated, &error));
  EXPECT_EQ(std::string::npos, regenerated.find("translate(10,0)")) << regenerated;
  // What update wrote updates again without complaint.
  EXPECT_EQ(0, run("update " + (folder / "b.svg").string() + " -o " + (folder / "d.svg").string())
                   .exitCode);
  fs::remove_all(folder);
}

// What the model cannot hold stays as it is through an operation, which
// says so once with the ids; a clipped shape is changed with its clip.
TEST(Commands, OperationsLeaveWhatTheModelCannotHoldAndSaySo) {
  fs::path folder = Folder("untouched");
  std::ofstream(folder / "in.svg")
      << "<svg xmlns='http://www.w3.org/2000/svg' xmlns:xlink='http://www.w3.org/1999/xlink' "
         "xmlns:inkscape='http://www.inkscape.org/namespaces/inkscape' width='100' height='100'>"
         "<defs><path id='shape' d='M0 0 L10 0 L10 10 Z'/>"
         "<clipPath id='cp'><circle cx='25' cy='25' r='15'/></clipPath></defs>"
         "<use id='clone1' xlink:href='#shape' x='50' fill='red'/>"
         "<image id='img1' width='5' height='5' xlink:href='data:image/png;base64,AAAA'/>"
         "<path id='lpe1' d='M60 60 L90 90' inkscape:path-effect='#e' inkscape:original-d='M60 60 L90 91' stroke='#000'/>"
         "<rect id='r' x='10' y='10' width='30' height='30' clip-path='url(#cp)'/></svg>";
  CommandRun run = RunVersalix4("3d " + (folder / "in.svg").string() + " -o " +
                                    (folder / "out.svg").string() + " --kind Twist",
                                folder);
  ASSERT_EQ(0, run.exitCode) << run.err;
  EXPECT_NE(std::string::npos,
            run.err.find("3 objects were left as they are: 1 Inkscape path effect, 1 clone, 1 image"))
      << run.err;
  for (const char* id : {"clone1", "img1", "lpe1"}) EXPECT_NE(std::string::npos, run.err.find(id));
  std::string out, error;
  ASSERT_TRUE(vx::host::io::ReadFile(folder / "out.svg", &out, &error));
  EXPECT_NE(std::string::npos, out.find("<use id=\"clone1\" xlink:href=\"#shape\" x=\"50\" fill=\"red\"/>"));
  EXPECT_NE(std::string::npos, out.find("inkscape:original-d=\"M60 60 L90 91\""));
  CommandRun render = RunVersalix4("render " + (folder / "out.svg").string() + " -o " +
                                       (folder / "out.png").string() + " --width 100",
                                   folder);
  EXPECT_EQ(0, render.exitCode) << render.err;
  fs::remove_all(folder);
}
