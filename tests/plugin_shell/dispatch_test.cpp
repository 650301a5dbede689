// PluginMain: routing by caller and selector, the error dialog, the suite
// use count, Unload / Reload, and start-ups that fail part-way.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "generated/resource_ids.h"
#include "host/adm/dialog.h"
#include "host/adm/dialog_manager.h"
#include "host/adm/user_agent.h"
#include "host/core/call_failures.h"
#include "host/core/registrations.h"
#include "shell/error_report.h"
#include "shell/globals.h"
#include "shell/suites.h"
#include "support/host_fixture.h"

extern "C" ASErr PluginMain(const char* caller, const char* selector,
                            void* message);

namespace vx::test {
namespace {

namespace ErrorItems = res::ErrorDialog;

// Remembers every modal dialog with the texts of the error dialog's message
// and code items, then presses its default button.
class RecordingAgent : public host::adm::UserAgent {
 public:
  struct Seen {
    std::string name, message, code;
  };
  std::vector<Seen> seen;
  void RunModal(host::adm::DialogDriver& driver) override {
    auto& d = driver.dialog();
    auto text = [&d](int32_t id) { auto* item = d.GetItem(id); return item ? item->Text() : ""; };
    seen.push_back({d.name(), text(ErrorItems::kMessage), text(ErrorItems::kCode)});
    driver.Press(d.defaultItem);
  }
};

class DispatchTest : public HostTest {
 protected:
  RecordingAgent agent_;
  void StartWithAgent() {
    ASSERT_EQ(0, StartHost());
    host().dialogs().SetAgent(&agent_);
  }
  void TearDown() override {
    if (host_) host().dialogs().SetAgent(nullptr);
    HostTest::TearDown();
  }
  // Sends a message to PluginMain with a handler result forced through the
  // error path: an "AI Filter" message whose handler we cannot fail, so the
  // error reporting is exercised directly inside a message's suite hold.
  void Report(ASErr code) {
    ASSERT_EQ(0, AcquireSuites(host().basic()));
    ReportError(host().pluginRef(), code);
    ReleaseSuites(host().basic());
  }
};

TEST_F(DispatchTest, UnknownCallersAndSelectorsAnswerZeroAndShowNothing) {
  StartWithAgent();
  const char* messages[][2] = {{"AI Nothing", "AI Go"},
                               {"AI Menu", "AI Nothing"},
                               {"AI Filter", "AI Nothing"},
                               {"SP Interface", "AI Nothing"},
                               {"SP Access", "AI Nothing"},
                               {"AI Live Effect", "AI Live Effect Input Type"},
                               {"AI Live Effect",
                                "AI Live Effect Interpolate Parameters"},
                               {"Action Manager", "Undo Action"}};
  for (auto& m : messages) {
    AIMenuMessage message{};
    EXPECT_EQ(0, host().Send(m[0], m[1], &message.d)) << m[0] << " / " << m[1];
  }
  EXPECT_TRUE(agent_.seen.empty());
  EXPECT_TRUE(host().dialogs().alerts().empty());
  EXPECT_EQ(0, SuiteUseCount);
}

TEST_F(DispatchTest, ErrorDialogShowsTheMessageAndTheCodeExceptForStopAndZero) {
  StartWithAgent();
  // Each line of the file: the code ('ABCD': four characters), the code
  // text shown and the message.
  std::ifstream file(std::string(VX_TEST_DATA_DIR) + "/plugin_shell/error_dialog.txt");
  int rows = 0;
  for (std::string line; std::getline(file, line);) {
    if (line[0] == '#') continue;
    ++rows;
    const size_t tab = line.find('\t'), tab2 = line.find('\t', tab + 1);
    const std::string code = line.substr(tab + 1, tab2 - tab - 1), message = line.substr(tab2 + 1);
    agent_.seen.clear();
    Report(line[0] == '\'' ? ASErr(VX_FOURCC(line[1], line[2], line[3], line[4])) : std::stoi(line));
    ASSERT_EQ(1u, agent_.seen.size()) << line;
    EXPECT_EQ("Error Dialog", agent_.seen[0].name);
    EXPECT_EQ(message, agent_.seen[0].message) << line;
    EXPECT_EQ(code, agent_.seen[0].code) << line;
  }
  EXPECT_EQ(12, rows);
  // Stop and zero are never reported.
  agent_.seen.clear();
  Report(0);
  Report(kCanceledErr);
  EXPECT_TRUE(agent_.seen.empty());
}

TEST_F(DispatchTest, MissingSuiteBeforeTheDialogManagerIsTolerated) {
  options_.versionText = "15";
  host_ = MakeLinkedHost(options_);
  host().suites().MakeMissing(kAIURLSuite, kAIURLSuiteVersion);
  host().suites().MakeMissing(kAIDocumentViewSuite, kAIDocumentViewSuiteVersion);
  host().dialogs().SetAgent(&agent_);
  ASSERT_EQ(0, host().Startup());
  EXPECT_TRUE(host().dialogs().alerts().empty());
}

TEST_F(DispatchTest, MissingSuiteAfterTheDialogManagerStopsWithAnAlertOnce) {
  host_ = MakeLinkedHost(options_);
  host().suites().MakeMissing(kADMNotifierSuite, kADMNotifierSuiteVersion);
  host().dialogs().SetAgent(&agent_);
  EXPECT_EQ(kSPSuiteNotFoundError, host().Startup());
  ASSERT_EQ(1u, host().dialogs().alerts().size());
  char expected[128];
  std::snprintf(expected, sizeof expected, "Error: %d, suite: %s, version: %d!",
                int(kSPSuiteNotFoundError), kADMNotifierSuite,
                kADMNotifierSuiteVersion);
  EXPECT_EQ(expected, host().dialogs().alerts()[0].text);
  EXPECT_TRUE(agent_.seen.empty());  // 'S!Fd' is not reported a second time
  // Nothing was allocated: Startup did not run.
  EXPECT_EQ(0u, host().blocks().LiveCount());
  EXPECT_EQ(nullptr, host().globalsSlot());
  EXPECT_EQ(0, SuiteUseCount);
  host().suites().ClearMissing();
}

TEST_F(DispatchTest, PaletteHoldsKeepTheSuitesUntilShutdownWhichFreesEverything) {
  StartWithAgent();
  // A palette takes one extra hold between messages.
  ASSERT_EQ(0, AcquireSuites(host().basic()));
  EXPECT_EQ(1, SuiteUseCount);
  AIMenuMessage message{};
  EXPECT_EQ(0, host().Send("AI Menu", "AI Update", &message.d));
  // The message's own release released nothing.
  EXPECT_EQ(1, SuiteUseCount);
  EXPECT_NE(nullptr, sBlocks);
  EXPECT_GT(host().suites().OutstandingAcquisitions(), 0);
  // A second, nested hold.
  ASSERT_EQ(0, AcquireSuites(host().basic()));
  EXPECT_EQ(2, SuiteUseCount);
  EXPECT_NE(nullptr, host().globalsSlot());
  // Shutdown frees everything and clears the slot.
  EXPECT_EQ(0, host().Shutdown());
  EXPECT_EQ(0, SuiteUseCount);
  EXPECT_EQ(nullptr, sBlocks);
  EXPECT_EQ(0, host().suites().OutstandingAcquisitions());
  EXPECT_EQ(nullptr, host().globalsSlot());
  EXPECT_EQ(nullptr, gGlobals);
  EXPECT_EQ(0u, host().blocks().LiveCount()) << host().blocks().LiveReport();
}

TEST_F(DispatchTest, UnloadAndReloadKeepEveryGlobal) {
  StartWithAgent();
  PluginGlobals before;
  std::memcpy(&before, gGlobals, sizeof before);
  PluginGlobals* record = gGlobals;
  EXPECT_EQ(0, host().Unload());
  EXPECT_EQ(record, host().globalsSlot());
  // The library's statics are lost while it is out of memory.
  gGlobals = nullptr;
  SuiteUseCount = 5;
  EXPECT_EQ(0, host().Reload());
  EXPECT_EQ(record, gGlobals);
  EXPECT_EQ(0, SuiteUseCount);
  EXPECT_EQ(0, std::memcmp(&before, gGlobals, sizeof before));
}

TEST_F(DispatchTest, AboutRunsItsDialogAndAnswersZero) {
  StartWithAgent();
  EXPECT_EQ(0, host().About());
  ASSERT_EQ(1u, agent_.seen.size());
  EXPECT_EQ("About Dialog", agent_.seen[0].name);
}

// Start-up must survive the failure of any host call part-way: it reports
// the error, keeps what was registered, and leaks nothing after shutdown.
TEST_F(DispatchTest, EveryFailedAllocationDuringStartupIsReportedAndClean) {
  for (long n = 1;; ++n) {
    host_ = MakeLinkedHost(options_);
    host().dialogs().SetAgent(&agent_);
    agent_.seen.clear();
    host().blocks().FailAllocationNumber(n);
    ASErr err = host().Startup();
    host().blocks().FailAllocationNumber(0);
    if (err == 0) {
      ExpectCleanShutdown();
      host_.reset();
      ASSERT_GT(n, 30);  // the globals and the 36 help texts at least
      break;
    }
    EXPECT_EQ(kOutOfMemoryErr, err) << "allocation " << n;
    ASSERT_EQ(1u, agent_.seen.size()) << "allocation " << n;
    EXPECT_EQ("-108", agent_.seen[0].code);
    host().dialogs().SetAgent(nullptr);
    ExpectCleanShutdown();
    host_.reset();
  }
}

// A failing registration call stops start-up with its own error, shown in
// the error dialog; what was registered before stays, nothing leaks.
TEST_F(DispatchTest, FailingRegistrationCallsStopStartupWithTheirError) {
  struct Case {
    const char* function;
    long call;
    ASErr error;
    const char* code;
    size_t menuItems;  // registered before the failure
    size_t tools;
  } cases[] = {
      {"AddMenuItem", 1, kOutOfMemoryErr, "-108", 0, 0},
      {"AddMenuItem", 5, kOutOfMemoryErr, "-108", 4, 0},
      {"AddNotifier", 2, kBadSelectionErr, "!sel", 18, 0},
      {"AddFilter", 2, kOutOfMemoryErr, "-108", 18, 0},
      {"AddTool", 1, kOutOfMemoryErr, "-108", 18, 0},
      {"AddTool", 4, VX_FOURCC('X', 'Y', 'Z', 'W'), "XYZW", 18, 3},
      {"AddTool", 9, kOutOfMemoryErr, "-108", 18, 8},
      {"RegisterActionEvent", 14, kSegmentLimitErr, "SEGM", 18, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.function) + " #" + std::to_string(c.call));
    host_ = MakeLinkedHost(options_);
    host().dialogs().SetAgent(&agent_);
    agent_.seen.clear();
    host().failures().FailCall(c.function, c.call, c.error);
    EXPECT_EQ(c.error, host().Startup());
    ASSERT_EQ(1u, agent_.seen.size());
    EXPECT_EQ("Error Dialog", agent_.seen[0].name);
    EXPECT_EQ(c.code, agent_.seen[0].code);
    EXPECT_GE(host().registrations().MenuItems().size(), c.menuItems);
    EXPECT_EQ(c.tools, host().registrations().Tools().size());
    host().dialogs().SetAgent(nullptr);
    ExpectCleanShutdown();
    EXPECT_TRUE(host().dialogs().Dialogs().empty());
    host_.reset();
  }
}

TEST_F(DispatchTest, PluginGroupFailuresAreIgnored) {
  host_ = MakeLinkedHost(options_);
  host().failures().FailCall("AddAIPluginGroup", 3, -108);
  EXPECT_EQ(0, host().Startup());
  EXPECT_EQ(12u, host().registrations().PluginGroups().size());
  EXPECT_EQ(14u, host().registrations().ActionEvents().size());
}

TEST_F(DispatchTest, WithoutAnActionManagerNoActionIsRegistered) {
  host_ = MakeLinkedHost(options_);
  host().suites().MakeMissing(kAIActionManagerSuite, kAIActionManagerSuiteVersion);
  EXPECT_EQ(0, host().Startup());
  EXPECT_EQ(0u, host().registrations().ActionEvents().size());
  EXPECT_EQ(9u, host().registrations().Tools().size());
  host().suites().ClearMissing();
}

}  // namespace
}  // namespace vx::test
