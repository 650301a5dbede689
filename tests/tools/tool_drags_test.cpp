// Every tool through the host's tool driver as a person uses it, one table
// row per drag: the tool, its palette settings, the art, the drag and the
// keys, and the exact numbers the artwork and the palette show afterwards.
// Then the Warp drag cycle (Shift's centre line, a release near the down
// point, trace copies and Ctrl's layers) and allocation
// failure at every step of a drag of each tool.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <regex>
#include <string>
#include <vector>

#include "host/art/document_set.h"
#include "host/art/dump.h"
#include "host/adm/palette_settings.h"
#include "host/tools/tool_catalog.h"
#include "support/allocation_sweep.h"
#include "support/test_paths.h"
#include "support/tool_fixture.h"

namespace vx::test {
namespace {

using host::art::DumpDocument;

struct NewPath {
  const char* svg;
  std::vector<int16_t> selection = {};  // per segment (1 anchor, 2 in); empty: all
  bool selected = true;
};

// Path `path` (-1: the topmost object of the layer) has an anchor at p,
// and when `out` is given, that segment's out handle there.
struct AnchorAt {
  int path;
  AIRealPoint p;
  AIRealPoint out = {NAN, NAN};
};

struct DragRow {
  const char* what;
  const char* tool;
  std::vector<std::string> settings;  // FIELD=VALUE, as `versalix4 tool --set`
  std::vector<NewPath> paths;
  std::vector<AIRealPoint> drag;      // one point: a click
  host::tools::Keys keys = {};
  int steps = 0;
  bool space = false;                 // held at release
  bool unchanged = false;             // the document as it was before
  std::vector<AnchorAt> anchors = {};
  std::vector<size_t> counts = {};    // anchors of each path
  int added = 0;                      // objects on the layer after minus before
  std::vector<std::pair<const char*, double>> shown = {};  // palette fields after
};

const char* const kBox = "M 0,0 L 200,0 L 200,100 L 0,100 Z";
const char* const kWarpBox = "M 0,0 L 100,0 L 100,50 L 30,50 L 0,50 Z";
const char* const kLensLine = "M 200,200 L 275,200 L 400,200";
const char* const kArch = "M 0,0 C 30,60 70,60 100,0";
const char* const kShort = "M 126,100 L 174,100";
const char* const kTriangle = "M 0,0 L 10,0 L 10,10 Z";
// AlignPoints: the key square (unselected), and a path whose segment 0 is
// anchor-selected (out handle at +10, +10), segment 1 has only its in-handle
// selected, segment 2 none.
const std::vector<NewPath> kAlign = {
    {"M 0,0 L 100,0 L 100,100 L 0,100 Z", {}, false},
    {"M 300,200 C 310,210 390,210 400,200 L 400,300", {1, 2, 0}}};

// The document without the objects' numbers (copies made anew get new
// ones).
std::string Artwork(const host::art::Document& doc) {
  static const std::regex kNumber("#[0-9]+");
  return std::regex_replace(DumpDocument(doc), kNumber, "#");
}

std::string Square(float x, float y) {
  return SvgPolyline({{x - 2, y - 2}, {x + 2, y - 2}, {x + 2, y + 2}, {x - 2, y + 2}}, true);
}
const std::string kCentre = Square(0, 0), kHalf = Square(50, 0), kFar = Square(300, 0);

class ToolDrags : public ToolTest {
 protected:
  int Objects() {
    int n = 0;
    for (const Art* a = doc().currentLayer()->group->firstChild(); a; a = a->sibling()) ++n;
    return n;
  }
  // The value a palette field shows, by its command-line name.
  double Shown(const char* field) {
    const VxEffectField* f = host::adm::FieldNamed(
        host::tools::ToolPaletteFields(host(), driver().current()), field);
    host::adm::Item* item = f && palette() ? palette()->GetItem(f->item) : nullptr;
    EXPECT_NE(nullptr, item) << field;
    return item ? item->Value() : NAN;
  }
  std::vector<Art*> AddPaths(const std::vector<NewPath>& wanted) {
    std::vector<Art*> arts, selected;
    for (const NewPath& s : wanted) {
      arts.push_back(AddPath(s.svg));
      if (s.selected) selected.push_back(arts.back());
    }
    Select(selected);
    for (size_t i = 0; i < wanted.size(); ++i)
      if (!wanted[i].selection.empty())
        doc().MutablePath(*arts[i]).selection = wanted[i].selection;
    return arts;
  }
  void Clear() {
    while (Art* a = doc().currentLayer()->group->firstChild()) doc().Dispose(a);
  }
  // The Warp box (shape 4, no margin) and the drag 16 up at its top edge's
  // anchor (30, 50), in steps.
  Art* WarpBox() {
    Art* box = AddPath(kWarpBox);
    UseTool("Warp");
    EXPECT_EQ("", Set("shape", "4"));
    EXPECT_EQ("", Set("margin", "0"));
    return box;
  }
  int32_t DragUp() { return Drag({{30, 50}, {30, 58}, {30, 66}}); }
  // The height of the anchor at x = 30 of art's top edge.
  static float TopAt30(const Art& art) {
    float top = -1e9f;
    for (const Segment& s : art.path().segments)
      if (s.p.h == 30.0f) top = std::max(top, s.p.v);
    return top;
  }
  // Every object of every layer, bottom first, with its layer's index.
  std::vector<std::pair<int, const Art*>> LayeredObjects() {
    std::vector<std::pair<int, const Art*>> out;
    int index = 0;
    for (host::art::Layer* layer : doc().LayersInPaintOrder()) {
      std::vector<const Art*> top;
      for (const Art* a = layer->group->firstChild(); a; a = a->sibling()) top.push_back(a);
      for (auto it = top.rbegin(); it != top.rend(); ++it) out.push_back({index, *it});
      ++index;
    }
    return out;
  }
};

TEST_F(ToolDrags, EachDragLeavesTheNumbersItsToolPromises) {
  const Keys alt{.alt = true}, shift{.shift = true}, altShift{.shift = true, .alt = true};
  // Broom and Craft share the area tools' click filter, Space and Alt
  // radius (its limits: the area sweep's own rows), Warp and Wave the drag
  // cycle's: one row each.
  const DragRow rows[] = {
      // Wave shape 3, cycle 1, pointer on the left edge, up by a = 12: +a,
      // 0, -a, 0 and +a at the left edge, quarter, middle, 3/4, right edge.
      {"Wave shape 3", "Wave", {"shape=3"}, {{kBox}}, {{0, 50}, {0, 62}}, {}, 3, false, false,
       {{0, {0, 12}}, {0, {50, 0}}, {0, {100, 88}}, {0, {150, 100}}, {0, {200, 112}}}},
      // The 100 x 100 lens about (300, 200): the anchor half-way to the edge
      // goes to 0.8 R, the ones outside stay, and the frame is gone.
      {"Lens Fish-eye", "Lens", {}, {{kLensLine}}, {{340, 160}, {350, 150}}, {}, 2, false, false,
       {{0, {260, 200}}, {0, {200, 200}}, {0, {400, 200}}}},
      // Tone with minimums of 10 %: 10 % at the centre, 55 % half-way.
      {"Lens Tone", "Lens", {"lens=3"},
       {{"M 290,190 L 310,190 L 310,210 L 290,210 Z"},
        {"M 315,190 L 335,190 L 335,210 L 315,210 Z"}},
       {{340, 160}, {350, 150}}, {}, 2, false, false,
       {{0, {299, 199}}, {0, {301, 201}}, {1, {319.5f, 194.5f}}, {1, {330.5f, 205.5f}}}},
      {"Lens Alt resizes about the centre", "Lens", {}, {{kLensLine}}, {{350, 150}, {380, 120}},
       alt, 2, false, false, {}, {}, 0, {{"area-width", 160}, {"area-height", 160}}},
      // Broom, resistance 2: the centre follows, half-way moves a quarter.
      {"Broom Free", "Broom", {}, {{kCentre.c_str()}, {kHalf.c_str()}, {kFar.c_str()}},
       {{0, 0}, {15, 20}, {30, 40}}, {}, 2, false, false,
       {{0, {28, 38}}, {1, {55.5f, 8}}, {2, {298, -2}}}},
      {"Broom trace Uniform 4", "Broom", {"trace=on", "trace-mode=1", "steps=4"},
       {{kCentre.c_str()}}, {{0, 0}, {20, 0}, {40, 0}}, {}, 0, false, false,
       {{-1, {38, -2}}, {0, {-2, -2}}}, {}, 4},
      {"Broom Alt: the radius only", "Broom", {}, {{kCentre.c_str()}}, {{0, 0}, {150, 200}}, alt,
       0, false, true, {}, {}, 0, {{"area-radius", 250}}},
      {"Broom click", "Broom", {}, {{kCentre.c_str()}}, {{0, 0}}, {}, 0, false, true},
      {"Broom Space", "Broom", {}, {{kCentre.c_str()}}, {{0, 0}, {20, 30}}, {}, 0, true, true},
      {"Craft inside the click filter", "Craft", {}, {{kCentre.c_str()}}, {{0, 0}, {1, 1}}, {},
       0, false, true},
      // Alt+Shift-click on the arch's top (t = 1/2): one anchor there, the
      // handles of de Casteljau's split; on empty artboard nothing.
      {"Craft Alt+Shift-click", "Craft", {}, {{kArch}}, {{50, 46}}, altShift, 0, false, false,
       {{0, {50, 45}, {67.5f, 45}}, {0, {0, 0}, {15, 30}}}, {3}},
      {"Craft Alt+Shift on empty artboard", "Craft", {}, {{kArch}}, {{50, 300}}, altShift, 0,
       false, true},
      {"Roughening Alt+Shift-click", "Roughening", {}, {{kArch}}, {{50, 46}}, altShift, 0, false,
       false, {{0, {50, 45}, {67.5f, 45}}}, {3}},
      // Roughening: the spacing comes from the horizontal drag alone; a
      // vertical one adds no anchors, 72 across about 1 apart (48 points in
      // 64 pieces). The other spacings are the geometry's rows.
      {"Roughening vertical", "Roughening", {}, {{kShort}}, {{150, 100}, {150, 140}}, {}, 0,
       false, false, {}, {2}},
      {"Roughening 72 across", "Roughening", {}, {{kShort}}, {{150, 100}, {222, 100}}, {}, 0,
       false, false, {}, {65}},
      {"Roughening Alt: the radius, shown at once", "Roughening", {}, {{kShort}},
       {{150, 100}, {150, 160}}, alt, 2, false, true, {}, {}, 0, {{"area-radius", 60}}},
      {"Trail: a copy every Space", "Trail", {}, {{kTriangle}}, {{5, 5}, {35, 45}}, {}, 0, false,
       false, {}, {}, 5},
      {"MetaBrush copies every 10", "MetaBrush", {}, {{kTriangle}}, {{0, 0}, {0, 45}}, {}, 0,
       false, false, {}, {}, 5},
      {"MetaBrush Stroke: one path", "MetaBrush", {"paint=1"}, {{kTriangle}}, {{0, 0}, {30, 0}},
       {}, 0, false, false, {}, {}, 1},
      // Shape 4 dragged up 16 at the top edge's anchor (30, 50): that anchor
      // moves by exactly the drag (every step starts from the mouse down),
      // the bottom stays, the far corner moves with margin 100 % only.
      {"Warp shape 4", "Warp", {"shape=4", "margin=0"}, {{kWarpBox}},
       {{30, 50}, {30, 58}, {30, 66}}, {}, 0, false, false,
       {{0, {30, 66}}, {0, {0, 0}}, {0, {100, 0}}, {0, {100, 50}}}},
      {"Warp shape 4 margin 100 %", "Warp", {"margin=100"}, {{kWarpBox}},
       {{30, 50}, {30, 58}, {30, 66}}, {}, 0, false, false,
       {{0, {30, 66}}, {0, {100, 50 + 16 * 0.8660254f}}}},
      {"Warp click", "Warp", {}, {{kBox}}, {{50, 100}}, {}, 0, false, true},
      {"Warp inside the click filter", "Warp", {}, {{kBox}}, {{50, 100}, {51, 101}}, {}, 0,
       false, true},
      {"Warp Space", "Warp", {}, {{kBox}}, {{50, 100}, {50, 140}}, {}, 3, true, true},
      {"Lens click", "Lens", {}, {{kBox}}, {{100, 50}, {100.5f, 50}}, {}, 0, false, true},
      {"Lens Space", "Lens", {}, {{kBox}}, {{100, 50}, {130, 40}}, {}, 2, true, true},
      // AlignPoints: x only, Shift y only, Alt+Shift both; the key square's
      // corner anchor or centre point; handles travel, a handle alone stays.
      {"AlignPoints x", "AlignPoints", {}, kAlign, {{100, 100}}, {}, 0, false, false,
       {{1, {100, 200}, {110, 210}}, {1, {400, 200}}, {1, {400, 300}}}},
      {"AlignPoints Shift: y only", "AlignPoints", {}, kAlign, {{101, 99}}, shift, 0, false,
       false, {{1, {300, 100}, {310, 110}}, {1, {400, 200}}, {1, {400, 300}}}},
      {"AlignPoints Alt+Shift: both", "AlignPoints", {}, kAlign, {{100, 100}}, altShift, 0,
       false, false, {{1, {100, 100}, {110, 110}}, {1, {400, 200}}}},
      {"AlignPoints centre point", "AlignPoints", {}, kAlign, {{50, 50}}, altShift, 0, false,
       false, {{1, {50, 50}, {60, 60}}}},
      {"AlignPoints empty canvas", "AlignPoints", {}, kAlign, {{500, 500}}, altShift, 0, false,
       true},
      {"AlignPoints Space at release", "AlignPoints", {}, kAlign, {{100, 100}}, {}, 0, true,
       true},
      // A click leaves nothing for Space to take back: the anchor stays.
      {"Craft Alt+Shift-click with Space", "Craft", {}, {{kArch}}, {{50, 46}}, altShift, 0, true,
       false, {{0, {50, 45}}}, {3}},
  };
  for (const DragRow& row : rows) {
    Clear();
    const std::vector<Art*> arts = AddPaths(row.paths);
    UseTool(row.tool);
    for (const std::string& s : row.settings)
      ASSERT_EQ("", Set(s.substr(0, s.find('=')), s.substr(s.find('=') + 1))) << row.what;
    const std::string before = DumpDocument(doc());
    const int objects = Objects();
    ASSERT_EQ(0, Drag(row.drag, row.keys, row.steps, row.space)) << row.what;
    EXPECT_TRUE(!row.unchanged || before == DumpDocument(doc())) << row.what;
    EXPECT_EQ(objects + row.added, Objects()) << row.what << ": the area or frame is gone";
    for (const AnchorAt& a : row.anchors) {
      const Art* art = a.path < 0 ? doc().currentLayer()->group->firstChild() : arts[a.path];
      bool found = false;
      for (const Segment& s : art->path().segments)
        found = found || (std::fabs(s.p.h - a.p.h) < 1e-3f && std::fabs(s.p.v - a.p.v) < 1e-3f &&
                          (std::isnan(a.out.h) || (std::fabs(s.out.h - a.out.h) < 1e-3f &&
                                                   std::fabs(s.out.v - a.out.v) < 1e-3f)));
      EXPECT_TRUE(found) << row.what << ": " << a.p.h << "," << a.p.v;
    }
    for (size_t i = 0; i < row.counts.size(); ++i)
      EXPECT_EQ(row.counts[i], arts[i]->path().segments.size()) << row.what;
    for (const auto& [field, value] : row.shown) EXPECT_EQ(value, Shown(field)) << row.what;
  }
}

// The same drag with the same seed gives the same file; a new seed pushes
// the anchors elsewhere.
TEST_F(ToolDrags, RougheningRepeatsForTheSameSeed) {
  UseTool("Roughening");
  std::string results[3];
  for (int i = 0; i < 3; ++i) {
    Clear();
    Art* line = AddPath("M 100,100 L 200,100");
    host().documents().random().Seed(i == 2 ? 6 : 5);
    ASSERT_EQ(0, Drag({{150, 100}, {170, 130}}));
    results[i] = host::art::DumpArt(*line);
    results[i].erase(0, results[i].find("seg"));  // the object's number differs
  }
  EXPECT_EQ(results[0], results[1]);
  EXPECT_NE(results[0], results[2]);
}

TEST_F(ToolDrags, WarpShiftKeepsTheBendOnTheCentreLine) {
  Art* box = WarpBox();
  ASSERT_EQ(0, Drag({{50, 50}, {50, 66}}));
  const std::string centred = host::art::DumpArt(*box);
  ASSERT_TRUE(doc().Undo());
  ASSERT_EQ(0, Drag({{70, 50}, {72, 60}, {70, 66}}, Keys{.shift = true}));
  EXPECT_EQ(centred, host::art::DumpArt(*box));
}

// Released within 1 point of the down point: the last drag step stays. No
// selection: "!sel".
TEST_F(ToolDrags, AReleaseNearTheDownPointKeepsTheStepAndNoSelectionFails) {
  Art* box = WarpBox();
  ASSERT_EQ(0, driver().MouseDown({30, 50}));
  ASSERT_EQ(0, driver().MouseDrag({30, 66}));
  ASSERT_EQ(0, driver().MouseUp({30, 50.5f}));
  EXPECT_FLOAT_EQ(66.0f, TopAt30(*box));
  ASSERT_TRUE(doc().Undo());
  Select({});
  EXPECT_EQ(kBadSelectionErr, DragUp());
  EXPECT_FLOAT_EQ(50.0f, TopAt30(*box));
}

TEST_F(ToolDrags, WarpTraceCopiesAlongTheDrag) {
  WarpBox();
  // Drag of 16 at the anchor (f = position / 16); the source stays at 50.
  struct Case {
    const char* mode;
    const char* steps;  // Steps, and Space in Drag Along
    bool ctrl;
    std::vector<float> tops;  // bottom first, source included
    int layers;
  };
  const Case cases[] = {
      {"2", "4", false, {50, 51, 54, 59, 66}, 1},  // Accelerate: 1, 4, 9, 16 / 16
      {"3", "4", false, {50, 57, 62, 65, 66}, 1},  // Decelerate: 7, 12, 15, 16 / 16
      {"4", "4", true, {50, 54, 58, 62, 66, 62, 58, 54, 50}, 8},  // Uniform round trip
      // Drag Along, Space 3: 57.5, 62 and 66 recorded; the first gets none.
      {"0", "3", false, {50, 62, 66}, 1},
  };
  ASSERT_EQ("", Set("trace", "on"));
  for (const Case& c : cases) {
    ASSERT_EQ("", Set("trace-mode", c.mode));
    ASSERT_EQ("", Set(c.mode[0] == '0' ? "space" : "steps", c.steps));
    ASSERT_EQ(0, Drag({{30, 50}, {30, 53}, {30, 57.5f}, {30, 62}, {30, 66}},
                      Keys{.ctrl = c.ctrl}));
    std::vector<float> tops;
    for (const auto& [layer, art] : LayeredObjects()) tops.push_back(TopAt30(*art));
    EXPECT_EQ(c.tops, tops) << "mode " << c.mode;
    EXPECT_EQ(c.layers, LayeredObjects().back().first + 1) << "mode " << c.mode;
    ASSERT_TRUE(doc().Undo());
  }
  ASSERT_EQ("", Set("trace-mode", "1"));
  ASSERT_EQ("", Set("steps", "24"));
  ASSERT_EQ(0, DragUp());
  EXPECT_EQ(25u, LayeredObjects().size());
}

// Every allocation of a drag failing in turn: the drag answers -108, the
// artwork shows the state after one of the drag's prefixes (the last
// successful step; trace rows: that or its copies), no area indicator or
// lens frame is left (the art here is open, they are closed), the whole
// drag is one undo step, and no block stays live. The run without a failure
// gives the artwork of the same drag made before: every tool repeats.
TEST_F(ToolDrags, AllocationFailureKeepsTheLastSuccessfulStepAndNoBlock) {
  struct Row {
    const char* tool;
    std::vector<std::string> settings;
    std::vector<AIRealPoint> drag;
    // The release after a failed step keeps exactly the step before (no
    // copies made at the release).
    bool lastStepStays;
  };
  const Row rows[] = {
      {"Warp", {}, {{0, 20}, {0, 40}, {0, 60}}, true},
      {"Warp", {"trace=on", "steps=3"}, {{0, 20}, {0, 40}, {0, 60}}, false},
      {"Wave", {"shape=3"}, {{-150, 0}, {-150, 10}, {-150, 20}}, true},
      {"Lens", {}, {{40, -40}, {50, -50}, {55, -50}}, true},
      {"Broom", {"trace=on"}, {{0, 0}, {0, 10}, {0, 20}, {0, 30}}, false},
      {"Craft", {}, {{0, 0}, {0, 10}, {0, 20}, {0, 30}}, true},
      {"Craft", {"trace=on", "steps=3"}, {{0, 0}, {0, 10}, {0, 20}, {0, 30}}, false},
      {"Roughening", {}, {{0, 0}, {30, 20}, {40, 30}}, true},
      {"Trail", {}, {{0, 0}, {20, 20}, {40, 40}}, false},
      {"MetaBrush", {}, {{0, 0}, {20, 0}, {40, 0}}, false},
  };
  for (const Row& row : rows) {
    Clear();
    AddPath("M -150,-20 L 0,20 L 150,-20");
    doc().ClearHistory();
    UseTool(row.tool);
    for (const std::string& s : row.settings)
      ASSERT_EQ("", Set(s.substr(0, s.find('=')), s.substr(s.find('=') + 1))) << row.tool;
    auto drag = [&](size_t n) {
      host().documents().random().Seed(5);
      return ASErr(Drag({row.drag.begin(), row.drag.begin() + long(n)}));
    };
    const std::string atDown = Artwork(doc());
    std::vector<std::string> states{atDown};
    for (size_t n = 1; n <= row.drag.size(); ++n) {
      ASSERT_EQ(0, drag(n)) << row.tool;
      states.push_back(Artwork(doc()));
      if (doc().CompletedSteps()) doc().Undo();
    }
    const long runs = SweepAllocationFailures(
        host(), {.run = [&] { return drag(row.drag.size()); },
                 .check = [&](ASErr result, long n, bool failed) {
                   EXPECT_EQ(failed ? kOutOfMemoryErr : kNoErr, result) << row.tool << " " << n;
                   for (const Art* a = doc().currentLayer()->group->firstChild(); a;
                        a = a->sibling())
                     EXPECT_FALSE(a->kind() == host::art::ArtKind::Path && a->path().closed)
                         << row.tool << ": an indicator or frame is left, " << n;
                   const std::string now = Artwork(doc());
                   EXPECT_TRUE(!row.lastStepStays ||
                               std::find(states.begin(), states.end(), now) != states.end())
                       << row.tool << " " << n;
                   // The same drag and settings give the same artwork.
                   EXPECT_TRUE(failed || states.back() == now) << row.tool;
                   if (doc().CompletedSteps()) doc().Undo();
                   EXPECT_EQ(atDown, Artwork(doc())) << row.tool << " " << n;
                 }});
    EXPECT_GT(runs, 1) << row.tool;
  }
}

}  // namespace
}  // namespace vx::test
