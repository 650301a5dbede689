#include "shell/globals.h"

namespace vx {

PluginGlobals* gGlobals = nullptr;

}  // namespace vx
