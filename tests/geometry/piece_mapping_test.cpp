// One piece through the adaptive mapper: handles, corners, the behind test,
// split requests and the tool members' untouched points.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

#include "geometry/bezier.h"
#include "geometry/piece_mapping.h"
#include "geometry/projection.h"
#include "geometry_fixture.h"

namespace vx {
namespace {

using test::Corner;
using test::Seg;
using test::Identity;
using test::kFar;

// z = the depth given as data, for points right of x = 29.
ASErr LiftRightEnd(const void* data, Point3* v) {
  if (v->x > 29.0f) v->z = *static_cast<const float*>(data);
  return kNoErr;
}

// Bends the page into an arc of radius 100 about (0, -100).
ASErr Bend(const void*, Point3* v) {
  const float a = v->x / 100.0f, r = v->y + 100.0f;
  v->x = std::sin(a) * r;
  v->y = std::cos(a) * r - 100.0f;
  return kNoErr;
}

// Points with x below the limit given as data collapse onto the origin.
ASErr SquashStrip(const void* data, Point3* v) {
  if (v->x < *static_cast<const float*>(data)) v->x = v->y = 0.0f;
  return kNoErr;
}

ASErr Fails(const void*, Point3*) { return kOverflowErr; }

// Tool-like: points closer than 10 to (0, 0) move up by 5, others are
// untouched.
ASErr BumpNearOrigin(const void*, Point3* v) {
  if (std::hypot(v->x, v->y) >= 10.0f) return kUntouchedErr;
  v->y += 5.0f;
  return kNoErr;
}

// Tool-like: nothing moves except a scribble that must not leak through.
ASErr UntouchedButScribbles(const void*, Point3* v) {
  v->x = 1e6f;
  return kUntouchedErr;
}

TEST(MapPiece, StraightPieceUnderIdentityStaysStraightWithHandlesAtThirds) {
  const MapContext ctx = MakeTransformContext(Identity, nullptr, {100, 50}, kFar, 100);
  Segment a = Corner({70, 50}), b = Corner({100, 50});
  float depth = 0;
  ASSERT_EQ(kPieceMapped, MapPiece(ctx, &a, &b, &depth, true));
  EXPECT_EQ(70.0f, a.p.h);
  EXPECT_EQ(100.0f, b.p.h);
  EXPECT_FLOAT_EQ(80.0f, a.out.h);
  EXPECT_FLOAT_EQ(90.0f, b.in.h);
  for (const AIRealPoint& pt : {a.p, a.out, b.in, b.p}) EXPECT_EQ(50.0f, pt.v);
  EXPECT_EQ(1, a.corner);
  EXPECT_EQ(1, b.corner);
  EXPECT_EQ(0.0f, depth);

  Segment c = Corner({0, 0}), d = Corner({30, 40});
  ASSERT_EQ(kPieceMapped, MapPiece(ctx, &c, &d, &depth, true));
  // The tangent comes from the t = 0.001 sample, 0.05 from the anchor: the
  // handles land at the thirds up to the float noise of that short vector.
  EXPECT_NEAR(10.0f, c.out.h, 1e-3f);
  EXPECT_NEAR(40.0f / 3, c.out.v, 1e-3f);
  EXPECT_NEAR(20.0f, d.in.h, 1e-3f);
  EXPECT_NEAR(80.0f / 3, d.in.v, 1e-3f);
}

TEST(MapPiece, HandleRetractsWhenTheEndAndItsNeighbourCoincide) {
  // The mapping squashes the strip x < limit onto the origin. The start
  // handle (length 14) survives the mapping, but once the t = 0.001 point
  // (x = 0.0299) falls into the strip too, the mapped tangent has no
  // direction and the handle is retracted.
  struct Case {
    float limit;
    bool retracted;
  } cases[] = {{1.0f, true}, {0.031f, true}, {0.029f, false}, {0.001f, false}};
  for (const Case& c : cases) {
    const MapContext ctx = MakeTransformContext(SquashStrip, &c.limit, {0, 0}, kFar, 100);
    Segment a = Seg({0, 0}, {0, 0}, {10, 10}), b = Seg({30, 0}, {20, 10}, {30, 0});
    float depth;
    ASSERT_EQ(kPieceMapped, MapPiece(ctx, &a, &b, &depth, false)) << c.limit;
    EXPECT_EQ(0.0f, a.p.h);
    if (c.retracted) {
      EXPECT_EQ(0.0f, a.out.h) << c.limit;
      EXPECT_EQ(0.0f, a.out.v) << c.limit;
    } else {
      EXPECT_NEAR(10.0f, a.out.h, 0.05f) << c.limit;
      EXPECT_NEAR(10.0f, a.out.v, 0.05f) << c.limit;
    }
    EXPECT_NEAR(20.0f, b.in.h, 0.05f) << "the far end keeps its handle";
    EXPECT_NEAR(10.0f, b.in.v, 0.05f);
  }
}

// A point exactly at the view distance is behind; an infinite distance maps
// without projection.
TEST(MapPiece, PointExactlyAtTheViewDistanceIsBehind) {
  const float d = 250.0f, inf = std::numeric_limits<float>::infinity();
  struct Case {
    float distance, lift;
    ASErr want;
  } cases[] = {{d, d, kPieceBehind},
               {d, std::nextafter(d, 0.0f), kPieceMapped},
               {d, 2 * d, kPieceBehind},
               {inf, 40.0f, kPieceMapped}};
  for (const Case& c : cases) {
    const MapContext lifted = MakeTransformContext(LiftRightEnd, &c.lift, {0, 0}, c.distance, 100);
    Segment a = Corner({0, 0}), b = Corner({30, 0});
    float depth = 0;
    EXPECT_EQ(c.want, MapPiece(lifted, &a, &b, &depth, false)) << c.lift;
    EXPECT_EQ(c.lift, depth) << c.lift;
    if (c.distance == inf) {
      EXPECT_EQ(30.0f, b.p.h);
      EXPECT_EQ(0.0f, b.p.v);
    }
  }
}

TEST(MapPiece, LongBentPieceAsksForASplitShortOneDoesNot) {
  // halfDiagonal 400: split length 4, match tolerance 2.
  const MapContext ctx = MakeTransformContext(Bend, nullptr, {0, 0}, kFar, 400);
  struct Case {
    float length;
    bool allowSplit;
    ASErr want;
  } cases[] = {{300, true, kPieceSplit},
               {300, false, kPieceMapped},
               {3.9f, true, kPieceMapped},
               {10, true, kPieceMapped}};
  for (const Case& c : cases) {
    const Segment a0 = Corner({0, 0}), b0 = Corner({c.length, 0});
    Segment a = a0, b = b0;
    float depth;
    EXPECT_EQ(c.want, MapPiece(ctx, &a, &b, &depth, c.allowSplit)) << c.length;
    if (c.want == kPieceSplit) {
      EXPECT_TRUE(test::SameSegments(&a0, &a, 1)) << "nothing written";
    }
  }
}

TEST(MapPiece, ToleranceConstantsOfEachMember) {
  struct Case {
    MapContext ctx;
    float split, match;
  } cases[] = {
      {MakeTransformContext(Identity, nullptr, {0, 0}, kFar, 50), 2.0f, 0.5f},
      {MakeTransformContext(Identity, nullptr, {0, 0}, kFar, 300), 3.0f, 1.5f},
      {MakeTransformContext(Identity, nullptr, {0, 0}, kFar, 2000), 20.0f, 5.0f},
      {MakeToolContext(Identity, nullptr, {0, 0}, 50), 2.0f, 1.0f},
      {MakeToolContext(Identity, nullptr, {0, 0}, 500), 5.0f, 5.0f},
      {MakeToolAreaContext(Identity, nullptr, {0, 0}, 1000, 400), 2.0f, 2.0f},
      {MakeToolAreaContext(Identity, nullptr, {0, 0}, 4000, 4000), 20.0f, 20.0f},
      {MakeToolAreaContext(Identity, nullptr, {0, 0}, 100, 100), 2.0f, 1.0f},
  };
  for (const Case& c : cases) {
    EXPECT_FLOAT_EQ(c.split, c.ctx.splitLength);
    EXPECT_FLOAT_EQ(c.match, c.ctx.matchTolerance);
    EXPECT_EQ(0.0001f, c.ctx.tangentTolerance);
  }
}

// A mapper error ends the piece unwritten; a tool's piece that is entirely
// untouched stays bit for bit, whatever the mapper wrote on its way.
TEST(MapPiece, ErrorsAndUntouchedPiecesLeaveBothEndsAsTheyWere) {
  struct Case {
    MapContext ctx;
    Segment a0, b0;
    ASErr want;
  } cases[] = {
      {MakeTransformContext(Fails, nullptr, {0, 0}, kFar, 100), Seg({0, 0}, {0, 0}, {3, 4}),
       Corner({30, 0}), kOverflowErr},
      {MakeToolContext(UntouchedButScribbles, nullptr, {0, 0}, 50),
       Seg({100, 100}, {90, 90}, {120, 140}), Corner({300, 100}), kPieceMapped},
  };
  for (const Case& c : cases) {
    Segment a = c.a0, b = c.b0;
    float depth;
    EXPECT_EQ(c.want, MapPiece(c.ctx, &a, &b, &depth, true));
    EXPECT_TRUE(test::SameSegments(&c.a0, &a, 1)) << c.want;
    EXPECT_TRUE(test::SameSegments(&c.b0, &b, 1)) << c.want;
  }
}

TEST(MapPieceTool, OnlyMovedEndsBecomeCornersAndGetThirdsTouchedMiddlesSplit) {
  // The left end sits at the reference point and moves; the right end is far
  // outside and keeps its retracted handle and corner flag.
  const MapContext ctx = MakeToolContext(BumpNearOrigin, nullptr, {0, 0}, 10);
  Segment a = Corner({0, 0}), b = Corner({60, 0});
  float depth;
  ASSERT_EQ(kPieceMapped, MapPiece(ctx, &a, &b, &depth, false));
  EXPECT_EQ(1, a.corner);
  EXPECT_EQ(0, b.corner);
  EXPECT_EQ(5.0f, a.p.v);
  EXPECT_GT(a.out.h, 10.0f) << "moved end got a handle at a third";
  EXPECT_EQ(60.0f, b.p.h);
  EXPECT_EQ(0.0f, b.p.v);
  EXPECT_EQ(60.0f, b.in.h);
  EXPECT_EQ(0.0f, b.in.v);

  // A long line whose 1/3 sample falls inside the bump while both ends and
  // their neighbours stay outside still splits.
  Segment e = Corner({-30, 0}), f = Corner({60, 0});
  EXPECT_EQ(kPieceSplit, MapPiece(ctx, &e, &f, &depth, true));
  // Both samples outside too: accepted unchanged.
  Segment c = Corner({-300, 40}), d = Corner({300, 40});
  EXPECT_EQ(kPieceMapped, MapPiece(ctx, &c, &d, &depth, true));
  EXPECT_EQ(-300.0f, c.out.h);
  EXPECT_EQ(300.0f, d.in.h);
}

TEST(MapPieceTool, AreaMemberGivesThirdsOnlyInsideTheAreaUpLeftOfTheReference) {
  // The reference point is the area's lower right corner.
  const MapContext ctx = MakeToolAreaContext(Identity, nullptr, {50, 0}, 100, 40);
  struct Case {
    AIRealPoint a, b;
    bool thirdsAtA, thirdsAtB;
  } cases[] = {
      {{0, 10}, {30, 10}, true, true},     // both inside
      {{0, 10}, {80, 10}, true, false},    // b right of the reference
      {{0, -10}, {30, 10}, false, true},   // a below the reference
      {{-60, 10}, {30, 50}, false, false},  // a left, b above the area
  };
  for (const Case& c : cases) {
    Segment a = Corner(c.a), b = Corner(c.b);
    float depth;
    ASSERT_EQ(kPieceMapped, MapPiece(ctx, &a, &b, &depth, false));
    EXPECT_EQ(c.thirdsAtA, a.out.h != a.p.h || a.out.v != a.p.v) << c.a.h;
    EXPECT_EQ(c.thirdsAtB, b.in.h != b.p.h || b.in.v != b.p.v) << c.b.h;
  }
}

}  // namespace
}  // namespace vx
