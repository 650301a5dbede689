// Recording the filter as an action and playing it back.
#include <gtest/gtest.h>

#include "fractalize_fixture.h"
#include "generated/resource_ids.h"
#include "host/core/action_values.h"
#include "host/core/messages.h"
#include "host/adm/dialog_manager.h"
#include "host/adm/user_agent.h"

namespace vx {
namespace {

using host::adm::ItemAction;
using test::Params;

constexpr uint32_t K(const char (&k)[5]) { return VX_FOURCC(k[0], k[1], k[2], k[3]); }

class FractalizeAction : public test::FractalizeTest {
 protected:
  void TearDown() override {
    host().actions().SetRecording(false);
    FractalizeTest::TearDown();
  }
};

TEST_F(FractalizeAction, GoRecordsTheSixKeysOnlyWhileRecording) {
  Art* path = AddPath("M 0,0 L 100,0");
  SetFilterParams(Params(10, 2, 2.5f, 7.0f, -50.0f, 1));
  ASSERT_EQ(0, FilterGo());
  EXPECT_TRUE(host().actions().recorded().empty());
  // Resampling sets the path's attributes with mask 1 and value 8, which
  // this host takes as deselecting it.
  EXPECT_FALSE(path->selected());
  doc_->Select(*path, true);
  host().actions().SetRecording(true);
  ASSERT_EQ(0, FilterGo());
  ASSERT_EQ(1u, host().actions().recorded().size());
  const host::RecordedAction& r = host().actions().recorded()[0];
  EXPECT_EQ("VsX4_Fractalize_Action", r.eventName);
  const host::ActionValue* gene = r.value.Find(K("gene"));
  ASSERT_NE(nullptr, gene);
  EXPECT_EQ("Square1", gene->text);
  EXPECT_EQ(10, gene->integer);
  EXPECT_DOUBLE_EQ(-50.0, r.value.Find(K("genH"))->real);
  EXPECT_EQ(unitPercent, r.value.Find(K("genH"))->unit);
  EXPECT_EQ(2, r.value.Find(K("levl"))->integer);
  EXPECT_DOUBLE_EQ(2.5, r.value.Find(K("dens"))->real);
  EXPECT_DOUBLE_EQ(7.0, r.value.Find(K("unev"))->real);
  EXPECT_EQ(unitPixels, r.value.Find(K("unev"))->unit);
  EXPECT_EQ(1, r.value.Find(K("uneU"))->integer);
}

TEST_F(FractalizeAction, PlaybackAppliesTheRecordedValues) {
  Art* square = AddPath("M 0,0 L 0,90 L 90,90 L 90,0 Z");
  host::ActionParamValue value;
  auto set = [&](const char (&key)[5], const char (&type)[5], host::ActionValue v) {
    v.key = K(key);
    v.type = K(type);
    value.Set(v);
  };
  set("gene", "enum", {.integer = 10, .text = "Square1"});
  set("genH", "UntF", {.real = 100, .unit = unitPercent});
  set("levl", "long", {.integer = 2});
  set("dens", "UntF", {.real = 0});
  ASSERT_EQ(0, host::DoAction(host(), "VsX4_Fractalize_Action", value, false));
  EXPECT_EQ(36u, square->path().segments.size());
  // With the dialog, Cancel applies nothing.
  Art* other = AddPath("M 200,0 L 200,90 L 290,90 L 290,0 Z");
  doc_->DeselectAll();
  doc_->Select(*other, true);
  host::adm::ScriptedAgent agent;
  agent.AddScript("Fractalize Plug-in Dialog",
                  test::Script({ItemAction("press", res::FractalizeDialog::kCancel)}));
  host().dialogs().SetAgent(&agent);
  ASSERT_EQ(0, host::DoAction(host(), "VsX4_Fractalize_Action", value, true));
  EXPECT_EQ(4u, other->path().segments.size());
}

}  // namespace
}  // namespace vx
