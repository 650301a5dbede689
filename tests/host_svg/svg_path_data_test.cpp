// Path data to cubic anchors and back; the basic shapes.
#include <gtest/gtest.h>

#include <2geom/elliptical-arc.h>
#include <2geom/svg-path-parser.h>

#include <cctype>
#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "host/svg/svg_path_data.h"
#include "host/svg/svg_shapes.h"
#include "support/scratch_folder.h"

namespace vx::host::svg {
namespace {

namespace fs = std::filesystem;

BezierPaths Read(const char* d) {
  bool ok = true;
  return ReadPathDataGeneral(d, &ok);
}

// The point at t of the cubic piece from anchor a to anchor b.
Point PointOn(const Anchor& a, const Anchor& b, double t) {
  double u = 1 - t;
  return u * u * u * a.p + 3 * u * u * t * a.out + 3 * u * t * t * b.in + t * t * t * b.p;
}

TEST(SvgPathData, CountsAnchorsAndClosedness) {
  struct Case {
    const char* d;
    std::vector<size_t> anchors;
    std::vector<bool> closed;
  } cases[] = {
      {"M0 0 L10 0 L10 10 Z", {3}, {true}},
      {"M0 0 L10 0 L10 10 L0 0 Z", {3}, {true}},  // explicit return to start
      {"M0 0 L10 0 L10 10", {3}, {false}},
      {"M0 0 h10 v10 h-10 z m20 0 h5 v5 z", {4, 3}, {true, true}},
      {"M0 0 C1 1 2 2 3 3 S5 5 6 6", {3}, {false}},
      {"M0 0 Q5 10 10 0 T20 0", {3}, {false}},
      {"M0 0 A10 10 0 0 1 20 0", {3}, {false}},  // half circle: two pieces
      {"M0 0 A10 10 0 1 1 0 0.001", {5}, {false}},  // almost full: four pieces
      {"M5 5", {}, {}},
  };
  for (const Case& c : cases) {
    BezierPaths paths = Read(c.d);
    ASSERT_EQ(c.anchors.size(), paths.size()) << c.d;
    for (size_t i = 0; i < paths.size(); ++i) {
      EXPECT_EQ(c.anchors[i], paths[i].anchors.size()) << c.d;
      EXPECT_EQ(c.closed[i], paths[i].closed) << c.d;
    }
  }
}

TEST(SvgPathData, QuadraticCurvesBecomeExactCubics) {
  BezierPaths paths = Read("M0 0 Q6 12 12 0");
  ASSERT_EQ(2u, paths[0].anchors.size());
  EXPECT_EQ((Point{4, 8}), paths[0].anchors[0].out);
  EXPECT_EQ((Point{8, 8}), paths[0].anchors[1].in);
}

TEST(SvgPathData, ArcsStayOnTheirEllipse) {
  // Rotated ellipse arcs: every point of the cubic pieces lies on the
  // ellipse within 0.03 % of the radius.
  for (const char* d : {"M0 0 A40 20 30 1 0 50 10", "M0 0 A40 20 -60 0 1 30 30",
                        "M10 10 a5 5 0 1 1 10 0"}) {
    Geom::PathVector pv = Geom::parse_svg_path(d);
    auto* arc = dynamic_cast<const Geom::EllipticalArc*>(&pv[0][0]);
    ASSERT_TRUE(arc) << d;
    Geom::Affine toUnit = arc->inverseUnitCircleTransform();
    BezierPaths paths = Read(d);
    const auto& a = paths[0].anchors;
    EXPECT_TRUE(Geom::are_near(Geom::Point(a.front().p.h, a.front().p.v), arc->initialPoint(), 1e-9)) << d;
    EXPECT_TRUE(Geom::are_near(Geom::Point(a.back().p.h, a.back().p.v), arc->finalPoint(), 1e-9)) << d;
    for (size_t i = 0; i + 1 < a.size(); ++i) {
      for (double t = 0; t <= 1; t += 0.125) {
        const Point on = PointOn(a[i], a[i + 1], t);
        double radius = Geom::L2(Geom::Point(on.h, on.v) * toUnit);
        EXPECT_NEAR(1, radius, 3e-4) << d << " piece " << i << " t " << t;
      }
    }
    // Arc pieces join smoothly.
    for (size_t i = 1; i + 1 < a.size(); ++i) EXPECT_FALSE(a[i].corner) << d;
  }
}

// An anchor whose handles point apart is smooth when the sine of the angle
// between them is below 1e-3, whatever their lengths: just either side of
// the limit, well away from it, and at lengths whose squares leave the
// double range.
TEST(SvgPathData, CornerWhereTheHandlesBendMoreThanTheLimit) {
  struct Case {
    double length, slope;  // handles (-length, 0) and length * (1, slope)
    bool corner;
  };
  for (const Case& c : {Case{1, 0.9999e-3, false}, {1, 1.0001e-3, true}, {1, 0.5e-3, false},
                        {1, 2e-3, true}, {1e100, 0.5e-3, false}, {1e100, 2e-3, true},
                        {1e-100, 0.9999e-3, false}, {1e-100, 1.0001e-3, true}}) {
    const Anchor a{{0, 0}, {-c.length, 0}, c.length * Point{1, c.slope}, false};
    EXPECT_EQ(c.corner, IsCorner(a)) << c.length << " " << c.slope;
  }
}

TEST(SvgPathData, ErrorsKeepWhatCameBefore) {
  bool ok = true;
  BezierPaths paths = ReadPathDataGeneral("M0 0 L10 0 L10 10 X 5 5 L 0 0", &ok);
  EXPECT_FALSE(ok);
  ASSERT_EQ(1u, paths.size());
  EXPECT_EQ(3u, paths[0].anchors.size());
  // Other bad data is read by both readers in the agreement test below.
}

// The direct reader of the usual commands gives exactly what the general
// reader gives, errors included: on a table of edge cases and on every path
// of the real-world corpus.
TEST(SvgPathData, DirectReaderAgreesWithTheGeneralOne) {
  std::vector<std::string> data = {
      "M0 0 L10 0 L10 10 Z", "M0 0 L10 0 L10 10 L0 0 Z", "m1.5.5-2e1,3E-1 l.5-.5z l4 4",
      "M0,0 h10 v10 h-10 z m20 0 h5 v5 z M3 3", "M0 0 C1 1 2 2 3 3 S5 5 6 6 s1 1 2 2",
      "M0 0 Q5 10 10 0 T20 0 t5 5 q1 2 3 4 T 0 0 Z", "M1 1 2 2 3 3 m1 1 2 2", "M5 5",
      "M0 0 C 1 1 2 2 0 1e-9 Z", "M0 0 L 1 1 Z Z L 2 2", "M0 0 L 5 0 L 0 0 L 0 0 z", "M0 0 L 0 0 z", "M0 0 L10 0 L10 10 X 5 5 L 0 0",
      "L 5 5", "M", "M 1", "M 1 2 C 1 2 3", "Z Z Z", "M1e999 0 L 0 0", "M 0 0 L +1 2,",
      "M 0 0 L +-1 2", "M 0 0 A 1 1 0 0 1 5 5 L 2 2", "M 0 0 L inf 2", "M 0,0 L 1,,2",
      "M 0 0 A 1 1 0 2 0 1 1"};
  for (const auto& entry : fs::directory_iterator(fs::path(VX_TEST_DATA_DIR) / "corpus")) {
    const std::string text = test::ReadFile(entry.path());
    for (size_t at = text.find("d=\""); at != std::string::npos; at = text.find("d=\"", at + 3))
      if (at > 0 && std::isspace(static_cast<unsigned char>(text[at - 1])))
        data.push_back(text.substr(at + 3, text.find('"', at + 3) - at - 3));
  }
  EXPECT_GT(data.size(), 900u);
  for (const std::string& d : data) {
    bool ok = true, generalOk = true;
    const BezierPaths direct = ReadPathData(d, &ok);
    const BezierPaths expected = ReadPathDataGeneral(d, &generalOk);
    EXPECT_EQ(generalOk, ok) << d;
    ASSERT_EQ(expected.size(), direct.size()) << d;
    for (size_t i = 0; i < direct.size(); ++i) {
      EXPECT_EQ(expected[i].closed, direct[i].closed) << d;
      ASSERT_EQ(expected[i].anchors.size(), direct[i].anchors.size()) << d;
      for (size_t k = 0; k < direct[i].anchors.size(); ++k) {
        const Anchor &a = direct[i].anchors[k], &b = expected[i].anchors[k];
        EXPECT_TRUE(a.p == b.p && a.in == b.in && a.out == b.out && a.corner == b.corner)
            << d << " path " << i << " anchor " << k;
      }
    }
  }
}

TEST(SvgPathData, WritesBackTheSameShape) {
  struct Case {
    const char* in;
    const char* out;
  } cases[] = {
      {"M0 0 L10 0 L10 10 Z", "M0,0 L10,0 L10,10 Z"},
      {"M0,0 C1,2 3,4 5,6", "M0,0 C1,2 3,4 5,6"},
      {"M0 0 C0 5 10 5 10 0 Z", "M0,0 C0,5 10,5 10,0 Z"},
      {"M0 0 L10 0 C10 5 0 5 0 0 Z", "M0,0 L10,0 C10,5 0,5 0,0 Z"},
      {"M1 1 h2 M5 5 v2", "M1,1 L3,1 M5,5 L5,7"},
      {"M0.123456 0 L1 1", "M0.1235,0 L1,1"},
  };
  for (const Case& c : cases) EXPECT_EQ(c.out, WritePathData(Read(c.in))) << c.in;
}

TEST(SvgPathData, TransformsAndRangeChecks) {
  BezierPaths paths = Read("M1 2 L3 4");
  Transform(paths, Affine{1, 0, 0, -1, 0, 100});
  EXPECT_EQ((Point{1, 98}), paths[0].anchors[0].p);
  EXPECT_EQ((Point{3, 96}), paths[0].anchors[1].in);
  EXPECT_TRUE(AllWithin(paths, 100));
  EXPECT_FALSE(AllWithin(paths, 97));
  paths[0].anchors[0].out = Point{NAN, 0};
  EXPECT_FALSE(AllWithin(paths, 1e9));
}

TEST(SvgShapes, ShapesStartWhereSvgStartsThem) {
  BezierPath rect = RectanglePath(10, 20, 30, 40, 0, 0);
  ASSERT_EQ(4u, rect.anchors.size());
  EXPECT_EQ((Point{10, 20}), rect.anchors[0].p);
  EXPECT_EQ((Point{40, 20}), rect.anchors[1].p);
  EXPECT_TRUE(rect.closed);

  BezierPath rounded = RectanglePath(0, 0, 30, 40, 5, 5);
  ASSERT_EQ(8u, rounded.anchors.size());
  EXPECT_EQ((Point{5, 0}), rounded.anchors[0].p);
  // Fully rounded sides: the straight parts vanish, 4 anchors remain.
  EXPECT_EQ(4u, RectanglePath(0, 0, 10, 10, 5, 5).anchors.size());
  EXPECT_EQ(6u, RectanglePath(0, 0, 20, 10, 5, 5).anchors.size());

  BezierPath circle = EllipsePath(50, 50, 10, 10);
  ASSERT_EQ(4u, circle.anchors.size());
  EXPECT_EQ((Point{60, 50}), circle.anchors[0].p);
  EXPECT_EQ((Point{50, 60}), circle.anchors[1].p);
  for (size_t i = 0; i < 4; ++i) {
    Point mid = PointOn(circle.anchors[i], circle.anchors[(i + 1) % 4], 0.5);
    EXPECT_NEAR(10, Length(mid - Point{50, 50}), 3e-3);
    EXPECT_FALSE(circle.anchors[i].corner);
  }
  BezierPath polygon = PolylinePath({{0, 0}, {1, 0}, {1, 1}}, true);
  EXPECT_EQ("M0,0 L1,0 L1,1 Z", WritePathData({polygon}));
}

}  // namespace
}  // namespace vx::host::svg
