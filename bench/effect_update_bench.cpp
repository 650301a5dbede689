// One update of each effect that repeats its source, sent as the host sends
// it after an edit ("AI Notify Edits", "AI Update"): Galaxy, Explosion,
// Circle and Reflections making 100 copies, Tiling (a 20 x 20 grid),
// Generation and Frame making 400 copies, of one closed path of 1,000 corner
// segments. Counter: "copies" per update. Making the document and the effect
// art is not timed.
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

#include "effects/circle.h"
#include "effects/effect_framework.h"
#include "effects/explosion.h"
#include "effects/frame.h"
#include "effects/galaxy.h"
#include "effects/generation.h"
#include "effects/reflections.h"
#include "effects/tiling.h"
#include "host/art/document.h"
#include "host/art/document_set.h"
#include "host/art/plugin_group_updates.h"
#include "shell/globals.h"
#include "shell/suites.h"
#include "support/host_fixture.h"

namespace {

using vx::host::art::Art;
using vx::host::art::ArtKind;
using vx::host::art::Placement;

constexpr int kSegments = 1000;

struct Environment {
  Environment() {
    host->Startup();
    vx::AcquireSuites(host->basic());
  }
  ~Environment() {
    auto& docs = host->documents();
    while (docs.count()) docs.Close(docs.At(0));
    vx::ReleaseSuites(host->basic());
    host->Shutdown();
  }
  std::unique_ptr<vx::host::Host> host = vx::test::MakeLinkedHost();
};

Environment& Env() {
  static Environment env;
  return env;
}

// A fresh document holding a 1,000-corner star-shaped path wrapped in effect
// art with this record, selected, its first result already made.
Art* MakeEffectArt(int effect, const void* record) {
  auto& docs = Env().host->documents();
  while (docs.count()) docs.Close(docs.At(0));
  auto& doc = docs.New("bench");
  Art* path = nullptr;
  doc.NewArt(ArtKind::Path, Placement::InsideOnTop, doc.currentLayer()->group, &path);
  auto& p = doc.MutablePath(*path);
  for (int i = 0; i < kSegments; ++i) {
    const float a = 6.2831853f * float(i) / kSegments;
    const float r = (i % 2) ? 40.0f : 50.0f;
    Segment s{};
    s.p = s.in = s.out = AIRealPoint{300 + r * std::cos(a), 400 + r * std::sin(a)};
    s.corner = 1;
    p.segments.push_back(s);
  }
  p.selection.assign(kSegments, kSegmentNotSelected);
  p.closed = true;
  AIArtHandle made = nullptr;
  vx::WrapInEffectArt(effect, vx::gGlobals->effectSlots[effect].group, &made, record,
                      path->handle());
  Art* art = doc.FromHandle(made);
  doc.Select(*art, true);
  vx::host::art::SendPluginGroupUpdates(*Env().host);
  return art;
}

// Paths in the subtree: the copies an update made.
int Paths(const Art& art) {
  int n = art.kind() == ArtKind::Path ? 1 : 0;
  for (const Art* c = art.firstChild(); c; c = c->sibling()) n += Paths(*c);
  return n;
}

void Update(benchmark::State& state, int effect, const void* record) {
  Art* art = MakeEffectArt(effect, record);
  auto& doc = *Env().host->documents().current();
  for (auto _ : state) {
    doc.MarkForUpdate(*art);
    if (vx::host::art::SendPluginGroupUpdates(*Env().host)) state.SkipWithError("update failed");
  }
  state.counters["copies"] = double(Paths(*art->resultGroup()));
}

void BM_GalaxyUpdate(benchmark::State& state) {
  vx::GalaxyPGParams p = vx::kGalaxyFactoryParams;  // 10 branches of 10
  p.totalBranches = 10;
  p.totalPerBranch = 10;
  p.showCentreMark = 0;
  p.sameSequence = 1;
  Update(state, vx::kGalaxy, &p);
}

void BM_ExplosionUpdate(benchmark::State& state) {
  vx::ExplosionPGParams p = vx::kExplosionFactoryParams;
  p.total = 100;
  p.sameSequence = 1;
  Update(state, vx::kExplosion, &p);
}

void BM_CircleUpdate(benchmark::State& state) {
  vx::CirclePGParams p = vx::kCircleFactoryParams;
  p.total = 100;
  p.showCentreMark = 0;
  Update(state, vx::kCircle, &p);
}

void BM_ReflectionsUpdate(benchmark::State& state) {
  // Radial over 50 steps: the object, its mirror image and 49 turns of each.
  vx::ReflectionsPGParams p = vx::kReflectionsFactoryParams;
  p.reflector = 3;
  p.total = 50;
  Update(state, vx::kReflections, &p);
}

BENCHMARK(BM_GalaxyUpdate)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExplosionUpdate)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CircleUpdate)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReflectionsUpdate)->Unit(benchmark::kMillisecond);

// Unturned tiles: each is placed in two transforms (a turn by 0 is a
// multiple of pi).
void BM_TilingUpdate(benchmark::State& state) {
  vx::TilingPGParams p = vx::kTilingFactoryParams;
  p.columns = 20;
  p.rows = 20;
  Update(state, vx::kTiling, &p);
}

// Shrinking and turning tiles: mostly one transform each.
void BM_TilingShrinkTurnUpdate(benchmark::State& state) {
  vx::TilingPGParams p = vx::kTilingFactoryParams;
  p.columns = 20;
  p.rows = 20;
  p.shrinkGrowH = 0.5f;
  p.shrinkGrowV = 0.5f;
  p.rotationH = vx::RecordRadians(90);
  p.rotationV = vx::RecordRadians(45);
  Update(state, vx::kTiling, &p);
}

void BM_GenerationUpdate(benchmark::State& state) {
  vx::GenerationPGParams p = vx::kGenerationFactoryParams;
  p.copies = 400;
  p.rate = 0.995f;
  Update(state, vx::kGeneration, &p);
}

// 2 x 99 + 2 x 99 copies and 4 corners.
void BM_FrameUpdate(benchmark::State& state) {
  vx::FramePGParams p = vx::kFrameFactoryParams;
  p.sideH = 99;
  p.sideV = 99;
  Update(state, vx::kFrame, &p);
}

BENCHMARK(BM_TilingUpdate)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TilingShrinkTurnUpdate)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GenerationUpdate)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FrameUpdate)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
