// The tools as the plug-in module describes them to the program that drives
// it: the fields of each tool's options palette, read by the command line,
// scripts and tests to set a field by its name.
#pragma once

#include <span>

#include "vx_sdk.h"

namespace vx::host {
class Host;
}

namespace vx::host::tools {

// The fields of the tool's options palette; empty when the module describes
// none.
std::span<const VxEffectField> ToolPaletteFields(Host& host, AIToolHandle tool);

}  // namespace vx::host::tools
