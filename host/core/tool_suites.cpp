// The tool suite: tools in tool groups and toolsets, found by name.
#include "host/core/call_failures.h"
#include "host/core/core_suites.h"
#include "host/core/host.h"
#include "host/core/registrations.h"

namespace vx::host {
namespace {

ASErr AddTool(SPPluginRef self, const char* name, const AIAddToolData* data,
              int32_t options, AIToolHandle* tool) {
  Host& host = Host::Current();
  if (tool) *tool = nullptr;
  if (!name || !data || !tool) return kSPBadParameterError;
  Registrations& regs = host.registrations();
  Tool made;
  made.plugin = self;
  made.name = name;
  made.title = data->title ? data->title : "";
  made.tooltip = data->tooltip ? data->tooltip : "";
  made.helpID = data->helpID;
  made.icon = data->icon;
  made.options = options;
  VX_LOG(host, "AddTool \"" << made.name << "\" title \"" << made.title
                            << "\" tip \"" << made.tooltip << "\" group "
                            << data->sameGroupAs << " toolset "
                            << data->sameToolsetAs << " options " << options);
  if (ASErr err = host.failures().Check("AddTool")) return err;
  if (regs.FindToolByName(made.name)) return kSPBadParameterError;
  // A tool joins the group / toolset of the tool numbered there, or starts
  // its own (kNoTool): a group or toolset is named by its first tool.
  const Tool* groupOf = nullptr;
  const Tool* toolsetOf = nullptr;
  if (data->sameGroupAs != kNoTool &&
      !(groupOf = regs.FindToolByNumber(data->sameGroupAs)))
    return kSPBadParameterError;
  if (data->sameToolsetAs != kNoTool &&
      !(toolsetOf = regs.FindToolByNumber(data->sameToolsetAs)))
    return kSPBadParameterError;
  AIToolType groupNumber = groupOf ? groupOf->group : kNoTool;
  AIToolType toolsetNumber = toolsetOf ? toolsetOf->toolset : kNoTool;
  Tool& added = regs.AddTool(std::move(made));
  added.group = groupNumber == kNoTool ? added.number : groupNumber;
  added.toolset = toolsetNumber == kNoTool ? added.number : toolsetNumber;
  *tool = reinterpret_cast<AIToolHandle>(&added);
  return kNoErr;
}

ASErr GetToolNumberFromName(const char* name, AIToolType* toolNum) {
  Host& host = Host::Current();
  if (!name || !toolNum) return kSPBadParameterError;
  const Tool* tool = host.registrations().FindToolByName(name);
  VX_LOG(host, "GetToolNumberFromName \"" << name << "\" -> "
                                          << (tool ? tool->number : kNoTool));
  if (!tool) return kSPBadParameterError;
  *toolNum = tool->number;
  return kNoErr;
}

ASErr GetToolName(AIToolHandle handle, const char** name) {
  Tool* tool = Host::Current().registrations().FindTool(handle);
  if (!tool || !name) return kSPBadParameterError;
  *name = tool->name.c_str();
  return kNoErr;
}

ASErr GetToolTitle(AIToolHandle handle, const char** title) {
  Tool* tool = Host::Current().registrations().FindTool(handle);
  if (!tool || !title) return kSPBadParameterError;
  *title = tool->title.c_str();
  return kNoErr;
}

ASErr GetToolOptions(AIToolHandle handle, int32_t* options) {
  Tool* tool = Host::Current().registrations().FindTool(handle);
  if (!tool || !options) return kSPBadParameterError;
  *options = tool->options;
  return kNoErr;
}

const AIToolSuite kTool = {AddTool, GetToolNumberFromName, GetToolName,
                           GetToolTitle, GetToolOptions};

}  // namespace

void RegisterToolSuites(Host& host) {
  host.suites().Add(kAIToolSuite, kAIToolSuiteVersion, &kTool);
}

}  // namespace vx::host
