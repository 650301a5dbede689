// A user for modal dialogs written as a function: the test says what the
// user does, step by step, through the dialog driver. A dialog still open
// when the function returns is cancelled by the dialog manager.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "host/adm/user_agent.h"

namespace vx::test {

class FunctionAgent : public host::adm::UserAgent {
 public:
  std::function<void(host::adm::DialogDriver&)> act;
  // Acts only on dialogs of this template (0: on every one).
  int32_t templateId = 0;
  void RunModal(host::adm::DialogDriver& driver) override;
};

// Script lines parsed ("press 1", ItemAction(...)); a line that does not
// parse fails the test.
std::vector<host::adm::AgentAction> Script(const std::vector<std::string>& lines);

// Carries out the lines in order, each expected to succeed, calling `after`
// after each one, until the dialog ends.
void RunScript(host::adm::DialogDriver& driver, const std::vector<std::string>& lines,
               const std::function<void(host::adm::DialogDriver&)>& after = nullptr);

}  // namespace vx::test
