// Fractalize's filter through PluginMain on a document of a few thousand
// paths, levels 1 to 4, without and with resampling: time per run and the
// segments produced (counter "segments"). Rebuilding the document between
// runs is not timed.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>
#include <random>
#include <vector>

#include "filters/fractalize_params.h"
#include "host/art/document.h"
#include "host/art/document_set.h"
#include "host/core/messages.h"
#include "host/core/registrations.h"
#include "host/core/user_interaction.h"
#include "shell/suites.h"
#include "support/host_fixture.h"

namespace {

using vx::host::art::ArtKind;
using vx::host::art::Placement;

constexpr int kPaths = 3000;

struct Environment {
  std::unique_ptr<vx::host::Host> host = vx::test::MakeLinkedHost();
  vx::host::Filter* filter = nullptr;
  Environment() {
    host->Startup();
    vx::AcquireSuites(host->basic());
    host->user().FixTickCount(12345);
    filter = host->registrations().FilterTitled("Fractalize...");
    AIMdMemoryHandle handle = nullptr;
    vx::sMdMemory->MdMemoryNewHandle(sizeof(vx::FractalizeParams), &handle);
    filter->parameters = handle;
  }
  ~Environment() {
    vx::sMdMemory->MdMemoryDisposeHandle(static_cast<AIMdMemoryHandle>(filter->parameters));
    filter->parameters = nullptr;
    vx::ReleaseSuites(host->basic());
    host->Shutdown();
  }
};

Environment& Env() {
  static Environment env;
  return env;
}

// kPaths small shapes: open zigzags of 4 anchors and closed quadrilaterals,
// all selected, on a fresh document.
vx::host::art::Document& MakeDocument() {
  auto& docs = Env().host->documents();
  while (docs.count()) docs.Close(docs.At(0));
  auto& doc = docs.New("bench");
  std::mt19937 random(7);
  std::uniform_real_distribution<float> place(0, 1000), size(5, 40);
  for (int i = 0; i < kPaths; ++i) {
    vx::host::art::Art* art = nullptr;
    doc.NewArt(ArtKind::Path, Placement::InsideOnTop, doc.currentLayer()->group, &art);
    auto& p = doc.MutablePath(*art);
    const float x = place(random), y = place(random), s = size(random);
    const AIRealPoint pts[4] = {{x, y}, {x + s, y + s}, {x + 2 * s, y}, {x + s, y - s}};
    for (const AIRealPoint& a : pts) {
      Segment seg{};
      seg.p = seg.in = seg.out = a;
      seg.corner = 1;
      p.segments.push_back(seg);
    }
    p.selection.assign(4, kSegmentNotSelected);
    p.closed = (i % 2) == 1;
    doc.Select(*art, true);
  }
  doc.ClearHistory();
  return doc;
}

void BM_FractalizeFilter(benchmark::State& state) {
  Environment& env = Env();
  auto* params = static_cast<vx::FractalizeParams*>(
      *static_cast<AIMdMemoryHandle>(env.filter->parameters));
  *params = vx::kFractalizeFactoryParams;
  params->generator = 1;
  params->level = static_cast<uint32_t>(state.range(0));
  params->density = static_cast<float>(state.range(1));
  params->uneven = 10.0f;
  double segments = 0;
  for (auto _ : state) {
    state.PauseTiming();
    vx::host::art::Document& doc = MakeDocument();
    state.ResumeTiming();
    const int32_t result = vx::host::SendFilterGo(
        *env.host, reinterpret_cast<AIFilterHandle>(env.filter));
    state.PauseTiming();
    if (result) state.SkipWithError("the filter failed");
    segments = 0;
    for (vx::host::art::Art* a = doc.currentLayer()->group->firstChild(); a; a = a->sibling())
      segments += double(a->path().segments.size());
    state.ResumeTiming();
  }
  state.counters["segments"] = segments;
  state.counters["paths"] = kPaths;
}
BENCHMARK(BM_FractalizeFilter)
    ->ArgsProduct({{1, 2, 3, 4}, {0, 5}})
    ->ArgNames({"level", "density"})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

}  // namespace
