// The dialog in filter mode: values, preview through the host's undo,
// OK and Cancel, and Go with the preview's seed; recording the filter as an
// action and playing it back.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "fractalize_fixture.h"
#include "generated/resource_ids.h"
#include "host/adm/dialog.h"
#include "host/adm/dialog_manager.h"
#include "host/adm/user_agent.h"
#include "host/core/action_values.h"
#include "host/core/messages.h"
#include "host/core/registrations.h"
#include "host/core/user_interaction.h"
#include "shell/globals.h"
#include "shell/suites.h"
#include "support/allocation_sweep.h"

namespace vx {
namespace {

namespace Fr = res::FractalizeDialog;

using host::adm::ItemAction;
using host::adm::ScriptedAgent;
using test::Anchors;
using test::Params;
using test::Script;

class FilterDialog : public test::FractalizeTest {
 protected:
  FractalizeParams& Block() {
    auto* f = host().registrations().FilterTitled("Fractalize...");
    return *static_cast<FractalizeParams*>(*static_cast<void**>(f->parameters));
  }
  // The user acts through `act`.
  void Acting(std::function<void(host::adm::DialogDriver&)> act) {
    agent_.act = std::move(act);
    host().dialogs().SetAgent(&agent_);
  }
  // The user carries out the lines, `peek` looking after each one.
  void Scripted(std::vector<std::string> lines,
                std::function<void(host::adm::DialogDriver&)> peek) {
    Acting([lines, peek](host::adm::DialogDriver& d) { test::RunScript(d, lines, peek); });
  }
  test::FunctionAgent agent_;
};

TEST_F(FilterDialog, OkKeepsTheValuesAndGoRepeatsThePreview) {
  Art* square = AddPath("M 0,0 L 0,90 L 90,90 L 90,0 Z");
  std::vector<size_t> counts;
  Scripted({ItemAction("choose", Fr::kGenerator, "=9"), ItemAction("choose", Fr::kLevel, "=1"),
            ItemAction("press", Fr::kPreview), ItemAction("set", Fr::kDensity, "=0"),
            ItemAction("press", Fr::kOk)},
           [&](host::adm::DialogDriver&) { counts.push_back(square->path().segments.size()); });
  SetFilterParams(kFractalizeFactoryParams);
  const std::size_t live = Live();
  ASSERT_EQ(0, FilterGetParameters());
  // Preview off: nothing; preview on with density 5 resamples first; with
  // density 0 the square's four sides give 4 x 9 anchors.
  ASSERT_EQ(5u, counts.size());
  EXPECT_EQ(4u, counts[1]);
  EXPECT_GT(counts[2], 36u);
  EXPECT_EQ(36u, counts[3]);
  // Get Parameters leaves the art as it was; Go applies the values.
  EXPECT_EQ(4u, square->path().segments.size());
  EXPECT_EQ(10u, Block().generator);
  EXPECT_EQ(2u, Block().level);
  EXPECT_EQ(0.0f, Block().density);
  EXPECT_EQ(live + 0, Live());
  ASSERT_EQ(0, FilterGo());
  EXPECT_EQ(36u, square->path().segments.size());
  EXPECT_EQ(1, gGlobals->fractalizeDialogPosition.saved);
}

TEST_F(FilterDialog, CancelRestoresTheRecordAndUndoesThePreview) {
  Art* line = AddPath("M 0,0 L 141.421,0");
  SetFilterParams(Params(1, 1));
  Scripted({ItemAction("choose", Fr::kGenerator, "=3"), ItemAction("press", Fr::kPreview),
            ItemAction("press", Fr::kCancel)}, nullptr);
  EXPECT_EQ(kCanceledErr, FilterGetParameters());
  EXPECT_EQ(1u, Block().generator);
  EXPECT_EQ(2u, line->path().segments.size());
}

TEST_F(FilterDialog, TheUnitLabelTogglesWhichDistortionEditIsUsed) {
  AddPath("M 0,0 L 141.421,0");
  SetFilterParams(Params(1, 1, 5.0f, 12.0f));
  std::vector<std::string> labels;
  std::vector<bool> pointsEnabled;
  Scripted({ItemAction("press", Fr::kUnitFrame), ItemAction("set", Fr::kUnevenPoints, "=7"),
            ItemAction("press", Fr::kUnitFrame), ItemAction("press", Fr::kUnitFrame),
            ItemAction("press", Fr::kOk)},
           [&](host::adm::DialogDriver& d) {
             labels.push_back(d.dialog().GetItem(Fr::kUnitLabel)->Text());
             pointsEnabled.push_back(d.dialog().GetItem(Fr::kUnevenPoints)->enabled);
           });
  ASSERT_EQ(0, FilterGetParameters());
  EXPECT_EQ((std::vector<std::string>{"pt", "pt", "%", "pt", "pt"}), labels);
  EXPECT_EQ((std::vector<bool>{true, true, false, true, true}), pointsEnabled);
  EXPECT_EQ(1u, Block().unevenUnit);
  EXPECT_FLOAT_EQ(7.0f, Block().uneven);
}

// The fourteen generators, each with its picture (450 on, names from the
// resources), and the height popup's fifth entry, -100 %.
TEST_F(FilterDialog, GeneratorsAndHeightPopup) {
  AddPath("M 0,0 L 141.421,0");
  double height = 0;
  Scripted({ItemAction("choose", Fr::kHeight, "=5"), ItemAction("press", Fr::kOk)},
           [&](host::adm::DialogDriver& d) {
    const auto* list = d.dialog().GetItem(Fr::kGenerator)->list();
    ASSERT_EQ(14, list->Count());
    for (int32_t i = 0; i < 14; ++i)
      EXPECT_TRUE(list->At(i)->pictureId == 450 + i && !list->At(i)->text.empty()) << i;
    height = d.dialog().GetItem(Fr::kHeight)->Value();
  });
  ASSERT_EQ(0, FilterGetParameters());
  EXPECT_DOUBLE_EQ(-100.0, height);
  EXPECT_FLOAT_EQ(-100.0f, Block().genHeight);
}

TEST_F(FilterDialog, NewSequenceDrawsAFreshSeedAndGoUsesIt) {
  Art* line = AddPath("M 0,0 L 144,0");
  SetFilterParams(Params(2, 1, 5.0f, 20.0f, 100.0f, 1));
  std::vector<AIRealPoint> first, second;
  Acting([&](host::adm::DialogDriver& d) {
    EXPECT_EQ("", d.Press(Fr::kPreview));
    first = Anchors(*line);
    host().user().FixTickCount(9001);
    EXPECT_EQ("", d.Press(Fr::kNewSequence));
    second = Anchors(*line);
    EXPECT_EQ("", d.Press(Fr::kOk));
  });
  ASSERT_EQ(0, FilterGetParameters());
  EXPECT_EQ(9001, gGlobals->FractalSeed);
  ASSERT_EQ(first.size(), second.size());
  EXPECT_TRUE(test::AnyVDiffers(first, second));
  host().user().FixTickCount(1);  // Go must not draw a new seed
  ASSERT_EQ(0, FilterGo());
  test::ExpectShifted(second, Anchors(*line));
}

// Without a selected path Go and Get Parameters answer SEL, the latter
// before any dialog.
TEST_F(FilterDialog, NoSelectionAnswersSelBeforeAnyDialog) {
  AddPath("M 0,0 L 10,0", false);
  SetFilterParams(Params(1, 1));
  EXPECT_EQ(kBadSelectionErr, FilterGo());
  ScriptedAgent agent;
  host().dialogs().SetAgent(&agent);
  EXPECT_EQ(kBadSelectionErr, FilterGetParameters());
  for (const std::string& seen : agent.seen())
    EXPECT_NE("Fractalize Plug-in Dialog", seen);
}

TEST_F(FilterDialog, EveryFailedAllocationOfARunIsCleanAndTheBlockIsMem) {
  AddPath("M 0,0 L 141.421,0");
  host::adm::DefaultAgent agent;
  host().dialogs().SetAgent(&agent);
  bool sawMem = false;
  auto* f = host().registrations().FilterTitled("Fractalize...");
  test::SweepAllocationFailures(host(), {
      .prepare = [&] {
        if (f->parameters)
          sMdMemory->MdMemoryDisposeHandle(static_cast<AIMdMemoryHandle>(f->parameters));
        f->parameters = nullptr;
      },
      .run = [&] { return FilterGetParameters(); },
      // A failed saving of the last setting is not the run's failure: it
      // stays 0.
      .check = [&](ASErr result, long, bool failed) {
        sawMem = sawMem || result == kMemErr4;
        EXPECT_TRUE(result == 0 || (failed && (result == kOutOfMemoryErr || result == kMemErr4)))
            << result;
      },
      .kept = [&] { return f->parameters ? 2L : 0L; },
      .cap = 400});
  EXPECT_TRUE(sawMem);
}

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
  ScriptedAgent agent;
  agent.AddScript("Fractalize Plug-in Dialog",
                  Script({ItemAction("press", Fr::kCancel)}));
  host().dialogs().SetAgent(&agent);
  ASSERT_EQ(0, host::DoAction(host(), "VsX4_Fractalize_Action", value, true));
  EXPECT_EQ(4u, other->path().segments.size());
}

}  // namespace
}  // namespace vx
