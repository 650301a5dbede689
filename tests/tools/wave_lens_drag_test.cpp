// The Wave and Lens tools driven through the host as a person drags them:
// the moves the shapes promise, clicks and Space leaving the document as it
// was, the lens frame gone after the release, and allocation failures that
// keep the last successful step with no block left live.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "host/art/dump.h"
#include "shell/globals.h"
#include "tools/tool_drag.h"
#include "tools/tool_table.h"
#include "support/allocation_sweep.h"
#include "support/tool_fixture.h"
#include "tools/lens_tool.h"
#include "tools/wave_tool.h"

namespace vx {
namespace {

class WaveLensDrag : public test::ToolTest {
 protected:
  // The tool's options record (made by its palette when the tool was
  // picked).
  template <typename Record>
  Record& record(ToolSlot slot) {
    void* raw = ToolRecord(*ToolOfSlot(slot));
    EXPECT_NE(nullptr, raw);
    static Record none{};
    return raw ? *static_cast<Record*>(raw) : none;
  }
  // The anchors of a path, in order.
  static std::vector<AIRealPoint> Anchors(const Art& art) {
    std::vector<AIRealPoint> out;
    for (const Segment& s : art.path().segments) out.push_back(s.p);
    return out;
  }
  static bool HasAnchor(const Art& art, AIRealPoint p) {
    for (const AIRealPoint& a : Anchors(art))
      if (std::abs(a.h - p.h) < 1e-3f && std::abs(a.v - p.v) < 1e-3f) return true;
    return false;
  }
};

// Shape 3, cycle 1, the pointer on the left edge dragged up by 12: the left
// and right edges rise by 12, the middle column sinks by 12.
TEST_F(WaveLensDrag, WaveShape3MovesEdgesUpAndTheMiddleDown) {
  Art* box = AddPath("M 0,0 L 200,0 L 200,100 L 0,100 Z", "box");
  UseTool("Wave");
  record<WaveToolParams>(kWaveSlot).shape = 3;
  ASSERT_EQ(0, Drag({{0, 50}, {0, 62}}, {}, 3));
  for (AIRealPoint p : {AIRealPoint{0, 12}, {200, 12}, {200, 112}, {0, 112}, {100, 88}})
    EXPECT_TRUE(HasAnchor(*box, p)) << p.h << "," << p.v;
}

// Fish-eye at 100 % with the 100 x 100 lens about (300, 200) (pointer at its
// lower right corner): the anchor half-way to the edge goes to 0.8 R, the
// anchors outside stay, and no frame is left once the button is up.
TEST_F(WaveLensDrag, LensFishEyeMovesTheHalfWayAnchorAndLeavesNoFrame) {
  Art* line = AddPath("M 200,200 L 275,200 L 400,200", "line");
  const std::size_t art = doc().ArtCount();
  UseTool("Lens");
  ASSERT_EQ(0, Drag({{340, 160}, {350, 150}}, {}, 2));
  EXPECT_TRUE(HasAnchor(*line, {260, 200}));
  EXPECT_TRUE(HasAnchor(*line, {200, 200}));
  EXPECT_TRUE(HasAnchor(*line, {400, 200}));
  EXPECT_EQ(art, doc().ArtCount()) << "the frame is gone";
}

// Tone with minimums of 10 %: a square centred on the lens centre shrinks to
// 10 %, one centred half-way to the edge to 55 %, each about its own centre.
TEST_F(WaveLensDrag, ToneScalesObjectsByTheirDistanceFromTheLensCentre) {
  Art* centred = AddPath("M 290,190 L 310,190 L 310,210 L 290,210 Z");
  Art* halfway = AddPath("M 315,190 L 335,190 L 335,210 L 315,210 Z");
  Select({centred, halfway});
  UseTool("Lens");
  record<LensToolParams>(kLensSlot).lensType = 3;
  ASSERT_EQ(0, Drag({{340, 160}, {350, 150}}, {}, 2));
  EXPECT_TRUE(HasAnchor(*centred, {299, 199}));
  EXPECT_TRUE(HasAnchor(*centred, {301, 201}));
  EXPECT_TRUE(HasAnchor(*halfway, {325 - 5.5f, 194.5f}));
  EXPECT_TRUE(HasAnchor(*halfway, {325 + 5.5f, 205.5f}));
}

// Alt resizes the lens about its centre and the palette's record follows.
TEST_F(WaveLensDrag, LensAltResizesTheAreaAboutItsCentre) {
  AddPath("M 200,200 L 275,200 L 400,200");
  UseTool("Lens");
  ASSERT_EQ(0, Drag({{350, 150}, {380, 120}}, {.alt = true}, 2));
  EXPECT_EQ(160.0f, record<LensToolParams>(kLensSlot).area.h);
  EXPECT_EQ(160.0f, record<LensToolParams>(kLensSlot).area.v);
}

TEST_F(WaveLensDrag, ClickAndSpaceAtReleaseLeaveTheDocumentAsItWas) {
  AddPath("M 0,0 L 200,0 L 200,100 L 0,100 Z");
  const std::string before = host::art::DumpDocument(doc());
  struct Case {
    const char* tool;
    std::vector<AIRealPoint> drag;
    bool space;
  } cases[] = {{"Wave", {{0, 50}, {0.5f, 50.5f}}, false},
               {"Wave", {{0, 50}, {0, 80}}, true},
               {"Lens", {{100, 50}, {100.5f, 50}}, false},
               {"Lens", {{100, 50}, {130, 40}}, true}};
  for (const Case& c : cases) {
    UseTool(c.tool);
    // A click: one drag event within the click filter's time and distance.
    ASSERT_EQ(0, Drag(c.drag, {}, c.space ? 2 : 0, c.space)) << c.tool;
    EXPECT_EQ(before, host::art::DumpDocument(doc())) << c.tool << (c.space ? " space" : "");
  }
}

// An allocation failing anywhere in a drag ends that step with -108; the
// document then shows the last successful step (the left edge risen by 0,
// 4, 8 or 12 of the wave's 12; the Fish-eye's anchor at one of the lens's
// places), with no lens frame left and no block live.
TEST_F(WaveLensDrag, AllocationFailureKeepsTheLastSuccessfulStep) {
  struct Case {
    const char* tool;
    const char* path;
    std::vector<AIRealPoint> drag;
    std::vector<float> states;  // the watched coordinate after each step
    int segment;  // the watched anchor (-1: the anchor nearest `near` in h)
    float near;
    bool vertical;
  } cases[] = {
      {"Wave", "M 0,0 L 200,0 L 200,100 L 0,100 Z", {{0, 50}, {0, 54}, {0, 58}, {0, 62}},
       {0, 4, 8, 12}, 0, 0, true},
      // The lens (R 50) about (300, 200), then (305, 200): the anchor at 275
      // goes to 300 - 0.8 R, then to 305 - R sin(2 atan(30 / 50)).
      {"Lens", "M 200,200 L 275,200 L 400,200", {{340, 160}, {350, 150}, {355, 150}},
       {275, 260, 305 - 50 * 0.88235294f}, -1, 268, false},
  };
  for (const Case& c : cases) {
    Art* art = nullptr;
    std::size_t artCount = 0;
    std::vector<float> seen;
    const long runs = test::SweepAllocationFailures(host(), {
        .prepare = [&] {
          if (art) doc().Dispose(art);
          art = AddPath(c.path);
          artCount = doc().ArtCount();
          UseTool(c.tool);
          if (std::string(c.tool) == "Wave") record<WaveToolParams>(kWaveSlot).shape = 3;
        },
        .run = [&] { return Drag(c.drag); },
        .check = [&](ASErr err, long, bool failed) {
          EXPECT_EQ(failed ? kOutOfMemoryErr : kNoErr, err) << c.tool;
          EXPECT_EQ(artCount, doc().ArtCount()) << c.tool << ": no frame is left";
          AIRealPoint p = art->path().segments[std::size_t(std::max(c.segment, 0))].p;
          if (c.segment < 0)
            for (const AIRealPoint& a : Anchors(*art))
              if (std::abs(a.h - c.near) < std::abs(p.h - c.near)) p = a;
          seen.push_back(c.vertical ? p.v : p.h);
        },
        .cap = 200});
    EXPECT_GT(runs, 3) << c.tool;
    for (float v : seen) {
      bool known = false;
      for (float s : c.states) known = known || std::abs(v - s) < 1e-3f;
      EXPECT_TRUE(known) << c.tool << " " << v;
    }
    if (art) doc().Dispose(art);
    art = nullptr;
  }
}

}  // namespace
}  // namespace vx
