// The Lens tool's area (following, Alt resizing, Alt+Shift circles), its
// four lens types and its frame.
#include <gtest/gtest.h>

#include <cmath>

#include "support/geometry_checks.h"
#include "tools/lens_shapes.h"
#include "tools/lens_tool.h"
#include "tools/tool_drag.h"

namespace vx {
namespace {

constexpr float kPi = 3.1415927f;
// A circular lens of radius R = 100 about (300, 200).
constexpr LensArea kCircle{{300.0f, 200.0f}, 200.0f, 200.0f};
constexpr float R = 100.0f;

LensGeometry Lens(LensType type, float value, int16_t cycle = 1,
                  const LensArea& area = kCircle) {
  LensToolParams record = kLensToolFactoryParams;
  record.lensType = int16_t(type);
  record.thickness = record.magnification = record.angle = value;
  record.cycle = cycle;
  LensGeometry g{};
  EXPECT_TRUE(LensSetUp(record, area, &g));
  return g;
}

TEST(LensShapes, PointsInsideTheLensMoveAsEachTypeSays) {
  struct Case {
    const char* what;
    LensGeometry g;
    AIRealPoint from;  // relative to the centre
    AIRealPoint want;
  } cases[] = {
      // Fish-eye 100 %: R / 2 goes to R sin(2 atan(1/2)) = 0.8 R.
      {"fish-eye 100% up", Lens(LensType::kFishEye, 1.0f), {0, -R / 2}, {0, -0.8f * R}},
      // -100 %: r / (sqrt(1 - (r/R)^2) + 1).
      {"fish-eye -100%", Lens(LensType::kFishEye, -1.0f), {R / 2, 0},
       {R / 2 / (std::sqrt(0.75f) + 1.0f), 0}},
      // Magnify 400 %: distances double out to R / 2, beyond it they are
      // pressed onto the edge.
      {"magnify R/4", Lens(LensType::kMagnify, 4.0f), {R / 4, R / 8}, {R / 2, R / 4}},
      {"magnify R/2", Lens(LensType::kMagnify, 4.0f), {0, R / 2}, {0, R}},
      {"magnify 3R/4", Lens(LensType::kMagnify, 4.0f), {-0.75f * R, 0}, {-R, 0}},
      // Twirl 180 deg, cycle 1: half-way out turns by -(1 - 1/2) pi.
      {"twirl 1", Lens(LensType::kTwirl, kPi), {R / 2, 0}, {0, -R / 2}},
      // Cycle 2 at a quarter: a0 = pi / 8, b = a0 cos(pi / 2) = 0, turn -pi/8.
      {"twirl 2", Lens(LensType::kTwirl, kPi, 2), {R / 4, 0},
       {R / 4 * std::cos(kPi / 8), -R / 4 * std::sin(kPi / 8)}},
      // Cycle 3 half-way: a0 = pi / 4, b = -(a0 cos(3 pi / 2)) = 0, turn -pi/4.
      {"twirl 3", Lens(LensType::kTwirl, kPi, 3), {R / 2, 0},
       {R / 2 * std::cos(kPi / 4), -R / 2 * std::sin(kPi / 4)}},
      // An ellipse 200 x 100: the vertical is read twice as long.
      {"fish-eye ellipse", Lens(LensType::kFishEye, 1.0f, 1, {{300, 200}, 200, 100}),
       {0, 25}, {0, 40}},
  };
  for (const Case& c : cases) {
    AIRealPoint p{300.0f + c.from.h, 200.0f + c.from.v};
    ASSERT_TRUE(LensMapPoint(c.g, &p)) << c.what;
    EXPECT_TRUE(test::PointNear({300.0f + c.want.h, 200.0f + c.want.v}, p, 2e-4)) << c.what;
  }
}

// Every lens is continuous at its edge: points on it or outside stay, and a
// point just inside (0.999 R) lands within 5 % of R of where it was (the
// pinch's radius has an infinite slope at the edge: 4.3 % there).
TEST(LensShapes, EdgeAndOutsideStayAndTheEdgeIsContinuous) {
  const LensGeometry lenses[] = {
      Lens(LensType::kFishEye, 1.0f),  Lens(LensType::kFishEye, 0.5f),
      Lens(LensType::kFishEye, -0.5f), Lens(LensType::kFishEye, -1.0f),
      Lens(LensType::kMagnify, 4.0f),  Lens(LensType::kTwirl, kPi),
      Lens(LensType::kTwirl, kPi, 2),  Lens(LensType::kTwirl, kPi, 5)};
  for (const LensGeometry& g : lenses) {
    for (AIRealPoint p : {AIRealPoint{400, 200}, AIRealPoint{300, 100}, AIRealPoint{450, 260}}) {
      const AIRealPoint before = p;
      EXPECT_FALSE(LensMapPoint(g, &p));
      EXPECT_TRUE(before.h == p.h && before.v == p.v);
    }
    AIRealPoint near{300.0f + 0.999f * R * 0.6f, 200.0f + 0.999f * R * 0.8f};
    const AIRealPoint before = near;
    ASSERT_TRUE(LensMapPoint(g, &near));
    EXPECT_TRUE(test::PointNear(before, near, 0.05f * R)) << int(g.type) << " " << g.thickness;
  }
  LensToolParams record = kLensToolFactoryParams;
  LensGeometry g;
  record.thickness = 0.0f;
  EXPECT_FALSE(LensSetUp(record, kCircle, &g)) << "fish-eye 0 % changes nothing";
  record.lensType = int16_t(LensType::kTone);
  EXPECT_FALSE(LensSetUp(record, kCircle, &g)) << "Tone scales objects, it maps no points";
}

// Tone (10 % at the centre and 55 % half-way out with minimums of 10 %: the
// tool drag rows) scales each axis by its own minimum, and not at all at the
// edge or with minimums of 100 %.
TEST(LensShapes, ToneScalesByDistanceFromTheCentre) {
  struct Case {
    AIRealPoint minimum, reference;
    bool scales;
    AIRealPoint want;
  } cases[] = {
      {{0.1f, 0.3f}, {250, 200}, true, {0.55f, 0.65f}},
      {{0.1f, 0.1f}, {400, 200}, false, {}},
      {{1.0f, 1.0f}, {300, 200}, false, {}},
  };
  for (const Case& c : cases) {
    AIRealPoint f{};
    ASSERT_EQ(c.scales, ToneFactors(kCircle, c.minimum, c.reference, &f));
    if (!c.scales) continue;
    EXPECT_FLOAT_EQ(c.want.h, f.h);
    EXPECT_FLOAT_EQ(c.want.v, f.v);
  }
}

TEST(LensShapes, AreaFollowsThePointerAndAltResizesIt) {
  const LensArea follow = LensFollow({300, 200}, 100, 60);
  EXPECT_TRUE(test::PointNear({250, 230}, follow.centre, 0));
  struct Case {
    AIRealPoint pointer;
    bool shift;
    LensArea want;
  } cases[] = {
      {{300, 180}, false, {{250, 230}, 100, 100}},
      {{280, 190}, false, {{250, 230}, 60, 80}},
      // Alt+Shift: a circle of the larger size, the grown axis re-placed so
      // the pointer stays on the box's right or lower edge.
      {{280, 190}, true, {{240, 230}, 80, 80}},
      {{320, 220}, true, {{250, 290}, 140, 140}},
      {{250, 230}, false, {{250, 230}, 1, 1}},
      {{9000, 230}, false, {{250, 230}, 4000, 1}},
  };
  for (const Case& c : cases) {
    const LensArea a = LensResize(follow, c.pointer, c.shift);
    const LensArea again = LensResize(a, c.pointer, c.shift);  // holds still
    for (const LensArea& got : {a, again})
      EXPECT_TRUE(got.centre.h == c.want.centre.h && got.centre.v == c.want.centre.v &&
                  got.width == c.want.width && got.height == c.want.height)
          << c.pointer.h << "," << c.pointer.v << ": " << got.centre.h << "," << got.centre.v
          << " " << got.width << " x " << got.height;
  }
}

TEST(LensTool, TraceEntriesKeepTheAreaAndTheMenuIsWarps) {
  LensToolParams record = kLensToolFactoryParams;
  record.area = {120, 80};
  record.traceMode = 6;
  TracePoint entry{};
  kLensDrag.annotate(&record, &entry);
  EXPECT_EQ(120.0f, entry.aux.h);
  EXPECT_EQ(80.0f, entry.aux.v);
  const TraceOptions o = kLensDrag.traceOptions(&record);
  EXPECT_TRUE(o.mode == TraceMode::kDecelerate && o.roundTrip && !o.removeSource);
}

}  // namespace
}  // namespace vx
