// Plug-in group art through the suites and the host's update messages, and
// the undo suite inside messages, with a stand-in plug-in that records what
// the host sends it.
#include <functional>

#include "host/art/dump.h"
#include "host/art/plugin_group_updates.h"
#include "suite_fixture.h"

namespace vx::test {
namespace {

std::vector<std::string> gCalls;
std::function<ASErr(const char*, const char*, void*)> gOnMessage;

ASErr RecordingMain(const char* caller, const char* selector, void* message) {
  gCalls.push_back(std::string(caller) + "/" + selector);
  return gOnMessage ? gOnMessage(caller, selector, message) : kNoErr;
}

class PluginGroupTest : public SuiteTest {
 protected:
  AIPluginGroupHandle entry = nullptr;
  void MakeHost() override {
    host_ = std::make_unique<host::Host>(options_);
    host_->AttachPlugin(host::PluginModule::Linked(RecordingMain, nullptr, "recording"));
  }
  void SetUp() override {
    gCalls.clear();
    gOnMessage = nullptr;
    SuiteTest::SetUp();
    AIAddPluginGroupData data{1, 0, "Test effect"};
    ASSERT_EQ(0, pluginGroup->AddAIPluginGroup(host().pluginRef(), "Test Effect", &data, 0, &entry));
  }
  void TearDown() override {
    gOnMessage = nullptr;
    SuiteTest::TearDown();
  }
  // Sends a menu message, as the host does for every user command.
  int32_t SendCommand() {
    AIMenuMessage message{};
    return host().Send(kCallerAIMenu, kSelectorAIGoMenuItem, &message.d);
  }
  // Starts a fresh history with no pending updates; the document's dump.
  std::string Baseline() {
    doc->TakePendingUpdates();
    doc->ClearHistory();
    return host::art::DumpDocument(*doc);
  }
  // One step was made, and undoing it gives back `before`.
  void ExpectOneStepUndoingTo(const std::string& before) {
    EXPECT_EQ(1, doc->CompletedSteps());
    ASSERT_TRUE(doc->Undo());
    EXPECT_EQ(before, host::art::DumpDocument(*doc));
  }
  AIArtHandle NewEffectArt() {
    AIArtHandle a = nullptr;
    EXPECT_EQ(0, art->NewArt(kPluginArt, kPlaceAboveAll, nullptr, &a));
    EXPECT_EQ(0, pluginGroup->UseAIPluginGroup(a, entry));
    return a;
  }
};

TEST_F(PluginGroupTest, DataStoreChangesInAMessageAreFollowedByNotifyAndUpdate) {
  AIArtHandle effect = NewEffectArt();
  std::string before = Baseline();
  AIArtHandle updated = nullptr;
  gOnMessage = [&](const char* caller, const char* selector, void* message) -> ASErr {
    if (std::string(caller) == kCallerAIMenu) {
      const uint8_t record[4] = {1, 2, 3, 4};
      if (ASErr e = pluginGroup->SetPluginArtDataCount(effect, 4)) return e;
      return pluginGroup->SetPluginArtDataRange(effect, record, 0, 4);
    }
    if (std::string(selector) == kSelectorAIUpdateArt) {
      auto* m = static_cast<AIPluginGroupMessage*>(message);
      EXPECT_EQ(entry, m->entry);
      updated = m->art;
      AIArtHandle result = nullptr, copy = nullptr;
      if (ASErr e = pluginGroup->GetPluginArtResultArt(m->art, &result)) return e;
      return art->NewArt(kPathArt, kPlaceInsideOnTop, result, &copy);
    }
    return kNoErr;
  };
  ASSERT_EQ(0, SendCommand());
  EXPECT_EQ((std::vector<std::string>{"AI Menu/AI Go", "AI Plugin Group/AI Notify Edits",
                                      "AI Plugin Group/AI Update"}),
            gCalls);
  EXPECT_EQ(effect, updated);
  EXPECT_NE(nullptr, doc->FromHandle(effect)->resultGroup()->firstChild());
  // The command and the update it caused are one step.
  ExpectOneStepUndoingTo(before);
}

TEST_F(PluginGroupTest, HostSideChangesAreUpdatedOnRequestAndUnboundArtIsNot) {
  NewEffectArt();
  AIArtHandle unbound = nullptr;
  ASSERT_EQ(0, art->NewArt(kPluginArt, kPlaceAboveAll, nullptr, &unbound));
  ASSERT_EQ(0, pluginGroup->SetPluginArtDataCount(unbound, 8));
  ASSERT_EQ(0, host::art::SendPluginGroupUpdates(host()));
  EXPECT_EQ((std::vector<std::string>{"AI Plugin Group/AI Notify Edits",
                                      "AI Plugin Group/AI Update"}),
            gCalls);
  gCalls.clear();
  ASSERT_EQ(0, host::art::SendPluginGroupUpdates(host()));
  EXPECT_TRUE(gCalls.empty());
  // (Moving art into the edit group marks the effect: the undo test.)
}

TEST_F(PluginGroupTest, NoUpdatesFollowStartUpOrShutdown) {
  NewEffectArt();
  ASSERT_EQ(0, host().Startup());
  ASSERT_EQ(0, host().Shutdown());
  EXPECT_EQ((std::vector<std::string>{"SP Interface/Startup", "SP Interface/Shutdown"}), gCalls);
  EXPECT_TRUE(doc->HasPendingUpdates());
}

TEST_F(PluginGroupTest, AnUpdateThatFeedsItselfStopsAfterBoundedRounds) {
  AIArtHandle effect = NewEffectArt();
  gOnMessage = [&](const char*, const char* selector, void*) -> ASErr {
    if (std::string(selector) != kSelectorAIUpdateArt) return kNoErr;
    // Writes its own data store: a cycle the host must cut.
    return pluginGroup->MarkPluginArtDirty(effect);
  };
  ASSERT_EQ(0, SendCommand());
  long updates = std::count(gCalls.begin(), gCalls.end(), "AI Plugin Group/AI Update");
  EXPECT_GT(updates, 1);
  EXPECT_LE(updates, 8);
}

TEST_F(PluginGroupTest, DataRangesAreChecked) {
  AIArtHandle effect = NewEffectArt();
  ASSERT_EQ(0, pluginGroup->SetPluginArtDataCount(effect, 10));
  EXPECT_EQ(10u, Out<size_t>([&](auto* n) { return pluginGroup->GetPluginArtDataCount(effect, n); }));
  struct Case { size_t index, count; bool ok; };
  const Case cases[] = {{0, 10, true}, {5, 5, true}, {10, 0, true},
                        {6, 5, false}, {11, 0, false}, {0, 11, false},
                        {1, SIZE_MAX, false}};
  uint8_t buffer[16] = {};
  for (const auto& c : cases) {
    int32_t expected = c.ok ? 0 : kSPBadParameterError;
    EXPECT_EQ(expected, pluginGroup->GetPluginArtDataRange(effect, buffer, c.index, c.count))
        << c.index << "+" << c.count;
    EXPECT_EQ(expected, pluginGroup->SetPluginArtDataRange(effect, buffer, c.index, c.count));
  }
  // New bytes of a grown store are zero; the old ones stay.
  const uint8_t one[1] = {7};
  ASSERT_EQ(0, pluginGroup->SetPluginArtDataRange(effect, one, 9, 1));
  ASSERT_EQ(0, pluginGroup->SetPluginArtDataCount(effect, 12));
  ASSERT_EQ(0, pluginGroup->GetPluginArtDataRange(effect, buffer, 9, 3));
  EXPECT_EQ(7, buffer[0]);
  EXPECT_EQ(0, buffer[2]);
  AIArtHandle path = nullptr;
  ASSERT_EQ(0, art->NewArt(kPathArt, kPlaceAboveAll, nullptr, &path));
  EXPECT_EQ(kSPBadParameterError, pluginGroup->SetPluginArtDataCount(path, 1));
  EXPECT_EQ(kSPBadParameterError,
            pluginGroup->UseAIPluginGroup(effect, reinterpret_cast<AIPluginGroupHandle>(8)));
  EXPECT_EQ(entry, Out<AIPluginGroupHandle>([&](auto* g) { return pluginGroup->GetPluginArtPluginGroup(effect, g); }));
}

// (Undo Changes inside a message reverting what it made so far: the filter
// previews' and the tool drags' tests.)
TEST_F(PluginGroupTest, AToolDragIsOneStepWhoseMovesUndoTheirPredecessors) {
  AIArtHandle effect = NewEffectArt();
  std::string before = Baseline();
  AIArtHandle edit = nullptr;
  ASSERT_EQ(0, pluginGroup->GetPluginArtEditArt(effect, &edit));
  gOnMessage = [&](const char* caller, const char* selector, void*) -> ASErr {
    if (std::string(caller) != kCallerAITool || std::string(selector) != kSelectorAIToolMouseDrag)
      return kNoErr;
    // Every move starts from the artwork as it was at mouse down.
    if (ASErr e = undo->UndoChanges()) return e;
    AIArtHandle moved = nullptr;
    return art->NewArt(kPathArt, kPlaceInsideOnTop, edit, &moved);
  };
  auto tool = [&](const char* selector) {
    AIToolMessage message{};
    return host().Send(kCallerAITool, selector, &message.d);
  };
  ASSERT_EQ(0, tool(kSelectorAIToolMouseDown));
  for (int move = 0; move < 3; ++move) ASSERT_EQ(0, tool(kSelectorAIToolMouseDrag));
  ASSERT_EQ(0, tool(kSelectorAIToolMouseUp));
  Art* e = doc->FromHandle(effect);
  ASSERT_NE(nullptr, e->editGroup()->firstChild());
  EXPECT_EQ(nullptr, e->editGroup()->firstChild()->sibling());  // one move's result
  // Each move changed the effect's source: it was updated after each one.
  EXPECT_EQ(3, std::count(gCalls.begin(), gCalls.end(), "AI Plugin Group/AI Update"));
  EXPECT_EQ(1, Out<int32_t>([&](auto* n) { return undo->CountTransactions(n); }));
  ExpectOneStepUndoingTo(before);
}

TEST_F(PluginGroupTest, TheHistoryDropsOldStepsBeyondItsMemoryBudget) {
  Art* p = AddPath(*doc, Placement::InsideOnTop, nullptr, "big", {0, 0});
  doc->ClearHistory();
  doc->SetHistoryBudget(100000);  // a few steps of a 1000-segment path
  for (int i = 0; i < 20; ++i) {
    doc->BeginStep();
    doc->MutablePath(*p).segments.assign(1000, Line(float(i), 0));
    doc->EndStep();
  }
  EXPECT_GE(doc->CompletedSteps(), 1);
  EXPECT_LT(doc->CompletedSteps(), 10);
  EXPECT_LE(doc->HistoryBytes(), 100000u);
  // The steps kept still undo exactly.
  ASSERT_TRUE(doc->Undo());
  EXPECT_EQ(18.0f, p->path().segments[0].p.h);
}

}  // namespace
}  // namespace vx::test
