// The SP suites every plug-in relies on: basic, blocks, plug-ins and access,
// and the runtime suite.
#pragma once

#include "vx_sdk.h"

namespace vx::host {
class Host;

const SPBasicSuite& BasicSuiteTable();
void RegisterSPSuites(Host& host);

}  // namespace vx::host
