// The user at a terminal: every modal dialog gets its default button
// pressed, except that the plug-in's error dialog is printed (its message
// and code items) and closed, and alerts are printed as they come.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "host/adm/user_agent.h"

namespace vx::host {
class Host;
}

namespace vx::app {

class ConsoleAgent : public host::adm::UserAgent {
 public:
  // Installs itself as the host's user agent and alert printer; err is
  // where errors and alerts go.
  ConsoleAgent(host::Host& host, std::ostream& err);
  ~ConsoleAgent() override;

  void RunModal(host::adm::DialogDriver& dialog) override;

  // Error dialogs shown so far, as printed ("<message> (<code>)").
  const std::vector<std::string>& errors() const { return errors_; }

 private:
  host::Host& host_;
  std::ostream& err_;
  std::vector<std::string> errors_;
};

}  // namespace vx::app
