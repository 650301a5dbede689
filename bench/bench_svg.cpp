// Import and export of a large generated SVG document (tens of thousands of
// paths in nested, transformed groups), the PNG rendering of it, and the
// import of a 50 MB file.
#include <benchmark/benchmark.h>

#include <string>

#include "host/render/png_render.h"
#include "host/svg/svg_export.h"
#include "host/svg/svg_import.h"

namespace {

// `paths` paths: rectangles, circles and curved paths with gray, CMYK and
// RGB colours in groups of 100, each group translated and rotated.
std::string MakeDocument(int paths) {
  std::string text =
      "<svg xmlns='http://www.w3.org/2000/svg' width='2000' height='2000' viewBox='0 0 2000 2000'>\n";
  for (int i = 0; i < paths; ++i) {
    if (i % 100 == 0) {
      if (i) text += "</g>\n";
      text += "<g transform='translate(" + std::to_string(i / 100 % 20 * 100) + "," +
              std::to_string(i / 2000 * 100) + ") rotate(" + std::to_string(i % 45) + ")'>\n";
    }
    int x = i % 10 * 9, y = i / 10 % 10 * 9;
    switch (i % 3) {
      case 0:
        text += "<rect x='" + std::to_string(x) + "' y='" + std::to_string(y) +
                "' width='7' height='5' rx='1' fill='#808080' style='fill:#808080 "
                "icc-color(vx-gray, 0.5)'/>\n";
        break;
      case 1:
        text += "<circle cx='" + std::to_string(x + 3) + "' cy='" + std::to_string(y + 3) +
                "' r='3' fill='#00ffff' stroke='#000' stroke-width='0.5' style='fill:#00ffff "
                "icc-color(vx-cmyk, 1, 0, 0, 0)'/>\n";
        break;
      default:
        text += "<path d='M" + std::to_string(x) + "," + std::to_string(y) +
                " c 2,-3 5,3 7,0 s 1,5 -3,6 z' fill='rgb(200,30,60)' stroke-dasharray='1 1' "
                "stroke='blue'/>\n";
    }
  }
  return text + "</g>\n</svg>\n";
}

void BM_ImportSvg(benchmark::State& state) {
  std::string text = MakeDocument(int(state.range(0)));
  std::string error;
  for (auto _ : state) {
    auto imported = vx::host::svg::ImportSvg(text, &error);
    benchmark::DoNotOptimize(imported);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
  state.SetBytesProcessed(state.iterations() * int64_t(text.size()));
}
BENCHMARK(BM_ImportSvg)->Arg(1000)->Arg(30000)->Unit(benchmark::kMillisecond);

// Arg 1: every path changed, so that all of them are written anew from the
// model (0: nothing changed, the elements are copied as read).
void BM_ExportSvg(benchmark::State& state) {
  std::string text = MakeDocument(int(state.range(0)));
  std::string error;
  auto imported = vx::host::svg::ImportSvg(text, &error);
  if (state.range(1)) {
    vx::host::art::Document& doc = *imported->document;
    std::vector<vx::host::art::Art*> stack{doc.LayerAt(0)->group};
    while (!stack.empty()) {
      vx::host::art::Art* a = stack.back();
      stack.pop_back();
      if (a->kind() == vx::host::art::ArtKind::Path) doc.MutablePath(*a);
      for (auto* c = a->firstChild(); c; c = c->sibling()) stack.push_back(c);
    }
    doc.ClearHistory();
  }
  size_t bytes = 0;
  for (auto _ : state) {
    std::string out = vx::host::svg::ExportSvg(*imported->document, &imported->kept);
    bytes = out.size();
    benchmark::DoNotOptimize(out);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
  state.SetBytesProcessed(state.iterations() * int64_t(bytes));
}
BENCHMARK(BM_ExportSvg)->ArgsProduct({{1000, 30000}, {0, 1}})->Unit(benchmark::kMillisecond);

// One path of `segments` line and curve segments, read and written anew
// (changed): the time should grow linearly with the count.
void BM_LongPathRoundTrip(benchmark::State& state) {
  std::string text = "<svg xmlns='http://www.w3.org/2000/svg' width='1000' height='1000'><path d='M0,0";
  for (int64_t i = 0; i < state.range(0); ++i) {
    text += i % 2 ? " L" : " Q500,5 ";
    text += std::to_string(i % 997) + "," + std::to_string(i % 991);
  }
  text += "'/></svg>";
  std::string error;
  for (auto _ : state) {
    auto imported = vx::host::svg::ImportSvg(text, &error);
    vx::host::art::Document& doc = *imported->document;
    doc.MutablePath(*doc.LayerAt(0)->group->firstChild());
    std::string out = vx::host::svg::ExportSvg(doc, &imported->kept);
    benchmark::DoNotOptimize(out);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_LongPathRoundTrip)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

void BM_RenderPng(benchmark::State& state) {
  std::string text = MakeDocument(int(state.range(0)));
  std::string error;
  for (auto _ : state) {
    auto raster = vx::host::render::RenderSvg(text, 1000, &error);
    benchmark::DoNotOptimize(raster);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_RenderPng)->Arg(30000)->Unit(benchmark::kMillisecond);

// A 50 MB file: 2000 paths of about 25 KB of path data each, read whole.
void BM_ImportFiftyMegabytes(benchmark::State& state) {
  std::string data = "M0 0";
  for (int i = 0; data.size() < 25000; ++i)
    data += " L" + std::to_string(i % 997) + " " + std::to_string(i % 13);
  const std::string path = "<path d='" + data + "' fill='#123456'/>\n";
  std::string text = "<svg xmlns='http://www.w3.org/2000/svg' width='1000' height='1000'>";
  const size_t count = (50u << 20) / path.size();
  text.reserve(count * path.size() + 100);
  for (size_t i = 0; i < count; ++i) text += path;
  text += "</svg>";
  std::string error;
  for (auto _ : state) {
    auto imported = vx::host::svg::ImportSvg(text, &error);
    if (!imported || imported->document->ArtCount() != count + 1) {  // + the layer
      state.SkipWithError("the file was not read whole");
      break;
    }
    benchmark::DoNotOptimize(imported);
  }
  state.SetBytesProcessed(state.iterations() * int64_t(text.size()));
}
BENCHMARK(BM_ImportFiftyMegabytes)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
