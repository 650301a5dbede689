#include "transform3d_fixture.h"

#include <cstring>

#include "host/art/document_set.h"
#include "host/art/md_memory.h"
#include "host/core/messages.h"
#include "host/core/registrations.h"
#include "support/test_paths.h"

namespace vx::test {

void Transform3DTest::SetUp() {
  HostTest::SetUp();
  ASSERT_EQ(0, StartHost());
  const host::Filter* f =
      host().registrations().FilterTitled("3D Transform...");
  ASSERT_NE(nullptr, f);
  filter_ = reinterpret_cast<AIFilterHandle>(const_cast<host::Filter*>(f));
  doc_ = &host().documents().New("transform3d");
}

host::art::Art* Transform3DTest::AddRect(const std::string& id, float x,
                                         float y, float w, float h,
                                         bool selected) {
  return AddSvgPath(*doc_, SvgPolyline({{x, y}, {x, y + h}, {x + w, y + h}, {x + w, y}}, true),
                    nullptr, selected, id);
}

void Transform3DTest::SetParameterBlock(const TransformParams& record) {
  host::Filter* f = host().registrations().FindFilter(filter_);
  ASSERT_NE(nullptr, f);
  AIMdMemoryHandle handle = static_cast<AIMdMemoryHandle>(f->parameters);
  if (!handle) {
    ASSERT_EQ(0, host::art::NewMdHandle(host().blocks(), sizeof record,
                                        "AIMdMemoryHandle data", &handle));
  }
  std::memcpy(*handle, &record, sizeof record);
  f->parameters = handle;
}

TransformParams* Transform3DTest::ParameterBlock() const {
  host::Filter* f = host_->registrations().FindFilter(filter_);
  if (!f || !f->parameters) return nullptr;
  return static_cast<TransformParams*>(
      *static_cast<AIMdMemoryHandle>(f->parameters));
}

int32_t Transform3DTest::Go() { return host::SendFilterGo(host(), filter_); }
int32_t Transform3DTest::GetParameters() {
  return host::SendFilterGetParameters(host(), filter_);
}

TransformParams KindRecord(int kind) {
  TransformParams p;
  ResetTransformParams(&p, kind);
  return p;
}

}  // namespace vx::test
