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

TEST_F(Cli, EveryFrustrationHasItsAnswer) {
  struct Case {
    const char* args;
    int exitCode;
    const char* says;  // in standard output or error
    bool writes;       // out.svg exists afterwards
  } cases[] = {
      // Radius-driven kinds fit their radius to the selection without --cursor.
      // An object left as it was (the text) is a warning unless accepted.
      {"3d in.svg -o out.svg --kind Sphere", 1, "3d left these objects as they were: \"note\" (text)",
       false},
      {"3d in.svg -o out.svg --kind Sphere --accept-warnings", 0, "", true},
      {"3d in.svg -o out.svg --kind 3DTorus --select square,flat", 0, "", true},
      {"3d in.svg -o out.svg --kind cylinder/cone --select square", 0, "", true},
      {"3d in.svg -o out.svg --kind 3DSpiral --select square", 0, "", true},
      // A warning of the plug-in ends the command and writes nothing.
      {"3d in.svg -o out.svg --kind Sphere --cursor 0,0 --select square", 1,
       "Digits of calculated result overflows because the radius is equal to 0 or other reasons.",
       false},
      // (Accepted, the zero radius collapses the art onto the axis: the sweep's known faults.)
      // Art that would vanish or stay as it was is named, with what to change.
      {"effect Border in.svg -o out.svg --select flat", 1,
       "drew nothing for \"flat\": it has no stroke, and steps-mode=\"Auto Steps (Mid)\" takes the "
       "steps from the stroke width (give the art a stroke, or --set steps-mode=\"Manual Steps\")",
       false},
      {"effect Border grouped.svg -o out.svg --select titled,framed", 1,
       "Live Border took \"titled\" (group) apart: a group that holds text", false},
      {"effect Border grouped.svg -o out.svg --select titled --accept-warnings", 0, "apart", true},
      // The palette's items by their names, never by number.
      {"effect Border grouped.svg -o out.svg --select @0.2.1", 2, "\"Apply\" is disabled", false},
      {"script tint.ses", 1, "tint.ses:3: \"Tint\" is disabled", false},
      {"effect Border grouped.svg -o out.svg --select @0.2.1,framed", 1,
       "Live Border left these objects as they were: a path without an id (path); a live effect",
       false},
      {"fractalize in.svg -o out.svg --select square --level 12 --density 0", 1,
       "changed nothing: \"square\" (path)", false},
      // Resampled to ~40 anchors, level 8 would pass 8000 segments: the path
      // is left as it was, not left resampled.
      {"fractalize in.svg -o out.svg --select wave --level 8 --density 10", 1,
       "changed nothing: \"wave\" (path) left as before; Fractalize leaves a path as it was when "
       "it would pass 8000 segments", false},
      // Commands that work on paths refuse text alone with the plug-in's words.
      {"fractalize in.svg -o out.svg --select note --live", 1,
       "The selection is not valid for this filter. (!sel)", false},
      {"tool Warp in.svg -o out.svg --select note --drag 20,20:30,30", 1,
       "The selection is not valid for this filter. (!sel)", false},
      {"tool Hammer in.svg -o out.svg --drag 1,1:2,2", 2, "no tool \"Hammer\"; the tools are: Warp",
       false},
      {"tool Warp in.svg -o out.svg --drag 1,1:x,2", 2,
       "--drag: a point is X,Y with finite numbers, not \"x,2\"", false},
      {"tool Warp in.svg -o out.svg --drag 1,1:2,2 --steps -1", 2, "--steps", false},
      // (A tool's name in any case, with keys held.)
      {"tool warp in.svg -o out.svg --drag 1,1:2,2 --alt --shift --ctrl --preset Nothing", 2,
       "no preset \"Nothing\"", false},
      {"script late.ses", 2, "late.ses:3: steps takes a whole number from 0 to 10000", false},
      {"3d in.svg -o out.svg --kind Sphere --select @1.0,square", 0, "", true},
      // Errors in words: the range and the unit.
      {"effect Border in.svg -o out.svg --set tint=500 --set shadow=on", 2,
       "tint takes 0 to 100%, not 500", false},
      {"3d in.svg -o out.svg --kind Twist --value 1=99999", 2,
       "--value 1 (Angle:) takes -3600 to 3600°, not 99999", false},
      {"3d in.svg -o out.svg --kind Twist --value 2=1", 2, "Twist has no value 2", false},
      {"fractalize in.svg -o out.svg --level 13", 2, "--level takes 1 to 12, not 13", false},
      {"3d in.svg -o out.svg --kind Cube", 2, "10 Spiral (3DSpiral)", false},
      // Discoverable: kinds, generators, effects, presets, fields, the manual.
      {"list kinds", 0, "7 Wave (Radial) (3DWaveR)\n  --value 1=V  Amplitude: -4000 to 4000%", false},
      {"list generators", 0, "10 Square1", false},
      {"list effects", 0, "Border: style", false},
      {"list presets", 0, "Warp (WarpTool)", false},
      {"list presets \"Wave (Radial)\"", 0, "", false},
      {"list presets Cube", 2, "Wave (Radial) (3DWaveR)", false},
      {"preset 3DWaveR show -2", 0, "A\t7", false},
      {"3d --help-kind sphere", 0, "the radius is half the larger side", false},
      {"effect Border --help", 0, "tint            0 to 100%; needs shadow=on", false},
      {"script --help", 0, "Example:", false},
      {"manual", 0, "Live Border", false},
      {"manual \"live border\"", 0, "Live Border\n===", false},
      {"3d --help", 0, "Developer options", false},
      // Conventions: objects and their ids, labels, standard input and output.
      {"objects in.svg", 0, "@1.0\tpath\t\tBack\t", false},
      {"objects - < in.svg", 0, "@0.0\tpath\twave\tFront\t", false},
      {"convert in.svg -o out.svg --select wave", 0, "", true},
      {"convert - -o - < in.svg", 0, "<svg", false},
      {"convert in.svg -o out.svg --select nothing", 2, "no object with the id or label", false},
      {"render in.svg -o out.jpg", 2, "PNG pictures only", false},
      {"render in.svg -o out.png --area nothing", 3, "no element \"nothing\"", false},
      {"preset 3DWaveR new mine", 0, "", false},
      {"preset \"Wave (Radial)\" export .", 0, "", false},
  };
  for (const Case& c : cases) {
    fs::remove(folder_ / "out.svg");
    const CommandRun run = Run(c.args);
    EXPECT_EQ(c.exitCode, run.exitCode) << c.args << "\n" << run.err;
    EXPECT_NE(std::string::npos, (run.out + run.err).find(c.says)) << c.args << "\n" << run.out << run.err;
    EXPECT_EQ(c.writes, fs::exists(folder_ / "out.svg")) << c.args;
  }
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
