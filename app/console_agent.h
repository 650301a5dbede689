// The user at a terminal: every modal dialog gets its default button
// pressed, except that the plug-in's error dialog is printed (its message
// and code items) and closed, and alerts are printed as they come.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <optional>
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

  host::Host& host() const { return host_; }
  // Error dialogs shown so far, as printed ("<message> (<code>)").
  const std::vector<std::string>& errors() const { return errors_; }

 private:
  host::Host& host_;
  std::ostream& err_;
  std::vector<std::string> errors_;
};

// Fills in one dialog of the plug-in from a command's options and presses
// its default button, as a person would; every other dialog and question goes
// to the console agent. A step that fails is printed ("versalix4: COMMAND:
// ...") and the dialog is left to be cancelled.
class DialogFillingAgent : public host::adm::UserAgent {
 public:
  DialogFillingAgent(int32_t templateId, std::string command, ConsoleAgent& console)
      : templateId_(templateId), command_(std::move(command)), console_(console) {}

  void RunModal(host::adm::DialogDriver& driver) final;
  std::optional<std::string> ChooseFolder(const std::string& message) override;
  bool AnswerYesNo(const std::string& text) override;
  std::optional<AIColor> ChooseColour(const std::string& message,
                                      const AIColor& current) override;
  bool failed() const { return failed_; }
  bool Watching() const override { return watching_; }

 protected:
  // Sets the dialog's items from the options.
  virtual void Fill(host::adm::DialogDriver& driver) = 0;
  // Reads what the filled-in dialog shows, once it has been painted.
  virtual void Filled(host::adm::Dialog& /*dialog*/) {}
  // Whether Filled reads anything that only painting shows; the dialog of a
  // command that does not is never painted.
  virtual bool ReadsPaintedDialog() const { return false; }
  // Chooses "Default Settings", the first entry of the dialog's preset menu,
  // unless the command was given --last: the same command line then gives
  // the same result whatever ran before.
  void StartFromDefaults(host::adm::DialogDriver& driver, int32_t presetMenu, bool last);
  // Types a number into an item; a value outside the item's range is
  // refused with the range and unit ("--value 1: \"Angle:\" takes -3600 to
  // 3600 °, not 99999").
  void SetNumber(host::adm::DialogDriver& driver, int32_t item, double value,
                 const std::string& what, const std::string& unit);
  void Fail(const std::string& why);
  // Fails with a user action's error text, unless it is empty.
  void Check(const std::string& error);

  bool failed_ = false;

 private:
  int32_t templateId_;
  std::string command_;
  ConsoleAgent& console_;
  bool watching_ = false;
};

}  // namespace vx::app
