#include "fractalize_fixture.h"

#include "host/adm/dialog_manager.h"
#include "host/art/document_set.h"
#include "host/core/messages.h"
#include "host/core/registrations.h"
#include "host/core/user_interaction.h"
#include "shell/suites.h"
#include "support/test_paths.h"

namespace vx::test {

using host::art::ArtKind;
using host::art::Placement;

void FractalizeTest::SetUp() {
  HostTest::SetUp();
  ASSERT_EQ(0, StartHost());
  ASSERT_EQ(0, vx::AcquireSuites(host().basic()));
  host().user().FixTickCount(4242);
  doc_ = &host().documents().New("fractalize");
}

void FractalizeTest::TearDown() {
  host().dialogs().SetAgent(nullptr);
  vx::ReleaseSuites(host().basic());
  HostTest::TearDown();
}

FractalizeTest::Art* FractalizeTest::AddPath(std::string_view svg, bool selected,
                                             Art* container) {
  return AddSvgPath(*doc_, svg, container, selected);
}

FractalizeTest::Art* FractalizeTest::AddGroup(Art* container) {
  Art* art = nullptr;
  EXPECT_EQ(0, doc_->NewArt(ArtKind::Group, Placement::InsideOnTop,
                            container ? container : doc_->currentLayer()->group,
                            &art));
  return art;
}

AIFilterHandle FractalizeTest::filter() const {
  auto* f = host_->registrations().FilterTitled("Fractalize...");
  return reinterpret_cast<AIFilterHandle>(f);
}

void FractalizeTest::SetFilterParams(const FractalizeParams& params) {
  auto* f = host().registrations().FilterTitled("Fractalize...");
  ASSERT_NE(nullptr, f);
  if (!f->parameters) {
    AIMdMemoryHandle handle = nullptr;
    ASSERT_EQ(0, sMdMemory->MdMemoryNewHandle(sizeof(FractalizeParams), &handle));
    f->parameters = handle;
  }
  *static_cast<FractalizeParams*>(*static_cast<AIMdMemoryHandle>(f->parameters)) =
      params;
}

int32_t FractalizeTest::FilterGo() { return host::SendFilterGo(host(), filter()); }
int32_t FractalizeTest::FilterGetParameters() {
  return host::SendFilterGetParameters(host(), filter());
}

std::size_t FractalizeTest::Live() const { return host_->blocks().LiveCount(); }

FractalizeParams Params(int generator, int level, float density, float uneven,
                        float height, int unit) {
  FractalizeParams p = kFractalizeFactoryParams;
  p.generator = static_cast<uint32_t>(generator);
  p.level = static_cast<uint32_t>(level);
  p.density = density;
  p.uneven = uneven;
  p.genHeight = height;
  p.unevenUnit = static_cast<uint32_t>(unit);
  return p;
}

std::vector<AIRealPoint> Anchors(const host::art::Art& path) {
  std::vector<AIRealPoint> out;
  for (const Segment& s : path.path().segments) out.push_back(s.p);
  return out;
}

host::art::Dictionary LiveParams(int generator, int level, float density, float uneven,
                                 int unit, float height) {
  host::art::Dictionary d;
  d.Set("generator", int32_t(generator));
  d.Set("genHeight", AIReal(height));
  d.Set("level", int32_t(level));
  d.Set("density", AIReal(density));
  d.Set("uneven", AIReal(uneven));
  d.Set("unevenUnit", int32_t(unit));
  return d;
}

void ExpectShifted(const std::vector<AIRealPoint>& a, const std::vector<AIRealPoint>& b,
                   double dh, double dv, double tolerance) {
  ASSERT_EQ(a.size(), b.size());
  for (size_t k = 0; k < a.size(); ++k) {
    if (tolerance == 0) {
      EXPECT_EQ(a[k].h, b[k].h) << k;
      EXPECT_EQ(a[k].v, b[k].v) << k;
    } else {
      EXPECT_NEAR(a[k].h + dh, b[k].h, tolerance) << k;
      EXPECT_NEAR(a[k].v + dv, b[k].v, tolerance) << k;
    }
  }
}

bool AnyVDiffers(const std::vector<AIRealPoint>& a, const std::vector<AIRealPoint>& b) {
  bool differs = false;
  for (size_t k = 0; k < a.size() && k < b.size(); ++k) differs = differs || a[k].v != b[k].v;
  return differs;
}

}  // namespace vx::test
