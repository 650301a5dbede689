// The tools as the plug-in module describes them to the program that drives
// it (sdk/vx_tools.h): each tool's options palette and its fields, read by
// the command line, scripts and tests to set a field by its name.
#pragma once

#include <span>

#include "vx_sdk.h"

namespace vx::host {
class Host;
}

namespace vx::host::tools {

// The module's description of the registered tool, or null.
const VxToolInfo* ToolInfoOf(Host& host, AIToolHandle tool);
// The fields of the tool's options palette; empty when it has none.
std::span<const VxEffectField> ToolPaletteFields(Host& host, AIToolHandle tool);

}  // namespace vx::host::tools
