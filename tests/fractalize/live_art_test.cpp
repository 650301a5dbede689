// The live effect. The plug-in's messages: Go Live with the parameter
// dictionary and the instance's "randSeed", Edit Parameters with its dialog.
// The host's side: art that carries Fractalize keeps its dictionaries and
// seed, renders again when its source or its parameters change, survives SVG
// byte for byte and leaves the document as it was when applying fails.
#include <gtest/gtest.h>

#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include <pugixml.hpp>

#include "fractalize_fixture.h"
#include "generated/resource_ids.h"
#include "host/adm/dialog_manager.h"
#include "host/adm/user_agent.h"
#include "host/art/dictionary.h"
#include "host/art/document_set.h"
#include "host/art/dump.h"
#include "host/art/geometry.h"
#include "host/art/plugin_group_updates.h"
#include "host/core/messages.h"
#include "host/core/registrations.h"
#include "host/core/user_interaction.h"
#include "host/live/live_effect_apply.h"
#include "host/live/live_effect_instance.h"
#include "host/svg/svg_export.h"
#include "host/svg/svg_import.h"
#include "host/svg/svg_live_effect.h"
#include "shell/globals.h"
#include "support/allocation_sweep.h"

namespace vx {
namespace {

namespace Fr = res::FractalizeDialog;

using host::adm::ItemAction;
using host::art::Dictionary;
using host::live::InstanceOf;
constexpr const char* kEffect = "Fractalize...";

class LiveArt : public test::FractalizeTest {
 protected:
  Art* Apply(Art* source, const Dictionary& parameters) {
    std::vector<Art*> made;
    EXPECT_EQ(0, host::live::ApplyLiveEffect(host(), *doc_, kEffect, {source}, parameters, &made));
    return made.size() == 1 ? made[0] : nullptr;
  }
  // The rendered path: the result group's one object.
  static const Art& Result(const Art& live) { return *live.resultGroup()->firstChild(); }
  static int32_t Seed(const Art& live) {
    const auto* seed = InstanceOf(live)->instanceInfo.Find("randSeed");
    return seed ? std::get<int32_t>(*seed) : -1;
  }
  void RunDialog(const std::vector<std::string>& lines) {
    agent_.AddScript("Fractalize Plug-in Dialog", test::Script(lines));
    host().dialogs().SetAgent(&agent_);
  }
  host::adm::ScriptedAgent agent_;
};

TEST_F(LiveArt, MovedArtRendersAgainWithItsSeedAndItsJitter) {
  host().user().FixTickCount(31337);
  Art* live = Apply(AddPath("M 0,0 L 102.0,102.0"), test::LiveParams(2, 1, 5, 20, 1));
  ASSERT_NE(nullptr, live);
  EXPECT_EQ(31337, Seed(*live));
  const auto before = test::Anchors(Result(*live));
  const uint32_t firstResult = Result(*live).uid();
  ASSERT_EQ(21u, before.size());  // 11 resampled anchors, each span doubled

  host().user().FixTickCount(5);  // a fresh seed would differ
  ASSERT_EQ(0, host::art::TransformArt(*doc_, *live, {1, 0, 0, 1, 300, 200}, 1,
                                       kTransformObjects));
  ASSERT_EQ(0, host::art::SendPluginGroupUpdates(host()));
  EXPECT_NE(firstResult, Result(*live).uid()) << "not rendered again";
  EXPECT_EQ(31337, Seed(*live));
  test::ExpectShifted(before, test::Anchors(Result(*live)), 300, 200, 1e-2);
}

// Each edit renders the art again; a cancelled dialog leaves it as it was.
TEST_F(LiveArt, EditsRenderAgainAndCancelKeepsEverything) {
  struct Case {
    const char* name;
    std::vector<std::string> dialog;  // none: the source is edited instead
    int32_t result;
    size_t anchors;      // of the rendered path
    AIReal lastH;        // its last anchor's h
    bool newSeed;        // randSeed drawn anew (777), else kept
    int32_t level;       // the stored "level"
  };
  const std::vector<Case> cases = {
      {"source edited", {}, 0, 3, 200, false, 1},
      {"level 2 in the dialog",
       {ItemAction("choose", res::FractalizeDialog::kLevel, "=1"),
        ItemAction("press", res::FractalizeDialog::kOk)},
       0, 5, 141.421f, false, 2},
      {"NewSequence, then OK",
       {ItemAction("press", res::FractalizeDialog::kNewSequence),
        ItemAction("press", res::FractalizeDialog::kOk)},
       0, 3, 141.421f, true, 1},
      {"level 2 and NewSequence, then Cancel",
       {ItemAction("choose", res::FractalizeDialog::kLevel, "=1"),
        ItemAction("press", res::FractalizeDialog::kNewSequence),
        ItemAction("press", res::FractalizeDialog::kCancel)},
       kCanceledErr, 3, 141.421f, false, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    host().user().FixTickCount(4242);
    Art* source = AddPath("M 0,0 L 141.421,0");
    Art* live = Apply(source, test::LiveParams(1, 1, 0, 0, 0));
    ASSERT_NE(nullptr, live);
    const int32_t seed = Seed(*live);
    const std::string before = host::art::DumpDocument(*doc_);
    host().user().FixTickCount(777);
    if (c.dialog.empty()) {
      doc_->MutablePath(*source).segments[1].p = {200, 0};
      EXPECT_EQ(c.result, host::art::SendPluginGroupUpdates(host()));
    } else {
      RunDialog(c.dialog);
      EXPECT_EQ(c.result, host::live::EditLiveEffect(host(), *doc_, *live));
    }
    const auto anchors = test::Anchors(Result(*live));
    ASSERT_EQ(c.anchors, anchors.size());
    EXPECT_NEAR(c.lastH, anchors.back().h, 1e-3);
    EXPECT_EQ(c.newSeed ? 777 : seed, Seed(*live));
    EXPECT_EQ(c.level, std::get<int32_t>(*InstanceOf(*live)->parameters.Find("level")));
    if (c.result == kCanceledErr) {
      EXPECT_EQ(before, host::art::DumpDocument(*doc_));
    }
    ASSERT_EQ(0, doc_->Dispose(live));
  }
}

TEST_F(LiveArt, SvgKeepsEntriesAndSeedAndUpdateFollowsAnOutsideEdit) {
  Art* source = AddPath("M 0,0 L 141.421,0");
  doc_->SetId(*source, "src");
  Dictionary entries = test::LiveParams(1, 1, 0, 0.1f, 1, -37.25f);
  entries.Set("note", std::string("a;b=c%d:e"));
  Art* live = Apply(source, entries);
  ASSERT_NE(nullptr, live);
  const std::string svg = host::svg::ExportSvg(*doc_, nullptr);
  EXPECT_NE(std::string::npos, svg.find("vx:instance=\"randSeed=i:4242\"")) << svg;

  std::string error;
  auto read = host::svg::ImportSvg(svg, &error);
  ASSERT_TRUE(read) << error;
  const Art* back = read->document->FindById("src")->parent()->parent();
  ASSERT_NE(nullptr, InstanceOf(*back));
  EXPECT_EQ(kEffect, InstanceOf(*back)->effect);
  EXPECT_TRUE(InstanceOf(*back)->parameters == entries);
  EXPECT_TRUE(InstanceOf(*back)->instanceInfo == InstanceOf(*live)->instanceInfo);
  // Written back as read, byte for byte.
  EXPECT_EQ(svg, host::svg::ExportSvg(*read->document, &read->kept));

  // Another program moves the source's end; update renders from it with
  // the stored seed.
  pugi::xml_document xml;
  ASSERT_TRUE(xml.load_string(svg.c_str()));
  pugi::xml_node path = xml.find_node([](pugi::xml_node n) {
    return std::string_view(n.attribute("id").value()) == "src";
  });
  path.attribute("d") = "M 0,792 L 0,592";  // page (0,0) up to (0,200)
  std::ostringstream edited;
  xml.save(edited);
  auto outside = host::svg::ImportSvg(edited.str(), &error);
  ASSERT_TRUE(outside) << error;
  host::art::Document& reopened = host().documents().Adopt(std::move(outside->document));
  reopened.TakePendingUpdates();
  Art* again = reopened.FindById("src")->parent()->parent();
  host().user().FixTickCount(1);
  reopened.MarkForUpdate(*again);
  ASSERT_EQ(0, host::art::SendPluginGroupUpdates(host()));
  const auto anchors = test::Anchors(Result(*again));
  ASSERT_EQ(3u, anchors.size());
  EXPECT_NEAR(200, anchors[2].v, 1e-3);
  EXPECT_NEAR(37.25f, anchors[1].h, 1e-3);  // -37.25 %: the apex right of travel
  EXPECT_EQ(4242, Seed(*again));
}

TEST(LiveDictionaryText, EntriesReadBackBitForBitAndDamagedTextsAreRefused) {
  Dictionary d;
  d.Set("int", std::numeric_limits<int32_t>::min());
  d.Set("big", std::numeric_limits<int32_t>::max());
  d.Set("tenth", AIReal(0.1f));
  d.Set("tiny", std::numeric_limits<AIReal>::denorm_min());
  d.Set("huge", -std::numeric_limits<AIReal>::max());
  d.Set("flag", true);
  d.Set("odd;key=", std::string("a;b=c%d:e\n"));
  const auto back = host::svg::DecodeDictionary(host::svg::EncodeDictionary(d));
  ASSERT_TRUE(back);
  EXPECT_TRUE(*back == d);
  Dictionary two;
  two.Set("generator", int32_t(2));
  two.Set("genHeight", AIReal(-37.5f));
  EXPECT_EQ("genHeight=r:-37.5;generator=i:2", host::svg::EncodeDictionary(two));
  // Damaged texts are refused.
  for (const char* text : {"x", "a=i:", "a=i:1.5", "a=q:1", "=i:1", "a=s:%G1", "a=s:%4",
                           "a=i:1;a=i:2", "a=b:2", "a=r:1e", "a=i:99999999999"}) {
    EXPECT_FALSE(host::svg::DecodeDictionary(text)) << text;
  }
}

TEST_F(LiveArt, FailedAllocationsLeaveTheDocumentAsItWas) {
  Art* source = AddPath("M 0,0 L 141.421,0 L 141.421,141.421 Z");
  const std::string before = host::art::DumpDocument(*doc_);
  std::vector<Art*> made;
  test::SweepAllocationFailures(host(), {
      .prepare = [&] { made.clear(); },
      .run = [&] {
        return host::live::ApplyLiveEffect(host(), *doc_, kEffect, {source},
                                           test::LiveParams(12, 2, 5, 10, 0), &made);
      },
      .check = [&](ASErr err, long, bool failed) {
        EXPECT_EQ(failed ? kOutOfMemoryErr : kNoErr, err);
        if (failed) {
          EXPECT_TRUE(made.empty());
          EXPECT_EQ(before, host::art::DumpDocument(*doc_));
          return;
        }
        ASSERT_EQ(1u, made.size());
        EXPECT_EQ(source, made[0]->editGroup()->firstChild());
        EXPECT_GT(test::Anchors(Result(*made[0])).size(), 3u * 5);
        EXPECT_TRUE(doc_->Undo());  // applying is one step
        EXPECT_EQ(before, host::art::DumpDocument(*doc_));
      },
      .cap = 400});
}

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
  int32_t GoLive(Dictionary& params, Dictionary& info, Art* art) {
    AIArtHandle handle = art->handle();
    return host::SendLiveEffectGoLive(host(), effect(), params.ref(), info.ref(),
                                      &handle);
  }
};

TEST_F(LiveEffect, GoLiveWalksNestedGroupsAndStoresTheSeedOnlyWithAGenerator) {
  Art* path = AddPath("M 0,0 L 141.421,0");
  Dictionary params, info;
  ASSERT_EQ(0, GoLive(params, info, path));  // no generator entry: left as it is
  EXPECT_EQ(2u, path->path().segments.size());
  EXPECT_FALSE(info.Has("randSeed"));

  Art* g = AddGroup();
  Art* a = AddPath("M 0,0 L 141.421,0", false, g);
  Art* b = AddPath("M 0,50 L 141.421,50", false, g);
  Art* deep = AddPath("M 0,10 L 141.421,10", false, AddGroup(g));
  params = test::LiveParams(1, 1, 0, 0, 0);
  host().user().FixTickCount(777);
  ASSERT_EQ(0, GoLive(params, info, g));
  for (const Art* walked : {a, b, deep}) EXPECT_EQ(3u, walked->path().segments.size());
  ASSERT_TRUE(info.Has("randSeed"));
  EXPECT_EQ(777, std::get<int32_t>(*info.Find("randSeed")));
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
  EXPECT_TRUE(params == test::LiveParams(12, 3, 2.5f, 0, 0));  // the six, nothing else
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
