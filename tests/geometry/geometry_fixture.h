// A host with the plug-in linked in and its suites acquired, without start-up:
// the geometry engine is called directly, as the filters and tools call it.
// Teardown releases the suites and checks that no block is left live.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "geometry/matrix3.h"
#include "geometry/segment_buffer.h"
#include "support/host_fixture.h"
#include "support/geometry_checks.h"
#include "vx_sdk.h"

namespace vx::test {

class GeometryTest : public HostTest {
 protected:
  void SetUp() override;
  void TearDown() override;
  // Registers suite tables before the suites are acquired (call from a
  // subclass's SetUp before GeometryTest::SetUp, or re-acquire).
  virtual void AddSuites(host::Host&) {}
};

// A path written as anchors with handles: {p, in, out}, corner 0.
Segment Seg(AIRealPoint p, AIRealPoint in, AIRealPoint out);
Segment Corner(AIRealPoint p);  // both handles retracted

// A circle of four cubic arcs (kappa 0.5523), counter-clockwise from (r, 0).
std::vector<Segment> CirclePath(AIRealPoint centre, float r);

// A source record and a working copy of one path in host blocks ("segs
// buffer"), as a PathSet holds them. Frees both on destruction (which must
// happen while the suites are acquired).
class BufferPair {
 public:
  BufferPair(const std::vector<Segment>& segments, bool closed);
  ~BufferPair();
  BufferPair(const BufferPair&) = delete;
  BufferPair& operator=(const BufferPair&) = delete;
  SegmentBuffer source{};
  SegmentBuffer working{};
};

// Fills a PathSet with one BufferPair-like record per path, all in host
// blocks with the PathSet's labels; FreePathSet releases it.
void BuildPathSet(PathSet* set, const std::vector<std::vector<Segment>>& paths,
                  bool closed);

// Mappers shared by the tests.
constexpr float kFar = 1e30f;  // a perspective distance that changes nothing
inline ASErr Identity(const void*, Point3*) { return kNoErr; }
inline ASErr DoubleX(const void*, Point3* v) {
  v->x *= 2.0f;
  return kNoErr;
}
// Fails on points right of x = 1000.
inline ASErr FailFarRight(const void*, Point3* v) {
  return v->x > 1000.0f ? kOverflowErr : kNoErr;
}
// Tool-like: within 50 of the origin points follow a drag of (0, 30) by
// (1 - d / 50)^2; outside they are untouched.
ASErr Pull(const void*, Point3* v);
// A ripple of amplitude 100 and period 2 pi: never matched by one cubic
// over more than a few points.
ASErr Ripple(const void*, Point3* v);
// `count` corners along the x axis from x0, `step` apart.
std::vector<Segment> Polyline(int count, float step, float x0 = 0.0f);

// True when the first count segments of a and b are equal byte for byte.
bool SameSegments(const Segment* a, const Segment* b, int count);

}  // namespace vx::test
