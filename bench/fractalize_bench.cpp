// Fractalize on a document of a few thousand paths, levels 1 to 4: the
// filter through PluginMain without and with resampling, and the live
// effect applied by the host (one Go Live per path, on a standalone copy of
// it). Counters: "segments" produced, "paths". Rebuilding the document
// between runs is not timed. The peer, Inkscape's own "Fractalize"
// extension (each span split in two at every subdivision, as generator 1
// does at every level) on the same document saved as SVG, runs only when an
// inkscape program is installed.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "bench/filter_environment.h"
#include "filters/fractalize_params.h"
#include "host/art/dictionary.h"
#include "host/art/document.h"
#include "host/art/document_set.h"
#include "host/core/messages.h"
#include "host/core/registrations.h"
#include "host/core/user_interaction.h"
#include "host/live/live_effect_apply.h"
#include "host/svg/svg_export.h"
#include "host/svg/svg_import.h"
#include "shell/suites.h"
#include "support/host_fixture.h"

namespace {

using vx::host::art::Art;
using vx::host::art::ArtKind;
using vx::host::art::Placement;

constexpr int kPaths = 3000;

using Environment = vx::bench::FilterEnvironment;

Environment& Env() {
  static Environment env("Fractalize...", sizeof(vx::FractalizeParams));
  return env;
}

// kPaths small shapes: open zigzags of 4 anchors and closed quadrilaterals,
// all selected, on a fresh document.
vx::host::art::Document& MakeDocument() {
  Env().CloseDocuments();
  Env().host->user().FixTickCount(12345);  // repeatable jitter
  auto& doc = Env().host->documents().New("bench");
  std::mt19937 random(7);
  std::uniform_real_distribution<float> place(0, 1000), size(5, 40);
  for (int i = 0; i < kPaths; ++i) {
    Art* art = nullptr;
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

// Anchors of every path in the subtree, result groups of effect art included.
double Segments(const Art& art) {
  double n = art.kind() == ArtKind::Path ? double(art.path().segments.size()) : 0;
  for (const Art* c = art.firstChild(); c; c = c->sibling()) n += Segments(*c);
  if (art.resultGroup()) n += Segments(*art.resultGroup());
  return n;
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
    segments = Segments(*doc.currentLayer()->group);
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

// The live effect on every path: each becomes live effect art rendered by
// Go Live; one undo step.
void BM_FractalizeLiveEffect(benchmark::State& state) {
  Environment& env = Env();
  vx::host::art::Dictionary params;
  params.Set("generator", int32_t(1));
  params.Set("genHeight", AIReal(100));
  params.Set("level", int32_t(state.range(0)));
  params.Set("density", AIReal(state.range(1)));
  params.Set("uneven", AIReal(10));
  params.Set("unevenUnit", int32_t(0));
  double segments = 0;
  for (auto _ : state) {
    state.PauseTiming();
    vx::host::art::Document& doc = MakeDocument();
    std::vector<Art*> targets;
    for (Art* a = doc.currentLayer()->group->firstChild(); a; a = a->sibling())
      targets.push_back(a);
    state.ResumeTiming();
    const int32_t result =
        vx::host::live::ApplyLiveEffect(*env.host, doc, "Fractalize...", targets, params);
    state.PauseTiming();
    if (result) state.SkipWithError("the live effect failed");
    segments = 0;
    for (Art* a = doc.currentLayer()->group->firstChild(); a; a = a->sibling())
      if (a->resultGroup()) segments += Segments(*a->resultGroup());
    state.ResumeTiming();
  }
  state.counters["segments"] = segments;
  state.counters["paths"] = kPaths;
}
BENCHMARK(BM_FractalizeLiveEffect)
    ->ArgsProduct({{1, 2, 3, 4}, {0, 5}})
    ->ArgNames({"level", "density"})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

// ---- the peer ----------------------------------------------------------------

std::string CommandOutput(const std::string& command) {
  std::string out;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    char buffer[512];
    while (size_t n = std::fread(buffer, 1, sizeof buffer, pipe)) out.append(buffer, n);
    pclose(pipe);
  }
  while (!out.empty() && (out.back() == '\n' || out.back() == '\r')) out.pop_back();
  return out;
}

// Inkscape's fractalize.py, or empty when inkscape is not installed.
std::filesystem::path InkscapeFractalize() {
  if (std::system("command -v inkscape > /dev/null 2>&1") != 0) return {};
  const std::filesystem::path script =
      std::filesystem::path(CommandOutput("inkscape --system-data-directory 2>/dev/null")) /
      "extensions" / "fractalize.py";
  return std::filesystem::exists(script) ? script : std::filesystem::path();
}

// Inkscape's extension on the same document, every path selected by its id,
// with `level` subdivisions.
void BM_InkscapeFractalize(benchmark::State& state) {
  const std::filesystem::path script = InkscapeFractalize();
  if (script.empty()) {
    state.SkipWithError("inkscape (with its Fractalize extension) is not installed: no peer figure");
    for (auto _ : state) {
    }
    return;
  }
  vx::host::art::Document& doc = MakeDocument();
  const auto dir = std::filesystem::temp_directory_path();
  const auto in = dir / "vx_bench_fractalize_in.svg", out = dir / "vx_bench_fractalize_out.svg";
  std::ofstream(in) << vx::host::svg::ExportSvg(doc, nullptr);
  // The ids the export gave the paths.
  std::string ids;
  {
    std::string error;
    std::ifstream file(in);
    std::stringstream text;
    text << file.rdbuf();
    auto read = vx::host::svg::ImportSvg(text.str(), &error);
    if (read)
      for (int i = 0; i < read->document->LayerCount(); ++i)
        for (Art* a = read->document->LayerAt(i)->group->firstChild(); a; a = a->sibling())
          if (!a->id().empty()) ids += " --id=" + a->id();
  }
  const std::string command = "cd \"" + script.parent_path().string() + "\" && python3 \"" +
                              script.string() + "\" --subdivs=" +
                              std::to_string(state.range(0)) + " --smooth=4" + ids + " \"" +
                              in.string() + "\" > \"" + out.string() + "\" 2>/dev/null";
  for (auto _ : state)
    if (std::system(command.c_str()) != 0) state.SkipWithError("the extension failed");
  std::string error;
  std::ifstream file(out);
  std::stringstream text;
  text << file.rdbuf();
  double segments = 0;
  if (auto result = vx::host::svg::ImportSvg(text.str(), &error))
    for (int i = 0; i < result->document->LayerCount(); ++i)
      segments += Segments(*result->document->LayerAt(i)->group);
  state.counters["segments"] = segments;
  state.counters["paths"] = kPaths;
  std::filesystem::remove(in);
  std::filesystem::remove(out);
}
BENCHMARK(BM_InkscapeFractalize)
    ->DenseRange(1, 4)
    ->ArgNames({"level"})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
