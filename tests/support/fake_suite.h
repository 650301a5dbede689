// A suite of the host that the fake plug-in acquires, named by its type:
// VX_FAKE_SUITE(AIMenuSuite) acquires kAIMenuSuite at kAIMenuSuiteVersion.
#pragma once

#include "support/fake_plugin.h"

#define VX_FAKE_SUITE(suite) ::vx::test::FakePlugin::Acquire<suite>(k##suite, k##suite##Version)
