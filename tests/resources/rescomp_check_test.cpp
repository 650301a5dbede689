// The resource compiler: names in the sources become the generated header of
// ids (and leave the compiled resources), and a broken dialog, menu or
// picture reference stops the build with the source line.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "support/scratch_folder.h"

namespace {

using vx::test::ReadFile;

struct Compiled {
  int status;
  std::string errors, ids, resources;
};

Compiled Compile(const std::string& source) {
  const vx::test::ScratchFolder dir("vx-rescomp");
  vx::test::WriteFile(dir / "in.rc", source);
  const std::string command = std::string(VX_RESCOMP_PATH) + " " + (dir / "out.cpp").string() +
                              " " + (dir / "ids.h").string() + " " + (dir / "in.rc").string() +
                              " 2>" + (dir / "errors.txt").string();
  return {std::system(command.c_str()), ReadFile(dir / "errors.txt"), ReadFile(dir / "ids.h"),
          ReadFile(dir / "out.cpp")};
}

TEST(Rescomp, NamesBecomeConstantsAndLeaveTheTemplate) {
  const Compiled c = Compile(
      "DIALOG 100 50 50 \"T\" name=SomePalette\n"
      "ITEM 7 button 0 0 10 10 \"Apply\" name=Apply\n"
      "ITEM 8 popup-list 0 0 10 10 \"\" menu=300\n"
      "END\n"
      "MENU 300 name=SomeMenu\n\"a\"\n\"b\" name=Bee\nEND\n"
      "PICT 400 1 1 name=SomePicture\n@\nEND\n"
      "STRINGS 500 name=SomeTexts\n1 \"x\"\nEND\n"
      "TEXT 600 \"t\" name=SomeText\n"
      "CURS 700 1 1 name=SomeCursor\n@\nEND\n");
  ASSERT_EQ(0, c.status) << c.errors;
  for (const char* line : {"inline constexpr int32_t kSomePalette = 100;",
                           "inline constexpr int32_t kSomeMenu = 300;",
                           "inline constexpr int32_t kSomePicture = 400;",
                           "inline constexpr int32_t kSomeTexts = 500;",
                           "inline constexpr int32_t kSomeText = 600;",
                           "inline constexpr int32_t kSomeCursor = 700;",
                           "namespace SomePalette {\ninline constexpr int32_t kApply = 7;\n}",
                           "namespace SomeMenu {\ninline constexpr int32_t kBee = 1;\n}"})
    EXPECT_NE(std::string::npos, c.ids.find(line)) << line;
  // The bytes of "name=" never reach the compiled resources.
  EXPECT_EQ(std::string::npos, c.resources.find("110,97,109,101,61,"));
  EXPECT_NE(std::string::npos, c.resources.find("65,112,112,108,121,"));  // "Apply"
}

TEST(Rescomp, BrokenSourcesStopTheBuildAtTheirLine) {
  struct Case {
    const char* what;
    const char* source;
    const char* error;
  };
  const Case cases[] = {
      {"unknown item kind", "DIALOG 1 9 9 \"\"\nITEM 1 knob 0 0 1 1 \"\"\nEND\n",
       "in.rc:2: error: unknown item kind knob"},
      {"picture without a picture", "DIALOG 1 9 9 \"\"\nITEM 1 picture 0 0 1 1 \"\" picture=5\nEND\n",
       "in.rc:2: error: picture 5 has no PICT resource"},
      {"menu without a menu", "DIALOG 1 9 9 \"\"\nITEM 1 popup-list 0 0 1 1 \"\" menu=6\nEND\n",
       "in.rc:2: error: menu 6 has no MENU resource"},
      {"duplicate item id",
       "DIALOG 1 9 9 \"\"\nITEM 3 button 0 0 1 1 \"\"\nITEM 3 button 0 0 1 1 \"\"\nEND\n",
       "in.rc:3: error: duplicate item 3"},
      {"duplicate item name",
       "DIALOG 1 9 9 \"\"\nITEM 3 button 0 0 1 1 \"\" name=Go\nITEM 4 button 0 0 1 1 \"\" "
       "name=Go\nEND\n",
       "in.rc:3: error: duplicate item name Go"},
      {"duplicate resource name", "MENU 1 name=Same\n\"a\"\nEND\nMENU 2 name=Same\n\"b\"\nEND\n",
       "error: duplicate name Same"},
      {"unknown option", "DIALOG 1 9 9 \"\"\nITEM 1 button 0 0 1 1 \"\" colour=red\nEND\n",
       "in.rc:2: error: unknown item option colour=red"},
      {"named entry of an unnamed menu", "MENU 1\n\"a\" name=A\nEND\n",
       "in.rc:2: error: a named entry needs a named menu"},
      {"named string table without strings", "STRINGS 5 name=Empty\nEND\n",
       "in.rc:1: error: string table Empty holds no strings"},
      {"item without bounds", "DIALOG 1 9 9 \"\"\nITEM 1 button 0 0\nEND\n",
       "in.rc:2: error: expected ITEM"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const Compiled out = Compile(c.source);
    EXPECT_NE(0, out.status);
    EXPECT_NE(std::string::npos, out.errors.find(c.error)) << out.errors;
    EXPECT_TRUE(out.ids.empty());
  }
}

}  // namespace
