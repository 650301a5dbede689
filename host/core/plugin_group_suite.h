// The plug-in group suite's table. This file registers plug-in groups
// (AddAIPluginGroup and the name and description getters); the document
// model fills the art members (UseAIPluginGroup, edit and result art, data
// store) into the same table when it registers its suites.
#pragma once

#include "vx_sdk.h"

namespace vx::host {

AIPluginGroupSuite& PluginGroupSuiteTable();

}  // namespace vx::host
