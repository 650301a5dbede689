// The About dialog: product name and version, and a link button.
#pragma once

#include "vx_sdk.h"

namespace vx {

// Runs the modal About dialog; always answers 0.
ASErr ShowAboutDialog(SPPluginRef plugin);

}  // namespace vx
