#include "host/core/host.h"

#include "host/art/art_suites.h"
#include "host/art/document_set.h"
#include "host/art/plugin_group_updates.h"

#include <cstdlib>
#include <cstdio>

#include "host/adm/adm_suites.h"
#include "host/adm/dialog_manager.h"
#include "host/core/action_values.h"
#include "host/core/call_failures.h"
#include "host/core/core_suites.h"
#include "host/core/messages.h"
#include "host/core/preferences.h"
#include "host/core/registrations.h"
#include "host/core/user_interaction.h"
#include "host/svg/svg_clip_suite.h"
#include "host/tools/tool_driver.h"

namespace vx::host {

namespace {
Host* gCurrent = nullptr;

std::filesystem::path DefaultSettingsDir() {
  if (const char* env = std::getenv("VERSALIX4_SETTINGS"); env && *env)
    return env;
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg)
    return std::filesystem::path(xdg) / "versalix4";
  if (const char* home = std::getenv("HOME"); home && *home)
    return std::filesystem::path(home) / ".config" / "versalix4";
  return std::filesystem::temp_directory_path() / "versalix4";
}
}  // namespace

Host::Host(HostOptions options) : options_(std::move(options)) {
  log_.SetStream(options_.log);
  settingsDir_ = options_.settingsDir.empty() ? DefaultSettingsDir()
                                              : options_.settingsDir;
  registrations_ = std::make_unique<Registrations>();
  actions_ = std::make_unique<ActionManager>();
  preferences_ = std::make_unique<Preferences>(settingsDir_ / kPreferencesFile);
  user_ = std::make_unique<UserInteraction>();
  failures_ = std::make_unique<CallFailures>();
  dialogs_ = std::make_unique<adm::DialogManager>(*this);
  documents_ = std::make_unique<art::DocumentSet>();
  tools_ = std::make_unique<tools::ToolDriver>(*this);
  previous_ = gCurrent;
  gCurrent = this;
  RegisterCoreSuites();
}

Host::~Host() {
  if (started_) Shutdown();
  if (gCurrent == this) gCurrent = previous_;
}

Host& Host::Current() {
  if (!gCurrent) {
    // A suite was called with no host alive: nothing sane can follow.
    std::fputs("versalix4: a suite was called with no host running\n", stderr);
    std::abort();
  }
  return *gCurrent;
}

bool Host::HasCurrent() { return gCurrent != nullptr; }

void Host::RegisterCoreSuites() {
  RegisterSPSuites(*this);
  RegisterMenuSuites(*this);
  RegisterNotifierSuites(*this);
  RegisterPluginGroupSuites(*this);
  RegisterFilterSuites(*this);
  RegisterToolSuites(*this);
  tools::RegisterPlatformCursorSuite(*this);
  RegisterActionManagerSuites(*this);
  RegisterPreferenceSuites(*this);
  RegisterUserSuites(*this);
  adm::RegisterAdmSuites(*this);
  art::RegisterArtSuites(*this);
  svg::RegisterArtClipSuite(*this);
  // Every other suite of the interface stays acquirable even before its
  // family publishes a real table.
  suites_.AddPlaceholdersForKnownSuites();
}

const SPBasicSuite* Host::basic() const { return &BasicSuiteTable(); }

void Host::AttachPlugin(std::unique_ptr<PluginModule> module) {
  module_ = std::move(module);
}

SPPluginRef Host::pluginRef() const {
  // The plug-in's identity is the module object itself.
  return reinterpret_cast<SPPluginRef>(module_.get());
}

int32_t Host::Send(const char* caller, const char* selector,
                   SPMessageData* data) {
  if (!module_ || !module_->Main()) return kCantHappenErr;
  data->SPCheck = 0;
  data->self = pluginRef();
  data->globals = globals_;
  data->basic = basic();
  VX_LOG(*this, "send " << caller << " / " << selector);
  // Everything one message changes is one undoable step (a tool drag is one
  // as a whole); plug-in group art it changed is updated within the step.
  art::MessageScope step(*documents_, caller, selector);
  int32_t result = module_->Main()(caller, selector, data);
  globals_ = data->globals;
  if (result) step.Failed();
  if (step.outermost()) art::SendPluginGroupUpdates(*this);
  if (result) VX_LOG(*this, "  -> result " << result);
  return result;
}

int32_t Host::Startup() {
  SPInterfaceMessage message{};
  int32_t result = Send(kSPInterfaceCaller, kSPInterfaceStartupSelector,
                        &message.d);
  // The plug-in stays loaded after a failed start-up (it may have
  // registered things and holds its globals); Shutdown frees it.
  started_ = true;
  return result;
}

int32_t Host::Shutdown() {
  if (!started_) return kNoErr;
  SPInterfaceMessage message{};
  int32_t result = Send(kSPInterfaceCaller, kSPInterfaceShutdownSelector,
                        &message.d);
  DisposeFilterParameters(*this);
  started_ = false;
  return result;
}

int32_t Host::Unload() {
  if (unloaded_) return kNoErr;
  if (module_ && module_->accessHolds() > 0) {
    // An open palette calls the plug-in between messages: it stays loaded.
    VX_LOG(*this, "the plug-in holds access to itself: not unloaded");
    return kNoErr;
  }
  SPAccessMessage message{};
  const int32_t result = Send(kSPAccessCaller, kSPAccessUnloadSelector, &message.d);
  unloaded_ = true;
  return result;
}

int32_t Host::Reload() {
  if (!unloaded_) return kNoErr;
  unloaded_ = false;
  SPAccessMessage message{};
  return Send(kSPAccessCaller, kSPAccessReloadSelector, &message.d);
}

int32_t Host::About() {
  SPInterfaceMessage message{};
  return Send(kSPInterfaceCaller, kSPInterfaceAboutSelector, &message.d);
}

}  // namespace vx::host
