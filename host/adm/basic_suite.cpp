// ADM basic suite: indexed strings, beep, alerts, screen, folder chooser,
// the modifier keys held, the colour picker.
#include "host/adm/adm_suites.h"
#include "host/adm/dialog_manager.h"
#include "host/adm/user_agent.h"
#include "host/core/core_suites.h"
#include "host/core/host.h"
#include "host/core/user_interaction.h"

namespace vx::host::adm {
namespace {

ASErr GetIndexString(SPPluginRef plugin, int32_t stringID, int32_t index,
                     char* buffer, int32_t maxLength) {
  DialogManager& m = Manager();
  if (!buffer || maxLength <= 0) return kSPBadParameterError;
  if (!m.ModuleOf(plugin)) return kSPBadParameterError;
  CopyOut(m.IndexString(plugin, stringID, index), buffer, maxLength);
  return kNoErr;
}

void Beep() {
  Host& host = Host::Current();
  host.user().Beep();
  VX_LOG(host, "ADM Beep (" << host.user().beeps() << ")");
}

void ErrorAlert(const char* text) {
  Manager().ShowAlert(Alert::Kind::Error, text ? text : "");
}

void MessageAlert(const char* text) {
  Manager().ShowAlert(Alert::Kind::Message, text ? text : "");
}

int32_t YesNoAlert(const char* text) {
  return Manager().AskYesNo(text ? text : "") ? 1 : 0;
}

ASErr GetScreenDimensions(ASRect* dimensions) {
  if (!dimensions) return kSPBadParameterError;
  *dimensions = Manager().screen();
  return kNoErr;
}

ASErr ChooseFolder(const char* message, char* path, int32_t maxLength) {
  DialogManager& m = Manager();
  if (!path || maxLength <= 0) return kSPBadParameterError;
  auto folder = m.agent().ChooseFolder(message ? message : "");
  VX_LOG(m.host(), "ChooseFolder \"" << (message ? message : "") << "\" -> "
                                     << (folder ? *folder : "(cancelled)"));
  if (!folder) return kCanceledErr;
  if (folder->size() + 1 > size_t(maxLength)) return kSPBadParameterError;
  CopyOut(*folder, path, maxLength);
  return kNoErr;
}

ASErr ChooseColor(const char* message, const AIColor* current, AIColor* chosen) {
  if (!chosen) return kSPBadParameterError;
  AIColor start{};
  start.kind = kNoneColor;
  auto colour = Manager().PickColour(message ? message : "", current ? *current : start);
  if (!colour) return kCanceledErr;
  *chosen = *colour;
  return kNoErr;
}

int32_t GetKeyState(uint32_t key) {
  return key && (Manager().currentModifiers & key) == key ? kADMKeyDownState : 0;
}

const ADMBasicSuite kBasic = {GetIndexString,      Beep,        ErrorAlert,
                              MessageAlert,        YesNoAlert,  GetScreenDimensions,
                              ChooseFolder,        GetKeyState, ChooseColor};

}  // namespace

DialogManager& Manager() { return Host::Current().dialogs(); }

void RegisterBasicSuite(Host& host) {
  host.suites().Add(kADMBasicSuite, kADMBasicSuiteVersion, &kBasic);
}

void RegisterAdmSuites(Host& host) {
  RegisterBasicSuite(host);
  RegisterDialogSuites(host);
  RegisterItemSuite(host);
  RegisterListSuites(host);
  RegisterDrawingSuites(host);
}

}  // namespace vx::host::adm
