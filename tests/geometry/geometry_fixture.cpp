#include "geometry_fixture.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "shell/blocks.h"
#include "shell/suites.h"

namespace vx::test {

void GeometryTest::SetUp() {
  host_ = MakeLinkedHost(options_);
  AddSuites(*host_);
  ASSERT_EQ(0, vx::AcquireSuites(host_->basic()));
}

void GeometryTest::TearDown() {
  vx::ReleaseSuites(host_->basic());
  HostTest::TearDown();
}

Segment Seg(AIRealPoint p, AIRealPoint in, AIRealPoint out) {
  Segment s{};
  s.p = p;
  s.in = in;
  s.out = out;
  s.corner = 0;
  return s;
}

Segment Corner(AIRealPoint p) { return Seg(p, p, p); }

std::vector<Segment> CirclePath(AIRealPoint c, float r) {
  const float k = 0.5523f * r;
  return {Seg({c.h + r, c.v}, {c.h + r, c.v - k}, {c.h + r, c.v + k}),
          Seg({c.h, c.v + r}, {c.h + k, c.v + r}, {c.h - k, c.v + r}),
          Seg({c.h - r, c.v}, {c.h - r, c.v + k}, {c.h - r, c.v - k}),
          Seg({c.h, c.v - r}, {c.h - k, c.v - r}, {c.h + k, c.v - r})};
}

namespace {
Segment* CopyToBlock(const std::vector<Segment>& segments, const char* label) {
  void* raw = nullptr;
  if (NewBlock(sizeof(Segment) * std::max<size_t>(segments.size(), 1), label, &raw))
    return nullptr;
  std::copy(segments.begin(), segments.end(), static_cast<Segment*>(raw));
  return static_cast<Segment*>(raw);
}
// A working or source record of one path with its segments in a host block.
SegmentBuffer ToBuffer(const std::vector<Segment>& segments, bool closed) {
  return SegmentBuffer{static_cast<int32_t>(segments.size()), closed ? 1 : 0, -3.4028235e37f,
                       CopyToBlock(segments, "segs buffer")};
}
}  // namespace

BufferPair::BufferPair(const std::vector<Segment>& segments, bool closed)
    : source(ToBuffer(segments, closed)), working(ToBuffer(segments, closed)) {}

BufferPair::~BufferPair() {
  void* a = source.segments;
  void* b = working.segments;
  FreeBlock(a);
  FreeBlock(b);
}

void BuildPathSet(PathSet* set, const std::vector<std::vector<Segment>>& paths,
                  bool closed) {
  int32_t total = 0;
  for (const auto& p : paths) total += static_cast<int32_t>(p.size());
  InitPathSet(set, static_cast<int32_t>(paths.size()), total, AIRealRect{0, 100, 100, 0});
  void* w = nullptr;
  void* s = nullptr;
  NewBlock(sizeof(SegmentBuffer) * paths.size(), "paths info buffer", &w);
  NewBlock(sizeof(SegmentBuffer) * paths.size(), "paths info buffer", &s);
  set->working = static_cast<SegmentBuffer*>(w);
  set->source = static_cast<SegmentBuffer*>(s);
  for (size_t i = 0; i < paths.size(); ++i) {
    set->working[i] = ToBuffer(paths[i], closed);
    set->source[i] = ToBuffer(paths[i], closed);
  }
}

ASErr Pull(const void*, Point3* v) {
  const float d = std::hypot(v->x, v->y);
  if (d >= 50.0f) return kUntouchedErr;
  const float w = (1.0f - d / 50.0f) * (1.0f - d / 50.0f);
  v->y += w * 30.0f;
  return kNoErr;
}

ASErr Ripple(const void*, Point3* v) {
  v->y += 100.0f * std::sin(v->x);
  return kNoErr;
}

std::vector<Segment> Polyline(int count, float step, float x0) {
  std::vector<Segment> s;
  for (int i = 0; i < count; ++i) s.push_back(Corner({x0 + i * step, 0.0f}));
  return s;
}

bool SameSegments(const Segment* a, const Segment* b, int count) {
  for (int i = 0; i < count; ++i) {
    const Segment& x = a[i];
    const Segment& y = b[i];
    if (std::memcmp(&x.p, &y.p, sizeof x.p) || std::memcmp(&x.in, &y.in, sizeof x.in) ||
        std::memcmp(&x.out, &y.out, sizeof x.out) || x.corner != y.corner)
      return false;
  }
  return true;
}

}  // namespace vx::test
