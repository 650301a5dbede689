#include "host/tools/tool_catalog.h"

#include "host/core/host.h"

namespace vx::host::tools {

std::span<const VxEffectField> ToolPaletteFields(Host&, AIToolHandle) {
  // The module does not export its tools' palettes yet.
  return {};
}

}  // namespace vx::host::tools
