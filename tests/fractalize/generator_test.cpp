// The host's art clip reader and the fourteen generators read through it.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "filters/fractalize_generator.h"
#include "fractalize_fixture.h"
#include "shell/blocks.h"
#include "support/allocation_sweep.h"

namespace vx {
namespace {

class ClipReader : public test::FractalizeTest {
 protected:
  // The host's art clip suite, as the plug-in acquires it.
  const VxArtClipSuite& Clips() {
    const void* suite = nullptr;
    EXPECT_EQ(kNoErr, host().basic()->AcquireSuite(
                          kVxArtClipSuite, kVxArtClipSuiteVersion, &suite));
    host().basic()->ReleaseSuite(kVxArtClipSuite, kVxArtClipSuiteVersion);
    return *static_cast<const VxArtClipSuite*>(suite);
  }
  // A generator's segments, its block freed again.
  std::vector<Segment> Load(int generator, float height) {
    Segment* gen = nullptr;
    int32_t m = 0;
    EXPECT_EQ(kNoErr, LoadGenerator(host().pluginRef(), generator, height, &gen, &m));
    std::vector<Segment> out(gen, gen ? gen + m : gen);
    void* block = gen;
    if (block) FreeBlock(block);
    return out;
  }
};

constexpr char kSvgHead[] =
    R"(<svg xmlns="http://www.w3.org/2000/svg" )"
    R"(xmlns:sodipodi="http://sodipodi.sourceforge.net/DTD/sodipodi-0.dtd" )"
    R"(viewBox="0 -100 100 100">)";

TEST_F(ClipReader, TheClipSuiteReadsTheFirstPathWithItsNodeTypes) {
  const struct {
    const char* name;
    std::string body;
    ASErr result;
    std::vector<int> corners;  // of each anchor
  } cases[] = {
      {"node types mark corners", R"(<path d="M 0,-1 L 5,-2 L 9,-1" sodipodi:nodetypes="scs"/>)",
       kNoErr, {0, 1, 0}},
      {"without node types the handles decide", R"(<path d="M 0,-1 L 5,-2 L 9,-1"/>)",
       kNoErr, {1, 1, 1}},
      {"node types of another length are ignored",
       R"(<path d="M 0,-1 L 5,-2 L 9,-1" sodipodi:nodetypes="ss"/>)", kNoErr, {1, 1, 1}},
      {"the topmost path of a group counts first",
       R"(<g><path d="M 0,-1 L 5,-2" sodipodi:nodetypes="ss"/><path d="M 7,7 L 8,8 L 9,9"/></g>)",
       kNoErr, {0, 0}},
      {"a clip without a path", "<g/>", kBadResourceErr, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string text = kSvgHead + c.body + "</svg>";
    int32_t count = -1;
    ASSERT_EQ(c.result, Clips().GetClipPathSegments(text.data(), uint32_t(text.size()),
                                                    nullptr, 0, &count));
    ASSERT_EQ(int(c.corners.size()), count);
    std::vector<Segment> out(c.corners.size() + 1);
    std::memset(out.data(), 0x5a, out.size() * sizeof(Segment));
    if (c.result) continue;
    ASSERT_EQ(kNoErr, Clips().GetClipPathSegments(text.data(), uint32_t(text.size()),
                                                  out.data(), count, &count));
    for (int k = 0; k < count; ++k) EXPECT_EQ(c.corners[k], out[k].corner) << k;
    // y up: the page point of "M 0,-1" is (0, 1); nothing past the capacity.
    EXPECT_EQ(1.0f, out[0].p.v);
    EXPECT_EQ(0x5a, reinterpret_cast<const unsigned char*>(&out[count])[0]);
  }
  int32_t count = -1;
  EXPECT_EQ(kBadResourceErr, Clips().GetClipPathSegments("%!PS", 4, nullptr, 0, &count));
  EXPECT_EQ(0, count);
}

struct GeneratorCase {
  int generator;
  std::vector<AIRealPoint> anchors;  // relative to the first
  std::vector<int> corners;          // after forcing the ends
};

TEST_F(ClipReader, EveryGeneratorHasItsAnchorsAndCorners) {
  const GeneratorCase cases[] = {
      {1, {{0, 0}, {70.71f, 70.711f}, {141.421f, 0}}, {1, 1, 1}},
      {2, {{0, 0}, {75, 43.3008f}, {100, 0}}, {1, 0, 1}},
      {3, {{0, 0}, {100, 50}, {100, 0}}, {1, 0, 1}},
      {4, {{0, 0}, {50, 86.6025f}, {99.9995f, 0}}, {1, 0, 1}},
      {5, {{0, 0}, {50, 86.6025f}, {99.9995f, 0}, {200, 0}}, {1, 0, 0, 1}},
      {6, {{0, 0}, {30, 0}, {45, 25.9805f}, {60, -0.0004f}, {90, -0.0004f}},
       {1, 1, 1, 1, 1}},
      {7, {{0, 0}, {50, 86.6025f}, {150, 86.6025f}, {200, 0}}, {1, 0, 0, 1}},
      {8, {{0, 0}, {50, 86.6025f}, {150, 86.6025f}, {200, 0}, {300, 0}},
       {1, 0, 0, 0, 1}},
      {9, {{0, 0}, {100, 0}, {150, 86.6025f}, {250, 86.6025f}, {300, 0}, {400, 0}},
       {1, 0, 0, 0, 0, 1}},
      {10, {{0, 0}, {0, 100}, {100, 100}, {100, 0}}, {1, 0, 0, 1}},
      {11, {{0, 0}, {0, 100}, {100, 100}, {100, 0}, {200, 0}}, {1, 0, 0, 0, 1}},
      {12, {{0, 0}, {30, 0}, {30, 30}, {60, 30}, {60, 0}, {90, 0}},
       {1, 0, 0, 0, 0, 1}},
      {13, {{0, 0}, {100, 0}, {50, 86.6025f}, {150, 86.6025f}, {100, 0}, {200, 0}},
       {1, 0, 0, 0, 0, 1}},
      {14, {{0, 0}, {50, 50}, {100, 0}}, {1, 0, 1}},
  };
  for (const GeneratorCase& c : cases) {
    SCOPED_TRACE(c.generator);
    const auto gen = Load(c.generator, 100.0f);
    ASSERT_EQ(c.anchors.size(), gen.size());
    for (size_t k = 0; k < gen.size(); ++k) {
      EXPECT_NEAR(c.anchors[k].h, gen[k].p.h - gen[0].p.h, 1e-3);
      EXPECT_NEAR(c.anchors[k].v, gen[k].p.v - gen[0].p.v, 1e-3);
      EXPECT_EQ(c.corners[k], gen[k].corner) << "anchor " << k;
    }
  }
}

TEST_F(ClipReader, SemicircleKeepsItsControlsAndHeightScalesEveryY) {
  const auto full = Load(14, 100.0f), half = Load(14, -50.0f);
  ASSERT_EQ(3u, full.size());
  const AIRealPoint o = full[0].p;
  EXPECT_NEAR(27.6142, full[0].out.v - o.v, 1e-3);
  EXPECT_NEAR(22.3857, full[1].in.h - o.h, 1e-3);
  EXPECT_NEAR(77.6142, full[1].out.h - o.h, 1e-3);
  EXPECT_NEAR(27.6142, full[2].in.v - o.v, 1e-3);
  ASSERT_EQ(full.size(), half.size());
  for (size_t k = 0; k < full.size(); ++k) {
    EXPECT_FLOAT_EQ(full[k].p.h, half[k].p.h);
    EXPECT_FLOAT_EQ(full[k].p.v * -0.5f, half[k].p.v);
    EXPECT_FLOAT_EQ(full[k].in.v * -0.5f, half[k].in.v);
    EXPECT_FLOAT_EQ(full[k].out.v * -0.5f, half[k].out.v);
  }
}

TEST_F(ClipReader, MissingGeneratorsAndFailedAllocation) {
  Segment* gen = nullptr;
  int32_t m = 0;
  EXPECT_EQ(kBadResourceErr, LoadGenerator(host().pluginRef(), 0, 100.0f, &gen, &m));
  EXPECT_EQ(kBadResourceErr, LoadGenerator(host().pluginRef(), 15, 100.0f, &gen, &m));
  test::SweepAllocationFailures(host(), {
      .run = [&] {
        gen = nullptr;
        ASErr err = LoadGenerator(host().pluginRef(), 3, 100.0f, &gen, &m);
        EXPECT_EQ(err != kNoErr, gen == nullptr);
        void* block = gen;
        if (block) FreeBlock(block);
        return err;
      },
      .cap = 10});
  const std::size_t live = Live();
  gen = nullptr;
  host().suites().MakeMissing(kVxArtClipSuite, kVxArtClipSuiteVersion);
  EXPECT_EQ(kSPSuiteNotFoundError, LoadGenerator(host().pluginRef(), 3, 100.0f, &gen, &m));
  host().suites().ClearMissing();
  EXPECT_EQ(nullptr, gen);
  EXPECT_EQ(live, Live());
}

}  // namespace
}  // namespace vx
