// The action manager (the keys of the plug-in's events are checked in its
// start-up test): values of every type round-trip, recording is switched
// by the user, and Do Action's refusals.
#include <gtest/gtest.h>

#include <cstring>

#include "host/core/action_values.h"
#include "host/core/messages.h"
#include "host/core/registrations.h"
#include "support/checked_out.h"
#include "support/fake_suite.h"

namespace vx::host {
namespace {

using test::FakePlugin;

constexpr ActionParamKeyID Key(const char (&k)[5]) {
  return ActionParamKeyID(VX_FOURCC(k[0], k[1], k[2], k[3]));
}

class ActionManagerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    FakePlugin::Reset();
    host_ = FakePlugin::MakeHost();
    am_ = VX_FAKE_SUITE(AIActionManagerSuite);
    ASSERT_NE(nullptr, am_);
  }
  void TearDown() override { FakePlugin::Reset(); }
  std::unique_ptr<Host> host_;
  const AIActionManagerSuite* am_ = nullptr;
};

TEST_F(ActionManagerTest, ValuesOfEveryTypeRoundTripAndWrongTypesFail) {
  AIActionParamValueRef v = nullptr;
  ASSERT_EQ(0, am_->AINewActionParamValue(&v));
  ASSERT_EQ(0, am_->AIActionSetInteger(v, Key("long"), -7));
  ASSERT_EQ(0, am_->AIActionSetReal(v, Key("real"), 2.5f));
  ASSERT_EQ(0, am_->AIActionSetBoolean(v, Key("bool"), 1));
  ASSERT_EQ(0, am_->AIActionSetEnumerated(v, Key("enum"), "Inside", 1));
  ASSERT_EQ(0, am_->AIActionSetString(v, Key("strn"), "Auto (Mid)"));
  ASSERT_EQ(0, am_->AIActionSetUnitReal(v, Key("unit"), unitPercent, 45.0f));
  const unsigned char raw[3] = {1, 0, 255};
  ASSERT_EQ(0, am_->AIActionSetRawData(v, Key("tdta"), 3, raw));

  using test::Out;
  EXPECT_EQ(-7, Out<int32_t>([&](auto* i) { return am_->AIActionGetInteger(v, Key("long"), i); }));
  EXPECT_EQ(2.5f, Out<AIReal>([&](auto* r) { return am_->AIActionGetReal(v, Key("real"), r); }));
  EXPECT_EQ(1, Out<ASBoolean>([&](auto* b) { return am_->AIActionGetBoolean(v, Key("bool"), b); }));
  char text[32];
  EXPECT_EQ(1, Out<int32_t>([&](auto* e) { return am_->AIActionGetEnumerated(v, Key("enum"), text, 32, e); }));
  EXPECT_STREQ("Inside", text);
  EXPECT_EQ(0, am_->AIActionGetString(v, Key("strn"), text, 5));
  EXPECT_STREQ("Auto", text);  // cut to the buffer, NUL included
  AIReal r = 0;
  EXPECT_EQ(unitPercent, Out<ActionParamUnitID>([&](auto* u) { return am_->AIActionGetUnitReal(v, Key("unit"), u, &r); }));
  EXPECT_EQ(45.0f, r);
  EXPECT_EQ(3, Out<int32_t>([&](auto* n) { return am_->AIActionGetRawDataSize(v, Key("tdta"), n); }));
  unsigned char back[3] = {};
  EXPECT_EQ(0, am_->AIActionGetRawData(v, Key("tdta"), back));
  EXPECT_EQ(0, std::memcmp(raw, back, 3));

  // A key read as another type, or a missing key, is an error.
  EXPECT_NE(0, am_->AIActionGetReal(v, Key("long"), &r));
  EXPECT_NE(0, am_->AIActionGetReal(v, Key("unit"), &r));
  int32_t i = 0;
  EXPECT_NE(0, am_->AIActionGetInteger(v, Key("none"), &i));
  ASSERT_EQ(0, am_->AIDeleteActionParamValue(v));
  EXPECT_EQ(0u, host_->actions().LiveParamValues());
}

// The switch turned on, and what a recording keeps: the recording tests
// (Border, Fractalize). Off, the switch reads off, and a plug-in that records
// without asking is not recorded.
TEST_F(ActionManagerTest, NothingIsRecordedWhileTheSwitchIsOff) {
  EXPECT_EQ(0, test::Out<ASBoolean>([&](auto* r) { return am_->InRecordMode(r); }));
  AIActionParamValueRef v = nullptr;
  ASSERT_EQ(0, am_->AINewActionParamValue(&v));
  EXPECT_EQ(0, am_->RecordActionEvent("VsX4_Border_Action", kDialogOff, v));
  EXPECT_TRUE(host_->actions().recorded().empty());
  am_->AIDeleteActionParamValue(v);
}

// What Do Action hands the plug-in (its user data, the values, the dialog
// flag) is the playback tests' (Border, Tiling, Fractalize); here the
// refusals and the value given back.
TEST_F(ActionManagerTest, DoActionRefusesTwinsAndUnknownEventsAndGivesTheValueBack) {
  static int16_t tiling = 12;
  ASSERT_EQ(0, am_->RegisterActionEvent("VsX4_Tiling_Action", "Live Tiling", 1, 0,
                                        nullptr, host_->pluginRef(), &tiling, nullptr));
  EXPECT_NE(0, am_->RegisterActionEvent("VsX4_Tiling_Action", "x", 1, 0, nullptr,
                                        host_->pluginRef(), &tiling, nullptr));
  ActionParamValue value;
  value.Set(ActionValue{Key("angl"), actionTypeReal, 0, 30});
  EXPECT_EQ(0, DoAction(*host_, "VsX4_Tiling_Action", value, true));
  EXPECT_EQ(0u, host_->actions().LiveParamValues());
  EXPECT_EQ(kSPBadParameterError, DoAction(*host_, "Nothing", value, false));
}

}  // namespace
}  // namespace vx::host
