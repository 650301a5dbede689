// 3D Transform: the filter's run through PluginMain (Sphere, Torus, Twirl)
// on a document of 20,000 curved segments, and one recomputation of the
// dialog's preview over 10,000 segments, the work the dialog does in slices
// of 15 ms (counter "slices": how many slice ends the recomputation
// crossed; 1 means it fits in one). Rebuilding the document between runs
// is not timed. The peer, Inkscape's "Whirl" extension on the same
// document saved as SVG, runs only when an inkscape program is installed.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>

#include "bench/filter_environment.h"
#include "filters/transform3d_preview.h"
#include "filters/transform3d_record.h"
#include "host/art/document.h"
#include "host/art/document_set.h"
#include "host/core/messages.h"
#include "host/core/registrations.h"
#include "host/svg/svg_export.h"
#include "shell/blocks.h"
#include "shell/suites.h"
#include "support/host_fixture.h"

namespace {

using vx::host::art::ArtKind;
using vx::host::art::Placement;

constexpr int kSegmentsPerPath = 8;

using Environment = vx::bench::FilterEnvironment;

Environment& Env() {
  static Environment env("3D Transform...", sizeof(vx::TransformParams));
  return env;
}

// paths closed wavy rings of kSegmentsPerPath smooth anchors in a square
// grid over 1000 x 1000 points, all selected, on a fresh document.
vx::host::art::Document& MakeDocument(int paths) {
  Env().CloseDocuments();
  auto& doc = Env().host->documents().New("bench");
  const int side = int(std::ceil(std::sqrt(double(paths))));
  const float cell = 1000.0f / float(side);
  for (int i = 0; i < paths; ++i) {
    vx::host::art::Art* art = nullptr;
    doc.NewArt(ArtKind::Path, Placement::InsideOnTop,
               doc.currentLayer()->group, &art);
    auto& p = doc.MutablePath(*art);
    const float cx = (float(i % side) + 0.5f) * cell;
    const float cy = (float(i / side) + 0.5f) * cell;
    for (int k = 0; k < kSegmentsPerPath; ++k) {
      const float a = 6.2831855f * float(k) / kSegmentsPerPath;
      const float r = cell * (k % 2 ? 0.3f : 0.45f);
      const float t = r * 0.39f;  // handle length along the tangent
      Segment s{};
      s.p = {cx + r * std::cos(a), cy + r * std::sin(a)};
      s.in = {s.p.h + t * std::sin(a), s.p.v - t * std::cos(a)};
      s.out = {s.p.h - t * std::sin(a), s.p.v + t * std::cos(a)};
      p.segments.push_back(s);
    }
    p.selection.assign(p.segments.size(), kSegmentNotSelected);
    p.closed = true;
    doc.Select(*art, true);
  }
  doc.ClearHistory();
  return doc;
}

// The kind's factory values with the cross cursor off the centre, so that
// Sphere and Torus have a radius.
vx::TransformParams KindRecord(int kind) {
  vx::TransformParams p;
  vx::ResetTransformParams(&p, kind);
  p.cursorH = 0.3f;
  p.cursorV = 0.2f;
  p.postRotation[0] = 30.0f;
  return p;
}

constexpr int kKinds[] = {vx::kSphere, vx::kTorus, vx::kTwirl};
const char* KindName(int kind) {
  return kind == vx::kSphere ? "Sphere" : kind == vx::kTorus ? "Torus" : "Twirl";
}

int64_t SegmentCount(vx::host::art::Document& doc) {
  int64_t n = 0;
  for (auto* a = doc.currentLayer()->group->firstChild(); a; a = a->sibling())
    n += int64_t(doc.MutablePath(*a).segments.size());
  return n;
}

// The filter's Go over 20,000 segments, without the dialog.
void BM_FilterRun(benchmark::State& state) {
  const int kind = kKinds[state.range(0)];
  state.SetLabel(KindName(kind));
  const int paths = 20000 / kSegmentsPerPath;
  const vx::TransformParams record = KindRecord(kind);
  int64_t out = 0;
  for (auto _ : state) {
    state.PauseTiming();
    auto& doc = MakeDocument(paths);
    std::memcpy(*static_cast<AIMdMemoryHandle>(Env().filter->parameters),
                &record, sizeof record);
    state.ResumeTiming();
    const int32_t err = vx::host::SendFilterGo(
        *Env().host, reinterpret_cast<AIFilterHandle>(Env().filter));
    state.PauseTiming();
    if (err) state.SkipWithError("the filter failed");
    out = SegmentCount(doc);
    state.ResumeTiming();
  }
  state.counters["segments_in"] = paths * kSegmentsPerPath;
  state.counters["segments_out"] = double(out);
}
BENCHMARK(BM_FilterRun)->DenseRange(0, 2)->Unit(benchmark::kMillisecond)
    ->Iterations(3);

int gSliceEnds = 0;
void CountSliceEnd(void*) { ++gSliceEnds; }

// One recomputation of the preview over 10,000 segments: every path mapped
// and drawn into the preview's bitmap, as the dialog does after a change.
void BM_PreviewRecompute(benchmark::State& state) {
  const int kind = kKinds[state.range(0)];
  state.SetLabel(KindName(kind));
  MakeDocument(10000 / kSegmentsPerPath);
  vx::PathSet set{};
  AIArtHandleList arts = nullptr;
  if (vx::GatherPathSet(&arts, &set)) {
    state.SkipWithError("cannot gather the paths");
    return;
  }
  vx::ReleaseArtList(&arts);
  vx::TransformParams p = KindRecord(kind);
  vx::RebuildDerived(&p, set.bounds);
  vx::PreviewState view{};
  view.rect = {1, 1, 165, 165};
  view.centre = {83, 83};
  vx::CenterPreview(&view);
  vx::PreviewBitmap bitmap{};
  vx::NewPreviewBitmap(&bitmap, view.rect);
  int slices = 0;
  for (auto _ : state) {
    set.nextPath = 0;
    set.doneSegments = 0;
    gSliceEnds = 0;
    vx::RenderOutline(&bitmap, view, p, set);
    if (vx::AdvancePreview(&p, &set, view, &bitmap, CountSliceEnd, nullptr))
      state.SkipWithError("the mapping failed");
    slices = gSliceEnds + 1;
  }
  state.counters["segments"] = set.totalSegments;
  state.counters["slices"] = slices;
  vx::FreePreviewBitmap(&bitmap);
  vx::FreePathSet(&set);
}
BENCHMARK(BM_PreviewRecompute)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

// The peer: Inkscape's Whirl extension over the same 20,000 segments.
void BM_InkscapeWhirl(benchmark::State& state) {
  if (std::system("command -v inkscape > /dev/null 2>&1") != 0) {
    state.SkipWithError("inkscape is not installed: no peer figure");
    for (auto _ : state) {
    }
    return;
  }
  auto& doc = MakeDocument(20000 / kSegmentsPerPath);
  const auto dir = std::filesystem::temp_directory_path();
  const auto in = dir / "vx_bench_3d_in.svg", out = dir / "vx_bench_3d_out.svg";
  if (FILE* f = std::fopen(in.string().c_str(), "w")) {
    const std::string svg = vx::host::svg::ExportSvg(doc, nullptr);
    std::fwrite(svg.data(), 1, svg.size(), f);
    std::fclose(f);
  }
  const std::string command =
      "inkscape \"" + in.string() +
      "\" --actions=\"select-all:all;org.ekips.filter.whirl.noprefs;"
      "export-filename:" + out.string() + ";export-do\" > /dev/null 2>&1";
  for (auto _ : state)
    if (std::system(command.c_str()) != 0)
      state.SkipWithError("inkscape failed");
  std::filesystem::remove(in);
  std::filesystem::remove(out);
}
BENCHMARK(BM_InkscapeWhirl)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
