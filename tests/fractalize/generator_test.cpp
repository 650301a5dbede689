// The art clip reader and the fourteen generators it loads.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "filters/fractalize_generator.h"
#include "fractalize_fixture.h"
#include "shell/blocks.h"

namespace vx {
namespace {

struct ClipCase {
  const char* name;
  const char* text;
  int count;                       // anchors when the path was ended
  std::vector<Segment> expected;   // p, in, out, corner of each
};

Segment S(AIRealPoint p, AIRealPoint in, AIRealPoint out, int corner) {
  Segment s{};
  s.p = p;
  s.in = in;
  s.out = out;
  s.corner = static_cast<ASBoolean>(corner);
  return s;
}

class ClipReader : public test::FractalizeTest {};

TEST_F(ClipReader, ReadsEveryOperatorAsTheArtFileMeansIt) {
  const ClipCase cases[] = {
      {"lines: upper case is a corner", "0 0 m 10 0 L 20 5 l N", 3,
       {S({0, 0}, {0, 0}, {0, 0}, 0), S({10, 0}, {10, 0}, {10, 0}, 1),
        S({20, 5}, {20, 5}, {20, 5}, 0)}},
      {"curve gives out of the current and in of the new anchor",
       "0 0 m 1 2 3 4 5 6 c S", 2,
       {S({0, 0}, {0, 0}, {1, 2}, 0), S({5, 6}, {3, 4}, {5, 6}, 0)}},
      {"v puts the first control on the current anchor",
       "1 1 m 3 4 5 6 V F", 2,
       {S({1, 1}, {1, 1}, {1, 1}, 0), S({5, 6}, {3, 4}, {5, 6}, 1)}},
      {"y puts the second control on the new anchor", "1 1 m 2 3 5 6 y B", 2,
       {S({1, 1}, {1, 1}, {2, 3}, 0), S({5, 6}, {5, 6}, {5, 6}, 0)}},
      {"strings with escapes, comments and long tokens are skipped",
       "% 9 9 m\n(a \\) 7 7 L) Ln 0 0 m [9 9]l %L\n 4 4 l N", 2,
       {S({0, 0}, {0, 0}, {0, 0}, 0), S({4, 4}, {4, 4}, {4, 4}, 0)}},
      {"other one-letter operators clear the operands",
       "0 0 m 5 k 5 l 6 6 l N", 2,
       {S({0, 0}, {0, 0}, {0, 0}, 0), S({6, 6}, {6, 6}, {6, 6}, 0)}},
      {"the 21st operand overwrites the 20th",
       "0 0 m 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21 c N", 2,
       {S({0, 0}, {0, 0}, {1, 2}, 0), S({5, 6}, {3, 4}, {5, 6}, 0)}},
      {"an %%EOF comment ends the clip", "0 0 m 1 1 l\n%%EOF\n N", 0, {}},
      {"a path that is never ended has no anchors", "0 0 m 1 1 l 2 2 l", 0, {}},
      {"tabs and CR separate tokens", "0\t0\rm\r\n-1.5 .5 L\tS", 2,
       {S({0, 0}, {0, 0}, {0, 0}, 0), S({-1.5f, 0.5f}, {-1.5f, 0.5f}, {-1.5f, 0.5f}, 1)}},
  };
  for (const ClipCase& c : cases) {
    SCOPED_TRACE(c.name);
    int32_t counted = -1;
    ASSERT_EQ(kNoErr, ParseArtClip(c.text, std::strlen(c.text), nullptr, 0, &counted));
    EXPECT_EQ(c.count, counted);
    std::vector<Segment> out(8);
    int32_t filled = -1;
    ASSERT_EQ(kNoErr, ParseArtClip(c.text, std::strlen(c.text), out.data(), 8, &filled));
    ASSERT_EQ(c.count, filled);
    for (int i = 0; i < filled && i < int(c.expected.size()); ++i) {
      SCOPED_TRACE(i);
      const Segment& e = c.expected[i];
      EXPECT_FLOAT_EQ(e.p.h, out[i].p.h);
      EXPECT_FLOAT_EQ(e.p.v, out[i].p.v);
      EXPECT_FLOAT_EQ(e.in.h, out[i].in.h);
      EXPECT_FLOAT_EQ(e.in.v, out[i].in.v);
      EXPECT_FLOAT_EQ(e.out.h, out[i].out.h);
      EXPECT_FLOAT_EQ(e.out.v, out[i].out.v);
      EXPECT_EQ(e.corner, out[i].corner);
    }
  }
}

TEST_F(ClipReader, NeverWritesPastTheCapacity) {
  const char* text = "0 0 m 1 1 l 2 2 l 3 3 l N";
  Segment out[3];
  std::memset(out, 0x5a, sizeof out);
  int32_t count = 0;
  ASSERT_EQ(kNoErr, ParseArtClip(text, std::strlen(text), out, 2, &count));
  EXPECT_EQ(4, count);
  unsigned char guard[sizeof(Segment)];
  std::memset(guard, 0x5a, sizeof guard);
  EXPECT_EQ(0, std::memcmp(&out[2], guard, sizeof guard));
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
    Segment* gen = nullptr;
    int32_t m = 0;
    ASSERT_EQ(kNoErr, LoadGenerator(host().pluginRef(), c.generator, 100.0f, &gen, &m));
    ASSERT_EQ(int(c.anchors.size()), m);
    for (int k = 0; k < m; ++k) {
      EXPECT_NEAR(c.anchors[k].h, gen[k].p.h - gen[0].p.h, 1e-3);
      EXPECT_NEAR(c.anchors[k].v, gen[k].p.v - gen[0].p.v, 1e-3);
      EXPECT_EQ(c.corners[k], gen[k].corner) << "anchor " << k;
    }
    void* block = gen;
    FreeBlock(block);
  }
}

TEST_F(ClipReader, SemicircleKeepsItsControls) {
  Segment* gen = nullptr;
  int32_t m = 0;
  ASSERT_EQ(kNoErr, LoadGenerator(host().pluginRef(), 14, 100.0f, &gen, &m));
  ASSERT_EQ(3, m);
  const AIRealPoint o = gen[0].p;
  EXPECT_NEAR(27.6142, gen[0].out.v - o.v, 1e-3);
  EXPECT_NEAR(22.3857, gen[1].in.h - o.h, 1e-3);
  EXPECT_NEAR(77.6142, gen[1].out.h - o.h, 1e-3);
  EXPECT_NEAR(27.6142, gen[2].in.v - o.v, 1e-3);
  void* block = gen;
  FreeBlock(block);
}

TEST_F(ClipReader, HeightScalesEveryYOfTheGenerator) {
  Segment* full = nullptr;
  Segment* half = nullptr;
  int32_t m = 0, m2 = 0;
  ASSERT_EQ(kNoErr, LoadGenerator(host().pluginRef(), 14, 100.0f, &full, &m));
  ASSERT_EQ(kNoErr, LoadGenerator(host().pluginRef(), 14, -50.0f, &half, &m2));
  ASSERT_EQ(m, m2);
  for (int k = 0; k < m; ++k) {
    EXPECT_FLOAT_EQ(full[k].p.h, half[k].p.h);
    EXPECT_FLOAT_EQ(full[k].p.v * -0.5f, half[k].p.v);
    EXPECT_FLOAT_EQ(full[k].in.v * -0.5f, half[k].in.v);
    EXPECT_FLOAT_EQ(full[k].out.v * -0.5f, half[k].out.v);
  }
  void* a = full;
  void* b = half;
  FreeBlock(a);
  FreeBlock(b);
}

TEST_F(ClipReader, MissingGeneratorsAndFailedAllocation) {
  Segment* gen = nullptr;
  int32_t m = 0;
  EXPECT_EQ(kBadResourceErr, LoadGenerator(host().pluginRef(), 0, 100.0f, &gen, &m));
  EXPECT_EQ(kBadResourceErr, LoadGenerator(host().pluginRef(), 15, 100.0f, &gen, &m));
  const std::size_t live = Live();
  host().blocks().FailAllocationNumber(1);
  EXPECT_EQ(kOutOfMemoryErr, LoadGenerator(host().pluginRef(), 3, 100.0f, &gen, &m));
  host().blocks().FailAllocationNumber(0);
  EXPECT_EQ(nullptr, gen);
  EXPECT_EQ(live, Live());
}

}  // namespace
}  // namespace vx
