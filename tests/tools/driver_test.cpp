// The host's tool driver over a stand-in plug-in: the messages of each user
// action in order with their times and keys, the two key sources at
// release and the cursor. (A failed drag event taken back to the last good
// step: the tool drags' allocation-failure sweep.)
#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "host/adm/dialog_manager.h"
#include "host/tools/tool_driver.h"
#include "support/fake_plugin.h"

namespace vx::host::tools {
namespace {

using test::FakePlugin;

// The fake plug-in's cursors: two images, one without pixels, one id unused.
constexpr int32_t kPlainCursor = 200, kAltCursor = 201, kBlankCursor = 202, kMissingCursor = 299;

class DriverTest : public ::testing::Test {
  // Public: the table rows below act on the fixture.
 public:
  void SetUp() override {
    sent_.clear();
    behaviour_ = nullptr;
    FakePlugin::Reset();
    FakePlugin::AddResource(kVxCursorResource, kPlainCursor, "2 1\n@@");
    FakePlugin::AddResource(kVxCursorResource, kAltCursor, "1 1\n@");
    FakePlugin::AddResource(kVxCursorResource, kBlankCursor, "0 0");
    hostOptions_.log = &log_;
    host_ = FakePlugin::MakeHost(hostOptions_);
    tracker_ = FakePlugin::Acquire<ADMTrackerSuite>(kADMTrackerSuite, kADMTrackerSuiteVersion);
    basic_ = FakePlugin::Acquire<ADMBasicSuite>(kADMBasicSuite, kADMBasicSuiteVersion);
    cursors_ = FakePlugin::Acquire<VxPlatformCursorSuite>(kVxPlatformCursorSuite,
                                                          kVxPlatformCursorSuiteVersion);
    auto* tools = FakePlugin::Acquire<AIToolSuite>(kAIToolSuite, kAIToolSuiteVersion);
    ASSERT_TRUE(tracker_ && basic_ && cursors_ && tools);
    for (const char* title : {"Warp", "Lens"}) {
      AIAddToolData data{};
      data.title = title;
      data.sameGroupAs = data.sameToolsetAs = kNoTool;
      AIToolHandle handle = nullptr;
      ASSERT_EQ(0, tools->AddTool(host_->pluginRef(), title, &data, 0, &handle));
    }
    warp_ = driver().ToolTitled("warp");
    lens_ = driver().ToolTitled("LENS");
    FakePlugin::SetMain([this](const char* caller, const char* selector, void* m) {
      return std::string(caller) == kCallerAITool
                 ? OnTool(selector, *static_cast<AIToolMessage*>(m))
                 : kNoErr;
    });
  }
  void TearDown() override {
    host_.reset();
    FakePlugin::Reset();
  }

  ToolDriver& driver() { return host_->tools(); }

  // Records "<selector> <tool> h,v t<time> m<event word> k<tracker word>
  // s<Shift key state>" and runs the test's behaviour for mouse events.
  ASErr OnTool(const std::string& selector, const AIToolMessage& m) {
    std::ostringstream line;
    line << selector.substr(3) << " " << (m.tool == warp_ ? "W" : "L") << " "
         << m.event->where.h << "," << m.event->where.v << " t" << m.event->when << " m"
         << std::hex << m.event->modifiers << " k" << tracker_->GetModifiers(nullptr) << " s"
         << (basic_->GetKeyState(kADMShiftKeyModifier) ? 1 : 0);
    sent_.push_back(line.str());
    return behaviour_ ? behaviour_(selector, m) : kNoErr;
  }

  HostOptions hostOptions_;
  std::ostringstream log_;
  std::unique_ptr<Host> host_;
  const ADMTrackerSuite* tracker_ = nullptr;
  const ADMBasicSuite* basic_ = nullptr;
  const VxPlatformCursorSuite* cursors_ = nullptr;
  AIToolHandle warp_ = nullptr, lens_ = nullptr;
  std::vector<std::string> sent_;
  std::function<ASErr(const std::string&, const AIToolMessage&)> behaviour_;
};

// Each row starts with Warp selected (its one message checked once here).
TEST_F(DriverTest, EachUserActionSendsItsMessagesInOrderWithTicksAndBothKeyWords) {
  struct Row {
    const char* action;
    std::function<int32_t(DriverTest&)> run;
    std::vector<std::string> sent;
  };
  const Row rows[] = {
      {"select the current tool again", [](DriverTest& t) { return t.driver().SelectTool(t.warp_); },
       {}},
      {"change tools", [](DriverTest& t) { return t.driver().SelectTool(t.lens_); },
       {"Deselect W 0,0 t0 m0 k0 s0", "Select L 0,0 t0 m0 k0 s0"}},
      {"double-click another tool", [](DriverTest& t) { return t.driver().DoubleClick(t.lens_); },
       {"Deselect W 0,0 t0 m0 k0 s0", "Select L 0,0 t0 m0 k0 s0",
        "Edit Options L 0,0 t0 m0 k0 s0"}},
      {"hover with Alt, clock from 100 by 5",
       [](DriverTest& t) {
         t.driver().clock().Set(100, 5);
         t.driver().MovePointer({1, 2}, {.alt = true});
         return t.driver().MovePointer({3, 4});
       },
       {"Track Cursor W 1,2 t100 m800 k800 s0", "Track Cursor W 3,4 t105 m0 k0 s0"}},
      {"drag with a step between, Shift and Ctrl",
       [](DriverTest& t) {
         return t.driver().Drag({{{0, 0}, {10, -20}}, 1, {.ctrl = true, .shift = true}});
       },
       {"Track Cursor W 0,0 t0 m300 k100 s1", "Mouse Down W 0,0 t0 m300 k100 s1",
        "Track Cursor W 5,-10 t10 m300 k100 s1", "Mouse Drag W 5,-10 t10 m300 k100 s1",
        "Track Cursor W 10,-20 t20 m300 k100 s1", "Mouse Drag W 10,-20 t20 m300 k100 s1",
        "Track Cursor W 10,-20 t30 m300 k100 s1", "Mouse Up W 10,-20 t30 m300 k100 s1"}},
      {"Space and Shift held at release: 0x200 in both words, from two sources",
       [](DriverTest& t) { return t.driver().Drag({{{0, 0}, {0, 9}}, 0, {.shift = true}, true}); },
       {"Track Cursor W 0,0 t0 m200 k0 s1", "Mouse Down W 0,0 t0 m200 k0 s1",
        "Track Cursor W 0,9 t10 m200 k0 s1", "Mouse Drag W 0,9 t10 m200 k0 s1",
        "Track Cursor W 0,9 t20 m200 k200 s1", "Mouse Up W 0,9 t20 m200 k200 s1"}},
  };
  for (const Row& row : rows) {
    SetUp();
    driver().clock().Set(0, 10);
    ASSERT_EQ(0, driver().SelectTool(warp_));
    ASSERT_EQ(std::vector<std::string>{"Select W 0,0 t0 m0 k0 s0"}, sent_);
    sent_.clear();
    EXPECT_EQ(0, row.run(*this)) << row.action;
    EXPECT_EQ(row.sent, sent_) << row.action;
    EXPECT_EQ(0u, tracker_->GetModifiers(nullptr)) << row.action;
    TearDown();
  }
}

TEST_F(DriverTest, AFailingEventEndsTheDragWithAReleaseThereWithoutSpace) {
  struct Row {
    const char* failing;   // the selector that fails
    int32_t expected;
    size_t mouseEvents;    // down, drags and up sent
  };
  const Row rows[] = {{"AI Mouse Down", kBadSelectionErr, 2},
                      {"AI Mouse Drag", kOutOfMemoryErr, 3},
                      {"AI Mouse Up", kCanceledErr, 4}};
  for (const Row& row : rows) {
    SetUp();
    behaviour_ = [&row](const std::string& selector, const AIToolMessage&) {
      return selector == row.failing ? row.expected : kNoErr;
    };
    driver().SelectTool(warp_);
    sent_.clear();
    EXPECT_EQ(row.expected, driver().Drag({{{0, 0}, {5, 0}, {9, 0}}, 0, {}, true}));
    std::vector<std::string> mouse;
    for (const std::string& s : sent_)
      if (s.starts_with("Mouse")) mouse.push_back(s);
    ASSERT_EQ(row.mouseEvents, mouse.size()) << row.failing;
    // Space is held only at a release after a drag that went well.
    const bool clean = std::string(row.failing) == "AI Mouse Up";
    EXPECT_EQ(clean ? " k200 s0" : " k0 s0",
              mouse.back().substr(mouse.back().find(" k"))) << row.failing;
    EXPECT_FALSE(driver().buttonDown());
    TearDown();
  }
}

TEST_F(DriverTest, WithoutACurrentToolThePointerReachesNoTool) {
  EXPECT_EQ(kSPBadParameterError, driver().MovePointer({1, 1}));
  EXPECT_EQ(kSPBadParameterError, driver().Drag({{{0, 0}, {1, 1}}}));
  EXPECT_EQ(kSPBadParameterError, driver().DoubleClick(nullptr));
  EXPECT_EQ(nullptr, driver().ToolTitled("Hammer"));
  EXPECT_TRUE(sent_.empty());
}

TEST_F(DriverTest, DragEventsSpreadStepsEvenlyBetweenEachPairOfPoints) {
  EXPECT_TRUE(DragEventPoints({{3, 3}}, 4).empty());
  const auto points = DragEventPoints({{0, 0}, {0, 40}, {20, 40}}, 3);
  const std::vector<std::pair<float, float>> expected = {
      {0, 10}, {0, 20}, {0, 30}, {0, 40}, {5, 40}, {10, 40}, {15, 40}, {20, 40}};
  ASSERT_EQ(expected.size(), points.size());
  for (size_t i = 0; i < points.size(); ++i)
    EXPECT_EQ(expected[i], std::make_pair(points[i].h, points[i].v)) << i;
}

TEST_F(DriverTest, ThePlugInSetsCursorsFromItsOwnResourcesAndTheLogShowsThem) {
  auto module = reinterpret_cast<SPPlatformAccessRef>(host_->pluginRef());
  VxCursorRef warp = cursors_->LoadCursor(module, kPlainCursor);
  VxCursorRef alt = cursors_->LoadCursor(module, kAltCursor);
  ASSERT_NE(nullptr, warp);
  EXPECT_EQ(warp, cursors_->LoadCursor(module, kPlainCursor));
  EXPECT_EQ(nullptr, cursors_->LoadCursor(module, kBlankCursor));  // no image
  EXPECT_EQ(nullptr, cursors_->LoadCursor(module, kMissingCursor));  // no resource
  EXPECT_EQ(0, driver().cursor().id);
  EXPECT_EQ(nullptr, cursors_->SetCursor(warp));
  EXPECT_EQ(warp, cursors_->SetCursor(alt));
  EXPECT_EQ(alt, cursors_->SetCursor(nullptr));  // asks, changes nothing
  EXPECT_EQ(kAltCursor, driver().cursor().id);
  EXPECT_EQ(2, driver().cursor().sets);
  int32_t bogus = 0;
  EXPECT_FALSE(driver().SetCursor(reinterpret_cast<const LoadedCursor*>(&bogus)));
  EXPECT_EQ(kAltCursor, driver().cursor().id);
  const std::string plainId = std::to_string(kPlainCursor), altId = std::to_string(kAltCursor);
  EXPECT_NE(std::string::npos, log_.str().find("[host] cursor " + plainId + "\n[host] cursor " + altId));
  EXPECT_NE(std::string::npos,
            log_.str().find("LoadCursor " + std::to_string(kBlankCursor) + " -> none"));
}

}  // namespace
}  // namespace vx::host::tools
