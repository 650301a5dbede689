// The notifier suite: the plug-in asks to hear of host events by type.
#include "host/core/call_failures.h"
#include "host/core/core_suites.h"
#include "host/core/host.h"
#include "host/core/registrations.h"

namespace vx::host {
namespace {

ASErr AddNotifier(SPPluginRef self, const char* name, const char* type,
                  AINotifierHandle* notifier) {
  Host& host = Host::Current();
  if (notifier) *notifier = nullptr;
  if (!name || !type || !notifier) return kSPBadParameterError;
  VX_LOG(host, "AddNotifier \"" << name << "\" for \"" << type << "\"");
  if (ASErr err = host.failures().Check("AddNotifier")) return err;
  *notifier = reinterpret_cast<AINotifierHandle>(
      &host.registrations().AddNotifier({self, name, type, true}));
  return kNoErr;
}

ASErr SetNotifierActive(AINotifierHandle handle, ASBoolean active) {
  Host& host = Host::Current();
  Notifier* notifier = host.registrations().FindNotifier(handle);
  if (!notifier) return kSPBadParameterError;
  VX_LOG(host, "SetNotifierActive \"" << notifier->type << "\" "
                                      << int(active != 0));
  if (ASErr err = host.failures().Check("SetNotifierActive")) return err;
  notifier->active = active != 0;
  return kNoErr;
}

ASErr IsNotifierActive(AINotifierHandle handle, ASBoolean* active) {
  Notifier* notifier = Host::Current().registrations().FindNotifier(handle);
  if (!notifier || !active) return kSPBadParameterError;
  *active = notifier->active;
  return kNoErr;
}

const AINotifierSuite kNotifier = {AddNotifier, SetNotifierActive,
                                   IsNotifierActive};

}  // namespace

void RegisterNotifierSuites(Host& host) {
  host.suites().Add(kAINotifierSuite, kAINotifierSuiteVersion, &kNotifier);
}

}  // namespace vx::host
