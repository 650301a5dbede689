#include "host/core/plugin_module.h"

#include <dlfcn.h>

#include <algorithm>

namespace vx::host {

std::unique_ptr<PluginModule> PluginModule::Load(const std::string& path,
                                                 std::string* error) {
  void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!handle) {
    if (error) *error = dlerror();
    return nullptr;
  }
  auto main = reinterpret_cast<PluginMainProc>(dlsym(handle, kPluginMainSymbol));
  auto resources = reinterpret_cast<VxModuleResourcesProc>(
      dlsym(handle, kVxModuleResourcesSymbol));
  if (!main || !resources) {
    if (error)
      *error = path + ": not a VERSALiX4 plug-in (no " +
               (main ? kVxModuleResourcesSymbol : kPluginMainSymbol) + ")";
    dlclose(handle);
    return nullptr;
  }
  std::unique_ptr<PluginModule> module(new PluginModule);
  module->handle_ = handle;
  module->main_ = main;
  module->resources_ = resources();
  // Optional: a module without live effects exports no table.
  if (auto effects = reinterpret_cast<VxModuleEffectsProc>(dlsym(handle, kVxModuleEffectsSymbol)))
    module->effects_ = effects();
  if (auto tools = reinterpret_cast<VxModuleToolsProc>(dlsym(handle, kVxModuleToolsSymbol)))
    module->tools_ = tools();
  module->path_ = path;
  return module;
}

std::unique_ptr<PluginModule> PluginModule::Linked(PluginMainProc main,
                                                   VxModuleResourcesProc resources,
                                                   std::string path,
                                                   VxModuleEffectsProc effects,
                                                   VxModuleToolsProc tools) {
  std::unique_ptr<PluginModule> module(new PluginModule);
  module->main_ = main;
  module->resources_ = resources ? resources() : nullptr;
  module->effects_ = effects ? effects() : nullptr;
  module->tools_ = tools ? tools() : nullptr;
  module->path_ = std::move(path);
  return module;
}

PluginModule::~PluginModule() {
  if (handle_) dlclose(handle_);
}

const VxResource* PluginModule::FindResource(uint32_t type, int32_t id) const {
  if (!resources_ || !resources_->resources) return nullptr;
  const VxResource* begin = resources_->resources;
  const VxResource* end = begin + resources_->count;
  const VxResource* it = std::lower_bound(
      begin, end, std::make_pair(type, id),
      [](const VxResource& r, const std::pair<uint32_t, int32_t>& k) {
        return r.type < k.first || (r.type == k.first && r.id < k.second);
      });
  if (it == end || it->type != type || it->id != id) return nullptr;
  return it;
}

}  // namespace vx::host
