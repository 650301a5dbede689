#include "host/core/core_suites.h"

#include <cstring>

#include "host/core/host.h"

namespace vx::host {

void CopyOut(const std::string& text, char* out, int32_t maxLength) {
  if (!out || maxLength <= 0) return;
  size_t n = std::min<size_t>(text.size(), size_t(maxLength) - 1);
  std::memcpy(out, text.data(), n);
  out[n] = '\0';
}

std::string PascalText(const unsigned char* text) {
  if (!text) return {};
  return std::string(reinterpret_cast<const char*>(text + 1), text[0]);
}

namespace {

// ---- basic ---------------------------------------------------------------
ASErr AcquireSuite(const char* name, int32_t version, const void** suite) {
  Host& host = Host::Current();
  ASErr err = host.suites().Acquire(name, version, suite);
  if (err) VX_LOG(host, "AcquireSuite " << name << " " << version << " -> " << err);
  return err;
}
ASErr ReleaseSuite(const char* name, int32_t version) {
  return Host::Current().suites().Release(name, version);
}
ASBoolean IsEqual(const char* a, const char* b) {
  return a && b && std::strcmp(a, b) == 0;
}
const SPBasicSuite kBasic = {AcquireSuite, ReleaseSuite, IsEqual};

// ---- blocks --------------------------------------------------------------
ASErr AllocateBlock(size_t size, const char* debugName, void** block) {
  Host& host = Host::Current();
  ASErr err = host.blocks().Allocate(size, debugName, block);
  VX_LOG(host, "AllocateBlock " << size << " \"" << (debugName ? debugName : "")
                                << "\"" << (err ? " failed" : ""));
  return err;
}
ASErr FreeBlock(void* block) { return Host::Current().blocks().Free(block); }
ASErr ReallocateBlock(void* block, size_t newSize, const char* debugName,
                      void** newBlock) {
  return Host::Current().blocks().Reallocate(block, newSize, debugName,
                                             newBlock);
}
const SPBlocksSuite kBlocks = {AllocateBlock, FreeBlock, ReallocateBlock};

// ---- plug-ins and access ---------------------------------------------------
PluginModule* ModuleOf(SPPluginRef plugin) {
  Host& host = Host::Current();
  return plugin && plugin == host.pluginRef() ? host.plugin() : nullptr;
}
ASErr GetPluginFileSpecification(SPPluginRef plugin, SPPlatformFileSpec* file) {
  PluginModule* module = ModuleOf(plugin);
  if (!module || !file) return kSPBadParameterError;
  CopyOut(module->Path(), file->path, sizeof file->path);
  return kNoErr;
}
ASErr GetPluginName(SPPluginRef plugin, char* name, int32_t maxLength) {
  PluginModule* module = ModuleOf(plugin);
  if (!module) return kSPBadParameterError;
  CopyOut("VERSALiX4", name, maxLength);
  return kNoErr;
}
ASErr GetPluginAccess(SPPluginRef plugin, SPAccessRef* access) {
  if (!ModuleOf(plugin) || !access) return kSPBadParameterError;
  *access = reinterpret_cast<SPAccessRef>(plugin);
  return kNoErr;
}
const SPPluginsSuite kPlugins = {GetPluginFileSpecification, GetPluginName,
                                 GetPluginAccess};

ASErr AcquirePlugin(SPPluginRef plugin, SPAccessRef* access) {
  if (ASErr err = GetPluginAccess(plugin, access)) return err;
  ModuleOf(plugin)->AcquireAccess();
  return kNoErr;
}
ASErr ReleasePlugin(SPAccessRef access) {
  PluginModule* module = ModuleOf(reinterpret_cast<SPPluginRef>(access));
  return module && module->ReleaseAccess() ? kNoErr : kSPBadParameterError;
}
ASErr GetAccessInfo(SPAccessRef access, SPPlatformAccessRef* module) {
  if (!access || !module) return kSPBadParameterError;
  *module = reinterpret_cast<SPPlatformAccessRef>(access);
  return kNoErr;
}
ASErr FindResourceOf(SPPlatformAccessRef moduleRef, uint32_t type, int32_t id,
                     SPResource* resource) {
  PluginModule* module = ModuleOf(reinterpret_cast<SPPluginRef>(moduleRef));
  if (!module || !resource) return kSPBadParameterError;
  const VxResource* found = module->FindResource(type, id);
  if (!found) return kBadResourceErr;
  resource->data = found->data;
  resource->size = found->size;
  return kNoErr;
}
const SPAccessSuite kAccess = {AcquirePlugin, ReleasePlugin, GetAccessInfo,
                               FindResourceOf};

// ---- runtime -------------------------------------------------------------
ASErr GetAppVersion(char* version, int32_t maxLength) {
  CopyOut(Host::Current().options().versionText, version, maxLength);
  return kNoErr;
}
ASErr GetAppName(char* name, int32_t maxLength) {
  CopyOut("VERSALiX4 host", name, maxLength);
  return kNoErr;
}
const AIRuntimeSuite kRuntime = {GetAppVersion, GetAppName};

}  // namespace

const SPBasicSuite& BasicSuiteTable() { return kBasic; }

void RegisterSPSuites(Host& host) {
  SuiteRegistry& s = host.suites();
  s.Add(kSPBasicSuite, kSPBasicSuiteVersion, &kBasic);
  s.Add(kSPBlocksSuite, kSPBlocksSuiteVersion, &kBlocks);
  s.Add(kSPPluginsSuite, kSPPluginsSuiteVersion, &kPlugins);
  s.Add(kSPAccessSuite, kSPAccessSuiteVersion, &kAccess);
  s.Add(kAIRuntimeSuite, kAIRuntimeSuiteVersion, &kRuntime);
}

}  // namespace vx::host
