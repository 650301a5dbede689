// Live Reflections: where each reflector puts the mirror images, in which
// order, and how many the radial ring makes.
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "copy_effect_fixture.h"
#include "effects/reflections.h"
#include "support/app_runner.h"

namespace vx::test {
namespace {

using ReflectionsTest = CopyEffectTest;

// Positive for the source square's counter-clockwise corners; a mirror image
// runs the other way round.
float SignedArea(const Art* path) {
  const auto& s = path->path().segments;
  float area = 0;
  for (size_t i = 0; i < s.size(); ++i) {
    const AIRealPoint& a = s[i].p;
    const AIRealPoint& b = s[(i + 1) % s.size()].p;
    area += a.h * b.v - b.h * a.v;
  }
  return area * 0.5f;
}

TEST_F(ReflectionsTest, EachReflectorPutsItsImagesAboutTheBottomLeftCornerMovedByTheOffsets) {
  // The source square's centre is (125, 125), its bottom-left corner (100, 100).
  // Radial with total 4 is said to give 8 reflections counting the object's
  // own place: the algorithm adds the mirror image and three turns (90, 180,
  // 270 degrees) of the object and of the mirror image, 7 copies, which with
  // the copy of the object make 8.
  struct Row {
    int32_t reflector;
    float offsetH, offsetV;
    int32_t total;
    std::vector<AIRealPoint> centres;  // the copy of the object first
    const char* mirrored;              // per copy: 1 mirror image, 0 turned
  };
  const Row rows[] = {
      {1, 0, 0, 3, {{125, 125}, {75, 125}}, "01"},
      {1, 10, 0, 3, {{125, 125}, {55, 125}}, "01"},  // offset H 10 moves it 20
      {0, 0, 0, 3, {{125, 125}, {125, 75}}, "01"},
      {0, 0, 5, 3, {{125, 125}, {125, 65}}, "01"},
      {2, 0, 0, 3, {{125, 125}, {75, 125}, {125, 75}, {75, 75}}, "0110"},
      {3, 0, 0, 4,
       {{125, 125}, {75, 125}, {75, 125}, {75, 75}, {75, 75}, {125, 75}, {125, 75},
        {125, 125}},
       "01010101"},
      {3, 0, 0, 1, {{125, 125}, {75, 125}}, "01"},
      {7, 0, 0, 3, {{125, 125}}, "0"},  // no such reflector: nothing added
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.reflector * 1000 + r.total);
    Source();
    ReflectionsPGParams p = kReflectionsFactoryParams;
    p.reflector = r.reflector;
    p.offsetH = r.offsetH;
    p.offsetV = r.offsetV;
    p.total = r.total;
    auto made = Generated(*Apply(kReflections, &p));
    ASSERT_EQ(r.centres.size(), made.size());
    for (size_t i = 0; i < made.size(); ++i) {
      SCOPED_TRACE(i);
      ExpectSquare(made[i], r.centres[i], kSide);
      EXPECT_EQ(r.mirrored[i] == '1', SignedArea(made[i]) < 0);
    }
  }
}

TEST(ReflectionsCommand, ThePaletteFieldsSetTheRecordAndBadEntriesAreUsageErrors) {
  const std::filesystem::path dir = FreshSettingsDir();
  std::ofstream(dir / "in.svg") << R"(<svg xmlns="http://www.w3.org/2000/svg">
  <rect id="box" x="20" y="20" width="60" height="60" fill="#ffffff"/></svg>)";
  const std::string files = (dir / "in.svg").string() + " -o " + (dir / "out.svg").string() +
                            " --settings " + dir.string();
  CommandRun run = RunVersalix4(
      "effect Reflections " + files + " --set reflector=Radial --set total=4 --set offset-h=10",
      dir);
  ASSERT_EQ(0, run.exitCode) << run.err;
  EXPECT_EQ(8u + 1u, CountPaths(dir / "out.svg"));  // the object, 7 reflections, the source
  run = RunVersalix4("effect Reflections " + files + " --set reflector=Sideways", dir);
  EXPECT_EQ(2, run.exitCode);
}

}  // namespace
}  // namespace vx::test
