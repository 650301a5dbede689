// The dialog driven as a user would: Cancel, kind changes, the undo history,
// zoom limits, mouse rotation and the enabling rules.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "host/adm/dialog.h"
#include "host/adm/dialog_manager.h"
#include "host/adm/user_agent.h"
#include "host/core/user_interaction.h"
#include "transform3d_fixture.h"

namespace vx {
namespace {

using host::adm::DialogDriver;

// Acts on the 3D dialog through a function; presses Cancel unless it ends
// the dialog itself.
class FunctionAgent : public host::adm::UserAgent {
 public:
  std::function<void(DialogDriver&)> act;
  void RunModal(DialogDriver& driver) override {
    if (driver.dialog().templateId() == 18000 && act) act(driver);
  }
};

class TransformDialog : public test::Transform3DTest {
 protected:
  void SetUp() override {
    Transform3DTest::SetUp();
    host().dialogs().SetAgent(&agent_);
    AddRect("a", 0, 0, 100, 60);
    AddRect("b", 120, 0, 60, 60);
  }
  void TearDown() override {
    host().dialogs().SetAgent(nullptr);
    Transform3DTest::TearDown();
  }
  double ValueOf(DialogDriver& d, int32_t id) {
    return d.dialog().GetItem(id)->Value();
  }
  int Beeps() { return host().user().beeps(); }
  FunctionAgent agent_;
};

TEST_F(TransformDialog, CancelAfterManyChangesKeepsTheBlockByteForByte) {
  TransformParams start = test::KindRecord(kArc);
  start.value[0] = 33.0f;
  SetParameterBlock(start);
  TransformParams before;
  std::memcpy(&before, ParameterBlock(), sizeof before);
  agent_.act = [&](DialogDriver& d) {
    EXPECT_EQ("", d.SetValue(8, 70));
    EXPECT_EQ("", d.SetValue(59, 40));
    EXPECT_EQ("", d.Choose(5, 8));
    EXPECT_EQ("", d.SetValue(35, 45));
    EXPECT_EQ("", d.Press(26));
    EXPECT_EQ("", d.Press(2));
  };
  EXPECT_EQ(kCanceledErr, GetParameters());
  EXPECT_EQ(0, std::memcmp(&before, ParameterBlock(), sizeof before));
}

TEST_F(TransformDialog, OkKeepsTheValuesAndGoResumes) {
  SetParameterBlock(test::KindRecord(kTwist));
  agent_.act = [&](DialogDriver& d) {
    EXPECT_EQ("", d.SetValue(8, 90));
    EXPECT_EQ("", d.Press(1));
  };
  ASSERT_EQ(0, GetParameters());
  EXPECT_EQ(90.0f, ParameterBlock()->value[0]);
  EXPECT_EQ(0, Go());
}

TEST_F(TransformDialog, AnotherKindAndBackRestoresTheFirstKindsValues) {
  SetParameterBlock(test::KindRecord(kArc));
  agent_.act = [&](DialogDriver& d) {
    EXPECT_EQ("", d.SetValue(8, 77));
    EXPECT_EQ("", d.Choose(5, kSphere));
    EXPECT_EQ(360.0, ValueOf(d, 8));
    EXPECT_TRUE(d.dialog().GetItem(20)->visible);  // four rows
    EXPECT_EQ("", d.Choose(5, kArc));
    EXPECT_EQ(77.0, ValueOf(d, 8));
    EXPECT_FALSE(d.dialog().GetItem(20)->visible);  // Arc has two rows
    EXPECT_EQ("", d.Press(2));
  };
  EXPECT_EQ(kCanceledErr, GetParameters());
}

TEST_F(TransformDialog, SeventeenChangesUndoFifteenThenBeep) {
  SetParameterBlock(test::KindRecord(kTwist));
  agent_.act = [&](DialogDriver& d) {
    for (int i = 1; i <= 17; ++i) EXPECT_EQ("", d.SetValue(8, i));
    const int beeps = Beeps();
    for (int i = 0; i < 15; ++i) EXPECT_EQ("", d.Press(29));
    EXPECT_EQ(beeps, Beeps());
    EXPECT_EQ(2.0, ValueOf(d, 8));
    EXPECT_EQ("", d.Press(29));
    EXPECT_EQ(beeps + 1, Beeps());
    EXPECT_EQ("", d.Press(30));  // redo
    EXPECT_EQ(3.0, ValueOf(d, 8));
    EXPECT_EQ("", d.Press(2));
  };
  EXPECT_EQ(kCanceledErr, GetParameters());
}

TEST_F(TransformDialog, ZoomBeepsAtBothEnds) {
  SetParameterBlock(test::KindRecord(kTwist));
  agent_.act = [&](DialogDriver& d) {
    int beeps = Beeps();
    for (int i = 0; i < 17; ++i) EXPECT_EQ("", d.Press(25));  // 80 -> 6000
    EXPECT_EQ(beeps, Beeps());
    EXPECT_EQ("", d.Press(25));
    EXPECT_EQ(beeps + 1, Beeps());
    EXPECT_EQ("", d.Press(24));  // centering: back to 80 %
    for (int i = 0; i < 6; ++i) EXPECT_EQ("", d.Press(26));  // 80 -> 1
    beeps = Beeps();
    EXPECT_EQ("", d.Press(26));
    EXPECT_EQ(beeps + 1, Beeps());
    EXPECT_EQ("", d.Press(2));
  };
  EXPECT_EQ(kCanceledErr, GetParameters());
}

TEST_F(TransformDialog, ARotationDraggedPast360JumpsToZero) {
  SetParameterBlock(test::KindRecord(kTwist));
  agent_.act = [&](DialogDriver& d) {
    EXPECT_EQ("", d.SetValue(47, 350));
    EXPECT_EQ("", d.Drag(3, {{80, 40}, {80, 50}}));
    EXPECT_EQ(360.0, ValueOf(d, 47));
    EXPECT_EQ("", d.Drag(3, {{80, 40}, {80, 45}}));
    EXPECT_EQ(0.0, ValueOf(d, 47));
    EXPECT_EQ("", d.Press(2));
  };
  EXPECT_EQ(kCanceledErr, GetParameters());
}

TEST_F(TransformDialog, BeforeModeDisablesTheCursorExceptForSimpleRotation) {
  SetParameterBlock(test::KindRecord(kSphere));
  agent_.act = [&](DialogDriver& d) {
    EXPECT_TRUE(d.dialog().GetItem(65)->enabled);
    EXPECT_EQ("", d.Press(32));
    EXPECT_FALSE(d.dialog().GetItem(65)->enabled);
    EXPECT_FALSE(d.dialog().GetItem(68)->enabled);
    EXPECT_EQ("", d.Choose(5, kSimpleRotation));
    EXPECT_TRUE(d.dialog().GetItem(65)->enabled);
    EXPECT_FALSE(d.dialog().GetItem(32)->enabled);
    EXPECT_FALSE(d.dialog().GetItem(47)->enabled);
    EXPECT_EQ("", d.Press(2));
  };
  EXPECT_EQ(kCanceledErr, GetParameters());
}

TEST_F(TransformDialog, SphereWithTheCursorAtTheCentreWarns) {
  SetParameterBlock(test::KindRecord(kSphere));
  agent_.act = [&](DialogDriver& d) {
    EXPECT_EQ("Digits of calculated result overflows because the radius is "
              "equal to 0 or other reasons.",
              d.dialog().GetItem(3)->Text());
    EXPECT_EQ("", d.SetValue(65, 30));
    EXPECT_EQ("", d.dialog().GetItem(3)->Text());
    EXPECT_EQ("", d.Press(2));
  };
  EXPECT_EQ(kCanceledErr, GetParameters());
}

TEST_F(TransformDialog, EveryAllocationFailureBeforeTheDialogIsOutOfMemory) {
  SetParameterBlock(test::KindRecord(kTwirl));
  agent_.act = [&](DialogDriver& d) { EXPECT_EQ("", d.Press(1)); };
  for (long n = 1; n < 8; ++n) {
    const size_t live = host().blocks().LiveCount();
    host().blocks().FailAllocationNumber(n);
    const int32_t result = GetParameters();
    host().blocks().FailAllocationNumber(0);
    if (result == 0) {
      EXPECT_EQ(0, Go());
      break;
    }
    EXPECT_EQ(-108, result) << n;
    EXPECT_EQ(live, host().blocks().LiveCount()) << n;
  }
}

}  // namespace
}  // namespace vx
