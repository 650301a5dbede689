// Live Tiling, Generation and Frame: the numbers their updates must give
// (tile widths and gaps, turns, steps of a string of copies, the frame's
// copies and corner turns) and the Frame palette.

#include "copy_effect_fixture.h"
#include "effects/frame.h"
#include "effects/generation.h"
#include "effects/tiling.h"

namespace vx::test {
namespace {

constexpr float kPi = 3.14159265358979f;

struct Box {
  float left, bottom, right, top;
  float cx() const { return (left + right) / 2; }
  float cy() const { return (bottom + top) / 2; }
};

class PatternEffectsTest : public CopyEffectTest {
 protected:
  // The effect applied to a source of this side through its palette.
  Art* Apply(int effect, const void* record, float side = kSide) {
    Source(0, side);
    return CopyEffectTest::Apply(effect, record);
  }
  void Press(int effect, int32_t button) { Act(effect, "press " + std::to_string(button)); }
  // The copies in the order they were placed: with stacking Above the
  // last one placed is on top (the first child).
  static std::vector<const Art*> Placed(const Art* effect) {
    auto copies = Generated(*effect);
    std::reverse(copies.begin(), copies.end());
    return copies;
  }
  static Box BoxOf(const Art* path) {
    Box b{1e9f, 1e9f, -1e9f, -1e9f};
    for (const Segment& s : path->path().segments) {
      b.left = std::min(b.left, s.p.h);
      b.right = std::max(b.right, s.p.h);
      b.bottom = std::min(b.bottom, s.p.v);
      b.top = std::max(b.top, s.p.v);
    }
    return b;
  }
  // The turn of a copy of the source square: the direction of its first
  // edge, in degrees 0 .. 360.
  static float TurnDegrees(const Art* path) {
    const auto& s = path->path().segments;
    const float a = std::atan2(s[1].p.v - s[0].p.v, s[1].p.h - s[0].p.h) * 180 / kPi;
    return a < -0.01f ? a + 360 : a;
  }
};

TEST_F(PatternEffectsTest, ShrinkingColumnsNarrowTheTilesAndWithResizeSpacesTheGaps) {
  struct Row { int32_t resize; float x[5]; };
  // Widths 1, 0.875, 0.75, 0.625, 0.5 of 50; gaps 0.9375, 0.8125, 0.6875,
  // 0.5625 of 50 with resize spaces, whole steps of 50 without.
  const Row rows[] = {{1, {0, 46.875f, 87.5f, 121.875f, 150}}, {0, {0, 50, 100, 150, 200}}};
  const float widths[5] = {1, 0.875f, 0.75f, 0.625f, 0.5f};
  for (const Row& r : rows) {
    SCOPED_TRACE(r.resize);
    TilingPGParams p = kTilingFactoryParams;
    p.columns = 5;
    p.rows = 1;
    p.shrinkGrowH = 0.5f;
    p.resizeSpaces = r.resize;
    auto tiles = Placed(Apply(kTiling, &p));
    ASSERT_EQ(5u, tiles.size());
    for (int i = 0; i < 5; ++i) {
      const Box b = BoxOf(tiles[size_t(i)]);
      EXPECT_NEAR(50 * widths[i], b.right - b.left, 1e-4f) << i;
      EXPECT_NEAR(50.0f, b.top - b.bottom, 1e-4f) << i;  // rows keep their scale
      EXPECT_NEAR(125 + r.x[i], b.cx(), 1e-3f) << i;
      EXPECT_NEAR(125.0f, b.cy(), 1e-4f) << i;
    }
  }
}

TEST_F(PatternEffectsTest, RotationOverFourColumnsTurnsTheTilesAboutTheirCentres) {
  TilingPGParams p = kTilingFactoryParams;
  p.columns = 4;
  p.rows = 2;
  p.rotationH = RecordRadians(90);
  auto tiles = Placed(Apply(kTiling, &p));
  ASSERT_EQ(8u, tiles.size());
  for (int i = 0; i < 8; ++i) {
    EXPECT_NEAR(30.0f * float(i % 4), TurnDegrees(tiles[size_t(i)]), 1e-3f) << i;
    EXPECT_NEAR(125 + 50.0f * float(i % 4), BoxOf(tiles[size_t(i)]).cx(), 1e-3f) << i;
    EXPECT_NEAR(125 + 50.0f * float(i / 4), BoxOf(tiles[size_t(i)]).cy(), 1e-3f) << i;
    EXPECT_NEAR(50.0f, Side(tiles[size_t(i)]), 1e-4f) << i;
  }
}

TEST_F(PatternEffectsTest, OneColumnWithScalingOnScalesTheRowsAndDividesByNothing) {
  TilingPGParams p = kTilingFactoryParams;
  p.columns = 1;
  p.rows = 3;
  p.shrinkGrowH = 0.5f;
  p.shrinkGrowV = 0.5f;
  auto tiles = Placed(Apply(kTiling, &p));
  ASSERT_EQ(3u, tiles.size());
  // Rows scale 1, 0.75, 0.5 and step by 50 x 0.875, then 50 x 0.625.
  const float heights[3] = {50, 37.5f, 25}, ys[3] = {125, 168.75f, 200};
  for (int j = 0; j < 3; ++j) {
    const Box b = BoxOf(tiles[size_t(j)]);
    EXPECT_NEAR(50.0f, b.right - b.left, 1e-4f) << j;
    EXPECT_NEAR(heights[j], b.top - b.bottom, 1e-4f) << j;
    EXPECT_NEAR(125.0f, b.cx(), 1e-4f) << j;
    EXPECT_NEAR(ys[j], b.cy(), 1e-3f) << j;
  }
  p.rows = 1;  // a single tile stays in place
  tiles = Placed(Apply(kTiling, &p));
  ASSERT_EQ(1u, tiles.size());
  EXPECT_NEAR(125.0f, BoxOf(tiles[0]).cx(), 1e-4f);
  EXPECT_NEAR(50.0f, BoxOf(tiles[0]).top - BoxOf(tiles[0]).bottom, 1e-4f);
}

TEST_F(PatternEffectsTest, GenerationStepsByTheMeanOfNeighbouringScales) {
  struct Row { float rate, angleStep; float x[4], y[4], side[4]; };
  const Row rows[] = {
      // Rate 0.5, absolute space 10: 7.5 then 3.75 points apart.
      {0.5f, 0, {125, 132.5f, 136.25f, 138.125f}, {125, 125, 125, 125}, {50, 25, 12.5f, 6.25f}},
      // A quarter turn per copy at rate 1: a square of side 10.
      {1.0f, 90, {125, 125, 115, 115}, {125, 135, 135, 125}, {50, 50, 50, 50}},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.rate);
    GenerationPGParams p = kGenerationFactoryParams;
    p.copies = 4;
    p.spaceMode = 1;
    p.space = 10;
    p.rate = r.rate;
    p.angleStep = RecordRadians(r.angleStep);
    auto copies = Placed(Apply(kGeneration, &p));
    ASSERT_EQ(4u, copies.size());
    for (int i = 0; i < 4; ++i) {
      const Box b = BoxOf(copies[size_t(i)]);
      EXPECT_NEAR(r.x[i], b.cx(), 1e-3f) << i;
      EXPECT_NEAR(r.y[i], b.cy(), 1e-3f) << i;
      EXPECT_NEAR(r.side[i], Side(copies[size_t(i)]), 1e-4f) << i;
      EXPECT_NEAR(std::fmod(r.angleStep * float(i), 360.0f), TurnDegrees(copies[size_t(i)]),
                  1e-3f) << i;
    }
  }
}

TEST_F(PatternEffectsTest, FactoryFrameOnATenPointSquareWalksCounterclockwise) {
  // Runs of copies in placing order (each placed below the earlier ones, so
  // the first child is the first copy): count, first offset, step, turn.
  struct Run { int count; float x, y, dx, dy, turn; };
  const Run runs[] = {{8, 0, 0, 10, 0, 0},     {1, 80, 0, 0, 0, 45},
                      {8, 80, 10, 0, 10, 90},  {1, 80, 90, 0, 0, 135},
                      {8, 70, 90, -10, 0, 180}, {1, -10, 90, 0, 0, 225},
                      {8, -10, 80, 0, -10, 270}, {1, -10, 0, 0, 0, 315}};
  for (int32_t keepAngle : {0, 1}) {
    SCOPED_TRACE(keepAngle);
    FramePGParams p = kFrameFactoryParams;
    p.keepAngle = keepAngle;
    auto copies = Generated(*Apply(kFrame, &p, 10));
    ASSERT_EQ(36u, copies.size());
    size_t k = 0;
    for (const Run& run : runs)
      for (int n = 0; n < run.count; ++n, ++k) {
        const Box b = BoxOf(copies[k]);
        EXPECT_NEAR(105 + run.x + run.dx * float(n), b.cx(), 1e-3f) << k;
        EXPECT_NEAR(105 + run.y + run.dy * float(n), b.cy(), 1e-3f) << k;
        EXPECT_NEAR(keepAngle ? 0 : run.turn, TurnDegrees(copies[k]), 1e-3f) << k;
      }
  }
}

TEST_F(PatternEffectsTest, CornerOffsetDropsTheCornersAndShiftsTheRuns) {
  FramePGParams p = kFrameFactoryParams;
  p.sideH = 2;
  p.sideV = 2;
  p.cornerOffset = 1.0f;  // the right run starts above the bottom run's end
  auto copies = Generated(*Apply(kFrame, &p, 10));
  ASSERT_EQ(8u, copies.size());
  EXPECT_NEAR(115.0f, BoxOf(copies[1]).cx(), 1e-4f);
  EXPECT_NEAR(115.0f, BoxOf(copies[2]).cx(), 1e-4f);
  EXPECT_NEAR(115.0f, BoxOf(copies[2]).cy(), 1e-4f);
}

TEST_F(PatternEffectsTest, FramePaletteButtonsSetTheCornerOffsetAndModesShowTheirItems) {
  ASSERT_EQ(0, ChooseWindowItem(kFrame));
  auto* record = static_cast<FramePGParams*>(globals().effectRecords[kFrame]);
  host::adm::Dialog& palette = *Palette(kFrame);
  const float offsets[] = {-1, 0, 1};  // the buttons -100 %, 0 %, 100 %
  for (int32_t k = 0; k < 3; ++k) {
    Act(kFrame, "press " + std::to_string(kFrameOffsetMinus + k));
    EXPECT_FLOAT_EQ(offsets[k], record->cornerOffset);
    EXPECT_FLOAT_EQ(100 * offsets[k], float(palette.GetItem(kFrameOffset)->Value()));
    EXPECT_EQ(k == 1, palette.GetItem(kFrameDrawAtCorner)->enabled) << k;
  }
  EXPECT_TRUE(palette.GetItem(kFrameSidesPercent)->visible);
  EXPECT_FALSE(palette.GetItem(kFrameSidesPoints)->visible);
  Act(kFrame, "choose " + std::to_string(kFrameSpaceMode) + "=1");
  EXPECT_FALSE(palette.GetItem(kFrameSidesPercent)->visible);
  EXPECT_TRUE(palette.GetItem(kFrameCornerPoints)->visible);
}

}  // namespace
}  // namespace vx::test
