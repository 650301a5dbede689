#include "host/tools/tool_catalog.h"

#include "host/core/host.h"
#include "host/core/registrations.h"

namespace vx::host::tools {

const VxToolInfo* ToolInfoOf(Host& host, AIToolHandle tool) {
  const PluginModule* module = host.plugin();
  const VxToolTable* table = module ? module->Tools() : nullptr;
  const Tool* registered = host.registrations().FindTool(tool);
  if (!table || !table->tools || !registered) return nullptr;
  // A tool is registered under its title, which the table names it by.
  for (uint32_t i = 0; i < table->count; ++i)
    if (table->tools[i].name && registered->title == table->tools[i].name) return &table->tools[i];
  return nullptr;
}

std::span<const VxEffectField> ToolPaletteFields(Host& host, AIToolHandle tool) {
  const VxToolInfo* info = ToolInfoOf(host, tool);
  if (!info || !info->fields || info->fieldCount <= 0) return {};
  return {info->fields, size_t(info->fieldCount)};
}

}  // namespace vx::host::tools
