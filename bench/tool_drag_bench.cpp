// One drag step of a tool, as the host sends it ("AI Mouse Drag" between a
// Mouse Down and a Mouse Up): undo of the previous step and the deformation
// for the new pointer, on 10,000 segments in 40 closed paths of 250 curved
// segments each. Steps alternate between two pointer positions so every
// iteration undoes a real deformation. Target: at most 16 ms (one frame).
// Each tool adds its own function below, setting its record after Select.
#include <benchmark/benchmark.h>

#include <cmath>
#include <functional>
#include <memory>

#include "host/art/document.h"
#include "host/art/document_set.h"
#include "host/core/messages.h"
#include "shell/globals.h"
#include "support/host_fixture.h"
#include "support/test_paths.h"
#include "tools/tool_table.h"
#include "tools/broom_tool.h"
#include "tools/craft_tool.h"
#include "tools/lens_tool.h"
#include "tools/metabrush_tool.h"
#include "tools/roughening_tool.h"
#include "tools/trail_tool.h"
#include "tools/warp_tool.h"
#include "tools/wave_tool.h"

namespace {

using vx::host::art::Art;
using vx::host::art::Document;

constexpr int kPaths = 40;
constexpr int kSegmentsPerPath = 250;

struct Environment {
  Environment() { host->Startup(); }
  ~Environment() {
    auto& docs = host->documents();
    while (docs.count()) docs.Close(docs.At(0));
    host->Shutdown();
  }
  std::unique_ptr<vx::host::Host> host = vx::test::MakeLinkedHost();
};

Environment& Env() {
  static Environment env;
  return env;
}

// A fresh document of kPaths wavy rings (closed, smooth), 8 x 5 of them in a
// 400 x 250 field, all selected.
Document& MakeDocument() {
  auto& docs = Env().host->documents();
  while (docs.count()) docs.Close(docs.At(0));
  Document& doc = docs.New("bench");
  for (int i = 0; i < kPaths; ++i) {
    const float cx = 25.0f + 50.0f * float(i % 8), cy = 25.0f + 50.0f * float(i / 8);
    // "M p0 Q c0 p1 ... Z": kSegmentsPerPath anchors, curved pieces.
    auto at = [&](float k, float bulge) {
      const float a = 6.2831853f * k / kSegmentsPerPath;
      const float r = (20.0f + 2.0f * std::sin(9.0f * a)) * bulge;
      return AIRealPoint{cx + r * std::cos(a), cy + r * std::sin(a)};
    };
    char piece[96];
    std::snprintf(piece, sizeof piece, "M %g,%g", at(0, 1).h, at(0, 1).v);
    std::string data = piece;
    for (int k = 0; k < kSegmentsPerPath - 1; ++k) {
      const AIRealPoint c = at(float(k) + 0.5f, 1.02f), p = at(float(k + 1), 1.0f);
      std::snprintf(piece, sizeof piece, " Q %g,%g %g,%g", c.h, c.v, p.h, p.v);
      data += piece;
    }
    data += " Z";
    vx::test::AddSvgPath(doc, data);
  }
  return doc;
}

// A fresh document of kSmallObjects small closed paths (a 4 x 4 square of 4
// anchors each), 50 x 40 of them 8 points apart, all selected: the Broom's
// many small objects.
constexpr int kSmallObjects = 2000;
Document& MakeSmallObjects() {
  auto& docs = Env().host->documents();
  while (docs.count()) docs.Close(docs.At(0));
  Document& doc = docs.New("bench");
  for (int i = 0; i < kSmallObjects; ++i) {
    const float x = 8.0f * float(i % 50), y = 8.0f * float(i / 50);
    vx::test::AddSvgPath(doc, vx::test::SvgPolyline(
                                  {{x, y}, {x + 4, y}, {x + 4, y + 4}, {x, y + 4}}, true));
  }
  return doc;
}

// Times drag steps of the tool in `slot` on the document `make` builds;
// `setUp` sets its record (after Select made it) and answers the down point
// and the two drag points.
void DragStep(benchmark::State& state, int slot,
              const std::function<bool(void* record, AIRealPoint points[3])>& setUp,
              Document& (*make)() = MakeDocument, void* lent = nullptr) {
  vx::host::Host& host = *Env().host;
  make();
  AIToolHandle tool = vx::gGlobals->ToolHandles[slot];
  if (vx::host::SendTool(host, kSelectorAISelectTool, tool)) {
    state.SkipWithError("Select failed");
    return;
  }
  const vx::ToolInfo* row = vx::ToolOfSlot(slot);
  void* record = row ? vx::gGlobals->ToolParams[row->paletteIndex] : nullptr;
  // Until the palette makes the record on Select, `lent` stands in for it.
  const bool lending = row && !record && lent;
  if (lending) record = vx::gGlobals->ToolParams[row->paletteIndex] = lent;
  AIRealPoint points[3];
  if (!record || !setUp(record, points)) {
    state.SkipWithError("no options record");
    return;
  }
  vx::host::SendTool(host, kSelectorAIToolMouseDown, tool, points[0]);
  vx::host::SendTool(host, kSelectorAIToolMouseDrag, tool, points[1]);
  int i = 0;
  for (auto _ : state) {
    const ASErr err =
        vx::host::SendTool(host, kSelectorAIToolMouseDrag, tool, points[2 - (i++ & 1)]);
    if (err) {
      state.SkipWithError("drag step failed");
      break;
    }
  }
  vx::host::SendTool(host, kSelectorAIToolMouseUp, tool, points[1]);
  vx::host::SendTool(host, kSelectorAIDeselectTool, tool);
  if (lending) vx::gGlobals->ToolParams[row->paletteIndex] = nullptr;
  state.counters["segments"] = double(kPaths * kSegmentsPerPath);
}

void BM_WarpDragStep(benchmark::State& state) {
  DragStep(state, vx::kWarpSlot, [&](void* raw, AIRealPoint p[3]) {
    auto& record = *static_cast<vx::WarpToolParams*>(raw);
    record.shape = int16_t(state.range(0));
    record.trace = 0;
    p[0] = {150, 125};
    p[1] = {150, 175};
    p[2] = {160, 185};
    return true;
  });
}
BENCHMARK(BM_WarpDragStep)->Arg(3)->Arg(0)->Arg(14)->Unit(benchmark::kMillisecond);

// Craft on the rings: an area of radius 150 over the middle of the field
// reaches most of the 10,000 segments; Arg = the distortion (0 Free, 2
// Pinch, 3 Twirl).
void BM_CraftDragStep(benchmark::State& state) {
  static vx::CraftToolParams lent = vx::kCraftToolFactoryParams;
  DragStep(state, vx::kCraftSlot, [&](void* raw, AIRealPoint p[3]) {
    auto& record = *static_cast<vx::CraftToolParams*>(raw);
    record.distortion = int16_t(state.range(0));
    record.areaRadius = 150;
    record.trace = 0;
    p[0] = {200, 125};
    p[1] = {200, 145};
    p[2] = {215, 150};
    return true;
  }, MakeDocument, &lent);
}
BENCHMARK(BM_CraftDragStep)->Arg(0)->Arg(2)->Arg(3)->Unit(benchmark::kMillisecond);

// Broom on 2,000 small objects, an area of radius 200 over the middle of
// the 400 x 320 field; Arg = the sweep (0 Free, 2 Pinch, 3 Twirl).
void BM_BroomDragStep(benchmark::State& state) {
  static vx::BroomToolParams lent = vx::kBroomToolFactoryParams;
  DragStep(
      state, vx::kBroomSlot,
      [&](void* raw, AIRealPoint p[3]) {
        auto& record = *static_cast<vx::BroomToolParams*>(raw);
        record.sweep = int16_t(state.range(0));
        record.areaRadius = 200;
        record.trace = 0;
        p[0] = {200, 160};
        p[1] = {200, 180};
        p[2] = {215, 185};
        return true;
      },
      MakeSmallObjects, &lent);
  state.counters["segments"] = double(kSmallObjects * 4);
}
BENCHMARK(BM_BroomDragStep)->Arg(0)->Arg(2)->Arg(3)->Unit(benchmark::kMillisecond);
void BM_WaveDragStep(benchmark::State& state) {
  DragStep(state, vx::kWaveSlot, [&](void* raw, AIRealPoint p[3]) {
    auto& record = *static_cast<vx::WaveToolParams*>(raw);
    record.shape = int16_t(state.range(0));
    record.cycle = 2.0f;
    record.trace = 0;
    p[0] = {100, 125};
    p[1] = {100, 150};
    p[2] = {120, 160};
    return true;
  });
}
BENCHMARK(BM_WaveDragStep)->Arg(0)->Arg(3)->Arg(4)->Unit(benchmark::kMillisecond);

// The lens (150 x 150) over the middle of the field; the Tone lens scales
// whole rings.
void BM_LensDragStep(benchmark::State& state) {
  DragStep(state, vx::kLensSlot, [&](void* raw, AIRealPoint p[3]) {
    auto& record = *static_cast<vx::LensToolParams*>(raw);
    record.lensType = int16_t(state.range(0));
    record.area = {150, 150};
    record.trace = 0;
    p[0] = {260, 50};
    p[1] = {270, 55};
    p[2] = {280, 60};
    return true;
  });
}
BENCHMARK(BM_LensDragStep)->Arg(0)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMillisecond);

// Roughening over the whole field (radius 4000): every anchor pushed; a
// horizontal drag of 7.2 points spaces new anchors 10 points apart, wider
// than the rings' anchors already are, so the step pushes 10,000 anchors.
void BM_RougheningDragStep(benchmark::State& state) {
  DragStep(state, vx::kRoughSlot, [&](void* raw, AIRealPoint p[3]) {
    auto& record = *static_cast<vx::RoughToolParams*>(raw);
    record.areaRadius = 4000.0f;
    record.kind = int16_t(state.range(0));
    record.trace = 0;
    p[0] = {200, 125};
    p[1] = {207.2f, 145};
    p[2] = {207.2f, 155};
    return true;
  });
}
BENCHMARK(BM_RougheningDragStep)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Trail: a drag of 30 (then 35) points at Space 10 leaves 3 copies of each
// ring: 30,000 segments copied, moved and coloured per step.
void BM_TrailDragStep(benchmark::State& state) {
  DragStep(state, vx::kTrailToolSlot, [&](void* raw, AIRealPoint p[3]) {
    auto& record = *static_cast<vx::TrailToolParams*>(raw);
    record.space = 10.0f;
    p[0] = {200, 125};
    p[1] = {230, 125};
    p[2] = {235, 125};
    return true;
  });
}
BENCHMARK(BM_TrailDragStep)->Unit(benchmark::kMillisecond);

// MetaBrush: every step lays the brush anew along the whole recorded path;
// at Spacing 4000 the path the benchmark drags back and forth keeps one
// stamp, so a step copies and transforms the 10,000 segments once.
void BM_MetaBrushDragStep(benchmark::State& state) {
  DragStep(state, vx::kMetaBrushSlot, [&](void* raw, AIRealPoint p[3]) {
    auto& record = *static_cast<vx::MetaBrushToolParams*>(raw);
    record.keyA = 0;
    record.keyB = 4000.0f;
    record.keyC = 1;
    p[0] = {200, 125};
    p[1] = {230, 125};
    p[2] = {235, 130};
    return true;
  });
}
BENCHMARK(BM_MetaBrushDragStep)->Unit(benchmark::kMillisecond);

// AlignPoints: every drag event finds the key point under the pointer (the
// first ring's first anchor) and writes the selected anchors onto its x.
// Arg 0: all 10,000 anchors are selected (after the first event every ring
// has an anchor on the key, so the hit test stops at the topmost ring).
// Arg 1: only the first ring, at the bottom, is selected: every event's hit
// test passes the 39 rings above it before it reaches the key. AlignPoints
// has no record and no undo between events.
void BM_AlignPointsDragStep(benchmark::State& state) {
  vx::host::Host& host = *Env().host;
  Document& doc = MakeDocument();
  if (state.range(0) == 1) {
    Art* bottom = doc.currentLayer()->group->lastChild();
    doc.DeselectAll();
    doc.Select(*bottom, true);
  }
  AIToolHandle tool = vx::gGlobals->ToolHandles[vx::kAlignPointsSlot];
  if (vx::host::SendTool(host, kSelectorAISelectTool, tool)) {
    state.SkipWithError("Select failed");
    return;
  }
  const AIRealPoint key{45, 25};  // the first ring's first anchor
  vx::host::SendTool(host, kSelectorAIToolMouseDown, tool, key);
  for (auto _ : state) {
    if (vx::host::SendTool(host, kSelectorAIToolMouseDrag, tool, key)) {
      state.SkipWithError("drag step failed");
      break;
    }
  }
  vx::host::SendTool(host, kSelectorAIToolMouseUp, tool, key);
  vx::host::SendTool(host, kSelectorAIDeselectTool, tool);
  state.counters["segments"] = double(kPaths * kSegmentsPerPath);
}
BENCHMARK(BM_AlignPointsDragStep)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
