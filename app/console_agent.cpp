#include "app/console_agent.h"

#include <iostream>
#include <ostream>

#include "app/cli.h"
#include "generated/resource_ids.h"
#include "host/adm/dialog_manager.h"
#include "host/core/host.h"
#include "host/core/user_interaction.h"

namespace vx::app {

namespace {
// The plug-in's error dialog, with its message and code items.
constexpr const char* kErrorDialogName = "Error Dialog";
constexpr int32_t kMessageItem = res::ErrorDialog::kMessage;
constexpr int32_t kCodeItem = res::ErrorDialog::kCode;
}  // namespace

ConsoleAgent::ConsoleAgent(host::Host& host, std::ostream& err)
    : host_(host), err_(err) {
  host.dialogs().SetAgent(this);
  host.dialogs().onAlert = [this](const host::adm::Alert& alert) {
    err_ << "versalix4: " << alert.text << "\n";
  };
}

ConsoleAgent::~ConsoleAgent() {
  host_.dialogs().SetAgent(nullptr);
  host_.dialogs().onAlert = nullptr;
}

void ConsoleAgent::RunModal(host::adm::DialogDriver& driver) {
  host::adm::Dialog& dialog = driver.dialog();
  if (dialog.name() == kErrorDialogName) {
    const host::adm::Item* message = dialog.GetItem(kMessageItem);
    const host::adm::Item* code = dialog.GetItem(kCodeItem);
    std::string line = message ? message->Text() : std::string("(no message)");
    if (code) line += " (" + code->Text() + ")";
    errors_.push_back(line);
    err_ << "versalix4: " << line << "\n";
  }
  driver.Press(dialog.defaultItem);
}

void DialogFillingAgent::RunModal(host::adm::DialogDriver& driver) {
  // The dialog is looked at once it is filled in, and only by a command that
  // reads what it shows: painted once, for the final values, not after each
  // action the command line takes. Other dialogs are not painted (their
  // texts are read as they are).
  const bool ours = driver.dialog().templateId() == templateId_;
  const bool watched = watching_;  // by an outer dialog's agent
  if (ours) {
    Fill(driver);
    if (failed_) return;
  }
  watching_ = ours && ReadsPaintedDialog();
  if (watching_) {
    // Looked at once, finished: the host's clock stands still while the
    // dialog paints, so a preview that a person would watch grow in time
    // slices is drawn in one and reaches the screen once.
    host::UserInteraction& user = console_.host().user();
    const bool held = user.TickCountFixed();
    if (!held) user.FixTickCount(user.TickCount());
    driver.dialog().manager().PaintVisible();
    if (!held) user.FixTickCount(std::nullopt);
  }
  if (ours) {
    Filled(driver.dialog());
    if (!failed_) Check(driver.Press(kADMDefaultItemID));
  } else {
    console_.RunModal(driver);
  }
  watching_ = watched;
}

std::optional<std::string> DialogFillingAgent::ChooseFolder(const std::string& message) {
  return console_.ChooseFolder(message);
}

bool DialogFillingAgent::AnswerYesNo(const std::string& text) {
  return console_.AnswerYesNo(text);
}

std::optional<AIColor> DialogFillingAgent::ChooseColour(const std::string& message,
                                                        const AIColor& current) {
  return console_.ChooseColour(message, current);
}

void DialogFillingAgent::StartFromDefaults(host::adm::DialogDriver& driver, int32_t presetMenu,
                                           bool last) {
  if (!last) Check(driver.Choose(presetMenu, kDefaultSettingsEntry));
}

void DialogFillingAgent::SetNumber(host::adm::DialogDriver& driver, int32_t itemId, double value,
                                   const std::string& what, const std::string& unit) {
  const host::adm::Item* item = driver.dialog().GetItem(itemId);
  if (item && (value < item->min() || value > item->max()))
    return Fail(what + " takes " + RangeText(item->min(), item->max(), unit) + ", not " +
                NumberText(value));
  Check(driver.SetValue(itemId, value));
}

void DialogFillingAgent::Fail(const std::string& why) {
  std::cerr << "versalix4: " << command_ << ": " << why << "\n";
  failed_ = true;
}

void DialogFillingAgent::Check(const std::string& error) {
  if (!error.empty() && !failed_) Fail(error);
}

}  // namespace vx::app
