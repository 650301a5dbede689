// Reading SVG values: numbers, lengths, colours, paints, transforms and the
// style cascade.
#include <gtest/gtest.h>

#include <cmath>

#include "host/svg/svg_color.h"
#include "host/svg/svg_numbers.h"
#include "host/svg/svg_style.h"
#include "host/svg/svg_transform.h"

namespace vx::host::svg {
namespace {

TEST(SvgNumbers, ReadsEverySvgNumberForm) {
  struct Case {
    const char* text;
    std::vector<double> expected;
  } cases[] = {
      {"1 2,3", {1, 2, 3}},          {"-1.5e2.5", {-150, 0.5}},  {"+.5-.5", {0.5, -0.5}},
      {"1e-3 4E+2", {0.001, 400}},   {"  7  ", {7}},            {"0.5.5", {0.5, 0.5}},
  };
  for (const Case& c : cases) {
    auto values = ParseNumberList(c.text);
    ASSERT_TRUE(values) << c.text;
    EXPECT_EQ(c.expected, *values) << c.text;
  }
  for (const char* bad : {"1,,2", "abc", "1 x", "inf", "nan", "--1"}) {
    EXPECT_FALSE(ParseNumberList(bad)) << bad;
  }
  auto huge = ParseNumber("1e999");
  ASSERT_TRUE(huge);
  EXPECT_TRUE(std::isinf(*huge));
}

TEST(SvgNumbers, LengthUnitsBecomeUserUnits) {
  for (auto [text, expected] : {std::pair{"54pt", 72.0}, {"1in", 96.0}, {"25.4mm", 96.0},
                                 {"25%", 50.0}, {"12px", 12.0}})
    EXPECT_DOUBLE_EQ(expected, *ParseLength(text, 200)) << text;
  EXPECT_FALSE(ParseLength("12 furlongs"));
}

TEST(SvgNumbers, FormatsTheShortestTextThatReadsBack) {
  for (auto [value, text] : {std::pair{0.1, "0.1"}, {12.0, "12"}, {-0.0, "0"}, {-3.25, "-3.25"}})
    EXPECT_EQ(text, FormatNumber(value));
  EXPECT_EQ("0.3", FormatFloat(0.3f));
  for (float f : {0.1f, 1.0f / 3, 123456.7f, 1e-7f}) {
    EXPECT_EQ(f, std::stof(FormatFloat(f))) << f;
  }
}

// The digit writer agrees with rounding and then formatting the double,
// over every magnitude it takes and past its limits (where it hands over).
TEST(SvgNumbers, RoundedTextIsTheRoundedValuesShortestText) {
  std::vector<double> values = {0, -0.0, 0.00004, -0.00005, 0.00005, 1.23456789, -1e9 / 3,
                                99999.99995, 1e11 + 0.5, 1e15, -3e20, 1e300, INFINITY, NAN};
  uint64_t state = 1;
  for (int i = 0; i < 20000; ++i) {
    state = state * 6364136223846793005u + 1442695040888963407u;
    double mantissa = double(state >> 11) / double(1ull << 53) - 0.5;
    values.push_back(mantissa * std::pow(10.0, i % 14 - 3));
  }
  for (int decimals = 0; decimals <= 5; ++decimals) {
    for (double v : values) {
      double rounded = std::round(v * std::pow(10.0, decimals)) / std::pow(10.0, decimals);
      ASSERT_EQ(FormatNumber(std::isfinite(rounded) ? rounded : v), FormatRounded(v, decimals))
          << v << " to " << decimals;
    }
  }
}

TEST(SvgColor, ReadsEveryColourSyntax) {
  struct Case {
    const char* text;
    double r, g, b, a;
  } cases[] = {
      {"red", 1, 0, 0, 1},
      {"ReD", 1, 0, 0, 1},
      {"lightgoldenrodyellow", 250 / 255.0, 250 / 255.0, 210 / 255.0, 1},
      {"#f80", 1, 136 / 255.0, 0, 1},
      {"#FF8800", 1, 136 / 255.0, 0, 1},
      {"#ff880080", 1, 136 / 255.0, 0, 128 / 255.0},
      {"#f808", 1, 136 / 255.0, 0, 136 / 255.0},
      {"rgb(255, 136, 0)", 1, 136 / 255.0, 0, 1},
      {"rgb(100%,50%,0%)", 1, 0.5, 0, 1},
      {"rgb(300,-5,0)", 1, 0, 0, 1},
      {"rgba(0,0,255,0.25)", 0, 0, 1, 0.25},
      {"rgb(0 0 255 / 50%)", 0, 0, 1, 0.5},
      {"hsl(120, 100%, 50%)", 0, 1, 0, 1},
      {"hsla(240, 100%, 50%, 0.5)", 0, 0, 1, 0.5},
      {"transparent", 0, 0, 0, 0},
  };
  for (const Case& c : cases) {
    auto color = ParseColor(c.text);
    ASSERT_TRUE(color) << c.text;
    EXPECT_NEAR(c.r, color->red, 1e-9) << c.text;
    EXPECT_NEAR(c.g, color->green, 1e-9) << c.text;
    EXPECT_NEAR(c.b, color->blue, 1e-9) << c.text;
    EXPECT_NEAR(c.a, color->alpha, 1e-9) << c.text;
    EXPECT_FALSE(color->icc) << c.text;
  }
  for (const char* bad : {"", "#12", "#12345", "#ggg", "rgb(1,2)", "reddish", "red blue",
                          "icc-color(x, 1)", "#fff icc-color(", "rgb(1,2,3"}) {
    EXPECT_FALSE(ParseColor(bad)) << bad;
  }
}

TEST(SvgColor, KeepsTheIccColourAfterTheFallback) {
  auto color = ParseColor("#ff0000 icc-color(PANTONE-cmyk, 0, 1, 0.9, 0.05)");
  ASSERT_TRUE(color);
  EXPECT_EQ(1, color->red);
  ASSERT_TRUE(color->icc);
  EXPECT_EQ("PANTONE-cmyk", color->icc->profile);
  EXPECT_EQ((std::vector<double>{0, 1, 0.9, 0.05}), color->icc->components);

  auto device = ParseColor("device-cmyk(0.1 20% 0.3 0)");
  ASSERT_TRUE(device && device->icc);
  EXPECT_EQ((std::vector<double>{0.1, 0.2, 0.3, 0}), device->icc->components);
  EXPECT_NEAR(0.9, device->red, 1e-12);
  EXPECT_NEAR(0.7, device->blue, 1e-12);
}

TEST(SvgColor, ReadsPaints) {
  EXPECT_EQ(Paint::Kind::kNone, ParsePaint(" none ")->kind);
  EXPECT_EQ(Paint::Kind::kCurrentColor, ParsePaint("currentColor")->kind);
  auto url = ParsePaint("url(#grad1) #00f");
  ASSERT_TRUE(url);
  EXPECT_EQ(Paint::Kind::kUrl, url->kind);
  EXPECT_EQ("grad1", url->url);
  EXPECT_TRUE(url->hasFallback);
  EXPECT_EQ(1, url->color.blue);
  auto quoted = ParsePaint("url('#a b') none");
  ASSERT_TRUE(quoted);
  EXPECT_EQ("a b", quoted->url);
  EXPECT_TRUE(quoted->fallbackNone);
  EXPECT_FALSE(ParsePaint("url(other.svg#x)"));
  EXPECT_FALSE(ParsePaint("url(#x"));
  EXPECT_EQ("#ff8000", FormatHexColor(1, 0.5, 0));
}

TEST(SvgTransform, ComposesRightmostFirst) {
  auto t = ParseTransform("translate(10,20) scale(2)");
  ASSERT_TRUE(t);
  Point p = Point{1, 1} * *t;
  EXPECT_DOUBLE_EQ(12, p[0]);
  EXPECT_DOUBLE_EQ(22, p[1]);

  auto r = ParseTransform("rotate(90 10 0)");
  ASSERT_TRUE(r);
  Point q = Point{20, 0} * *r;  // 90 degrees about (10,0)
  EXPECT_NEAR(10, q[0], 1e-12);
  EXPECT_NEAR(10, q[1], 1e-12);

  auto m = ParseTransform("matrix(1 0 0 1 5 6),skewX(45)");
  ASSERT_TRUE(m);
  Point s = Point{0, 1} * *m;
  EXPECT_NEAR(6, s[0], 1e-12);
  EXPECT_NEAR(7, s[1], 1e-12);

  auto skewY = ParseTransform("skewY(45)");
  EXPECT_NEAR(1, (Point{1, 0} * *skewY)[1], 1e-12);
  EXPECT_TRUE(ParseTransform("")->IsIdentity(0));

  for (const char* bad : {"scale()", "rotate(1,2)", "translate(1 2 3)", "foo(1)", "scale(1",
                          "matrix(1 2 3 4 5 6 7)", "scale(1e999)"}) {
    EXPECT_FALSE(ParseTransform(bad)) << bad;
  }
  EXPECT_EQ("matrix(2,0,0,2,1,-1)", FormatTransform(Affine{2, 0, 0, 2, 1, -1}));
  EXPECT_EQ("", FormatTransform(Affine{}));
}

TEST(SvgStyle, CascadesAttributesSheetsStyleAndInheritance) {
  pugi::xml_document doc;
  ASSERT_TRUE(doc.load_string(
      "<g fill='red' stroke-width='3' opacity='0.5'>"
      "<path id='p' class='a b' fill='blue' style='stroke:green; fill : yellow'/>"
      "<path class='a' stroke='inherit' style='fill:inherit'/>"
      "<rect id='r' class='b' fill='blue'/></g>"));
  StyleSheet sheet;
  auto skipped = sheet.Add(
      "/* c */ .a { fill: purple; stroke: black } #r, rect.b { stroke: olive !important }"
      " g path { fill: none } @media print { path { fill: red } } a:hover{fill:red}");
  EXPECT_EQ((std::vector<std::string>{"g path", "@media print", "a:hover"}), skipped);

  Style root;
  pugi::xml_node g = doc.first_child();
  Style group = Style::Compute(root, g, sheet);
  EXPECT_EQ("0.5", group.Get("opacity"));

  pugi::xml_node p = g.first_child();
  Style first = Style::Compute(group, p, sheet);
  EXPECT_EQ("yellow", first.Get("fill"));    // style attribute beats the sheet
  EXPECT_EQ("green", first.Get("stroke"));
  EXPECT_EQ("3", first.Get("stroke-width"));  // inherited
  EXPECT_FALSE(first.Has("opacity"));         // not inherited

  Style second = Style::Compute(group, p.next_sibling(), sheet);
  EXPECT_EQ("red", second.Get("fill"));     // style's inherit beats the sheet
  EXPECT_EQ("black", second.Get("stroke"));  // the sheet beats an attribute

  Style rect = Style::Compute(group, p.next_sibling().next_sibling(), sheet);
  EXPECT_EQ("olive", rect.Get("stroke"));
  EXPECT_EQ("blue", rect.Get("fill"));

  // Names are folded to lower case, comments dropped; properties SVG does
  // not know are kept for the element and taken by "inherit".
  ASSERT_TRUE(doc.load_string("<g style='-X-Other:1'><path style='FILL:/*c*/red;"
                              "-x-other:inherit;display:inherit'/></g>"));
  Style outer = Style::Compute(root, doc.first_child(), sheet);
  Style inner = Style::Compute(outer, doc.first_child().first_child(), sheet);
  EXPECT_EQ("red", inner.Get("fill"));
  EXPECT_EQ("1", inner.Get("-x-other"));
  EXPECT_TRUE(inner.IsOwn("display"));
  EXPECT_FALSE(inner.Has("display"));
  EXPECT_EQ("fill:red", inner.InheritedText());

  auto declarations = ParseDeclarations("a:1;;b ; C: x y ;");
  ASSERT_EQ(2u, declarations.size());
  EXPECT_EQ("c", declarations[1].first);
  EXPECT_EQ("x y", declarations[1].second);
}

}  // namespace
}  // namespace vx::host::svg
