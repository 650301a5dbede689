// A registration call that fails during start-up reaches the user through
// the plug-in's error dialog, made by the dialog manager from the plug-in's
// own template; the plug-in still shuts down without leaving a block.
#include <gtest/gtest.h>

#include "host/adm/dialog_manager.h"
#include "host/adm/user_agent.h"
#include "host/core/call_failures.h"
#include "support/host_fixture.h"

namespace vx::host::adm {
namespace {

// Reads the error dialog's message and code items, then presses OK.
class ErrorReader : public UserAgent {
 public:
  void RunModal(DialogDriver& driver) override {
    Dialog& d = driver.dialog();
    names.push_back(d.name());
    if (Item* message = d.GetItem(2)) this->message = message->Text();
    if (Item* code = d.GetItem(3)) this->code = code->Text();
    EXPECT_EQ("", driver.Press(d.defaultItem));
  }
  std::vector<std::string> names;
  std::string message, code;
};

class StartupErrorTest : public test::HostTest {};

TEST_F(StartupErrorTest, FailingRegistrationShowsTheErrorDialog) {
  struct Case {
    const char* call;
    long k;
    int32_t error;
    const char* message;
    const char* code;
  };
  const Case cases[] = {
      {"AddMenuItem", 1, kOutOfMemoryErr,
       "The filter cannot complete because there isn't enough memory (RAM) available.",
       "-108"},
      {"AddNotifier", 2, kBadSelectionErr, "The selection is not valid for this filter.",
       "!sel"},
      {"AddTool", 4, VX_FOURCC('X', 'Y', 'Z', 'W'), "Unknown error", "XYZW"},
      {"RegisterActionEvent", 14, kSegmentLimitErr,
       "The filter cannot complete because a layer is locked or invisible.", "SEGM"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.call);
    host_ = test::MakeLinkedHost(options_);
    ErrorReader reader;
    host_->dialogs().SetAgent(&reader);
    host_->failures().FailCall(c.call, c.k, c.error);
    EXPECT_EQ(c.error, host_->Startup());
    EXPECT_EQ(std::vector<std::string>{"Error Dialog"}, reader.names);
    EXPECT_EQ(c.message, reader.message);
    EXPECT_EQ(c.code, reader.code);
    ExpectCleanShutdown();
    EXPECT_TRUE(host_->dialogs().Dialogs().empty());
    host_->dialogs().SetAgent(nullptr);
    host_.reset();
  }
}

}  // namespace
}  // namespace vx::host::adm
