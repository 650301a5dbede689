// One update of each effect that repeats its source (Galaxy, Explosion,
// Circle, Reflections), each making 100 copies of one closed path of 1,000
// corner segments, sent as the host sends it after an edit ("AI Notify
// Edits", "AI Update"). Counter: "copies" per update. Making the document
// and the effect art is not timed.
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

#include "effects/circle.h"
#include "effects/effect_framework.h"
#include "effects/explosion.h"
#include "effects/galaxy.h"
#include "effects/reflections.h"
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

}  // namespace

BENCHMARK_MAIN();
