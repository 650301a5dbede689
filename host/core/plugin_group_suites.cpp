// Plug-in group registration: the effect art kinds the plug-in announces.
#include "host/core/call_failures.h"
#include "host/core/core_suites.h"
#include "host/core/host.h"
#include "host/core/plugin_group_suite.h"
#include "host/core/registrations.h"

namespace vx::host {
namespace {

ASErr AddAIPluginGroup(SPPluginRef self, const char* name,
                       const AIAddPluginGroupData* data, int32_t options,
                       AIPluginGroupHandle* entry) {
  Host& host = Host::Current();
  if (entry) *entry = nullptr;
  if (!name || !data || !entry) return kSPBadParameterError;
  PluginGroup group;
  group.plugin = self;
  group.name = name;
  group.description = data->desc ? data->desc : "";
  group.major = data->major;
  group.minor = data->minor;
  group.options = options;
  VX_LOG(host, "AddAIPluginGroup \"" << group.name << "\" \""
                                     << group.description << "\" "
                                     << group.major << "." << group.minor);
  if (ASErr err = host.failures().Check("AddAIPluginGroup")) return err;
  // The name identifies stored art: two groups of one name cannot coexist.
  if (host.registrations().PluginGroupNamed(group.name))
    return kSPBadParameterError;
  *entry = reinterpret_cast<AIPluginGroupHandle>(
      &host.registrations().AddPluginGroup(std::move(group)));
  return kNoErr;
}

ASErr GetAIPluginGroupName(AIPluginGroupHandle entry, const char** name) {
  PluginGroup* group = Host::Current().registrations().FindPluginGroup(entry);
  if (!group || !name) return kSPBadParameterError;
  *name = group->name.c_str();
  return kNoErr;
}

ASErr GetAIPluginGroupDescription(AIPluginGroupHandle entry,
                                  const char** desc) {
  PluginGroup* group = Host::Current().registrations().FindPluginGroup(entry);
  if (!group || !desc) return kSPBadParameterError;
  *desc = group->description.c_str();
  return kNoErr;
}

// The art members stay null until the document model fills them in.
AIPluginGroupSuite gPluginGroup = {AddAIPluginGroup,
                                   GetAIPluginGroupName,
                                   GetAIPluginGroupDescription,
                                   nullptr, nullptr, nullptr, nullptr,
                                   nullptr, nullptr, nullptr, nullptr,
                                   nullptr};

}  // namespace

AIPluginGroupSuite& PluginGroupSuiteTable() { return gPluginGroup; }

void RegisterPluginGroupSuites(Host& host) {
  host.suites().Add(kAIPluginGroupSuite, kAIPluginGroupSuiteVersion,
                    &gPluginGroup);
}

}  // namespace vx::host
