// The subdivide-and-map engine on realistic paths with a 3D-like mapper:
// source and output segments per second, and the engine's time against the
// time of the mapper alone over the same evaluations (x_mapper, ideally
// close to 1).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <cmath>
#include <memory>
#include <vector>

#include "geometry/bezier.h"
#include "geometry/path_mapping.h"
#include "geometry/projection.h"
#include "shell/blocks.h"
#include "shell/suites.h"
#include "support/host_fixture.h"

namespace {


using vx::Point3;


// The 3D filter's sphere in After mode, as its kind will compute it: the
// pre-rotation about the cursor, the wrap, the guarded products, the
// post-rotation.
struct Sphere {
  float ox, oy;
  vx::Matrix3 pre, post;
  float scaleX, scaleY, circumference, y0, radius, heightGain;
};
ASErr WrapOnSphere(const void* data, Point3* v) {
  const Sphere& s = *static_cast<const Sphere*>(data);
  v->x += s.ox;
  v->y += s.oy;
  vx::Apply(s.pre, v);
  v->x -= s.ox;
  v->y -= s.oy;
  const float x1 = s.scaleX * v->x;
  const float theta = (x1 / s.circumference) * 6.2831855f;
  const float y1 = s.scaleY * v->y + s.y0;
  const float lat = std::sin(y1 / s.radius);
  v->z += lat * s.heightGain;
  const float q = lat * lat;
  if (q >= 0.0f && q < 1.0f) {
    const float rho = std::sqrt(1.0f - q) * s.radius;
    v->x = std::cos(theta) * rho;
    v->y = std::sin(theta) * rho;
    if (!(std::fabs(v->x) < vx::kFloatLimit) || !(std::fabs(v->y) < vx::kFloatLimit))
      return kOverflowErr;
  } else {
    v->x = v->y = 0.0f;
  }
  vx::Apply(s.post, v);
  return kNoErr;
}

// Records the points the engine hands to the mapper, to replay them alone.
struct Recorder {
  const Sphere* sphere;
  std::vector<Point3>* points;
};
ASErr RecordAndWrap(const void* data, Point3* v) {
  const Recorder& r = *static_cast<const Recorder*>(data);
  r.points->push_back(*v);
  return WrapOnSphere(r.sphere, v);
}

Segment Seg(AIRealPoint p, AIRealPoint in, AIRealPoint out) {
  Segment s{};
  s.p = p;
  s.in = in;
  s.out = out;
  return s;
}

std::vector<Segment> Circle(float r) {
  const float k = 0.5523f * r;
  return {Seg({r, 0}, {r, -k}, {r, k}), Seg({0, r}, {k, r}, {-k, r}),
          Seg({-r, 0}, {-r, k}, {-r, -k}), Seg({0, -r}, {-k, -r}, {k, -r})};
}

// An outline like a bold "S" (closed, 14 anchors, mostly curves).
std::vector<Segment> GlyphS() {
  return {Seg({60, 80}, {60, 80}, {40, 95}),   Seg({0, 100}, {30, 100}, {-50, 100}),
          Seg({-80, 50}, {-80, 85}, {-80, 15}), Seg({-20, 0}, {-55, 10}, {10, -8}),
          Seg({30, -40}, {30, -25}, {30, -60}), Seg({0, -70}, {20, -70}, {-25, -70}),
          Seg({-55, -45}, {-40, -65}, {-55, -45}), Seg({-85, -70}, {-85, -70}, {-60, -95}),
          Seg({0, -110}, {-35, -110}, {50, -110}), Seg({85, -50}, {85, -90}, {85, -10}),
          Seg({20, 20}, {55, 10}, {-10, 28}),  Seg({-25, 55}, {-25, 40}, {-25, 70}),
          Seg({5, 75}, {-15, 75}, {25, 75}),   Seg({40, 55}, {35, 68}, {40, 55})};
}

// A long zigzag polyline of straight pieces.
std::vector<Segment> Polyline(int count) {
  std::vector<Segment> s;
  for (int i = 0; i < count; ++i) {
    const AIRealPoint p{-110.0f + 220.0f * i / count, (i % 2 ? 30.0f : -30.0f)};
    s.push_back(Seg(p, p, p));
  }
  return s;
}

enum Shape { kCircle, kGlyph, kPolyline };
struct Case {
  std::vector<Segment> segments;
  bool closed;
};
Case MakeCase(int shape) {
  switch (shape) {
    case kCircle: return {Circle(100), true};
    case kGlyph: return {GlyphS(), true};
    default: return {Polyline(1000), false};
  }
}

// The host with the suites held, for the whole program.
struct Environment {
  std::unique_ptr<vx::host::Host> host = vx::test::MakeLinkedHost();
  Environment() { vx::AcquireSuites(host->basic()); }
  ~Environment() { vx::ReleaseSuites(host->basic()); }
};
Environment& Env() {
  static Environment env;
  return env;
}

// A 240 x 240 selection on a whole sphere of radius 110, turned to be seen
// from the side.
Sphere MakeSphere() {
  const float w = 240, h = 240, r = 110, pi = 3.1415927f;
  Sphere s{};
  s.ox = r;
  s.oy = 0;
  vx::EulerXYZ(&s.pre, 0.0f, 0.0f, 0.0f);
  vx::EulerXYZ(&s.post, 0.5f, 0.4f, 0.0f);
  s.scaleX = r * 2 * pi / w;
  s.scaleY = (r * pi / 2 + r * pi / 2) / h;
  s.circumference = r * pi + r * pi;
  s.y0 = 0;
  s.radius = r;
  s.heightGain = r;
  return s;
}

// CPU seconds of this thread: the machine is shared, wall time is not ours.
double ThreadSeconds() {
  timespec t;
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return double(t.tv_sec) + 1e-9 * double(t.tv_nsec);
}

// The mapper is called through a pointer, as the engine must call it.
vx::PointMapper volatile gMapper = WrapOnSphere;

// Seconds per pass of the mapper alone over the recorded points.
double MapperOnlySeconds(const Sphere& sphere, const std::vector<Point3>& points) {
  const int reps = std::max<int>(20, int(2000000 / (points.size() + 1)));
  const vx::PointMapper mapper = gMapper;
  float sink = 0;
  const double start = ThreadSeconds();
  for (int r = 0; r < reps; ++r)
    for (Point3 v : points) {
      mapper(&sphere, &v);
      sink += v.x;
    }
  const double took = ThreadSeconds() - start;
  benchmark::DoNotOptimize(sink);
  return took / reps;
}

// mode 0: MapPathSubdividing (scratch and result from the host per path);
// mode 1: the driver alone into a reused scratch; mode 2: anchors only.
void RunEngine(benchmark::State& state, int mode) {
  Env();
  const Case c = MakeCase(int(state.range(0)));
  const Sphere sphere = MakeSphere();
  const int32_t n = int32_t(c.segments.size());
  const vx::MapContext ctx =
      vx::MakeTransformContext(WrapOnSphere, &sphere, {0, 0}, 1700.0f, 170.0f);

  void* src = nullptr;
  void* work = nullptr;
  vx::NewBlock(sizeof(Segment) * n, "segs buffer", &src);
  vx::NewBlock(sizeof(Segment) * n, "segs buffer", &work);
  std::copy(c.segments.begin(), c.segments.end(), static_cast<Segment*>(src));
  vx::SegmentBuffer source{n, c.closed ? 1 : 0, vx::kDepthSentinel, static_cast<Segment*>(src)};
  vx::SegmentBuffer working = source;
  working.segments = static_cast<Segment*>(work);
  std::vector<Segment> scratch(vx::kScratchSegments);

  // One recorded pass: the mapper's inputs and the output size.
  std::vector<Point3> points;
  const Recorder recorder{&sphere, &points};
  vx::MapContext recording = ctx;
  recording.mapper = RecordAndWrap;
  recording.mapperData = &recorder;
  if (mode == 2)
    vx::MapPathAnchorsOnly(recording, 0, 0, source, &working);
  else
    vx::MapPathSubdividing(recording, 0, 0, source, &working);
  const int32_t outCount = working.count;
  const double mapperSeconds = MapperOnlySeconds(sphere, points);

  auto pass = [&] {
    int32_t count = 0;
    float depth;
    switch (mode) {
      case 0: vx::MapPathSubdividing(ctx, 0, 0, source, &working); break;
      case 1:
        vx::MapSegmentsSubdividing(ctx, source.segments, n, c.closed, scratch.data(), &count,
                                   &depth, vx::ProgressSpan{0, 0});
        break;
      default: vx::MapPathAnchorsOnly(ctx, 0, 0, source, &working); break;
    }
    benchmark::ClobberMemory();
  };
  const int reps = std::max<int>(20, int(2000000 / (points.size() + 1)));
  const double start = ThreadSeconds();
  for (int r = 0; r < reps; ++r) pass();
  const double engineSeconds = (ThreadSeconds() - start) / reps;
  for (auto _ : state) pass();
  state.counters["src_segs/s"] = benchmark::Counter(double(n), benchmark::Counter::kIsIterationInvariantRate);
  state.counters["out_segs/s"] = benchmark::Counter(double(outCount), benchmark::Counter::kIsIterationInvariantRate);
  state.counters["out_segs"] = outCount;
  state.counters["mapper_evals"] = double(points.size());
  state.counters["x_mapper"] = engineSeconds / mapperSeconds;
  vx::FreeBlock(src);
  work = working.segments;
  vx::FreeBlock(work);
}

void BM_MapPathSubdividing(benchmark::State& state) { RunEngine(state, 0); }
void BM_SubdividingDriverOnly(benchmark::State& state) { RunEngine(state, 1); }
void BM_MapPathAnchorsOnly(benchmark::State& state) { RunEngine(state, 2); }

// The mapper alone over the evaluations one subdividing pass makes.
void BM_MapperAlone(benchmark::State& state) {
  Env();
  const Case c = MakeCase(int(state.range(0)));
  const Sphere sphere = MakeSphere();
  std::vector<Segment> scratch(vx::kScratchSegments);
  std::vector<Point3> points;
  const Recorder recorder{&sphere, &points};
  const vx::MapContext recording =
      vx::MakeTransformContext(RecordAndWrap, &recorder, {0, 0}, 1700.0f, 170.0f);
  int32_t count = 0;
  float depth;
  vx::MapSegmentsSubdividing(recording, c.segments.data(), int32_t(c.segments.size()), c.closed,
                             scratch.data(), &count, &depth, vx::ProgressSpan{0, 0});
  const vx::PointMapper mapper = gMapper;
  for (auto _ : state) {
    for (Point3 v : points) {
      mapper(&sphere, &v);
      benchmark::DoNotOptimize(v);
    }
  }
  state.counters["mapper_evals"] = double(points.size());
}

#define SHAPES ->Arg(kCircle)->Arg(kGlyph)->Arg(kPolyline)->ArgName("shape")
BENCHMARK(BM_MapPathSubdividing) SHAPES;
BENCHMARK(BM_SubdividingDriverOnly) SHAPES;
BENCHMARK(BM_MapPathAnchorsOnly) SHAPES;
BENCHMARK(BM_MapperAlone) SHAPES;

}  // namespace

BENCHMARK_MAIN();
