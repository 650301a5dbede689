// A plug-in module as the host holds it: its entry point, its resource
// directory and its effect table, from a shared object opened with dlopen or from a library
// linked into the program (tests).
#pragma once

#include <memory>
#include <string>

#include "vx_sdk.h"

namespace vx::host {

class PluginModule {
 public:
  // Opens the shared object; on failure returns null and sets *error.
  static std::unique_ptr<PluginModule> Load(const std::string& path,
                                            std::string* error);
  // Wraps an entry point linked into this program.
  static std::unique_ptr<PluginModule> Linked(PluginMainProc main,
                                              VxModuleResourcesProc resources,
                                              std::string path,
                                              VxModuleEffectsProc effects = nullptr,
                                              VxModuleToolsProc tools = nullptr);
  ~PluginModule();
  PluginModule(const PluginModule&) = delete;
  PluginModule& operator=(const PluginModule&) = delete;

  PluginMainProc Main() const { return main_; }
  const VxResourceDirectory* Resources() const { return resources_; }
  // The module's description of its live effects; null when it has none.
  const VxEffectTable* Effects() const { return effects_; }
  // The module's description of its tools and their palettes; null when it
  // has none.
  const VxToolTable* Tools() const { return tools_; }
  // Finds resource (type, id); null when the module has none.
  const VxResource* FindResource(uint32_t type, int32_t id) const;
  const std::string& Path() const { return path_; }

  // Access the plug-in took to itself (an open palette keeps it loaded):
  // while any is held the host does not unload it.
  void AcquireAccess() { ++accessHolds_; }
  bool ReleaseAccess() {
    if (accessHolds_ == 0) return false;
    --accessHolds_;
    return true;
  }
  int accessHolds() const { return accessHolds_; }

 private:
  PluginModule() = default;
  void* handle_ = nullptr;
  PluginMainProc main_ = nullptr;
  const VxResourceDirectory* resources_ = nullptr;
  const VxEffectTable* effects_ = nullptr;
  const VxToolTable* tools_ = nullptr;
  std::string path_;
  int accessHolds_ = 0;
};

}  // namespace vx::host
