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
       2, "no object with the id \"nosuchid\"", folder / "e.svg"},
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
