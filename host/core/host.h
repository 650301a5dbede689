// Our host: it loads the plug-in, publishes the suites the plug-in acquires,
// and sends it messages. Suite functions are plain C function pointers, so
// they act on the current host (one at a time per process).
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

#include "host/core/block_allocator.h"
#include "host/core/log.h"
#include "host/core/plugin_module.h"
#include "host/core/suite_registry.h"
#include "vx_sdk.h"

namespace vx::host {

namespace adm {
class DialogManager;
}
namespace art {
class DocumentSet;
}
namespace tools {
class ToolDriver;
}
class ActionManager;
class CallFailures;
class Preferences;
class Registrations;
class UserInteraction;

struct HostOptions {
  // The version text the runtime suite answers ("15" is a CS5-like host).
  std::string versionText = "15";
  // The per-user settings root (folder type 16); empty: $VERSALIX4_SETTINGS,
  // else $XDG_CONFIG_HOME/versalix4, else ~/.config/versalix4.
  std::filesystem::path settingsDir;
  // Where the log goes; null: no log.
  std::ostream* log = nullptr;
};

class Host {
 public:
  explicit Host(HostOptions options = {});
  ~Host();
  Host(const Host&) = delete;
  Host& operator=(const Host&) = delete;

  // The host the suite functions act on.
  static Host& Current();
  static bool HasCurrent();

  const HostOptions& options() const { return options_; }
  Log& log() { return log_; }
  BlockAllocator& blocks() { return blocks_; }
  SuiteRegistry& suites() { return suites_; }
  const SPBasicSuite* basic() const;
  const std::filesystem::path& settingsDir() const { return settingsDir_; }

  // What the plug-in registered, the action manager, preferences, the user
  // suite's state, test switches of named suite calls, the dialog manager.
  Registrations& registrations() { return *registrations_; }
  ActionManager& actions() { return *actions_; }
  Preferences& preferences() { return *preferences_; }
  UserInteraction& user() { return *user_; }
  CallFailures& failures() { return *failures_; }
  adm::DialogManager& dialogs() { return *dialogs_; }
  // The open documents and the current one.
  art::DocumentSet& documents() { return *documents_; }
  // The current tool, the pointer and the cursor.
  tools::ToolDriver& tools() { return *tools_; }

  // ---- the plug-in ------------------------------------------------------
  void AttachPlugin(std::unique_ptr<PluginModule> module);
  PluginModule* plugin() { return module_.get(); }
  SPPluginRef pluginRef() const;
  void* globalsSlot() const { return globals_; }
  bool started() const { return started_; }

  // Sends a message whose record begins with SPMessageData; fills the header.
  int32_t Send(const char* caller, const char* selector, SPMessageData* data);
  int32_t Startup();
  int32_t Shutdown();
  // Unload is refused while the plug-in holds access to itself; Reload
  // only follows an Unload.
  int32_t Unload();
  int32_t Reload();
  int32_t About();

 private:
  void RegisterCoreSuites();

  HostOptions options_;
  Log log_;
  BlockAllocator blocks_;
  SuiteRegistry suites_;
  std::filesystem::path settingsDir_;
  std::unique_ptr<Registrations> registrations_;
  std::unique_ptr<ActionManager> actions_;
  std::unique_ptr<Preferences> preferences_;
  std::unique_ptr<UserInteraction> user_;
  std::unique_ptr<CallFailures> failures_;
  std::unique_ptr<adm::DialogManager> dialogs_;
  std::unique_ptr<art::DocumentSet> documents_;
  std::unique_ptr<tools::ToolDriver> tools_;
  std::unique_ptr<PluginModule> module_;
  void* globals_ = nullptr;
  bool started_ = false;
  bool unloaded_ = false;
  Host* previous_ = nullptr;
};

}  // namespace vx::host
