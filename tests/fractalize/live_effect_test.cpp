// The live effect's messages: Go Live with the parameter dictionary and the
// instance's "randSeed", Edit Parameters with its dialog.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fractalize_fixture.h"
#include "generated/resource_ids.h"
#include "host/adm/dialog.h"
#include "host/adm/dialog_manager.h"
#include "host/adm/user_agent.h"
#include "host/art/dictionary.h"
#include "host/core/messages.h"
#include "host/core/registrations.h"
#include "host/core/user_interaction.h"
#include "shell/globals.h"

namespace vx {
namespace {

namespace Fr = res::FractalizeDialog;

using host::adm::ItemAction;
using host::art::Dictionary;
using test::Anchors;

class LiveEffect : public test::FractalizeTest {
 protected:
  void TearDown() override {
    host().registrations().updateLiveEffectParameters = nullptr;
    FractalizeTest::TearDown();
  }
  AILiveEffectHandle effect() {
    return reinterpret_cast<AILiveEffectHandle>(
        host().registrations().LiveEffectNamed("Fractalize..."));
  }
  // The input of Go Live is the art and its following siblings: each path
  // of these tests gets a group of its own.
  Art* Alone(std::string_view svg) { return AddPath(svg, false, AddGroup()); }
  int32_t GoLive(Dictionary& params, Dictionary& info, Art* art) {
    AIArtHandle handle = art->handle();
    return host::SendLiveEffectGoLive(host(), effect(), params.ref(), info.ref(),
                                      &handle);
  }
};

TEST_F(LiveEffect, GoLiveWalksGroupsAndStoresTheSeedOnlyWithAGenerator) {
  Art* path = AddPath("M 0,0 L 141.421,0");
  Dictionary params, info;
  ASSERT_EQ(0, GoLive(params, info, path));  // no generator entry: left as it is
  EXPECT_EQ(2u, path->path().segments.size());
  EXPECT_FALSE(info.Has("randSeed"));

  Art* g = AddGroup();
  Art* a = AddPath("M 0,0 L 141.421,0", false, g);
  Art* b = AddPath("M 0,50 L 141.421,50", false, g);
  params = test::LiveParams(1, 1, 0, 0, 0);
  host().user().FixTickCount(777);
  ASSERT_EQ(0, GoLive(params, info, g));
  EXPECT_EQ(3u, a->path().segments.size());
  EXPECT_EQ(3u, b->path().segments.size());
  ASSERT_TRUE(info.Has("randSeed"));
  EXPECT_EQ(777, std::get<int32_t>(*info.Find("randSeed")));
}

// The same instance renders alike again; another instance draws its own seed.
TEST_F(LiveEffect, AnInstanceKeepsItsSeedAnotherDrawsItsOwn) {
  Dictionary params, info;
  params = test::LiveParams(2, 0, 5, 20, 1);
  host().user().FixTickCount(31337);
  Art* here = Alone("M 0,0 L 102,102");
  ASSERT_EQ(0, GoLive(params, info, here->parent()));
  host().user().FixTickCount(5);  // a fresh seed would differ
  Art* again = Alone("M 0,0 L 102,102");
  ASSERT_EQ(0, GoLive(params, info, again->parent()));
  EXPECT_EQ(31337, std::get<int32_t>(*info.Find("randSeed")));
  const auto a = Anchors(*here);
  ASSERT_EQ(11u, a.size());
  test::ExpectShifted(a, Anchors(*again));
  Dictionary other;
  Art* third = Alone("M 0,0 L 102,102");
  ASSERT_EQ(0, GoLive(params, other, third->parent()));
  EXPECT_EQ(5, std::get<int32_t>(*other.Find("randSeed")));
  const auto c = Anchors(*third);
  ASSERT_EQ(a.size(), c.size());
  EXPECT_TRUE(test::AnyVDiffers(a, c));
}

TEST_F(LiveEffect, EditParametersWritesTheSixEntriesOnOk) {
  Dictionary params, info;
  host::adm::ScriptedAgent agent;
  agent.AddScript("Fractalize Plug-in Dialog",
                  test::Script({ItemAction("choose", Fr::kGenerator, "=11"),
                                ItemAction("choose", Fr::kLevel, "=2"),
                                ItemAction("set", Fr::kDensity, "=2.5"),
                                ItemAction("press", Fr::kOk)}));
  host().dialogs().SetAgent(&agent);
  int updates = 0;
  host().registrations().updateLiveEffectParameters = [&](AIDictionaryRef ref) {
    EXPECT_EQ(params.ref(), ref);
    ++updates;
    return 0;
  };
  ASSERT_EQ(0, host::SendLiveEffectEditParameters(host(), effect(), params.ref(),
                                                  info.ref(), true));
  EXPECT_EQ(1, updates);
  EXPECT_EQ(12, std::get<int32_t>(*params.Find("generator")));
  EXPECT_EQ(3, std::get<int32_t>(*params.Find("level")));
  EXPECT_FLOAT_EQ(2.5f, std::get<AIReal>(*params.Find("density")));
  EXPECT_FLOAT_EQ(100.0f, std::get<AIReal>(*params.Find("genHeight")));
  EXPECT_FLOAT_EQ(0.0f, std::get<AIReal>(*params.Find("uneven")));
  EXPECT_EQ(0, std::get<int32_t>(*params.Find("unevenUnit")));
  EXPECT_EQ(1, gGlobals->ReuseSeedNextLive);
}

TEST_F(LiveEffect, PreviewAndNewSequenceUpdateTheEffectAndCancelRemovesIt) {
  Dictionary params, info;
  Art* path = AddPath("M 0,0 L 144,0", false);
  const auto original = path->path().segments;
  // The host's re-render: the source path again through Go Live.
  host().registrations().updateLiveEffectParameters = [&](AIDictionaryRef) {
    doc_->MutablePath(*path).segments = original;
    return GoLive(params, info, path);
  };
  std::vector<int32_t> seeds;
  std::vector<size_t> counts;
  auto seed = [&] { seeds.push_back(std::get<int32_t>(*info.Find("randSeed"))); };
  test::FunctionAgent agent;
  agent.act = [&](host::adm::DialogDriver& d) {
    EXPECT_EQ("", d.Choose(Fr::kGenerator, 1));  // Right Triangle1
    EXPECT_EQ("", d.Press(Fr::kUnitFrame));      // points
    EXPECT_EQ("", d.SetValue(Fr::kUnevenPoints, 30));
    EXPECT_EQ("", d.Press(Fr::kPreview));  // preview on
    seed();
    counts.push_back(path->path().segments.size());
    EXPECT_EQ("", d.SetValue(Fr::kDensity, 2.5));  // value change keeps the seed
    seed();
    host().user().FixTickCount(606);
    EXPECT_EQ("", d.Press(Fr::kNewSequence));
    seed();
    EXPECT_EQ("", d.Press(Fr::kPreview));  // preview off: entries removed
    counts.push_back(path->path().segments.size());
    EXPECT_EQ("", d.Press(Fr::kCancel));
  };
  host().dialogs().SetAgent(&agent);
  host().user().FixTickCount(101);
  EXPECT_EQ(kCanceledErr, host::SendLiveEffectEditParameters(
                              host(), effect(), params.ref(), info.ref(), true));
  EXPECT_EQ((std::vector<int32_t>{101, 101, 606}), seeds);
  // 10 pieces, each a 3-anchor generator; then the effect shows its input.
  EXPECT_EQ((std::vector<size_t>{21, 2}), counts);
  EXPECT_FALSE(params.Has("generator"));
}

}  // namespace
}  // namespace vx
