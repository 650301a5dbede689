#include "support/function_agent.h"

#include <gtest/gtest.h>

#include "host/adm/dialog.h"

namespace vx::test {

void FunctionAgent::RunModal(host::adm::DialogDriver& driver) {
  if (act && (templateId == 0 || driver.dialog().templateId() == templateId)) act(driver);
}

std::vector<host::adm::AgentAction> Script(const std::vector<std::string>& lines) {
  std::vector<host::adm::AgentAction> actions;
  for (const std::string& line : lines) {
    std::string error;
    auto action = host::adm::ParseAgentAction(line, &error);
    EXPECT_TRUE(action) << line << ": " << error;
    if (action) actions.push_back(*action);
  }
  return actions;
}

void RunScript(host::adm::DialogDriver& driver, const std::vector<std::string>& lines,
               const std::function<void(host::adm::DialogDriver&)>& after) {
  const auto script = Script(lines);
  ASSERT_EQ(lines.size(), script.size());
  for (size_t k = 0; k < script.size() && !driver.ended(); ++k) {
    EXPECT_EQ("", host::adm::Perform(driver, script[k])) << lines[k];
    if (after) after(driver);
  }
}

}  // namespace vx::test
