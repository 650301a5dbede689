#include "support/tool_fixture.h"

#include "host/adm/dialog_manager.h"
#include "host/adm/palette_settings.h"
#include "host/adm/user_agent.h"
#include "host/art/document_set.h"
#include "host/core/messages.h"
#include "host/tools/tool_catalog.h"
#include "shell/globals.h"
#include "support/test_paths.h"

namespace vx::test {

void ToolTest::SetUp() {
  HostTest::SetUp();
  if (options_.settingsDir.empty()) options_.settingsDir = FreshSettingsDir();
  ASSERT_EQ(0, StartHost());
  doc_ = &host().documents().New("tools");
}

host::tools::ToolDriver& ToolTest::driver() { return host().tools(); }

host::art::Art* ToolTest::AddPath(std::string_view data, const std::string& id) {
  Art* art = AddSvgPath(*doc_, data, nullptr, true, id);
  host::SendNotify(host(), kAIArtSelectionChangedNotifier);
  return art;
}

void ToolTest::Select(const std::vector<Art*>& art) {
  doc_->DeselectAll();
  for (Art* a : art) doc_->Select(*a, true);
  host::SendNotify(host(), kAIArtSelectionChangedNotifier);
}

void ToolTest::UseTool(const std::string& title) {
  AIToolHandle tool = driver().ToolTitled(title);
  ASSERT_NE(nullptr, tool) << "no tool " << title;
  ASSERT_EQ(0, driver().SelectTool(tool)) << title;
}

host::adm::Dialog* ToolTest::palette() {
  return gGlobals ? host().dialogs().Find(gGlobals->ToolPalette) : nullptr;
}

std::string ToolTest::Act(const std::string& action) {
  host::adm::Dialog* dialog = palette();
  if (!dialog) return "the tool has no options palette";
  std::string error;
  auto parsed = host::adm::ParseAgentAction(action, &error);
  if (!parsed) return error;
  host::adm::DialogDriver user(host().dialogs(), *dialog);
  return host::adm::Perform(user, *parsed);
}

std::string ToolTest::Set(const std::string& field, const std::string& value) {
  host::adm::Dialog* dialog = palette();
  if (!dialog) return "the tool has no options palette";
  std::string error;
  const std::string action = host::adm::FieldAction(
      *dialog, host::tools::ToolPaletteFields(host(), driver().current()), field + "=" + value,
      &error);
  return action.empty() ? error : Act(action);
}

int32_t ToolTest::Drag(const std::vector<AIRealPoint>& points, Keys keys, int steps,
                       bool spaceAtRelease) {
  return driver().Drag({points, steps, keys, spaceAtRelease});
}

const host::tools::CursorState& ToolTest::cursor() { return driver().cursor(); }

}  // namespace vx::test
